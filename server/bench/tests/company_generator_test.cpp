// The benchmark company generator against a server object in the process: the trees of types
// and locations it stores, the documents it writes with their parts, the links it appends behind
// the server's back as the server's own reader finds them, and the reproducible texts it draws.
#include "server/bench/company_generator.h"

#include "outside/conexo/conexo_dados.h"
#include "outside/pendora/qd_tip_doc.h"
#include "server/links/qd_origens_doc.h"
#include "server/bench/tests/small_company.h"
#include "server/tests/document_test_support.h"
#include "util/tests/time_test_clock.h"
#include "util/time/zt_data1950.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <map>
#include <set>
#include <string>
#include <vector>

using namespace kelvo::testing;
using kelvo::bench::GeradorEmpresa;
using kelvo::bench::Sorteio;
using kelvo::bench::TextoPortugues;

namespace {

// A two-digit code level, as the generator writes them.
std::string Nivel(std::size_t numero) {
    char texto[24];
    std::snprintf(texto, sizeof texto, "%02zu", numero);
    return texto;
}

// A company of the test fixture with the small set-up made.
class Gerador : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(gerador_.GeraCadastros(), platform::S_OK); }

    std::vector<CQDTipDoc> Tipos(const std::vector<std::uint32_t>& posicoes) {
        std::vector<CQDTipDoc> tipos(posicoes.size());
        EXPECT_EQ(empresa_.Conexao().LeTipDocEx(static_cast<std::uint32_t>(posicoes.size()), posicoes.data(),
                                                tipos.data(), 0),
                  platform::S_OK);
        return tipos;
    }
    std::vector<CQDLocArq> Locais(const std::vector<std::uint32_t>& posicoes) {
        std::vector<CQDLocArq> locais(posicoes.size());
        EXPECT_EQ(empresa_.Conexao().LeLocArqEx(static_cast<std::uint32_t>(posicoes.size()), posicoes.data(),
                                                locais.data(), 0),
                  platform::S_OK);
        return locais;
    }

    EmpresaDocs empresa_;
    GeradorEmpresa gerador_{empresa_.Conexao(), kEmpresaTeste, empresa_.Empresa().Pasta(), EmpresaPequena()};
};

// A wrong code scheme or a lost group flag would make the type-group criterion of the searches
// match nothing, or everything.
TEST_F(Gerador, TypesFormGroupsByCode) {
    const auto& gerada = gerador_.Gerada();
    ASSERT_EQ(gerada.gruposTipos.size(), 3u);
    ASSERT_EQ(gerada.tipos.size(), 12u);
    const std::vector<CQDTipDoc> grupos = Tipos(gerada.gruposTipos);
    const std::vector<CQDTipDoc> tipos = Tipos(gerada.tipos);
    for (std::size_t g = 0; g < grupos.size(); ++g) {
        EXPECT_EQ(grupos[g]->dwFlags & 0x1, 0x1u);
        EXPECT_EQ(std::string(grupos[g]->szCodigo), Nivel(g + 1));
        EXPECT_EQ(grupos[g]->nQtdCampos, 0u);
        for (std::size_t t = 0; t < 4; ++t) {
            const CQDTipDoc& tipo = tipos[g * 4 + t];
            EXPECT_EQ(tipo->dwFlags & 0x1, 0u);
            EXPECT_EQ(std::string(tipo->szCodigo), Nivel(g + 1) + Nivel(t + 1));
            EXPECT_GT(tipo->nQtdCampos, 0u);
            ASSERT_EQ(tipo->nQtdProcessos, 1u);
        }
    }
}

