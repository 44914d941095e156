// Re-coding the locations of one group to its mask after the mask changed (converte: converts):
// the body of IZTQD_Srv::ConverteLocArq.
//
// Every location whose code starts with the group's number gets its code re-coded
// (qd_recodifica_codigo.h) and is rewritten when the code changed; nothing else of it changes and
// nothing is logged. Holds QDLOCARQ.DAT in 'G' for the whole conversion. The server's thread.
#pragma once

#include "platform/hresult.h"

#include <cstdint>

class IQDArqBind;

// Re-codes the locations of group *pPosMascara to the mask stored at that position. S_OK;
// E_POINTER for a null pointer; or the first failure: the mask's read (16021 | 0x80040000 for a
// group without mask), the search's, or a location's read or write (locations rewritten before
// it stay rewritten).
[[nodiscard]] platform::HRESULT QDConverteLocArq(IQDArqBind& bind, const std::uint32_t* pPosMascara);
