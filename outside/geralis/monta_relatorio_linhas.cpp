// CMontaRelatorio: the lines of a report, their values and their closing.
#include "outside/geralis/monta_relatorio.h"

#include "outside/geralis/valor_relatorio.h"

namespace {

using platform::HRESULT;

// The first value of a line that begins with the note marker, or null.
const CZTString* ValorDeNota(const GeralisLinha& linha) {
    for (const CZTString& valor : linha.valores) {
        if (!valor.IsEmpty() && valor.GetAt(0) == GERALIS_MARCA_NOTA) return &valor;
    }
    return nullptr;
}

}  // namespace

void CMontaRelatorio::AbreLinha(GeralisTipoLinha eTipo) {
    if (m_bLinhaAberta) return;
    m_linha = {eTipo, {}};
    m_bLinhaAberta = true;
}

HRESULT CMontaRelatorio::Adiciona(const void* pDado, int iTipo, int iTamanho) {
    if (!m_bInicializado) return GERALIS_E_SEQUENCIA;
    if (m_bLinhaAberta && m_linha.eTipo != GeralisTipoLinha::Principal) return GERALIS_E_SEQUENCIA;
    const size_t posicao = m_bLinhaAberta ? m_linha.valores.size() : 0;
    if (posicao >= m_conteudo.colunas.size()) return GERALIS_E_ARGUMENTO;
    if (!m_estados[posicao].bDeclarada) return GERALIS_E_SEQUENCIA;
    if (m_conteudo.colunas[posicao].iTipo != iTipo) return GERALIS_E_ARGUMENTO;
    CZTString texto;
    if (const HRESULT hr = GeralisTextoDoValor(pDado, iTipo, iTamanho, texto); platform::FAILED(hr)) return hr;
    AbreLinha(GeralisTipoLinha::Principal);
    m_linha.valores.push_back(std::move(texto));
    return platform::S_OK;
}

HRESULT CMontaRelatorio::AdicionaDetalheSubordinada(int iCodigo, int iTipo, int iTamanho) {
    if (!m_bInicializado) return GERALIS_E_SEQUENCIA;
    if (!GeralisTamanhoValido(iTipo, iTamanho)) return GERALIS_E_ARGUMENTO;
    const int indice = IndiceDaColuna(iCodigo);
    if (indice < 0) return GERALIS_E_ARGUMENTO;
    for (const ColunaSubordinada& subordinada : m_subordinadas) {
        if (subordinada.nColuna == static_cast<size_t>(indice)) return GERALIS_E_SEQUENCIA;
    }
    m_subordinadas.push_back({static_cast<size_t>(indice), iTipo});
    return platform::S_OK;
}

HRESULT CMontaRelatorio::AdicionaSubordinada(const void* pDado, int iTipo, int iTamanho) {
    if (!m_bInicializado || !m_bPrincipalFechada) return GERALIS_E_SEQUENCIA;
    if (m_bLinhaAberta && m_linha.eTipo != GeralisTipoLinha::Subordinada) return GERALIS_E_SEQUENCIA;
    const size_t posicao = m_bLinhaAberta ? m_linha.valores.size() : 0;
    if (posicao >= m_subordinadas.size()) return GERALIS_E_SEQUENCIA;
    if (m_subordinadas[posicao].iTipo != iTipo) return GERALIS_E_ARGUMENTO;
    CZTString texto;
    if (const HRESULT hr = GeralisTextoDoValor(pDado, iTipo, iTamanho, texto); platform::FAILED(hr)) return hr;
    AbreLinha(GeralisTipoLinha::Subordinada);
    m_linha.valores.push_back(std::move(texto));
    return platform::S_OK;
}

HRESULT CMontaRelatorio::FinalizaLinha() {
    if (!m_bInicializado || !m_bLinhaAberta) return GERALIS_E_SEQUENCIA;
    return m_linha.eTipo == GeralisTipoLinha::Principal ? FechaPrincipal() : FechaSubordinada();
}

HRESULT CMontaRelatorio::FechaPrincipal() {
    if (m_linha.valores.size() != m_conteudo.colunas.size()) return GERALIS_E_LINHA_INCOMPLETA;
    if (const CZTString* nota = ValorDeNota(m_linha)) {
        m_conteudo.linhas.push_back({GeralisTipoLinha::Nota, {nota->Mid(1)}});
    } else {
        m_conteudo.linhas.push_back(std::move(m_linha));
    }
    m_linha = {};
    m_bLinhaAberta = false;
    m_bPrincipalFechada = true;
    return platform::S_OK;
}

// A subordinate line is stored with one value per report column: its own in the columns it
// declared, empty texts in the others.
HRESULT CMontaRelatorio::FechaSubordinada() {
    if (m_linha.valores.size() != m_subordinadas.size()) return GERALIS_E_LINHA_INCOMPLETA;
    GeralisLinha linha{GeralisTipoLinha::Subordinada, std::vector<CZTString>(m_conteudo.colunas.size())};
    for (size_t i = 0; i < m_subordinadas.size(); ++i) linha.valores[m_subordinadas[i].nColuna] = std::move(m_linha.valores[i]);
    m_conteudo.linhas.push_back(std::move(linha));
    m_linha = {};
    m_bLinhaAberta = false;
    return platform::S_OK;
}

HRESULT CMontaRelatorio::AdicionaLinhaEspecial(int iCodigo) {
    if (!m_bInicializado || m_bLinhaAberta) return GERALIS_E_SEQUENCIA;
    if (iCodigo != GERALIS_LINHA_SEPARADORA) return GERALIS_E_ARGUMENTO;
    m_conteudo.linhas.push_back({GeralisTipoLinha::Separadora, {}});
    return platform::S_OK;
}
