#include "server/session/qd_inicializa.h"

#include "outside/conexo/qd_acesso_total.h"
#include "platform/com/bstr.h"
#include "server/idl/iztqd_srv.h"
#include "server/object/qd_arq_bind.h"
#include "server/object/qd_diretorio_docs.h"
#include "server/session/qd_codigo_empresa.h"
#include "server/session/qd_mestre_novo.h"
#include "server/session/qd_fonte_identidade_srv.h"
#include "server/session/qd_migracoes.h"
#include "server/session/qd_propriedades.h"
#include "util/message/zt_exception.h"
#include "util/config/folders.h"
#include "util/config/module_table.h"

#include <cstring>
#include <string>

namespace {

using platform::HRESULT;

// The company code of the session record: its bytes up to the first NUL, never past the field.
CZTString EmpresaDe(const QD_INICIALIZA_PS& ini) {
    return CZTString(std::string(ini.szEmpresa, strnlen(ini.szEmpresa, sizeof ini.szEmpresa)).c_str());
}

void LiberaTextos(QD_PROPRIEDADES_PS& prop) {
    for (platform::BSTR* bs : {&prop.bsDominio, &prop.bsModeloEmail, &prop.bsEmailPara, &prop.bsEmailCC}) {
        platform::SysFreeString(*bs);
        *bs = nullptr;
    }
}

// Step 6: the properties (those of a new company first, when it has none) and the rights.
HRESULT LeDireitos(IQDArqBind& bind, CQDSessao& sessao, const REGUSU_PS& reg, QD_PROPRIEDADES_PS& prop) {
    if (const HRESULT hr = QDCriaMestreNovo(bind); platform::FAILED(hr)) return hr;
    // The server's own read: the counter the client was given stays what it was.
    if (const HRESULT hr = QDLePropriedades(bind, &prop); platform::FAILED(hr)) return hr;
    REGUSU_PS pai;
    const bool precisaPai = prop.bAcessoTotalSupervisor && !reg.bSupervisor && reg.iCodigoPai != 0;
    const bool temPai = precisaPai && platform::SUCCEEDED(sessao.conexaoUsuario.Le(reg.iCodigoPai, pai));
    sessao.bAcessoTotal = QDAcessoTotal(prop.bAcessoTotalSupervisor != 0, reg, temPai ? &pai : nullptr);
    return platform::S_OK;
}

// Step 8's reading: the name of branch 1 through a silent branch connection.
HRESULT LeFraseChave(const CQDSessao& sessao, CZTString& strFrase) {
    CConexaoFilial filial;
    filial.SetTrataErros(false);
    filial.SetTratarMensagens(false);
    if (const HRESULT hr = filial.Inicializa(sessao.strEmpresa, sessao.iUsuario, sessao.lNumeroSessao);
        platform::FAILED(hr)) {
        return hr;
    }
    return filial.GetNome(QD_FILIAL_CHAVE, strFrase);
}

// Step 8's key: the encryption object, with the object's run-as identity, keyed with `frase`.
HRESULT CriaCrypto(IZTUserProfileInfo& perfil, const CZTString& frase, std::unique_ptr<CCrypto>& pCrypto) {
    try {
        CQDFonteIdentidadeSrv fonte(perfil);
        auto crypto = std::make_unique<CCrypto>(&fonte);
        crypto->SetKey(frase);
        pCrypto = std::move(crypto);
        return platform::S_OK;
    } catch (CZTException* erro) {
        const HRESULT hr = platform::HResultFromMessage(static_cast<std::uint32_t>(erro->GetMensagem()));
        erro->Delete();
        return hr;
    }
}

}  // namespace

HRESULT QDInicializa(IZTQD_Srv& srv, IQDArqBind& bind, IZTUserProfileInfo& perfil, CQDSessao& sessao,
                     const QD_INICIALIZA_PS& ini) {
    sessao.strEmpresa = EmpresaDe(ini);
    sessao.iUsuario = ini.iUsuario;
    sessao.lNumeroSessao = ini.lNumeroSessao;
    // The rights belong to the user now opening the session; nothing of an earlier one stays.
    sessao.bAcessoTotal = 0;
    sessao.iUsuarioPai = 0;
    sessao.filiaisAtivas = FILIAIS_ATIVAS{};
    sessao.pCrypto.reset();  // never a key of an earlier company

    // A code that is not one key name has no data directory: it never reaches the registry.
    sessao.strDiretorio = QDCodigoEmpresaValido(sessao.strEmpresa)
                              ? ZTGetDiretorioEmpresa(ZT_MODULO_GED, sessao.strEmpresa)
                              : CZTString();
    if (sessao.strDiretorio.IsEmpty()) return platform::HResultFromMessage(ZT_MSG_DIRETORIO_AUSENTE);

    CConexaoUsuario& usuario = sessao.conexaoUsuario;
    if (const HRESULT hr = usuario.Inicializa(sessao.strEmpresa, sessao.iUsuario, sessao.lNumeroSessao);
        platform::FAILED(hr)) {
        return hr;
    }
    if (const HRESULT hr = usuario.LeFiliaisAtivas(sessao.filiaisAtivas); platform::FAILED(hr)) return hr;
    REGUSU_PS reg;
    if (const HRESULT hr = usuario.Le(reg); platform::FAILED(hr)) return hr;
    sessao.iUsuarioPai = reg.iCodigoPai;

    QD_PROPRIEDADES_PS prop{};
    HRESULT hr = LeDireitos(bind, sessao, reg, prop);
    if (platform::SUCCEEDED(hr)) hr = QDExecutaMigracoes(srv, sessao, prop);
    LiberaTextos(prop);
    if (platform::FAILED(hr)) return hr;

    CZTString frase;
    if (const HRESULT falha = LeFraseChave(sessao, frase); platform::FAILED(falha)) return falha;
    if (const HRESULT falha = CriaCrypto(perfil, frase, sessao.pCrypto); platform::FAILED(falha)) return falha;
    if (const HRESULT falha = QDCriaDiretorioDocs(sessao.strDiretorio); platform::FAILED(falha)) return falha;
    return QDLimpaDiretorioDocs(bind);
}
