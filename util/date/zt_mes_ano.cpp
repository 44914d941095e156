#include "util/date/zt_mes_ano.h"

#include "util/date/date_format.h"
#include "util/date/date_parse.h"
#include "util/text/buffer_routines.h"

static_assert(sizeof(CZTMesAno) == 2, "CZTMesAno is one 16-bit month number");

namespace {

constexpr std::int32_t kMeses1850Maximo = 2154;
constexpr std::int32_t kMeses1848Menos1850 = 24;

}  // namespace

CZTMesAno& CZTMesAno::SetMesAno(int mes, int ano) {
    m_nValor = ZTCalculaMesNumero(mes, ano);
    return *this;
}

bool CZTMesAno::SetValor(std::uint32_t valor) {
    if (valor != 0 && !ZTIsMesNumeroValido(valor)) {
        m_nValor = 0;
        return false;
    }
    m_nValor = static_cast<std::uint16_t>(valor);
    return true;
}

CZTMesAno& CZTMesAno::SetMesAnoCurto(std::uint16_t curto) {
    m_nValor = curto >= ZT_MES_CURTO_MINIMO && curto <= ZT_MES_CURTO_MAXIMO ? curto : 0;
    return *this;
}

CZTMesAno& CZTMesAno::SetMeses1850(std::int32_t meses) {
    m_nValor = meses >= 1 && meses <= kMeses1850Maximo ? static_cast<std::uint16_t>(meses + kMeses1848Menos1850) : 0;
    return *this;
}

CZTMesAno& CZTMesAno::operator=(const CZTData& data) {
    int d, m, a;
    data.Desmonta(d, m, a);
    return SetMesAno(m, a);
}

CZTMesAno& CZTMesAno::SetMes(int mes) {
    int m, a;
    if (!Desmonta(m, a)) return Limpa();
    return SetMesAno(mes, a);
}

CZTMesAno& CZTMesAno::SetAno(int ano) {
    int m, a;
    if (!Desmonta(m, a)) return Limpa();
    return SetMesAno(m, ano);
}

CZTMesAno& CZTMesAno::SetHoje() { return *this = CZTData().SetHoje(); }

CZTMesAno& CZTMesAno::SetTexto(const char* texto, bool comBarra) {
    CZTString lido = comBarra ? CZTString(texto) : ZTSoDigitosTexto(texto);
    if (!comBarra && lido.GetLength() >= 2) lido.Insert(2, '/');
    int m, a;
    if (!ZTLeTextoDataEstados(lido, nullptr, &m, &a, false)) return Limpa();
    return SetMesAno(m, a);
}

bool CZTMesAno::SetTextoFormato(const char* texto, int tipo, char separador) {
    Limpa();
    int m, a;
    if (!ZTLeTextoMesAnoFormato(texto, m, a, tipo, separador)) return false;
    if (m != 0) SetMesAno(m, a);
    return true;
}

int CZTMesAno::GetMes() const {
    int m, a;
    Desmonta(m, a);
    return m;
}

int CZTMesAno::GetAno(bool quatroDigitos) const {
    int m, a;
    Desmonta(m, a);
    return quatroDigitos ? a : a % 100;
}

bool CZTMesAno::Desmonta(int& mes, int& ano) const { return ZTDesmontaMesNumero(m_nValor, mes, ano); }

CZTData CZTMesAno::GetPrimeiroDia() const {
    int m, a;
    Desmonta(m, a);
    return CZTData().SetData(1, m, a);
}

CZTData CZTMesAno::GetUltimoDia() const {
    int m, a;
    Desmonta(m, a);
    return CZTData().SetData(31, m, a);
}

int CZTMesAno::GetStatus() const {
    if (IsVazia()) return CZTData::vazia;
    return IsValida() ? CZTData::valida : CZTData::invalida;
}

CZTMesAno& CZTMesAno::Soma(int meses) {
    // No month plus some months is still no month, not a month of 1848.
    if (!IsValida()) return Limpa();
    const long long novo = static_cast<long long>(m_nValor) + meses;
    m_nValor = novo >= 0 && novo <= ZT_MES_MAXIMO ? static_cast<std::uint16_t>(novo) : 0;
    return *this;
}

CZTString CZTMesAno::Formata(int tipo, char separador) const {
    int m, a;
    Desmonta(m, a);
    char texto[10];
    return CZTString(ZTFormataMesAnoTipo(m, a, texto, sizeof texto, tipo, separador, false));
}
