#include "server/thumbnail/thumbnail_pdf.h"

#include "platform/text/codepage.h"
#include "server/thumbnail/thumbnail_dib.h"
#include "server/thumbnail/thumbnail_size.h"

#include <poppler-document.h>
#include <poppler-image.h>
#include <poppler-page-renderer.h>
#include <poppler-page.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>
#include <utility>

using platform::FAILED;
using platform::HRESULT;

namespace server::thumbnail {

namespace {

constexpr double kPointsPerInch = 72.0;
// The rows drawn at once: 4 MiB of pixels at the largest width.
constexpr int kBandRows = 256;

// The page's size in points as it is shown: its crop box, sides swapped by a quarter turn.
std::pair<double, double> ShownPageSize(const poppler::page& page) {
    const poppler::rectf box = page.page_rect(poppler::crop_box);
    const double width = std::fabs(box.width());
    const double height = std::fabs(box.height());
    const auto turn = page.orientation();
    if (turn == poppler::page::landscape || turn == poppler::page::seascape) return {height, width};
    return {width, height};
}

// Draws the page at the fitted size, one band of rows at a time.
class PageBands {
public:
    PageBands(const poppler::page& page, double width, double height, const tagSIZE& size)
        : page_(page), width_(size.cx),
          // Separate resolutions make the page fill the fitted size exactly on both axes.
          xres_(kPointsPerInch * size.cx / width), yres_(kPointsPerInch * size.cy / height) {
        renderer_.set_paper_color(0xFFFFFFFFu);
        renderer_.set_image_format(poppler::image::format_argb32);
        renderer_.set_render_hint(poppler::page_renderer::antialiasing, true);
        renderer_.set_render_hint(poppler::page_renderer::text_antialiasing, true);
    }

    [[nodiscard]] poppler::image Band(int top, int rows) const {
        return renderer_.render_page(&page_, xres_, yres_, 0, top, width_, rows);
    }

private:
    poppler::page_renderer renderer_;
    const poppler::page& page_;
    int width_;
    double xres_;
    double yres_;
};

// Copies a drawn band into the rows from `top` on; the paper is opaque, so every pixel is too and
// B, G, R are kept as they are.
bool CopyBand(const poppler::image& band, int top, int rows, DibWriter& writer) {
    if (!band.is_valid() || band.format() != poppler::image::format_argb32) return false;
    const int width = writer.Width();
    if (band.width() < width || band.height() < rows || band.bytes_per_row() < width * 4) return false;
    const char* pixels = band.const_data();
    for (int y = 0; y < rows; ++y) {
        const auto* source = reinterpret_cast<const std::uint8_t*>(pixels + static_cast<std::ptrdiff_t>(y) * band.bytes_per_row());
        std::uint8_t* target = writer.Row(top + y);
        for (int x = 0; x < width; ++x) {
            // argb32 holds each pixel as a native 32-bit 0xAARRGGBB: bytes B, G, R, A here.
            std::memcpy(target + 4 * x, source + 4 * x, 3);
            target[4 * x + 3] = 255;
        }
    }
    return true;
}

bool DrawInBands(const PageBands& bands, DibWriter& writer) {
    for (int top = 0; top < writer.Height(); top += kBandRows) {
        const int rows = std::min(kBandRows, writer.Height() - top);
        if (!CopyBand(bands.Band(top, rows), top, rows, writer)) return false;
    }
    return true;
}

}  // namespace

HRESULT PdfExtractor::Extract(platform::File& file, const tagSIZE& box, ThumbnailDib& dib) const {
    dib.clear();
    const std::string path = platform::Utf8FromAnsi(file.GetFilePath().view());
    const std::unique_ptr<poppler::document> document(poppler::document::load_from_file(path));
    if (!document || document->is_locked() || document->pages() < 1) return THUMBNAIL_E_UNDECODABLE;
    const std::unique_ptr<poppler::page> page(document->create_page(0));
    if (!page) return THUMBNAIL_E_UNDECODABLE;

    const auto [width, height] = ShownPageSize(*page);
    // A side below one point (1/72 inch) is no page to show, and would ask for an absurd resolution.
    if (!(width >= 1.0 && height >= 1.0)) return THUMBNAIL_E_UNDECODABLE;
    const tagSIZE size = FitInside(width, height, box, true);
    if (size.cx < 1 || size.cy < 1) return THUMBNAIL_E_UNDECODABLE;

    DibWriter writer(dib);
    if (const HRESULT hr = writer.Start(size.cx, size.cy); FAILED(hr)) return hr;
    if (!DrawInBands(PageBands(*page, width, height, size), writer)) {
        dib.clear();
        return THUMBNAIL_E_UNDECODABLE;
    }
    return platform::S_OK;
}

}  // namespace server::thumbnail
