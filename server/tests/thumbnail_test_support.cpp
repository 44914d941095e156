#include "server/tests/thumbnail_test_support.h"

#include <gdk-pixbuf/gdk-pixbuf.h>

#include <cstdio>
#include <fstream>
#include <iterator>

namespace thumbnail_test {

namespace {

void PutU16(Bytes& out, std::uint32_t value) {
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void PutU32(Bytes& out, std::uint32_t value) {
    PutU16(out, value & 0xFFFF);
    PutU16(out, value >> 16);
}

// Packs GIF codes of three bits, least significant bit first.
class BitWriter {
public:
    void Put(unsigned code) {
        for (int bit = 0; bit < 3; ++bit) {
            if (used_ == 0) bytes_.push_back(0);
            if (code & (1u << bit)) bytes_.back() |= static_cast<std::uint8_t>(1u << used_);
            used_ = (used_ + 1) % 8;
        }
    }
    [[nodiscard]] const Bytes& bytes() const { return bytes_; }

private:
    Bytes bytes_;
    int used_ = 0;
};

// LZW data with a minimum code size of 2 that only ever sends literal codes: a clear code before
// every pair keeps the table from growing, so every code stays three bits wide.
Bytes GifImageData(const std::vector<std::uint8_t>& indices) {
    constexpr unsigned kClear = 4;
    constexpr unsigned kEnd = 5;
    BitWriter bits;
    for (std::size_t i = 0; i < indices.size(); ++i) {
        if (i % 2 == 0) bits.Put(kClear);
        bits.Put(indices[i] & 3u);
    }
    bits.Put(kEnd);
    Bytes out{2};
    const Bytes& packed = bits.bytes();
    for (std::size_t at = 0; at < packed.size(); at += 255) {
        const std::size_t n = std::min<std::size_t>(255, packed.size() - at);
        out.push_back(static_cast<std::uint8_t>(n));
        out.insert(out.end(), packed.begin() + static_cast<std::ptrdiff_t>(at), packed.begin() + static_cast<std::ptrdiff_t>(at + n));
    }
    out.push_back(0);
    return out;
}

void PutTiffEntry(Bytes& out, std::uint16_t tag, std::uint16_t type, std::uint32_t count, std::uint32_t value) {
    PutU16(out, tag);
    PutU16(out, type);
    PutU32(out, count);
    PutU32(out, value);
}

}  // namespace

std::ostream& operator<<(std::ostream& out, const Rgba& colour) {
    return out << "(" << int{colour.r} << "," << int{colour.g} << "," << int{colour.b} << "," << int{colour.a} << ")";
}

::testing::AssertionResult ColourNear(const Rgba& actual, const Rgba& expected, int tolerance) {
    const auto near = [tolerance](int a, int b) { return a - b <= tolerance && b - a <= tolerance; };
    if (near(actual.r, expected.r) && near(actual.g, expected.g) && near(actual.b, expected.b) &&
        near(actual.a, expected.a)) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << actual << " is not within " << tolerance << " of " << expected;
}

bool Picture::HasAlpha() const {
    for (const Rgba& p : pixels) {
        if (p.a != 255) return true;
    }
    return false;
}

Picture TwoBands(int width, int height, Rgba top, Rgba bottom) {
    Picture picture{width, height, std::vector<Rgba>(static_cast<std::size_t>(width) * height)};
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) picture.At(x, y) = y < height / 2 ? top : bottom;
    }
    return picture;
}

bool SaveWithPixbuf(const Picture& picture, const std::filesystem::path& path, const char* format) {
    const bool alpha = picture.HasAlpha();
    GdkPixbuf* pixbuf = gdk_pixbuf_new(GDK_COLORSPACE_RGB, alpha, 8, picture.width, picture.height);
    if (!pixbuf) return false;
    guchar* pixels = gdk_pixbuf_get_pixels(pixbuf);
    const int stride = gdk_pixbuf_get_rowstride(pixbuf);
    const int channels = gdk_pixbuf_get_n_channels(pixbuf);
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            const Rgba& p = picture.pixels[static_cast<std::size_t>(y) * picture.width + x];
            guchar* q = pixels + y * stride + x * channels;
            q[0] = p.r;
            q[1] = p.g;
            q[2] = p.b;
            if (alpha) q[3] = p.a;
        }
    }
    char quality[] = "quality";
    char best[] = "100";
    char* keys[] = {quality, nullptr};
    char* values[] = {best, nullptr};
    const bool jpeg = std::string(format) == "jpeg";
    GError* error = nullptr;
    const bool saved = gdk_pixbuf_savev(pixbuf, path.c_str(), format, jpeg ? keys : nullptr, jpeg ? values : nullptr, &error);
    if (error) {
        ADD_FAILURE() << "saving " << format << ": " << error->message;
        g_error_free(error);
    }
    g_object_unref(pixbuf);
    return saved;
}

