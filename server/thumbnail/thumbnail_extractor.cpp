#include "server/thumbnail/thumbnail_extractor.h"

#include "server/content/qd_arquivo_conteudo.h"
#include "server/content/qd_nome_conteudo.h"
#include "server/thumbnail/thumbnail_image.h"
#include "server/thumbnail/thumbnail_pdf.h"
#include "server/thumbnail/thumbnail_size.h"

using platform::HRESULT;

namespace server::thumbnail {

namespace {

struct Kind {
    const char* extension;
    const ThumbnailExtractor* extractor;
};

const ImageExtractor kPng(kPngImage);
const ImageExtractor kJpeg(kJpegImage);
const ImageExtractor kBmp(kBmpImage);
const ImageExtractor kGif(kGifImage);
const ImageExtractor kTiff(kTiffImage);
const PdfExtractor kPdf;

const Kind kKinds[] = {
    {"png", &kPng}, {"jpg", &kJpeg}, {"jpeg", &kJpeg}, {"jpe", &kJpeg}, {"bmp", &kBmp},
    {"gif", &kGif}, {"tif", &kTiff}, {"tiff", &kTiff}, {"pdf", &kPdf},
};

}  // namespace

const ThumbnailExtractor* ThumbnailExtractorFor(std::string_view fileName) {
    const CZTString extension = QDExtensaoConteudo(fileName);
    if (extension.IsEmpty()) return nullptr;
    for (const Kind& kind : kKinds) {
        if (extension.CompareNoCase(kind.extension) == 0) return kind.extractor;
    }
    return nullptr;
}

HRESULT ExtractThumbnail(const char* path, const tagSIZE& size, ThumbnailDib& dib) {
    dib.clear();
    if (!IsThumbnailSizeValid(size)) return platform::E_INVALIDARG;
    if (!path) return platform::E_POINTER;
    platform::File file;
    if (const HRESULT hr = QDAbreArquivoConteudo(path, 'L', file); platform::FAILED(hr)) return hr;
    const ThumbnailExtractor* extractor = ThumbnailExtractorFor(path);
    if (!extractor) return platform::E_NOTIMPL;
    return extractor->Extract(file, size, dib);
}

}  // namespace server::thumbnail
