// The company every test of the company library works with, without a test framework: two users
// and two branches of one company in the current registry store.
#pragma once

#include "outside/conexo/conexo_dados.h"

#include <cstring>
#include <vector>

namespace empral_testing {

inline constexpr char kEmpresa[] = "EMP1";
inline constexpr std::uint16_t kSupervisor = 1;  // supervisor "Supervisor", branch 1
inline constexpr std::uint16_t kUsuario = 2;     // plain user "Maria", branches 1 and 2

// Stores user `codigo` of `empresa`, active in `filiais`.
[[nodiscard]] inline platform::HRESULT GravaUsuario(const char* empresa, std::uint16_t codigo, const char* nome, std::uint8_t supervisor,
                                                    const std::vector<int>& filiais) {
    REGUSU_PS reg;
    reg.iCodigo = codigo;
    reg.bSupervisor = supervisor;
    std::strncpy(reg.szNome, nome, sizeof reg.szNome - 1);
    return ConexoGravaUsuario(empresa, reg, filiais);
}

// Stores kEmpresa's two users and its branches 1 "Matriz" and 2 "Filial"; the first failure.
[[nodiscard]] inline platform::HRESULT GravaEmpresaDeTeste() {
    for (const platform::HRESULT hr : {GravaUsuario(kEmpresa, kSupervisor, "Supervisor", 1, {1}),
                                       GravaUsuario(kEmpresa, kUsuario, "Maria", 0, {1, 2}),
                                       ConexoGravaFilial(kEmpresa, 1, "Matriz"), ConexoGravaFilial(kEmpresa, 2, "Filial")}) {
        if (platform::FAILED(hr)) return hr;
    }
    return platform::S_OK;
}

}  // namespace empral_testing
