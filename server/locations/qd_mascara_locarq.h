// The code masks of the location groups (máscara: mask), one record of QDLOCMSC.DAT per group:
// the bodies of IZTQD_Srv::LeMascaraLocArq and GravaMascaraLocArq.
//
// The mask of group n is the record at position n (group 0's lies in the file's first record).
// Reading opens the file in 'L', writing in 'G' (created when missing). Neither logs anything.
// The server's thread.
#pragma once

#include "platform/hresult.h"
#include "server/idl/records.h"

#include <cstdint>

class IQDArqBind;

// Reads the `iQtd` masks at lPosGrupo[0..iQtd-1] into qdLocArqMasc[0..iQtd-1] (the position as
// stored, the mask text, 20 zero bytes). S_OK; E_POINTER for a null array with a count; or
// 0x80040000 | the record-file code of the first failure (16021 for a group without mask), the
// caller's records then left as they were.
[[nodiscard]] platform::HRESULT QDLeMascaraLocArq(IQDArqBind& bind, std::uint32_t iQtd, const std::uint32_t* lPosGrupo,
                                                  QD_LOCARQ_MSC_PS* qdLocArqMasc);

// Writes `mascara` (its lPosicao as given, its text cut to 39 characters, the reserved bytes
// zero) at *pPos, or appends it when *pPos is 0, which then stays 0. S_OK; E_POINTER; or
// 0x80040000 | the record-file code.
[[nodiscard]] platform::HRESULT QDGravaMascaraLocArq(IQDArqBind& bind, std::uint32_t* pPos,
                                                     const QD_LOCARQ_MSC_PS& mascara);
