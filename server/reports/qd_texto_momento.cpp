#include "server/reports/qd_texto_momento.h"

#include <ctime>

CZTString QDTextoMomento(std::uint32_t tempo, const char* formato) {
    // Widened without a sign: a moment after 19 January 2038 stays after it.
    const std::time_t t = static_cast<std::time_t>(tempo);
    std::tm partes{};
    if (::localtime_r(&t, &partes) == nullptr) return {};
    char texto[32];
    return std::strftime(texto, sizeof texto, formato, &partes) > 0 ? CZTString(texto) : CZTString();
}
