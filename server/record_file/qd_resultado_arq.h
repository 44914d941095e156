// How the server's methods turn what the record-file layer says into their results: a message
// code becomes 0x80040000 | code, a position from the interface is checked before it reaches the
// layer, whose positions are signed 32-bit numbers, and a file's record count bounds a scan.
//
// Safe from any thread (the record count asks the file).
#pragma once

#include "platform/hresult.h"
#include "server/record_file/record_file_codes.h"
#include "server/record_file/zt_arq_ex.h"

#include <algorithm>
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

// The last data position of `arquivo` that a scan from 1 may read: its record count, never beyond
// the largest signed 32-bit position (0 when the file cannot be opened).
[[nodiscard]] inline std::int32_t QDUltimaPosicao(CZTArqEx& arquivo) {
    const std::int64_t quantidade = arquivo.RecordCount();
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(quantidade, 0, std::numeric_limits<std::int32_t>::max()));
}
