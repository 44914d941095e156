// CZTConfigImpressao: what a printed list carries besides its rows (print configuration): the
// company name its heading shows. User-interface thread.
#pragma once

#include "platform/text/string.h"

class CZTConfigImpressao {
public:
    void SetEmpresa(const char* szEmpresa) { m_strEmpresa = szEmpresa ? szEmpresa : ""; }
    [[nodiscard]] const platform::String& GetEmpresa() const { return m_strEmpresa; }

private:
    platform::String m_strEmpresa;
};
