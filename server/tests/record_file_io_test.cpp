#include "server/record_file/zt_arq_ex.h"

#include "platform/tests/support/test_environment.h"
#include "server/record_file/record_file_codes.h"
#include "server/tests/record_file_test_support.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

using namespace kelvo::testing;
namespace fs = std::filesystem;

namespace {

constexpr std::uint32_t kR = 16;

class CZTArqExIo : public ::testing::Test {
protected:
    // Opens `name` in the scratch folder in mode 'G' with R = 16, creating it when missing.
    void OpenFile(CZTArqEx& arquivo, const char* name = "QDVINDOC.DAT") {
        path_ = environment_.Path(name);
        ASSERT_EQ(arquivo.Open(path_.c_str(), 'G', kR, true), 0);
    }
    // Appends a record of `fill`; its position.
    std::int32_t Append(CZTArqEx& arquivo, char fill) {
        std::int32_t position = 0;
        const std::vector<char> record = Record(kR, fill);
        EXPECT_EQ(arquivo.WriteRecord(record.data(), position), 0);
        return position;
    }

    TestEnvironment environment_;
    std::string path_;
};

}  // namespace

// The first append to a file holding only its header is record 1, not 0 (the header).
TEST_F(CZTArqExIo, AppendToHeaderOnlyFileIsPosition1) {
    CZTArqEx arquivo;
    OpenFile(arquivo);
    EXPECT_EQ(Append(arquivo, 'a'), 1);
    EXPECT_EQ(Append(arquivo, 'b'), 2);
    EXPECT_EQ(arquivo.RecordCount(), 2);
    EXPECT_EQ(ReadFile(path_), std::string(kR, '\0') + std::string(kR, 'a') + std::string(kR, 'b'));
}

// Position 0 reads the header; the position after the last record is past the end.
TEST_F(CZTArqExIo, HeaderIsRecord0AndCountPlusOneIsPastTheEnd) {
    CZTArqEx arquivo;
    OpenFile(arquivo);
    const std::string header = "cabecalho-16byte";
    ASSERT_EQ(arquivo.WriteHeader(header.data(), kR), 0);
    Append(arquivo, 'a');
    Append(arquivo, 'b');

    std::vector<char> buffer(kR, '?');
    ASSERT_EQ(arquivo.ReadRecord(0, buffer.data()), 0);
    EXPECT_EQ(std::string(buffer.begin(), buffer.end()), header);
    ASSERT_EQ(arquivo.ReadRecord(2, buffer.data()), 0);
    EXPECT_EQ(std::string(buffer.begin(), buffer.end()), std::string(kR, 'b'));
    EXPECT_EQ(arquivo.ReadRecord(static_cast<std::int32_t>(arquivo.RecordCount() + 1), buffer.data()), ZT_ERR_ARQ_FIM);
    EXPECT_EQ(arquivo.ReadRecord(-1, buffer.data()), ZT_ERR_ARQ_POSICIONAMENTO);
}

// Overwriting a record in place keeps every other record and the count.
TEST_F(CZTArqExIo, WriteAtAPositionOverwritesOnlyThatRecord) {
    CZTArqEx arquivo;
    OpenFile(arquivo);
    Append(arquivo, 'a');
    Append(arquivo, 'b');
    Append(arquivo, 'c');
    std::int32_t position = 2;
    const std::vector<char> record = Record(kR, 'X');
    ASSERT_EQ(arquivo.WriteRecord(record.data(), position), 0);
    EXPECT_EQ(position, 2);
    EXPECT_EQ(arquivo.RecordCount(), 3);
    EXPECT_EQ(ReadFile(path_), std::string(kR, '\0') + std::string(kR, 'a') + std::string(kR, 'X') + std::string(kR, 'c'));
}

