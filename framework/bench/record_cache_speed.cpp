// The record cache under a grid of 100,000 rows: the first screen, then a jump to the end, read
// as a virtual grid reads them (every cell of every shown row, nothing else) over a fake server
// that counts its batch reads. Prints the reads and the time of each screen; exits 1 when a
// screen takes more than (visible rows / 10) + 1 reads or reads a row beyond the page of a shown
// row.
//
//   framework_record_cache_speed [visible rows (30)] [columns (6)]
#include "framework/data/zt_registro_classe.h"
#include "platform/win_types.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <numeric>
#include <vector>

namespace {

using platform::DWORD;

constexpr int kChaves = 100000;
constexpr int kTamanhoCache = 100;
constexpr int kTamanhoPagina = 10;

struct Registro {
    DWORD posicao = 0;
    void Limpa() { *this = {}; }
    [[nodiscard]] DWORD GetPosicao() const { return posicao; }
};

// A server that answers at once and keeps which list items it was asked for (key = item).
class ServidorContado : public CZTRegistroClasse<DWORD, Registro> {
public:
    int leituras = 0;
    std::vector<DWORD> itensLidos;

protected:
    bool LeRegistros(int quantidade, const DWORD* chaves, Registro* valores) override {
        ++leituras;
        for (int i = 0; i < quantidade; ++i) {
            valores[i].posicao = chaves[i];
            itensLidos.push_back(chaves[i]);
        }
        return true;
    }
};

struct Tela {
    const char* nome;
    int primeira;
};

// Reads every cell of rows primeira..primeira+linhas-1 as the grid draws them; true when the
// screen stayed within its bounds.
bool MostraTela(ServidorContado& cache, const Tela& tela, int linhas, int colunas) {
    cache.leituras = 0;
    cache.itensLidos.clear();
    const auto inicio = std::chrono::steady_clock::now();
    for (int linha = tela.primeira; linha < tela.primeira + linhas; ++linha) {
        for (int coluna = 0; coluna < colunas; ++coluna) {
            if (!cache.GetRegistro(linha)) return false;
        }
    }
    const std::chrono::duration<double, std::milli> tempo = std::chrono::steady_clock::now() - inicio;

    const int maximoLeituras = linhas / 10 + 1;
    const DWORD alcance = static_cast<DWORD>(tela.primeira + linhas - 1 + kTamanhoPagina - 1);
    const bool foraDaTela = std::any_of(cache.itensLidos.begin(), cache.itensLidos.end(), [&](DWORD item) {
        return item < static_cast<DWORD>(tela.primeira) || item > alcance;
    });
    std::printf("%s: rows %d-%d, %d batch reads (at most %d), %zu records read, %.3f ms (target 50 ms)\n", tela.nome,
                tela.primeira, tela.primeira + linhas - 1, cache.leituras, maximoLeituras, cache.itensLidos.size(),
                tempo.count());
    if (foraDaTela) std::printf("%s: a row beyond the screen's pages was read\n", tela.nome);
    return cache.leituras <= maximoLeituras && !foraDaTela;
}

}  // namespace

int main(int argc, char** argv) {
    const int linhas = std::clamp(argc > 1 ? std::atoi(argv[1]) : 30, 1, kTamanhoCache - kTamanhoPagina);
    const int colunas = std::clamp(argc > 2 ? std::atoi(argv[2]) : 6, 1, 100);

    std::vector<DWORD> chaves(kChaves);
    std::iota(chaves.begin(), chaves.end(), DWORD{0});
    ServidorContado cache;
    cache.SetTamanhoCache(kTamanhoCache, kTamanhoPagina);
    cache.SetChaves(kChaves, chaves.data());

    const bool primeira = MostraTela(cache, {"first screen", 0}, linhas, colunas);
    const bool ultima = MostraTela(cache, {"jump to the end", kChaves - linhas}, linhas, colunas);
    return primeira && ultima ? 0 : 1;
}
