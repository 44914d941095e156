#include "framework/application/zt_kelvo_exception.h"

CZTKelvoException::CZTKelvoException(std::int32_t codigo, std::int32_t subCodigo, std::int16_t extra,
                                     std::int32_t linha, const char* arquivoFonte, const char* compilacao)
    : CZTFCException(SemRelato{}, codigo, subCodigo, linha, arquivoFonte, compilacao), m_iExtra(extra) {
    Relata();
}