// A file that ends in a torn record: an append must not return a position whose bytes overlap
// the partial record, and the partial record must not be read as if it were whole.
TEST_F(CZTArqExIo, PartialLastRecordIsNeitherReadNorOverlapped) {
    WriteFile(environment_.Path("QDVINDOC.DAT"), std::string(kR, '\0') + std::string(kR, 'a') + std::string(kR / 2, 't'));
    CZTArqEx arquivo;
    OpenFile(arquivo);
    EXPECT_EQ(arquivo.RecordCount(), 1);

    std::vector<char> buffer(kR, '?');
    EXPECT_EQ(arquivo.ReadRecord(2, buffer.data()), ZT_ERR_ARQ_FIM);
    EXPECT_EQ(MarkedFile(), "QDVINDOC.DAT");

    EXPECT_EQ(Append(arquivo, 'n'), 2);
    ASSERT_EQ(arquivo.ReadRecord(2, buffer.data()), 0);
    EXPECT_EQ(std::string(buffer.begin(), buffer.end()), std::string(kR, 'n'));
    EXPECT_EQ(fs::file_size(path_), 3 * kR);
    EXPECT_EQ(Append(arquivo, 'o'), 3);
}

// A file shorter than its header: the count is 0, never negative, and appends start at 1.
TEST_F(CZTArqExIo, FileShorterThanTheHeaderCountsZeroAndAppendsAt1) {
    for (const std::string& content : {std::string(), std::string(kR - 1, 'h')}) {
        SCOPED_TRACE(content.size());
        const std::string name = "curto" + std::to_string(content.size()) + ".DAT";
        WriteFile(environment_.Path(name), content);
        CZTArqEx arquivo;
        OpenFile(arquivo, name.c_str());
        EXPECT_EQ(arquivo.RecordCount(), 0);
        EXPECT_EQ(Append(arquivo, 'z'), 1);
        EXPECT_EQ(arquivo.RecordCount(), 1);
        std::vector<char> buffer(kR);
        ASSERT_EQ(arquivo.ReadRecord(1, buffer.data()), 0);
        EXPECT_EQ(std::string(buffer.begin(), buffer.end()), std::string(kR, 'z'));
    }
}

// A record file that cannot be opened counts no records rather than failing the caller's loop.
TEST_F(CZTArqExIo, UnopenableFileCountsZero) {
    CZTArqEx arquivo;
    EXPECT_EQ(arquivo.Open(environment_.Path("QDDOC.DAT").c_str(), 'L', kR, false), ZT_ERR_ARQ_NAO_ENCONTRADO);
    EXPECT_EQ(arquivo.RecordCount(), 0);
}

// A reader must not be able to write.
TEST_F(CZTArqExIo, ReadModeRefusesWrites) {
    {
        CZTArqEx creator;
        OpenFile(creator);
        Append(creator, 'a');
    }
    FakeTicker ticker;
    CZTArqEx reader(ticker);
    ASSERT_EQ(reader.Open(path_.c_str(), 'L', kR, false), 0);
    std::int32_t position = 1;
    const std::vector<char> record = Record(kR, 'X');
    EXPECT_EQ(reader.WriteRecord(record.data(), position), ZT_ERR_ARQ_ACESSO_NEGADO);
    EXPECT_EQ(ReadFile(path_), std::string(kR, '\0') + std::string(kR, 'a'));
}

// SeekEx: the end gives the length, the start 0, a byte inside the file is reached, one at or
// past the end is refused, and an unknown letter is refused without touching the file.
TEST_F(CZTArqExIo, SeekExMovesWithinTheFileOnly) {
    CZTArqEx arquivo;
    OpenFile(arquivo);
    Append(arquivo, 'a');
    std::int64_t result = -5;
    ASSERT_EQ(arquivo.SeekEx('F', 0, result), 0);
    EXPECT_EQ(result, 2 * kR);
    ASSERT_EQ(arquivo.SeekEx('I', 99, result), 0);
    EXPECT_EQ(result, 0);
    ASSERT_EQ(arquivo.SeekEx('P', kR + 3, result), 0);
    EXPECT_EQ(result, kR + 3);
    char byte = 0;
    ASSERT_EQ(arquivo.ReadBytes(1, &byte), 0);
    EXPECT_EQ(byte, 'a');
    EXPECT_EQ(arquivo.SeekEx('P', 2 * kR, result), ZT_ERR_ARQ_FIM);
    EXPECT_EQ(arquivo.SeekEx('P', -1, result), ZT_ERR_ARQ_POSICIONAMENTO);
    EXPECT_EQ(arquivo.SeekEx('X', 0, result), ZT_ERR_ARQ_NOME_MODO);
}

