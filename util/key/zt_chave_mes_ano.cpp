#include "util/key/zt_chave_mes_ano.h"

#include "util/date/date_format.h"
#include "util/date/day_number.h"
#include "util/date/zt_mes_ano.h"

namespace {

constexpr int kBitsMes = 12;
constexpr int kTipoMesAnoDoisDigitos = 6;  // mm/yy

// Blanks as the C library's number reading skips them.
bool EhBranco(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }

const char* PulaBrancos(const char* p) {
    while (EhBranco(*p)) ++p;
    return p;
}

template <class T>
int Compara(T a, T b) {
    if (a < b) return -1;
    return a > b ? 1 : 0;
}

// The month of the four characters mmyy at `p` (not blanks, not the end), read as mm/yy by
// the date-text parser; 0 when they are missing or rejected.
std::uint16_t LeMesMMAA(const char* p) {
    char texto[6] = {};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == '\0' || EhBranco(p[i])) return 0;
    }
    texto[0] = p[0];
    texto[1] = p[1];
    texto[2] = '/';
    texto[3] = p[2];
    texto[4] = p[3];
    return CZTMesAno().SetTexto(texto, true).GetValor();
}

// A decimal key at `p` as the C library reads "%d" (blanks, an optional sign, digits), followed
// only by blanks. False for no digits, a negative key, one above the key field, or anything else
// after it.
bool LeChave(const char* p, std::uint32_t& lChave) {
    p = PulaBrancos(p);
    bool negativo = false;
    if (*p == '+' || *p == '-') negativo = *p++ == '-';
    if (*p < '0' || *p > '9') return false;
    std::uint32_t valor = 0;
    for (; *p >= '0' && *p <= '9'; ++p) {
        valor = valor * 10 + static_cast<std::uint32_t>(*p - '0');
        if (valor > ZT_CHAVE_MES_ANO_CHAVE_MAXIMA) return false;  // also keeps the product from overflowing
    }
    if (*PulaBrancos(p) != '\0') return false;
    if (negativo && valor != 0) return false;
    lChave = valor;
    return true;
}

}  // namespace

std::uint32_t ZTMontaChaveMesAno(std::uint16_t iMesAno, std::uint32_t lChave) {
    // The packing the stored links and the other modules share, bit for bit: callers keep the
    // month below 4096; key bits above the twentieth fall off the top.
    return iMesAno | ((lChave & 0xFFFFFFu) << kBitsMes);
}

std::uint32_t ZTGetChaveDaChaveMesAno(std::uint32_t lChaveMesAno) { return lChaveMesAno >> kBitsMes; }

std::uint16_t ZTGetMesAnoDaChaveMesAno(std::uint32_t lChaveMesAno) {
    return static_cast<std::uint16_t>(lChaveMesAno & ZT_CHAVE_MES_ANO_MES_MAXIMO);
}

std::uint16_t ZTDesmontaChaveMesAno(std::uint32_t lChaveMesAno, std::uint16_t& iMesAno, std::uint32_t& lChave) {
    iMesAno = ZTGetMesAnoDaChaveMesAno(lChaveMesAno);
    lChave = ZTGetChaveDaChaveMesAno(lChaveMesAno);
    return iMesAno;
}

char* ZTMesDaChaveParaTexto(std::uint32_t lChaveMesAno, char* buffer, int tamanho, std::uint32_t* pChave) {
    if (pChave) *pChave = ZTGetChaveDaChaveMesAno(lChaveMesAno);
    int mes = 0, ano = 0;
    (void)ZTDesmontaMesNumero(ZTGetMesAnoDaChaveMesAno(lChaveMesAno), mes, ano);  // month 0 gives 00/00
    return ZTFormataMesAnoTipo(mes, ano, buffer, tamanho, kTipoMesAnoDoisDigitos, '/', false);
}

CZTString ZTChaveMesAnoParaTexto(std::uint32_t lChaveMesAno) {
    char mes[ZT_TAM_TEXTO_MES_CHAVE] = {};
    std::uint32_t lChave = 0;
    ZTMesDaChaveParaTexto(lChaveMesAno, mes, sizeof mes, &lChave);
    const char mmaa[5] = {mes[0], mes[1], mes[3], mes[4], '\0'};
    return CZTString::Formata("%s-%06u", mmaa, static_cast<unsigned>(lChave));
}

std::uint32_t ZTTextoParaChaveMesAno(const char* szMes, std::uint32_t lChave) {
    const std::uint16_t iMesAno = CZTMesAno().SetTexto(szMes, true).GetValor();
    // A typed month the value cannot hold would run into the key: refused like a bad text.
    if (iMesAno == 0 || iMesAno > ZT_CHAVE_MES_ANO_MES_MAXIMO) return 0;
    return ZTMontaChaveMesAno(iMesAno, lChave);
}

std::uint32_t ZTTextoChaveParaChaveMesAno(const char* texto) {
    if (!texto) return 0;
    const char* p = PulaBrancos(texto);
    const std::uint16_t iMesAno = LeMesMMAA(p);
    if (iMesAno == 0 || p[4] != '-') return 0;
    std::uint32_t lChave = 0;
    if (!LeChave(p + 5, lChave) || lChave == 0) return 0;
    return ZTMontaChaveMesAno(iMesAno, lChave);
}

int ZTComparaChaveMesAno(std::uint32_t a, std::uint32_t b) {
    const int meses = Compara(ZTGetMesAnoDaChaveMesAno(a), ZTGetMesAnoDaChaveMesAno(b));
    return meses != 0 ? meses : Compara(a, b);
}

int ZTComparaMesAnoChave(std::uint16_t iMesA, std::uint32_t lChaveA, std::uint16_t iMesB, std::uint32_t lChaveB) {
    const int meses = Compara(iMesA, iMesB);
    return meses != 0 ? meses : Compara(lChaveA, lChaveB);
}

ZT_REGISTRO_MES_ANO ZTMontaRegistroMesAno(std::uint16_t iMesAno, std::uint32_t lChave, std::uint16_t iNumero) {
    return {ZTMontaChaveMesAno(iMesAno, lChave), iNumero};
}

std::uint16_t ZTDesmontaRegistroMesAno(const ZT_REGISTRO_MES_ANO& registro, std::uint16_t& iMesAno,
                                       std::uint32_t& lChave, std::uint16_t& iNumero) {
    iNumero = registro.iNumero;
    return ZTDesmontaChaveMesAno(registro.lChaveMesAno, iMesAno, lChave);
}
