// CQDRegistroPS: what every data class of the client library is: one interface record (_PS) and
// its position, owning every array and text the record points to.
//
// Ownership: the arrays reachable from the record are CoTaskMemAlloc blocks and its texts BSTRs,
// the forms the server hands out; the object frees them exactly once, on Limpa, on destruction,
// or when TakeOwnership or an assignment replaces them. A caller that puts an array or a text
// into the record (through GetPS) hands it to the object and allocates it in those forms. A
// copy is deep (arrays and texts of its own); a move hands the memory over and leaves the source
// empty. Position (posição): the record's 1-based number in its record file, 0 for one never
// stored; kept beside the record, or in the record's own field when the record has one. Not
// shared between threads.
#pragma once

#include "outside/pendora/qd_copia_registro.h"

#include <cstdint>
#include <cstring>
#include <type_traits>
#include <utility>

template <class TRegistro, auto PosicaoNoRegistro = nullptr>
class CQDRegistroPS {
public:
    using Registro = TRegistro;

    // An empty record (every field zero, every pointer null) at position 0.
    CQDRegistroPS() noexcept { Zera(m_ps); }
    CQDRegistroPS(const CQDRegistroPS& outro) : m_lPosicao(outro.m_lPosicao) {
        Zera(m_ps);
        pendora::detail::CopiaProfunda(outro.m_ps, m_ps);
    }
    CQDRegistroPS(CQDRegistroPS&& outro) noexcept : m_ps(outro.m_ps), m_lPosicao(outro.m_lPosicao) {
        outro.Esvazia();
    }
    CQDRegistroPS& operator=(const CQDRegistroPS& outro) {
        if (this != &outro) {
            CQDRegistroPS copia(outro);  // a failed copy leaves this object as it was
            Troca(copia);
        }
        return *this;
    }
    CQDRegistroPS& operator=(CQDRegistroPS&& outro) noexcept {
        if (this != &outro) {
            Libera();
            m_ps = outro.m_ps;
            m_lPosicao = outro.m_lPosicao;
            outro.Esvazia();
        }
        return *this;
    }

    // The record's position; 0 when it was never stored.
    [[nodiscard]] std::uint32_t GetPosicao() const {
        if constexpr (kPosicaoNoRegistro) {
            return m_ps.*PosicaoNoRegistro;
        } else {
            return m_lPosicao;
        }
    }
    void SetPosicao(std::uint32_t lPosicao) {
        if constexpr (kPosicaoNoRegistro) {
            m_ps.*PosicaoNoRegistro = lPosicao;
        } else {
            m_lPosicao = lPosicao;
        }
    }

    // Frees what the record owns and empties it; the position becomes 0.
    void Limpa() {
        Libera();
        Esvazia();
    }

    // Takes over `ps` and everything it points to (what the server allocated), freeing what the
    // object held before; `ps` is left zeroed, so that nothing is freed twice. The position
    // stays, unless the record holds it.
    void TakeOwnership(TRegistro& ps) {
        if (&ps == &m_ps) return;
        Libera();
        m_ps = ps;
        Zera(ps);
    }

    // The record itself, for reading its fields and passing it on.
    [[nodiscard]] const TRegistro& GetPS() const { return m_ps; }
    [[nodiscard]] TRegistro& GetPS() { return m_ps; }
    [[nodiscard]] const TRegistro* operator->() const { return &m_ps; }
    [[nodiscard]] TRegistro* operator->() { return &m_ps; }

protected:
    ~CQDRegistroPS() { Libera(); }

private:
    static constexpr bool kPosicaoNoRegistro = !std::is_null_pointer_v<decltype(PosicaoNoRegistro)>;

    void Libera() { platform::idl::Codec<TRegistro>::Free(m_ps); }
    // Every byte zero, padding included, so that an empty record compares and travels as zeros.
    static void Zera(TRegistro& ps) noexcept { std::memset(static_cast<void*>(&ps), 0, sizeof ps); }
    void Esvazia() noexcept {
        Zera(m_ps);
        m_lPosicao = 0;
    }
    void Troca(CQDRegistroPS& outro) noexcept {
        std::swap(m_ps, outro.m_ps);
        std::swap(m_lPosicao, outro.m_lPosicao);
    }

    TRegistro m_ps;
    std::uint32_t m_lPosicao = 0;
};
