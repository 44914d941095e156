// Reading document types: the body of IZTQD_Srv::LeTipDoc.
//
// Reads each asked position of QDTPD.DAT and the lists the caller did not leave out, in mode 'L'
// (a company's files come into being at first use); deleted types are read like any other. The
// server's thread; the files are closed when the call returns.
#pragma once

#include "platform/hresult.h"
#include "server/idl/records.h"

#include <cstdint>

class IQDArqBind;

// Bits of LeTipDoc's dwFlags: lists left out (count 0, null array, file not opened).
inline constexpr std::uint32_t QD_LETIPDOC_SEM_USUARIOS = 0x1;
inline constexpr std::uint32_t QD_LETIPDOC_SEM_PROCESSOS = 0x2;
inline constexpr std::uint32_t QD_LETIPDOC_SEM_CAMPOS = 0x4;

// Fills pTipDoc[0..qtd-1] with the types at pPos[0..qtd-1]; every list read comes in an array of
// the task allocator (zero-length for an empty list) that becomes the caller's. S_OK; E_POINTER
// for a null array with qtd above 0; E_OUTOFMEMORY; or 0x80040000 | the record-file code: 16021
// for a position 0 or past the end, or for a list whose stored run lies outside its file. On
// failure nothing stays allocated and every record is zeroed.
[[nodiscard]] platform::HRESULT QDLeTipDoc(IQDArqBind& bind, std::uint32_t qtd, const std::uint32_t* pPos,
                                           QD_TIPDOC_PS* pTipDoc, std::uint32_t dwFlags);
