// CZTKelvoException: the suite's error object, a framework error with one extra value.
//
// Every error the suite layer raises is one of these, thrown by value; like its base it reports
// itself through the application's TrataErro when constructed, with the extra value already set.
// User-interface thread only.
#pragma once

#include "framework/application/zt_fc_exception.h"

class CZTKelvoException : public CZTFCException {
public:
    // Stores the values (the extra first) and reports them through the application's TrataErro.
    CZTKelvoException(std::int32_t codigo, std::int32_t subCodigo, std::int16_t extra, std::int32_t linha,
                      const char* arquivoFonte, const char* compilacao = ZT_COMPILACAO);
    CZTKelvoException(const CZTKelvoException&) = default;
    CZTKelvoException& operator=(const CZTKelvoException&) = default;

    [[nodiscard]] std::int16_t GetExtra() const { return m_iExtra; }

private:
    std::int16_t m_iExtra;
};
