// CZTQD_Srv: the document server's object, one per activation. It holds the session of one
// client connection (one company, one user) and implements IZTQD_Srv, IQDArqBind and
// IZTUserProfileInfo.
//
// A new object has an empty session: every member zero or empty until IZTQD_Srv::Inicializa
// opens it. While it lives it holds a module lock, so the server process runs as long as any
// object does. The methods whose work is not built yet answer E_NOTIMPL
// (CZTQD_SrvMetodosPendentes). Used on the server's one thread only; its reference count is
// atomic.
#pragma once

#include "platform/com/module_lock.h"
#include "platform/com/ref_counted.h"
#include "server/object/filiais_ativas.h"
#include "server/object/qd_arq_bind.h"
#include "server/object/zt_qd_srv_metodos_pendentes.h"
#include "server/object/zt_user_profile_info.h"
#include "util/text/zt_string.h"

#include <cstdint>

class CZTQD_Srv
    : public platform::com::RefCounted<CZTQD_Srv, CZTQD_SrvMetodosPendentes, IQDArqBind, IZTUserProfileInfo> {
public:
    CZTQD_Srv();

    platform::HRESULT QueryInterface(const platform::IID& iid, void** object) override;

    // IZTQD_Srv
    // Service callers see every document and type: the session's all-rights flag becomes 1. S_OK.
    platform::HRESULT SetModoServico() override;
    // Appends the batch's entries to the operations log as one block, stamped with the server's
    // time and the session's user. S_OK or the record-file HRESULT.
    platform::HRESULT GravaLog(QD_BATCH_GRAVA_LOG_PS batch) override;

    // IQDArqBind
    CZTString GetDiretorio() override;

    // IZTUserProfileInfo
    bool GetUserProfileInfo(CZTString& strConta, CZTString& strSenha) override;

    // The content folder: "Docs" in the data directory.
    [[nodiscard]] CZTString GetDiretorioDocs() const;
    // Creates the content folder: S_OK, also when it exists; 0x80070000 | the Win32 error else.
    [[nodiscard]] platform::HRESULT CriaDiretorioDocs() const;

    // The session.
    [[nodiscard]] const CZTString& GetEmpresa() const { return m_strEmpresa; }
    [[nodiscard]] std::int32_t GetNumeroSessao() const { return m_lNumeroSessao; }
    [[nodiscard]] std::uint16_t GetUsuario() const { return m_iUsuario; }
    [[nodiscard]] std::uint16_t GetUsuarioPai() const { return m_iUsuarioPai; }
    [[nodiscard]] std::uint8_t GetAcessoTotal() const { return m_bAcessoTotal; }
    [[nodiscard]] const FILIAIS_ATIVAS& GetFiliaisAtivas() const { return m_filiaisAtivas; }

private:
    ~CZTQD_Srv() override = default;
    friend class platform::com::RefCounted<CZTQD_Srv, CZTQD_SrvMetodosPendentes, IQDArqBind, IZTUserProfileInfo>;

    platform::com::ModuleReference m_moduleReference;
    CZTString m_strDiretorio;            // the company's data folder of this module
    CZTString m_strEmpresa;              // szEmpresa of the session record (company path)
    std::int32_t m_lNumeroSessao = 0;    // lNumeroSessao of the session record
    std::uint16_t m_iUsuario = 0;        // iUsuario of the session record (user)
    std::uint16_t m_iUsuarioPai = 0;     // the user's parent user (0 = none)
    std::uint8_t m_bAcessoTotal = 0;     // 1 = lists of allowed users are not applied
    FILIAIS_ATIVAS m_filiaisAtivas{};    // the user's active branches
};
