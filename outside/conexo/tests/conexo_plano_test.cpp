// The account-plan connection: opening for a company and the switches that decide whether a
// failure is shown.
#include "outside/conexo/conexao_plano.h"

#include "platform/interaction.h"
#include "platform/tests/support/recorded_boxes.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Guards the binding: a company opens the plan and keeps what it was opened with.
TEST(CConexaoPlano, OpensForACompany) {
    kelvo::testing::RecordedBoxes caixas;
    CConexaoPlano plano;
    EXPECT_FALSE(plano.IsAberta());
    ASSERT_EQ(plano.Inicializa("/dados/emp", 3, 77), platform::S_OK);
    EXPECT_TRUE(plano.IsAberta());
    EXPECT_EQ(std::string(plano.GetEmpresa()), "/dados/emp");
    EXPECT_EQ(plano.GetUsuario(), 3);
    EXPECT_EQ(plano.GetNumeroSessao(), 77);
    EXPECT_TRUE(caixas.boxes.empty());
}

// Guards a failed opening: refused, closed (also after an earlier success), and shown only
// while both switches are on.
TEST(CConexaoPlano, NoCompanyIsRefusedAndShownOnlyWhenAllowed) {
    struct Caso { bool trataErros, tratarMensagens; size_t caixas; };
    const Caso casos[] = {{true, true, 1}, {false, true, 0}, {true, false, 0}, {false, false, 0}};
    for (const Caso& c : casos) {
        kelvo::testing::RecordedBoxes caixas;
        CConexaoPlano plano;
        plano.SetTrataErros(c.trataErros);
        plano.SetTratarMensagens(c.tratarMensagens);
        ASSERT_EQ(plano.Inicializa("/dados/emp", 1, 1), platform::S_OK);
        EXPECT_EQ(plano.Inicializa("", 1, 1), platform::E_INVALIDARG);
        EXPECT_FALSE(plano.IsAberta());
        EXPECT_EQ(plano.Inicializa(nullptr, 1, 1), platform::E_INVALIDARG);
        EXPECT_EQ(caixas.boxes.size(), 2 * c.caixas) << c.trataErros << c.tratarMensagens;
    }
}

}  // namespace
