// IZTDF_Profiler: what the suite's libraries ask of the session about the company in use.
//
// The application information implements it (CZTProfilerEmpresa, then CZTKelvoAppInfo); callers
// hold it by pointer and never own it. User-interface thread only.
#pragma once

#include "util/text/zt_string.h"

#include <cstdint>

class IZTDF_Profiler {
public:
    // A copy of the company code; empty when no company is selected.
    [[nodiscard]] virtual CZTString GetEmpresa() const = 0;
    // The branch (filial) in use; 0 when none.
    [[nodiscard]] virtual std::uint16_t GetFilial() const = 0;
    // The session number (número da seção) the suite's start-up gave; 0 when none.
    [[nodiscard]] virtual std::int32_t GetNumeroSecao() const = 0;
    virtual ~IZTDF_Profiler() = default;
};
