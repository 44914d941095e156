#include "util/date/date_time_value.h"

#include "platform/hresult.h"
#include "util/date/day_number.h"

#include <ctime>
#include <limits>

std::int64_t ZTMeiaNoiteLocal(int dia, int mes, int ano) {
    if (ano < 1900) throw platform::ComError(platform::E_FAIL);
    std::tm partes{};
    partes.tm_year = ano - 1900;
    partes.tm_mon = mes - 1;
    partes.tm_mday = dia;
    partes.tm_isdst = -1;
    // mktime answers -1 both for failure and for one second before the epoch; a failed call
    // leaves the weekday untouched, a successful one always sets it.
    partes.tm_wday = -1;
    const std::time_t tempo = std::mktime(&partes);
    if (tempo == static_cast<std::time_t>(-1) && partes.tm_wday == -1) {
        throw platform::ComError(platform::E_INVALIDARG);
    }
    return static_cast<std::int64_t>(tempo);
}

std::int32_t ZTTimeTParaTimeT32(std::int64_t tempo) {
    if (tempo < std::numeric_limits<std::int32_t>::min() || tempo > std::numeric_limits<std::int32_t>::max()) {
        throw platform::ComError(platform::E_INVALIDARG);
    }
    return static_cast<std::int32_t>(tempo);
}

bool ZTDataLocalDeTimeT(std::int64_t tempo, int& dia, int& mes, int& ano) {
    dia = mes = ano = 0;
    const std::time_t t = static_cast<std::time_t>(tempo);
    std::tm partes{};
    if (!localtime_r(&t, &partes)) return false;
    dia = partes.tm_mday;
    mes = partes.tm_mon + 1;
    ano = partes.tm_year + 1900;
    return true;
}

double ZTOleDataDeDiaNumero(std::uint32_t numero) {
    // 30 December 1899 is OLE day 0; every date of the day numbering is a whole day from it.
    static const std::int64_t kOleZero = ZTCalculaDiaNumero(30, 12, 1899);
    return static_cast<double>(static_cast<std::int64_t>(numero) - kOleZero);
}
