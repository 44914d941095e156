#include "util/date/date_time_value.h"

#include "platform/system/clock.h"
#include "platform/hresult.h"
#include "util/date/day_number.h"

#include <limits>

std::int64_t ZTMeiaNoiteLocal(int dia, int mes, int ano) {
    if (ano < 1900) throw platform::ComError(platform::E_FAIL);
    std::int64_t tempo = 0;
    if (!platform::UniversalOfLocalFields({ano, mes, dia, 0, 0, 0}, tempo)) {
        throw platform::ComError(platform::E_INVALIDARG);
    }
    return tempo;
}

std::uint32_t ZTMomento32(std::int64_t tempo) {
    if (tempo < 0) return 0;
    if (tempo > std::numeric_limits<std::uint32_t>::max()) throw platform::ComError(platform::E_INVALIDARG);
    return static_cast<std::uint32_t>(tempo);
}

bool ZTDataLocalDeTimeT(std::int64_t tempo, int& dia, int& mes, int& ano) {
    dia = mes = ano = 0;
    platform::CalendarFields local;
    if (!platform::LocalFieldsOf(tempo, local)) return false;
    dia = local.day;
    mes = local.month;
    ano = local.year;
    return true;
}

double ZTOleDataDeDiaNumero(std::uint32_t numero) {
    // 30 December 1899 is OLE day 0; every date of the day numbering is a whole day from it.
    static const std::int64_t kOleZero = ZTCalculaDiaNumero(30, 12, 1899);
    return static_cast<double>(static_cast<std::int64_t>(numero) - kOleZero);
}