// Locations must nest by code ("1", "1.001", "1.001.001") for the location-group criterion, and
// only the boxes may hold documents.
TEST_F(Gerador, LocationsNestByCodeAndOnlyBoxesHoldDocuments) {
    const auto& gerada = gerador_.Gerada();
    ASSERT_EQ(gerada.gruposLocais.size(), 2u);
    ASSERT_EQ(gerada.subgruposLocais.size(), 4u);
    ASSERT_EQ(gerada.locais.size(), 12u);
    const std::vector<CQDLocArq> grupos = Locais(gerada.gruposLocais);
    const std::vector<CQDLocArq> subgrupos = Locais(gerada.subgruposLocais);
    const std::vector<CQDLocArq> caixas = Locais(gerada.locais);
    EXPECT_EQ(std::string(grupos[1]->szCodigo), "2");
    EXPECT_EQ(std::string(subgrupos[3]->szCodigo), "2.002");
    EXPECT_EQ(std::string(caixas[11]->szCodigo), "2.002.003");
    for (const auto* lista : {&grupos, &subgrupos}) {
        for (const CQDLocArq& local : *lista) EXPECT_EQ(local->dwFlags & 0x1, 0x1u) << local->szCodigo;
    }
    for (std::size_t i = 0; i < caixas.size(); ++i) {
        const std::string codigo = caixas[i]->szCodigo;
        EXPECT_EQ(caixas[i]->dwFlags & 0x1, 0u) << codigo;
        EXPECT_GT(caixas[i]->nQtdMaximaDocs, 0u) << codigo;
        EXPECT_EQ(codigo.rfind(std::string(subgrupos[i / 3]->szCodigo) + ".", 0), 0u) << codigo;
    }
}

// Users the generator puts on types and documents must exist for the server's sessions.
TEST_F(Gerador, UsersExistInTheSuitesUserData) {
    ASSERT_EQ(gerador_.Gerada().usuarios, (std::vector<std::uint16_t>{2, 3, 4}));
    for (const std::uint16_t codigo : gerador_.Gerada().usuarios) {
        REGUSU_PS reg;
        ASSERT_EQ(ConexoLeUsuario(kEmpresaTeste, codigo, &reg, nullptr), platform::S_OK) << codigo;
        EXPECT_EQ(reg.bSupervisor, 0);
    }
}

// Every document gets an analytic type and a box, the fields of its type, a description near the
// asked size, branch 1 and no content; a part lost on the way would make the searches cheaper
// than real ones.
TEST_F(Gerador, DocumentsCarryTheirTypesFieldsAndDescriptions) {
    kelvo::bench::MedidaGravacao medida;
    ASSERT_EQ(gerador_.GeraDocumentos(40, &medida), platform::S_OK);
    const auto& gerada = gerador_.Gerada();
    ASSERT_EQ(gerada.nQtdDocumentos, 40u);
    EXPECT_EQ(medida.nQtdDocumentos, 40u);
    EXPECT_LE(medida.segundosGravaDoc, medida.segundosTotal);

    std::map<std::uint32_t, std::set<std::int32_t>> camposDoTipo;
    const std::vector<CQDTipDoc> tipos = Tipos(gerada.tipos);
    for (std::size_t t = 0; t < tipos.size(); ++t) {
        for (std::uint32_t c = 0; c < tipos[t]->nQtdCampos; ++c) camposDoTipo[gerada.tipos[t]].insert(tipos[t]->pCampos[c].id);
    }
    const std::set<std::uint32_t> caixas(gerada.locais.begin(), gerada.locais.end());
    for (std::uint32_t posicao = 1; posicao <= 40; ++posicao) {
        const CQDDoc doc = empresa_.Le(posicao, 0xC);  // no links, no content
        ASSERT_TRUE(camposDoTipo.count(doc->lTipDoc)) << posicao;
        EXPECT_TRUE(caixas.count(doc->lLocArq)) << posicao;
        std::set<std::int32_t> ids;
        for (std::uint32_t c = 0; c < doc->nQtdCampos; ++c) ids.insert(doc->pCampos[c].id);
        EXPECT_EQ(ids, camposDoTipo[doc->lTipDoc]) << posicao;
        const std::size_t tamanho = Descricao(doc).size();
        EXPECT_GE(tamanho, 1024u - 128u) << posicao;
        EXPECT_LE(tamanho, 1024u + 128u) << posicao;
        EXPECT_EQ(doc->iFilial, 1);
        EXPECT_EQ(doc->dwFlags & QD_DOC_SEM_CONTEUDO, QD_DOC_SEM_CONTEUDO);
        EXPECT_EQ(doc->cbArquivo, 0u);
        EXPECT_EQ(doc->iNrLocalizacao, posicao);
    }
}

