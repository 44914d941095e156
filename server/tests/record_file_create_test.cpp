#include "server/record_file/zt_arq_ex.h"

#include "platform/tests/support/test_environment.h"
#include "server/record_file/qd_arquivos.h"
#include "server/record_file/record_file_codes.h"
#include "server/tests/record_file_test_support.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

using namespace kelvo::testing;
namespace fs = std::filesystem;

namespace {

// The names the control list of `folder` holds, header excluded.
std::vector<std::string> ListedNames(const fs::path& folder) {
    const std::string content = ReadFile(folder / "ZTCTLARQ.DAT");
    std::vector<std::string> names;
    for (size_t offset = sizeof(ZT_CTLARQ_ARQ); offset + sizeof(ZT_CTLARQ_ARQ) <= content.size(); offset += sizeof(ZT_CTLARQ_ARQ)) {
        const std::string entry = content.substr(offset, sizeof(ZT_CTLARQ_ARQ));
        names.push_back(entry.substr(0, entry.find('\0')));
    }
    return names;
}

}  // namespace

// A new company folder: the first open creates the list (header plus one name) and the file
// with one zeroed header record, and the file then has no data records.
TEST(CZTArqExCreation, FirstOpenInANewFolderCreatesListAndFile) {
    TestEnvironment environment;
    FakeTicker ticker;
    CZTArqEx arquivo(ticker);
    ASSERT_EQ(arquivo.Open(environment.Path("QDDOC.DAT").c_str(), 'G', 256, true), 0);
    EXPECT_TRUE(arquivo.IsOpen());
    EXPECT_EQ(arquivo.RecordCount(), 0);
    arquivo.CloseEx();

    EXPECT_EQ(ReadFile(environment.Path("QDDOC.DAT")), std::string(256, '\0'));
    const std::string list = ReadFile(environment.Path("ZTCTLARQ.DAT"));
    ASSERT_EQ(list.size(), 64u);
    EXPECT_EQ(list.substr(0, 32), std::string(32, '\0'));
    EXPECT_EQ(list.substr(32), std::string("QDDOC.DAT") + std::string(23, '\0'));
    EXPECT_TRUE(ticker.sleeps.empty());
}

// A data file lost by hand must be reported, never silently replaced by an empty one.
TEST(CZTArqExCreation, DeletedListedFileIsReportedNotRecreated) {
    TestEnvironment environment;
    const std::string path = environment.Path("QDDOC.DAT");
    {
        CZTArqEx arquivo;
        ASSERT_EQ(arquivo.Open(path.c_str(), 'G', 256, true), 0);
        std::int32_t position = 0;
        const std::vector<char> record = Record(256, 'd');
        ASSERT_EQ(arquivo.WriteRecord(record.data(), position), 0);
    }
    fs::remove(path);

    CZTArqEx arquivo;
    EXPECT_EQ(arquivo.Open(path.c_str(), 'G', 256, true), ZT_ERR_ARQ_NAO_ENCONTRADO);
    EXPECT_FALSE(arquivo.IsOpen());
    EXPECT_FALSE(fs::exists(path));
    EXPECT_EQ(MarkedFile(), "QDDOC.DAT");
    EXPECT_EQ(MarkedUser(), "0");
    EXPECT_EQ(ListedNames(environment.Folder()), std::vector<std::string>{"QDDOC.DAT"});
}

// Each file of the folder gets one entry, upper-cased, however often it is opened.
TEST(CZTArqExCreation, EachCreatedFileIsListedOnceInUpperCase) {
    TestEnvironment environment;
    for (const char* name : {"qddoc.dat", "QDTPD.DAT", "qddoc.dat", "QDLOG.DAT"}) {
        CZTArqEx arquivo;
        ASSERT_EQ(arquivo.Open(environment.Path(name).c_str(), 'G', 8, true), 0) << name;
    }
    EXPECT_EQ(ListedNames(environment.Folder()), (std::vector<std::string>{"QDDOC.DAT", "QDTPD.DAT", "QDLOG.DAT"}));
}

// A name of 32 characters or more is listed by its first 32, so the list never overflows an entry.
TEST(CZTArqExCreation, LongNamesAreListedByTheirFirst32Characters) {
    TestEnvironment environment;
    const std::string name(40, 'A');
    {
        CZTArqEx arquivo;
        ASSERT_EQ(arquivo.Open(environment.Path(name).c_str(), 'G', 4, true), 0);
    }
    const std::string list = ReadFile(environment.Path("ZTCTLARQ.DAT"));
    ASSERT_EQ(list.size(), 64u);
    EXPECT_EQ(list.substr(32), std::string(32, 'A'));
    fs::remove(environment.Path(name));
    CZTArqEx again;
    EXPECT_EQ(again.Open(environment.Path(name).c_str(), 'G', 4, true), ZT_ERR_ARQ_NAO_ENCONTRADO);
}

