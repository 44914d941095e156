// The account-plan connection: opening for a company and the switches that decide whether a
// failure is shown.
#include "outside/conexo/conexao_plano.h"

#include "platform/interaction.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Records every message box instead of showing it.
class Caixas final : public platform::Interaction {
public:
    Caixas() : anterior_(platform::SetInteraction(this)) {}
    ~Caixas() override { platform::SetInteraction(anterior_); }
    int ShowMessage(const platform::String& text, const platform::String&, unsigned, bool) override {
        textos.push_back(text.str());
        return platform::IDOK;
    }
    std::optional<platform::String> ChooseFolder(const platform::String&) override { return std::nullopt; }
    platform::String LoadText(unsigned) override { return {}; }

    std::vector<std::string> textos;

private:
    platform::Interaction* anterior_;
};

// Guards the binding: a company opens the plan and keeps what it was opened with.
TEST(CConexaoPlano, OpensForACompany) {
    Caixas caixas;
    CConexaoPlano plano;
    EXPECT_FALSE(plano.IsAberta());
    ASSERT_EQ(plano.Inicializa("/dados/emp", 3, 77), platform::S_OK);
    EXPECT_TRUE(plano.IsAberta());
    EXPECT_EQ(std::string(plano.GetEmpresa()), "/dados/emp");
    EXPECT_EQ(plano.GetUsuario(), 3);
    EXPECT_EQ(plano.GetNumeroSessao(), 77);
    EXPECT_TRUE(caixas.textos.empty());
}

// Guards a failed opening: refused, closed (also after an earlier success), and shown only
// while both switches are on.
TEST(CConexaoPlano, NoCompanyIsRefusedAndShownOnlyWhenAllowed) {
    struct Caso { bool trataErros, tratarMensagens; size_t caixas; };
    const Caso casos[] = {{true, true, 1}, {false, true, 0}, {true, false, 0}, {false, false, 0}};
    for (const Caso& c : casos) {
        Caixas caixas;
        CConexaoPlano plano;
        plano.SetTrataErros(c.trataErros);
        plano.SetTratarMensagens(c.tratarMensagens);
        ASSERT_EQ(plano.Inicializa("/dados/emp", 1, 1), platform::S_OK);
        EXPECT_EQ(plano.Inicializa("", 1, 1), platform::E_INVALIDARG);
        EXPECT_FALSE(plano.IsAberta());
        EXPECT_EQ(plano.Inicializa(nullptr, 1, 1), platform::E_INVALIDARG);
        EXPECT_EQ(caixas.textos.size(), 2 * c.caixas) << c.trataErros << c.tratarMensagens;
    }
}

}  // namespace
