// Reading a distribution list: the body of IZTQD_Srv::LeDistribuicao.
//
// The web side reads back, by its number, the list of documents that a distribution e-mail
// points to. QDDIST.DAT and QDDISTIT.DAT are read in mode 'L' (a company's files come into being
// at first use) and closed before the optional visibility filter, which is the object's own
// document search. The server's one thread.
#pragma once

#include "platform/hresult.h"
#include "server/idl/records.h"

#include <cstdint>

class IQDArqBind;
class IZTQD_Srv;

// Bit of LeDistribuicao's dwFlags: keep only the documents that the session user may see and that
// are not deleted.
inline constexpr std::uint32_t QD_LEDISTRIBUICAO_VISIVEIS = 0x1;

// Fills *pDistrib with the document positions of list `lPos`, in the order they were stored, in
// an array of the task allocator that becomes the caller's (zero-length for an empty list). With
// QD_LEDISTRIBUICAO_VISIVEIS the positions are those that `srv`'s BuscaPtrsDoc keeps in a strict
// search whose only criterion is the list (ascending, each once); an empty list is answered
// empty without a search. S_OK or the search's status; E_POINTER for a null pDistrib;
// E_OUTOFMEMORY; the search's failure; 0x80040000 | the record-file code: 16021 for list 0, a
// list past the end, or a header whose count or run the item file cannot hold (16179 without a
// session). *pDistrib is zeroed first and stays zeroed on failure.
[[nodiscard]] platform::HRESULT QDLeDistribuicao(IQDArqBind& bind, IZTQD_Srv& srv, std::uint32_t lPos,
                                                 QD_ARRAY_PONTEIROS_PS* pDistrib, std::uint32_t dwFlags);
