#include "server/reports/qd_monta_relatorio.h"

#include "platform/com/bstr.h"
#include "server/object/zt_qd_srv.h"
#include "server/reports/qd_relatorio_doc.h"
#include "server/reports/qd_relatorio_locarq.h"
#include "server/reports/qd_relatorio_log.h"
#include "server/reports/qd_relatorio_tipdoc.h"

#include <algorithm>
#include <cstring>
#include <memory>

using platform::HRESULT;

HRESULT CQDMontaRelatorio::Declara(int iTipo, int iTamanho, const char* szTitulo) {
    if (!m_bPrimeiraLinha) return platform::S_OK;
    return AdicionaDetalhe(m_iCodigoColuna, iTipo, iTamanho, szTitulo);
}

HRESULT CQDMontaRelatorio::Texto(const char* szTexto, int iLargura, const char* szTitulo) {
    if (const HRESULT hr = Declara(GERALIS_TIPO_TEXTO, iLargura, szTitulo); platform::FAILED(hr)) return hr;
    const int tamanho = static_cast<int>(std::min<std::size_t>(std::strlen(szTexto), static_cast<std::size_t>(iLargura)));
    return Adiciona(szTexto, GERALIS_TIPO_TEXTO, tamanho);
}

HRESULT CQDMontaRelatorio::Dia(std::uint16_t iDia, const char* szTitulo) {
    if (const HRESULT hr = Declara(GERALIS_TIPO_DIA, 2, szTitulo); platform::FAILED(hr)) return hr;
    return Adiciona(&iDia, GERALIS_TIPO_DIA, 2);
}

HRESULT CQDMontaRelatorio::Inteiro(std::int32_t lValor, const char* szTitulo) {
    if (const HRESULT hr = Declara(GERALIS_TIPO_INTEIRO, 4, szTitulo); platform::FAILED(hr)) return hr;
    return Adiciona(&lValor, GERALIS_TIPO_INTEIRO, 4);
}

HRESULT CQDMontaRelatorio::DataTexto(const char* szData, const char* szTitulo) {
    const int tamanho = static_cast<int>(std::strlen(szData));
    if (const HRESULT hr = Declara(GERALIS_TIPO_DATA_TEXTO, tamanho, szTitulo); platform::FAILED(hr)) return hr;
    return Adiciona(szData, GERALIS_TIPO_DATA_TEXTO, tamanho);
}

HRESULT CQDMontaRelatorio::Subordinada(const std::function<CZTString(int iCodigo)>& valor, int iLargura) {
    const int colunas = GetNumeroColunas();
    if (!m_bSubordinadas) {
        for (int i = 0; i < colunas; ++i) {
            const HRESULT hr = AdicionaDetalheSubordinada(GetCodigoColuna(i), GERALIS_TIPO_TEXTO, iLargura);
            if (platform::FAILED(hr)) return hr;
        }
        m_bSubordinadas = true;
    }
    for (int i = 0; i < colunas; ++i) {
        const CZTString texto = valor(GetCodigoColuna(i));
        const int tamanho = std::min(texto.GetLength(), iLargura);
        if (const HRESULT hr = AdicionaSubordinada(texto.GetString(), GERALIS_TIPO_TEXTO, tamanho); platform::FAILED(hr)) {
            return hr;
        }
    }
    return FinalizaLinha();
}

HRESULT CQDRelatorio::Inicializa(const QD_RELATORIO_PS& rel) {
    const platform::String modelo = platform::AnsiFromBstr(rel.bsModelo);
    const platform::String arquivo = platform::AnsiFromBstr(rel.bsArquivo);
    const platform::String razao = platform::AnsiFromBstr(rel.bsRazaoSocial);
    const platform::String componente = platform::AnsiFromBstr(rel.bsComponente);
    return m_monta.Inicializa(m_srv.GetEmpresa(), m_srv.GetUsuario(), m_srv.GetNumeroSessao(), razao, "QD", componente,
                              arquivo, modelo);
}

HRESULT CQDRelatorio::Linha(const std::function<HRESULT(int iCodigo)>& coluna, const std::function<HRESULT()>& depois) {
    const int colunas = m_monta.GetNumeroColunas();
    for (int i = 0; i < colunas; ++i) {
        m_monta.m_iCodigoColuna = m_monta.GetCodigoColuna(i);
        if (const HRESULT hr = coluna(m_monta.m_iCodigoColuna); platform::FAILED(hr)) return hr;
    }
    if (depois) {
        if (const HRESULT hr = depois(); platform::FAILED(hr)) return hr;
    }
    const HRESULT hr = m_monta.FinalizaLinha();
    if (platform::SUCCEEDED(hr)) m_monta.m_bPrimeiraLinha = false;
    return hr;
}

HRESULT CQDRelatorio::Termina() {
    const HRESULT hr = m_monta.GeraRelatorio();
    if (platform::FAILED(hr)) return hr;
    m_monta.Finaliza();
    return platform::S_OK;
}

namespace {

std::unique_ptr<CQDRelatorio> NovoRelatorio(CZTQD_Srv& srv, QD_E_TIPO_RELATORIO eTipo) {
    switch (eTipo) {
        case QD_TIPO_REL_TIPDOC:
            return std::make_unique<CQDRelatorioTipDoc>(srv);
        case QD_TIPO_REL_LOG:
            return std::make_unique<CQDRelatorioLog>(srv);
        case QD_TIPO_REL_DOC:
            return std::make_unique<CQDRelatorioDoc>(srv);
        case QD_TIPO_REL_LOC_ARQ:
            return std::make_unique<CQDRelatorioLocArq>(srv);
        default:
            return nullptr;
    }
}

}  // namespace

HRESULT QDGeraRelatorio(CZTQD_Srv& srv, const QD_RELATORIO_PS& rel) {
    std::unique_ptr<CQDRelatorio> relatorio = NovoRelatorio(srv, rel.cRelatorio);
    if (!relatorio) return platform::E_INVALIDARG;
    if (const HRESULT hr = relatorio->Inicializa(rel); platform::FAILED(hr)) return hr;
    return relatorio->Gera();
}

// Under LeakSanitizer: fontconfig keeps a few hundred bytes it allocated while parsing its own
// configuration files at its one-time start-up and never frees them; nothing of ours owns or can
// free them. Every process that writes a report (the server program, and tests that run reports
// in the process) links this file, so only fontconfig's own allocations are excused, here once.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }
