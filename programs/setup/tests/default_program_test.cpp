// The set-up program as built: it records as the module's folder the one folder the build puts
// every program in, so that the programs find and start one another there.
#include "platform/system/process_spawn.h"
#include "platform/tests/support/test_environment.h"
#include "util/config/folders.h"
#include "util/config/module_table.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace {

namespace fs = std::filesystem;

std::string PastaDe(const char* programa) { return fs::path(programa).parent_path().string() + "/"; }

// The folder recorded is where the server and the set-up program themselves lie (a build that
// scatters the programs over their source folders, or a default that records another folder,
// fails).
TEST(DefaultProgram, RecordsTheFolderEveryProgramLandsIn) {
    kelvo::testing::TestEnvironment ambiente;
    std::string saida;
    int codigo = -1;
    ASSERT_EQ(platform::RunAndCapture({KELVO_DEFAULT, ambiente.Path("dados")}, saida, &codigo), 0u);
    ASSERT_EQ(codigo, 0) << saida;
    EXPECT_EQ(PastaDe(KELVO_VAULTIS), PastaDe(KELVO_DEFAULT));
    EXPECT_EQ(ZTGetDiretorioModulo(ZT_MODULO_GED), PastaDe(KELVO_VAULTIS));
}

}  // namespace
