// The quick search held against the reference (the scan it replaced, search_rapida_referencia.h)
// on a generated company: hundreds of generated queries, with documents changed (in place at the
// same size, as another writer would, and through the server), added and deleted between them;
// every query must find the same documents with the same scores in the same order.
#include "platform/tests/support/sanitizer.h"
#include "server/tests/search_referencia_test_support.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace kelvo::testing;

namespace {

// Under AddressSanitizer every byte costs several times as much: a smaller company keeps the run
// short while the queries and changes stay the same.
constexpr std::uint32_t kDocs = kComAddressSanitizer ? 4'000 : 20'000;
constexpr int kRodadas = 8;
constexpr int kConsultasPorRodada = 30;
constexpr int kAlteracoesPorRodada = 40;

class BuscaDiferencial : public BuscaComReferencia {};

// Guards every shortcut of the quick search (the folded-text cache and its staleness rules, the
// words counted in one pass, the shared texts counted once, the single scan with the access rule):
// none may change a document found, a score or the order.
TEST_F(BuscaDiferencial, SameAnswersAsTheReferenceWhileTheCompanyChanges) {
    EmpresaGeradaBusca empresa(empresa_, 2207);
    ASSERT_NO_FATAL_FAILURE(empresa.Gera(kDocs));
    int achadas = 0;
    for (int rodada = 0; rodada < kRodadas; ++rodada) {
        std::vector<std::string> consultas;
        for (int i = 0; i < kConsultasPorRodada; ++i) consultas.push_back(empresa.Consulta());
        achadas += Compara(consultas, rodada % 4 == 3 ? 1 : 0, "round " + std::to_string(rodada));
        for (int i = 0; i < kAlteracoesPorRodada; ++i) ASSERT_NO_FATAL_FAILURE(empresa.Altera());
    }
    // Queries that find nothing prove nothing: most must find something, and not all.
    const int total = kRodadas * kConsultasPorRodada;
    EXPECT_GT(achadas, total * 2 / 3);
    EXPECT_LT(achadas, total);
}

}  // namespace
