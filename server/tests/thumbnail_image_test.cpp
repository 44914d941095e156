#include "server/thumbnail/thumbnail_image.h"

#include "platform/tests/support/test_environment.h"
#include "server/content/qd_arquivo_conteudo.h"
#include "server/tests/thumbnail_test_support.h"

#include <gdk-pixbuf/gdk-pixbuf.h>
#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

using server::thumbnail::ThumbnailDib;
using namespace thumbnail_test;
using server::thumbnail::DecodeImage;
using server::thumbnail::ExtractThumbnail;
using server::thumbnail::ImageDecodeResult;
using server::thumbnail::ImageKind;
using server::thumbnail::THUMBNAIL_E_UNDECODABLE;

// How one raster kind is written for the tests and how exactly its colours come back.
struct Kind {
    const char* extension;
    const char* loader;
    int tolerance;
    const ImageKind& image;
};
const Kind kKinds[] = {
    {"png", "png", 0, server::thumbnail::kPngImage},    {"jpg", "jpeg", 8, server::thumbnail::kJpegImage},
    {"bmp", "bmp", 0, server::thumbnail::kBmpImage},    {"gif", "gif", 0, server::thumbnail::kGifImage},
    {"tif", "tiff", 0, server::thumbnail::kTiffImage},
};

class ThumbnailImage : public ::testing::Test {
protected:
    // Writes `picture` as a file of `kind` (GIF by hand with red, blue, green, white as its colours).
    std::string Write(const Kind& kind, const Picture& picture, const std::string& stem = "picture") {
        const std::string path = env.Path(stem + "." + kind.extension);
        if (std::string(kind.loader) == "gif") {
            WriteBytes(path, GifBytes(picture.width, picture.height, kGifPalette, {GifIndices(picture)}));
        } else {
            EXPECT_TRUE(SaveWithPixbuf(picture, path, kind.loader));
        }
        return path;
    }

    static std::vector<std::uint8_t> GifIndices(const Picture& picture) {
        std::vector<std::uint8_t> indices;
        for (const Rgba& p : picture.pixels) {
            std::uint8_t index = 0;
            while (index < kGifPalette.size() && !(kGifPalette[index] == p)) ++index;
            indices.push_back(index);
        }
        return indices;
    }

    ImageDecodeResult Decode(const std::string& path, const ImageKind& kind, tagSIZE box, ThumbnailDib& dib) {
        platform::File file;
        EXPECT_EQ(QDAbreArquivoConteudo(path.c_str(), 'L', file), platform::S_OK);
        return DecodeImage(file, kind, box, dib);
    }

    inline static const std::vector<Rgba> kGifPalette{kRed, kBlue, kGreen, kWhite};
    kelvo::testing::TestEnvironment env;
};

TEST_F(ThumbnailImage, TheLoadersOfEveryRasterKindArePresent) {
    // A machine without one of these loaders would silently lose the previews of that kind.
    std::set<std::string> names;
    GSList* formats = gdk_pixbuf_get_formats();
    for (GSList* item = formats; item; item = item->next) {
        gchar* name = gdk_pixbuf_format_get_name(static_cast<GdkPixbufFormat*>(item->data));
        names.insert(name);
        g_free(name);
    }
    g_slist_free(formats);
    for (const Kind& kind : kKinds) EXPECT_TRUE(names.count(kind.loader)) << "no gdk-pixbuf loader " << kind.loader;
}

TEST_F(ThumbnailImage, EveryKindKeepsItsSizeRowOrderAndColours) {
    for (const Kind& kind : kKinds) {
        SCOPED_TRACE(kind.extension);
        const std::string path = Write(kind, TwoBands(40, 20, kRed, kBlue));
        ThumbnailDib dib;
        ASSERT_EQ(ExtractThumbnail(path.c_str(), {64, 64}, dib), platform::S_OK);
        const DibReader reader(dib);
        ASSERT_TRUE(reader.WellFormed());
        // Smaller than the box: kept at its own size.
        EXPECT_EQ(reader.Width(), 40);
        EXPECT_EQ(reader.Height(), 20);
        // Red on top, blue below: the first stored row is blue, bytes B, G, R.
        EXPECT_TRUE(ColourNear(reader.PixelFromTop(20, 0), kRed, kind.tolerance));
        EXPECT_TRUE(ColourNear(reader.PixelFromTop(20, 19), kBlue, kind.tolerance));
        EXPECT_GE(dib[56], 255 - kind.tolerance);  // blue byte of the bottom-left pixel
        EXPECT_LE(dib[58], kind.tolerance);        // its red byte
    }
}

