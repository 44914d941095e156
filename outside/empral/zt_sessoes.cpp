#include "outside/empral/zt_sessoes.h"

#include "outside/conexo/conexo_registro.h"
#include "platform/system/account.h"
#include "util/config/registry_names.h"

#include <limits>
#include <string>
#include <utility>

namespace {

using platform::HRESULT;
using namespace conexo_detail;

constexpr char kChaveSessoes[] = "SOFTWARE\\Quorvel\\Sessoes";
constexpr char kValorUltima[] = "UltimaSessao";
constexpr char kValorUsuario[] = "Usuario";
constexpr char kValorEmpresa[] = "Empresa";
constexpr char kValorConta[] = "Conta";
// Longest company code and account name a session keeps.
constexpr platform::DWORD kMaxTexto = 255;

// The next session number, never given before.
HRESULT ProximoNumero(std::int32_t& numero) {
    Chave chave;
    if (const auto erro = chave.Cria(kChaveSessoes)) return platform::HResultFromWin32(erro);
    platform::DWORD proximo = 0;
    if (const auto erro = platform::Registry::IncrementCounter(chave.Get(), kValorUltima, &proximo)) {
        return platform::HResultFromWin32(erro);
    }
    if (proximo > static_cast<platform::DWORD>(std::numeric_limits<std::int32_t>::max())) {
        return platform::HResultFromWin32(platform::ERROR_INVALID_DATA);
    }
    numero = static_cast<std::int32_t>(proximo);
    return platform::S_OK;
}

}  // namespace

CZTString ZTChaveSessao(std::int32_t lNumeroSecao) {
    return CZTString::Formata("%s\\%ld", kChaveSessoes, static_cast<long>(lNumeroSecao));
}

HRESULT ZTAbreSessao(const char* szEmpresa, std::uint16_t iUsuario, std::int32_t& lNumeroSecao) {
    if (!EmpresaValida(szEmpresa) || std::char_traits<char>::length(szEmpresa) > kMaxTexto) return platform::E_INVALIDARG;
    platform::String conta;
    if (const auto erro = platform::ProcessAccountName(conta)) return platform::HResultFromWin32(erro);
    std::int32_t numero = 0;
    if (const HRESULT hr = ProximoNumero(numero); platform::FAILED(hr)) return hr;
    Chave chave;
    if (const auto erro = chave.Cria(ZTChaveSessao(numero))) return platform::HResultFromWin32(erro);
    HRESULT hr = GravaNumero(chave, kValorUsuario, iUsuario);
    if (platform::SUCCEEDED(hr)) hr = GravaTexto(chave, kValorEmpresa, szEmpresa);
    // The account last: a session is whole once it names its account.
    if (platform::SUCCEEDED(hr)) hr = GravaTexto(chave, kValorConta, conta.str());
    if (platform::FAILED(hr)) return hr;
    lNumeroSecao = numero;
    return platform::S_OK;
}

HRESULT ZTLeSessao(std::int32_t lNumeroSecao, ZT_SESSAO& sessao) {
    if (lNumeroSecao <= 0) return platform::S_FALSE;
    Chave chave;
    if (const auto erro = chave.Abre(ZTChaveSessao(lNumeroSecao))) {
        return erro == platform::ERROR_FILE_NOT_FOUND ? platform::S_FALSE : platform::HResultFromWin32(erro);
    }
    std::string empresa;
    std::string conta;
    platform::DWORD usuario = 0;
    for (const auto& [valor, texto] : {std::pair{kValorEmpresa, &empresa}, std::pair{kValorConta, &conta}}) {
        const HRESULT hr = LeTexto(chave, valor, kMaxTexto, *texto);
        if (hr == kValorAusente) return platform::S_FALSE;
        if (platform::FAILED(hr)) return hr;
    }
    if (const HRESULT hr = LeNumero(chave, kValorUsuario, 0xFFFF, usuario); platform::FAILED(hr)) return hr;
    sessao.iUsuario = static_cast<std::uint16_t>(usuario);
    sessao.strEmpresa = CZTString(empresa.c_str());
    sessao.strConta = CZTString(conta.c_str());
    return platform::S_OK;
}
