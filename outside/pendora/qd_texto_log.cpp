#include "outside/pendora/qd_texto_log.h"

#include "platform/text/codepage.h"

#include <cstring>
#include <string>

namespace pendora::detail {

CZTString TextoDoCampoLog(const char* campo, std::size_t tamanho) {
    std::string texto(campo, ::strnlen(campo, tamanho));
    for (char& c : texto) {
        if (static_cast<unsigned char>(c) < 0x20) c = ' ';
    }
    return CZTString(std::move(texto));
}

void AcrescentaCampoLog(CZTString& texto, const char* rotuloUtf8, const char* valor) {
    texto.AppendFormat("%s: %s; ", platform::AnsiFromUtf8(rotuloUtf8).c_str(), valor);
}

CZTString TextoGrupoLog(std::uint32_t dwFlags) {
    return CZTString(platform::AnsiFromUtf8((dwFlags & 0x1) ? "Grupo" : "Analítica"));
}

CZTString NomeOuNumeroLog(const char* nome, std::int64_t valor) {
    if (nome && *nome) return CZTString(nome);
    return CZTString::Formata("%lld", static_cast<long long>(valor));
}

}  // namespace pendora::detail
