#include "outside/conexo/conexo_registro.h"

#include "util/config/registry_names.h"

#include <algorithm>

namespace conexo_detail {

using platform::HRESULT;

HRESULT LeTexto(const Chave& chave, const char* nome, platform::DWORD maximo, std::string& texto) {
    platform::DWORD tipo = 0;
    platform::DWORD tamanho = 0;
    if (const auto erro = platform::Registry::QueryValue(chave.Get(), nome, &tipo, nullptr, &tamanho)) {
        return platform::HResultFromWin32(erro);
    }
    if (tipo != platform::REG_SZ || tamanho > maximo + 1) return CONEXO_E_DADOS_INVALIDOS;
    std::string lido(tamanho, '\0');
    if (const auto erro = platform::Registry::QueryValue(chave.Get(), nome, &tipo, lido.data(), &tamanho)) {
        return platform::HResultFromWin32(erro);
    }
    lido.resize(std::min<std::size_t>(tamanho, lido.size()));
    if (!lido.empty() && lido.back() == '\0') lido.pop_back();
    if (lido.size() > maximo || lido.find('\0') != std::string::npos) return CONEXO_E_DADOS_INVALIDOS;
    texto = std::move(lido);
    return platform::S_OK;
}

HRESULT LeNumero(const Chave& chave, const char* nome, platform::DWORD maximo, platform::DWORD& numero,
                 platform::DWORD padrao) {
    platform::DWORD tipo = 0;
    platform::DWORD valor = 0;
    platform::DWORD tamanho = sizeof valor;
    const auto erro = platform::Registry::QueryValue(chave.Get(), nome, &tipo, &valor, &tamanho);
    if (erro == platform::ERROR_FILE_NOT_FOUND) {
        numero = padrao;
        return platform::S_OK;
    }
    if (erro == platform::ERROR_MORE_DATA) return CONEXO_E_DADOS_INVALIDOS;
    if (erro) return platform::HResultFromWin32(erro);
    if (tipo != platform::REG_DWORD || tamanho != sizeof valor || valor > maximo) return CONEXO_E_DADOS_INVALIDOS;
    numero = valor;
    return platform::S_OK;
}

HRESULT LeBytes(const Chave& chave, const char* nome, void* destino, std::size_t tamanho) {
    platform::DWORD tipo = 0;
    platform::DWORD lido = 0;
    if (const auto erro = platform::Registry::QueryValue(chave.Get(), nome, &tipo, nullptr, &lido)) {
        return platform::HResultFromWin32(erro);
    }
    if (tipo != platform::REG_BINARY || lido != tamanho) return CONEXO_E_DADOS_INVALIDOS;
    std::string bytes(tamanho, '\0');
    if (const auto erro = platform::Registry::QueryValue(chave.Get(), nome, &tipo, bytes.data(), &lido)) {
        return erro == platform::ERROR_MORE_DATA ? CONEXO_E_DADOS_INVALIDOS : platform::HResultFromWin32(erro);
    }
    if (tipo != platform::REG_BINARY || lido != tamanho) return CONEXO_E_DADOS_INVALIDOS;  // replaced meanwhile
    std::copy(bytes.begin(), bytes.end(), static_cast<char*>(destino));
    return platform::S_OK;
}

HRESULT GravaTexto(const Chave& chave, const char* nome, const std::string& texto) {
    const auto erro = platform::Registry::SetValue(chave.Get(), nome, platform::REG_SZ, texto.c_str(),
                                                   static_cast<platform::DWORD>(texto.size() + 1));
    return platform::HResultFromWin32(erro);
}

HRESULT GravaNumero(const Chave& chave, const char* nome, platform::DWORD numero) {
    return platform::HResultFromWin32(
        platform::Registry::SetValue(chave.Get(), nome, platform::REG_DWORD, &numero, sizeof numero));
}

HRESULT GravaBytes(const Chave& chave, const char* nome, const void* dados, std::size_t tamanho) {
    return platform::HResultFromWin32(platform::Registry::SetValue(chave.Get(), nome, platform::REG_BINARY, dados,
                                                                   static_cast<platform::DWORD>(tamanho)));
}

HRESULT ListaSubChaves(const CZTString& caminho, std::size_t maximo, std::vector<CZTString>& nomes) {
    nomes.clear();
    Chave chave;
    if (const auto erro = chave.Abre(caminho)) {
        return erro == platform::ERROR_FILE_NOT_FOUND ? platform::S_OK : platform::HResultFromWin32(erro);
    }
    for (platform::DWORD indice = 0;; ++indice) {
        platform::String nome;
        const auto erro = platform::Registry::EnumKey(chave.Get(), indice, &nome);
        if (erro == platform::ERROR_NO_MORE_ITEMS) return platform::S_OK;
        if (erro) return platform::HResultFromWin32(erro);
        if (nomes.size() == maximo) return CONEXO_E_DADOS_INVALIDOS;
        nomes.emplace_back(nome);
    }
}

bool InterpretaCodigo(std::string_view texto, std::uint16_t& codigo) {
    if (texto.empty() || texto.size() > 5 || (texto.size() > 1 && texto[0] == '0')) return false;
    unsigned valor = 0;
    for (const char c : texto) {
        if (c < '0' || c > '9') return false;
        valor = valor * 10 + static_cast<unsigned>(c - '0');
    }
    if (valor > 0xFFFF) return false;
    codigo = static_cast<std::uint16_t>(valor);
    return true;
}

CZTString ChaveEmpresa(const char* empresa) { return CZTString(ZT_CHAVE_EMPRESAS) + empresa; }

}  // namespace conexo_detail
