// Writing an archive location: the body of IZTQD_Srv::GravaLocArq.
//
// A new location gets as many available places as its maximum. A changed one gets its maximum
// less the documents it holds (qd_conta_docs_locarq.h), which may be negative. Its accepted types
// replace the stored list (a longer list moves to the end of QDLAQTPD.DAT). When a heading's code
// changes, every location under it (its code begins with the old code and a '.') is moved under
// the new code and rewritten as a change of its own, after this operation has closed its files.
// A change logs its before and after entries, an insert its inclusion entry, in one batch sent
// through the session's own object; each moved location sends its own batch.
//
// Opens QDLOCARQ.DAT and QDLAQTPD.DAT in 'G' (created when missing): no other writer, in this
// process or another, works on them meanwhile. The server's thread.
#pragma once

#include "platform/hresult.h"
#include "server/idl/records.h"

#include <cstdint>

class IQDArqBind;
class IZTQD_Srv;

// Writes `ps` at *pPos (0: inserts it and sets *pPos to the new position) with its accepted
// types, and logs it through `srv`. S_OK or the log write's result; E_POINTER for a null pPos;
// E_INVALIDARG, before anything is written, for a record QDVerificaLocArqPS refuses;
// 0x80040000 | the record-file code of the first failure (16021 for a position past the end).
// When moving the locations under a renamed heading fails, the heading stays written and
// logged and the failure is returned; locations moved before it stay moved.
[[nodiscard]] platform::HRESULT QDGravaLocArq(IQDArqBind& bind, IZTQD_Srv& srv, std::uint32_t* pPos,
                                              const QD_LOCARQ_PS& ps);