// Validity dates are stored as day counts from 1950, some weeks to three years after the issue
// date (a short day number); drawn on the short scale they lay decades ahead of the search's
// today, so that no generated document ever expired.
TEST_F(Gerador, ValidityDatesAreDayCountsFrom1950AfterTheIssue) {
    const zt_time_test::RelogioFixado relogio(zt_time_test::Momento(2026, 6, 15, 10));
    ASSERT_EQ(gerador_.GeraDocumentos(40), platform::S_OK);
    int comValidade = 0;
    for (std::uint32_t posicao = 1; posicao <= 40; ++posicao) {
        const QD_DOC_ARQ doc = empresa_.Doc(posicao);
        if (doc.iDataValidade == 0) continue;
        ++comValidade;
        const int emissao = CZTData1950().SetData(doc.iDataEmissao).GetDias();
        EXPECT_GE(doc.iDataValidade - emissao, 30) << posicao;
        EXPECT_LE(doc.iDataValidade - emissao, 3 * 365) << posicao;
    }
    EXPECT_GT(comValidade, 0);
}

// The links appended to QDVINDOC.DAT must be what the server's own reader finds: one document in
// three, in order, and as many live records as counted; a shifted or torn record would show here.
TEST_F(Gerador, LinksAreFoundByTheServersReaderOnAThirdOfTheDocuments) {
    ASSERT_EQ(gerador_.GeraDocumentos(20), platform::S_OK);
    ASSERT_EQ(gerador_.GeraDocumentos(10), platform::S_OK);  // a second batch appends behind the first
    QDOrigensPorDoc mapa;
    ASSERT_EQ(QDLeOrigensTodosDocs(empresa_.Bind(), mapa), platform::S_OK);
    std::set<std::uint32_t> comVinculo;
    std::size_t total = 0;
    for (const auto& [posicao, origens] : mapa) {
        comVinculo.insert(posicao);
        total += origens.size();
        for (const QD_ORIGEM_VINCULO_DOC_PS& origem : origens) EXPECT_NE(origem.lChave, 0u);
    }
    std::set<std::uint32_t> esperados;
    for (std::uint32_t posicao = 1; posicao <= 30; posicao += 3) esperados.insert(posicao);
    EXPECT_EQ(comVinculo, esperados);
    EXPECT_EQ(total, gerador_.Gerada().nQtdVinculos);
    EXPECT_EQ(empresa_.MarcasVinculos().size(), total);
}

// The time window spans the documents written, so that a range inside it selects some of them.
TEST_F(Gerador, TimeWindowCoversTheDocumentsWritten) {
    ASSERT_EQ(gerador_.GeraDocumentos(5), platform::S_OK);
    const auto& gerada = gerador_.Gerada();
    EXPECT_EQ(gerada.dataPrimeiraInclusao, empresa_.Doc(1).dataInclusao);
    EXPECT_EQ(gerada.dataUltimaInclusao, empresa_.Doc(5).dataInclusao);
    ASSERT_EQ(gerador_.GeraDocumentos(3), platform::S_OK);
    EXPECT_EQ(gerada.dataPrimeiraInclusao, empresa_.Doc(1).dataInclusao);
    EXPECT_EQ(gerada.dataUltimaInclusao, empresa_.Doc(8).dataInclusao);
}

