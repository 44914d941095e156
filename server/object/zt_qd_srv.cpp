#include "server/object/zt_qd_srv.h"

#include "server/log/qd_grava_log.h"

#include "server/content/zt_identidade_execucao.h"
#include "server/object/qd_diretorio_docs.h"
#include "server/session/qd_inicializa.h"
#include "server/session/qd_propriedades.h"

CZTQD_Srv::CZTQD_Srv() = default;

platform::HRESULT CZTQD_Srv::QueryInterface(const platform::IID& iid, void** object) {
    auto* principal = static_cast<IZTQD_Srv*>(this);
    return platform::com::QueryInterfaceFrom({{platform::IID_IUnknown, principal},
                                              {IID_IZTQD_Srv, principal},
                                              {IID_IQDArqBind, static_cast<IQDArqBind*>(this)},
                                              {IID_IZTUserProfileInfo, static_cast<IZTUserProfileInfo*>(this)}},
                                             iid, object);
}

platform::HRESULT CZTQD_Srv::Inicializa(QD_INICIALIZA_PS ini) {
    const CZTString diretorio = m_sessao.strDiretorio;
    m_estadoSessao = QDEstadoSessao::Abrindo;
    platform::HRESULT hr = platform::E_UNEXPECTED;
    try {
        hr = QDInicializa(*this, *this, *this, m_sessao, ini);
    } catch (...) {
        m_estadoSessao = QDEstadoSessao::Fechada;  // a start cut short by an exception opened nothing
        throw;
    }
    m_estadoSessao = platform::SUCCEEDED(hr) ? QDEstadoSessao::Aberta : QDEstadoSessao::Fechada;
    // A counter read from another company's properties says nothing about these.
    if (m_sessao.strDiretorio != diretorio) m_iProxNumeroLido.reset();
    return hr;
}

platform::HRESULT CZTQD_Srv::LePropriedades(QD_PROPRIEDADES_PS* pProp) {
    if (SessaoFechada()) return QD_E_SESSAO_FECHADA;
    const platform::HRESULT hr = QDLePropriedades(*this, pProp);
    if (platform::SUCCEEDED(hr)) m_iProxNumeroLido = pProp->iProxNumeroDoc;
    return hr;
}

platform::HRESULT CZTQD_Srv::GravaPropriedades(QD_PROPRIEDADES_PS prop) {
    if (SessaoFechada()) return QD_E_SESSAO_FECHADA;
    return QDGravaPropriedades(*this, *this, prop, m_sessao.pCrypto.get(), m_iProxNumeroLido);
}

platform::HRESULT CZTQD_Srv::GetProximoNrLocalizacao(std::uint32_t* pProx) {
    if (SessaoFechada()) return QD_E_SESSAO_FECHADA;
    return QDGetProximoNrLocalizacao(*this, pProx);
}

platform::HRESULT CZTQD_Srv::SetModoServico() {
    m_sessao.bAcessoTotal = 1;
    return platform::S_OK;
}

platform::HRESULT CZTQD_Srv::GravaLog(QD_BATCH_GRAVA_LOG_PS batch) {
    if (SessaoFechada()) return QD_E_SESSAO_FECHADA;
    return QDGravaLog(batch, m_sessao.iUsuario, m_sessao.strDiretorio);
}

CZTString CZTQD_Srv::GetDiretorio() { return m_sessao.strDiretorio; }

bool CZTQD_Srv::GetUserProfileInfo(CZTString& strConta, CZTString& strSenha) {
    return CZTIdentidadeExecucao().LeIdentidade(ZT_PROGRAMA_SERVIDOR, strConta, strSenha);
}

CZTString CZTQD_Srv::GetDiretorioDocs() const { return QDDiretorioDocs(m_sessao.strDiretorio); }

platform::HRESULT CZTQD_Srv::CriaDiretorioDocs() const { return QDCriaDiretorioDocs(m_sessao.strDiretorio); }
