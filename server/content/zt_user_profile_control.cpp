#include "server/content/zt_user_profile_control.h"

#include "platform/system/account.h"
#include "platform/text/codepage.h"
#include "platform/system/machine_name.h"
#include "server/content/qd_evento_conteudo.h"
#include "util/config/module_table.h"
#include "util/message/zt_exception.h"

namespace {

void AvisaIdentidadeNaoAssumida(const CZTString& dominio, const CZTString& usuario) {
    platform::String atual;
    if (platform::ProcessAccountName(atual) != platform::ERROR_SUCCESS) atual = "?";
    const CZTString texto = CZTString::Formata(
        platform::AnsiFromUtf8("Não foi possível assumir a identidade de execução \"%s\\%s\"; o servidor continua "
                               "com a identidade do usuário \"%s\".")
            .c_str(),
        dominio.GetString(), usuario.GetString(), atual.GetString());
    QDRegistraEventoConteudo(platform::EVENTLOG_WARNING_TYPE, texto);
}

}  // namespace

void CZTUserProfileControl::CarregaPerfil(const CZTString& strDominio, const CZTString& strUsuario, const CZTString&) {
    if (EstaCarregado(strUsuario)) return;
    // Only accounts of this machine can be the process's own.
    bool ehProcesso = false;
    if (platform::IsThisMachine(strDominio.view())) {
        const platform::Win32Error erro = platform::IsProcessAccount(strUsuario, ehProcesso);
        if (erro != platform::ERROR_SUCCESS && erro != platform::ERROR_NONE_MAPPED && erro != platform::ERROR_INVALID_PARAMETER) {
            throw new CZTException("", ZT_MODULO_GED, erro);
        }
    }
    if (!ehProcesso) return AvisaIdentidadeNaoAssumida(strDominio, strUsuario);
    m_perfis.push_back({strUsuario});
}

bool CZTUserProfileControl::EstaCarregado(const char* usuario) const {
    for (const ZTUserProfile& perfil : m_perfis) {
        if (perfil.strUsuario.CompareNoCase(usuario) == 0) return true;
    }
    return false;
}