Bytes GifBytes(int width, int height, const std::vector<Rgba>& palette,
               const std::vector<std::vector<std::uint8_t>>& frames, int transparent) {
    Bytes out{'G', 'I', 'F', '8', '9', 'a'};
    PutU16(out, static_cast<std::uint32_t>(width));
    PutU16(out, static_cast<std::uint32_t>(height));
    out.insert(out.end(), {0x81, 0, 0});  // a global table of 2^(1+1) colours
    for (std::size_t i = 0; i < 4; ++i) {
        const Rgba c = i < palette.size() ? palette[i] : Rgba{0, 0, 0, 255};
        out.insert(out.end(), {c.r, c.g, c.b});
    }
    for (const auto& frame : frames) {
        // Graphic control: keep the frame (disposal 1), a tenth of a second, the transparency.
        const std::uint8_t flags = static_cast<std::uint8_t>(0x04 | (transparent >= 0 ? 1 : 0));
        out.insert(out.end(), {0x21, 0xF9, 0x04, flags, 10, 0, static_cast<std::uint8_t>(transparent >= 0 ? transparent : 0), 0});
        out.push_back(0x2C);
        PutU16(out, 0);
        PutU16(out, 0);
        PutU16(out, static_cast<std::uint32_t>(width));
        PutU16(out, static_cast<std::uint32_t>(height));
        out.push_back(0);
        const Bytes data = GifImageData(frame);
        out.insert(out.end(), data.begin(), data.end());
    }
    out.push_back(0x3B);
    return out;
}

Bytes WithExifOrientation(const Bytes& jpeg, std::uint16_t orientation) {
    constexpr std::uint16_t kShort = 3;
    // A little-endian TIFF structure whose one directory holds one entry: Orientation.
    Bytes exif{'E', 'x', 'i', 'f', 0, 0, 'I', 'I', 42, 0};
    PutU32(exif, 8);
    PutU16(exif, 1);
    PutTiffEntry(exif, 274, kShort, 1, orientation);
    PutU32(exif, 0);
    const std::size_t length = exif.size() + 2;  // the APP1 length counts its own two bytes
    Bytes out(jpeg.begin(), jpeg.begin() + 2);  // the start-of-image marker
    out.insert(out.end(), {0xFF, 0xE1, static_cast<std::uint8_t>(length >> 8), static_cast<std::uint8_t>(length)});
    out.insert(out.end(), exif.begin(), exif.end());
    out.insert(out.end(), jpeg.begin() + 2, jpeg.end());
    return out;
}

TiffPage TiffPageOf(const Picture& picture, std::uint16_t alpha) {
    TiffPage page{static_cast<std::uint32_t>(picture.width), static_cast<std::uint32_t>(picture.height), {}, alpha};
    for (const Rgba& p : picture.pixels) {
        if (alpha == 0) {
            page.samples.insert(page.samples.end(), {p.r, p.g, p.b});
        } else if (alpha == 1) {
            const auto times = [&p](std::uint8_t c) { return static_cast<std::uint8_t>((c * p.a + 127) / 255); };
            page.samples.insert(page.samples.end(), {times(p.r), times(p.g), times(p.b), p.a});
        } else {
            page.samples.insert(page.samples.end(), {p.r, p.g, p.b, p.a});
        }
    }
    return page;
}

Bytes TiffBytes(const std::vector<TiffPage>& pages) {
    constexpr std::uint16_t kShort = 3;
    constexpr std::uint16_t kLong = 4;
    Bytes out{'I', 'I', 42, 0};
    std::size_t nextIfdSlot = out.size();
    PutU32(out, 0);
    for (const TiffPage& page : pages) {
        const std::uint32_t samples = page.alpha ? 4 : 3;
        const auto bitsAt = static_cast<std::uint32_t>(out.size());
        out.insert(out.end(), {8, 0, 8, 0, 8, 0, 8, 0});
        const auto dataAt = static_cast<std::uint32_t>(out.size());
        out.insert(out.end(), page.samples.begin(), page.samples.end());
        if (out.size() % 2) out.push_back(0);
        const auto ifdAt = static_cast<std::uint32_t>(out.size());
        for (int i = 0; i < 4; ++i) out[nextIfdSlot + i] = static_cast<std::uint8_t>(ifdAt >> (8 * i));
        PutU16(out, 10 + (page.alpha ? 1 : 0) + (page.orientation ? 1 : 0));
        PutTiffEntry(out, 256, kLong, 1, page.width);
        PutTiffEntry(out, 257, kLong, 1, page.height);
        PutTiffEntry(out, 258, kShort, samples, bitsAt);
        PutTiffEntry(out, 259, kShort, 1, 1);    // no compression
        PutTiffEntry(out, 262, kShort, 1, 2);    // RGB
        PutTiffEntry(out, 273, kLong, 1, dataAt);
        if (page.orientation) PutTiffEntry(out, 274, kShort, 1, page.orientation);
        PutTiffEntry(out, 277, kShort, 1, samples);
        PutTiffEntry(out, 278, kLong, 1, page.height);
        PutTiffEntry(out, 279, kLong, 1, static_cast<std::uint32_t>(page.samples.size()));
        PutTiffEntry(out, 284, kShort, 1, 1);    // chunky
        if (page.alpha) PutTiffEntry(out, 338, kShort, 1, page.alpha);
        nextIfdSlot = out.size();
        PutU32(out, 0);
    }
    return out;
}

