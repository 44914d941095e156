#include "server/thumbnail/thumbnail_image.h"

#include "server/content/qd_arquivo_conteudo.h"
#include "server/thumbnail/thumbnail_pixbuf.h"
#include "server/thumbnail/thumbnail_size.h"

#include <gdk-pixbuf/gdk-pixbuf.h>

#include <algorithm>

using platform::HRESULT;

namespace server::thumbnail {

namespace {

constexpr unsigned kChunkBytes = 64 * 1024;

// What the loader's signals told while it decoded.
struct DecodeState {
    tagSIZE declared{0, 0};
    bool refused = false;
    bool allocated = false;
    std::vector<bool> rowDone;
    std::size_t rowsDone = 0;
};

void OnSizePrepared(GdkPixbufLoader* loader, gint width, gint height, gpointer data) {
    auto* state = static_cast<DecodeState*>(data);
    state->declared = {width, height};
    if (IsSourceSizeDecodable(width, height)) return;
    state->refused = true;
    // Asking for 0 x 0 makes every loader stop here, before it allocates the picture.
    gdk_pixbuf_loader_set_size(loader, 0, 0);
}

void OnAreaPrepared(GdkPixbufLoader* loader, gpointer data) {
    auto* state = static_cast<DecodeState*>(data);
    GdkPixbuf* picture = gdk_pixbuf_loader_get_pixbuf(loader);
    state->allocated = true;
    state->rowDone.assign(picture ? static_cast<std::size_t>(gdk_pixbuf_get_height(picture)) : 0, false);
    state->rowsDone = 0;
}

void OnAreaUpdated(GdkPixbufLoader*, gint, gint y, gint, gint height, gpointer data) {
    auto* state = static_cast<DecodeState*>(data);
    const auto rows = static_cast<std::int64_t>(state->rowDone.size());
    const std::int64_t first = std::clamp<std::int64_t>(y, 0, rows);
    const std::int64_t last = std::clamp<std::int64_t>(std::int64_t{y} + height, first, rows);
    for (std::int64_t row = first; row < last; ++row) {
        if (state->rowDone[static_cast<std::size_t>(row)]) continue;
        state->rowDone[static_cast<std::size_t>(row)] = true;
        ++state->rowsDone;
    }
}

// A loader that is closed exactly once, whatever path the decoding takes, and then released.
class Loader {
public:
    explicit Loader(const char* name) {
        GError* error = nullptr;
        loader_ = gdk_pixbuf_loader_new_with_type(name, &error);
        g_clear_error(&error);
    }
    ~Loader() {
        if (!loader_) return;
        if (!closed_) gdk_pixbuf_loader_close(loader_, nullptr);
        g_object_unref(loader_);
    }
    Loader(const Loader&) = delete;
    Loader& operator=(const Loader&) = delete;

    [[nodiscard]] GdkPixbufLoader* get() const { return loader_; }

    [[nodiscard]] bool Write(const guchar* bytes, gsize count) {
        GError* error = nullptr;
        const bool written = gdk_pixbuf_loader_write(loader_, bytes, count, &error);
        g_clear_error(&error);
        return written;
    }

    [[nodiscard]] bool Close() {
        GError* error = nullptr;
        closed_ = true;
        const bool complete = gdk_pixbuf_loader_close(loader_, &error);
        g_clear_error(&error);
        return complete;
    }

private:
    GdkPixbufLoader* loader_ = nullptr;
    bool closed_ = false;
};

// Hands the whole file to the loader in chunks; stops at the first chunk the loader rejects.
HRESULT Feed(platform::File& file, Loader& loader) {
    try {
        file.SeekToBegin();
        const std::uint64_t length = file.GetLength();
        if (length > kMaxImageFileBytes) return THUMBNAIL_E_UNDECODABLE;
        std::vector<guchar> chunk(kChunkBytes);
        // Each round consumes at least one byte of the length read once, so the loop is bounded.
        for (std::uint64_t left = length; left > 0;) {
            const unsigned n = file.Read(chunk.data(), static_cast<unsigned>(std::min<std::uint64_t>(left, kChunkBytes)));
            if (n == 0) break;
            if (!loader.Write(chunk.data(), n)) return THUMBNAIL_E_UNDECODABLE;
            left -= n;
        }
        return platform::S_OK;
    } catch (const platform::FileException& error) {
        return platform::HResultFromWin32(QDErroDoArquivo(error));
    }
}

// True when the decoded picture is whole: the loader accepted the end of the file and, where it
// reports rows, reported every one.
bool IsWhole(GdkPixbuf* decoded, const ImageKind& kind, const DecodeState& state) {
    if (!kind.rowsCoverPicture) return true;
    return state.rowDone.size() == static_cast<std::size_t>(gdk_pixbuf_get_height(decoded)) &&
           state.rowsDone == state.rowDone.size();
}

ImageDecodeResult Undecodable(const DecodeState& state, ThumbnailDib& dib) {
    dib.clear();
    return {THUMBNAIL_E_UNDECODABLE, state.declared, state.allocated};
}

}  // namespace

ImageDecodeResult DecodeImage(platform::File& file, const ImageKind& kind, const tagSIZE& box,
                              ThumbnailDib& dib) {
    dib.clear();
    // The state outlives the loader, whose last signals may still reach it while it closes.
    DecodeState state;
    Loader loader(kind.loader);
    if (!loader.get()) return {platform::E_NOTIMPL};
    g_signal_connect(loader.get(), "size-prepared", G_CALLBACK(OnSizePrepared), &state);
    g_signal_connect(loader.get(), "area-prepared", G_CALLBACK(OnAreaPrepared), &state);
    g_signal_connect(loader.get(), "area-updated", G_CALLBACK(OnAreaUpdated), &state);

    const HRESULT fed = Feed(file, loader);
    const bool complete = loader.Close();
    if (platform::FAILED(fed)) return {fed, state.declared, state.allocated};
    if (state.refused || !complete) return Undecodable(state, dib);

    GdkPixbuf* decoded = gdk_pixbuf_loader_get_pixbuf(loader.get());
    // A loader that never announced its size is held to the same limits once it has decoded.
    if (!decoded || !IsSourceSizeDecodable(gdk_pixbuf_get_width(decoded), gdk_pixbuf_get_height(decoded))) {
        return Undecodable(state, dib);
    }
    if (!IsWhole(decoded, kind, state)) return Undecodable(state, dib);
    if (kind.premultiplied) Unpremultiply(decoded);
    const PixbufPtr picture = ShownToFit(decoded, box);
    if (!picture) return Undecodable(state, dib);
    const HRESULT copied = CopyPixbufToDib(picture.get(), dib);
    if (copied == platform::E_OUTOFMEMORY) return {copied, state.declared, state.allocated};
    if (platform::FAILED(copied)) return Undecodable(state, dib);
    return {platform::S_OK, state.declared, state.allocated};
}

HRESULT ImageExtractor::Extract(platform::File& file, const tagSIZE& box, ThumbnailDib& dib) const {
    return DecodeImage(file, kind_, box, dib).hr;
}

}  // namespace server::thumbnail
