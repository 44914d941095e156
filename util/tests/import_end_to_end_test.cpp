// The import routines against the stand-in import library, which the build puts beside this
// test program.
#include "platform/tests/support/test_environment.h"
#include "util/import/zt_importa.h"
#include "util/tests/import_test_support.h"

#include <climits>
#include <filesystem>
#include <string>

namespace kelvo::testing {
namespace {

class ImportEndToEnd : public ImportTest {
protected:
    // A list file of `lines` lines in the scratch folder; returns its path.
    std::string WriteList(int lines) {
        std::string content;
        for (int i = 0; i < lines; ++i) content += "linha " + std::to_string(i) + "\n";
        const std::string path = env_.Path("lista.txt");
        WriteFile(path, content);
        return path;
    }
    std::string Log() const { return ReadFile(env_.Path("IMPORIX.LOG")); }

    TestEnvironment env_;
};

// The done message must come with the exclamation icon, and the library must have seen the
// arguments in their order.
TEST_F(ImportEndToEnd, MunicipalitiesDoneShowsSuccessAndPassesArgumentsInOrder) {
    const std::string list = WriteList(3);
    ZTImportaMunicipios(list.c_str(), 7, -5);
    EXPECT_EQ(interaction_.boxes, std::vector<ImportBox>{Box(kImportDone, platform::MB_ICONEXCLAMATION)});
    EXPECT_EQ(Log(), "FazImportacaoMunicipios;" + list + ";7;-5;3\n");
    // The library is freed before the routine returns.
    EXPECT_FALSE(ImportLibraryLoaded());
}

// Numbers at their bounds must arrive unchanged (no narrowing, no sign change of the 16-bit one).
TEST_F(ImportEndToEnd, MunicipalitiesNumbersArriveUnchangedAtTheirBounds) {
    struct Case {
        std::uint16_t n16;
        std::int32_t n32;
        const char* logged;
    };
    const Case cases[] = {
        {0, 0, ";0;0;1\n"},
        {65535, INT_MAX, ";65535;2147483647;1\n"},
        {32768, INT_MIN, ";32768;-2147483648;1\n"},
    };
    const std::string list = WriteList(1);
    for (const auto& c : cases) {
        std::filesystem::remove(env_.Path("IMPORIX.LOG"));
        ZTImportaMunicipios(list.c_str(), c.n16, c.n32);
        EXPECT_EQ(Log(), "FazImportacaoMunicipios;" + list + c.logged);
    }
    EXPECT_EQ(interaction_.boxes.size(), std::size(cases));
}

// A list that cannot be read must be reported as a read/write failure, not as done.
TEST_F(ImportEndToEnd, MunicipalitiesUnreadableListShowsReadWriteFailure) {
    const std::string missing = env_.Path("nao_existe.txt");
    ZTImportaMunicipios(missing.c_str(), 1, 2);
    ZTImportaMunicipios(nullptr, 1, 2);
    const ImportBox failed = Box(kImportFailed, platform::MB_ICONINFORMATION);
    EXPECT_EQ(interaction_.boxes, (std::vector<ImportBox>{failed, failed}));
    EXPECT_FALSE(std::filesystem::exists(env_.Path("IMPORIX.LOG")));
    EXPECT_FALSE(ImportLibraryLoaded());
}

// A log that cannot be written is the write half of the failure.
TEST_F(ImportEndToEnd, MunicipalitiesUnwritableLogShowsReadWriteFailure) {
    const std::string list = WriteList(2);
    std::filesystem::create_directory(env_.Path("IMPORIX.LOG"));
    ZTImportaMunicipios(list.c_str(), 1, 2);
    EXPECT_EQ(interaction_.boxes, std::vector<ImportBox>{Box(kImportFailed, platform::MB_ICONINFORMATION)});
}

// The tax-code import runs the other export with the flag first, and shows nothing on success.
TEST_F(ImportEndToEnd, TaxCodesPassFlagAndArgumentsInOrderAndShowNothing) {
    const std::string list = WriteList(4);
    ZTImportaCFRT(255, list.c_str(), 65535, INT_MIN);
    ZTImportaCFRT(0, list.c_str(), 1, 2);
    EXPECT_EQ(Log(), "FazImportacaoCFRT;255;" + list + ";65535;-2147483648;4\n" +
                         "FazImportacaoCFRT;0;" + list + ";1;2;4\n");
    EXPECT_TRUE(interaction_.boxes.empty());
    EXPECT_FALSE(ImportLibraryLoaded());
}

// The tax-code import ignores the library's result: a failed import shows no box.
TEST_F(ImportEndToEnd, TaxCodesFailureShowsNothing) {
    const std::string missing = env_.Path("nao_existe.txt");
    ZTImportaCFRT(1, missing.c_str(), 1, 2);
    EXPECT_TRUE(interaction_.boxes.empty());
    EXPECT_FALSE(std::filesystem::exists(env_.Path("IMPORIX.LOG")));
    EXPECT_FALSE(ImportLibraryLoaded());
}

}  // namespace
}  // namespace kelvo::testing
