#include "outside/pendora/qd_tipo_log.h"

#include <array>

namespace {

struct TextosOperacao {
    QD_E_TIPO_REGISTRO_LOG eTipo;
    const char* szServico;
};

// Indexed by the operation's value; texts in Windows-1252.
constexpr std::array<TextosOperacao, 15> kOperacoes = {{
    {QD_TIPO_REGISTRO_LOG_TIPDOC, "Inclus\xE3o"},
    {QD_TIPO_REGISTRO_LOG_TIPDOC, "Altera\xE7\xE3o (anterior)"},
    {QD_TIPO_REGISTRO_LOG_TIPDOC, "Altera\xE7\xE3o (nova)"},
    {QD_TIPO_REGISTRO_LOG_TIPDOC, "Exclus\xE3o"},
    {QD_TIPO_REGISTRO_LOG_DOC, "Inclus\xE3o"},
    {QD_TIPO_REGISTRO_LOG_DOC, "Altera\xE7\xE3o (anterior)"},
    {QD_TIPO_REGISTRO_LOG_DOC, "Altera\xE7\xE3o (nova)"},
    {QD_TIPO_REGISTRO_LOG_DOC, "Exclus\xE3o"},
    {QD_TIPO_REGISTRO_LOG_VISUALIZACAO, "Consulta"},
    {QD_TIPO_REGISTRO_LOG_VISUALIZACAO, "Consulta"},
    {QD_TIPO_REGISTRO_LOG_LOCARQ, "Inclus\xE3o"},
    {QD_TIPO_REGISTRO_LOG_LOCARQ, "Altera\xE7\xE3o (anterior)"},
    {QD_TIPO_REGISTRO_LOG_LOCARQ, "Altera\xE7\xE3o (nova)"},
    {QD_TIPO_REGISTRO_LOG_PROPRIEDADES, "Altera\xE7\xE3o (anterior)"},
    {QD_TIPO_REGISTRO_LOG_PROPRIEDADES, "Altera\xE7\xE3o (nova)"},
}};

// Indexed by the record kind.
constexpr std::array<const char*, 5> kRegistros = {{
    "Tipos de Documentos Digitais",
    "Registros de Documentos",
    "Locais de Arquivamento",
    "Consulta de Documentos",
    "Propriedades",
}};

bool Conhecida(QD_E_OPERACAO_LOG eOperacao) {
    return static_cast<int>(eOperacao) >= 0 && static_cast<std::size_t>(eOperacao) < kOperacoes.size();
}

}  // namespace

QD_E_TIPO_REGISTRO_LOG QDGetTypeFromLog(QD_E_OPERACAO_LOG eOperacao) {
    return Conhecida(eOperacao) ? kOperacoes[static_cast<std::size_t>(eOperacao)].eTipo : QD_TIPO_REGISTRO_LOG_DESCONHECIDO;
}

const char* QDGetTipoRegistroFromLog(QD_E_OPERACAO_LOG eOperacao) {
    const QD_E_TIPO_REGISTRO_LOG eTipo = QDGetTypeFromLog(eOperacao);
    return eTipo == QD_TIPO_REGISTRO_LOG_DESCONHECIDO ? "" : kRegistros[static_cast<std::size_t>(eTipo)];
}

const char* QDGetTipoServicoFromLog(QD_E_OPERACAO_LOG eOperacao) {
    return Conhecida(eOperacao) ? kOperacoes[static_cast<std::size_t>(eOperacao)].szServico : "";
}