// A generator taking up a kept company must write behind its documents with the next location
// numbers, and making its users again must not list them twice.
TEST_F(Gerador, TakesUpAKeptCompanyBehindItsDocuments) {
    ASSERT_EQ(gerador_.GeraDocumentosDireto(10, 1), platform::S_OK);
    GeradorEmpresa retomado(empresa_.Conexao(), kEmpresaTeste, empresa_.Empresa().Pasta(), EmpresaPequena());
    retomado.Retoma(gerador_.Gerada());
    ASSERT_EQ(retomado.GeraUsuarios(), platform::S_OK);
    EXPECT_EQ(retomado.Gerada().usuarios, gerador_.Gerada().usuarios);
    ASSERT_EQ(retomado.GeraDocumentos(3), platform::S_OK);
    EXPECT_EQ(retomado.Gerada().nQtdDocumentos, 13u);
    const std::set<std::uint32_t> tipos(gerador_.Gerada().tipos.begin(), gerador_.Gerada().tipos.end());
    for (std::uint32_t posicao = 11; posicao <= 13; ++posicao) {
        const QD_DOC_ARQ doc = empresa_.Doc(posicao);
        EXPECT_EQ(doc.iNrLocalizacao, posicao);
        EXPECT_TRUE(tipos.count(doc.lTipDoc)) << posicao;
    }
    EXPECT_EQ(retomado.Gerada().dataUltimaInclusao, empresa_.Doc(13).dataInclusao);
}

// Documents asked for before the types and locations exist cannot be written.
TEST(GeradorSemCadastros, RefusesDocumentsBeforeTheSetUp) {
    EmpresaDocs empresa;
    GeradorEmpresa gerador(empresa.Conexao(), kEmpresaTeste, empresa.Empresa().Pasta(), EmpresaPequena());
    EXPECT_EQ(gerador.GeraDocumentos(1), platform::E_UNEXPECTED);
    EXPECT_EQ(gerador.Gerada().nQtdDocumentos, 0u);
}

// One seed gives one company on every machine; the sizes hold for small and odd requests.
TEST(TextoPortugues, SameSeedSameTextAndSizesHold) {
    const TextoPortugues texto;
    Sorteio a(7), b(7), c(8);
    const std::string primeiro = texto.Descricao(a, 1024);
    EXPECT_EQ(primeiro, texto.Descricao(b, 1024));
    EXPECT_NE(primeiro, texto.Descricao(c, 1024));
    for (const std::size_t tamanho : {std::size_t{0}, std::size_t{1}, std::size_t{7}, std::size_t{100}, std::size_t{4096}}) {
        Sorteio sorteio(tamanho);
        const std::string descricao = texto.Descricao(sorteio, tamanho);
        EXPECT_GE(descricao.size(), tamanho - tamanho / 8) << tamanho;
        EXPECT_LE(descricao.size(), tamanho + tamanho / 8) << tamanho;
    }
    Sorteio sorteio(3);
    for (int i = 0; i < 50; ++i) EXPECT_LE(texto.Frase(sorteio, 5, 12).size(), 12u);
}

// The frequent words must come up more often than the rare ones, or the word searches would not
// look like real ones; no draw may fall outside the vocabulary or the asked bounds.
TEST(Sorteio, FavoursTheFirstWordsAndStaysInBounds) {
    const TextoPortugues texto;
    const auto& vocabulario = texto.Vocabulario();
    Sorteio sorteio(11);
    std::size_t primeiros = 0, ultimos = 0;
    for (int i = 0; i < 20000; ++i) {
        const std::string_view palavra = texto.Palavra(sorteio);
        const auto onde = std::find(vocabulario.begin(), vocabulario.end(), palavra);
        ASSERT_NE(onde, vocabulario.end());
        const auto indice = static_cast<std::size_t>(onde - vocabulario.begin());
        if (indice < 20) ++primeiros;
        if (indice >= vocabulario.size() - 20) ++ultimos;
    }
    EXPECT_GT(primeiros, 3 * ultimos);
    for (int i = 0; i < 1000; ++i) {
        const std::int64_t n = sorteio.Entre(-3, 3);
        EXPECT_GE(n, -3);
        EXPECT_LE(n, 3);
        EXPECT_LT(sorteio.Ate(5), 5u);
    }
    EXPECT_EQ(sorteio.Ate(0), 0u);
}

}  // namespace
