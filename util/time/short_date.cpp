#include "util/time/short_date.h"

#include "util/date/date_time_value.h"
#include "util/date/day_number.h"

#include <cstring>
#include <limits>

namespace {

// The year a short form means: a four-digit year the field can hold stays, any other is cut to
// two digits and read through the window.
int AnoDaFormaCurta(int ano) {
    if (ano >= ZT_ANO_CURTO_MINIMO && ano <= ZT_ANO_CURTO_MAXIMO) return ano;
    return ZTJanelaAno(ano % 100);  // a negative year stays negative and is refused later
}

std::uint16_t DataCurtaOuVazia(std::uint32_t numero) {
    return ZTIsDataValida(numero) ? static_cast<std::uint16_t>(numero) : 0;
}

std::int64_t MeiaNoiteDaDataCurta(std::uint16_t numero) {
    int d, m, a;
    ZTDesmontaData(numero, d, m, a);
    if (a == 0) return 0;
    return ZTMeiaNoiteLocal(d, m, a);
}

}  // namespace

std::uint16_t ZTMontaData(int dia, int mes, int ano) {
    if (dia == 0 && mes == 0 && ano == 0) return 0;
    if (dia < 1 || mes < 1 || mes > 12) return 0;
    return DataCurtaOuVazia(ZTCalculaDiaNumero(dia, mes, AnoDaFormaCurta(ano)));
}

void ZTDesmontaData(std::uint16_t numero, int& dia, int& mes, int& ano) { ZTDesmontaDiaNumero(numero, dia, mes, ano); }

std::uint16_t ZTMontaMesAno(int mes, int ano) {
    if (mes == 0 && ano == 0) return 0;
    const std::int64_t numero = static_cast<std::int64_t>(mes) + 12LL * (AnoDaFormaCurta(ano) - ZT_ANO_MINIMO);
    if (numero < 1 || numero > std::numeric_limits<std::uint16_t>::max()) return 0;
    return static_cast<std::uint16_t>(numero);
}

void ZTDesmontaMesAno(std::uint16_t numero, int& mes, int& ano) { ZTDesmontaMesNumero(numero, mes, ano); }

std::uint16_t ZTDataCurtaDaData(int dia, int mes, int ano) {
    if (ano < ZT_ANO_CURTO_MINIMO || ano > ZT_ANO_CURTO_MAXIMO) return 0;
    return ZTMontaData(dia, mes, ano);
}

std::uint16_t ZTMesAnoCurtoDoMes(int mes, int ano) {
    if (ano < ZT_ANO_CURTO_MINIMO || ano > ZT_ANO_CURTO_MAXIMO || mes < 1 || mes > 12) return 0;
    const std::uint16_t numero = ZTMontaMesAno(mes, ano);
    return ZTIsMesAnoValido(numero) ? numero : 0;
}

std::uint16_t ZTDataParaMesAno(std::uint16_t numero) {
    if (!ZTIsDataValida(numero)) return 0;
    int d, m, a;
    ZTDesmontaData(numero, d, m, a);
    return ZTMontaMesAno(m, a);
}

bool ZTIsDataValida(std::uint32_t numero) { return numero >= ZT_DATA_CURTA_MINIMA && numero <= ZT_DATA_CURTA_MAXIMA; }

bool ZTIsMesAnoValido(std::uint32_t numero) { return numero >= ZT_MES_CURTO_MINIMO && numero <= ZT_MES_CURTO_MAXIMO; }

std::uint16_t ZTGetDataMinima() { return ZT_DATA_CURTA_MINIMA; }

std::uint16_t ZTGetDataMaxima() { return ZT_DATA_CURTA_MAXIMA; }

std::uint16_t ZTGetMesAnoMinimo() { return ZT_MES_CURTO_MINIMO; }

std::uint16_t ZTGetMesAnoMaximo() { return ZT_MES_CURTO_MAXIMO; }

std::uint16_t ZTTimeTParaData(std::int32_t tempo) {
    int d, m, a;
    if (tempo == 0 || !ZTDataLocalDeTimeT(tempo, d, m, a)) return 0;
    return ZTDataCurtaDaData(d, m, a);
}

std::int32_t ZTDataParaTimeT(std::uint16_t numero) { return ZTTimeTParaTimeT32(MeiaNoiteDaDataCurta(numero)); }

std::int64_t ZTDataParaCTime(std::uint16_t numero) { return MeiaNoiteDaDataCurta(numero); }

std::uint16_t ZTLeCampoCurto(const void* campo) {
    if (!campo) return 0;
    std::uint16_t valor;
    std::memcpy(&valor, campo, sizeof valor);
    return valor;
}

std::uint16_t ZTMesAnoDoCampoData(const void* campo) { return ZTDataParaMesAno(ZTLeCampoCurto(campo)); }
