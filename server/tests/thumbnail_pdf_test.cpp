#include "server/thumbnail/thumbnail_pdf.h"

#include "platform/tests/support/test_environment.h"
#include "server/tests/thumbnail_test_support.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using server::thumbnail::ThumbnailDib;
using namespace thumbnail_test;
using server::thumbnail::ExtractThumbnail;
using server::thumbnail::THUMBNAIL_E_UNDECODABLE;

// Antialiasing may soften a pixel or two at the edges; inside the bands colours are exact.
constexpr int kTolerance = 2;

class ThumbnailPdf : public ::testing::Test {
protected:
    std::string Write(const std::string& name, const std::string& pdf) {
        const std::string path = env.Path(name);
        kelvo::testing::WriteFile(path, pdf);
        return path;
    }

    // A 100 x 200 point page, red on its upper half and blue on its lower half.
    static PdfPage RedOverBlue() {
        PdfPage page;
        page.content = TwoBandContent(100, 200, "1 0 0", "0 0 1");
        return page;
    }

    kelvo::testing::TestEnvironment env;
};

TEST_F(ThumbnailPdf, FirstPageFitsTheBoxWithRowsBottomUp) {
    const std::string path = Write("page.pdf", PdfBytes(RedOverBlue()));
    ThumbnailDib dib;
    ASSERT_EQ(ExtractThumbnail(path.c_str(), {50, 50}, dib), platform::S_OK);
    const DibReader reader(dib);
    ASSERT_TRUE(reader.WellFormed());
    EXPECT_EQ(reader.Width(), 25);
    EXPECT_EQ(reader.Height(), 50);
    EXPECT_TRUE(ColourNear(reader.PixelFromTop(12, 2), kRed, kTolerance));
    EXPECT_TRUE(ColourNear(reader.PixelFromTop(12, 47), kBlue, kTolerance));
    // The first stored row is the page's bottom: blue, stored as B, G, R, A.
    EXPECT_GE(dib[56 + 4 * 12], 255 - kTolerance);
    EXPECT_LE(dib[56 + 4 * 12 + 2], kTolerance);
    EXPECT_EQ(dib[56 + 4 * 12 + 3], 255);
}

// Guards the seams of a page drawn in bands of rows: a band put at the wrong rows, or one left
// out, shows as a row of the wrong colour or of bare white paper.
TEST_F(ThumbnailPdf, APageTallerThanOneBandIsDrawnWhole) {
    const std::string path = Write("page.pdf", PdfBytes(RedOverBlue()));
    ThumbnailDib dib;
    ASSERT_EQ(ExtractThumbnail(path.c_str(), {400, 600}, dib), platform::S_OK);
    const DibReader reader(dib);
    ASSERT_TRUE(reader.WellFormed());
    ASSERT_EQ(reader.Height(), 600);
    for (int y = 0; y < reader.Height(); ++y) {
        if (y == 299 || y == 300) continue;  // the edge between the halves may be softened
        ASSERT_TRUE(ColourNear(reader.PixelFromTop(150, y), y < 300 ? kRed : kBlue, kTolerance)) << "row " << y;
    }
}

TEST_F(ThumbnailPdf, APageIsDrawnToFillALargerBox) {
    // A page has no pixel size; it is drawn as large as the box allows.
    const std::string path = Write("page.pdf", PdfBytes(RedOverBlue()));
    ThumbnailDib dib;
    ASSERT_EQ(ExtractThumbnail(path.c_str(), {400, 300}, dib), platform::S_OK);
    const DibReader reader(dib);
    ASSERT_TRUE(reader.WellFormed());
    EXPECT_EQ(reader.Width(), 150);
    EXPECT_EQ(reader.Height(), 300);
    // The page fills the bitmap to its edges: no paper border on any side.
    EXPECT_TRUE(ColourNear(reader.PixelFromTop(0, 0), kRed, kTolerance));
    EXPECT_TRUE(ColourNear(reader.PixelFromTop(149, 0), kRed, kTolerance));
    EXPECT_TRUE(ColourNear(reader.PixelFromTop(0, 299), kBlue, kTolerance));
    EXPECT_TRUE(ColourNear(reader.PixelFromTop(149, 299), kBlue, kTolerance));
}

