// How the document-type operations turn what the record-file layer says into their results:
// a message code becomes 0x80040000 | code, and a position from the interface is checked before
// it reaches the layer, whose positions are signed 32-bit numbers.
//
// Pure; safe from any thread.
#pragma once

#include "platform/hresult.h"
#include "server/record_file/record_file_codes.h"

#include <cstdint>
#include <limits>

// S_OK for 0, else the HRESULT of the layer's message code.
[[nodiscard]] inline platform::HRESULT QDHResultArq(int codigo) {
    return codigo == 0 ? platform::S_OK : platform::HResultFromMessage(static_cast<std::uint32_t>(codigo));
}

// The record `lPosicao` names, into `posicao`: 0 or 16021 (the layer's "past the end") for
// position 0, which is the file's header and never a record, and for a position no file of
// signed 32-bit positions can reach.
[[nodiscard]] inline int QDPosicaoRegistro(std::uint32_t lPosicao, std::int32_t& posicao) {
    if (lPosicao == 0 || lPosicao > static_cast<std::uint32_t>(std::numeric_limits<std::int32_t>::max())) {
        return ZT_ERR_ARQ_FIM;
    }
    posicao = static_cast<std::int32_t>(lPosicao);
    return 0;
}
