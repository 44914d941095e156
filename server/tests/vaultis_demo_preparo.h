// The start of every test that drives the real Vaultis process on the demo company, free of any
// test framework (GoogleTest and QtTest suites both call it): the embedded default in the test's
// scratch folder, the server registered, and this process made the reaper of the servers that
// start detached, so that the test can wait for them to end.
//
// For test targets that define KELVO_VAULTIS (the server program's path).
#pragma once

#include "platform/system/process_spawn.h"
#include "platform/tests/support/test_environment.h"
#include "programs/setup/embedded_default.h"
#include "programs/setup/message_file.h"
#include "util/config/folders.h"
#include "util/config/module_table.h"

#include <sys/prctl.h>

#include <string>

namespace kelvo::testing {

// Prepares the demo company in `ambiente` and registers Vaultis; `programaModulos`, when given, is
// registered as the other modules' stand-in server. Empty on success, else what failed.
[[nodiscard]] inline std::string PreparaVaultisDemoOuFalha(const TestEnvironment& ambiente,
                                                           const std::string& programaModulos = {}) {
    if (::prctl(PR_SET_CHILD_SUBREAPER, 1) != 0) return "this process cannot adopt the servers";
    const auto preparo = kelvo::setup::PrepareEmbeddedDefault(ambiente.Path("data"), ambiente.Path("bin"),
                                                              kelvo::setup::ModuleMessageFile(), programaModulos);
    if (!preparo.failures.empty()) return "the embedded default failed: " + preparo.failures.front();
    std::string saida;
    int codigo = -1;
    if (platform::RunAndCapture({KELVO_VAULTIS, "-RegServer"}, saida, &codigo) != platform::ERROR_SUCCESS) {
        return "Vaultis -RegServer did not run";
    }
    if (codigo != 0) return "Vaultis -RegServer ended with " + std::to_string(codigo) + ": " + saida;
    return {};
}

// The demo company's data folder of the document module (empty before the preparation).
inline std::string PastaDemo() { return ZTGetDiretorioEmpresa(ZT_MODULO_GED, kelvo::setup::kDemoCompany).str(); }

}  // namespace kelvo::testing
