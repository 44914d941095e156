// The fixed text tables of the client library (process names, field descriptions, validity
// units): each is written in the source as UTF-8, one row per value of its enumeration in the
// enumeration's order, and handed out in Windows-1252.
//
// A table is converted once, on its first use (a function-local static), and lives until the
// program ends, so the texts it hands out stay valid that long. Internal to the client library;
// safe from any thread once built.
#pragma once

#include "platform/text/codepage.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace pendora::detail {

// One row: the value it describes and that value's text in UTF-8.
template <class E>
struct LinhaTexto {
    E valor;
    const char* texto;
};

// True when row i describes value i for every row, so that the value indexes the table.
template <class E, std::size_t N>
constexpr bool IndexadaPeloValor(const LinhaTexto<E> (&linhas)[N]) {
    for (std::size_t i = 0; i < N; ++i) {
        if (static_cast<std::int64_t>(linhas[i].valor) != static_cast<std::int64_t>(i)) return false;
    }
    return true;
}

template <class E, std::size_t N>
class TabelaTextos {
public:
    explicit TabelaTextos(const LinhaTexto<E> (&linhas)[N]) {
        for (std::size_t i = 0; i < N; ++i) m_textos[i] = platform::AnsiFromUtf8(linhas[i].texto);
    }

    // The text of `valor`; "" for a value outside the table.
    [[nodiscard]] const char* operator[](E valor) const {
        const auto indice = static_cast<std::int64_t>(valor);
        if (indice < 0 || indice >= static_cast<std::int64_t>(N)) return "";
        return m_textos[static_cast<std::size_t>(indice)].c_str();
    }

private:
    std::array<std::string, N> m_textos;
};

}  // namespace pendora::detail
