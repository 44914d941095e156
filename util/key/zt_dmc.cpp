#include "util/key/zt_dmc.h"

#include "util/date/day_number.h"
#include "util/date/zt_mes_ano.h"
#include "util/key/zt_nome_modulo_origem.h"

#include <cstdio>
#include <cstring>

namespace {

// Shift and width of each field.
struct Campo {
    int deslocamento;
    int largura;

    [[nodiscard]] constexpr std::uint64_t Mascara() const { return ((std::uint64_t{1} << largura) - 1) << deslocamento; }
    [[nodiscard]] constexpr std::uint32_t Le(std::uint64_t valor) const {
        return static_cast<std::uint32_t>((valor & Mascara()) >> deslocamento);
    }
    [[nodiscard]] constexpr std::uint64_t Grava(std::uint64_t valor, std::uint32_t campo) const {
        return (valor & ~Mascara()) | ((std::uint64_t{campo} << deslocamento) & Mascara());
    }
};

constexpr Campo kTipo{0, 2};
constexpr Campo kModulo{2, 12};
constexpr Campo kChave{14, 32};
constexpr Campo kPeriodo{46, 18};

static_assert(kPeriodo.deslocamento + kPeriodo.largura == 64, "the fields fill the 64 bits");
static_assert(kPeriodo.Mascara() >> kPeriodo.deslocamento == ZT_DMC_CAMPO_PERIODO);
static_assert(kModulo.Mascara() >> kModulo.deslocamento == ZT_DMC_CAMPO_MODULO);

constexpr int kTipoMesAnoQuatroDigitos = 7;  // mm/yyyy
constexpr int kTipoDataQuatroDigitos = 1;    // dd/mm/yyyy
constexpr int kTipoMesAnoDoisDigitos = 6;    // mm/yy

// The month part of a short form: "mm/yy" of the four characters mmyy, read by the month-text
// parser; 0 when they are not four digits or the month is refused.
std::uint16_t MesDoTextoCurto(const char* texto) {
    for (int i = 0; i < 4; ++i) {
        if (texto[i] < '0' || texto[i] > '9') return 0;
    }
    const char mes[6] = {texto[0], texto[1], '/', texto[2], texto[3], '\0'};
    return CZTMesAno().SetTexto(mes, true).GetValor();
}

// The six-digit key of a short form, from `texto` (exactly six digits); 0 when not.
std::uint32_t ChaveDoTextoCurto(const char* texto) {
    std::uint32_t chave = 0;
    for (int i = 0; i < 6; ++i) {
        if (texto[i] < '0' || texto[i] > '9') return 0;
        chave = chave * 10 + static_cast<std::uint32_t>(texto[i] - '0');
    }
    return chave;
}

// The period part of the origin text, by kind (" - Ano: 2014" ...); empty for kind 0.
CZTString TextoPeriodo(std::uint64_t lZTDMC) {
    const std::uint32_t periodo = ZTDMCGetPeriodo(lZTDMC);
    switch (ZTDMCGetTipo(lZTDMC)) {
        case ZT_DMC_TIPO_ANO: return CZTString::Formata(" - Ano: %04u", periodo);
        case ZT_DMC_TIPO_MES: {
            CZTMesAno mes;
            (void)mes.SetValor(ZTDMCGetMesAno(lZTDMC));
            return " - M\xEAs/Ano: " + mes.Formata(kTipoMesAnoQuatroDigitos, '/');
        }
        case ZT_DMC_TIPO_DATA:
            return " - Data: " + CZTData(ZTDMCGetData(lZTDMC)).Formata(kTipoDataQuatroDigitos, '/');
        default: return {};
    }
}

}  // namespace

std::uint32_t ZTDMCGetTipo(std::uint64_t lZTDMC) { return kTipo.Le(lZTDMC); }
std::uint32_t ZTDMCGetModulo(std::uint64_t lZTDMC) { return kModulo.Le(lZTDMC); }
std::uint32_t ZTDMCGetChave(std::uint64_t lZTDMC) { return kChave.Le(lZTDMC); }
std::uint32_t ZTDMCGetPeriodo(std::uint64_t lZTDMC) { return kPeriodo.Le(lZTDMC); }

std::uint64_t ZTDMCSetTipo(std::uint64_t lZTDMC, std::uint32_t valor) { return kTipo.Grava(lZTDMC, valor); }
std::uint64_t ZTDMCSetModulo(std::uint64_t lZTDMC, std::uint32_t valor) { return kModulo.Grava(lZTDMC, valor); }
std::uint64_t ZTDMCSetChave(std::uint64_t lZTDMC, std::uint32_t valor) { return kChave.Grava(lZTDMC, valor); }
std::uint64_t ZTDMCSetPeriodo(std::uint64_t lZTDMC, std::uint32_t valor) { return kPeriodo.Grava(lZTDMC, valor); }

std::uint64_t ZTDMCMonta(std::uint32_t lChave, std::uint32_t iModulo, std::uint32_t lPeriodo, std::uint32_t iTipo) {
    return ZTDMCSetPeriodo(ZTDMCSetChave(ZTDMCSetModulo(ZTDMCSetTipo(0, iTipo), iModulo), lChave), lPeriodo);
}

