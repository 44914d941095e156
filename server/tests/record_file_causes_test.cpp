#include "server/record_file/zt_arq_causas.h"

#include "server/record_file/record_file_codes.h"

#include <gtest/gtest.h>

using platform::FileException;

namespace {

constexpr FileException::Cause kCauses[] = {
    FileException::none,          FileException::genericException, FileException::fileNotFound,
    FileException::badPath,       FileException::tooManyOpenFiles, FileException::accessDenied,
    FileException::invalidFile,   FileException::removeCurrentDir, FileException::directoryFull,
    FileException::badSeek,       FileException::hardIO,           FileException::sharingViolation,
    FileException::lockViolation, FileException::diskFull,         FileException::endOfFile,
};

struct Row {
    FileException::Cause cause;
    int beforeLast;  // 0 = try again
    int onLast;
};

// Every cause an operation does not name gets `otherwise`.
void ExpectTable(ZTOperacaoArq operation, std::initializer_list<Row> rows, int otherwise) {
    for (const FileException::Cause cause : kCauses) {
        SCOPED_TRACE(static_cast<int>(cause));
        int beforeLast = otherwise;
        int onLast = otherwise;
        for (const Row& row : rows) {
            if (row.cause != cause) continue;
            beforeLast = row.beforeLast;
            onLast = row.onLast;
        }
        EXPECT_EQ(ZTCodigoCausaArq(operation, cause, false), beforeLast);
        EXPECT_EQ(ZTCodigoCausaArq(operation, cause, true), onLast);
    }
}

}  // namespace

// An open that gave up early on a transient cause, or retried a hopeless one, breaks busy folders.
TEST(ZTCodigoCausaArq, OpenRetriesTransientCausesUntilTheLastAttempt) {
    ExpectTable(ZTOperacaoArq::Abertura,
                {
                    {FileException::badPath, 16063, 16063},
                    {FileException::invalidFile, 16098, 16098},
                    {FileException::directoryFull, 16101, 16101},
                    {FileException::tooManyOpenFiles, 0, 16071},
                    {FileException::accessDenied, 0, 16080},
                    {FileException::sharingViolation, 0, 16110},
                    {FileException::lockViolation, 0, 16128},
                    {FileException::diskFull, 0, 16136},
                },
                0);
}

// The read-only attribute turns only an open's access denial into 16081.
TEST(ZTCodigoCausaArq, ReadOnlyFileDeniedOnTheLastOpenIs16081) {
    EXPECT_EQ(ZTCodigoCausaArq(ZTOperacaoArq::Abertura, FileException::accessDenied, true, true), 16081);
    EXPECT_EQ(ZTCodigoCausaArq(ZTOperacaoArq::Abertura, FileException::accessDenied, false, true), 0);
    EXPECT_EQ(ZTCodigoCausaArq(ZTOperacaoArq::Abertura, FileException::sharingViolation, true, true), 16110);
    EXPECT_EQ(ZTCodigoCausaArq(ZTOperacaoArq::Gravacao, FileException::accessDenied, true, true), 16080);
    EXPECT_EQ(ZTCodigoCausaArq(ZTOperacaoArq::Leitura, FileException::accessDenied, true, true), 16080);
}

// Reads are never retried: every cause has its code at once.
TEST(ZTCodigoCausaArq, ReadsAnswerAtOnce) {
    const std::initializer_list<Row> rows = {
        {FileException::endOfFile, 16021, 16021},     {FileException::badSeek, 16012, 16012},
        {FileException::hardIO, 16039, 16039},        {FileException::accessDenied, 16080, 16080},
        {FileException::invalidFile, 16098, 16098},   {FileException::sharingViolation, 16110, 16110},
        {FileException::lockViolation, 16128, 16128},
    };
    ExpectTable(ZTOperacaoArq::Leitura, rows, 16144);
}

// A write retries only what another process may be causing for a moment.
TEST(ZTCodigoCausaArq, WritesRetryOnlyTransientCauses) {
    ExpectTable(ZTOperacaoArq::Gravacao,
                {
                    {FileException::badSeek, 16012, 16012},
                    {FileException::hardIO, 16039, 16039},
                    {FileException::fileNotFound, 16055, 16055},
                    {FileException::badPath, 16063, 16063},
                    {FileException::invalidFile, 16098, 16098},
                    {FileException::accessDenied, 0, 16080},
                    {FileException::sharingViolation, 0, 16110},
                    {FileException::lockViolation, 0, 16128},
                    {FileException::diskFull, 0, 16136},
                },
                0);
}

// A close has no seek or end-of-file codes of its own.
TEST(ZTCodigoCausaArq, ClosesMapLikeReadsWithoutSeekCodes) {
    ExpectTable(ZTOperacaoArq::Fechamento,
                {
                    {FileException::hardIO, 16039, 16039},
                    {FileException::accessDenied, 16080, 16080},
                    {FileException::invalidFile, 16098, 16098},
                    {FileException::sharingViolation, 16110, 16110},
                    {FileException::lockViolation, 16128, 16128},
                },
                16144);
}
