#include "server/thumbnail/thumbnail_dib.h"

#include "platform/com/task_allocator.h"
#include "server/thumbnail/thumbnail_size.h"

#include <cstring>
#include <utility>

namespace server::thumbnail {

namespace {

constexpr std::uint32_t kBiRgb = 0;
constexpr std::size_t kBytesPerPixel = 4;

THUMBNAIL_DIB_HEADER MakeHeader(int width, int height) {
    THUMBNAIL_DIB_HEADER header{};
    header.biSize = sizeof(THUMBNAIL_DIB_HEADER);
    header.biWidth = width;
    header.biHeight = height;
    header.biPlanes = 1;
    header.biBitCount = 32;
    header.biCompression = kBiRgb;
    header.biSizeImage = static_cast<std::uint32_t>(width) * static_cast<std::uint32_t>(height) * kBytesPerPixel;
    header.biRedMask = 0x00FF0000u;
    header.biGreenMask = 0x0000FF00u;
    header.biBlueMask = 0x000000FFu;
    header.biAlphaMask = 0xFF000000u;
    return header;
}

// One colour channel over white: c * a + 255 * (255 - a), divided by 255 and rounded.
std::uint8_t OnWhite(std::uint8_t channel, std::uint8_t alpha) {
    const unsigned blended = channel * alpha + 255u * (255u - alpha);
    return static_cast<std::uint8_t>((blended + 127u) / 255u);
}

}  // namespace

ThumbnailDib::ThumbnailDib(ThumbnailDib&& other) noexcept
    : bound_(other.bound_), data_(std::exchange(other.data_, nullptr)), size_(std::exchange(other.size_, 0)) {}

ThumbnailDib& ThumbnailDib::operator=(ThumbnailDib&& other) noexcept {
    if (this == &other) return *this;
    clear();
    bound_ = other.bound_;
    data_ = std::exchange(other.data_, nullptr);
    size_ = std::exchange(other.size_, 0);
    return *this;
}

platform::HRESULT ThumbnailDib::Allocate(std::size_t size, std::uint8_t fill) {
    clear();
    if (size > bound_) return platform::E_OUTOFMEMORY;
    void* block = platform::CoTaskMemAlloc(size);
    if (!block) return platform::E_OUTOFMEMORY;
    std::memset(block, fill, size);
    data_ = static_cast<std::uint8_t*>(block);
    size_ = size;
    return platform::S_OK;
}

void ThumbnailDib::clear() {
    platform::CoTaskMemFree(data_);
    data_ = nullptr;
    size_ = 0;
}

std::uint8_t* ThumbnailDib::Release() {
    size_ = 0;
    return std::exchange(data_, nullptr);
}

platform::HRESULT DibWriter::Start(int width, int height) {
    width_ = 0;
    height_ = 0;
    dib_.clear();
    if (width < 1 || height < 1 || width > kMaxThumbnailSide || height > kMaxThumbnailSide) return platform::E_INVALIDARG;
    const THUMBNAIL_DIB_HEADER header = MakeHeader(width, height);
    if (const platform::HRESULT hr = dib_.Allocate(kThumbnailDibHeaderSize + header.biSizeImage, 0xFF); platform::FAILED(hr)) {
        return hr;
    }
    std::memcpy(dib_.data(), &header, sizeof header);
    width_ = width;
    height_ = height;
    return platform::S_OK;
}

std::uint8_t* DibWriter::Row(int top) {
    if (top < 0 || top >= height_) return nullptr;
    const std::size_t stride = static_cast<std::size_t>(width_) * kBytesPerPixel;
    const std::size_t stored = static_cast<std::size_t>(height_ - 1 - top);
    return dib_.data() + kThumbnailDibHeaderSize + stored * stride;
}

void DibWriter::PutOnWhite(std::uint8_t* pixel, std::uint8_t r, std::uint8_t g, std::uint8_t b, std::uint8_t a) {
    pixel[0] = OnWhite(b, a);
    pixel[1] = OnWhite(g, a);
    pixel[2] = OnWhite(r, a);
    pixel[3] = 255;
}

}  // namespace server::thumbnail
