#include "server/reports/qd_relatorio_log_filtro.h"

#include "outside/pendora/qd_rel_flags.h"
#include "outside/pendora/qd_tipo_log.h"
#include "util/date/date_time_value.h"
#include "util/date/day_number.h"
#include "util/time/short_date.h"

namespace {

// Bit numbers of the request's flags.
constexpr int kBitInclusao = 0;
constexpr int kBitExclusao = 1;
constexpr int kBitAlteracao = 2;
constexpr int kBitConsulta = 3;
constexpr int kBitDocumentos = 4;
constexpr int kBitLocais = 5;
constexpr int kBitTipos = 6;
constexpr int kBitConsultaLocal = 7;
constexpr int kBitConsultaWeb = 8;
constexpr int kBitPropriedades = 9;

// The bit that selects the operation; -1 for one outside the enumeration.
int BitDaOperacao(QD_E_OPERACAO_LOG eOperacao) {
    switch (eOperacao) {
        case QD_OP_LOG_TIPDOC_INCLUSAO:
        case QD_OP_LOG_DOC_INCLUSAO:
        case QD_OP_LOG_LOCARQ_INCLUSAO:
            return kBitInclusao;
        case QD_OP_LOG_TIPDOC_EXCLUSAO:
        case QD_OP_LOG_DOC_EXCLUSAO:
            return kBitExclusao;
        case QD_OP_LOG_TIPDOC_ALTERACAO_DE:
        case QD_OP_LOG_TIPDOC_ALTERACAO_PARA:
        case QD_OP_LOG_DOC_ALTERACAO_DE:
        case QD_OP_LOG_DOC_ALTERACAO_PARA:
        case QD_OP_LOG_LOCARQ_ALTERACAO_DE:
        case QD_OP_LOG_LOCARQ_ALTERACAO_PARA:
        case QD_OP_LOG_PROP_ALTERACAO_DE:
        case QD_OP_LOG_PROP_ALTERACAO_PARA:
            return kBitAlteracao;
        case QD_OP_LOG_DOC_VISUALIZAR_WEB:
        case QD_OP_LOG_DOC_VISUALIZAR_LOCAL:
            return kBitConsulta;
    }
    return -1;
}

bool TipoSelecionado(const CQDRelFlags& flags, QD_E_OPERACAO_LOG eOperacao) {
    switch (QDGetTypeFromLog(eOperacao)) {
        case QD_TIPO_REGISTRO_LOG_DOC:
            return flags.GetState(kBitDocumentos);
        case QD_TIPO_REGISTRO_LOG_LOCARQ:
            return flags.GetState(kBitLocais);
        case QD_TIPO_REGISTRO_LOG_TIPDOC:
            return flags.GetState(kBitTipos);
        case QD_TIPO_REGISTRO_LOG_PROPRIEDADES:
            return flags.GetState(kBitPropriedades);
        case QD_TIPO_REGISTRO_LOG_VISUALIZACAO:
            return true;
        case QD_TIPO_REGISTRO_LOG_DESCONHECIDO:
            break;
    }
    return false;
}

bool CanalSelecionado(const CQDRelFlags& flags, QD_E_OPERACAO_LOG eOperacao) {
    if (eOperacao == QD_OP_LOG_DOC_VISUALIZAR_WEB) return flags.GetState(kBitConsultaWeb);
    if (eOperacao == QD_OP_LOG_DOC_VISUALIZAR_LOCAL) return flags.GetState(kBitConsultaLocal);
    return true;
}

}  // namespace

std::uint32_t QDRelLogDia(std::uint32_t dataGravacaoLog) {
    int dia = 0, mes = 0, ano = 0;
    if (!ZTDataLocalDeTimeT(dataGravacaoLog, dia, mes, ano)) return 0;
    // The full year: read back through a two-digit year, a day from 2028 on would fall a century
    // early and leave every period.
    return ZTCalculaDiaNumero(dia, mes, ano);
}

bool QDRelLogSelecionada(const QD_RELATORIO_PS& rel, const QD_LOG_PS& log) {
    if (rel.iShort3 != 0 && rel.iShort3 != log.iUsuario) return false;
    if (rel.iShort1 != 0 && rel.iShort2 != 0) {
        const std::uint32_t dia = QDRelLogDia(log.dataGravacaoLog);
        if (dia < ZTDataCurtaParaDiaNumero(rel.iShort1) || dia > ZTDataCurtaParaDiaNumero(rel.iShort2)) return false;
    }
    const CQDRelFlags flags(rel.flags);
    const int bit = BitDaOperacao(log.eOperacao);
    if (bit < 0 || !flags.GetState(bit)) return false;
    return TipoSelecionado(flags, log.eOperacao) && CanalSelecionado(flags, log.eOperacao);
}
