// Turning a caught error into the HRESULT that crosses a COM boundary.
#pragma once

#include "platform/hresult.h"

// Call only inside a catch handler: classifies the active error and returns its HRESULT (a COM
// error's own, CZTExceptionEx's result code, 0x80040000 | OS error of a CZTException, file,
// memory and other framework exceptions, a thrown integer, standard-library errors, anything else);
// E_FAIL wherever that code would read as success (0 or positive). A pointer-thrown exception
// stays owned by the caller's handler.
[[nodiscard]] platform::HRESULT ZTHResultDeExcecao();

// The translation's base value and the results it gives where the error carries no code.
constexpr platform::HRESULT ZT_HR_EXCECAO_BASE = platform::MakeHResult(0x8004EA60);
constexpr platform::HRESULT ZT_HR_EXCECAO_ZT = platform::MakeHResult(0x8004EA61);
constexpr platform::HRESULT ZT_HR_EXCECAO_MEMORIA = platform::MakeHResult(0x8004EA62);
constexpr platform::HRESULT ZT_HR_EXCECAO_FRAMEWORK = platform::MakeHResult(0x8004EA63);
constexpr platform::HRESULT ZT_HR_SEM_MEMORIA = platform::MakeHResult(0x8004EA64);
constexpr platform::HRESULT ZT_HR_EXCECAO_STD = platform::MakeHResult(0x8004EA65);
constexpr platform::HRESULT ZT_HR_EXCECAO_DESCONHECIDA = platform::MakeHResult(0x8004EA66);
