// What the start-up data grants: this module's rights by code, the document's codes as a group,
// and the user's and company's values; and what the choice of company accepts.
#include "outside/conexo/conexo_empresa.h"
#include "outside/empral/tests/empral_test_support.h"
#include "outside/empral/zt_sessoes.h"

#include <string>

namespace {

using namespace empral_testing;

struct CasoAcesso {
    const char* caso;
    std::vector<CONEXO_DIREITO> direitos;  // granted to the user
    std::vector<std::uint16_t> codigos;    // the document's access codes
    std::uint16_t codigo;                  // asked with GetTemAcesso(code)
    bool temCodigo;
    bool temAlgum;                         // GetTemAcesso()
};

class DadosInicializacao : public EmpralTest {};

// GetTemAcesso(code) is exactly pair (21, code); without codes GetTemAcesso() is any right of
// module 21, with codes one of them granted. Guards against reading another module's rights,
// swapping module and right, and ignoring the document's codes.
TEST_F(DadosInicializacao, AccessAnswersByCodeAndByTheDocumentsCodes) {
    const CasoAcesso casos[] = {
        {"granted code", {{21, 5}}, {}, 5, true, true},
        {"other code", {{21, 5}}, {}, 6, false, true},
        {"another module's right", {{1, 5}}, {}, 5, false, false},
        {"module and right swapped", {{5, 21}}, {}, 21, false, false},
        {"no rights", {}, {}, 5, false, false},
        {"none of the codes", {{21, 5}}, {7, 8}, 7, false, false},
        {"one of the codes", {{21, 5}, {21, 8}}, {7, 8}, 8, true, true},
        {"codes, right of module 1", {{1, 7}}, {7}, 7, false, false},
    };
    for (const CasoAcesso& caso : casos) {
        SCOPED_TRACE(caso.caso);
        ASSERT_EQ(ConexoGravaDireitos(kEmpresa, kUsuario, caso.direitos), platform::S_OK);
        std::int32_t numero = 0;
        ASSERT_EQ(ZTAbreSessao(kEmpresa, kUsuario, numero), platform::S_OK);
        const CZTDadosInicializacao dados = Busca(numero, caso.codigos);
        EXPECT_EQ(dados.GetTemAcesso(caso.codigo), caso.temCodigo);
        EXPECT_EQ(dados.GetTemAcesso(), caso.temAlgum);
    }
}

// The user's and company's values reach the start-up data as stored.
TEST_F(DadosInicializacao, CarriesTheUsersAndCompanysValues) {
    CONEXO_TIPOS_SISTEMAS tipos{};
    tipos[31] = 'S';
    tipos[48] = 'n';
    ASSERT_EQ(ConexoGravaNomeEmpresa(kEmpresa, "Empresa Um Ltda"), platform::S_OK);
    ASSERT_EQ(ConexoGravaTiposSistemas(kEmpresa, tipos), platform::S_OK);
    ASSERT_EQ(ConexoGravaTestarEnter(kEmpresa, kSupervisor, false), platform::S_OK);
    std::int32_t supervisor = 0;
    std::int32_t usuario = 0;
    ASSERT_EQ(ZTAbreSessao(kEmpresa, kSupervisor, supervisor), platform::S_OK);
    ASSERT_EQ(ZTAbreSessao(kEmpresa, kUsuario, usuario), platform::S_OK);

    const CZTDadosInicializacao dados = Busca(supervisor);
    EXPECT_EQ(dados.GetNumeroSecao(), supervisor);
    EXPECT_TRUE(dados.GetSupervisor());
    EXPECT_EQ(dados.GetNomeUsuario(), "Supervisor");
    EXPECT_FALSE(dados.GetTestarEnter());
    EXPECT_EQ(dados.GetRazaoSocial(), "Empresa Um Ltda");
    EXPECT_EQ(dados.GetTipoSistemas(), tipos);

    const CZTDadosInicializacao outro = Busca(usuario);
    EXPECT_FALSE(outro.GetSupervisor());
    EXPECT_EQ(outro.GetNomeUsuario(), "Maria");
    EXPECT_TRUE(outro.GetTestarEnter()) << "nothing stored: Enter acts as Tab";
}

class EscolhaEmpresa : public EmpralTest {};

// A valid choice fills the padded code, the branch and the user's record, and hands the system
// code and both options to the chooser.
TEST_F(EscolhaEmpresa, ValidChoiceFillsCodeBranchAndUser) {
    escolha_.resposta = ZT_ESCOLHA_EMPRESA{kEmpresa, kUsuario, 2};
    char codigo[ZT_TAM_CODIGO_EMPRESA];
    std::memset(codigo, 'x', sizeof codigo);
    std::uint16_t filial = 0;
    REGUSU_PS reg;
    ASSERT_TRUE(CZTEmp::GetEmpresaEx("DF", true, codigo, filial, reg, false));
    EXPECT_EQ(std::string(codigo, sizeof codigo), std::string("EMP1") + std::string(20, '\0'));
    EXPECT_EQ(filial, 2);
    EXPECT_EQ(reg.iCodigo, kUsuario);
    EXPECT_STREQ(reg.szNome, "Maria");
    EXPECT_EQ(escolha_.ultimoPedido.strSistema, "DF");
    EXPECT_TRUE(escolha_.ultimoPedido.bOpcao);
    EXPECT_FALSE(escolha_.ultimoPedido.bOpcao2);
}

// Cancelling, no chooser, or a choice the data does not hold changes nothing and leaves no
// choice for the next start-up data search.
TEST_F(EscolhaEmpresa, CancelledOrInvalidChoiceChangesNothing) {
    struct Caso {
        const char* caso;
        std::optional<ZT_ESCOLHA_EMPRESA> resposta;
    };
    const Caso casos[] = {
        {"cancelled", std::nullopt},
        {"no such company", ZT_ESCOLHA_EMPRESA{"OUTRA", kUsuario, 1}},
        {"a path, not a company", ZT_ESCOLHA_EMPRESA{"EMP1\\Usuarios", kUsuario, 1}},
        {"no such user", ZT_ESCOLHA_EMPRESA{kEmpresa, 9, 1}},
        {"branch not active for the user", ZT_ESCOLHA_EMPRESA{kEmpresa, kSupervisor, 2}},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.caso);
        escolha_.resposta = caso.resposta;
        char codigo[ZT_TAM_CODIGO_EMPRESA] = "ANTES";
        std::uint16_t filial = 7;
        REGUSU_PS reg;
        reg.iCodigo = 99;
        EXPECT_FALSE(CZTEmp::GetEmpresaEx("DF", false, codigo, filial, reg, false));
        EXPECT_STREQ(codigo, "ANTES");
        EXPECT_EQ(filial, 7);
        EXPECT_EQ(reg.iCodigo, 99);
        EXPECT_FALSE(CZTEmp::TomaEscolhaPendente().has_value());
    }
    CZTEmp::SetEscolhaEmpresa(nullptr);
    char codigo[ZT_TAM_CODIGO_EMPRESA] = {};
    std::uint16_t filial = 0;
    REGUSU_PS reg;
    EXPECT_FALSE(CZTEmp::GetEmpresaEx("DF", false, codigo, filial, reg, false)) << "no chooser installed";
}

}  // namespace
