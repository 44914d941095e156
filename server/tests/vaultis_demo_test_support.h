// The start of every test that drives the real Vaultis process on the demo company: the embedded
// default in the test's scratch folder, the server registered, and this process made the reaper
// of the servers that start detached, so that the test can wait for them to end.
//
// For test targets that define KELVO_VAULTIS (the server program's path). Call through
// ASSERT_NO_FATAL_FAILURE: a failed step ends the test.
#pragma once

#include "platform/system/process_spawn.h"
#include "platform/tests/support/test_environment.h"
#include "programs/setup/embedded_default.h"
#include "programs/setup/message_file.h"
#include "util/config/folders.h"
#include "util/config/module_table.h"

#include <gtest/gtest.h>

#include <sys/prctl.h>

#include <string>

namespace kelvo::testing {

// Prepares the demo company in `ambiente` and registers Vaultis; `programaModulos`, when given, is
// registered as the other modules' stand-in server.
inline void PreparaVaultisDemo(const TestEnvironment& ambiente, const std::string& programaModulos = {}) {
    ASSERT_EQ(::prctl(PR_SET_CHILD_SUBREAPER, 1), 0);
    const auto preparo = kelvo::setup::PrepareEmbeddedDefault(ambiente.Path("data"), ambiente.Path("bin"),
                                                              kelvo::setup::ModuleMessageFile(), programaModulos);
    ASSERT_TRUE(preparo.failures.empty());
    std::string saida;
    int codigo = -1;
    ASSERT_EQ(platform::RunAndCapture({KELVO_VAULTIS, "-RegServer"}, saida, &codigo), platform::ERROR_SUCCESS);
    ASSERT_EQ(codigo, 0) << saida;
}

// The demo company's data folder of the document module (empty before PreparaVaultisDemo).
inline std::string PastaDemo() { return ZTGetDiretorioEmpresa(ZT_MODULO_GED, kelvo::setup::kDemoCompany).str(); }

}  // namespace kelvo::testing
