#include "util/date/zt_data.h"

#include "util/date/date_format.h"
#include "util/date/date_parse.h"
#include "util/date/date_time_value.h"
#include "util/date/zt_mes_ano.h"
#include "util/time/clock.h"
#include "util/time/short_date.h"

#include <algorithm>
#include <cstring>
#include <limits>

static_assert(sizeof(CZTData) == 4, "CZTData is one 32-bit day number");

namespace {

// The 1850 numbering counts a 29 February 1900 that never was: from it on, it runs one day ahead.
constexpr std::int32_t kFantasma29Fevereiro1900Em1850 = 18322;
constexpr std::uint32_t kDia1Marco1900 = 19054;

constexpr std::int64_t kUnidadesPorInteiro = 10000;

std::uint32_t DentroDosLimites(std::int64_t valor) {
    return valor >= ZT_DIA_MINIMO && valor <= ZT_DIA_MAXIMO ? static_cast<std::uint32_t>(valor) : 0;
}

}  // namespace

CZTData& CZTData::SetData(int dia, int mes, int ano) {
    m_lValor = ZTCalculaDiaNumero(dia, mes, ano);
    return *this;
}

bool CZTData::SetValor(std::uint32_t valor) {
    if (valor != 0 && !ZTIsDiaNumeroValido(valor)) {
        m_lValor = 0;
        return false;
    }
    m_lValor = valor;
    return true;
}

CZTData& CZTData::SetDataCurta(std::uint16_t curta) {
    m_lValor = ZTDataCurtaParaDiaNumero(curta);
    return *this;
}

std::uint16_t CZTData::GetDataCurta() const { return ZTDiaNumeroParaDataCurta(m_lValor); }

CZTData& CZTData::SetDias1850(std::int32_t dias) {
    if (dias == 0) return Limpa();
    m_lValor = DentroDosLimites(static_cast<std::int64_t>(dias) + (dias < kFantasma29Fevereiro1900Em1850 ? 732 : 731));
    return *this;
}

std::int32_t CZTData::GetDias1850() const {
    if (m_lValor == 0) return 0;
    const std::int64_t dias = static_cast<std::int64_t>(m_lValor) - (m_lValor < kDia1Marco1900 ? 732 : 731);
    return static_cast<std::int32_t>(dias);
}

CZTData& CZTData::SetDia(int dia) {
    int d, m, a;
    Desmonta(d, m, a);
    return SetData(dia, m, a);
}

CZTData& CZTData::SetMes(int mes) {
    int d, m, a;
    Desmonta(d, m, a);
    return SetData(d, mes, a);
}

CZTData& CZTData::SetAno(int ano) {
    int d, m, a;
    Desmonta(d, m, a);
    return SetData(d, m, ano);
}

CZTData& CZTData::SetPrimeiroDiaMes() { return SetDia(1); }

CZTData& CZTData::SetUltimoDiaMes() { return SetDia(31); }

CZTData CZTData::GetPrimeiroDiaMes() const { return CZTData(*this).SetPrimeiroDiaMes(); }

CZTData CZTData::GetUltimoDiaMes() const { return CZTData(*this).SetUltimoDiaMes(); }

CZTData& CZTData::SetHoje() {
    const std::uint64_t fileTime = ZTGetHoraAjustada();
    ZTSystemTime agora;
    if (fileTime == 0 || !ZTFileTimeParaSystemTime(fileTime, agora)) return Limpa();
    return SetData(agora.wDia, agora.wMes, agora.wAno);
}

CZTData& CZTData::SetTimeT(std::uint32_t t) {
    int d, m, a;
    if (t == 0 || !ZTDataLocalDeTimeT(t, d, m, a)) return Limpa();
    return SetData(d, m, a);
}

CZTData& CZTData::SetTexto(const char* texto) {
    int d, m, a;
    if (!ZTLeTextoDataEstados(texto, &d, &m, &a, false)) return Limpa();
    return SetData(d, m, a);
}

bool CZTData::SetTextoFormato(const char* texto, int tipo, char separador) {
    Limpa();
    // A month-year type carries no day: it cannot make a date.
    if (tipo < 0 || tipo > 5) return false;
    int d, m, a;
    if (!ZTLeTextoDataFormato(texto, d, m, a, tipo, separador)) return false;
    if (d != 0) SetData(d, m, a);
    return true;
}

int CZTData::GetDia() const {
    int d, m, a;
    Desmonta(d, m, a);
    return d;
}

int CZTData::GetMes() const {
    int d, m, a;
    Desmonta(d, m, a);
    return m;
}

int CZTData::GetAno(bool quatroDigitos) const {
    int d, m, a;
    Desmonta(d, m, a);
    return quatroDigitos ? a : a % 100;
}

