#include "outside/conexo/conexo_empresa.h"

#include "outside/conexo/conexo_registro.h"
#include "util/config/registry_names.h"

#include <cstring>
#include <string>
#include <utility>

namespace {

using platform::HRESULT;
using namespace conexo_detail;

constexpr char kValorNome[] = "Nome";
constexpr char kValorTiposSistemas[] = "TiposSistemas";
// A bound on the companies one list reads.
constexpr std::size_t kMaxEmpresas = 10000;

// Reads one value of the company's key into `valor` with `le`; a missing company or value
// leaves `padrao`. `valor` changes only on S_OK.
template <class T, class Leitor>
HRESULT LeDaEmpresa(const char* empresa, T& valor, const T& padrao, Leitor le) {
    if (!EmpresaValida(empresa)) return platform::E_INVALIDARG;
    Chave chave;
    T lido = padrao;
    if (const auto erro = chave.Abre(ChaveEmpresa(empresa))) {
        if (erro != platform::ERROR_FILE_NOT_FOUND) return platform::HResultFromWin32(erro);
    } else if (const HRESULT hr = le(chave, lido); platform::FAILED(hr) && hr != kValorAusente) {
        return hr;
    }
    valor = std::move(lido);
    return platform::S_OK;
}

}  // namespace

HRESULT ConexoListaEmpresas(std::vector<CZTString>& empresas) {
    return ListaSubChaves(ZT_CHAVE_EMPRESAS, kMaxEmpresas, empresas);
}

HRESULT ConexoLeNomeEmpresa(const char* empresa, CZTString& nome) {
    std::string lido;
    const HRESULT hr = LeDaEmpresa(empresa, lido, std::string(), [](const Chave& chave, std::string& texto) {
        return LeTexto(chave, kValorNome, CONEXO_TAM_NOME_EMPRESA, texto);
    });
    if (platform::SUCCEEDED(hr)) nome = CZTString(lido.c_str());
    return hr;
}

HRESULT ConexoGravaNomeEmpresa(const char* empresa, const char* nome) {
    if (!EmpresaValida(empresa) || !nome || std::strlen(nome) > CONEXO_TAM_NOME_EMPRESA) return platform::E_INVALIDARG;
    Chave chave;
    if (const auto erro = chave.Cria(ChaveEmpresa(empresa))) return platform::HResultFromWin32(erro);
    return GravaTexto(chave, kValorNome, nome);
}

HRESULT ConexoLeTiposSistemas(const char* empresa, CONEXO_TIPOS_SISTEMAS& tipos) {
    return LeDaEmpresa(empresa, tipos, CONEXO_TIPOS_SISTEMAS{}, [](const Chave& chave, CONEXO_TIPOS_SISTEMAS& lidos) {
        return LeBytes(chave, kValorTiposSistemas, lidos.data(), lidos.size());
    });
}

HRESULT ConexoGravaTiposSistemas(const char* empresa, const CONEXO_TIPOS_SISTEMAS& tipos) {
    if (!EmpresaValida(empresa)) return platform::E_INVALIDARG;
    Chave chave;
    if (const auto erro = chave.Cria(ChaveEmpresa(empresa))) return platform::HResultFromWin32(erro);
    return GravaBytes(chave, kValorTiposSistemas, tipos.data(), tipos.size());
}
