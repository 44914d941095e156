#include "util/time/clock.h"

#include "platform/system/clock.h"
#include "platform/win32_error.h"
#include "util/message/zt_exception.h"
#include "util/time/test_clock.h"

#include <limits>

namespace {

constexpr std::int32_t kModuloUtilitarios = 1;
constexpr const char* kErroHelper = "Helper_SystemTimeToFileTime: SystemTimeToFileTime";

[[noreturn]] void Falha(const char* texto) {
    throw new CZTException(texto, kModuloUtilitarios, platform::ERROR_INVALID_PARAMETER);
}

// A moment of the test clock as a record; a field beyond the record's 16 bits is no date either.
void MomentoParaFileTime(const ZTMomentoTeste& momento, std::uint64_t& fileTime) {
    const std::uint32_t campos[7] = {momento.ano, momento.mes, momento.dia, momento.hora,
                                     momento.minuto, momento.segundo, momento.milissegundo};
    for (const std::uint32_t campo : campos) {
        if (campo > std::numeric_limits<std::uint16_t>::max()) Falha(kErroHelper);
    }
    ZTSystemTime st;
    st.wAno = static_cast<std::uint16_t>(momento.ano);
    st.wMes = static_cast<std::uint16_t>(momento.mes);
    st.wDia = static_cast<std::uint16_t>(momento.dia);
    st.wHora = static_cast<std::uint16_t>(momento.hora);
    st.wMinuto = static_cast<std::uint16_t>(momento.minuto);
    st.wSegundo = static_cast<std::uint16_t>(momento.segundo);
    st.wMilissegundo = static_cast<std::uint16_t>(momento.milissegundo);
    Helper_SystemTimeToFileTime(st, fileTime);
}

// The computer's local time as a file time, to the clock's resolution; 0 when unreadable.
std::uint64_t HoraLocalDoComputador() {
    platform::WallClockReading agora;
    platform::CalendarFields local;
    if (!platform::ReadWallClock(agora) || !platform::LocalFieldsOf(agora.seconds, local)) return 0;
    const std::int64_t dias = ZTDiasDesde1601(local.year, local.month, local.day);
    if (dias < 0) return 0;
    // A leap second (second 60) simply runs into the next minute: the records cannot hold it.
    const std::uint64_t segundos = static_cast<std::uint64_t>(local.hour) * 3600 +
                                   static_cast<std::uint64_t>(local.minute) * 60 +
                                   static_cast<std::uint64_t>(local.second);
    const std::uint64_t fileTime = static_cast<std::uint64_t>(dias) * ZT_FILETIME_POR_DIA +
                                   segundos * ZT_FILETIME_POR_SEGUNDO +
                                   static_cast<std::uint64_t>(agora.nanoseconds) / 100;
    return fileTime < ZT_FILETIME_LIMITE ? fileTime : 0;
}

}  // namespace

std::uint64_t ZTGetHoraAjustada() {
    const std::uint64_t agora = HoraLocalDoComputador();
    if (agora == 0) return 0;
    ZTRelogioTeste relogio;
    if (!ZTLeRelogioTesteAtivo(relogio)) return agora;

    std::uint64_t real = 0, simulado = 0;
    MomentoParaFileTime(relogio.real, real);
    MomentoParaFileTime(relogio.simulado, simulado);
    // All three lie below 2^63, so the wrapping arithmetic yields the true result when it is a
    // file time and a value of 2^63 or more (refused by every conversion) when it is not.
    return agora - real + simulado;
}

void Helper_SystemTimeToFileTime(const ZTSystemTime& systemTime, std::uint64_t& fileTime) {
    if (!ZTSystemTimeParaFileTime(systemTime, fileTime)) Falha(kErroHelper);
}

ZTSystemTime GetCurrentTime_LocalTime() {
    ZTSystemTime local;
    if (!ZTFileTimeParaSystemTime(ZTGetHoraAjustada(), local)) Falha("GetCurrentTime_LocalTime: FileTimeToSystemTime");
    return local;
}

std::uint64_t GetCurrentTime_SystemTimeAsFileTime() {
    constexpr const char* kErro = "GetCurrentTime_SystemTimeAsFileTime: LocalFileTimeToFileTime";
    const std::uint64_t local = ZTGetHoraAjustada();
    ZTSystemTime campos;
    if (!ZTFileTimeParaSystemTime(local, campos)) Falha(kErro);

    const platform::CalendarFields f{campos.wAno,  campos.wMes,    campos.wDia,
                                     campos.wHora, campos.wMinuto, campos.wSegundo};
    std::int64_t segundos1970 = 0;
    if (!platform::UniversalOfLocalFields(f, segundos1970)) Falha(kErro);
    // The zone moves whole seconds; the fraction of the second stays as it was.
    const std::int64_t segundos1601 = segundos1970 + ZT_SEGUNDOS_1601_A_1970;
    constexpr std::int64_t kSegundosLimite = static_cast<std::int64_t>(ZT_FILETIME_LIMITE / ZT_FILETIME_POR_SEGUNDO);
    if (segundos1601 < 0 || segundos1601 >= kSegundosLimite) Falha(kErro);
    const std::uint64_t universal = static_cast<std::uint64_t>(segundos1601) * ZT_FILETIME_POR_SEGUNDO +
                                    local % ZT_FILETIME_POR_SEGUNDO;
    if (universal >= ZT_FILETIME_LIMITE) Falha(kErro);
    return universal;
}

ZTSystemTime GetCurrentTime_SystemTime() {
    ZTSystemTime universal;
    if (!ZTFileTimeParaSystemTime(GetCurrentTime_SystemTimeAsFileTime(), universal)) {
        Falha("GetCurrentTime_SystemTime: FileTimeToSystemTime");
    }
    return universal;
}
