// The preview bitmap as the server hands it out: a 56-byte header followed by the pixel rows,
// the form that the original platform's bitmap copy gave for a 32-bit bitmap.
//
// Header (little-endian): the 40 bytes of a BITMAPINFOHEADER with biSize = 56, then the red,
// green, blue and alpha masks of the 56-byte (version 3) form:
//   biSize 56, biWidth, biHeight (positive: rows bottom-up), biPlanes 1, biBitCount 32,
//   biCompression 0 (BI_RGB), biSizeImage = biWidth * biHeight * 4,
//   biXPelsPerMeter 0 and biYPelsPerMeter 0 (a preview has no physical size), biClrUsed 0,
//   biClrImportant 0, masks 0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000.
// The masks describe exactly what BI_RGB means for 32 bits, so a reader that honours them and one
// that ignores them see the same picture. Rows follow the header without padding (4 * width
// bytes each), the bottom row first; each pixel is B, G, R, A with A = 255: transparent parts of
// a source are laid on white, as a preview on a form shows them.
//
// The bytes live in a ThumbnailDib, a task-allocator block that is handed to the caller of
// GetThumbnailsDoc as it is: a largest preview is nearly a whole reply, and a copy would double
// the memory it takes. A DibWriter lays out and fills one; one thread at a time.
#pragma once

#include "platform/hresult.h"
#include "server/record_file/record_layout.h"

#include <cstddef>
#include <cstdint>
#include <limits>

namespace server::thumbnail {

#pragma pack(push, 1)
struct THUMBNAIL_DIB_HEADER {
    std::uint32_t biSize;
    std::int32_t biWidth;
    std::int32_t biHeight;
    std::uint16_t biPlanes;
    std::uint16_t biBitCount;
    std::uint32_t biCompression;
    std::uint32_t biSizeImage;
    std::int32_t biXPelsPerMeter;
    std::int32_t biYPelsPerMeter;
    std::uint32_t biClrUsed;
    std::uint32_t biClrImportant;
    std::uint32_t biRedMask;
    std::uint32_t biGreenMask;
    std::uint32_t biBlueMask;
    std::uint32_t biAlphaMask;
};
#pragma pack(pop)
ZT_REGISTRO_TAMANHO(THUMBNAIL_DIB_HEADER, 56);
ZT_REGISTRO_CAMPO(THUMBNAIL_DIB_HEADER, biSize, 0, 4);
ZT_REGISTRO_CAMPO(THUMBNAIL_DIB_HEADER, biWidth, 4, 4);
ZT_REGISTRO_CAMPO(THUMBNAIL_DIB_HEADER, biHeight, 8, 4);
ZT_REGISTRO_CAMPO(THUMBNAIL_DIB_HEADER, biPlanes, 12, 2);
ZT_REGISTRO_CAMPO(THUMBNAIL_DIB_HEADER, biBitCount, 14, 2);
ZT_REGISTRO_CAMPO(THUMBNAIL_DIB_HEADER, biCompression, 16, 4);
ZT_REGISTRO_CAMPO(THUMBNAIL_DIB_HEADER, biSizeImage, 20, 4);
ZT_REGISTRO_CAMPO(THUMBNAIL_DIB_HEADER, biXPelsPerMeter, 24, 4);
ZT_REGISTRO_CAMPO(THUMBNAIL_DIB_HEADER, biYPelsPerMeter, 28, 4);
ZT_REGISTRO_CAMPO(THUMBNAIL_DIB_HEADER, biClrUsed, 32, 4);
ZT_REGISTRO_CAMPO(THUMBNAIL_DIB_HEADER, biClrImportant, 36, 4);
ZT_REGISTRO_CAMPO(THUMBNAIL_DIB_HEADER, biRedMask, 40, 4);
ZT_REGISTRO_CAMPO(THUMBNAIL_DIB_HEADER, biGreenMask, 44, 4);
ZT_REGISTRO_CAMPO(THUMBNAIL_DIB_HEADER, biBlueMask, 48, 4);
ZT_REGISTRO_CAMPO(THUMBNAIL_DIB_HEADER, biAlphaMask, 52, 4);

inline constexpr std::size_t kThumbnailDibHeaderSize = sizeof(THUMBNAIL_DIB_HEADER);

// The bytes of one preview bitmap, from CoTaskMemAlloc; none at first. A bound set at
// construction caps what Allocate takes, so that a caller short of room is refused before the
// memory is taken. Move-only.
class ThumbnailDib {
public:
    explicit ThumbnailDib(std::size_t bound = std::numeric_limits<std::size_t>::max()) : bound_(bound) {}
    ~ThumbnailDib() { clear(); }
    ThumbnailDib(ThumbnailDib&& other) noexcept;
    ThumbnailDib& operator=(ThumbnailDib&& other) noexcept;

    // Replaces the bytes by `size` bytes of `fill`. S_OK; E_OUTOFMEMORY, with none held, when
    // `size` passes the bound or no memory is left.
    [[nodiscard]] platform::HRESULT Allocate(std::size_t size, std::uint8_t fill);
    void clear();
    // Hands the block to the caller, who frees it with CoTaskMemFree; this is empty afterwards.
    [[nodiscard]] std::uint8_t* Release();

    [[nodiscard]] bool empty() const { return size_ == 0; }
    [[nodiscard]] std::size_t size() const { return size_; }
    [[nodiscard]] std::uint8_t* data() { return data_; }
    [[nodiscard]] const std::uint8_t* data() const { return data_; }
    [[nodiscard]] std::uint8_t* begin() { return data_; }
    [[nodiscard]] std::uint8_t* end() { return data_ + size_; }
    [[nodiscard]] const std::uint8_t* begin() const { return data_; }
    [[nodiscard]] const std::uint8_t* end() const { return data_ + size_; }
    [[nodiscard]] std::uint8_t operator[](std::size_t at) const { return data_[at]; }

private:
    std::size_t bound_;
    std::uint8_t* data_ = nullptr;
    std::size_t size_ = 0;
};

// Builds one preview bitmap in a caller's ThumbnailDib.
class DibWriter {
public:
    explicit DibWriter(ThumbnailDib& dib) : dib_(dib) {}

    // Lays out the bitmap as the header of a `width` x `height` bitmap followed by all its rows,
    // white. S_OK; E_INVALIDARG when a side is below 1 or above the largest preview side;
    // E_OUTOFMEMORY when the bitmap passes its bound. The bitmap is empty on failure.
    [[nodiscard]] platform::HRESULT Start(int width, int height);

    [[nodiscard]] int Width() const { return width_; }
    [[nodiscard]] int Height() const { return height_; }

    // The 4 * Width() bytes of the row `top` rows below the picture's top edge (the bottom row is
    // stored first); null before Start or when `top` is not below Height().
    [[nodiscard]] std::uint8_t* Row(int top);

    // Writes into `pixel` (4 bytes) the straight-alpha colour r, g, b, a laid on white, as B, G, R, 255.
    static void PutOnWhite(std::uint8_t* pixel, std::uint8_t r, std::uint8_t g, std::uint8_t b, std::uint8_t a);

private:
    ThumbnailDib& dib_;
    int width_ = 0;
    int height_ = 0;
};

}  // namespace server::thumbnail