std::uint64_t ZTDMCMontaData(std::uint32_t lChave, std::uint32_t iModulo, std::uint32_t lDia) {
    if (lDia == 0) return ZTDMCMonta(lChave, iModulo, 0, ZT_DMC_TIPO_NENHUM);
    // A later day would fall into another date once masked: left 0, which the check refuses.
    const std::uint32_t periodo = lDia <= ZT_DMC_CAMPO_PERIODO ? lDia : 0;
    return ZTDMCMonta(lChave, iModulo, periodo, ZT_DMC_TIPO_DATA);
}

std::uint64_t ZTDMCMontaMes(std::uint32_t lChave, std::uint32_t iModulo, std::uint16_t iMes) {
    return ZTDMCMonta(lChave, iModulo, iMes, iMes != 0 ? ZT_DMC_TIPO_MES : ZT_DMC_TIPO_NENHUM);
}

std::uint64_t ZTDMCMontaAno(std::uint32_t lChave, std::uint32_t iModulo, std::uint16_t iAno) {
    return ZTDMCMonta(lChave, iModulo, iAno, iAno != 0 ? ZT_DMC_TIPO_ANO : ZT_DMC_TIPO_NENHUM);
}

std::uint32_t ZTDMCGetData(std::uint64_t lZTDMC) {
    const std::uint32_t periodo = ZTDMCGetPeriodo(lZTDMC);
    return periodo == 1 ? 0 : periodo;
}

std::uint16_t ZTDMCGetMesAno(std::uint64_t lZTDMC) {
    const auto mes = static_cast<std::uint16_t>(ZTDMCGetPeriodo(lZTDMC) & 0xFFFF);
    return mes > ZT_MES_MAXIMO ? 0 : mes;
}

bool ZTDMCIsValido(std::uint64_t lZTDMC) {
    const std::uint32_t modulo = ZTDMCGetModulo(lZTDMC);
    const std::uint32_t chave = ZTDMCGetChave(lZTDMC);
    const std::uint32_t periodo = ZTDMCGetPeriodo(lZTDMC);
    if (modulo == 0 && chave == 0 && periodo == 0) return false;
    switch (ZTDMCGetTipo(lZTDMC)) {
        case ZT_DMC_TIPO_ANO:
            if (periodo < ZT_ANO_MINIMO || periodo > ZT_ANO_MAXIMO) return false;
            break;
        case ZT_DMC_TIPO_MES:
            if (!ZTIsMesNumeroValido(periodo)) return false;
            break;
        case ZT_DMC_TIPO_DATA:
            if (!ZTIsDiaNumeroValido(periodo)) return false;
            break;
        default: break;
    }
    return modulo <= ZT_DMC_MODULO_MAXIMO && chave != 0;
}

CZTString ZTDMCParaTexto(std::uint64_t lZTDMC) {
    if (!ZTDMCIsValido(lZTDMC)) return {};
    const std::uint32_t modulo = ZTDMCGetModulo(lZTDMC);
    constexpr std::uint32_t kImportacao = 21, kLote = 22, kConciliacao = 24;
    CZTString texto = modulo == kImportacao || modulo == kLote ? CZTString() : CZTString("M\xF3" "dulo ");
    texto += ZTGetNomeModuloOrigem(modulo);
    if (modulo != kConciliacao) texto += TextoPeriodo(lZTDMC);
    texto += CZTString::Formata(" - Chave: %u", ZTDMCGetChave(lZTDMC));
    return texto;
}

bool ZTDMCParaTextoCurto(std::uint64_t lZTDMC, char* buffer, int tamanho) {
    if (!buffer || tamanho <= 0) return false;
    buffer[0] = '\0';
    if (tamanho < ZT_DMC_TAM_TEXTO_CURTO || ZTDMCGetTipo(lZTDMC) != ZT_DMC_TIPO_MES) return false;
    const std::uint32_t chave = ZTDMCGetChave(lZTDMC);
    CZTMesAno mes;
    // A key of seven digits would make a text the parser refuses: not written.
    if (!mes.SetValor(ZTDMCGetMesAno(lZTDMC)) || mes.IsVazia() || chave > 999999) return false;
    const CZTString mmaa = mes.Formata(kTipoMesAnoDoisDigitos, 0);
    std::snprintf(buffer, static_cast<std::size_t>(tamanho), "%s-%06u", mmaa.GetString(), chave);
    return true;
}

bool ZTDMCDeTextoCurto(const char* texto, std::uint64_t& lZTDMC) {
    lZTDMC = 0;
    if (!texto || *texto == '\0' || std::strcmp(texto, "0000-000000") == 0) return true;
    if (std::strlen(texto) != 11 || texto[4] != '-') return false;
    const std::uint16_t mes = MesDoTextoCurto(texto);
    const std::uint32_t chave = ChaveDoTextoCurto(texto + 5);
    if (!ZTIsMesNumeroValido(mes) || chave == 0) return false;
    lZTDMC = ZTDMCMontaMes(chave, 0, mes);
    return true;
}
