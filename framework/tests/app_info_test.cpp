// CZTKelvoAppInfo: its state after construction, the two company selections and the systems
// block (the company name's message to the main window is tested with the windows).
#include "framework/app/zt_kelvo_app_info.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

TEST(CZTKelvoAppInfo, StartsWithoutCompanyAndWithSystemDF) {
    const CZTKelvoAppInfo info;
    EXPECT_EQ(info.GetEmpresa(), "");
    EXPECT_FALSE(info.TemEmpresa());
    EXPECT_EQ(info.GetFilial(), 0);
    EXPECT_EQ(info.GetNumeroSecao(), 0);
    EXPECT_EQ(info.GetRazaoSocial(), "");
    EXPECT_EQ(info.GetSistema(), "DF");
    EXPECT_FALSE(info.GetEmpresaPreSelecionada());
    const TIPOS_SISTEMAS zero{};
    EXPECT_EQ(std::memcmp(info.GetPtrTiposSistemas(), &zero, sizeof zero), 0);
}

// Only the empty code means "no company": a code of blanks is a selected company.
TEST(CZTKelvoAppInfo, TemEmpresaTestsForTheEmptyTextOnly) {
    const struct {
        const char* codigo;
        bool temEmpresa;
    } casos[] = {{"", false}, {" ", true}, {"    ", true}, {"0001", true}};
    for (const auto& caso : casos) {
        CZTKelvoAppInfo info;
        info.SetEmpresa(caso.codigo, 1);
        EXPECT_EQ(info.TemEmpresa(), caso.temEmpresa) << '"' << caso.codigo << '"';
    }
}

// The two-value selection keeps the session and the preselection; the three-value one (the
// command line's) sets both. Callers holding the profiler interface see the same values.
TEST(CZTKelvoAppInfo, SetEmpresaKeepsOrSetsSessionAndPreselection) {
    CZTKelvoAppInfo info;
    const IZTDF_Profiler& perfil = info;
    info.SetEmpresa("0001", 7, 5123);
    EXPECT_EQ(perfil.GetEmpresa(), "0001");
    EXPECT_EQ(perfil.GetFilial(), 7);
    EXPECT_EQ(perfil.GetNumeroSecao(), 5123);
    EXPECT_TRUE(info.GetEmpresaPreSelecionada());

    info.SetEmpresa("0002", 3);
    EXPECT_EQ(perfil.GetEmpresa(), "0002");
    EXPECT_EQ(perfil.GetFilial(), 3);
    EXPECT_EQ(perfil.GetNumeroSecao(), 5123);
    EXPECT_TRUE(info.GetEmpresaPreSelecionada());

    CZTKelvoAppInfo escolhida;
    escolhida.SetEmpresa("0003", 1);
    escolhida.SetNumeroSecao(-2);
    EXPECT_FALSE(escolhida.GetEmpresaPreSelecionada());
    EXPECT_EQ(escolhida.GetNumeroSecao(), -2);
}

// The block is copied in whole, and its readers look at offset 4 (little-endian) and byte 30.
TEST(CZTKelvoAppInfo, SystemsBlockIsCopiedAndReadByOffset) {
    const struct {
        std::uint8_t byte30;
        bool ehS;
    } casos[] = {{'S', true}, {'s', true}, {'N', false}, {0, false}};
    for (const auto& caso : casos) {
        TIPOS_SISTEMAS tipos{};
        for (std::size_t i = 0; i < sizeof tipos.bytes; ++i) tipos.bytes[i] = static_cast<std::uint8_t>(i + 1);
        tipos.bytes[4] = 0x34;
        tipos.bytes[5] = 0x12;
        tipos.bytes[30] = caso.byte30;
        CZTKelvoAppInfo info;
        info.SetTiposSistemas(tipos);
        tipos.bytes[63] = 0;  // a copy: later changes of the caller's block stay outside
        EXPECT_EQ(info.GetValorTiposSistemas(), 0x1234);
        EXPECT_EQ(info.IsByte30TiposSistemasS(), caso.ehS) << int{caso.byte30};
        EXPECT_EQ(info.GetTiposSistemas().bytes[63], 64);
        EXPECT_EQ(info.GetPtrTiposSistemas()->bytes[0], 1);
    }
}

}  // namespace
