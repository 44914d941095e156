// CZTProfilerEmpresa: the company, branch and session number of the session, behind the
// profiler interface. The application information derives from it and sets the three values.
// Value object; user-interface thread only.
#pragma once

#include "framework/app/iztdf_profiler.h"

class CZTProfilerEmpresa : public IZTDF_Profiler {
public:
    [[nodiscard]] CZTString GetEmpresa() const override { return m_strEmpresa; }
    [[nodiscard]] std::uint16_t GetFilial() const override { return m_iFilial; }
    [[nodiscard]] std::int32_t GetNumeroSecao() const override { return m_lNumeroSecao; }

protected:
    CZTString m_strEmpresa;           // empty: no company selected
    std::uint16_t m_iFilial = 0;
    std::int32_t m_lNumeroSecao = 0;
};
