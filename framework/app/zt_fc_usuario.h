// CZTFCUsuario: the framework's user object, with the two keyboard and saving options every
// form and document reads. The application owns one (in this suite a CZTKelvoUsuario) and
// deletes it through the virtual destructor. User-interface thread only.
#pragma once

#include <cstdint>

class CZTFCUsuario {
public:
    virtual ~CZTFCUsuario() = default;

    // Whether Enter moves to the next control as Tab does; on after construction.
    [[nodiscard]] bool GetEnterComoTab() const { return m_bEnterComoTab != 0; }
    void SetEnterComoTab(bool enterComoTab) { m_bEnterComoTab = enterComoTab ? 1 : 0; }
    // Whether each save waits until the saving thread is idle; off after construction.
    [[nodiscard]] bool GetAguardaGravacao() const { return m_bAguardaGravacao != 0; }
    void SetAguardaGravacao(bool aguardaGravacao) { m_bAguardaGravacao = aguardaGravacao ? 1 : 0; }

private:
    std::uint8_t m_bEnterComoTab = 1;
    std::uint8_t m_bAguardaGravacao = 0;
};
