// The processes of origin keys: the module table's edges and agreement with the module names,
// and the grouping of processes.
#include "outside/pendora/qd_processo_ztdmc.h"
#include "util/key/zt_dmc.h"
#include "util/key/zt_nome_modulo_origem.h"

#include <gtest/gtest.h>

#include <string>

namespace {

REG_ZTDMC Chave(std::uint32_t modulo) { return REG_ZTDMC{ZTDMCMonta(5, modulo, 1997, ZT_DMC_TIPO_MES)}; }

// Guards the table's rows against the modules they stand for: a row shifted by one would give
// another area's process.
TEST(QDGetProcessoFromZTDMC, ModulesGiveTheirProcess) {
    struct Caso {
        std::uint32_t modulo;
        QD_E_PROCESSO processo;
    };
    const Caso casos[] = {
        {0, QD_PROCESSO_COUNT},          {1, QD_PROCESSO_CN_LAN},         {4, QD_PROCESSO_FN_CRE_LANC},
        {5, QD_PROCESSO_FN_CRE_BX},      {6, QD_PROCESSO_FN_CPA_LANC},    {8, QD_PROCESSO_FN_TES},
        {10, QD_PROCESSO_FT_NF},         {13, QD_PROCESSO_CM_RE},         {15, QD_PROCESSO_CM_OC},
        {36, QD_PROCESSO_PP_OP},         {58, QD_PROCESSO_CQ_ART},        {62, QD_PROCESSO_MT_SVT},
        {66, QD_PROCESSO_COUNT},         {67, QD_PROCESSO_COUNT},         {0xFFF, QD_PROCESSO_COUNT},
    };
    for (const Caso& c : casos) EXPECT_EQ(QDGetProcessoFromZTDMC(Chave(c.modulo)), c.processo) << c.modulo;
    // Only the module decides: key, period and kind do not.
    EXPECT_EQ(QDGetProcessoFromZTDMC(REG_ZTDMC{ZTDMCMonta(0xFFFFFFFFu, 10, 0x3FFFF, 3)}), QD_PROCESSO_FT_NF);
}

// Guards the agreement between the two tables: a module with a process is one with a name, and
// every process it gives lies inside the enumeration.
TEST(QDGetProcessoFromZTDMC, EveryNamedModuleHasAKnownProcessOrNone) {
    for (std::uint32_t modulo = 1; modulo <= ZT_QTD_MODULOS_ORIGEM; ++modulo) {
        const QD_E_PROCESSO processo = QDGetProcessoFromZTDMC(Chave(modulo));
        EXPECT_GE(processo, QD_PROCESSO_CN_LAN) << modulo;
        EXPECT_LE(processo, QD_PROCESSO_COUNT) << modulo;
        EXPECT_FALSE(std::string(ZTGetNomeModuloOrigem(modulo)).empty()) << modulo;
    }
}

// Guards the grouping: settlements under their titles, the incoming protocol under the outgoing
// one, everything else itself, and values outside the enumeration as "no process".
TEST(QDSimplifyProcesso, GroupsProcesses) {
    EXPECT_EQ(QDSimplifyProcesso(QD_PROCESSO_FN_CRE_BX), QD_PROCESSO_FN_CRE_LANC);
    EXPECT_EQ(QDSimplifyProcesso(QD_PROCESSO_FN_CPA_BX), QD_PROCESSO_FN_CPA_LANC);
    EXPECT_EQ(QDSimplifyProcesso(QD_PROCESSO_GE_PROT_ENTRADA), QD_PROCESSO_GE_PROT_SAIDA);
    for (int p = 0; p < QD_PROCESSO_COUNT; ++p) {
        const auto processo = static_cast<QD_E_PROCESSO>(p);
        if (processo == QD_PROCESSO_FN_CRE_BX || processo == QD_PROCESSO_FN_CPA_BX ||
            processo == QD_PROCESSO_GE_PROT_ENTRADA) {
            continue;
        }
        EXPECT_EQ(QDSimplifyProcesso(processo), processo) << p;
        // A group's process is its own group.
        EXPECT_EQ(QDSimplifyProcesso(QDSimplifyProcesso(processo)), QDSimplifyProcesso(processo)) << p;
    }
    EXPECT_EQ(QDSimplifyProcesso(QD_PROCESSO_COUNT), QD_PROCESSO_COUNT);
    EXPECT_EQ(QDSimplifyProcesso(static_cast<QD_E_PROCESSO>(-1)), QD_PROCESSO_COUNT);
    EXPECT_EQ(QDSimplifyProcesso(static_cast<QD_E_PROCESSO>(1000)), QD_PROCESSO_COUNT);
}

}  // namespace