bool CZTData::Desmonta(int& dia, int& mes, int& ano) const { return ZTDesmontaDiaNumero(m_lValor, dia, mes, ano); }

int CZTData::GetStatus() const {
    if (IsVazia()) return vazia;
    return IsValida() ? valida : invalida;
}

std::int64_t CZTData::GetCTime() const {
    int d, m, a;
    if (!Desmonta(d, m, a)) return 0;
    return ZTMeiaNoiteLocal(d, m, a);
}

std::uint32_t CZTData::GetTimeT() const { return ZTMomento32(GetCTime()); }

bool CZTData::GetOleData(double& oleData) const {
    if (IsVazia()) {
        oleData = 0;
        return true;
    }
    if (!IsValida()) {
        oleData = std::numeric_limits<double>::quiet_NaN();
        return false;
    }
    oleData = ZTOleDataDeDiaNumero(m_lValor);
    return true;
}

CZTData& CZTData::SomaDias(std::int64_t dias) {
    // No date plus some days is still no date, not a day of January 1848.
    if (!IsValida()) return Limpa();
    if (dias < -static_cast<std::int64_t>(ZT_DIA_MAXIMO) || dias > static_cast<std::int64_t>(ZT_DIA_MAXIMO)) return Limpa();
    m_lValor = DentroDosLimites(static_cast<std::int64_t>(m_lValor) + dias);
    return *this;
}

CZTData& CZTData::SomaMeses(std::int64_t meses) {
    if (meses == 0) return *this;
    int d, m, a;
    if (!Desmonta(d, m, a)) return Limpa();
    // Beyond this many months every result is out of range; the bound keeps the count in an int.
    constexpr std::int64_t kLimite = ZT_MES_MAXIMO;
    CZTMesAno mesAno;
    mesAno.SetMesAno(m, a).Soma(static_cast<int>(std::clamp(meses, -kLimite, kLimite)));
    if (!mesAno.Desmonta(m, a)) return Limpa();
    return SetData(d, m, a);
}

CZTData& CZTData::SomaAnos(std::int64_t anos) {
    int d, m, a;
    if (!Desmonta(d, m, a)) return Limpa();
    // The year must not fall into the two-digit window on the way (1900 − 1850 is not 1950).
    if (anos < ZT_ANO_MINIMO - a || anos > ZT_ANO_MAXIMO - a) return Limpa();
    const std::int64_t novo = a + anos;
    return SetData(d, m, static_cast<int>(novo));
}

CZTData& CZTData::Soma(std::int64_t quantidade, int unidade) {
    if (quantidade == 0) return *this;
    const std::int64_t inteiros = quantidade / kUnidadesPorInteiro;
    const std::int64_t fracao = quantidade % kUnidadesPorInteiro;
    switch (unidade) {
    case unidadeAno:
        SomaMeses(fracao * 12 / kUnidadesPorInteiro);
        return inteiros != 0 ? SomaAnos(inteiros) : *this;
    case unidadeMes:
        SomaMeses(inteiros);
        return SomaDias(fracao * 30 / kUnidadesPorInteiro);
    case unidadeSemana:
        // quantidade × 7 / 10000 without the product overflowing.
        return SomaDias(inteiros * 7 + fracao * 7 / kUnidadesPorInteiro);
    case unidadeDia:
        return SomaDias(inteiros);
    case unidadeHora:
        return SomaDias(inteiros / 24);
    default:
        return *this;
    }
}

CZTData CZTData::operator++(int) {
    CZTData antigo = *this;
    ++m_lValor;
    return antigo;
}

int CZTData::GetDiaSemana() const { return ZTDiaSemana(m_lValor); }

char* CZTData::GetNomeDiaSemana(char* buffer, int tamanho, bool abreviado) const {
    if (!buffer || tamanho <= 0) return buffer;
    const char* nome = ZTNomeDiaSemana(GetDiaSemana());
    size_t copia = std::min(std::strlen(nome), static_cast<size_t>(tamanho - 1));
    if (abreviado && tamanho > 4) copia = std::min<size_t>(copia, 3);
    std::memcpy(buffer, nome, copia);
    buffer[copia] = '\0';
    return buffer;
}

CZTString CZTData::Formata(int tipo, char separador) const {
    char texto[12];
    return CZTString(Formata(texto, sizeof texto, tipo, separador, false));
}

char* CZTData::Formata(char* buffer, int tamanho, int tipo, char separador, bool quatroDigitos) const {
    int d, m, a;
    Desmonta(d, m, a);
    return ZTFormataDataTipo(d, m, a, buffer, tamanho, tipo, separador, quatroDigitos);
}
