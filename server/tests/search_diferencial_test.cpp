// The quick search held against the reference (the scan it replaced, search_rapida_referencia.h)
// on a generated company: hundreds of generated queries, with documents changed (in place at the
// same size, as another writer would, and through the server), added and deleted between them;
// every query must find the same documents with the same scores in the same order.
#include "platform/tests/support/sanitizer.h"
#include "platform/text/codepage.h"
#include "server/search/qd_busca_rapida.h"
#include "server/tests/search_empresa_gerada.h"
#include "server/tests/search_rapida_referencia.h"
#include "server/tests/search_test_support.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

using namespace kelvo::testing;

namespace {

// Under AddressSanitizer every byte costs several times as much: a smaller company keeps the run
// short while the queries and changes stay the same.
constexpr std::uint32_t kDocs = kComAddressSanitizer ? 4'000 : 20'000;
constexpr int kRodadas = 8;
constexpr int kConsultasPorRodada = 30;
constexpr int kAlteracoesPorRodada = 40;

using Pares = std::vector<std::pair<std::uint32_t, std::int32_t>>;

Pares ComoPares(const QDDocsPontuados& lista) {
    Pares pares;
    for (const QDDocPontuado& doc : lista) pares.emplace_back(doc.lPos, doc.nPontos);
    return pares;
}

class BuscaDiferencial : public BuscaTeste {
protected:
    // The server's answer to `consulta`, S_OK expected.
    Pares Rapida(const std::string& consulta, std::int32_t bAcessoWeb) {
        platform::BSTR texto = platform::SysAllocStringFromAnsi(consulta);
        QDDocsPontuados lista;
        EXPECT_EQ(QDBuscaRapidaPontuados(QDSessaoBuscaDe(Srv()), texto, bAcessoWeb, lista), platform::S_OK);
        platform::SysFreeString(texto);
        return ComoPares(lista);
    }
};

// Guards every shortcut of the quick search (the folded-text cache and its staleness rules, the
// words counted in one pass, the shared texts counted once, the single scan with the access rule):
// none may change a document found, a score or the order.
TEST_F(BuscaDiferencial, SameAnswersAsTheReferenceWhileTheCompanyChanges) {
    EmpresaGeradaBusca empresa(empresa_, 2207);
    ASSERT_NO_FATAL_FAILURE(empresa.Gera(kDocs));
    int achadas = 0;
    int vazias = 0;
    for (int rodada = 0; rodada < kRodadas; ++rodada) {
        std::vector<std::string> consultas;
        for (int i = 0; i < kConsultasPorRodada; ++i) consultas.push_back(empresa.Consulta());
        const std::int32_t web = rodada % 4 == 3 ? 1 : 0;
        std::vector<QDDocsPontuados> esperadas;
        ASSERT_EQ(QDBuscaRapidaReferencia(QDSessaoBuscaDe(Srv()), consultas, web, esperadas), platform::S_OK);
        for (std::size_t i = 0; i < consultas.size(); ++i) {
            const Pares esperado = ComoPares(esperadas[i]);
            EXPECT_EQ(Rapida(consultas[i], web), esperado)
                << "round " << rodada << ", query [" << platform::Utf8FromAnsi(consultas[i]) << "]";
            ++(esperado.empty() ? vazias : achadas);
        }
        for (int i = 0; i < kAlteracoesPorRodada; ++i) ASSERT_NO_FATAL_FAILURE(empresa.Altera());
    }
    // Queries that find nothing prove nothing: most must find something.
    EXPECT_GT(achadas, 2 * vazias);
    EXPECT_GT(vazias, 0);
}

}  // namespace
