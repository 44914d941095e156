#include "framework/application/zt_fc_parametros.h"

#include <string_view>

namespace {

// The letter map takes a switch through a buffer of this many bytes, terminator included.
constexpr std::size_t kTamanhoCopia = 260;

}  // namespace

void CZTFCParametros::ParseParam(const char* param, platform::BOOL isFlag, platform::BOOL isLast) {
    if (isFlag) {
        const std::string_view copia = std::string_view(param ? param : "").substr(0, kTamanhoCopia - 1);
        const char letra = copia.empty() ? '\0' : copia.front();
        const std::string_view valor = copia.empty() ? copia : copia.substr(1);
        m_mapParametros[letra] = CZTString(valor.data(), static_cast<int>(valor.size()));
        m_arrParametros.emplace_back(param);
    }
    CommandLineInfo::ParseParam(param, isFlag, isLast);
}

platform::BOOL CZTFCParametros::BuscaParametro(char letra, CZTString& valor) const {
    const auto achado = m_mapParametros.find(letra);
    if (achado == m_mapParametros.end()) return platform::FALSE;
    valor = achado->second;
    return platform::TRUE;
}

platform::BOOL CZTFCParametros::ExisteParametro(char letra) const { return m_mapParametros.contains(letra) ? platform::TRUE : platform::FALSE; }

CZTString CZTFCParametros::GetParametro(char letra) const {
    CZTString valor;
    BuscaParametro(letra, valor);
    return valor;
}

platform::BOOL CZTFCParametros::BuscaParametroPorPrefixo(const char* prefixo, CZTString& valor) const {
    for (const CZTString& parametro : m_arrParametros) {
        if (!parametro.IniciaCom(prefixo)) continue;
        valor = parametro;
        valor.Replace(prefixo, "");
        return platform::TRUE;
    }
    return platform::FALSE;
}

platform::BOOL CZTFCParametros::ExisteParametroPorPrefixo(const char* prefixo) const {
    CZTString valor;
    return BuscaParametroPorPrefixo(prefixo, valor);
}

CZTString CZTFCParametros::GetParametroPorPrefixo(const char* prefixo) const {
    CZTString valor;
    BuscaParametroPorPrefixo(prefixo, valor);
    return valor;
}
