// The routines object keeps what the start-up gives it, and the default access it hands on
// outlives the object it came from.
#include "outside/linkora/zt_base_para_rotinas.h"

#include <gtest/gtest.h>

#include <memory>

// A second company replaces the first one's values; the default is a copy, still there after the
// document's routines object is deleted, and a null default clears it.
TEST(CZTBaseParaRotinas, KeepsWhatItGetsAndTheDefaultIsACopy) {
    auto rotinas = std::make_unique<CZTBaseParaRotinas>();
    EXPECT_TRUE(rotinas->Inicializa("EMP1", 3, 77));
    EXPECT_TRUE(rotinas->Inicializa("DEMO", 1, 5123));
    rotinas->ResetBuffer();
    const ZT_ACESSO_SERVIDORES* acesso = rotinas->GetAcessoServidores();
    ASSERT_NE(acesso, nullptr);
    EXPECT_EQ(acesso->strEmpresa, "DEMO");
    EXPECT_EQ(acesso->iFilial, 1);
    EXPECT_EQ(acesso->lNumeroSecao, 5123);

    CZTBaseParaRotinas::SetAcessoServidoresDefault(rotinas->GetAcessoServidores());
    rotinas.reset();
    const ZT_ACESSO_SERVIDORES* padrao = CZTBaseParaRotinas::GetAcessoServidoresDefault();
    ASSERT_NE(padrao, nullptr);
    EXPECT_EQ(padrao->strEmpresa, "DEMO");
    EXPECT_EQ(padrao->lNumeroSecao, 5123);

    CZTBaseParaRotinas::SetAcessoServidoresDefault(nullptr);
    EXPECT_EQ(CZTBaseParaRotinas::GetAcessoServidoresDefault(), nullptr);
}
