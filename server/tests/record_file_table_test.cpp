#include "server/record_file/qd_arquivos.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

struct ExpectedFile {
    const char* name;
    std::uint32_t recordSize;
};

// The module's files as the server's record layouts and every other server expect them.
constexpr ExpectedFile kExpected[] = {
    {"QDDOC.DAT", 256},    {"QDDOCUSU.DAT", 8},  {"QDDOCCMP.DAT", 64}, {"QDDOCDSC.DAT", 1},   {"QDVINDOC.DAT", 16},
    {"QDTPD.DAT", 128},    {"QDTPDUSU.DAT", 8},  {"QDTPDPRC.DAT", 8},  {"QDTPDCMP.DAT", 64},  {"QDLOCARQ.DAT", 160},
    {"QDLAQTPD.DAT", 8},   {"QDLOCMSC.DAT", 64}, {"QDMESTRE.DAT", 256}, {"QDLOG.DAT", 1},     {"QDDIST.DAT", 16},
    {"QDDISTIT.DAT", 4},   {"ZTCTLARQ.DAT", 32},
};

}  // namespace

// A wrong record size in the table would make every position of that file land in the wrong place.
TEST(QDArquivos, EveryFileHasItsRecordSize) {
    for (const ExpectedFile& file : kExpected) {
        SCOPED_TRACE(file.name);
        const QD_ARQUIVO_INFO* info = QDBuscaArquivo(file.name);
        ASSERT_NE(info, nullptr);
        EXPECT_EQ(info->nTamanhoRegistro, file.recordSize);
        EXPECT_EQ(QDTamanhoRegistro(file.name), file.recordSize);
    }
    EXPECT_EQ(std::size(QD_ARQUIVOS), std::size(kExpected));
}

// Two entries of one name would make the look-up depend on the order of the table.
TEST(QDArquivos, NamesAreUnique) {
    std::set<std::string> names;
    for (const QD_ARQUIVO_INFO& info : QD_ARQUIVOS) EXPECT_TRUE(names.insert(info.pszNome).second) << info.pszNome;
}

// An unknown or differently spelt name must not borrow another file's record size.
TEST(QDArquivos, UnknownNamesHaveNoEntry) {
    for (const char* name : {"", "QDDOC", "qddoc.dat", "QDDOC.TMP", "QDDOC.DAT "}) {
        EXPECT_EQ(QDBuscaArquivo(name), nullptr) << name;
        EXPECT_EQ(QDTamanhoRegistro(name), 0u) << name;
    }
}

// The control list's layout is bound to its file: the wrapper takes the name from the binding.
TEST(QDArquivos, ControlListLayoutIsBoundToItsFile) {
    EXPECT_STREQ(QDArquivoDoRegistro<ZT_CTLARQ_ARQ>::kNome, "ZTCTLARQ.DAT");
    EXPECT_EQ(sizeof(ZT_CTLARQ_ARQ), QDTamanhoRegistro(QDArquivoDoRegistro<ZT_CTLARQ_ARQ>::kNome));
}
