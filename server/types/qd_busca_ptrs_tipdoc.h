// Searching document types: the body of IZTQD_Srv::BuscaPtrsTipDoc.
//
// Scans QDTPD.DAT in mode 'L' (reading the users' and processes' runs only when the filter needs
// them) and returns the positions of the live types that pass the filter and that the session
// may see, sorted by code. The server's thread; the files are closed when the call returns.
#pragma once

#include "platform/hresult.h"
#include "server/idl/records.h"

#include <cstdint>

class IQDArqBind;

// Bits of QD_TIPDOC_FILTRO_PS::dwFlags.
inline constexpr std::uint32_t QD_FILTRO_TIPDOC_PROCESSO = 0x01;     // only types that list eProc
inline constexpr std::uint32_t QD_FILTRO_TIPDOC_CODIGO = 0x02;       // compare codes with szCodigo
inline constexpr std::uint32_t QD_FILTRO_TIPDOC_INICIO = 0x04;       //   with 0x02: the code begins with it
inline constexpr std::uint32_t QD_FILTRO_TIPDOC_GRUPOS = 0x08;       // only groups
inline constexpr std::uint32_t QD_FILTRO_TIPDOC_NAO_GRUPOS = 0x10;   // only types that are not groups
inline constexpr std::uint32_t QD_FILTRO_TIPDOC_SEM_ACESSO = 0x20;   // the user lists are not applied

// Fills *pRegPtrs with the positions of the types that pass `filtro` for the session (all-rights
// flag `bAcessoTotal`, user `iUsuario`, parent user `iUsuarioPai`), in ascending byte order of
// their codes (equal codes in position order), in an array of the task allocator that becomes the
// caller's (null for no position). S_OK; E_POINTER for a null pRegPtrs; E_OUTOFMEMORY; or
// 0x80040000 | the record-file code. On failure *pRegPtrs is {0, null}.
[[nodiscard]] platform::HRESULT QDBuscaPtrsTipDoc(IQDArqBind& bind, std::uint8_t bAcessoTotal, std::uint16_t iUsuario,
                                                  std::uint16_t iUsuarioPai, const QD_TIPDOC_FILTRO_PS& filtro,
                                                  QD_ARRAY_PONTEIROS_PS* pRegPtrs);
