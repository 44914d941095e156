// The one-line text of a document for the operations log (the member text of CQDDoc that the
// log report shows), and the marks in it that the report replaces.
//
// "Rótulo: valor; " pieces in Windows-1252: position, type (a mark), location, location number,
// version, branch, original file name, issue and validity dates, web access, not digital, user
// codes, link origins (keys formatted with the account plan) and description. The validity date
// is read as a day count from 1950 (qd_validade_doc.h); entries logged before the document file
// was rebuilt onto that scale hold a short day number there, and nothing tells the two apart, so
// those show a wrong date. Stateless; one thread per account-plan connection.
#pragma once

#include "outside/conexo/conexao_plano.h"
#include "outside/pendora/qd_doc.h"
#include "util/text/zt_string.h"

// Marks the report replaces: the document's type (by its code and name as it was then) and a part
// that the log does not carry (by "EM DESENVOLVIMENTO").
inline constexpr char QD_MARCA_TIPDOC_DOC_LOG = '\x01';
inline constexpr char QD_MARCA_EM_DESENVOLVIMENTO = '\x02';

// The log text of `doc`. Its type is one QD_MARCA_TIPDOC_DOC_LOG; a description not read (null)
// is one QD_MARCA_EM_DESENVOLVIMENTO; the record's own texts never hold a mark.
[[nodiscard]] CZTString QDDocToStringLog(const CQDDoc& doc, CConexaoPlano& plano);
