#include "util/key/zt_quem_gerou.h"

#include "util/key/zt_nome_modulo_origem.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr std::array<const char*, 4> kNomesTipo = {"Nenhum", "Ano", "MA", "DMA"};
constexpr int kTipoMesAnoQuatroDigitos = 7;  // mm/yyyy
constexpr int kTipoDataQuatroDigitos = 1;    // dd/mm/yyyy

// Copies `texto` into `buffer`, cut to its room. Returns the buffer.
char* CopiaCortado(const char* texto, char* buffer, int tamanho) {
    if (!buffer || tamanho <= 0) return buffer;
    const std::size_t n = std::min<std::size_t>(std::strlen(texto), static_cast<std::size_t>(tamanho) - 1);
    std::memcpy(buffer, texto, n);
    buffer[n] = '\0';
    return buffer;
}

// A whole decimal number (digits only, at least one) no greater than `maximo`.
bool LeNumero(std::string_view texto, std::uint64_t maximo, std::uint64_t& valor) {
    if (texto.empty()) return false;
    valor = 0;
    for (const char c : texto) {
        if (c < '0' || c > '9') return false;
        valor = valor * 10 + static_cast<std::uint64_t>(c - '0');
        if (valor > maximo) return false;  // also keeps the product from overflowing
    }
    return true;
}

// The kind of the long form's first part.
bool LeTipo(std::string_view texto, std::uint32_t& tipo) {
    for (std::uint32_t i = 0; i < kNomesTipo.size(); ++i) {
        if (texto == kNomesTipo[i] || (texto.size() == 1 && texto[0] == static_cast<char>('0' + i))) {
            tipo = i;
            return true;
        }
    }
    return false;
}

// The long form's period for `tipo`: a month or date text (with '/') or a number.
bool LePeriodo(std::string_view texto, std::uint32_t tipo, std::uint32_t& periodo) {
    const bool comBarra = texto.find('/') != std::string_view::npos;
    if (comBarra && tipo == ZT_DMC_TIPO_MES) {
        periodo = CZTMesAno().SetTexto(std::string(texto).c_str(), true).GetValor();
        return periodo != 0;
    }
    if (comBarra && tipo == ZT_DMC_TIPO_DATA) {
        periodo = CZTData().SetTexto(std::string(texto).c_str()).GetValor();
        return periodo != 0 && periodo <= ZT_DMC_CAMPO_PERIODO;
    }
    std::uint64_t numero = 0;
    if (!LeNumero(texto, ZT_DMC_CAMPO_PERIODO, numero)) return false;
    periodo = static_cast<std::uint32_t>(numero);
    return true;
}

// The leading digits of the long form's fourth part (the module name may follow them).
bool LeModulo(std::string_view texto, std::uint32_t& modulo) {
    std::size_t digitos = 0;
    while (digitos < texto.size() && texto[digitos] >= '0' && texto[digitos] <= '9') ++digitos;
    std::uint64_t numero = 0;
    if (!LeNumero(texto.substr(0, digitos), ZT_DMC_CAMPO_MODULO, numero)) return false;
    modulo = static_cast<std::uint32_t>(numero);
    return true;
}

}  // namespace

CZTQuemGerou::CZTQuemGerou(std::uint32_t lChave, std::uint32_t iModulo, std::uint32_t lPeriodo, std::uint32_t iTipo)
    : m_lZTDMC(ZTDMCMonta(lChave, iModulo, lPeriodo, iTipo)) {}

CZTQuemGerou::CZTQuemGerou(std::uint32_t lChaveMesAno, std::uint32_t iModulo) {
    if (lChaveMesAno == 0) return;
    m_lZTDMC = ZTDMCMonta(lChaveMesAno >> 12, iModulo, lChaveMesAno & 0xFFF, ZT_DMC_TIPO_MES);
}

CZTQuemGerou::CZTQuemGerou(const ZT_ORIGEM& origem) {
    const std::uint32_t periodo = origem.iPeriodo > 0 ? static_cast<std::uint32_t>(origem.iPeriodo) : 0;
    m_lZTDMC = ZTDMCMonta(ZTGetChaveDaOrigem(origem.lOrigem), ZTGetModuloDaOrigem(origem.lOrigem), periodo,
                          periodo != 0 ? ZT_DMC_TIPO_MES : ZT_DMC_TIPO_NENHUM);
}