TEST_F(ThumbnailImage, LargeImagesShrinkToTheBoxWithTheirAspect) {
    for (const Kind& kind : kKinds) {
        SCOPED_TRACE(kind.extension);
        const std::string path = Write(kind, TwoBands(300, 150, kBlue, kRed));
        ThumbnailDib dib;
        ASSERT_EQ(ExtractThumbnail(path.c_str(), {30, 60}, dib), platform::S_OK);
        const DibReader reader(dib);
        ASSERT_TRUE(reader.WellFormed());
        EXPECT_EQ(reader.Width(), 30);
        EXPECT_EQ(reader.Height(), 15);
        // Away from the seam the scaled colours stay those of the bands.
        EXPECT_TRUE(ColourNear(reader.PixelFromTop(15, 1), kBlue, kind.tolerance + 8));
        EXPECT_TRUE(ColourNear(reader.PixelFromTop(15, 13), kRed, kind.tolerance + 8));
    }
}

TEST_F(ThumbnailImage, TransparencyIsLaidOnWhite) {
    Picture picture = TwoBands(4, 2, kRed, kBlue);
    picture.At(0, 0) = {0, 0, 0, 0};
    picture.At(1, 0) = {255, 0, 0, 128};
    for (const char* format : {"png", "tiff"}) {
        SCOPED_TRACE(format);
        const std::string path = env.Path(std::string("alpha.") + format);
        ASSERT_TRUE(SaveWithPixbuf(picture, path, format));
        ThumbnailDib dib;
        ASSERT_EQ(ExtractThumbnail(path.c_str(), {16, 16}, dib), platform::S_OK);
        const DibReader reader(dib);
        ASSERT_TRUE(reader.WellFormed());
        EXPECT_EQ(reader.PixelFromTop(0, 0), kWhite);
        EXPECT_TRUE(ColourNear(reader.PixelFromTop(1, 0), Rgba{255, 127, 127, 255}, 1));
        EXPECT_EQ(reader.PixelFromTop(2, 0), kRed);
    }
}

TEST_F(ThumbnailImage, TiffAlphaOfEitherKindIsLaidOnWhite) {
    // libtiff hands both kinds back multiplied by alpha; taking that as plain colour darkens edges.
    Picture picture = TwoBands(4, 2, kRed, kBlue);
    picture.At(0, 0) = {0, 0, 0, 0};
    picture.At(1, 0) = {255, 0, 0, 128};
    picture.At(2, 0) = {0, 200, 0, 51};
    for (const std::uint16_t alpha : {1, 2}) {
        SCOPED_TRACE(alpha);
        const std::string path = env.Path("alpha" + std::to_string(alpha) + ".tif");
        WriteBytes(path, TiffBytes({TiffPageOf(picture, alpha)}));
        ThumbnailDib dib;
        ASSERT_EQ(ExtractThumbnail(path.c_str(), {16, 16}, dib), platform::S_OK);
        const DibReader reader(dib);
        ASSERT_TRUE(reader.WellFormed());
        EXPECT_EQ(reader.PixelFromTop(0, 0), kWhite);
        EXPECT_TRUE(ColourNear(reader.PixelFromTop(1, 0), Rgba{255, 127, 127, 255}, 1));
        EXPECT_TRUE(ColourNear(reader.PixelFromTop(2, 0), Rgba{204, 244, 204, 255}, 2));
        EXPECT_EQ(reader.PixelFromTop(3, 0), kRed);
        EXPECT_EQ(reader.PixelFromTop(3, 1), kBlue);
    }
}