TEST_F(ThumbnailPdf, TheCropBoxIsWhatIsShown) {
    PdfPage page = RedOverBlue();
    page.cropBox = "0 100 100 200";  // only the red upper half
    const std::string path = Write("cropped.pdf", PdfBytes(page));
    ThumbnailDib dib;
    ASSERT_EQ(ExtractThumbnail(path.c_str(), {40, 40}, dib), platform::S_OK);
    const DibReader reader(dib);
    ASSERT_TRUE(reader.WellFormed());
    EXPECT_EQ(reader.Width(), 40);
    EXPECT_EQ(reader.Height(), 40);
    EXPECT_TRUE(ColourNear(reader.PixelFromTop(20, 38), kRed, kTolerance));
}

TEST_F(ThumbnailPdf, APageTurnedAQuarterIsShownTurned) {
    PdfPage page = RedOverBlue();
    page.rotate = 90;
    const std::string path = Write("turned.pdf", PdfBytes(page));
    ThumbnailDib dib;
    ASSERT_EQ(ExtractThumbnail(path.c_str(), {50, 50}, dib), platform::S_OK);
    const DibReader reader(dib);
    ASSERT_TRUE(reader.WellFormed());
    EXPECT_EQ(reader.Width(), 50);
    EXPECT_EQ(reader.Height(), 25);
    // Turned clockwise, the page's top (red) is on the right.
    EXPECT_TRUE(ColourNear(reader.PixelFromTop(47, 12), kRed, kTolerance));
    EXPECT_TRUE(ColourNear(reader.PixelFromTop(2, 12), kBlue, kTolerance));
}

TEST_F(ThumbnailPdf, ThePaperIsWhite) {
    PdfPage page;
    page.content = "0 1 0 rg 40 90 20 20 re f\n";
    const std::string path = Write("mostly-blank.pdf", PdfBytes(page));
    ThumbnailDib dib;
    ASSERT_EQ(ExtractThumbnail(path.c_str(), {100, 200}, dib), platform::S_OK);
    const DibReader reader(dib);
    ASSERT_TRUE(reader.WellFormed());
    EXPECT_EQ(reader.PixelFromTop(0, 0), kWhite);
    EXPECT_EQ(reader.PixelFromTop(99, 199), kWhite);
    EXPECT_TRUE(ColourNear(reader.PixelFromTop(50, 100), kGreen, kTolerance));
}

TEST_F(ThumbnailPdf, DocumentsWithoutAShowablePageAreUndecodable) {
    const std::string whole = PdfBytes(RedOverBlue());
    PdfPage locked = RedOverBlue();
    locked.encrypted = true;
    PdfPage empty = RedOverBlue();
    empty.noPage = true;
    PdfPage sliver = RedOverBlue();
    sliver.mediaBox = "0 0 100 0.5";
    const struct {
        const char* name;
        std::string bytes;
    } cases[] = {
        {"empty", ""},
        {"noise", std::string(500, 'Q')},
        {"header only", "%PDF-1.4\n"},
        // Cut before the page tree: nothing can be rebuilt.
        {"cut", whole.substr(0, 60)},
        // A user password that is not empty: the document opens locked.
        {"locked", PdfBytes(locked)},
        {"no page", PdfBytes(empty)},
        // Half a point high is no page to show.
        {"sliver", PdfBytes(sliver)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = Write("bad.pdf", c.bytes);
        ThumbnailDib dib = thumbnail_test::StaleDib();
        EXPECT_EQ(ExtractThumbnail(path.c_str(), {64, 64}, dib), THUMBNAIL_E_UNDECODABLE);
        EXPECT_TRUE(dib.empty());
    }
}

TEST_F(ThumbnailPdf, AnAccentedFileNameIsFound) {
    // Paths are Windows-1252 in the system and UTF-8 on the disk.
    const std::string utf8 = env.Path("relat\xC3\xB3rio.pdf");
    kelvo::testing::WriteFile(utf8, PdfBytes(RedOverBlue()));
    const std::string ansi = env.Path("relat\xF3rio.pdf");
    ThumbnailDib dib;
    EXPECT_EQ(ExtractThumbnail(ansi.c_str(), {20, 20}, dib), platform::S_OK);
    EXPECT_TRUE(DibReader(dib).WellFormed());
}

}  // namespace
