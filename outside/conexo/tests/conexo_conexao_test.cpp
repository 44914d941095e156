// The user and branch connections: binding, reads for the bound company and user, and the
// switches that decide whether a failure is shown.
#include "outside/conexo/conexao_usuario.h"

#include "platform/interaction.h"
#include "platform/tests/support/recorded_boxes.h"
#include "platform/tests/support/test_environment.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

class Conexoes : public ::testing::Test {
protected:
    void SetUp() override {
        REGUSU_PS chefe;
        chefe.iCodigo = 1;
        chefe.bSupervisor = 1;
        std::strcpy(chefe.szNome, "Chefe");
        ASSERT_EQ(ConexoGravaUsuario("EMP", chefe, {1, 2}), platform::S_OK);
        REGUSU_PS auxiliar;
        auxiliar.iCodigo = 4;
        auxiliar.iCodigoPai = 1;
        std::strcpy(auxiliar.szNome, "Auxiliar");
        ASSERT_EQ(ConexoGravaUsuario("EMP", auxiliar, {2}), platform::S_OK);
        ASSERT_EQ(ConexoGravaFilial("EMP", 1, "Matriz"), platform::S_OK);
    }

    kelvo::testing::TestEnvironment ambiente_;
};

}  // namespace

// The bound user's record and branches come back; another user's record is read by code.
TEST_F(Conexoes, UserConnectionReadsTheBoundUser) {
    CConexaoUsuario conexao;
    ASSERT_EQ(conexao.Inicializa("EMP", 4, 77), platform::S_OK);
    EXPECT_EQ(conexao.GetNumeroSessao(), 77);
    REGUSU_PS reg;
    ASSERT_EQ(conexao.Le(reg), platform::S_OK);
    EXPECT_EQ(reg.iCodigo, 4);
    EXPECT_EQ(reg.iCodigoPai, 1);
    EXPECT_EQ(reg.bSupervisor, 0);
    EXPECT_STREQ(reg.szNome, "Auxiliar");
    FILIAIS_ATIVAS filiais;
    ASSERT_EQ(conexao.LeFiliaisAtivas(filiais), platform::S_OK);
    EXPECT_EQ(filiais.bAtiva[1], 0);
    EXPECT_EQ(filiais.bAtiva[2], 1);
    REGUSU_PS pai;
    ASSERT_EQ(conexao.Le(reg.iCodigoPai, pai), platform::S_OK);
    EXPECT_EQ(pai.bSupervisor, 1);
}

// A connection that could not be bound answers every read with a failure, never with the data
// of an earlier binding.
TEST_F(Conexoes, FailedBindingLeavesTheConnectionUnbound) {
    CConexaoUsuario conexao;
    conexao.SetTrataErros(false);
    REGUSU_PS reg;
    EXPECT_EQ(conexao.Le(reg), platform::E_UNEXPECTED);
    ASSERT_EQ(conexao.Inicializa("EMP", 1, 1), platform::S_OK);
    EXPECT_EQ(conexao.Inicializa("EMP", 99, 1), CONEXO_E_USUARIO_INEXISTENTE);
    EXPECT_EQ(conexao.Le(reg), platform::E_UNEXPECTED);
    FILIAIS_ATIVAS filiais{};
    EXPECT_EQ(conexao.LeFiliaisAtivas(filiais), platform::E_UNEXPECTED);
    EXPECT_EQ(conexao.Inicializa("OUTRA", 1, 1), CONEXO_E_USUARIO_INEXISTENTE);
    EXPECT_EQ(conexao.Inicializa("", 1, 1), platform::E_INVALIDARG);
}

// The branch connection names branches of its company only.
TEST_F(Conexoes, BranchConnectionNamesBranches) {
    CConexaoFilial filial;
    filial.SetTrataErros(false);
    CZTString nome;
    EXPECT_EQ(filial.GetNome(1, nome), platform::E_UNEXPECTED);
    ASSERT_EQ(filial.Inicializa("EMP", 1, 1), platform::S_OK);
    ASSERT_EQ(filial.GetNome(1, nome), platform::S_OK);
    EXPECT_EQ(nome, "Matriz");
    EXPECT_EQ(filial.GetNome(2, nome), CONEXO_E_FILIAL_INEXISTENTE);
    EXPECT_EQ(nome, "Matriz");
}

// A failure is shown only while both switches are on; a server that turns either off sees none.
TEST_F(Conexoes, FailuresAreShownOnlyWithBothSwitchesOn) {
    struct Caso {
        bool trataErros;
        bool tratarMensagens;
        std::size_t caixas;
    };
    for (const Caso caso : {Caso{true, true, 1}, Caso{false, true, 0}, Caso{true, false, 0}, Caso{false, false, 0}}) {
        kelvo::testing::RecordedBoxes caixas;
        CConexaoUsuario conexao;
        conexao.SetTrataErros(caso.trataErros);
        conexao.SetTratarMensagens(caso.tratarMensagens);
        EXPECT_EQ(conexao.Inicializa("EMP", 99, 1), CONEXO_E_USUARIO_INEXISTENTE);
        EXPECT_EQ(conexao.Inicializa("EMP", 1, 1), platform::S_OK);  // success shows nothing
        EXPECT_EQ(caixas.boxes.size(), caso.caixas) << caso.trataErros << caso.tratarMensagens;
    }
}