TEST_F(ThumbnailImage, GifTransparentIndexShowsWhite) {
    const std::string path = env.Path("clear.gif");
    // Index 2 (green) is the transparent one.
    WriteBytes(path, GifBytes(2, 2, kGifPalette, {{2, 0, 1, 2}}, 2));
    ThumbnailDib dib;
    ASSERT_EQ(ExtractThumbnail(path.c_str(), {8, 8}, dib), platform::S_OK);
    const DibReader reader(dib);
    ASSERT_TRUE(reader.WellFormed());
    EXPECT_EQ(reader.PixelFromTop(0, 0), kWhite);
    EXPECT_EQ(reader.PixelFromTop(1, 0), kRed);
    EXPECT_EQ(reader.PixelFromTop(0, 1), kBlue);
    EXPECT_EQ(reader.PixelFromTop(1, 1), kWhite);
}

TEST_F(ThumbnailImage, AnimatedGifShowsItsFirstFrame) {
    const std::string path = env.Path("moving.gif");
    WriteBytes(path, GifBytes(2, 2, kGifPalette, {{0, 0, 0, 0}, {1, 1, 1, 1}}));
    ThumbnailDib dib;
    ASSERT_EQ(ExtractThumbnail(path.c_str(), {8, 8}, dib), platform::S_OK);
    const DibReader reader(dib);
    ASSERT_TRUE(reader.WellFormed());
    EXPECT_EQ(reader.PixelFromTop(0, 0), kRed);
    EXPECT_EQ(reader.PixelFromTop(1, 1), kRed);
}

TEST_F(ThumbnailImage, MultiPageTiffShowsItsFirstPage) {
    const std::string path = env.Path("pages.tiff");
    WriteBytes(path, TiffBytes({TiffPageOf(TwoBands(8, 4, kGreen, kRed)), TiffPageOf(TwoBands(4, 8, kBlue, kBlue))}));
    ThumbnailDib dib;
    ASSERT_EQ(ExtractThumbnail(path.c_str(), {16, 16}, dib), platform::S_OK);
    const DibReader reader(dib);
    ASSERT_TRUE(reader.WellFormed());
    EXPECT_EQ(reader.Width(), 8);
    EXPECT_EQ(reader.Height(), 4);
    EXPECT_EQ(reader.PixelFromTop(3, 0), kGreen);
    EXPECT_EQ(reader.PixelFromTop(3, 3), kRed);
}

// Where the stored top-left corner of a picture is shown, for the orientation marks of EXIF and
// TIFF.
enum class Corner { TopLeft, TopRight, BottomLeft, BottomRight };

// The colour just inside `corner` of the preview: an eighth of each side in from its edges.
Rgba NearCorner(const DibReader& reader, Corner corner) {
    const int inX = reader.Width() / 8;
    const int inY = reader.Height() / 8;
    const bool right = corner == Corner::TopRight || corner == Corner::BottomRight;
    const bool bottom = corner == Corner::BottomLeft || corner == Corner::BottomRight;
    return reader.PixelFromTop(right ? reader.Width() - 1 - inX : inX, bottom ? reader.Height() - 1 - inY : inY);
}

