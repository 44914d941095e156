// CQDRelFlags (flags de relatório): the option bits of a report request (QD_RELATORIO_FLAGS),
// read and set by bit number. A plain value over the 4-byte record; any thread on its own copy.
#pragma once

#include "server/idl/records.h"

#include <cstdint>

class CQDRelFlags {
public:
    CQDRelFlags() = default;
    explicit CQDRelFlags(const QD_RELATORIO_FLAGS& flags) : m_flags(flags) {}

    // True when bit `iBit` (0..31) is set; false for a bit number outside 0..31.
    [[nodiscard]] bool GetState(int iBit) const {
        if (iBit < 0 || iBit > 31) return false;
        return (m_flags.dwFlags >> iBit) & 1u;
    }
    // Sets or clears bit `iBit`; a bit number outside 0..31 changes nothing.
    void ChangeState(int iBit, bool bEstado) {
        if (iBit < 0 || iBit > 31) return;
        const std::uint32_t bit = std::uint32_t{1} << iBit;
        m_flags.dwFlags = bEstado ? (m_flags.dwFlags | bit) : (m_flags.dwFlags & ~bit);
    }
    [[nodiscard]] const QD_RELATORIO_FLAGS& GetFlags() const { return m_flags; }

private:
    QD_RELATORIO_FLAGS m_flags{};
};