CZTQuemGerou::CZTQuemGerou(std::uint32_t lChave, const CZTData& data)
    : m_lZTDMC(ZTDMCMontaData(lChave, 0, data.GetValor())) {}

CZTQuemGerou::CZTQuemGerou(std::uint32_t lChave, const CZTMesAno& mes)
    : m_lZTDMC(ZTDMCMontaMes(lChave, 0, mes.GetValor())) {}

CZTQuemGerou::CZTQuemGerou(const char* szTextoCurto) {
    std::uint64_t valor = 0;
    if (ZTDMCDeTextoCurto(szTextoCurto, valor)) m_lZTDMC = valor;
}

CZTMesAno CZTQuemGerou::GetMesAno() const {
    CZTMesAno mes;
    (void)mes.SetValor(ZTDMCGetMesAno(m_lZTDMC));
    return mes;
}

ZT_ORIGEM CZTQuemGerou::GetOrigem() const {
    const std::uint32_t periodo = GetPeriodo();
    if (GetChave() > ZT_ORIGEM_CHAVE_MAXIMA || GetModulo() > ZT_ORIGEM_MODULO_MAXIMO ||
        periodo > static_cast<std::uint32_t>(std::numeric_limits<std::int16_t>::max())) {
        return {};
    }
    return ZTMontaOrigem(GetChave(), GetModulo(), static_cast<std::int16_t>(periodo));
}

CZTString CZTQuemGerou::ToString() const {
    return CZTString::Formata("%llu", static_cast<unsigned long long>(m_lZTDMC));
}

char* CZTQuemGerou::GetTextoOrigem(char* buffer, int tamanho) const {
    return CopiaCortado(ZTDMCParaTexto(m_lZTDMC).GetString(), buffer, tamanho);
}

char* CZTQuemGerou::GetTextoCurto(char* buffer, int tamanho) const {
    (void)ZTDMCParaTextoCurto(m_lZTDMC, buffer, tamanho);
    return buffer;
}

CZTString CZTQuemGerou::GetTextoLongo() const {
    CZTString periodo = CZTString::Formata("%u", GetPeriodo());
    const CZTMesAno mes = GetMesAno();
    const CZTData data = GetData();
    if (GetTipo() == ZT_DMC_TIPO_MES && mes.IsValida()) {
        periodo = mes.Formata(kTipoMesAnoQuatroDigitos, '/');
    } else if (GetTipo() == ZT_DMC_TIPO_DATA && data.IsValida()) {
        periodo = data.Formata(kTipoDataQuatroDigitos, '/');
    }
    const char* nome = ZTGetNomeModuloOrigem(GetModulo());
    const CZTString sufixo = *nome ? CZTString::Formata(" (%s)", nome) : CZTString();
    return CZTString::Formata("%s - %s - %u - %u%s", kNomesTipo[GetTipo()], periodo.GetString(), GetChave(),
                              GetModulo(), sufixo.GetString());
}

bool CZTQuemGerou::SetTextoLongo(const char* texto) {
    if (!texto) return false;
    std::string semBrancos;
    for (const char* p = texto; *p; ++p) {
        if (*p != ' ' && *p != '\t') semBrancos += *p;
    }
    std::vector<std::string_view> partes;
    std::string_view resto = semBrancos;
    while (partes.size() < 4) {
        const std::size_t traco = resto.find('-');
        partes.push_back(resto.substr(0, traco));
        if (traco == std::string_view::npos) break;
        resto.remove_prefix(traco + 1);
    }
    if (partes.size() < 4) return false;
    std::uint32_t tipo = 0, periodo = 0, modulo = 0;
    std::uint64_t chave = 0;
    if (!LeTipo(partes[0], tipo) || !LePeriodo(partes[1], tipo, periodo) ||
        !LeNumero(partes[2], std::numeric_limits<std::uint32_t>::max(), chave) || !LeModulo(partes[3], modulo)) {
        return false;
    }
    m_lZTDMC = ZTDMCMonta(static_cast<std::uint32_t>(chave), modulo, periodo, tipo);
    return true;
}
