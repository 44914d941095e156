// Round trips per second of SetModoServico through the real Vaultis process on one connection
// (the items_per_second column): the client library, the proxy, the socket, the server's loop
// and stub, and back. Registers the program in a private registry store in a temporary folder,
// which it removes at the end; the server ends by itself once the connection is released.
// Usage: vaultis_bench [Google Benchmark options].
#include "outside/pendora/conexao_ged_srv.h"
#include "server/object/vaultis_registro.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace {

CConexaoGedSrv* g_conexao = nullptr;

void BM_SetModoServico(benchmark::State& state) {
    for (auto _ : state) {
        if (g_conexao->SetModoServico() != platform::S_OK) state.SkipWithError("SetModoServico failed");
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_SetModoServico)->UseRealTime();

// A temporary folder holding the registry store for the program's lifetime.
class RegistroTemporario {
public:
    RegistroTemporario() {
        std::string modelo = (std::filesystem::temp_directory_path() / "vaultis-bench-XXXXXX").string();
        std::vector<char> nome(modelo.begin(), modelo.end());
        nome.push_back('\0');
        if (!::mkdtemp(nome.data())) std::abort();
        pasta_ = nome.data();
        ::setenv("KELVO_REGISTRY", (pasta_ / "registry").c_str(), 1);
    }
    ~RegistroTemporario() {
        std::error_code ignorado;
        std::filesystem::remove_all(pasta_, ignorado);
    }

private:
    std::filesystem::path pasta_;
};

}  // namespace

int main(int argc, char** argv) {
    const RegistroTemporario registro;
    const platform::HRESULT registrado = QDRegistraVaultis(KELVO_VAULTIS);
    if (platform::FAILED(registrado)) {
        std::fprintf(stderr, "vaultis_bench: registration failed, HRESULT 0x%08X\n", static_cast<unsigned>(registrado));
        return 1;
    }
    auto conexao = std::make_unique<CSilentConexaoGedSrv>();
    (void)conexao->Inicializa("BENCH", 1, 1);  // the session itself is not what is measured
    if (conexao->SetModoServico() != platform::S_OK) {
        std::fprintf(stderr, "vaultis_bench: the server does not answer\n");
        return 1;
    }
    g_conexao = conexao.get();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
