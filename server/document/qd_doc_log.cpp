#include "server/document/qd_doc_log.h"

platform::HRESULT QDAdicionaLogDoc(CQDBatchGravaLog& lote, QD_E_OPERACAO_LOG operacao, std::uint32_t lPosicao,
                                   const QD_DOC_ARQ& arq, std::span<const std::uint16_t> usuarios) {
    QD_LOG_PTRS_PS item{};
    item.eType = QD_TYPE_LOG_USUARIO;
    item.cbData = static_cast<std::uint32_t>(usuarios.size_bytes());
    // The batch copies the item's bytes; it never writes through the pointer.
    item.pData = reinterpret_cast<std::uint8_t*>(const_cast<std::uint16_t*>(usuarios.data()));
    const std::uint32_t nQtdPtrs = usuarios.empty() ? 0 : 1;
    return lote.Add(operacao, lPosicao, &arq, sizeof arq, nQtdPtrs, nQtdPtrs ? &item : nullptr);
}
