#include "server/thumbnail/thumbnail_extractor.h"

#include "platform/tests/support/test_environment.h"
#include "platform/win32_error.h"
#include "server/content/qd_arquivo_conteudo.h"
#include "server/tests/thumbnail_test_support.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using server::thumbnail::ThumbnailDib;
using namespace thumbnail_test;
using server::thumbnail::ExtractThumbnail;
using server::thumbnail::ThumbnailExtractor;
using server::thumbnail::ThumbnailExtractorFor;
using server::thumbnail::THUMBNAIL_E_UNDECODABLE;

TEST(ThumbnailExtractorFor, KindsFollowTheExtensionWithoutRegardToCase) {
    const ThumbnailExtractor* png = ThumbnailExtractorFor("a.png");
    const ThumbnailExtractor* jpeg = ThumbnailExtractorFor("a.jpg");
    const ThumbnailExtractor* bmp = ThumbnailExtractorFor("a.bmp");
    const ThumbnailExtractor* gif = ThumbnailExtractorFor("a.gif");
    const ThumbnailExtractor* tiff = ThumbnailExtractorFor("a.tif");
    const ThumbnailExtractor* pdf = ThumbnailExtractorFor("a.pdf");
    const ThumbnailExtractor* all[] = {png, jpeg, bmp, gif, tiff, pdf};
    for (std::size_t i = 0; i < std::size(all); ++i) {
        ASSERT_NE(all[i], nullptr) << i;
        // Each kind has its own extractor: a JPEG must not go to the PNG decoder.
        for (std::size_t j = 0; j < i; ++j) EXPECT_NE(all[i], all[j]) << i << " and " << j;
    }
    const struct {
        const char* name;
        const ThumbnailExtractor* expected;
    } cases[] = {
        {"0001000.PNG", png},
        {"x.JPEG", jpeg},
        {"x.jpe", jpeg},
        {"x.JpG", jpeg},
        {"x.TIFF", tiff},
        {"x.Tif", tiff},
        {"x.GIF", gif},
        {"x.BMP", bmp},
        {"x.PDF", pdf},
        {"/dados/Docs/0000001.pdf", pdf},
        // The last dot counts.
        {"scan.pdf.png", png},
        {"scan.png.txt", nullptr},
        // Kinds without an extractor.
        {"x.doc", nullptr},
        {"x.svg", nullptr},
        {"x.ico", nullptr},
        {"x.pngx", nullptr},
        {"x.pn", nullptr},
        {"x", nullptr},
        {"x.", nullptr},
        {"", nullptr},
        // A dot in a folder's name is no extension of the file.
        {"/dados/old.png/0000001", nullptr},
    };
    for (const auto& c : cases) EXPECT_EQ(ThumbnailExtractorFor(c.name), c.expected) << c.name;
}

class ExtractThumbnailTest : public ::testing::Test {
protected:
    std::string GoodPng() {
        const std::string path = env.Path("good.png");
        EXPECT_TRUE(SaveWithPixbuf(TwoBands(10, 10, kRed, kBlue), path, "png"));
        return path;
    }
    kelvo::testing::TestEnvironment env;
};

TEST_F(ExtractThumbnailTest, SizesOutsideOneToTheLargestSideAreInvalidArguments) {
    const std::string path = GoodPng();
    const tagSIZE bad[] = {{0, 10}, {10, 0}, {-5, -5}, {4096, 10}, {10, 4096}, {-2147483647 - 1, 10}};
    for (const tagSIZE& size : bad) {
        ThumbnailDib dib = thumbnail_test::StaleDib();
        EXPECT_EQ(ExtractThumbnail(path.c_str(), size, dib), platform::E_INVALIDARG) << size.cx << " x " << size.cy;
        EXPECT_TRUE(dib.empty());
    }
    ThumbnailDib dib;
    EXPECT_EQ(ExtractThumbnail(path.c_str(), {4095, 4095}, dib), platform::S_OK);
    EXPECT_EQ(DibReader(dib).Width(), 10);
    EXPECT_EQ(DibReader(dib).Height(), 10);
    EXPECT_EQ(ExtractThumbnail(path.c_str(), {4095, 1}, dib), platform::S_OK);
    EXPECT_EQ(DibReader(dib).Width(), 1);
    EXPECT_EQ(DibReader(dib).Height(), 1);
}

TEST_F(ExtractThumbnailTest, AKindWithoutAnExtractorIsNotImplemented) {
    for (const char* name : {"letter.doc", "notes.txt", "noextension"}) {
        const std::string path = env.Path(name);
        kelvo::testing::WriteFile(path, "content");
        ThumbnailDib dib = thumbnail_test::StaleDib();
        EXPECT_EQ(ExtractThumbnail(path.c_str(), {32, 32}, dib), platform::E_NOTIMPL) << name;
        EXPECT_TRUE(dib.empty());
    }
}

TEST_F(ExtractThumbnailTest, FilesThatCannotBeOpenedAnswerTheirFileError) {
    const std::string folder = env.Path("folder.png");
    std::filesystem::create_directories(folder);
    const struct {
        std::string path;
        platform::Win32Error error;
    } cases[] = {
        {env.Path("missing.png"), platform::ERROR_FILE_NOT_FOUND},
        // Whatever the kind: the caller must stop on a missing content, not leave a blank.
        {env.Path("missing.doc"), platform::ERROR_FILE_NOT_FOUND},
        {env.Path("no-folder/missing.pdf"), platform::ERROR_PATH_NOT_FOUND},
        {folder, platform::ERROR_ACCESS_DENIED},
    };
    for (const auto& c : cases) {
        ThumbnailDib dib = thumbnail_test::StaleDib();
        EXPECT_EQ(ExtractThumbnail(c.path.c_str(), {32, 32}, dib), platform::HResultFromWin32(c.error)) << c.path;
        EXPECT_TRUE(dib.empty());
    }
    ThumbnailDib dib;
    EXPECT_EQ(ExtractThumbnail(nullptr, {32, 32}, dib), platform::E_POINTER);
}

TEST_F(ExtractThumbnailTest, AContentBeingWrittenIsNotRead) {
    const std::string path = GoodPng();
    platform::File writer;
    ASSERT_EQ(QDAbreArquivoConteudo(path.c_str(), 'G', writer), platform::S_OK);
    ThumbnailDib dib;
    EXPECT_EQ(ExtractThumbnail(path.c_str(), {32, 32}, dib), platform::HResultFromWin32(platform::ERROR_SHARING_VIOLATION));
    writer.Close();
    EXPECT_EQ(ExtractThumbnail(path.c_str(), {32, 32}, dib), platform::S_OK);
}

TEST_F(ExtractThumbnailTest, OneDamagedContentLeavesTheOthersIntact) {
    // The caller goes on after an undecodable entry; the code it tests for is this one.
    const std::string bad = env.Path("bad.jpg");
    kelvo::testing::WriteFile(bad, "not a picture");
    const std::string good = GoodPng();
    ThumbnailDib first;
    ThumbnailDib second;
    EXPECT_EQ(static_cast<std::uint32_t>(ExtractThumbnail(bad.c_str(), {32, 32}, first)), 0x8004006Au);
    EXPECT_EQ(ExtractThumbnail(good.c_str(), {32, 32}, second), platform::S_OK);
    EXPECT_TRUE(first.empty());
    EXPECT_TRUE(DibReader(second).WellFormed());
    EXPECT_EQ(ExtractThumbnail(bad.c_str(), {32, 32}, first), THUMBNAIL_E_UNDECODABLE);
}

}  // namespace
