// A record of the record-cache tests, and a record cache whose batch read counts its calls and
// can fail.
#pragma once

#include "framework/data/zt_registro_classe.h"
#include "platform/win_types.h"

#include <cstdint>
#include <vector>

namespace framework::testing {

// A client-library-like record: its server position and a text the read fills.
struct RegistroFalso {
    platform::DWORD posicao = 0;
    std::int32_t conteudo = 0;

    void Limpa() { *this = {}; }
    [[nodiscard]] platform::DWORD GetPosicao() const { return posicao; }
    bool operator==(const RegistroFalso&) const = default;
};

// The value the fake server holds at `posicao`.
[[nodiscard]] inline RegistroFalso RegistroNoServidor(platform::DWORD posicao) {
    return {posicao, static_cast<std::int32_t>(posicao) * 3};
}

// Keeps the keys of every batch read; with `falha` the read fills nothing and reports failure.
class CacheContado : public CZTRegistroClasse<platform::DWORD, RegistroFalso> {
public:
    std::vector<std::vector<platform::DWORD>> leituras;
    bool falha = false;

protected:
    bool LeRegistros(int quantidade, const platform::DWORD* chaves, RegistroFalso* valores) override {
        leituras.emplace_back(chaves, chaves + quantidade);
        if (falha) return false;
        for (int i = 0; i < quantidade; ++i) valores[i] = RegistroNoServidor(chaves[i]);
        return true;
    }
};

// The key of list item `indice` in the tests' lists (a key is never its index).
[[nodiscard]] inline platform::DWORD ChaveDoItem(int indice) { return 1000 + static_cast<platform::DWORD>(indice); }

// The keys of items first..first+quantidade-1.
[[nodiscard]] inline std::vector<platform::DWORD> Chaves(int primeiro, int quantidade) {
    std::vector<platform::DWORD> chaves;
    for (int i = 0; i < quantidade; ++i) chaves.push_back(ChaveDoItem(primeiro + i));
    return chaves;
}

}  // namespace framework::testing
