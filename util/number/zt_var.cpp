#include "util/number/zt_var.h"

#include "util/number/automation_conversion.h"

using automation::Convert;
using platform::HRESULT;

namespace {

// `value` converted as whole units into the target, which stays as it was when that fails.
template <typename Units>
HRESULT SetFromUnits(CZTCurrency& target, Units value) {
    CY converted;
    const HRESULT hr = Convert(value, &converted);
    if (platform::SUCCEEDED(hr)) target.SetValor(converted);
    return hr;
}

}  // namespace

HRESULT ZTVarUI1FromI2(short value, std::uint8_t* out) { return Convert(value, out); }
HRESULT ZTVarUI1FromI4(std::int32_t value, std::uint8_t* out) { return Convert(value, out); }
HRESULT ZTVarUI1FromR4(float value, std::uint8_t* out) { return Convert(value, out); }
HRESULT ZTVarUI1FromR8(double value, std::uint8_t* out) { return Convert(value, out); }
HRESULT ZTVarUI1FromCy(CY value, std::uint8_t* out) { return Convert(value, out); }
HRESULT ZTVarUI1FromCZTCurrency(CZTCurrency value, std::uint8_t* out) { return Convert(value.GetValor(), out); }

HRESULT ZTVarI2FromUI1(std::uint8_t value, short* out) { return Convert(value, out); }
HRESULT ZTVarI2FromI4(std::int32_t value, short* out) { return Convert(value, out); }
HRESULT ZTVarI2FromR4(float value, short* out) { return Convert(value, out); }
HRESULT ZTVarI2FromR8(double value, short* out) { return Convert(value, out); }
HRESULT ZTVarI2FromCy(CY value, short* out) { return Convert(value, out); }
HRESULT ZTVarI2FromCZTCurrency(CZTCurrency value, short* out) { return Convert(value.GetValor(), out); }

HRESULT ZTVarI4FromUI1(std::uint8_t value, std::int32_t* out) { return Convert(value, out); }
HRESULT ZTVarI4FromI2(short value, std::int32_t* out) { return Convert(value, out); }
HRESULT ZTVarI4FromR4(float value, std::int32_t* out) { return Convert(value, out); }
HRESULT ZTVarI4FromR8(double value, std::int32_t* out) { return Convert(value, out); }
HRESULT ZTVarI4FromCy(CY value, std::int32_t* out) { return Convert(value, out); }
HRESULT ZTVarI4FromCZTCurrency(CZTCurrency value, std::int32_t* out) { return Convert(value.GetValor(), out); }

HRESULT ZTVarUI4FromUI1(std::uint8_t value, std::uint32_t* out) { return Convert(value, out); }
HRESULT ZTVarUI4FromI2(short value, std::uint32_t* out) { return Convert(value, out); }
HRESULT ZTVarUI4FromR4(float value, std::uint32_t* out) { return Convert(value, out); }
HRESULT ZTVarUI4FromR8(double value, std::uint32_t* out) { return Convert(value, out); }
HRESULT ZTVarUI4FromCy(CY value, std::uint32_t* out) { return Convert(value, out); }
HRESULT ZTVarUI4FromCZTCurrency(CZTCurrency value, std::uint32_t* out) { return Convert(value.GetValor(), out); }

HRESULT ZTVarUI2FromUI1(std::uint8_t value, std::uint16_t* out) { return Convert(value, out); }
HRESULT ZTVarUI2FromI4(std::int32_t value, std::uint16_t* out) { return Convert(value, out); }
HRESULT ZTVarUI2FromR4(float value, std::uint16_t* out) { return Convert(value, out); }
HRESULT ZTVarUI2FromR8(double value, std::uint16_t* out) { return Convert(value, out); }
HRESULT ZTVarUI2FromCy(CY value, std::uint16_t* out) { return Convert(value, out); }
HRESULT ZTVarUI2FromCZTCurrency(CZTCurrency value, std::uint16_t* out) { return Convert(value.GetValor(), out); }

HRESULT ZTVarR4FromUI1(std::uint8_t value, float* out) { return Convert(value, out); }
HRESULT ZTVarR4FromI2(short value, float* out) { return Convert(value, out); }
HRESULT ZTVarR4FromI4(std::int32_t value, float* out) { return Convert(value, out); }
HRESULT ZTVarR4FromR8(double value, float* out) { return Convert(value, out); }
HRESULT ZTVarR4FromCy(CY value, float* out) { return Convert(value, out); }
HRESULT ZTVarR4FromCZTCurrency(CZTCurrency value, float* out) { return Convert(value.GetValor(), out); }

HRESULT ZTVarR8FromUI1(std::uint8_t value, double* out) { return Convert(value, out); }
HRESULT ZTVarR8FromI2(short value, double* out) { return Convert(value, out); }
HRESULT ZTVarR8FromI4(std::int32_t value, double* out) { return Convert(value, out); }
HRESULT ZTVarR8FromR4(float value, double* out) { return Convert(value, out); }
HRESULT ZTVarR8FromCy(CY value, double* out) { return Convert(value, out); }
HRESULT ZTVarR8FromCZTCurrency(CZTCurrency value, double* out) { return Convert(value.GetValor(), out); }

HRESULT ZTVarCyFromUI1(std::uint8_t value, CY* out) { return Convert(value, out); }
HRESULT ZTVarCyFromI2(short value, CY* out) { return Convert(value, out); }
HRESULT ZTVarCyFromI4(std::int32_t value, CY* out) { return Convert(value, out); }
HRESULT ZTVarCyFromR4(float value, CY* out) { return Convert(value, out); }
HRESULT ZTVarCyFromR8(double value, CY* out) { return Convert(value, out); }

HRESULT ZTSetCZTCurrency(CZTCurrency& target, CY value) {
    target.SetValor(value);
    return platform::S_OK;
}
HRESULT ZTSetCZTCurrency(CZTCurrency& target, std::uint8_t value) { return ZTSetCZTCurrency(target, CyFromRaw(value)); }
HRESULT ZTSetCZTCurrency(CZTCurrency& target, std::uint32_t value) { return ZTSetCZTCurrency(target, CyFromRaw(value)); }
HRESULT ZTSetCZTCurrency(CZTCurrency& target, short value) { return SetFromUnits(target, value); }
HRESULT ZTSetCZTCurrency(CZTCurrency& target, float value) { return SetFromUnits(target, value); }
HRESULT ZTSetCZTCurrency(CZTCurrency& target, double value) { return SetFromUnits(target, value); }

void ZTGetCyDeCZTCurrency(const CZTCurrency& source, CY& target) { target = source.GetValor(); }
