#include "util/time/clock.h"

#include <chrono>
#include <ctime>

namespace {

using Dias = std::chrono::days;

constexpr std::uint64_t kUnidadesPorSegundo = 10'000'000;
constexpr std::uint64_t kUnidadesPorDia = kUnidadesPorSegundo * 86'400;
constexpr std::uint64_t kLimiteFileTime = 0x8000000000000000ULL;

// The file-time origin.
constexpr std::chrono::sys_days kOrigem = std::chrono::year{1601} / std::chrono::January / 1;

}  // namespace

std::uint64_t ZTGetHoraAjustada() {
    std::timespec agora{};
    if (clock_gettime(CLOCK_REALTIME, &agora) != 0) return 0;
    std::tm local{};
    if (!localtime_r(&agora.tv_sec, &local)) return 0;

    using namespace std::chrono;
    const year_month_day data{year{local.tm_year + 1900}, month{static_cast<unsigned>(local.tm_mon + 1)},
                              day{static_cast<unsigned>(local.tm_mday)}};
    const std::int64_t dias = (sys_days{data} - kOrigem).count();
    if (dias < 0) return 0;
    // A leap second (tm_sec 60) simply runs into the next minute, as the platform's records cannot hold it.
    const std::uint64_t segundos = static_cast<std::uint64_t>(local.tm_hour) * 3600 +
                                   static_cast<std::uint64_t>(local.tm_min) * 60 +
                                   static_cast<std::uint64_t>(local.tm_sec);
    return static_cast<std::uint64_t>(dias) * kUnidadesPorDia + segundos * kUnidadesPorSegundo +
           static_cast<std::uint64_t>(agora.tv_nsec) / 100;
}

bool ZTFileTimeParaSystemTime(std::uint64_t fileTime, ZTSystemTime& systemTime) {
    if (fileTime >= kLimiteFileTime) return false;
    using namespace std::chrono;
    const year_month_day data{kOrigem + Dias{static_cast<Dias::rep>(fileTime / kUnidadesPorDia)}};
    const std::uint64_t resto = fileTime % kUnidadesPorDia;
    const std::uint64_t segundos = resto / kUnidadesPorSegundo;

    systemTime.wAno = static_cast<std::uint16_t>(static_cast<int>(data.year()));
    systemTime.wMes = static_cast<std::uint16_t>(static_cast<unsigned>(data.month()));
    systemTime.wDia = static_cast<std::uint16_t>(static_cast<unsigned>(data.day()));
    systemTime.wHora = static_cast<std::uint16_t>(segundos / 3600);
    systemTime.wMinuto = static_cast<std::uint16_t>(segundos % 3600 / 60);
    systemTime.wSegundo = static_cast<std::uint16_t>(segundos % 60);
    systemTime.wMilissegundo = static_cast<std::uint16_t>(resto % kUnidadesPorSegundo / 10'000);
    return true;
}
