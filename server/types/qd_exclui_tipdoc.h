// Deleting a document type: the body of IZTQD_Srv::ExcluiTipDoc.
//
// Marks the type deleted (its record and lists stay) unless it is a group or a live document has
// it. Holds QDTPD.DAT in mode 'G' from the read to the write and scans QDDOC.DAT in mode 'L', so
// no other process changes the type meanwhile. The server's thread.
#pragma once

#include "platform/hresult.h"

#include <cstdint>

class IQDArqBind;
class IZTQD_Srv;

// Deletes the type at `lPosTipDoc` and logs QD_OP_LOG_TIPDOC_EXCLUSAO (the record with its deleted
// flag, no items) through `srv`: the log write's result. QD_S_TIPDOC_MANTIDO (a success status)
// with nothing changed for a group or a type that a document not deleted has; 0x80040000 | the
// record-file code, 16021 for a position 0 or past the end.
[[nodiscard]] platform::HRESULT QDExcluiTipDoc(IQDArqBind& bind, IZTQD_Srv& srv, std::uint32_t lPosTipDoc);
