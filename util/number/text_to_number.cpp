#include "util/number/text_to_number.h"

#include "util/money/money_text.h"
#include "util/number/zt_var.h"

using platform::HRESULT;

namespace {

// The text as money, then `convert`; the reader's ComError becomes the result.
template <typename T>
HRESULT ReadThenConvert(const char* text, T* out, HRESULT (*convert)(CY, T*)) {
    CY money;
    try {
        money = ZTTextoParaCy(text);
    } catch (const platform::ComError& error) {
        return error.Error();
    }
    return convert(money, out);
}

}  // namespace

HRESULT ZTTextoParaUI1(const char* text, std::uint8_t* out) { return ReadThenConvert(text, out, ZTVarUI1FromCy); }
HRESULT ZTTextoParaI2(const char* text, short* out) { return ReadThenConvert(text, out, ZTVarI2FromCy); }
HRESULT ZTTextoParaI4(const char* text, std::int32_t* out) { return ReadThenConvert(text, out, ZTVarI4FromCy); }
HRESULT ZTTextoParaUI4(const char* text, std::uint32_t* out) { return ReadThenConvert(text, out, ZTVarUI4FromCy); }
HRESULT ZTTextoParaUI2(const char* text, std::uint16_t* out) { return ReadThenConvert(text, out, ZTVarUI2FromCy); }
HRESULT ZTTextoParaR4(const char* text, float* out) { return ReadThenConvert(text, out, ZTVarR4FromCy); }
HRESULT ZTTextoParaR8(const char* text, double* out) { return ReadThenConvert(text, out, ZTVarR8FromCy); }
