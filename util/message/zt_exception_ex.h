// CZTExceptionEx: an error record thrown and caught by value, whose first field is an HRESULT.
//
// Within this system it is only caught (the HRESULT translation and the framework's error
// paths take its result code); the further fields describe where the error arose.
#pragma once

#include "platform/hresult.h"
#include "util/text/zt_string.h"

#include <cstdint>

class CZTExceptionEx {
public:
    explicit CZTExceptionEx(platform::HRESULT resultado, std::int32_t subCodigo = 0, std::int32_t extra = 0,
                            const char* origem = nullptr, const char* descricao = nullptr, std::int32_t linha = 0)
        : m_hResultado(resultado), m_nSubCodigo(subCodigo), m_nExtra(extra), m_sOrigem(origem),
          m_sDescricao(descricao), m_nLinha(linha) {}
    virtual ~CZTExceptionEx() = default;

    [[nodiscard]] platform::HRESULT GetResultado() const { return m_hResultado; }
    [[nodiscard]] std::int32_t GetSubCodigo() const { return m_nSubCodigo; }
    [[nodiscard]] std::int32_t GetExtra() const { return m_nExtra; }
    [[nodiscard]] const CZTString& GetOrigem() const { return m_sOrigem; }        // source file or routine
    [[nodiscard]] const CZTString& GetDescricao() const { return m_sDescricao; }  // free text
    [[nodiscard]] std::int32_t GetLinha() const { return m_nLinha; }              // source line

private:
    platform::HRESULT m_hResultado;
    std::int32_t m_nSubCodigo;
    std::int32_t m_nExtra;
    CZTString m_sOrigem;
    CZTString m_sDescricao;
    std::int32_t m_nLinha;
};

// CZTMensagem: a message holder without data, kept for the callers that derive from it.
class CZTMensagem {
public:
    virtual ~CZTMensagem() = default;
};