TEST_F(ThumbnailImage, PhotosAreShownAsTheirOrientationMarkSays) {
    // A wide picture, blue, with a red block in its stored top-left corner (a quarter of its width,
    // half its height).
    Picture picture = TwoBands(80, 40, kBlue, kBlue);
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 20; ++x) picture.At(x, y) = kRed;
    }
    const struct {
        std::uint16_t mark;
        tagSIZE box;
        tagSIZE shown;
        Corner red;
    } cases[] = {
        // A picture without a turn stays as it is stored.
        {1, {100, 100}, {80, 40}, Corner::TopLeft},
        {3, {100, 100}, {80, 40}, Corner::BottomRight},
        // The marks of a camera held on its side were ignored: the photo came out lying down.
        {6, {100, 100}, {40, 80}, Corner::TopRight},
        {8, {100, 100}, {40, 80}, Corner::BottomLeft},
        {5, {100, 100}, {40, 80}, Corner::TopLeft},
        // A turned picture is fitted to the box as shown, not as stored (that gave 15 x 30).
        {6, {30, 60}, {30, 60}, Corner::TopRight},
        {3, {30, 60}, {30, 15}, Corner::BottomRight},
    };
    const Kind& jpeg = kKinds[1];
    const Kind& tiff = kKinds[4];
    for (const auto& c : cases) {
        for (const Kind* kind : {&jpeg, &tiff}) {
            SCOPED_TRACE(std::string(kind->extension) + " mark " + std::to_string(c.mark) + " box " +
                         std::to_string(c.box.cx) + "x" + std::to_string(c.box.cy));
            const std::string path = env.Path("turned" + std::to_string(c.mark) + "." + kind->extension);
            if (kind == &jpeg) {
                WriteBytes(path, WithExifOrientation(ReadBytes(Write(*kind, picture, "upright")), c.mark));
            } else {
                TiffPage page = TiffPageOf(picture);
                page.orientation = c.mark;
                WriteBytes(path, TiffBytes({page}));
            }
            ThumbnailDib dib;
            ASSERT_EQ(ExtractThumbnail(path.c_str(), c.box, dib), platform::S_OK);
            const DibReader reader(dib);
            ASSERT_TRUE(reader.WellFormed());
            EXPECT_EQ(reader.Width(), c.shown.cx);
            EXPECT_EQ(reader.Height(), c.shown.cy);
            for (const Corner corner : {Corner::TopLeft, Corner::TopRight, Corner::BottomLeft, Corner::BottomRight}) {
                SCOPED_TRACE(static_cast<int>(corner));
                EXPECT_TRUE(ColourNear(NearCorner(reader, corner), corner == c.red ? kRed : kBlue, kind->tolerance + 8));
            }
        }
    }
}

TEST_F(ThumbnailImage, DamagedFilesAreUndecodable) {
    for (const Kind& kind : kKinds) {
        SCOPED_TRACE(kind.extension);
        const Bytes whole = ReadBytes(Write(kind, TwoBands(40, 20, kRed, kBlue), "whole"));
        ASSERT_GT(whole.size(), 40u);
        const struct {
            const char* name;
            Bytes bytes;
        } cases[] = {
            {"empty", {}},
            {"noise", Bytes(300, 0x5A)},
            // Cut in the middle of the pixels: a partial picture is not a preview.
            {"cut", Bytes(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(whole.size() / 2))},
            {"header", Bytes(whole.begin(), whole.begin() + 12)},
        };
        for (const auto& c : cases) {
            SCOPED_TRACE(c.name);
            const std::string path = env.Path(std::string(c.name) + "." + kind.extension);
            WriteBytes(path, c.bytes);
            ThumbnailDib dib = thumbnail_test::StaleDib();
            EXPECT_EQ(ExtractThumbnail(path.c_str(), {64, 64}, dib), THUMBNAIL_E_UNDECODABLE);
            EXPECT_TRUE(dib.empty());
        }
    }
}

TEST_F(ThumbnailImage, AFileIsDecodedAsTheKindItsNameSays) {
    // PNG bytes under a BMP name are not sniffed into the PNG decoder.
    const std::string png = Write(kKinds[0], TwoBands(4, 4, kRed, kBlue));
    const std::string bmp = env.Path("disguised.bmp");
    WriteBytes(bmp, ReadBytes(png));
    ThumbnailDib dib;
    EXPECT_EQ(ExtractThumbnail(bmp.c_str(), {16, 16}, dib), THUMBNAIL_E_UNDECODABLE);
}

// Patches a little- or big-endian number into a file's bytes.
void Patch(Bytes& bytes, std::size_t at, std::uint32_t value, int size, bool bigEndian) {
    for (int i = 0; i < size; ++i) {
        const int shift = 8 * (bigEndian ? size - 1 - i : i);
        bytes.at(at + i) = static_cast<std::uint8_t>(value >> shift);
    }
}

