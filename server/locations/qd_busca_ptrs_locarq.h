// Searching archive locations: the body of IZTQD_Srv::BuscaPtrsLocArq, and the same search as a
// list of positions for the operations that look for locations themselves (a heading's
// descendants, a group's locations).
//
// Every location from position 1 to the record count is tested in file order (the filter's
// tests: qd_filtro_locarq.h). Locations are never deleted and are seen by every user. Opens
// QDLOCARQ.DAT in 'L', and QDLAQTPD.DAT in 'L' only for the accepted-type test; readers share
// the files with a writer of the same process. The server's thread.
#pragma once

#include "platform/hresult.h"
#include "server/idl/records.h"

#include <cstdint>
#include <vector>

class IQDArqBind;

// The positions of the locations that pass `filtro`, in file order, into `posicoes`. 0 or the
// record-file code of the first failure (`posicoes` is then empty).
[[nodiscard]] int QDBuscaPosicoesLocArq(IQDArqBind& bind, const QD_LOCARQ_FILTRO_PS& filtro,
                                        std::vector<std::uint32_t>& posicoes);

// The same into `*pRegPtrs`: the count and a new task-allocator array (a valid, empty one when
// none passes), which becomes the caller's. S_OK; E_POINTER; E_OUTOFMEMORY; or 0x80040000 | the
// record-file code. On failure `*pRegPtrs` is left as it was.
[[nodiscard]] platform::HRESULT QDBuscaPtrsLocArq(IQDArqBind& bind, const QD_LOCARQ_FILTRO_PS& filtro,
                                                  QD_ARRAY_PONTEIROS_PS* pRegPtrs);
