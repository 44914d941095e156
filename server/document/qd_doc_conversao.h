// Conversions between a stored document (QD_DOC_ARQ) and the interface record QD_DOC_PS.
//
// To the client: the flags, type, location, version links, location number and version, both
// times, the two counts, the dates, the branch, the original file name and both user codes;
// every other field of QD_DOC_PS is zero. From the client: the flags, type, location, location
// number, version, the dates, the branch and the file name only; the version links, times, runs,
// description place and user codes are the server's and stay as stored. The two counts and the
// description length are not taken here either: a write takes each of them only with the part it
// writes, so a part left out keeps its stored run. Texts are cut to their field with a
// terminating NUL. Pure; safe from any thread on distinct records.
#pragma once

#include "server/document/qd_doc_arq.h"
#include "server/idl/records.h"

#include <string_view>

// Fills `ps` from `arq`: every field the record carries, zero for the rest (pointers included).
void QDDocParaPS(const QD_DOC_ARQ& arq, QD_DOC_PS& ps);

// Puts the client's fields of `ps` into `arq` (see above for what stays).
void QDDocDePS(const QD_DOC_PS& ps, QD_DOC_ARQ& arq);

// The original file name of a stored record, up to its NUL or its field's end.
[[nodiscard]] std::string_view QDNomeOriginalDoc(const QD_DOC_ARQ& arq);
