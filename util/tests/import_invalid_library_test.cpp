// The import routines beside a library of the import library's name that lacks its exports
// (the build puts it beside this test program).
#include "util/import/zt_importa.h"
#include "util/tests/import_test_support.h"

namespace kelvo::testing {
namespace {

using ImportInvalidLibrary = ImportTest;

// Without this the cases below could pass because no library was found at all.
TEST_F(ImportInvalidLibrary, TheLibraryBesideTheProgramLoads) {
    platform::Library library;
    EXPECT_EQ(library.Load("Imporix.dll"), platform::ERROR_SUCCESS);
}

// A missing export must be told apart from a missing library, and the library freed.
TEST_F(ImportInvalidLibrary, BothRoutinesReportTheLibraryInvalidAndFreeIt) {
    ZTImportaCFRT(1, "lista.txt", 2, 3);
    EXPECT_FALSE(ImportLibraryLoaded());
    ZTImportaMunicipios("lista.txt", 2, 3);
    EXPECT_FALSE(ImportLibraryLoaded());
    const ImportBox invalid = Box(kLibraryInvalid, platform::MB_ICONINFORMATION);
    EXPECT_EQ(interaction_.boxes, (std::vector<ImportBox>{invalid, invalid}));
}

}  // namespace
}  // namespace kelvo::testing
