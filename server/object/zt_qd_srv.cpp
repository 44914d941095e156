#include "server/object/zt_qd_srv.h"

#include "server/log/qd_grava_log.h"

#include "server/object/qd_diretorio_docs.h"

CZTQD_Srv::CZTQD_Srv() = default;

platform::HRESULT CZTQD_Srv::QueryInterface(const platform::IID& iid, void** object) {
    auto* principal = static_cast<IZTQD_Srv*>(this);
    return platform::com::QueryInterfaceFrom({{platform::IID_IUnknown, principal},
                                              {IID_IZTQD_Srv, principal},
                                              {IID_IQDArqBind, static_cast<IQDArqBind*>(this)},
                                              {IID_IZTUserProfileInfo, static_cast<IZTUserProfileInfo*>(this)}},
                                             iid, object);
}

platform::HRESULT CZTQD_Srv::SetModoServico() {
    m_bAcessoTotal = 1;
    return platform::S_OK;
}

platform::HRESULT CZTQD_Srv::GravaLog(QD_BATCH_GRAVA_LOG_PS batch) {
    return QDGravaLog(batch, m_iUsuario, m_strDiretorio);
}

CZTString CZTQD_Srv::GetDiretorio() { return m_strDiretorio; }

bool CZTQD_Srv::GetUserProfileInfo(CZTString& strConta, CZTString& strSenha) {
    // No run-as identity is read yet: the process runs as the user who started it.
    strConta.Empty();
    strSenha.Empty();
    return false;
}

CZTString CZTQD_Srv::GetDiretorioDocs() const { return QDDiretorioDocs(m_strDiretorio); }

platform::HRESULT CZTQD_Srv::CriaDiretorioDocs() const { return QDCriaDiretorioDocs(m_strDiretorio); }