// Without auto-create a missing file is 16055 and nothing appears on disk.
TEST(CZTArqExCreation, MissingFileWithoutAutoCreateIs16055) {
    TestEnvironment environment;
    CZTArqEx arquivo;
    EXPECT_EQ(arquivo.Open(environment.Path("QDTPD.DAT").c_str(), 'L', 128, false), ZT_ERR_ARQ_NAO_ENCONTRADO);
    EXPECT_FALSE(fs::exists(environment.Path("QDTPD.DAT")));
    EXPECT_FALSE(fs::exists(environment.Path("ZTCTLARQ.DAT")));
    EXPECT_EQ(MarkedFile(), "QDTPD.DAT");
}

// With the control list switched off the file is created but nothing is listed.
TEST(CZTArqExCreation, WithoutControlListTheFileIsCreatedUnlisted) {
    TestEnvironment environment;
    CZTArqEx arquivo;
    arquivo.SetUsaControle(false);
    ASSERT_EQ(arquivo.Open(environment.Path("QDTPD.DAT").c_str(), 'L', 128, true), 0);
    EXPECT_EQ(fs::file_size(environment.Path("QDTPD.DAT")), 128u);
    EXPECT_FALSE(fs::exists(environment.Path("ZTCTLARQ.DAT")));
}

// A list that another process already made is used as it is, never emptied.
TEST(CZTArqExCreation, ExistingListKeepsItsEntries) {
    TestEnvironment environment;
    WriteFile(environment.Path("ZTCTLARQ.DAT"), std::string(32, '\0') + "QDTPD.DAT" + std::string(23, '\0'));
    CZTArqEx arquivo;
    ASSERT_EQ(arquivo.Open(environment.Path("QDDOC.DAT").c_str(), 'G', 256, true), 0);
    EXPECT_EQ(ListedNames(environment.Folder()), (std::vector<std::string>{"QDTPD.DAT", "QDDOC.DAT"}));
    // And the file listed there but missing is reported.
    CZTArqEx listed;
    EXPECT_EQ(listed.Open(environment.Path("QDTPD.DAT").c_str(), 'G', 128, true), ZT_ERR_ARQ_NAO_ENCONTRADO);
}

// Creation clears the failure mark that named the same file, and leaves one naming another.
TEST(CZTArqExCreation, CreationClearsOnlyItsOwnFailureMark) {
    TestEnvironment environment;
    ZTMarcaFalhaArquivo(environment.Path("QDDOC.DAT").c_str());
    {
        CZTArqEx arquivo;
        ASSERT_EQ(arquivo.Open(environment.Path("QDDOC.DAT").c_str(), 'G', 256, true), 0);
    }
    EXPECT_EQ(MarkedFile(), " ");
    EXPECT_EQ(MarkedUser(), "0");

    ZTMarcaFalhaArquivo(environment.Path("QDLOG.DAT").c_str());
    CZTArqEx other;
    ASSERT_EQ(other.Open(environment.Path("QDTPD.DAT").c_str(), 'C', 128, false), 0);
    EXPECT_EQ(MarkedFile(), "QDLOG.DAT");
}

// Bad arguments are refused before anything is touched on disk.
TEST(CZTArqExCreation, BadArgumentsAreRefused) {
    TestEnvironment environment;
    struct Case {
        std::string path;
        char mode;
        std::uint32_t recordSize;
        int expected;
    };
    const Case cases[] = {
        {"", 'G', 8, ZT_ERR_ARQ_NOME_MODO},
        {environment.Path("QDDOC.DAT"), 'X', 8, ZT_ERR_ARQ_NOME_MODO},
        {environment.Path("QDDOC.DAT"), 'g', 8, ZT_ERR_ARQ_NOME_MODO},
        {environment.Path("QDDOC.DAT"), 'G', 0, ZT_ERR_ARQ_NOME_MODO},
        {environment.Path("sem-pasta/QDDOC.DAT"), 'G', 8, ZT_ERR_ARQ_CAMINHO},
        {environment.Path("sem-pasta/QDDOC.DAT"), 'C', 8, ZT_ERR_ARQ_CAMINHO},
        // The folder itself is no file to create: opening it is denied (retried, then 16080).
        {environment.Folder().string(), 'G', 8, ZT_ERR_ARQ_ACESSO_NEGADO},
        // A name that ends in the separator has no file name to create.
        {environment.Path("falta") + "/", 'G', 8, ZT_ERR_ARQ_FIM},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.path + " " + test.mode);
        FakeTicker ticker;
        CZTArqEx arquivo(ticker);
        EXPECT_EQ(arquivo.Open(test.path.c_str(), test.mode, test.recordSize, true), test.expected);
        EXPECT_FALSE(arquivo.IsOpen());
    }
    EXPECT_FALSE(fs::exists(environment.Path("QDDOC.DAT")));
    EXPECT_FALSE(fs::exists(environment.Path("ZTCTLARQ.DAT")));
}
