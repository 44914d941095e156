#include "outside/pendora/qd_nome_processo.h"

#include "outside/pendora/qd_tabela_textos.h"

#include <iterator>

namespace {

using Linha = pendora::detail::LinhaTexto<QD_E_PROCESSO>;

// The module of each process comes first (CN accounting, GE business management, FN finance,
// DF tax, FT invoicing, CM purchasing, ES stock, PP production, CQ quality, MT materials); an
// abbreviation the members do not spell out stays as it is.
constexpr Linha kNomes[] = {
    {QD_PROCESSO_CN_LAN, "Contabilidade - Lançamento"},
    {QD_PROCESSO_GE_PROT_SAIDA, "Gestão - Protocolo de Saída"},
    {QD_PROCESSO_FN_CRE_LANC, "Contas a Receber - Lançamento"},
    {QD_PROCESSO_FN_CRE_BX, "Contas a Receber - Baixa"},
    {QD_PROCESSO_DF_ZTREL, "Fiscal - ZTREL"},
    {QD_PROCESSO_DF_Brusko, "Fiscal - Brusko"},
    {QD_PROCESSO_DF_Frenal, "Fiscal - Frenal"},
    {QD_PROCESSO_FN_CPA_LANC, "Contas a Pagar - Lançamento"},
    {QD_PROCESSO_FN_CPA_BX, "Contas a Pagar - Baixa"},
    {QD_PROCESSO_FT_NF, "Faturamento - Nota Fiscal"},
    {QD_PROCESSO_FT_PD, "Faturamento - Pedido"},
    {QD_PROCESSO_CM_RE, "Compras - Recebimento"},
    {QD_PROCESSO_CM_CT, "Compras - Conhecimento de Transporte"},
    {QD_PROCESSO_FN_TES, "Financeiro - Tesouraria"},
    {QD_PROCESSO_DF_CFRT, "Fiscal - Conhecimento de Frete"},
    {QD_PROCESSO_GE_CONTRATOS, "Gestão - Contratos"},
    {QD_PROCESSO_GE_AT_TEC, "Gestão - Atendimento Técnico"},
    {QD_PROCESSO_GE_PROT_ENTRADA, "Gestão - Protocolo de Entrada"},
    {QD_PROCESSO_GE_AST, "Gestão - Assistência Técnica"},
    {QD_PROCESSO_CM_GC, "Compras - Gestão de Contratos"},
    {QD_PROCESSO_ES_Glomet, "Estoque - Glomet"},
    {QD_PROCESSO_CM_CP, "Compras - Cotação de Preços"},
    {QD_PROCESSO_Tovren, "Tovren"},
    {QD_PROCESSO_CM_OC, "Compras - Ordem de Compra"},
    {QD_PROCESSO_PP_RECURSO, "Produção - Recurso"},
    {QD_PROCESSO_PP_OP, "Produção - Ordem de Produção"},
    {QD_PROCESSO_FT_OR, "Faturamento - Orçamento"},
    {QD_PROCESSO_CQ_RG, "Qualidade - RG"},
    {QD_PROCESSO_PP_OMP, "Produção - Ordem de Manutenção"},
    {QD_PROCESSO_CQ_MET, "Qualidade - Metrologia"},
    {QD_PROCESSO_CQ_CTRL, "Qualidade - Controle"},
    {QD_PROCESSO_CQ_RTC, "Qualidade - RTC"},
    {QD_PROCESSO_PP_PLANO_MANUT, "Produção - Plano de Manutenção"},
    {QD_PROCESSO_CQ_ACT, "Qualidade - ACT"},
    {QD_PROCESSO_CQ_AAC, "Qualidade - AAC"},
    {QD_PROCESSO_CQ_APA, "Qualidade - APA"},
    {QD_PROCESSO_CQ_ROT, "Qualidade - Roteiro"},
    {QD_PROCESSO_CQ_OBJ, "Qualidade - Objetivo"},
    {QD_PROCESSO_CQ_DOC, "Qualidade - Documento"},
    {QD_PROCESSO_MT_ENT, "Materiais - Entrada"},
    {QD_PROCESSO_MT_SAI, "Materiais - Saída"},
    {QD_PROCESSO_MT_SVP, "Materiais - Serviço Prestado"},
    {QD_PROCESSO_MT_SVT, "Materiais - Serviço Tomado"},
    {QD_PROCESSO_CQ_TPA, "Qualidade - TPA"},
    {QD_PROCESSO_CQ_ATR, "Qualidade - ATR"},
    {QD_PROCESSO_CQ_REQ, "Qualidade - Requisito"},
    {QD_PROCESSO_CQ_TPC, "Qualidade - TPC"},
    {QD_PROCESSO_CQ_PRV, "Qualidade - Ação Preventiva"},
    {QD_PROCESSO_CQ_NCO, "Qualidade - Não Conformidade"},
    {QD_PROCESSO_CQ_ACO, "Qualidade - Ação Corretiva"},
    {QD_PROCESSO_CQ_ANC, "Qualidade - Análise de Não Conformidade"},
    {QD_PROCESSO_CQ_ART, "Qualidade - ART"},
};
static_assert(std::size(kNomes) == QD_PROCESSO_COUNT, "one row per process");
static_assert(pendora::detail::IndexadaPeloValor(kNomes), "rows out of the enumeration's order");

}  // namespace

const char* QDGetNomeProcesso(QD_E_PROCESSO eProc) {
    static const pendora::detail::TabelaTextos tabela(kNomes);
    return tabela[eProc];
}
