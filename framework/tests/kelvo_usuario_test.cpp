// CZTFCUsuario and CZTKelvoUsuario: the options after construction, the access list's
// declaration, grants and look-ups, and what closing a company clears.
#include "framework/app/zt_kelvo_usuario.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <vector>

namespace {

std::vector<std::uint16_t> Codigos(const CZTKelvoUsuario& usuario) {
    std::vector<std::uint16_t> codigos;
    for (int i = 0; i < usuario.GetQtdControles(); ++i) codigos.push_back(usuario.GetControle(i));
    return codigos;
}

TEST(CZTKelvoUsuario, StartsWithEnterAsTabAndNothingElse) {
    const std::unique_ptr<CZTFCUsuario> dono = std::make_unique<CZTKelvoUsuario>();
    EXPECT_TRUE(dono->GetEnterComoTab());
    EXPECT_FALSE(dono->GetAguardaGravacao());
    const auto& usuario = static_cast<const CZTKelvoUsuario&>(*dono);
    EXPECT_EQ(usuario.GetNomeUsuario(), "");
    EXPECT_FALSE(usuario.GetSupervisor());
    EXPECT_EQ(usuario.GetQtdControles(), 0);
    EXPECT_FALSE(usuario.TemAlgumAcesso());
}

// The declared list holds the codes in order with nothing granted; the count is taken as 16 bits.
TEST(CZTKelvoUsuario, SetControlesDeclaresTheCodesUngranted) {
    std::vector<std::uint16_t> muitos(65537);
    for (std::size_t i = 0; i < muitos.size(); ++i) muitos[i] = static_cast<std::uint16_t>(100 + i);
    const struct {
        int qtd;
        std::vector<std::uint16_t> esperados;
    } casos[] = {
        {3, {100, 101, 102}},
        {0, {}},
        {65537, {100}},  // 0x10001 as 16 bits
    };
    for (const auto& caso : casos) {
        CZTKelvoUsuario usuario;
        usuario.SetControles(5, muitos.data());
        usuario.SetAcesso(100, 1);
        usuario.SetControles(caso.qtd, muitos.data());  // a second declaration grants nothing again
        EXPECT_EQ(Codigos(usuario), caso.esperados) << caso.qtd;
        EXPECT_FALSE(usuario.TemAlgumAcesso()) << caso.qtd;
    }
}

// Grants go to the first entry of a code; an undeclared code is neither set nor granted, even to
// a supervisor.
TEST(CZTKelvoUsuario, AccessIsTheFirstEntryOfTheCode) {
    const std::uint16_t codigos[] = {10, 20, 10};
    CZTKelvoUsuario usuario;
    usuario.SetControles(3, codigos);
    usuario.SetSupervisor(true);
    usuario.SetAcesso(10, 5);
    usuario.SetAcesso(30, 1);
    EXPECT_EQ(usuario.GetAcesso(10), 5);
    EXPECT_EQ(usuario.GetAcesso(20), 0);
    EXPECT_EQ(usuario.GetAcesso(30), 0);
    EXPECT_EQ(Codigos(usuario), (std::vector<std::uint16_t>{10, 20, 10}));
    EXPECT_TRUE(usuario.TemAlgumAcesso());
    usuario.SetAcesso(10, 0);
    EXPECT_FALSE(usuario.TemAlgumAcesso());  // a withdrawn grant leaves nothing granted
}

// Closing the company forgets who the user was and what was granted, not the declared codes.
TEST(CZTKelvoUsuario, LimpaKeepsTheCodes) {
    const std::uint16_t codigos[] = {1, 2};
    CZTKelvoUsuario usuario;
    usuario.SetControles(2, codigos);
    usuario.SetNomeUsuario("MARIA");
    usuario.SetSupervisor(true);
    usuario.SetEnterComoTab(false);
    usuario.SetAcesso(1, 1);
    usuario.SetAcesso(2, -1);
    usuario.Limpa();
    EXPECT_EQ(usuario.GetNomeUsuario(), "");
    EXPECT_FALSE(usuario.GetSupervisor());
    EXPECT_FALSE(usuario.TemAlgumAcesso());
    EXPECT_EQ(Codigos(usuario), (std::vector<std::uint16_t>{1, 2}));
    EXPECT_FALSE(usuario.GetEnterComoTab());  // not the company's to reset
}

}  // namespace
