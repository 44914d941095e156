#include "util/date/date_parse.h"

#include "util/date/day_number.h"

#include <string_view>

namespace {

// ---- Shared checks -------------------------------------------------------------------------

bool AnoAceito(int ano) { return ano >= ZT_ANO_MINIMO && ano <= ZT_ANO_MAXIMO; }

// The day must exist in its month; 29 February needs a leap year. A thirteenth month has no days.
bool DiaAceito(int dia, int mes, int ano) {
    if (mes < 1 || mes > 12 || dia < 1 || dia > ZT_DIAS_POR_MES[mes]) return false;
    return !(mes == 2 && dia > 28 && !ZTIsAnoBissexto(ano));
}

// ---- Digit-state parser --------------------------------------------------------------------

enum Classe { kDigito = 0, kBarra = 1, kBranco = 2, kFim = 3 };
constexpr int kAceita = 12;
constexpr int kRejeita = 13;
constexpr int kDigitosPorCampo = 4;

constexpr int kTransicoes[12][4] = {
    // digit '/' blank end
    {1, 13, 0, 13},   // 0: before the first field
    {2, 3, 2, 13},    // 1: one digit of the first field
    {13, 3, 2, 13},   // 2: first field done
    {4, 13, 3, 13},   // 3: after the first '/'
    {5, 7, 6, 12},    // 4: one digit of the second field
    {9, 7, 6, 12},    // 5: two digits of the second field
    {13, 7, 6, 12},   // 6: second field done
    {8, 13, 7, 13},   // 7: after the second '/'
    {9, 13, 11, 12},  // 8: one digit of the last field
    {10, 13, 11, 12}, // 9: more digits
    {11, 13, 11, 12}, // 10: more digits
    {13, 13, 11, 12}, // 11: last field done
};

int ClasseDe(char c) {
    if (c >= '0' && c <= '9') return kDigito;
    if (c == '/') return kBarra;
    if (c == ' ' || c == '\t') return kBranco;
    if (c == '\0') return kFim;
    return -1;
}

struct Campo {
    int valor = 0;
    int digitos = 0;
};

}  // namespace

bool ZTLeTextoDataEstados(const char* texto, int* dia, int* mes, int* ano, bool permite13) {
    if (dia) *dia = 0;
    if (mes) *mes = 0;
    if (ano) *ano = 0;
    if (!texto) return false;

    Campo campos[3];
    int atual = -1;
    int estado = 0;
    for (const char* p = texto;; ++p) {
        const int classe = ClasseDe(*p);
        if (classe < 0) return false;
        if (classe == kDigito) {
            if (estado == 0 || estado == 3 || estado == 7) ++atual;
            // The table lets the second field run to five digits; no field of a date has more than four.
            if (atual < 0 || atual > 2 || campos[atual].digitos == kDigitosPorCampo) return false;
            campos[atual].valor = campos[atual].valor * 10 + (*p - '0');
            ++campos[atual].digitos;
        }
        estado = kTransicoes[estado][classe];
        if (estado == kRejeita) return false;
        if (estado == kAceita) break;
    }

    const bool temDia = atual == 2;
    const Campo& campoMes = temDia ? campos[1] : campos[0];
    const Campo& campoAno = temDia ? campos[2] : campos[1];
    const int a = campoAno.digitos < 3 ? ZTJanelaAno(campoAno.valor) : campoAno.valor;
    const int m = campoMes.valor;
    if (!AnoAceito(a)) return false;
    if (campoMes.digitos > 2 || m < 1 || m > (permite13 ? 13 : 12)) return false;
    if (dia && !temDia) return false;
    if (temDia && !DiaAceito(campos[0].valor, m, a)) return false;

    if (dia) *dia = campos[0].valor;
    if (mes) *mes = m;
    if (ano) *ano = a;
    return true;
}

namespace {

// ---- Parser by format type -----------------------------------------------------------------

constexpr int kCampoExcessivo = 100000;  // more than any field may hold: saturate there

std::string_view Apara(std::string_view campo) {
    while (!campo.empty() && (campo.front() == ' ' || campo.front() == '\t')) campo.remove_prefix(1);
    while (!campo.empty() && (campo.back() == ' ' || campo.back() == '\t')) campo.remove_suffix(1);
    return campo;
}

// Splits the text into `quantos` fields at the separator (the last field being what follows the
// separator after them, which must be blank) and reads each as a non-empty run of digits.
bool LeCampos(std::string_view texto, char separador, int quantos, int* valores) {
    for (int i = 0; i < quantos; ++i) {
        size_t fim = separador != '\0' ? texto.find(separador) : std::string_view::npos;
        std::string_view campo = Apara(texto.substr(0, fim));
        texto = fim == std::string_view::npos ? std::string_view() : texto.substr(fim + 1);
        if (campo.empty()) return false;
        int valor = 0;
        for (char c : campo) {
            if (c < '0' || c > '9') return false;
            if (valor < kCampoExcessivo) valor = valor * 10 + (c - '0');
        }
        valores[i] = valor;
    }
    return Apara(texto).empty();
}

bool TextoVazio(const char* texto) { return !texto || *texto == '\0'; }

}  // namespace

bool ZTLeTextoMesAnoFormato(const char* texto, int& mes, int& ano, int tipo, char separador) {
    mes = ano = 0;
    if (tipo < 6 || tipo > 9) return false;
    if (TextoVazio(texto)) return true;

    int campos[2] = {0, 0};
    if (!LeCampos(texto, separador, 2, campos)) return false;
    const bool anoPrimeiro = tipo == 8 || tipo == 9;
    const int m = anoPrimeiro ? campos[1] : campos[0];
    const int a = ZTJanelaAno(anoPrimeiro ? campos[0] : campos[1]);
    if (!AnoAceito(a) || m < 1 || m > 12) return false;
    mes = m;
    ano = a;
    return true;
}

bool ZTLeTextoDataFormato(const char* texto, int& dia, int& mes, int& ano, int tipo, char separador) {
    dia = mes = ano = 0;
    if (tipo >= 6 && tipo <= 9) return ZTLeTextoMesAnoFormato(texto, mes, ano, tipo, separador);
    if (tipo < 0 || tipo > 5) return false;
    if (TextoVazio(texto)) return true;

    int campos[3] = {0, 0, 0};
    if (!LeCampos(texto, separador, 3, campos)) return false;
    int d = 0, m = 0, a = 0;
    if (tipo <= 1) {
        d = campos[0], m = campos[1], a = campos[2];
    } else if (tipo <= 3) {
        m = campos[0], d = campos[1], a = campos[2];
    } else {
        a = campos[0], m = campos[1], d = campos[2];
    }
    a = ZTJanelaAno(a);
    if (!AnoAceito(a) || !DiaAceito(d, m, a)) return false;
    dia = d;
    mes = m;
    ano = a;
    return true;
}
