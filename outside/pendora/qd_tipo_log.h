// What an operations-log entry is about and what was done, as the log report shows them: the
// record kind of an operation (QDGetTypeFromLog) and its texts. Stateless; any thread.
#pragma once

#include "server/idl/enumerations.h"

// The kind of record an operation of the log concerns.
enum QD_E_TIPO_REGISTRO_LOG : int {
    QD_TIPO_REGISTRO_LOG_TIPDOC = 0,       // a document type
    QD_TIPO_REGISTRO_LOG_DOC = 1,          // a document
    QD_TIPO_REGISTRO_LOG_LOCARQ = 2,       // an archive location
    QD_TIPO_REGISTRO_LOG_VISUALIZACAO = 3, // a viewing of a document
    QD_TIPO_REGISTRO_LOG_PROPRIEDADES = 4, // the properties
    QD_TIPO_REGISTRO_LOG_DESCONHECIDO = -1 // an operation outside the enumeration
};

// The record kind of `eOperacao`.
[[nodiscard]] QD_E_TIPO_REGISTRO_LOG QDGetTypeFromLog(QD_E_OPERACAO_LOG eOperacao);
// The text of the record kind of `eOperacao` (Windows-1252, valid until the program ends); "" for
// an operation outside the enumeration.
[[nodiscard]] const char* QDGetTipoRegistroFromLog(QD_E_OPERACAO_LOG eOperacao);
// The text of what `eOperacao` did: inclusion, change (before or after), exclusion or viewing
// (Windows-1252, valid until the program ends); "" for an operation outside the enumeration.
[[nodiscard]] const char* QDGetTipoServicoFromLog(QD_E_OPERACAO_LOG eOperacao);
