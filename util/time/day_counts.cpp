#include "util/time/day_counts.h"

#include "util/date/day_number.h"
#include "util/time/digit_fields.h"
#include "util/time/short_date_text.h"

#include <cstdio>
#include <limits>
#include <string>

namespace {

constexpr int kDigitosDeContagem = 15;
constexpr std::int32_t kDias1848Menos1850 = 731;
constexpr std::int64_t kDias1850Base = 675'250;  // 1850 × 365, which puts 1 January 1850 on 1
constexpr int kMeses1850Base = 22'200;            // 12 × 1850
constexpr int kAnoMaximoNoTexto = 9999;

bool Bissexto(std::int64_t ano) { return ano % 4 == 0; }

// Days of the months before `mes` in a year of these counts (February 29 in every fourth year).
int DiasAntesDoMes(int mes, std::int64_t ano) {
    return ZT_DIAS_ANTES_DO_MES[mes] + (mes > 2 && Bissexto(ano) ? 1 : 0);
}

int DiasDoMes(int mes, std::int64_t ano) { return mes == 2 ? (Bissexto(ano) ? 29 : 28) : ZT_DIAS_POR_MES[mes]; }

std::int32_t Em32Bits(std::int64_t valor) {
    if (valor < std::numeric_limits<std::int32_t>::min() || valor > std::numeric_limits<std::int32_t>::max()) return 0;
    return static_cast<std::int32_t>(valor);
}

// A text that snprintf had to cut would be a wrong date: leave it empty instead.
char* Confere(char* buffer, int escritos) {
    if (escritos < 0 || escritos >= ZT_TEXTO_DATA_CURTA) buffer[0] = '\0';
    return buffer;
}

std::int64_t DiasBase(int dia, int mes, std::int64_t ano, int base) {
    const std::int64_t anos = ano - base;
    return dia + DiasAntesDoMes(mes, ano) + 365 * anos + (anos + 1) / 4;
}

}  // namespace

std::int32_t ZTCalculaDias1850(int dia, int mes, int ano) {
    if (dia == 0 && mes == 0 && ano == 0) return 0;
    if (mes < 1 || mes > 12) return 0;
    const std::int64_t a = ano;
    return Em32Bits(a * 365 + (a - 1849) / 4 + DiasAntesDoMes(mes, a) + dia - kDias1850Base);
}

std::int32_t ZTTextoParaDias1850(const char* texto) {
    const std::string d = ZTDigitosDoTexto(texto, kDigitosDeContagem);
    return ZTCalculaDias1850(ZTCampoNumerico(d, 0, 2), ZTCampoNumerico(d, 2, 2), ZTCampoNumerico(d, 4, 4));
}

char* ZTDias1850ParaTexto(std::int32_t dias, char* buffer) {
    if (!buffer) return buffer;
    if (dias <= 0) return Confere(buffer, std::snprintf(buffer, ZT_TEXTO_DATA_CURTA, "00/00/0"));

    // Whole years of 365.25 days; the day of the year is what is left.
    std::int64_t anos = static_cast<std::int64_t>(dias) * 4 / 1461;
    std::int64_t diaDoAno = dias - 365 * anos - (anos + 1) / 4;
    int mes = 1;
    if (diaDoAno == 0) {
        // The last day of a leap cycle: 31 December of the year before.
        --anos;
        mes = 12;
        diaDoAno = 31;
    }
    const std::int64_t ano = 1850 + anos;
    while (mes < 12 && diaDoAno > DiasDoMes(mes, ano)) diaDoAno -= DiasDoMes(mes++, ano);
    if (ano > kAnoMaximoNoTexto) return Confere(buffer, -1);
    return Confere(buffer, std::snprintf(buffer, ZT_TEXTO_DATA_CURTA, "%02d/%02d/%d", static_cast<int>(diaDoAno), mes,
                                         static_cast<int>(ano)));
}

std::int32_t ZTTextoParaMeses1850(const char* texto) {
    const std::string d = ZTDigitosDoTexto(texto, kDigitosDeContagem);
    const int mes = ZTCampoNumerico(d, 0, 2);
    const int ano = ZTCampoNumerico(d, 2, 4);
    if (mes == 0 && ano == 0) return 0;
    return mes + 12 * ano - kMeses1850Base;
}

char* ZTMeses1850ParaTexto(std::int32_t meses, char* buffer) {
    if (!buffer) return buffer;
    if (meses <= 0) return Confere(buffer, std::snprintf(buffer, ZT_TEXTO_DATA_CURTA, "00/0"));
    int mes = meses % 12;
    if (mes == 0) mes = 12;
    const std::int64_t ano = 1850 + (static_cast<std::int64_t>(meses) - mes) / 12;
    if (ano > kAnoMaximoNoTexto) return Confere(buffer, -1);
    return Confere(buffer, std::snprintf(buffer, ZT_TEXTO_DATA_CURTA, "%02d/%d", mes, static_cast<int>(ano)));
}

std::int32_t ZTDias1850ParaDias1848(std::int32_t dias1850) {
    if (dias1850 == 0) return 0;
    return Em32Bits(static_cast<std::int64_t>(dias1850) + kDias1848Menos1850);
}

std::int32_t ZTDias1848ParaDias1850(std::int32_t dias1848) {
    if (dias1848 == 0) return 0;
    return Em32Bits(static_cast<std::int64_t>(dias1848) - kDias1848Menos1850);
}

std::int32_t ZTCalculaDiasBase(int dia, int mes, int ano, int base) {
    if (dia == 0 && mes == 0 && ano == 0) return 0;
    if (mes < 1 || mes > 12) return 0;
    return Em32Bits(DiasBase(dia, mes, ano, base));
}

CZTString ZTDiasBaseParaTexto(std::int32_t dias, int base) {
    if (dias <= 0) return CZTString("00/00/0000");
    // The formula itself, inverted: the last year whose 1 January is not after the count, then
    // the last month of it likewise. The estimate is off by at most one year either way.
    std::int64_t ano = base + (static_cast<std::int64_t>(dias) - 1) * 4 / 1461;
    for (int passo = 0; passo < 3 && DiasBase(1, 1, ano + 1, base) <= dias; ++passo) ++ano;
    for (int passo = 0; passo < 3 && DiasBase(1, 1, ano, base) > dias; ++passo) --ano;
    int mes = 12;
    while (mes > 1 && DiasBase(1, mes, ano, base) > dias) --mes;
    const std::int64_t dia = dias - DiasBase(1, mes, ano, base) + 1;
    return CZTString::Formata("%02d/%02d/%lld", static_cast<int>(dia), mes, static_cast<long long>(ano));
}

std::int32_t ZTTextoParaDiasBase(const char* texto, int base) {
    const std::string d = ZTDigitosDoTexto(texto, kDigitosDeContagem);
    return ZTCalculaDiasBase(ZTCampoNumerico(d, 0, 2), ZTCampoNumerico(d, 2, 2), ZTCampoNumerico(d, 4, 4), base);
}

std::int32_t ZTDataCurtaParaDiasBase(std::uint16_t dataCurta, int base) {
    char texto[ZT_TEXTO_DATA_CURTA];
    return ZTTextoParaDiasBase(ZTDataParaTexto(dataCurta, texto, true), base);
}
