// Reading archive locations: the body of IZTQD_Srv::LeLocArq, and the reads of one stored
// location and of its accepted types that the other location operations share.
//
// Everything read from the files is checked before use: a run of accepted types must lie wholly
// inside QDLAQTPD.DAT before anything is allocated for it. The server's thread.
#pragma once

#include "platform/hresult.h"
#include "server/idl/records.h"
#include "server/locations/qd_locarq_arq.h"

#include <cstdint>
#include <vector>

class CZTArqEx;
class IQDArqBind;

// Bit of LeLocArq's dwFlags: leave the accepted types out (count 0, null pointer, QDLAQTPD.DAT
// not opened).
inline constexpr std::uint32_t QD_LE_LOCARQ_SEM_TIPOS = 0x1;

// Record `lPosicao` of the open QDLOCARQ.DAT `locais` into `arq`. 0 or the layer's code (16021
// past the end; position 0 is the zeroed header, the empty location).
[[nodiscard]] int QDLeRegistroLocArq(CZTArqEx& locais, std::uint32_t lPosicao, QD_LOCARQ_ARQ& arq);

// The accepted types of `arq` from the open QDLAQTPD.DAT `tipos`, in list order. 0, or the
// layer's code: 16021 for a run that does not lie wholly inside the file (a count or first
// position beyond what the file holds), before anything is allocated. `lista` is empty on failure.
[[nodiscard]] int QDLeTiposLocArq(CZTArqEx& tipos, const QD_LOCARQ_ARQ& arq, std::vector<std::uint32_t>& lista);

// Reads the `qtd` locations at pPos[0..qtd-1] into pLocArq[0..qtd-1]; unless dwFlags has
// QD_LE_LOCARQ_SEM_TIPOS, each with its accepted types in a new task-allocator array (a valid,
// empty one for none), which becomes the caller's. S_OK; E_POINTER for a null array with a
// count; E_OUTOFMEMORY; or 0x80040000 | the record-file code of the first failure. On failure
// the caller's records are left as they were and nothing stays allocated.
[[nodiscard]] platform::HRESULT QDLeLocArq(IQDArqBind& bind, std::uint32_t qtd, const std::uint32_t* pPos,
                                           QD_LOCARQ_PS* pLocArq, std::uint32_t dwFlags);
