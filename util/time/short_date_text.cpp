#include "util/time/short_date_text.h"

#include "util/date/day_number.h"
#include "util/time/digit_fields.h"
#include "util/time/short_date.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace {

constexpr int kDigitosDeData = 14;
constexpr size_t kDigitosComSeculo = 8;

char* TextoVazio(char* buffer) {
    if (buffer) buffer[0] = '\0';
    return buffer;
}

// The year a text shows: four digits (a two-digit year through the window, all-zero dates keep
// 0) or two.
int AnoMostrado(int ano, bool quatroDigitos, bool vazio) {
    if (!quatroDigitos) return ano % 100;
    return vazio ? 0 : ZTJanelaAno(ano);
}

// The year of date digits: ddmmyyyy carries four digits, any other count two (or fewer).
int AnoDosDigitos(const std::string& digitos) {
    return digitos.size() == kDigitosComSeculo ? ZTCampoNumerico(digitos, 4, 4) : ZTCampoNumerico(digitos, 4, 2);
}

// Eight digits are read only when their year is one that a short date holds.
bool SeculoAceito(const std::string& digitos) {
    if (digitos.size() != kDigitosComSeculo) return true;
    const int ano = AnoDosDigitos(digitos);
    return ano >= ZT_ANO_CURTO_MINIMO && ano <= ZT_ANO_CURTO_MAXIMO;
}

bool MesAnoAceito(const std::string& digitos, bool permite13) {
    const int mes = ZTCampoNumerico(digitos, 0, 2);
    if (mes < 1 || mes > (permite13 ? 13 : 12)) return false;
    if (digitos.size() < 4) return true;
    return ZTIsMesAnoValido(ZTMontaMesAno(mes, ZTCampoNumerico(digitos, 2, 2)));
}

bool DataAceita(const std::string& digitos) {
    const int dia = ZTCampoNumerico(digitos, 0, 2);
    const int mes = ZTCampoNumerico(digitos, 2, 2);
    if (mes < 1 || mes > 12 || dia < 1 || dia > ZT_DIAS_POR_MES[mes]) return false;
    // The year is read once (a two-digit one through the window) and then taken as it is; its
    // calendar decides 29 February, 2100 included.
    const int ano = ZTAnoDaFormaCurta(AnoDosDigitos(digitos));
    if (mes == 2 && dia == 29 && !ZTIsAnoBissexto(ano)) return false;
    // A date the field cannot hold is as wrong as 31 April: the parser would make it empty.
    return ZTDataCurtaDaData(dia, mes, ano) != 0;
}

}  // namespace

char* ZTCamposDataParaTexto(int dia, int mes, int ano, char* buffer, bool quatroDigitos) {
    if (!buffer) return buffer;
    if (dia < 0 || dia > 99 || mes < 0 || mes > 99 || ano < 0 || ano > 9999) return TextoVazio(buffer);
    const int a = AnoMostrado(ano, quatroDigitos, dia == 0 && mes == 0 && ano == 0);
    std::snprintf(buffer, ZT_TEXTO_DATA_CURTA, quatroDigitos ? "%02d/%02d/%04d" : "%02d/%02d/%02d", dia, mes, a);
    return buffer;
}

char* ZTCamposMesAnoParaTexto(int mes, int ano, char* buffer, bool quatroDigitos) {
    if (!buffer) return buffer;
    if (mes < 0 || mes > 99 || ano < 0 || ano > 9999) return TextoVazio(buffer);
    const int a = AnoMostrado(ano, quatroDigitos, mes == 0 && ano == 0);
    std::snprintf(buffer, ZT_TEXTO_DATA_CURTA, quatroDigitos ? "%02d/%04d" : "%02d/%02d", mes, a);
    return buffer;
}

char* ZTDataParaTexto(std::uint16_t numero, char* buffer, bool quatroDigitos) {
    int d, m, a;
    ZTDesmontaData(numero, d, m, a);
    return ZTCamposDataParaTexto(d, m, a, buffer, quatroDigitos);
}

char* ZTMesAnoParaTexto(std::uint16_t numero, char* buffer, bool quatroDigitos) {
    int m, a;
    ZTDesmontaMesAno(numero, m, a);
    return ZTCamposMesAnoParaTexto(m, a, buffer, quatroDigitos);
}

char* ZTFormataData(const void* campo, char* buffer, bool quatroDigitos) {
    return ZTDataParaTexto(ZTLeCampoCurto(campo), buffer, quatroDigitos);
}

char* ZTFormataMesAno(const void* campo, char* buffer, bool quatroDigitos) {
    return ZTMesAnoParaTexto(ZTLeCampoCurto(campo), buffer, quatroDigitos);
}

CZTString ZTFormataCampoData(const void* campo, bool quatroDigitos) {
    char texto[ZT_TEXTO_DATA_CURTA];
    return CZTString(ZTFormataData(campo, texto, quatroDigitos));
}

std::uint16_t ZTTextoParaData(const char* texto) {
    const std::string digitos = ZTDigitosDoTexto(texto, kDigitosDeData);
    if (!SeculoAceito(digitos)) return 0;
    return ZTMontaData(ZTCampoNumerico(digitos, 0, 2), ZTCampoNumerico(digitos, 2, 2), AnoDosDigitos(digitos));
}

std::uint16_t ZTTextoParaMesAno(const char* texto) {
    if (!texto) return 0;
    const std::string_view t(texto);
    return ZTMontaMesAno(ZTCampoNumerico(t, 0, 2), ZTCampoNumerico(t, 3, 2));
}

bool ZTLeTextoData(const char* texto, int& dia, int& mes, int& ano) {
    const std::uint16_t numero = ZTTextoParaData(texto);
    ZTDesmontaData(numero, dia, mes, ano);
    return numero != 0;
}

bool ZTLeTextoMesAno(const char* texto, int& mes, int& ano) {
    const std::uint16_t numero = ZTTextoParaMesAno(texto);
    ZTDesmontaMesAno(numero, mes, ano);
    return numero != 0;
}

bool ZTValidaTextoData(const char* texto, bool mesAno, bool permite13) {
    const std::string digitos = ZTDigitosDoTexto(texto, kDigitosDeData);
    if (!SeculoAceito(digitos)) return false;
    if (mesAno && digitos.size() <= 5) return MesAnoAceito(digitos, permite13);
    return DataAceita(digitos);
}

void ZTLeDataHoraISO(const char* texto, std::uint16_t& data, std::int32_t& hora) {
    const std::string_view t = texto ? std::string_view(texto) : std::string_view();
    data = 0;
    hora = 0;
    if (t.size() >= 10) {
        data = ZTMontaData(ZTCampoNumerico(t, 8, 2), ZTCampoNumerico(t, 5, 2), ZTCampoNumerico(t, 0, 4));
    }
    if (t.size() > 17) {
        hora = ZTCampoNumerico(t, 11, 2) * 10000 + ZTCampoNumerico(t, 14, 2) * 100 + ZTCampoNumerico(t, 17, 2);
    }
}
