#include "server/content/zt_identidade_execucao.h"

#include "platform/text/codepage.h"
#include "platform/crypto/crypto.h"
#include "platform/system/machine_name.h"
#include "platform/crypto/private_data.h"
#include "platform/registry/registry.h"
#include "server/content/qd_evento_conteudo.h"
#include "util/config/registry_functions.h"
#include "util/config/zt_registry.h"

#include <string>

namespace {

constexpr const char* kValorAppId = "AppID";
constexpr const char* kValorRunAs = "RunAs";

CZTString ChaveSegredo(const CZTString& appId) { return CZTString("SCM:") + appId; }

// The stored form: UTF-16 little-endian with its terminating NUL.
std::string FormaArmazenada(const char* senha) {
    const std::u16string largo = platform::Utf16FromAnsi(senha ? senha : "");
    std::string bytes;
    for (const char16_t c : largo) {
        bytes += static_cast<char>(c & 0xFF);
        bytes += static_cast<char>(c >> 8);
    }
    bytes.append(2, '\0');
    return bytes;
}

// The password from its stored form; false for an odd length or a missing terminator.
bool LeFormaArmazenada(const std::string& bytes, CZTString& senha) {
    if (bytes.size() < 2 || bytes.size() % 2 != 0) return false;
    std::u16string largo;
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const auto c = static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) | (static_cast<unsigned char>(bytes[i + 1]) << 8));
        if (c == u'\0') break;
        largo += c;
    }
    if (largo.size() * 2 + 2 > bytes.size()) return false;
    senha = CZTString(platform::AnsiFromUtf16(largo));
    platform::SecureZero(largo.data(), largo.size() * sizeof(char16_t));
    return true;
}

}  // namespace

bool CZTIdentidadeExecucao::EstaMaquina() const { return platform::IsThisMachine(m_strMaquina.view()); }

CZTString CZTIdentidadeExecucao::LeAppId(const char* programa) const {
    const CZTString chave = CZTString::Formata("AppID\\%s.exe", programa ? programa : "");
    return ZTLeStringRegistry(platform::HKEY_CLASSES_ROOT, chave, kValorAppId);
}

bool CZTIdentidadeExecucao::LeIdentidade(const char* programa, CZTString& strConta, CZTString& strSenha) const {
    strConta.Empty();
    strSenha.Empty();
    const CZTString appId = LeAppId(programa);
    if (appId.IsEmpty()) return false;
    CZTRegistry registro;
    if (registro.AbreChave(platform::HKEY_CLASSES_ROOT, CZTString("AppID\\") + appId) != 0) return false;
    CZTString conta = registro.LeString(kValorRunAs);
    if (!EstaMaquina()) return false;
    std::string armazenada;
    const platform::Win32Error erro = platform::RetrievePrivateData(ChaveSegredo(appId), armazenada);
    if (erro == platform::ERROR_ACCESS_DENIED) {
        // Not a message to anyone, but a secret that others could read must not go unnoticed.
        QDRegistraEventoConteudo(platform::EVENTLOG_WARNING_TYPE,
                                 CZTString::Formata("%s: %s", platform::PrivateDataPath(ChaveSegredo(appId)).GetString(),
                                                    platform::AnsiFromUtf8("a senha da identidade de execução foi "
                                                                           "recusada: o arquivo não é só do seu dono.")
                                                        .c_str()));
    }
    CZTString senha;
    const bool lida = erro == platform::ERROR_SUCCESS && LeFormaArmazenada(armazenada, senha);
    platform::SecureZero(armazenada.data(), armazenada.size());
    if (!lida) return false;
    strConta = conta;
    strSenha = senha;
    platform::SecureZero(senha.GetBuffer(), static_cast<std::size_t>(senha.GetLength()));
    return true;
}

bool CZTIdentidadeExecucao::GravaIdentidade(const char* programa, const char* conta, const char* senha) const {
    const CZTString appId = LeAppId(programa);
    if (appId.IsEmpty()) return false;
    CZTRegistry registro;
    if (registro.AbreChave(platform::HKEY_CLASSES_ROOT, CZTString("AppID\\") + appId, true) != 0) return false;
    if (registro.GravaString(kValorRunAs, conta) != 0) return false;
    if (!EstaMaquina()) return false;
    std::string armazenada = FormaArmazenada(senha);
    const bool gravada = platform::StorePrivateData(ChaveSegredo(appId), armazenada) == platform::ERROR_SUCCESS;
    platform::SecureZero(armazenada.data(), armazenada.size());
    return gravada;
}
