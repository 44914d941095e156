// The company's module properties: reading and writing record 0 of QDMESTRE.DAT with its four
// texts in QDDOCDSC.DAT, and handing out physical location numbers from the same record.
//
// The bodies of IZTQD_Srv::LePropriedades, GravaPropriedades and GetProximoNrLocalizacao. All
// three open QDMESTRE.DAT without automatic creation (a missing file is 16055); the write and the
// number hand-out hold it in mode 'G' from their read to their write, which excludes every other
// writer, in this process or another, for that time. The server's thread.
#pragma once

#include "platform/hresult.h"
#include "server/idl/records.h"

#include <cstdint>
#include <optional>

class CCrypto;
class IQDArqBind;
class IQDConversaoConteudos;
class IZTQD_Srv;

// The properties into `*pProp` with the domain, template, "to" and "cc" texts as new BSTRs (empty
// texts give empty BSTRs), which become the caller's. S_OK; E_POINTER for a null `pProp`; or
// 0x80040000 | the record-file code (16055 for a missing QDMESTRE.DAT, 16021 for a text that
// lies past the end of QDDOCDSC.DAT). On failure `*pProp` is left as it was.
[[nodiscard]] platform::HRESULT QDLePropriedades(IQDArqBind& bind, QD_PROPRIEDADES_PS* pProp);

// Writes `prop` and its four texts and logs the change (entries QD_OP_LOG_PROP_ALTERACAO_DE and
// _PARA at position 0, each with the 256-byte record and the four tagged texts), through the
// session's own object `srv`. The record is merged with the stored one (qd_propriedades_mescla.h):
// a counter equal to `iProxNumeroLido`, the one the writer last read, keeps the stored counter, and
// no migration mark is cleared. When `bUsaEncriptacao` changes, `pConversao` converts every content
// first and keeps it reversible: a failure before the record is written undoes it, so contents
// and flag never disagree; without a converter (no keyed session) such a change is refused with
// E_UNEXPECTED and nothing is written. S_OK, or the first failure: the conversion's, the record-file code as
// 0x80040000 | code, the undo's (the backup is then kept), or the log write's.
[[nodiscard]] platform::HRESULT QDGravaPropriedades(IQDArqBind& bind, IZTQD_Srv& srv, const QD_PROPRIEDADES_PS& prop,
                                                    IQDConversaoConteudos* pConversao,
                                                    std::optional<std::uint32_t> iProxNumeroLido = std::nullopt);

// The same with the session's encryption object `pCrypto` (null: none) converting the contents
// (CQDEncriptacaoDocs in the data directory of `bind`).
[[nodiscard]] platform::HRESULT QDGravaPropriedades(IQDArqBind& bind, IZTQD_Srv& srv, const QD_PROPRIEDADES_PS& prop,
                                                    CCrypto* pCrypto,
                                                    std::optional<std::uint32_t> iProxNumeroLido = std::nullopt);

// The next physical location number into `*pProx`, and that number plus one stored. S_OK;
// E_POINTER; or 0x80040000 | the record-file code (nothing is handed out then).
[[nodiscard]] platform::HRESULT QDGetProximoNrLocalizacao(IQDArqBind& bind, std::uint32_t* pProx);
