// Writing a distribution list: the body of IZTQD_Srv::GravaDistribuicao.
//
// The registration program stores the documents it distributes and puts the list's number into
// the e-mail's link. QDDIST.DAT and QDDISTIT.DAT are held in mode 'G' from the first read to the
// last write, so a writer of another process waits in the record-file layer's open retries. A
// list that grows moves its items to the end of QDDISTIT.DAT; one that shrinks or keeps its size
// is rewritten in place. The items are written before the header, so a failure never leaves a
// header pointing at items not written; it may leave unused items behind. Nothing is logged. The
// server's one thread.
#pragma once

#include "platform/hresult.h"
#include "server/idl/records.h"

#include <cstdint>

class IQDArqBind;

// Stores the ps.qtd positions of ps.pPtrs as list *pPos (a rewrite) or, when *pPos is 0, as a new
// list whose number comes back in *pPos. S_OK; E_POINTER for a null pPos, or a null array with a
// count; E_INVALIDARG for an empty list or one longer than a message can carry; 0x80040000 | the
// record-file code: 16021 for a list number past the end (these four with nothing written),
// 16179 without a session, or the code of the first failing write (*pPos unchanged then).
[[nodiscard]] platform::HRESULT QDGravaDistribuicao(IQDArqBind& bind, std::uint32_t* pPos,
                                                    const QD_ARRAY_PONTEIROS_PS& ps);
