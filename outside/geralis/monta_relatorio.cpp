// CMontaRelatorio: starting a report, its columns and the writing of its file. Its lines are in
// monta_relatorio_linhas.cpp.
#include "outside/geralis/monta_relatorio.h"

#include "outside/geralis/caminhos_relatorio.h"
#include "outside/geralis/pdf_relatorio.h"
#include "outside/geralis/saida_relatorio.h"
#include "outside/geralis/valor_relatorio.h"
#include "platform/text/codepage.h"

#include <algorithm>

namespace {

using platform::HRESULT;

// Print width in millimetres of a column that no model sized: about as wide as its values,
// within bounds that leave room for the others.
double LarguraDinamica(int iTipo, int iTamanho) {
    switch (iTipo) {
    case GERALIS_TIPO_INTEIRO: return 18;
    case GERALIS_TIPO_DIA: return 20;
    default: return std::clamp(iTamanho * 1.5, 15.0, 45.0);
    }
}

CZTString Texto(const char* sz) { return CZTString(sz); }

}  // namespace

HRESULT CMontaRelatorio::Inicializa(const char* szPathEmpresa, std::uint16_t iUsuario, std::int32_t lNumeroSessao,
                                    const char* szRazaoSocial, const char* szPrefixo, const char* szComponente,
                                    const char* szArquivo, const char* szModelo) {
    Finaliza();
    CZTString caminhoModelo;
    if (const HRESULT hr = GeralisCaminhoModelo(szPrefixo, szComponente, szModelo, caminhoModelo); platform::FAILED(hr)) {
        m_strErro = CZTString(platform::AnsiFromUtf8("o modelo não tem nome válido ou a pasta de modelos não está configurada"));
        return hr;
    }
    CZTString arquivo;
    if (const HRESULT hr = GeralisCaminhoSaida(szArquivo, arquivo); platform::FAILED(hr)) {
        m_strErro = CZTString(platform::AnsiFromUtf8("o arquivo de saída não tem nome válido"));
        return hr;
    }
    GeralisModelo modelo;
    if (const HRESULT hr = GeralisLeModelo(caminhoModelo, modelo, m_strErro); platform::FAILED(hr)) return hr;

    m_strPathEmpresa = Texto(szPathEmpresa);
    m_iUsuario = iUsuario;
    m_lNumeroSessao = lNumeroSessao;
    m_strArquivo = arquivo;
    m_conteudo.strEmpresa = Texto(szRazaoSocial);
    m_conteudo.strTitulo = modelo.strTitulo;
    m_conteudo.bPaisagem = modelo.bPaisagem;
    for (const GeralisColunaModelo& coluna : modelo.colunas) {
        m_conteudo.colunas.push_back({coluna.iCodigo, coluna.strTitulo, static_cast<double>(coluna.iLargura), GERALIS_TIPO_TEXTO});
        m_estados.push_back({false, !coluna.strTitulo.IsEmpty()});
    }
    m_nColunasModelo = static_cast<int>(modelo.colunas.size());
    m_bInicializado = true;
    return platform::S_OK;
}

void CMontaRelatorio::Finaliza() {
    m_bInicializado = false;
    m_strPathEmpresa.Empty();
    m_iUsuario = 0;
    m_lNumeroSessao = 0;
    m_strArquivo.Empty();
    m_strErro.Empty();
    m_nColunasModelo = 0;
    m_conteudo = {};
    m_estados.clear();
    m_subordinadas.clear();
    m_bLinhaAberta = false;
    m_linha = {};
    m_bPrincipalFechada = false;
}

int CMontaRelatorio::GetNumeroColunas() const { return m_nColunasModelo; }

int CMontaRelatorio::GetCodigoColuna(int iColuna) const {
    if (iColuna < 0 || iColuna >= m_nColunasModelo) return 0;
    return m_conteudo.colunas[static_cast<size_t>(iColuna)].iCodigo;
}

int CMontaRelatorio::IndiceDaColuna(int iCodigo) const {
    for (size_t i = 0; i < m_conteudo.colunas.size(); ++i) {
        if (m_conteudo.colunas[i].iCodigo == iCodigo) return static_cast<int>(i);
    }
    return -1;
}

HRESULT CMontaRelatorio::Declara(size_t nColuna, int iTipo, const char* szTitulo) {
    EstadoColuna& estado = m_estados[nColuna];
    if (estado.bDeclarada) return GERALIS_E_SEQUENCIA;
    GeralisColuna& coluna = m_conteudo.colunas[nColuna];
    coluna.iTipo = iTipo;
    if (!estado.bLegendaDoModelo) coluna.strTitulo = Texto(szTitulo);
    estado.bDeclarada = true;
    return platform::S_OK;
}

HRESULT CMontaRelatorio::AdicionaDetalhe(int iCodigo, int iTipo, int iTamanho, const char* szTitulo) {
    if (!m_bInicializado) return GERALIS_E_SEQUENCIA;
    if (!GeralisTamanhoValido(iTipo, iTamanho)) return GERALIS_E_ARGUMENTO;
    const int indice = IndiceDaColuna(iCodigo);
    if (indice < 0 || indice >= m_nColunasModelo) return GERALIS_E_ARGUMENTO;
    return Declara(static_cast<size_t>(indice), iTipo, szTitulo);
}

HRESULT CMontaRelatorio::AdicionaColunaDinamica(int iCodigo, int iTipo, int iTamanho, const char* szTitulo) {
    if (!m_bInicializado || m_bPrincipalFechada) return GERALIS_E_SEQUENCIA;
    if (!GeralisTamanhoValido(iTipo, iTamanho)) return GERALIS_E_ARGUMENTO;
    if (iCodigo < 1 || iCodigo > GERALIS_CODIGO_MAXIMO || IndiceDaColuna(iCodigo) >= 0) return GERALIS_E_ARGUMENTO;
    if (m_conteudo.colunas.size() >= static_cast<size_t>(GERALIS_COLUNAS_MAXIMO)) return GERALIS_E_ARGUMENTO;
    m_conteudo.colunas.push_back({iCodigo, {}, LarguraDinamica(iTipo, iTamanho), iTipo});
    m_estados.push_back({});
    return Declara(m_conteudo.colunas.size() - 1, iTipo, szTitulo);
}

HRESULT CMontaRelatorio::GeraRelatorio() {
    if (!m_bInicializado || m_bLinhaAberta) return GERALIS_E_SEQUENCIA;
    m_strErro.Empty();
    const GeralisProducao producao = [this](const GeralisEscrita& escrita) {
        int paginas = 0;
        return GeralisEscrevePdf(m_conteudo, escrita, paginas);
    };
    const HRESULT hr = GeralisGravaSaida(m_strArquivo, producao);
    if (platform::FAILED(hr)) {
        m_strErro = m_strArquivo + ": " + CZTString(platform::AnsiFromUtf8("o relatório não pôde ser gravado"));
    }
    return hr;
}
