#include "util/time/current_time.h"

#include "platform/system/clock.h"
#include "util/date/date_time_value.h"
#include "util/message/hresult_translation.h"
#include "util/message/zt_exception.h"
#include "util/time/clock.h"
#include "util/time/day_counts.h"
#include "util/time/short_date.h"
#include "util/time/time_of_day.h"

#include <cstdio>

namespace {

constexpr int kTextoHora = 9;     // hh:mm:ss
constexpr int kTextoHoraMs = 13;  // hh:mm:ss.mmm

// The OLE date of 1 January 1601 (days from 30 December 1899 back to it).
const std::int64_t kOleDe1601 = -ZTDiasDesde1601(1899, 12, 30);

std::int32_t SegundosDoDia(const ZTSystemTime& t) { return t.wHora * 3600 + t.wMinuto * 60 + t.wSegundo; }

platform::CalendarFields Campos(const ZTSystemTime& t) {
    return {t.wAno, t.wMes, t.wDia, t.wHora, t.wMinuto, t.wSegundo};
}

// Seconds of calendar fields counted as if they were universal time (no zone applied).
std::int64_t SegundosCorridos(const platform::CalendarFields& c) {
    return ZTDiasDesde1601(c.year, c.month, c.day) * 86400 + c.hour * 3600 + c.minute * 60 + c.second;
}

CZTString TextoData(const ZTSystemTime& t, bool quatroDigitos) {
    if (quatroDigitos) return CZTString::Formata("%02d/%02d/%04d", t.wDia, t.wMes, t.wAno);
    return CZTString::Formata("%02d/%02d/%02d", t.wDia, t.wMes, t.wAno % 100);
}

CZTString TextoHora(const ZTSystemTime& t) {
    return CZTString::Formata("%02d:%02d:%02d", t.wHora, t.wMinuto, t.wSegundo);
}

// Copies a text into a buffer of `tamanho` bytes, cut to fit and always terminated.
char* Copia(const CZTString& texto, char* buffer, int tamanho) {
    if (!buffer) return buffer;
    std::snprintf(buffer, static_cast<size_t>(tamanho), "%s", texto.GetString());
    return buffer;
}

}  // namespace

std::int64_t ZTGetCTimeAgora() {
    const ZTSystemTime agora = GetCurrentTime_LocalTime();
    if (agora.wAno < 1900) return 0;
    std::int64_t tempo = 0;
    if (!platform::UniversalOfLocalFields(Campos(agora), tempo)) return 0;
    return tempo;
}

double ZTGetOleDataAgora() {
    const ZTSystemTime agora = GetCurrentTime_LocalTime();
    const std::int64_t dias = ZTDiasDesde1601(agora.wAno, agora.wMes, agora.wDia) + kOleDe1601;
    const double fracao = SegundosDoDia(agora) / 86400.0;
    // Before 1900 an OLE date keeps the day negative and the time of day as a positive fraction
    // written with the day's sign (−1.25 is 29 December 1899, 06:00).
    return dias >= 0 ? static_cast<double>(dias) + fracao : static_cast<double>(dias) - fracao;
}

std::uint32_t ZTGetAgora() { return ZTMomento32(ZTGetCTimeAgora()); }

char* ZTFormataHoraAgora(char* buffer) { return Copia(TextoHora(GetCurrentTime_LocalTime()), buffer, kTextoHora); }

char* ZTFormataHoraMsAgora(char* buffer) {
    const ZTSystemTime agora = GetCurrentTime_LocalTime();
    return Copia(TextoHora(agora) + CZTString::Formata(".%03d", agora.wMilissegundo), buffer, kTextoHoraMs);
}

platform::HRESULT ZTLeAgora(std::uint32_t& agora) {
    try {
        agora = ZTGetAgora();
        return platform::S_OK;
    } catch (const platform::ComError&) {
        return ZTHResultDeExcecao();
    } catch (CZTException* erro) {
        const platform::HRESULT hr = ZTHResultDeExcecao();
        erro->Delete();
        return hr;
    }
}

CZTString ZTGetHoraAgoraTexto() { return TextoHora(GetCurrentTime_LocalTime()); }

CZTString ZTGetDataHojeTexto(bool quatroDigitos) { return TextoData(GetCurrentTime_LocalTime(), quatroDigitos); }

CZTString ZTGetMesAnoHojeTexto(bool quatroDigitos) { return ZTGetDataHojeTexto(quatroDigitos).Mid(3); }

CZTString ZTGetDataHoraAgoraTexto(bool quatroDigitos) {
    // One reading for both halves, so that midnight cannot fall between the date and the time.
    const ZTSystemTime agora = GetCurrentTime_LocalTime();
    return CZTString::Formata("%s %s", TextoData(agora, quatroDigitos).GetString(), TextoHora(agora).GetString());
}

std::int32_t ZTGetDataHoje(bool dias1850) {
    const ZTSystemTime hoje = GetCurrentTime_LocalTime();
    if (dias1850) return ZTCalculaDias1850(hoje.wDia, hoje.wMes, hoje.wAno);
    return ZTDataCurtaDaData(hoje.wDia, hoje.wMes, hoje.wAno);
}

std::int32_t ZTGetMesAnoHoje(bool meses1850) {
    const ZTSystemTime hoje = GetCurrentTime_LocalTime();
    if (meses1850) return hoje.wMes + 12 * (hoje.wAno - 1850);
    return ZTMesAnoCurtoDoMes(hoje.wMes, hoje.wAno);
}

std::int32_t ZTGetMinutosAgora() {
    const ZTSystemTime agora = GetCurrentTime_LocalTime();
    return static_cast<std::int32_t>(ZTMontaHora(false, false, agora.wHora, agora.wMinuto, 0));
}

std::int32_t ZTGetHHMMAgora() {
    const ZTSystemTime agora = GetCurrentTime_LocalTime();
    return static_cast<std::int32_t>(ZTMontaHora(true, false, agora.wHora, agora.wMinuto, 0));
}

CZTString ZTGetHHMMAgoraTexto() { return CZTString::Formata("%d", ZTGetHHMMAgora()); }

std::int32_t ZTGetHHMMSSAgora() {
    const ZTSystemTime agora = GetCurrentTime_LocalTime();
    return static_cast<std::int32_t>(ZTMontaHora(true, true, agora.wHora, agora.wMinuto, agora.wSegundo));
}

std::int32_t ZTGetSegundosAgora() { return SegundosDoDia(GetCurrentTime_LocalTime()); }

CZTString ZTGetHoraAgoraTexto2() { return ZTSegundosParaTexto(ZTGetSegundosAgora()); }

int ZTGetFusoHorario() {
    // The zone's offset is the local calendar time less the universal one of the same moment,
    // counted in seconds: a difference of calendar fields alone would go wrong where the two
    // fall in different months.
    const std::int64_t agora = ZTGetCTimeAgora();
    platform::CalendarFields local, universal;
    if (!platform::LocalFieldsOf(agora, local) || !platform::UniversalFieldsOf(agora, universal)) return 0;
    const std::int64_t distancia = SegundosCorridos(local) - SegundosCorridos(universal);
    return static_cast<int>(distancia / 3600 * 100 + distancia % 3600 / 60);
}
