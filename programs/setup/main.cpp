// kelvo-default: prepares the embedded default and says what it prepared.
//
//   kelvo-default [data-folder]     (default: ~/.local/share/kelvo)

#include "platform/text/codepage.h"
#include "platform/system/process_info.h"
#include "platform/registry/registry.h"
#include "programs/setup/embedded_default.h"
#include "programs/setup/message_file.h"
#include "util/file/zt_path.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

std::string DefaultDataRoot() {
    const char* home = std::getenv("HOME");
    return std::string(home && *home ? home : "/tmp") + "/.local/share/kelvo";
}

void Print(const std::string& ansi) { std::printf("%s\n", platform::Utf8FromAnsi(ansi).c_str()); }

}  // namespace

int main(int argc, char** argv) {
    const std::string dataRoot = argc > 1 ? platform::AnsiFromUtf8(argv[1]) : platform::AnsiFromUtf8(DefaultDataRoot());
    platform::String modulePath;
    if (platform::ModulePath(modulePath) != 0) {
        std::fprintf(stderr, "kelvo-default: cannot find its own program file\n");
        return 1;
    }

    const auto report = kelvo::setup::PrepareEmbeddedDefault(dataRoot, ZTExtraiDiretorio(modulePath).str(),
                                                             kelvo::setup::ModuleMessageFile(), KELVO_MODULOS);
    for (const auto& line : report.changes) Print(line);
    for (const auto& line : report.failures) Print("ERRO: " + line);

    Print(platform::AnsiFromUtf8(report.changes.empty() ? "Nada a preparar: o padrão embutido já existe."
                                                        : "Padrão embutido preparado."));
    Print("  Registro local: " + platform::Registry::StoreFolder());
    Print("  Pasta de dados: " + dataRoot);
    Print(std::string(platform::AnsiFromUtf8("  Empresa de demonstração: ")) + kelvo::setup::kDemoCompany);
    return report.failures.empty() ? 0 : 1;
}
