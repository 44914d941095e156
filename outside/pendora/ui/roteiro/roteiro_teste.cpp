#include "outside/pendora/ui/roteiro/roteiro_teste.h"

#include "outside/pendora/ui/roteiro/executa_roteiro.h"
#include "outside/pendora/ui/roteiro/le_roteiro.h"
#include "platform/file/file.h"
#include "platform/text/codepage.h"

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>

namespace kelvo::roteiro {

namespace {

constexpr const char* kVariavel = "KELVO_TEST_SCRIPT";
// A script is a few hundred lines at most; anything far bigger is not one.
constexpr std::uint64_t kMaiorRoteiro = 1 << 20;

std::unique_ptr<ExecutorRoteiro>& Executor() {
    static std::unique_ptr<ExecutorRoteiro> executor;
    return executor;
}

// Where a failure is written besides standard error: "<script>.falha", so that a program started
// detached (its standard error on /dev/null) still tells its test which step failed.
std::string& ArquivoDeFalha() {
    static std::string arquivo;
    return arquivo;
}

// The end of the program for a failed script: nothing of it may run on.
[[noreturn]] void Encerra(const std::string& mensagem) {
    std::fprintf(stderr, "%s\n", mensagem.c_str());
    std::fflush(stderr);
    if (std::FILE* falha = ArquivoDeFalha().empty() ? nullptr : std::fopen(ArquivoDeFalha().c_str(), "w")) {
        std::fprintf(falha, "%s\n", mensagem.c_str());
        std::fclose(falha);
    }
    std::_Exit(1);
}

std::optional<std::string> LeArquivo(const char* caminho) {
    platform::File arquivo;
    if (!arquivo.Open(platform::String(platform::AnsiFromUtf8(caminho)), platform::File::modeRead)) return std::nullopt;
    const std::uint64_t tamanho = arquivo.GetLength();
    if (tamanho > kMaiorRoteiro) return std::nullopt;
    std::string conteudo(static_cast<std::size_t>(tamanho), '\0');
    const unsigned lidos = arquivo.Read(conteudo.data(), static_cast<unsigned>(tamanho));
    arquivo.Abort();
    if (lidos != tamanho) return std::nullopt;
    return conteudo;
}

}  // namespace

bool IniciaRoteiroTeste() {
    const char* caminho = std::getenv(kVariavel);
    if (!caminho || !*caminho) return false;
    ArquivoDeFalha() = std::string(caminho) + ".falha";
    const std::optional<std::string> conteudo = LeArquivo(caminho);
    if (!conteudo) Encerra(std::string("test script: cannot read ") + caminho);
    LeituraRoteiro leitura = LeRoteiro(*conteudo);
    if (!leitura.erro.empty()) Encerra("test script, " + leitura.erro);
    Executor() = std::make_unique<ExecutorRoteiro>(std::move(leitura.passos), Encerra);
    Executor()->Inicia();
    return true;
}

int FinalizaRoteiroTeste(int codigoDoPrograma) {
    if (!Executor()) return codigoDoPrograma;
    const int resultado = Executor()->AoSair();
    Executor().reset();
    return resultado;
}

}  // namespace kelvo::roteiro
