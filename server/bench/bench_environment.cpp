#include "server/bench/bench_environment.h"

#include "platform/system/process_spawn.h"
#include "programs/setup/embedded_default.h"
#include "programs/setup/message_file.h"
#include "util/config/folders.h"
#include "util/config/module_table.h"

#include <sched.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <thread>

namespace kelvo::bench {

namespace {

std::string LeArquivo(const std::filesystem::path& caminho) {
    std::ifstream entrada(caminho, std::ios::binary);
    return {std::istreambuf_iterator<char>(entrada), std::istreambuf_iterator<char>()};
}

// The number after "<nome>:" in a /proc status text, in kB; -1 when missing.
long ValorStatus(const std::string& status, const std::string& nome) {
    const std::size_t posicao = status.find("\n" + nome + ":");
    if (posicao == std::string::npos) return -1;
    return std::strtol(status.c_str() + posicao + nome.size() + 2, nullptr, 10);
}

// Whether the NUL-separated environment `ambiente` holds exactly `variavel`.
bool TemVariavel(const std::string& ambiente, const std::string& variavel) {
    std::size_t inicio = 0;
    while (inicio < ambiente.size()) {
        std::size_t fim = ambiente.find('\0', inicio);
        if (fim == std::string::npos) fim = ambiente.size();
        if (ambiente.compare(inicio, fim - inicio, variavel) == 0) return true;
        inicio = fim + 1;
    }
    return false;
}

}  // namespace

AmbienteBench::AmbienteBench() {
    std::string modelo = (std::filesystem::temp_directory_path() / "vaultis-docbench-XXXXXX").string();
    std::vector<char> nome(modelo.begin(), modelo.end());
    nome.push_back('\0');
    if (!::mkdtemp(nome.data())) return;
    m_pasta = nome.data();
    if (const char* anterior = std::getenv("KELVO_REGISTRY")) m_registroAnterior = anterior;
    ::setenv("KELVO_REGISTRY", PastaRegistro().c_str(), 1);
}

AmbienteBench::~AmbienteBench() {
    if (m_pasta.empty()) return;
    if (m_registroAnterior) {
        ::setenv("KELVO_REGISTRY", m_registroAnterior->c_str(), 1);
    } else {
        ::unsetenv("KELVO_REGISTRY");
    }
    std::error_code ignorado;
    std::filesystem::remove_all(m_pasta, ignorado);
}

bool AmbienteBench::Prepara(const char* vaultis, std::string& erro) {
    if (m_pasta.empty()) {
        erro = "no temporary folder could be made";
        return false;
    }
    const auto preparo = kelvo::setup::PrepareEmbeddedDefault((m_pasta / "data").string(), (m_pasta / "bin").string(),
                                                              kelvo::setup::ModuleMessageFile());
    if (!preparo.failures.empty()) {
        erro = "the embedded default failed: " + preparo.failures.front();
        return false;
    }
    std::string saida;
    int codigo = -1;
    if (platform::RunAndCapture({vaultis, "-RegServer"}, saida, &codigo) != platform::ERROR_SUCCESS || codigo != 0) {
        erro = std::string(vaultis) + " -RegServer failed: " + saida;
        return false;
    }
    return true;
}

std::string AmbienteBench::PastaEmpresa() const {
    return ZTGetDiretorioEmpresa(ZT_MODULO_GED, kelvo::setup::kDemoCompany).str();
}

pid_t ProcuraServidor(const std::string& programa, const std::string& pastaRegistro) {
    std::error_code erro;
    const std::filesystem::path alvo = std::filesystem::canonical(programa, erro);
    if (erro) return 0;
    const std::string variavel = "KELVO_REGISTRY=" + pastaRegistro;
    for (const auto& entrada : std::filesystem::directory_iterator("/proc", erro)) {
        const std::string nome = entrada.path().filename().string();
        if (nome.empty() || nome.find_first_not_of("0123456789") != std::string::npos) continue;
        std::error_code semLink;
        const std::filesystem::path executavel = std::filesystem::read_symlink(entrada.path() / "exe", semLink);
        if (semLink || executavel != alvo) continue;
        if (!TemVariavel(LeArquivo(entrada.path() / "environ"), variavel)) continue;
        return static_cast<pid_t>(std::strtol(nome.c_str(), nullptr, 10));
    }
    return 0;
}

bool LeMemoria(pid_t processo, MemoriaProcesso& memoria) {
    const std::string status = LeArquivo("/proc/" + std::to_string(processo) + "/status");
    if (status.empty()) return false;
    memoria.vmRssKb = ValorStatus(status, "VmRSS");
    memoria.vmHwmKb = ValorStatus(status, "VmHWM");
    memoria.rssAnonKb = ValorStatus(status, "RssAnon");
    return memoria.vmRssKb >= 0 && memoria.vmHwmKb >= 0 && memoria.rssAnonKb >= 0;
}

bool ZeraPicoMemoria(pid_t processo) {
    std::ofstream saida("/proc/" + std::to_string(processo) + "/clear_refs");
    if (!saida) return false;
    saida << "5";  // resets the peak resident size to the current one
    saida.flush();
    return static_cast<bool>(saida);
}

std::vector<int> ProcessadoresPermitidos() { return ProcessadoresDe(0); }

bool FixaProcessador(pid_t processo, int cpu) {
    if (cpu < 0 || cpu >= CPU_SETSIZE) return false;
    cpu_set_t conjunto;
    CPU_ZERO(&conjunto);
    CPU_SET(cpu, &conjunto);
    return ::sched_setaffinity(processo, sizeof conjunto, &conjunto) == 0;
}

std::vector<int> ProcessadoresDe(pid_t processo) {
    cpu_set_t conjunto;
    CPU_ZERO(&conjunto);
    if (::sched_getaffinity(processo, sizeof conjunto, &conjunto) != 0) return {};
    std::vector<int> processadores;
    for (int cpu = 0; cpu < CPU_SETSIZE; ++cpu) {
        if (CPU_ISSET(cpu, &conjunto)) processadores.push_back(cpu);
    }
    return processadores;
}

bool AdotaServidores() { return ::prctl(PR_SET_CHILD_SUBREAPER, 1) == 0; }

bool EsperaServidores(int segundos) {
    const auto limite = std::chrono::steady_clock::now() + std::chrono::seconds(segundos);
    while (true) {
        int estado = 0;
        const pid_t fim = ::waitpid(-1, &estado, WNOHANG);
        if (fim < 0 && errno == ECHILD) return true;
        if (fim > 0) continue;
        if (std::chrono::steady_clock::now() >= limite) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

}  // namespace kelvo::bench
