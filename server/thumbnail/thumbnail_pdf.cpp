#include "server/thumbnail/thumbnail_pdf.h"

#include "platform/text/codepage.h"
#include "server/thumbnail/thumbnail_dib.h"
#include "server/thumbnail/thumbnail_size.h"

#include <poppler-document.h>
#include <poppler-image.h>
#include <poppler-page-renderer.h>
#include <poppler-page.h>

#include <cmath>
#include <cstring>
#include <memory>
#include <utility>

using platform::HRESULT;

namespace server::thumbnail {

namespace {

constexpr double kPointsPerInch = 72.0;

// The page's size in points as it is shown: its crop box, sides swapped by a quarter turn.
std::pair<double, double> ShownPageSize(const poppler::page& page) {
    const poppler::rectf box = page.page_rect(poppler::crop_box);
    const double width = std::fabs(box.width());
    const double height = std::fabs(box.height());
    const auto turn = page.orientation();
    if (turn == poppler::page::landscape || turn == poppler::page::seascape) return {height, width};
    return {width, height};
}

poppler::image Render(const poppler::page& page, double width, double height, const tagSIZE& size) {
    poppler::page_renderer renderer;
    renderer.set_paper_color(0xFFFFFFFFu);
    renderer.set_image_format(poppler::image::format_argb32);
    renderer.set_render_hint(poppler::page_renderer::antialiasing, true);
    renderer.set_render_hint(poppler::page_renderer::text_antialiasing, true);
    // Separate resolutions make the page fill the fitted size exactly on both axes.
    const double xres = kPointsPerInch * size.cx / width;
    const double yres = kPointsPerInch * size.cy / height;
    return renderer.render_page(&page, xres, yres, 0, 0, size.cx, size.cy);
}

// Copies the rendered page; the paper is opaque, so every pixel is too and B, G, R are kept as they are.
bool CopyToDib(const poppler::image& image, const tagSIZE& size, std::vector<std::uint8_t>& dib) {
    if (!image.is_valid() || image.format() != poppler::image::format_argb32) return false;
    if (image.width() < size.cx || image.height() < size.cy || image.bytes_per_row() < size.cx * 4) return false;
    DibWriter writer(dib);
    if (!writer.Start(size.cx, size.cy)) return false;
    const char* pixels = image.const_data();
    for (int y = 0; y < size.cy; ++y) {
        const auto* source = reinterpret_cast<const std::uint8_t*>(pixels + static_cast<std::ptrdiff_t>(y) * image.bytes_per_row());
        std::uint8_t* target = writer.Row(y);
        for (int x = 0; x < size.cx; ++x) {
            // argb32 holds each pixel as a native 32-bit 0xAARRGGBB: bytes B, G, R, A here.
            std::memcpy(target + 4 * x, source + 4 * x, 3);
            target[4 * x + 3] = 255;
        }
    }
    return true;
}

}  // namespace

HRESULT PdfExtractor::Extract(platform::File& file, const tagSIZE& box, std::vector<std::uint8_t>& dib) const {
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

    if (!CopyToDib(Render(*page, width, height, size), size, dib)) {
        dib.clear();
        return THUMBNAIL_E_UNDECODABLE;
    }
    return platform::S_OK;
}

}  // namespace server::thumbnail
