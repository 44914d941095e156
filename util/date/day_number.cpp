#include "util/date/day_number.h"

namespace {

constexpr int kDiasDoAnoMedio10000 = 3652425;  // 365.2425 days, the Gregorian mean year

// The day-number formula itself, without any check: days before the month, the whole years with
// their leap days, the day, shifted so that 1 January 1848 lands on 2; January and February of a
// leap year have not had that year's 29 February yet.
std::int64_t FormulaDia(int dia, int mes, int ano) {
    std::int64_t n = ZT_DIAS_ANTES_DO_MES[mes] + 365LL * ano + ano / 400 + ano / 4 - ano / 100 + dia - 674966;
    if (ZTIsAnoBissexto(ano) && mes <= 2) --n;
    return n;
}

int DiasDoAno(int ano) { return ZTIsAnoBissexto(ano) ? 366 : 365; }

}  // namespace

bool ZTIsAnoBissexto(int ano) { return (ano % 4 == 0 && ano % 100 != 0) || ano % 400 == 0; }

int ZTDiasDoMes(int mes, int ano) {
    if (mes < 1 || mes > 12) return 0;
    if (mes == 2 && !ZTIsAnoBissexto(ano)) return 28;
    return ZT_DIAS_POR_MES[mes];
}

bool ZTIsDiaNumeroValido(std::uint32_t numero) { return numero >= ZT_DIA_MINIMO && numero <= ZT_DIA_MAXIMO; }

std::uint32_t ZTCalculaDiaNumero(int dia, int mes, int ano) {
    if (dia <= 0 || mes <= 0 || mes > 12) return 0;
    ano = ZTJanelaAno(ano);
    if (ano < ZT_ANO_MINIMO || ano > ZT_ANO_MAXIMO) return 0;
    const int ultimo = ZTDiasDoMes(mes, ano);
    if (dia > ultimo) dia = ultimo;
    return static_cast<std::uint32_t>(FormulaDia(dia, mes, ano));
}

bool ZTDesmontaDiaNumero(std::uint32_t numero, int& dia, int& mes, int& ano) {
    dia = mes = ano = 0;
    if (!ZTIsDiaNumeroValido(numero)) return false;

    // Estimate the year from the mean year length, then correct by one either way: the estimate
    // is never further off than that over the valid range.
    const std::int64_t n = numero;
    int y = static_cast<int>((n - 2) * 10000 / kDiasDoAnoMedio10000) + ZT_ANO_MINIMO;
    std::int64_t diaDoAno = n - FormulaDia(0, 1, y);
    if (diaDoAno < 1) {
        --y;
        diaDoAno = n - FormulaDia(0, 1, y);
    } else if (diaDoAno > DiasDoAno(y)) {
        ++y;
        diaDoAno = n - FormulaDia(0, 1, y);
    }

    const int bissexto = ZTIsAnoBissexto(y) ? 1 : 0;
    int m = 12;
    while (m > 1 && diaDoAno <= ZT_DIAS_ANTES_DO_MES[m] + (m > 2 ? bissexto : 0)) --m;
    dia = static_cast<int>(diaDoAno - ZT_DIAS_ANTES_DO_MES[m] - (m > 2 ? bissexto : 0));
    mes = m;
    ano = y;
    return true;
}

int ZTDiaSemana(std::uint32_t numero) {
    if (!ZTIsDiaNumeroValido(numero)) return 0;
    return static_cast<int>((numero + 4) % 7 + 1);
}

const char* ZTNomeDiaSemana(int diaSemana) {
    static const char* const kNomes[8] = {
        "", "Domingo", "Segunda-feira", "Ter\xE7" "a-feira", "Quarta-feira", "Quinta-feira", "Sexta-feira",
        "S\xE1" "bado",
    };
    if (diaSemana < 1 || diaSemana > 7) return kNomes[0];
    return kNomes[diaSemana];
}

bool ZTIsMesNumeroValido(std::uint32_t numero) { return numero >= ZT_MES_MINIMO && numero <= ZT_MES_MAXIMO; }

std::uint16_t ZTCalculaMesNumero(int mes, int ano) {
    if (mes < 1 || mes > 12) return 0;
    ano = ZTJanelaAno(ano);
    if (ano < ZT_ANO_MINIMO || ano > ZT_ANO_MAXIMO) return 0;
    return static_cast<std::uint16_t>(mes + 12 * (ano - ZT_ANO_MINIMO));
}

bool ZTDesmontaMesNumero(std::uint32_t numero, int& mes, int& ano) {
    mes = ano = 0;
    if (!ZTIsMesNumeroValido(numero)) return false;
    mes = static_cast<int>(numero % 12);
    if (mes == 0) mes = 12;
    ano = static_cast<int>((numero - static_cast<std::uint32_t>(mes)) / 12) + ZT_ANO_MINIMO;
    return true;
}
