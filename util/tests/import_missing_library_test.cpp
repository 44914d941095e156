// The import routines in a program whose folder holds no import library.
#include "util/import/zt_importa.h"
#include "util/tests/import_test_support.h"

namespace kelvo::testing {
namespace {

using ImportMissingLibrary = ImportTest;

// Without this the cases below would test nothing if a library had been left here.
TEST_F(ImportMissingLibrary, NoLibraryIsBesideTheProgram) {
    platform::HMODULE module = nullptr;
    EXPECT_EQ(platform::LoadLibrary("Imporix.dll", module), platform::ERROR_MOD_NOT_FOUND);
}

// A missing library must be reported once per call, as not found, and nothing else attempted.
TEST_F(ImportMissingLibrary, BothRoutinesReportTheLibraryNotFound) {
    ZTImportaCFRT(1, "lista.txt", 2, 3);
    ZTImportaMunicipios("lista.txt", 2, 3);
    const ImportBox missing = Box(kLibraryMissing, platform::MB_ICONINFORMATION);
    EXPECT_EQ(interaction_.boxes, (std::vector<ImportBox>{missing, missing}));
}

}  // namespace
}  // namespace kelvo::testing
