// Writing a document type: the body of IZTQD_Srv::GravaTipDoc.
//
// Holds QDTPD.DAT and the three list files in mode 'G' from the first read to the last write, so
// a writer of another process waits in the record-file layer's open retries. A list that grows
// moves to the end of its file; one that shrinks or keeps its size is rewritten in place. The
// change is logged through the session's own object. Not atomic across files: a failure leaves
// what was written before it. The server's thread.
#pragma once

#include "platform/hresult.h"
#include "server/idl/records.h"

#include <cstdint>

class IQDArqBind;
class IZTQD_Srv;

// Writes `ps` with its lists at *pPos (a change) or, when *pPos is 0, as a new type whose position
// comes back in *pPos as soon as its record is written. Logs QD_OP_LOG_TIPDOC_ALTERACAO_DE and
// _PARA (a change) or _INCLUSAO (an insert) in one batch, through `srv`. Results: the log write's;
// E_POINTER for a null pPos or a list count without its array; E_INVALIDARG for a list count no
// request could carry (nothing written); E_OUTOFMEMORY; 0x80040000 | the record-file code, 16021
// for a change of a position that does not exist (nothing written).
[[nodiscard]] platform::HRESULT QDGravaTipDoc(IQDArqBind& bind, IZTQD_Srv& srv, std::uint32_t* pPos,
                                              const QD_TIPDOC_PS& ps);
