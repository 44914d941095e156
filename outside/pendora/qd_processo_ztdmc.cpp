#include "outside/pendora/qd_processo_ztdmc.h"

#include "util/key/zt_dmc.h"

#include <iterator>

namespace {

// Row i is module i + 1 (the names of util/key/zt_nome_modulo_origem.cpp).
constexpr QD_E_PROCESSO kProcessoDoModulo[] = {
    QD_PROCESSO_CN_LAN,          QD_PROCESSO_CN_LAN,       QD_PROCESSO_CN_LAN,        // accounting
    QD_PROCESSO_FN_CRE_LANC,     QD_PROCESSO_FN_CRE_BX,                               // receivables
    QD_PROCESSO_FN_CPA_LANC,     QD_PROCESSO_FN_CPA_BX,                               // payables
    QD_PROCESSO_FN_TES,          QD_PROCESSO_FN_TES,                                  // treasury
    QD_PROCESSO_FT_NF,           QD_PROCESSO_FT_PD,        QD_PROCESSO_FT_OR,         // billing
    QD_PROCESSO_CM_RE,           QD_PROCESSO_CM_CT,        QD_PROCESSO_CM_OC,  QD_PROCESSO_CM_CP,  // purchasing
    QD_PROCESSO_ES_Glomet,       QD_PROCESSO_ES_Glomet,    QD_PROCESSO_ES_Glomet, QD_PROCESSO_ES_Glomet,  // stock
    QD_PROCESSO_DF_ZTREL,        QD_PROCESSO_DF_Brusko,                               // imports, batches
    QD_PROCESSO_DF_Frenal,       QD_PROCESSO_FN_TES,                                  // entries, reconciliation
    QD_PROCESSO_DF_Frenal,       QD_PROCESSO_DF_ZTREL,     QD_PROCESSO_DF_CFRT,       // tax books
    QD_PROCESSO_GE_CONTRATOS,    QD_PROCESSO_GE_AT_TEC,    QD_PROCESSO_GE_PROT_ENTRADA,
    QD_PROCESSO_GE_PROT_SAIDA,   QD_PROCESSO_GE_AST,                                  // management
    QD_PROCESSO_CM_GC,           QD_PROCESSO_Tovren,                                  // sales
    QD_PROCESSO_PP_RECURSO,      QD_PROCESSO_PP_OP,        QD_PROCESSO_PP_OMP, QD_PROCESSO_PP_PLANO_MANUT,  // production
    QD_PROCESSO_FT_OR,                                                                // service orders
    QD_PROCESSO_CQ_RG,  QD_PROCESSO_CQ_MET, QD_PROCESSO_CQ_CTRL, QD_PROCESSO_CQ_RTC, QD_PROCESSO_CQ_ACT,
    QD_PROCESSO_CQ_AAC, QD_PROCESSO_CQ_APA, QD_PROCESSO_CQ_ROT,  QD_PROCESSO_CQ_OBJ, QD_PROCESSO_CQ_DOC,
    QD_PROCESSO_CQ_TPA, QD_PROCESSO_CQ_ATR, QD_PROCESSO_CQ_REQ,  QD_PROCESSO_CQ_TPC, QD_PROCESSO_CQ_PRV,
    QD_PROCESSO_CQ_NCO, QD_PROCESSO_CQ_ACO, QD_PROCESSO_CQ_ANC,  QD_PROCESSO_CQ_ART,  // quality
    QD_PROCESSO_MT_ENT, QD_PROCESSO_MT_SAI, QD_PROCESSO_MT_SVP,  QD_PROCESSO_MT_SVT,  // maintenance
    QD_PROCESSO_COUNT,  QD_PROCESSO_COUNT,  QD_PROCESSO_COUNT,   QD_PROCESSO_COUNT,   // payroll, assets
};
static_assert(std::size(kProcessoDoModulo) == ZT_DMC_MODULO_MAXIMO, "one process per module");

}  // namespace

QD_E_PROCESSO QDGetProcessoFromZTDMC(const REG_ZTDMC& dmc) {
    const std::uint32_t modulo = ZTDMCGetModulo(dmc.lZTDMC);
    if (modulo == 0 || modulo > std::size(kProcessoDoModulo)) return QD_PROCESSO_COUNT;
    return kProcessoDoModulo[modulo - 1];
}

QD_E_PROCESSO QDSimplifyProcesso(QD_E_PROCESSO eProc) {
    switch (eProc) {
        case QD_PROCESSO_FN_CRE_BX: return QD_PROCESSO_FN_CRE_LANC;
        case QD_PROCESSO_FN_CPA_BX: return QD_PROCESSO_FN_CPA_LANC;
        case QD_PROCESSO_GE_PROT_ENTRADA: return QD_PROCESSO_GE_PROT_SAIDA;
        default: break;
    }
    if (eProc < 0 || eProc >= QD_PROCESSO_COUNT) return QD_PROCESSO_COUNT;
    return eProc;
}