// ReadBytes gives 16021 when the file ends first; WriteBytes writes at the position once.
TEST_F(CZTArqExIo, RawBytesAtThePosition) {
    CZTArqEx arquivo;
    OpenFile(arquivo);
    std::int64_t result = 0;
    ASSERT_EQ(arquivo.SeekEx('P', 4, result), 0);
    ASSERT_EQ(arquivo.WriteBytes(3, "xyz"), 0);
    ASSERT_EQ(arquivo.SeekEx('P', 4, result), 0);
    char bytes[3] = {};
    ASSERT_EQ(arquivo.ReadBytes(3, bytes), 0);
    EXPECT_EQ(std::string(bytes, 3), "xyz");
    ASSERT_EQ(arquivo.SeekEx('P', kR - 2, result), 0);
    char tail[4] = {};
    EXPECT_EQ(arquivo.ReadBytes(4, tail), ZT_ERR_ARQ_FIM);
}

// SetLengthEx cuts the file there: a record read ahead into the cache before the cut must not be
// handed out after it, and the next append follows the cut.
TEST_F(CZTArqExIo, SetLengthExCutsPastTheCache) {
    FakeTicker ticker;  // the cache never ages while the test runs
    CZTArqEx arquivo(ticker);
    OpenFile(arquivo);
    for (const char fill : {'a', 'b', 'c'}) Append(arquivo, fill);
    std::vector<char> buffer(kR);
    ASSERT_EQ(arquivo.ReadRecord(1, buffer.data()), 0);

    ASSERT_EQ(arquivo.SetLengthEx(2 * kR), 0);
    EXPECT_EQ(fs::file_size(path_), 2 * kR);
    EXPECT_EQ(arquivo.ReadRecord(2, buffer.data()), ZT_ERR_ARQ_FIM);
    EXPECT_EQ(Append(arquivo, 'n'), 2);
}

// ReadOnce opens for reading only, reads one record and closes, so no handle is left behind.
TEST_F(CZTArqExIo, ReadOnceLeavesTheFileClosed) {
    {
        CZTArqEx creator;
        OpenFile(creator, "QDMESTRE.DAT");
        const std::string header(kR, 'p');
        ASSERT_EQ(creator.WriteHeader(header.data(), kR), 0);
    }
    CZTArqEx arquivo;
    std::vector<char> buffer(kR);
    ASSERT_EQ(arquivo.ReadOnce(path_.c_str(), 0, buffer.data(), kR), 0);
    EXPECT_EQ(std::string(buffer.begin(), buffer.end()), std::string(kR, 'p'));
    EXPECT_FALSE(arquivo.IsOpen());
    EXPECT_EQ(arquivo.GetModo(), 'L');
    EXPECT_EQ(arquivo.ReadOnce(environment_.Path("NADA.DAT").c_str(), 0, buffer.data(), kR), ZT_ERR_ARQ_NAO_ENCONTRADO);
    EXPECT_FALSE(fs::exists(environment_.Path("NADA.DAT")));
}

// Mode 'C' empties an existing file (and writes its share mode like 'G').
TEST_F(CZTArqExIo, CreateModeEmptiesTheFile) {
    WriteFile(environment_.Path("QDLOCARQ.V01"), std::string(3 * kR, 'v'));
    CZTArqEx arquivo;
    ASSERT_EQ(arquivo.Open(environment_.Path("QDLOCARQ.V01").c_str(), 'C', kR, false), 0);
    EXPECT_EQ(arquivo.RecordCount(), 0);
    EXPECT_EQ(fs::file_size(environment_.Path("QDLOCARQ.V01")), 0u);
}

// The destructor closes the file: another writer can open it at once afterwards.
TEST_F(CZTArqExIo, DestructorReleasesTheFile) {
    {
        CZTArqEx first;
        OpenFile(first);
    }
    FakeTicker ticker;
    CZTArqEx second(ticker);
    EXPECT_EQ(second.Open(path_.c_str(), 'G', kR, false), 0);
    EXPECT_TRUE(ticker.sleeps.empty());
}
