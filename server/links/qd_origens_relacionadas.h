// The origins related to a link's origin: the records of other modules that came from it (the
// titles a purchase generated, the postings of an invoice ...), found through the other modules'
// servers, so that a document linked to an origin is linked to them too.
//
// A fixed table says which integrations an origin's process takes part in; the integration
// server's settings say which of them are on; each integration that is on is asked through its
// own servers with the origin's process (grouped by QDSimplifyProcesso) and key:
//   financial (0)  titles -> receivable (QD_PROCESSO_FN_CRE_LANC) or payable (FN_CPA_LANC) origins
//   accounting (1) the origin's batches, then their postings that came from the origin ->
//                  accounting origins (QD_PROCESSO_CN_LAN)
//   purchasing (2) purchase orders and contract orders, asked with a month key of the origin's
//                  key -> purchase-order origins (QD_PROCESSO_CM_OC)
// A title's or posting's key is the month/key value of its 16-bit date in the month place and its
// number: (number & 0xFFFFFF) << 12 | date, the form the other modules share (the date's upper
// bits overlap the number's; kept bit for bit). The server's one thread.
#pragma once

#include "platform/hresult.h"
#include "server/idl/records.h"
#include "server/links/qd_sessao_vinculos.h"

#include <span>
#include <vector>

// The integrations of the other modules' integration enumeration.
enum QD_E_INTEGRACAO : int {
    QD_INTEGRACAO_FINANCEIRO = 0,
    QD_INTEGRACAO_CONTABIL = 1,
    QD_INTEGRACAO_COMPRAS = 2,
};

// The integrations that process `eProc` takes part in, in table order (none for most).
[[nodiscard]] std::span<const QD_E_INTEGRACAO> QDIntegracoesDoProcesso(QD_E_PROCESSO eProc);

// The key an origin of another module gets from a 16-bit date and a number.
[[nodiscard]] std::uint32_t QDChaveDataNumero(std::uint16_t iData, std::uint32_t lNumero);

// Appends to `relacionadas` the origins related to `origem`, integration by integration in
// table order. S_OK (also when the process takes part in no integration, without creating any
// server); otherwise the first failure of creating, starting or asking a server, which ends the
// collection (the origins found before it stay appended).
[[nodiscard]] platform::HRESULT QDColetaOrigensRelacionadas(const QDSessaoVinculos& sessao,
                                                            const QD_ORIGEM_VINCULO_DOC_PS& origem,
                                                            std::vector<QD_ORIGEM_VINCULO_DOC_PS>& relacionadas);
