#include "outside/pendora/qd_campo_tipo_dado.h"

#include <array>
#include <cstddef>

namespace {

struct TipoCampo {
    QD_E_CAMPO_DOC id;
    QD_E_TIPO_DADO_CAMPO tipo;
    int subtipo;
};

constexpr int kCamposPorBloco = 6;
constexpr int kPrimeiroCampoProcesso = QD_CAMPO_CLIFOR_CODIGO;

constexpr TipoCampo Texto(QD_E_CAMPO_DOC id) { return {id, QD_TIPO_DADO_TEXTO, QD_SUBTIPO_NENHUM}; }
constexpr TipoCampo Data(QD_E_CAMPO_DOC id) { return {id, QD_TIPO_DADO_DATA, QD_SUBTIPO_NENHUM}; }
constexpr TipoCampo MesAno(QD_E_CAMPO_DOC id) { return {id, QD_TIPO_DADO_MES_ANO, QD_SUBTIPO_NENHUM}; }
constexpr TipoCampo Hora(QD_E_CAMPO_DOC id) { return {id, QD_TIPO_DADO_HORA, QD_SUBTIPO_NENHUM}; }
constexpr TipoCampo Moeda(QD_E_CAMPO_DOC id, int casas = QD_CASAS_MOEDA) { return {id, QD_TIPO_DADO_MOEDA, casas}; }
constexpr TipoCampo Numero(QD_E_CAMPO_DOC id, QD_E_SUBTIPO_DADO_CAMPO subtipo) {
    return {id, QD_TIPO_DADO_NUMERICO, subtipo};
}
constexpr TipoCampo Codigo(QD_E_CAMPO_DOC id) { return Numero(id, QD_SUBTIPO_CODIGO); }
constexpr TipoCampo NumeroDoc(QD_E_CAMPO_DOC id) { return Numero(id, QD_SUBTIPO_NUMERO); }
constexpr TipoCampo Filial(QD_E_CAMPO_DOC id) { return Numero(id, QD_SUBTIPO_FILIAL); }

// The free fields: one row per block, each standing for its six fields.
constexpr TipoCampo kBlocosLivres[] = {
    Data(QD_CAMPO_LIVRE_DMA_0),
    MesAno(QD_CAMPO_LIVRE_MA_0),
    Texto(QD_CAMPO_LIVRE_TEXTO_0),
    Numero(QD_CAMPO_LIVRE_V0_0, QD_SUBTIPO_INTEIRO),
    Numero(QD_CAMPO_LIVRE_V2_0, QD_SUBTIPO_CENTESIMOS),
    Numero(QD_CAMPO_LIVRE_V4_0, QD_SUBTIPO_DECIMILESIMOS),
    Moeda(QD_CAMPO_LIVRE_V8_0, QD_CASAS_V8),
};

// The process fields in enumeration order, typed by their names: DATA/DT/EMISSA dates, HORA a
// time, VALOR money, NUM/NUMERO/NRO numbers, CODIGO/COD codes, FILIAL branches, the rest text.
// Bar codes, invoice keys and bank slip numbers ("nosso número") run past 32 bits: text.
constexpr TipoCampo kCamposProcesso[] = {
    Codigo(QD_CAMPO_CLIFOR_CODIGO),
    NumeroDoc(QD_CAMPO_NUM_NF),
    Moeda(QD_CAMPO_VALOR_NF),
    Filial(QD_CAMPO_FILIAL),
    Data(QD_CAMPO_FN_DATA_VENCIMENTO),
    Data(QD_CAMPO_FN_DATA_EMISSAO),
    Data(QD_CAMPO_DATA_ENT_SAI),
    NumeroDoc(QD_CAMPO_FN_NUM_DOC),
    Texto(QD_CAMPO_FN_DOCUMENTO),
    Moeda(QD_CAMPO_FN_VALOR_TITULO),
    Texto(QD_CAMPO_FN_HISTORICO),
    Filial(QD_CAMPO_FN_FILIAL),
    Texto(QD_CAMPO_FN_CONTA_BANCO),
    Texto(QD_CAMPO_FN_FORMA_PAGTO),
    NumeroDoc(QD_CAMPO_FN_NUMERO_CHEQUE),
    Data(QD_CAMPO_FN_DATA_BAIXA),
    Texto(QD_CAMPO_FN_DISPONIBILIDADE),
    Moeda(QD_CAMPO_FN_VALOR_BAIXADO),
    Moeda(QD_CAMPO_FN_VALOR_RECEBIDO),
    NumeroDoc(QD_CAMPO_FN_NUM_RECIBO),
    Texto(QD_CAMPO_CFOP),
    Texto(QD_CAMPO_SIT_SERVICO),
    Texto(QD_CAMPO_TRANSPORTADORA),
    Moeda(QD_CAMPO_VALOR_PROD),
    Moeda(QD_CAMPO_VALOR_SERV),
    Texto(QD_CAMPO_FT_VENDEDOR),
    Texto(QD_CAMPO_FT_REPRESENTANTE),
    Texto(QD_CAMPO_GE_DESTINATARIO),
    Texto(QD_CAMPO_GE_AOS_CUIDADOS_DE),
    Texto(QD_CAMPO_GE_ENTREGUE_PARA),
    Data(QD_CAMPO_GE_DATA_ENTREGA),
    Hora(QD_CAMPO_GE_HORA_ENTREGA),
    Texto(QD_CAMPO_GE_PREPARADOR),
    Texto(QD_CAMPO_GE_CONFERENTE),
    Texto(QD_CAMPO_GE_ENTREGADOR),
    Texto(QD_CAMPO_GE_CLIENTE_CONTRATO),
    NumeroDoc(QD_CAMPO_GE_NUM_CONTRATO),
    Codigo(QD_CAMPO_GE_COD_CONTRATO),
    Texto(QD_CAMPO_GE_DESCRICAO),
    Texto(QD_CAMPO_GE_CLIENTE_AT_TEC),
    NumeroDoc(QD_CAMPO_GE_NUM_AT_TEC),
    Data(QD_CAMPO_GE_DT_EMISSAO_AT_TEC),
    Texto(QD_CAMPO_GE_CLIENTE_PROTC_ENT),
    Texto(QD_CAMPO_GE_PORTADOR_PROTC_ENT),
    Texto(QD_CAMPO_GE_ENTREGAR_PARA_PROTC_ENT),
    Texto(QD_CAMPO_GE_RECEBIDO_POR_PROTC_ENT),
    Texto(QD_CAMPO_GE_CLIENTE_AST),
    Texto(QD_CAMPO_GE_EQUIPAMENTO_AST),
    Texto(QD_CAMPO_FN_CRE_NOSSO_NUMERO),
    Texto(QD_CAMPO_FN_CPA_CODIGO_BARRAS),
    Texto(QD_CAMPO_FT_NF_CHAVE_NF),
    NumeroDoc(QD_CAMPO_FT_PD_NUM_PEDIDO),
    Codigo(QD_CAMPO_FT_PD_COD_PEDIDO),
    Moeda(QD_CAMPO_FT_PD_VALOR_PEDIDO),
    Codigo(QD_CAMPO_CM_RE_CODIGO),
    Codigo(QD_CAMPO_CM_CT_CODIGO),
    NumeroDoc(QD_CAMPO_CM_CT_NUMERO_FATURA),
    Texto(QD_CAMPO_FN_TES_CONTA_ENTRADA),
    Texto(QD_CAMPO_FN_TES_CONTA_SAIDA),
    Codigo(QD_CAMPO_CM_GC_CODIGO_CONTRATO),
    NumeroDoc(QD_CAMPO_CM_GC_NUMERO_CONTRATO),
    Texto(QD_CAMPO_CM_GC_REFERENCIA),
    Codigo(QD_CAMPO_ES_Glomet_CODIGO_RI),
    NumeroDoc(QD_CAMPO_ES_Glomet_NUMERO_RI),
    Codigo(QD_CAMPO_CM_CP_CODIGO),
    NumeroDoc(QD_CAMPO_CM_CP_NUMERO),
    Texto(QD_CAMPO_Tovren_CHAVE),
    Codigo(QD_CAMPO_Tovren_CODIGO),
    Texto(QD_CAMPO_Tovren_EMITENTE),
    Texto(QD_CAMPO_Tovren_DESTINATARIO),
    NumeroDoc(QD_CAMPO_CM_OC_NUMERO),
    Codigo(QD_CAMPO_CM_OC_CODIGO),
    Data(QD_CAMPO_CM_OC_EMISSA),
    Texto(QD_CAMPO_CM_OC_FORNEC),
    Texto(QD_CAMPO_CM_OC_COMPRA),
    Texto(QD_CAMPO_MT_CFOP),
    Texto(QD_CAMPO_MT_DOCUMENTO),
    Texto(QD_CAMPO_MT_SERIE),
    NumeroDoc(QD_CAMPO_MT_NRO_NOTA),
    Data(QD_CAMPO_MT_DATA_ENT),
    Data(QD_CAMPO_MT_DATA_EMI),
    Moeda(QD_CAMPO_MT_VALOR_TOTAL),
};

static_assert(std::size(kBlocosLivres) * kCamposPorBloco == kPrimeiroCampoProcesso,
              "one row per block of free fields");
static_assert(kPrimeiroCampoProcesso + std::size(kCamposProcesso) == QD_CAMPO_COUNT,
              "one row per process field");

// Every field's row, its index being its identifier.
constexpr std::array<TipoCampo, QD_CAMPO_COUNT> MontaTabela() {
    std::array<TipoCampo, QD_CAMPO_COUNT> tabela{};
    for (size_t b = 0; b < std::size(kBlocosLivres); ++b) {
        for (int k = 0; k < kCamposPorBloco; ++k) {
            TipoCampo linha = kBlocosLivres[b];
            linha.id = static_cast<QD_E_CAMPO_DOC>(linha.id + k);
            tabela[static_cast<size_t>(linha.id)] = linha;
        }
    }
    for (size_t i = 0; i < std::size(kCamposProcesso); ++i) {
        tabela[static_cast<size_t>(kPrimeiroCampoProcesso) + i] = kCamposProcesso[i];
    }
    return tabela;
}

constexpr std::array<TipoCampo, QD_CAMPO_COUNT> kTabela = MontaTabela();

// A row out of place would give a field another's type: each identifier must sit at its index.
constexpr bool CadaLinhaNoSeuLugar() {
    for (size_t i = 0; i < kTabela.size(); ++i) {
        if (static_cast<size_t>(kTabela[i].id) != i) return false;
    }
    return true;
}
static_assert(CadaLinhaNoSeuLugar(), "a field row is out of the enumeration's order");

const TipoCampo* Linha(QD_E_CAMPO_DOC id) {
    if (id < 0 || id >= QD_CAMPO_COUNT) return nullptr;
    return &kTabela[static_cast<size_t>(id)];
}

}  // namespace

QD_E_TIPO_DADO_CAMPO QDGetCampoDataType(QD_E_CAMPO_DOC id) {
    const TipoCampo* linha = Linha(id);
    return linha ? linha->tipo : QD_TIPO_DADO_DESCONHECIDO;
}

int QDGetSpecificDataType(QD_E_CAMPO_DOC id) {
    const TipoCampo* linha = Linha(id);
    return linha ? linha->subtipo : QD_SUBTIPO_NENHUM;
}
