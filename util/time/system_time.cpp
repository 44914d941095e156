#include "util/time/system_time.h"

#include "util/date/day_number.h"

namespace {

constexpr int kAnoMinimo = 1601;
constexpr int kAnoMaximo = 30827;

// Days of 400 Gregorian years, and the proleptic count from 1 March of year 0, which puts the
// leap day at the end of each year (the civil-from-days method).
constexpr std::int64_t kDiasPor400Anos = 146'097;
constexpr std::int64_t kDia1601Desde0000 = 584'694;  // 1 January 1601 counted from 1 March 0000

std::int64_t DiasDesdeMarcoDoAno0(std::int64_t ano, int mes, int dia) {
    ano -= mes <= 2 ? 1 : 0;
    const std::int64_t era = (ano >= 0 ? ano : ano - 399) / 400;
    const std::int64_t anoDaEra = ano - era * 400;
    const std::int64_t diaDoAno = (153 * (mes + (mes > 2 ? -3 : 9)) + 2) / 5 + dia - 1;
    const std::int64_t diaDaEra = anoDaEra * 365 + anoDaEra / 4 - anoDaEra / 100 + diaDoAno;
    return era * kDiasPor400Anos + diaDaEra;
}

}  // namespace

std::int64_t ZTDiasDesde1601(std::int64_t ano, int mes, int dia) {
    return DiasDesdeMarcoDoAno0(ano, mes, dia) - kDia1601Desde0000;
}

bool ZTSystemTimeParaFileTime(const ZTSystemTime& st, std::uint64_t& fileTime) {
    if (st.wAno < kAnoMinimo || st.wAno > kAnoMaximo) return false;
    if (st.wMes < 1 || st.wMes > 12) return false;
    if (st.wDia < 1 || st.wDia > ZTDiasDoMes(st.wMes, st.wAno)) return false;
    if (st.wHora > 23 || st.wMinuto > 59 || st.wSegundo > 59 || st.wMilissegundo > 999) return false;

    const auto dias = static_cast<std::uint64_t>(ZTDiasDesde1601(st.wAno, st.wMes, st.wDia));
    const std::uint64_t segundos = st.wHora * 3600ULL + st.wMinuto * 60ULL + st.wSegundo;
    fileTime = dias * ZT_FILETIME_POR_DIA + segundos * ZT_FILETIME_POR_SEGUNDO +
               st.wMilissegundo * ZT_FILETIME_POR_MILISSEGUNDO;
    return true;
}

bool ZTFileTimeParaSystemTime(std::uint64_t fileTime, ZTSystemTime& st) {
    if (fileTime >= ZT_FILETIME_LIMITE) return false;

    // Back from days to the civil date: the inverse of DiasDesdeMarcoDoAno0 (non-negative here).
    const std::int64_t z = static_cast<std::int64_t>(fileTime / ZT_FILETIME_POR_DIA) + kDia1601Desde0000;
    const std::int64_t era = z / kDiasPor400Anos;
    const std::int64_t diaDaEra = z - era * kDiasPor400Anos;
    const std::int64_t anoDaEra = (diaDaEra - diaDaEra / 1460 + diaDaEra / 36524 - diaDaEra / 146096) / 365;
    const std::int64_t diaDoAno = diaDaEra - (365 * anoDaEra + anoDaEra / 4 - anoDaEra / 100);
    const std::int64_t mp = (5 * diaDoAno + 2) / 153;
    const std::int64_t dia = diaDoAno - (153 * mp + 2) / 5 + 1;
    const std::int64_t mes = mp < 10 ? mp + 3 : mp - 9;
    const std::int64_t ano = anoDaEra + era * 400 + (mes <= 2 ? 1 : 0);

    const std::uint64_t resto = fileTime % ZT_FILETIME_POR_DIA;
    const std::uint64_t segundos = resto / ZT_FILETIME_POR_SEGUNDO;
    st.wAno = static_cast<std::uint16_t>(ano);
    st.wMes = static_cast<std::uint16_t>(mes);
    st.wDia = static_cast<std::uint16_t>(dia);
    st.wHora = static_cast<std::uint16_t>(segundos / 3600);
    st.wMinuto = static_cast<std::uint16_t>(segundos % 3600 / 60);
    st.wSegundo = static_cast<std::uint16_t>(segundos % 60);
    st.wMilissegundo = static_cast<std::uint16_t>(resto % ZT_FILETIME_POR_SEGUNDO / ZT_FILETIME_POR_MILISSEGUNDO);
    return true;
}