std::uint32_t Crc32(const std::uint8_t* data, std::size_t size) {
    std::uint32_t crc = 0xFFFFFFFFu;
    for (std::size_t i = 0; i < size; ++i) {
        crc ^= data[i];
        for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

// The file of `kind` whose header declares `side` x `side` pixels over the pixels of a tiny image.
Bytes DeclaringHugeSize(const Kind& kind, const Bytes& small, std::uint32_t side) {
    Bytes bytes = small;
    const std::string loader = kind.loader;
    if (loader == "png") {
        Patch(bytes, 16, side, 4, true);
        Patch(bytes, 20, side, 4, true);
        Patch(bytes, 29, Crc32(bytes.data() + 12, 17), 4, true);
    } else if (loader == "bmp") {
        Patch(bytes, 18, side, 4, false);
        Patch(bytes, 22, side, 4, false);
    } else if (loader == "gif") {
        Patch(bytes, 6, side, 2, false);
        Patch(bytes, 8, side, 2, false);
        Patch(bytes, 13 + 12 + 8 + 5, side, 2, false);  // the frame's own width and height
        Patch(bytes, 13 + 12 + 8 + 7, side, 2, false);
    } else if (loader == "jpeg") {
        for (std::size_t at = 2; at + 9 < bytes.size(); ++at) {
            if (bytes[at] == 0xFF && bytes[at + 1] == 0xC0) {
                Patch(bytes, at + 5, side, 2, true);
                Patch(bytes, at + 7, side, 2, true);
                break;
            }
        }
    }
    return bytes;
}

TEST_F(ThumbnailImage, AnAbsurdDeclaredSizeIsRefusedBeforeDecoding) {
    constexpr std::uint32_t kSide = 20000;  // 400 M pixels: 1.6 GB once decoded
    for (const Kind& kind : kKinds) {
        SCOPED_TRACE(kind.extension);
        Bytes bytes;
        if (std::string(kind.loader) == "tiff") {
            TiffPage page = TiffPageOf(TwoBands(4, 4, kRed, kBlue));
            page.width = page.height = kSide;
            bytes = TiffBytes({page});
        } else {
            bytes = DeclaringHugeSize(kind, ReadBytes(Write(kind, TwoBands(4, 4, kRed, kBlue))), kSide);
        }
        const std::string path = env.Path(std::string("huge.") + kind.extension);
        WriteBytes(path, bytes);
        ThumbnailDib dib;
        const ImageDecodeResult result = Decode(path, kind.image, {64, 64}, dib);
        EXPECT_EQ(result.hr, THUMBNAIL_E_UNDECODABLE);
        // The loader told the size before it decoded anything, and stopped once it was refused.
        EXPECT_EQ(result.declared.cx, static_cast<std::int32_t>(kSide));
        EXPECT_EQ(result.declared.cy, static_cast<std::int32_t>(kSide));
        EXPECT_FALSE(result.allocated);
        EXPECT_TRUE(dib.empty());
    }
}

TEST_F(ThumbnailImage, AMissingLoaderMeansNoExtractor) {
    const std::string path = Write(kKinds[0], TwoBands(4, 4, kRed, kBlue));
    ThumbnailDib dib = thumbnail_test::StaleDib();
    const ImageKind missing{"no-such-format", true, false};
    EXPECT_EQ(Decode(path, missing, {16, 16}, dib).hr, platform::E_NOTIMPL);
    EXPECT_TRUE(dib.empty());
}

TEST_F(ThumbnailImage, TheDeclaredSizeIsReportedForAGoodImage) {
    const std::string path = Write(kKinds[0], TwoBands(30, 10, kRed, kBlue));
    ThumbnailDib dib;
    const ImageDecodeResult result = Decode(path, server::thumbnail::kPngImage, {15, 15}, dib);
    ASSERT_EQ(result.hr, platform::S_OK);
    EXPECT_TRUE(result.allocated);
    EXPECT_EQ(result.declared.cx, 30);
    EXPECT_EQ(result.declared.cy, 10);
    EXPECT_EQ(DibReader(dib).Width(), 15);
    EXPECT_EQ(DibReader(dib).Height(), 5);
}

}  // namespace
