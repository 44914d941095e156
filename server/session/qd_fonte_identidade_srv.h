// CQDFonteIdentidadeSrv: the server object's run-as identity (IZTUserProfileInfo) as the identity
// source the content-encryption object asks (IZTFonteIdentidade).
//
// Built on the stack while the encryption object is made; the object it forwards to must outlive
// it. The server's thread.
#pragma once

#include "server/content/zt_fonte_identidade.h"
#include "server/object/zt_user_profile_info.h"

class CQDFonteIdentidadeSrv final : public IZTFonteIdentidade {
public:
    explicit CQDFonteIdentidadeSrv(IZTUserProfileInfo& info) : m_info(info) {}
    virtual ~CQDFonteIdentidadeSrv() = default;

    bool GetUserProfileInfo(CZTString& strConta, CZTString& strSenha) override {
        return m_info.GetUserProfileInfo(strConta, strSenha);
    }

private:
    IZTUserProfileInfo& m_info;
};
