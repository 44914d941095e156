// How the document search compares one field value of a document with a field condition of the
// filter: the value lies between the condition's lower and upper values, read as the field's
// data type holds them (outside/pendora/qd_campo_tipo_dado.h, qd_campo_valor.h).
//
//   text (0)            the lower value's words (CQDTokenMngr) found in the document's text;
//                       their hits are the score
//   date (1)            the days the stored short values mean (util/time/short_date.h):
//                       lower <= value <= upper, so days after 4 June 2027 follow earlier ones
//   month, time         unsigned 16-bit: lower <= value <= upper
//   money (3)           64-bit: neither below lower nor above upper
//   number (4)          by sub-type: code and number unsigned 32-bit, the counts signed 32-bit,
//                       branch and the kept sub-types 6 to 8 unsigned 16-bit; any other matches
//   anything else       matches (an unknown field id included)
//
// Every match but the text one is worth 1 point. Values are read within their 60 bytes, never
// past them. Pure apart from the word filter's own state; one thread at a time.
#pragma once

#include "outside/pendora/qd_campo_valor.h"
#include "server/idl/enumerations.h"

class CQDTokenMngr;

// Whether the document's `valor` of field `id` lies between `inferior` and `superior`; adds the
// points of a match to `pontos`. `texto` is the word filter of `inferior` for a text field (null
// elsewhere; a text field without one matches nothing).
[[nodiscard]] bool QDComparaValorCampo(QD_E_CAMPO_DOC id, const QD_VALOR_CAMPO& valor, const QD_VALOR_CAMPO& inferior,
                                       const QD_VALOR_CAMPO& superior, CQDTokenMngr* texto, int& pontos);
