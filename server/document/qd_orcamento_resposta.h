// QDOrcamentoResposta (orçamento da resposta: reply budget): the bytes that the reply of one call
// will take on the wire, counted while the method builds its outputs.
//
// A reply larger than one message (kMaxMessageBytes) can never be sent, so a method that builds
// large outputs (contents, preview bitmaps) counts each one as it is built and stops as soon as
// the reply passes the limit, answering E_OUTOFMEMORY: a request then costs at most one message
// and the output under way, whatever it asks for. One call, one thread.
#pragma once

#include "platform/idl/wire_size.h"

#include <cstddef>
#include <cstdint>

class QDOrcamentoResposta {
public:
    // A reply of the status and `fixos` bytes that every outcome carries (records and entries
    // whose count the request fixes).
    explicit QDOrcamentoResposta(std::uint64_t fixos) : m_bytes(platform::idl::kStatusWireBytes + fixos) {}

    // Counts `bytes` more; false once the reply passes the limit.
    bool Soma(std::uint64_t bytes) {
        m_bytes += bytes;
        return Cabe();
    }

    // Counts the blocks behind a record whose wire image is already among the fixed bytes.
    template <class T>
    bool SomaBlocos(const T& valor) {
        return Soma(platform::idl::WireSize(valor) - platform::idl::Codec<T>::kWireSize);
    }

    // True while the reply fits one message.
    [[nodiscard]] bool Cabe() const { return m_bytes <= platform::idl::kMaxMessageBytes; }

    // The most bytes that the elements of one more array block may take and still fit.
    [[nodiscard]] std::size_t LivreParaBloco() const {
        const std::uint64_t ocupado = m_bytes + platform::idl::kCountWireBytes;
        return ocupado < platform::idl::kMaxMessageBytes ? platform::idl::kMaxMessageBytes - ocupado : 0;
    }

private:
    std::uint64_t m_bytes;
};
