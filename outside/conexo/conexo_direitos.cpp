#include "outside/conexo/conexo_direitos.h"

#include "outside/conexo/conexo_dados.h"
#include "outside/conexo/conexo_registro.h"

#include <algorithm>
#include <string>
#include <string_view>

namespace {

using platform::HRESULT;
using namespace conexo_detail;

constexpr char kValorDireitos[] = "Direitos";
constexpr char kValorTestarEnter[] = "TestarEnter";
// Two numbers of five digits, their colon and the separator, per pair.
constexpr platform::DWORD kMaxTextoDireitos = CONEXO_MAX_DIREITOS * 12;

// Opens the user's key; a missing user is CONEXO_E_USUARIO_INEXISTENTE.
HRESULT AbreUsuario(const char* empresa, std::uint16_t usuario, Chave& chave, bool paraGravar) {
    if (!EmpresaValida(empresa)) return platform::E_INVALIDARG;
    const CZTString caminho = ConexoChaveUsuario(empresa, usuario);
    const auto erro = paraGravar ? chave.AbreParaGravar(caminho) : chave.Abre(caminho);
    if (erro == platform::ERROR_FILE_NOT_FOUND) return CONEXO_E_USUARIO_INEXISTENTE;
    return platform::HResultFromWin32(erro);
}

// "21:1,1:33" into pairs; an empty text is no pair.
HRESULT InterpretaDireitos(std::string_view lista, std::vector<CONEXO_DIREITO>& direitos) {
    direitos.clear();
    while (!lista.empty()) {
        const std::size_t fim = std::min(lista.find(','), lista.size());
        const std::string_view par = lista.substr(0, fim);
        const std::size_t dois = par.find(':');
        CONEXO_DIREITO direito;
        if (dois == std::string_view::npos || !InterpretaCodigo(par.substr(0, dois), direito.iModulo) ||
            !InterpretaCodigo(par.substr(dois + 1), direito.iDireito)) {
            return CONEXO_E_DADOS_INVALIDOS;
        }
        if (direitos.size() == CONEXO_MAX_DIREITOS) return CONEXO_E_DADOS_INVALIDOS;
        direitos.push_back(direito);
        if (fim + 1 == lista.size()) return CONEXO_E_DADOS_INVALIDOS;  // a trailing separator
        lista.remove_prefix(std::min(fim + 1, lista.size()));
    }
    return platform::S_OK;
}

}  // namespace

HRESULT ConexoLeDireitos(const char* empresa, std::uint16_t usuario, std::vector<CONEXO_DIREITO>& direitos,
                         bool* pGravados) {
    Chave chave;
    if (const HRESULT hr = AbreUsuario(empresa, usuario, chave, false); platform::FAILED(hr)) return hr;
    std::string lista;
    const HRESULT hr = LeTexto(chave, kValorDireitos, kMaxTextoDireitos, lista);
    if (platform::FAILED(hr) && hr != kValorAusente) return hr;
    std::vector<CONEXO_DIREITO> lidos;
    if (const HRESULT falha = InterpretaDireitos(lista, lidos); platform::FAILED(falha)) return falha;
    direitos = std::move(lidos);
    if (pGravados) *pGravados = hr != kValorAusente;
    return platform::S_OK;
}

HRESULT ConexoGravaDireitos(const char* empresa, std::uint16_t usuario, const std::vector<CONEXO_DIREITO>& direitos) {
    if (direitos.size() > CONEXO_MAX_DIREITOS) return platform::E_INVALIDARG;
    Chave chave;
    if (const HRESULT hr = AbreUsuario(empresa, usuario, chave, true); platform::FAILED(hr)) return hr;
    std::string lista;
    for (const CONEXO_DIREITO& direito : direitos) {
        if (!lista.empty()) lista += ',';
        lista += std::to_string(direito.iModulo) + ':' + std::to_string(direito.iDireito);
    }
    return GravaTexto(chave, kValorDireitos, lista);
}

HRESULT ConexoLeTestarEnter(const char* empresa, std::uint16_t usuario, bool& testarEnter) {
    Chave chave;
    if (const HRESULT hr = AbreUsuario(empresa, usuario, chave, false); platform::FAILED(hr)) return hr;
    platform::DWORD valor = 0;
    if (const HRESULT hr = LeNumero(chave, kValorTestarEnter, 1, valor, 1); platform::FAILED(hr)) return hr;
    testarEnter = valor != 0;
    return platform::S_OK;
}

HRESULT ConexoGravaTestarEnter(const char* empresa, std::uint16_t usuario, bool testarEnter) {
    Chave chave;
    if (const HRESULT hr = AbreUsuario(empresa, usuario, chave, true); platform::FAILED(hr)) return hr;
    return GravaNumero(chave, kValorTestarEnter, testarEnter ? 1 : 0);
}

bool ConexoTemDireito(const std::vector<CONEXO_DIREITO>& direitos, std::uint16_t modulo, std::uint16_t direito) {
    return std::find(direitos.begin(), direitos.end(), CONEXO_DIREITO{modulo, direito}) != direitos.end();
}
