#include "server/session/qd_codigo_empresa.h"

#include <algorithm>
#include <string_view>

namespace {

bool SeparaOuControla(char ch) {
    const auto byte = static_cast<unsigned char>(ch);
    return ch == '\\' || ch == '/' || byte < 0x20 || byte == 0x7F;
}

}  // namespace

bool QDCodigoEmpresaValido(const CZTString& empresa) {
    const std::string_view codigo = empresa.str();
    if (codigo.empty() || codigo == "." || codigo == "..") return false;
    return std::none_of(codigo.begin(), codigo.end(), SeparaOuControla);
}
