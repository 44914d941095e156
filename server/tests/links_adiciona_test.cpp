// Adding links through the client library: the same link twice, removed links never revived,
// the link named by an origin key, the origins related through the other modules' servers
// (served in this process), links already there among them, a server that fails, and the one
// open file the operation keeps.
#include "server/links/qd_origens_relacionadas.h"
#include "server/tests/links_test_support.h"
#include "util/key/zt_dmc.h"

#include <gtest/gtest.h>

#include <array>

using namespace kelvo::testing;

namespace {

using platform::HRESULT;

const REG_ZTDMC kSemChave{0};

class Adiciona : public ::testing::Test {
protected:
    std::vector<Vinculo3> Vivos() const { return VinculosVivos(Bytes(empresa_.Arquivo("QDVINDOC.DAT"))); }
    EmpresaDocs empresa_;
};

// The second add of the same live link answers "already linked" and appends nothing; a removed
// link is not revived but appended again.
TEST_F(Adiciona, SameLinkTwice) {
    const QD_VINCULO_DOC_PS vinculo = VinculoDe(QD_PROCESSO_GE_AST, 77, 5);
    ASSERT_EQ(empresa_.Conexao().AdicionaVinculoDoc(vinculo, kSemChave), platform::S_OK);
    const std::string antes = Bytes(empresa_.Arquivo("QDVINDOC.DAT"));
    ASSERT_EQ(antes.size(), 32u);
    EXPECT_EQ(empresa_.Conexao().AdicionaVinculoDoc(vinculo, kSemChave), QD_S_VINCULO_EXISTENTE);
    EXPECT_EQ(Bytes(empresa_.Arquivo("QDVINDOC.DAT")), antes);

    // Another document, process or key is another link.
    EXPECT_EQ(empresa_.Conexao().AdicionaVinculoDoc(VinculoDe(QD_PROCESSO_GE_AST, 77, 6), kSemChave), platform::S_OK);
    EXPECT_EQ(empresa_.Conexao().AdicionaVinculoDoc(VinculoDe(QD_PROCESSO_GE_AT_TEC, 77, 5), kSemChave), platform::S_OK);
    EXPECT_EQ(empresa_.Conexao().AdicionaVinculoDoc(VinculoDe(QD_PROCESSO_GE_AST, 78, 5), kSemChave), platform::S_OK);

    ASSERT_EQ(empresa_.Conexao().ExcluiVinculoDoc(1, &vinculo), platform::S_OK);
    EXPECT_EQ(empresa_.Conexao().AdicionaVinculoDoc(vinculo, kSemChave), platform::S_OK);
    EXPECT_EQ(empresa_.MarcasVinculos(), (std::vector<std::uint32_t>{1, 0, 0, 0, 0}));
    EXPECT_EQ(std::get<0>(Vivos().back()), 5u);
    // Nothing of this is logged.
    EXPECT_TRUE(empresa_.Log().empty());
}

// A link to document 0 would read as "every document" to a removal: refused, nothing stored.
TEST_F(Adiciona, DocumentZeroIsRefused) {
    EXPECT_EQ(empresa_.Conexao().AdicionaVinculoDoc(VinculoDe(QD_PROCESSO_GE_AST, 77, 0), kSemChave),
              platform::E_INVALIDARG);
    EXPECT_TRUE(Vivos().empty());
}

// A valid origin key adds the origin of its module's process keyed by its record key and the
// low 16 bits of its date; an invalid key adds nothing more; a key whose module has no process
// is refused after the requested link was stored.
TEST_F(Adiciona, LinkNamedByTheOriginKey) {
    const std::uint32_t dia = ZTCalculaDiaNumero(7, 3, 2014);
    const REG_ZTDMC nota{ZTDMCMonta(4660, 10, dia, ZT_DMC_TIPO_DATA)};  // module 10: invoices
    ASSERT_EQ(empresa_.Conexao().AdicionaVinculoDoc(VinculoDe(QD_PROCESSO_GE_AST, 77, 5), nota), platform::S_OK);
    EXPECT_EQ(Vivos(), (std::vector<Vinculo3>{{5, QD_PROCESSO_GE_AST, 77}, {5, QD_PROCESSO_FT_NF, ChaveRegistro(dia, 4660)}}));

    // A month key: its month number sits where the date would.
    const REG_ZTDMC mes{ZTDMCMonta(12, 13, ZTCalculaMesNumero(5, 2014), ZT_DMC_TIPO_MES)};
    ASSERT_EQ(empresa_.Conexao().AdicionaVinculoDoc(VinculoDe(QD_PROCESSO_GE_AST, 78, 5), mes), platform::S_OK);
    EXPECT_EQ(Vivos().back(), (Vinculo3{5, QD_PROCESSO_CM_RE, ChaveRegistro(ZTCalculaMesNumero(5, 2014), 12)}));

    // Period 1 reads as no date; a key already linked is no failure of the call.
    const REG_ZTDMC semData{ZTDMCMonta(9, 1, 1, ZT_DMC_TIPO_NENHUM)};
    ASSERT_EQ(empresa_.Conexao().AdicionaVinculoDoc(VinculoDe(QD_PROCESSO_GE_AST, 79, 5), semData), platform::S_OK);
    EXPECT_EQ(Vivos().back(), (Vinculo3{5, QD_PROCESSO_CN_LAN, 9u << 12}));
    ASSERT_EQ(empresa_.Conexao().AdicionaVinculoDoc(VinculoDe(QD_PROCESSO_GE_AST, 80, 5), semData), platform::S_OK);
    EXPECT_EQ(Vivos().size(), 7u);

    const std::size_t antes = Vivos().size();
    for (const std::uint64_t invalida : {ZTDMCMonta(0, 10, dia, 3), ZTDMCMonta(9, 67, dia, 3), ZTDMCMonta(9, 10, 1, 3),
                                         ZTDMCMonta(9, 10, 1847, 1)}) {
        ASSERT_EQ(empresa_.Conexao().AdicionaVinculoDoc(VinculoDe(QD_PROCESSO_GE_AST, 90, 6), REG_ZTDMC{invalida}),
                  platform::S_OK);
        ASSERT_EQ(empresa_.Conexao().ExcluiVinculoDoc(1, std::array{VinculoDe(QD_PROCESSO_GE_AST, 90, 6)}.data()),
                  platform::S_OK);
        EXPECT_EQ(Vivos().size(), antes) << invalida;
    }

    const REG_ZTDMC semProcesso{ZTDMCMonta(9, 0, dia, ZT_DMC_TIPO_DATA)};  // module 0
    EXPECT_EQ(empresa_.Conexao().AdicionaVinculoDoc(VinculoDe(QD_PROCESSO_GE_AST, 91, 6), semProcesso),
              platform::E_INVALIDARG);
    EXPECT_EQ(Vivos().back(), (Vinculo3{6, QD_PROCESSO_GE_AST, 91}));
}

// The key of another module's record keeps the form the modules share: the date's upper bits
// overlap the number's, bit for bit.
TEST(QDChaveDataNumero, DateOverlapsTheNumber) {
    EXPECT_EQ(QDChaveDataNumero(0xA028, 5), 0xF028u);
    EXPECT_EQ(QDChaveDataNumero(0xFFFF, 0xFFFFFFFFu), 0xFFFFFFFFu);
    EXPECT_EQ(QDChaveDataNumero(0, 0x1000000), 0u);
}

// The relation table: ten pairs, in the other modules' order.
TEST(QDIntegracoesDoProcesso, TenPairs) {
    using V = std::vector<QD_E_INTEGRACAO>;
    const auto de = [](QD_E_PROCESSO p) {
        const auto s = QDIntegracoesDoProcesso(p);
        return V(s.begin(), s.end());
    };
    EXPECT_EQ(de(QD_PROCESSO_FN_CRE_LANC), V{QD_INTEGRACAO_CONTABIL});
    EXPECT_EQ(de(QD_PROCESSO_FN_CPA_LANC), V{QD_INTEGRACAO_CONTABIL});
    EXPECT_EQ(de(QD_PROCESSO_FN_TES), V{QD_INTEGRACAO_CONTABIL});
    EXPECT_EQ(de(QD_PROCESSO_CM_RE), (V{QD_INTEGRACAO_FINANCEIRO, QD_INTEGRACAO_CONTABIL, QD_INTEGRACAO_COMPRAS}));
    EXPECT_EQ(de(QD_PROCESSO_CM_CT), (V{QD_INTEGRACAO_FINANCEIRO, QD_INTEGRACAO_CONTABIL}));
    EXPECT_EQ(de(QD_PROCESSO_FT_NF), (V{QD_INTEGRACAO_FINANCEIRO, QD_INTEGRACAO_CONTABIL}));
    std::size_t pares = 0;
    for (int p = 0; p <= QD_PROCESSO_COUNT; ++p) pares += QDIntegracoesDoProcesso(static_cast<QD_E_PROCESSO>(p)).size();
    EXPECT_EQ(pares, 10u);
}

// Adding a requisition's link links its document to every related origin, in integration order:
// titles as receivable or payable origins, only the batch's postings that came from the
// requisition, then the orders of both purchasing servers.
TEST_F(Adiciona, RelatedOriginsAreLinkedToo) {
    ModulosNoProcesso modulos;
    DadosModulos(empresa_.Empresa(), DadosRequisicao());
    ASSERT_EQ(empresa_.Conexao().AdicionaVinculoDoc(VinculoDe(QD_PROCESSO_CM_RE, ChaveRequisicao(), 5), kSemChave),
              platform::S_OK);
    std::vector<Vinculo3> esperado = {{5, QD_PROCESSO_CM_RE, ChaveRequisicao()}};
    for (const auto& [proc, chave] : OrigensDaRequisicao()) esperado.emplace_back(5, proc, chave);
    EXPECT_EQ(Vivos(), esperado);

    // The same request again: "already linked", and no server is asked (nothing more appended).
    EXPECT_EQ(empresa_.Conexao().AdicionaVinculoDoc(VinculoDe(QD_PROCESSO_CM_RE, ChaveRequisicao(), 5), kSemChave),
              QD_S_VINCULO_EXISTENTE);
    EXPECT_EQ(Vivos(), esperado);
}

// A related origin that is already linked is passed over: the request succeeds and the related
// origins after it are still linked.
TEST_F(Adiciona, RelatedOriginAlreadyLinkedIsPassedOver) {
    ModulosNoProcesso modulos;
    DadosModulos(empresa_.Empresa(), DadosRequisicao());
    const auto relacionadas = OrigensDaRequisicao();
    const auto [proc, chave] = relacionadas[0];
    empresa_.NovoVinculo(5, proc, chave);
    ASSERT_EQ(empresa_.Conexao().AdicionaVinculoDoc(VinculoDe(QD_PROCESSO_CM_RE, ChaveRequisicao(), 5), kSemChave),
              platform::S_OK);
    EXPECT_EQ(Vivos().size(), 1 + 1 + relacionadas.size() - 1);
    EXPECT_EQ(Vivos().back(), (Vinculo3{5, QD_PROCESSO_CM_OC, 901}));
}

// Integrations that the settings leave off are not asked; a process outside the table asks no
// server at all (none is registered here).
TEST_F(Adiciona, SettingsAndTableChooseWhatIsAsked) {
    {
        ModulosNoProcesso modulos;
        std::string dados = DadosRequisicao();
        dados.replace(dados.find("integracao 20 1"), 15, "integracao 20 0");
        dados.replace(dados.find("integracao 21 1"), 15, "integracao 21 0");
        DadosModulos(empresa_.Empresa(), dados);
        ASSERT_EQ(empresa_.Conexao().AdicionaVinculoDoc(VinculoDe(QD_PROCESSO_CM_RE, ChaveRequisicao(), 5), kSemChave),
                  platform::S_OK);
        EXPECT_EQ(Vivos(), (std::vector<Vinculo3>{{5, QD_PROCESSO_CM_RE, ChaveRequisicao()},
                                                  {5, OrigensDaRequisicao()[2].first, OrigensDaRequisicao()[2].second}}));
    }
    EXPECT_EQ(empresa_.Conexao().AdicionaVinculoDoc(VinculoDe(QD_PROCESSO_GE_AST, 1, 6), kSemChave), platform::S_OK);
    EXPECT_EQ(Vivos().size(), 3u);
}

// A server that cannot be created fails the call with its result; the requested link is already
// stored, and so is the link of the origin key, which comes after the related ones, not.
TEST_F(Adiciona, FailingServerIsReturnedAfterTheLinkIsStored) {
    const REG_ZTDMC nota{ZTDMCMonta(4660, 10, ZTCalculaDiaNumero(7, 3, 2014), ZT_DMC_TIPO_DATA)};
    EXPECT_EQ(empresa_.Conexao().AdicionaVinculoDoc(VinculoDe(QD_PROCESSO_FT_NF, 12, 5), nota),
              platform::REGDB_E_CLASSNOTREG);
    EXPECT_EQ(Vivos(), (std::vector<Vinculo3>{{5, QD_PROCESSO_FT_NF, 12}}));

    // A company whose data the servers cannot read fails the same way.
    ModulosNoProcesso modulos;
    DadosModulos(empresa_.Empresa(), "integracao 20 1\nnada disso\n");
    EXPECT_EQ(empresa_.Conexao().AdicionaVinculoDoc(VinculoDe(QD_PROCESSO_FT_NF, 13, 5), nota),
              platform::HResultFromWin32(platform::ERROR_INVALID_DATA));
}

// While another writer holds QDVINDOC.DAT, the add fails on its own open and stores nothing; the
// operation's own nested adds never meet that refusal (RelatedOriginsAreLinkedToo).
TEST_F(Adiciona, HeldFileIsReportedNotWaitedForEver) {
    CQDArqT<QD_VINCULO_DOC_ARQ> outro(empresa_.Bind());
    ASSERT_EQ(outro.Open('G', true, true), 0);
    const HRESULT hr = empresa_.Conexao().AdicionaVinculoDoc(VinculoDe(QD_PROCESSO_GE_AST, 77, 5), kSemChave);
    EXPECT_TRUE(platform::FAILED(hr));
    EXPECT_EQ(static_cast<std::uint32_t>(hr) & 0xFFFF0000u, 0x80040000u);
    outro.CloseEx();
    EXPECT_TRUE(Vivos().empty());
}

}  // namespace
