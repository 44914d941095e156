// AmbienteBench: the private world of one benchmark run against the real Vaultis process, and
// what the run needs to know of that process (its id, its memory, its processor).
//
// The environment makes a folder under the system's temporary folder, points KELVO_REGISTRY at a
// store inside it (so the run gets a server of its own and never touches the user's store),
// prepares there the embedded default (the suite's folders, the demo company with its data
// folder, its supervisor and branch 1) and registers the given Vaultis program with
// "-RegServer". The destructor removes the folder and puts KELVO_REGISTRY back; release every
// connection and wait for the servers first (EsperaServidores), so that no server writes into a
// folder being removed. One per process, on the main thread.
#pragma once

#include <sys/types.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace kelvo::bench {

class AmbienteBench {
public:
    AmbienteBench();
    ~AmbienteBench();
    AmbienteBench(const AmbienteBench&) = delete;
    AmbienteBench& operator=(const AmbienteBench&) = delete;

    // Prepares the default and registers `vaultis`. True, or false with the reason in `erro`
    // (UTF-8).
    [[nodiscard]] bool Prepara(const char* vaultis, std::string& erro);

    // The folder of the run; empty when it could not be made.
    [[nodiscard]] const std::filesystem::path& Pasta() const { return m_pasta; }
    // The registry store folder that KELVO_REGISTRY names.
    [[nodiscard]] std::string PastaRegistro() const { return (m_pasta / "registry").string(); }
    // The demo company's data folder (ending in '/'), as the registry names it; empty before
    // Prepara.
    [[nodiscard]] std::string PastaEmpresa() const;

private:
    std::filesystem::path m_pasta;
    std::optional<std::string> m_registroAnterior;
};

// The memory of a process as /proc/<pid>/status gives it, in kB; -1 when unknown.
struct MemoriaProcesso {
    long vmRssKb = -1;    // resident now
    long vmHwmKb = -1;    // resident at its peak
    long rssAnonKb = -1;  // resident now and the process's own: mapped file pages do not count
};

// The id of the running Vaultis process that runs the program `programa` and serves the store
// `pastaRegistro` (its KELVO_REGISTRY); 0 when there is none.
[[nodiscard]] pid_t ProcuraServidor(const std::string& programa, const std::string& pastaRegistro);
// Reads the memory of `processo`; false when its status cannot be read.
[[nodiscard]] bool LeMemoria(pid_t processo, MemoriaProcesso& memoria);
// Resets the peak (VmHWM) of `processo` to its current resident size; false when the system
// refuses it.
[[nodiscard]] bool ZeraPicoMemoria(pid_t processo);

// The processors this process may run on now.
[[nodiscard]] std::vector<int> ProcessadoresPermitidos();
// Binds `processo` (0: this one; its later children inherit it) to processor `cpu` alone.
[[nodiscard]] bool FixaProcessador(pid_t processo, int cpu);
// The processors `processo` may run on; empty when unknown.
[[nodiscard]] std::vector<int> ProcessadoresDe(pid_t processo);

// Makes this process the reaper of the servers its activations start (they run detached), so
// that EsperaServidores can wait for them. False when the system refuses it.
[[nodiscard]] bool AdotaServidores();
// Waits, at most `segundos`, for every adopted server to end; false when one still runs.
[[nodiscard]] bool EsperaServidores(int segundos);

}  // namespace kelvo::bench
