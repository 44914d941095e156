#include "util/time/short_date.h"

#include "util/date/date_time_value.h"
#include "util/date/day_number.h"

#include <cstring>
#include <limits>

namespace {

// Stored values below the original minimum continue the numbering after the field's last value.
constexpr std::uint32_t kValorMaximo = std::numeric_limits<std::uint16_t>::max();  // 4 June 2027

bool AnoCurto(int ano) { return ano >= ZT_ANO_CURTO_MINIMO && ano <= ZT_ANO_CURTO_MAXIMO; }

std::int64_t MeiaNoiteDaDataCurta(std::uint16_t valor) {
    int d, m, a;
    ZTDesmontaData(valor, d, m, a);
    if (a == 0) return 0;
    return ZTMeiaNoiteLocal(d, m, a);
}

}  // namespace

std::uint32_t ZTDataCurtaParaDiaNumero(std::uint16_t valor) {
    if (valor == 0 || valor >= ZT_DATA_CURTA_MINIMA) return valor;
    return valor + kValorMaximo;
}

std::uint16_t ZTDiaNumeroParaDataCurta(std::uint32_t numero) {
    if (numero < ZT_DATA_CURTA_MINIMA || numero > ZT_DATA_CURTA_MAXIMA) return 0;
    return static_cast<std::uint16_t>(numero <= kValorMaximo ? numero : numero - kValorMaximo);
}

int ZTAnoDaFormaCurta(int ano) {
    if (AnoCurto(ano)) return ano;
    return ZTJanelaAno(ano % 100);  // a negative year stays negative and is refused later
}

std::uint16_t ZTMontaData(int dia, int mes, int ano) {
    if (dia == 0 && mes == 0 && ano == 0) return 0;
    if (dia < 1 || mes < 1 || mes > 12) return 0;
    return ZTDiaNumeroParaDataCurta(ZTCalculaDiaNumero(dia, mes, ZTAnoDaFormaCurta(ano)));
}

void ZTDesmontaData(std::uint16_t valor, int& dia, int& mes, int& ano) {
    ZTDesmontaDiaNumero(ZTDataCurtaParaDiaNumero(valor), dia, mes, ano);
}

std::uint16_t ZTMontaMesAno(int mes, int ano) {
    if (mes == 0 && ano == 0) return 0;
    const std::int64_t numero = static_cast<std::int64_t>(mes) + 12LL * (ZTAnoDaFormaCurta(ano) - ZT_ANO_MINIMO);
    if (numero < 1 || numero > std::numeric_limits<std::uint16_t>::max()) return 0;
    return static_cast<std::uint16_t>(numero);
}

void ZTDesmontaMesAno(std::uint16_t numero, int& mes, int& ano) { ZTDesmontaMesNumero(numero, mes, ano); }

std::uint16_t ZTDataCurtaDaData(int dia, int mes, int ano) {
    if (!AnoCurto(ano)) return 0;
    return ZTMontaData(dia, mes, ano);
}

std::uint16_t ZTMesAnoCurtoDoMes(int mes, int ano) {
    if (!AnoCurto(ano) || mes < 1 || mes > 12) return 0;
    const std::uint16_t numero = ZTMontaMesAno(mes, ano);
    return ZTIsMesAnoValido(numero) ? numero : 0;
}

std::uint16_t ZTDataParaMesAno(std::uint16_t valor) {
    int d, m, a;
    ZTDesmontaData(valor, d, m, a);
    return ZTMesAnoCurtoDoMes(m, a);
}

bool ZTIsDataValida(std::uint32_t valor) { return valor >= 1 && valor <= kValorMaximo; }

bool ZTIsMesAnoValido(std::uint32_t numero) { return numero >= ZT_MES_CURTO_MINIMO && numero <= ZT_MES_CURTO_MAXIMO; }

std::uint32_t ZTGetDataMinima() { return ZT_DATA_CURTA_MINIMA; }

std::uint32_t ZTGetDataMaxima() { return ZT_DATA_CURTA_MAXIMA; }

std::uint16_t ZTGetMesAnoMinimo() { return ZT_MES_CURTO_MINIMO; }

std::uint16_t ZTGetMesAnoMaximo() { return ZT_MES_CURTO_MAXIMO; }

std::uint16_t ZTTimeTParaData(std::uint32_t tempo) {
    int d, m, a;
    if (tempo == 0 || !ZTDataLocalDeTimeT(tempo, d, m, a)) return 0;
    return ZTDataCurtaDaData(d, m, a);
}

std::uint32_t ZTDataParaTimeT(std::uint16_t valor) { return ZTMomento32(MeiaNoiteDaDataCurta(valor)); }

std::int64_t ZTDataParaCTime(std::uint16_t valor) { return MeiaNoiteDaDataCurta(valor); }

std::uint16_t ZTLeCampoCurto(const void* campo) {
    if (!campo) return 0;
    std::uint16_t valor;
    std::memcpy(&valor, campo, sizeof valor);
    return valor;
}

std::uint16_t ZTMesAnoDoCampoData(const void* campo) { return ZTDataParaMesAno(ZTLeCampoCurto(campo)); }