std::string TwoBandContent(int width, int height, const char* top, const char* bottom) {
    char content[256];
    std::snprintf(content, sizeof content, "%s rg 0 %d %d %d re f %s rg 0 0 %d %d re f\n", top, height / 2, width,
                  height - height / 2, bottom, width, height / 2);
    return content;
}

std::string PdfBytes(const PdfPage& page) {
    std::vector<std::string> objects;
    objects.push_back("<< /Type /Catalog /Pages 2 0 R >>");
    objects.push_back(page.noPage ? "<< /Type /Pages /Kids [] /Count 0 >>" : "<< /Type /Pages /Kids [3 0 R] /Count 1 >>");
    std::string pageObject = "<< /Type /Page /Parent 2 0 R /MediaBox [" + page.mediaBox + "]";
    if (!page.cropBox.empty()) pageObject += " /CropBox [" + page.cropBox + "]";
    if (page.rotate != 0) pageObject += " /Rotate " + std::to_string(page.rotate);
    pageObject += " /Resources << >> /Contents 4 0 R >>";
    objects.push_back(pageObject);
    objects.push_back("<< /Length " + std::to_string(page.content.size()) + " >>\nstream\n" + page.content + "\nendstream");
    if (page.encrypted) {
        const std::string noise(64, 'A');
        objects.push_back("<< /Filter /Standard /V 1 /R 2 /O <" + noise + "> /U <" + noise + "> /P -4 >>");
    }

    std::string pdf = "%PDF-1.4\n";
    std::vector<std::size_t> offsets;
    for (std::size_t i = 0; i < objects.size(); ++i) {
        offsets.push_back(pdf.size());
        pdf += std::to_string(i + 1) + " 0 obj\n" + objects[i] + "\nendobj\n";
    }
    const std::size_t xref = pdf.size();
    pdf += "xref\n0 " + std::to_string(objects.size() + 1) + "\n0000000000 65535 f \n";
    for (const std::size_t offset : offsets) {
        char line[32];
        std::snprintf(line, sizeof line, "%010zu 00000 n \n", offset);
        pdf += line;
    }
    pdf += "trailer\n<< /Size " + std::to_string(objects.size() + 1) + " /Root 1 0 R";
    if (page.encrypted) pdf += " /Encrypt 5 0 R /ID [<00112233445566778899AABBCCDDEEFF> <00112233445566778899AABBCCDDEEFF>]";
    pdf += " >>\nstartxref\n" + std::to_string(xref) + "\n%%EOF\n";
    return pdf;
}

void WriteBytes(const std::filesystem::path& path, const Bytes& bytes) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

Bytes ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

server::thumbnail::ThumbnailDib StaleDib() {
    server::thumbnail::ThumbnailDib dib;
    EXPECT_EQ(dib.Allocate(5, 5), platform::S_OK);
    return dib;
}

std::uint32_t DibReader::U32(std::size_t offset) const {
    return static_cast<std::uint32_t>(U16(offset)) | static_cast<std::uint32_t>(U16(offset + 2)) << 16;
}

std::uint16_t DibReader::U16(std::size_t offset) const {
    if (offset + 2 > dib_.size()) return 0;
    return static_cast<std::uint16_t>(dib_[offset] | dib_[offset + 1] << 8);
}

Rgba DibReader::PixelFromTop(int x, int y) const {
    const std::size_t width = static_cast<std::size_t>(Width());
    const std::size_t storedRow = static_cast<std::size_t>(Height() - 1 - y);
    const std::size_t at = 56 + (storedRow * width + static_cast<std::size_t>(x)) * 4;
    if (x < 0 || y < 0 || x >= Width() || y >= Height() || at + 4 > dib_.size()) {
        ADD_FAILURE() << "pixel " << x << "," << y << " outside the bitmap";
        return {};
    }
    return {dib_[at + 2], dib_[at + 1], dib_[at], dib_[at + 3]};
}

::testing::AssertionResult DibReader::WellFormed() const {
    if (dib_.size() < 56) return ::testing::AssertionFailure() << "only " << dib_.size() << " bytes";
    const auto width = static_cast<std::int64_t>(Width());
    const auto height = static_cast<std::int64_t>(Height());
    if (U32(0) != 56 || width < 1 || height < 1 || U16(12) != 1 || U16(14) != 32 || U32(16) != 0) {
        return ::testing::AssertionFailure() << "header: size " << U32(0) << " width " << width << " height " << height
                                             << " planes " << U16(12) << " bits " << U16(14) << " compression " << U32(16);
    }
    if (U32(20) != width * height * 4 || dib_.size() != 56 + static_cast<std::size_t>(width * height * 4)) {
        return ::testing::AssertionFailure() << "image size " << U32(20) << " and " << dib_.size() << " bytes for "
                                             << width << " x " << height;
    }
    for (std::size_t at = 56 + 3; at < dib_.size(); at += 4) {
        if (dib_[at] != 255) return ::testing::AssertionFailure() << "alpha " << int{dib_[at]} << " at byte " << at;
    }
    return ::testing::AssertionSuccess();
}

}  // namespace thumbnail_test
