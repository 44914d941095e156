// CZTFCException: the framework's error object, thrown by value.
//
// Constructing one reports the error at once through the running application's TrataErro, so the
// error is shown before the raiser throws and no raiser can keep it quiet; whoever catches it
// only ends the operation. Copies (the throw, a catch by value) report nothing. The build stamp
// is the raiser's own: ZT_COMPILACAO expands where it is written, so each raising source gives
// the date and time it was compiled. User-interface thread only.
#pragma once

#include "util/text/zt_string.h"

#include <cstdint>

// The build stamp of the source that writes it, in the compiler's form ("Mar  4 2026 10:11:12").
#define ZT_COMPILACAO __DATE__ " " __TIME__

class CZTFCException {
public:
    // Stores the values and reports them through the application's TrataErro.
    CZTFCException(std::int32_t codigo, std::int32_t subCodigo, std::int32_t linha, const char* arquivoFonte,
                   const char* compilacao = ZT_COMPILACAO);
    CZTFCException(const CZTFCException&) = default;
    CZTFCException& operator=(const CZTFCException&) = default;
    // Virtual only so that TrataErro can tell the suite's error object from this one.
    virtual ~CZTFCException() = default;

    // The error code, in practice a failed HRESULT.
    [[nodiscard]] std::int32_t GetCodigo() const { return m_lCodigo; }
    [[nodiscard]] std::int32_t GetSubCodigo() const { return m_lSubCodigo; }
    // The raiser's source line and source file name ("ZTFCDocument.cpp").
    [[nodiscard]] std::int32_t GetLinha() const { return m_lLinha; }
    [[nodiscard]] const CZTString& GetArquivoFonte() const { return m_strArquivoFonte; }
    // When the raiser was built (compilação: build).
    [[nodiscard]] const CZTString& GetCompilacao() const { return m_strCompilacao; }

protected:
    // Stores the values without reporting: the derived object reports once it is whole.
    struct SemRelato {};
    CZTFCException(SemRelato, std::int32_t codigo, std::int32_t subCodigo, std::int32_t linha,
                   const char* arquivoFonte, const char* compilacao);
    // Hands the finished object to the running application's TrataErro (none: nothing).
    void Relata();

private:
    CZTString m_strCompilacao;
    CZTString m_strArquivoFonte;
    std::int32_t m_lSubCodigo;
    std::int32_t m_lLinha;
    std::int32_t m_lCodigo;
};
