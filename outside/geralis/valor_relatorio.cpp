#include "outside/geralis/valor_relatorio.h"

#include "outside/geralis/geralis_definicoes.h"
#include "util/date/date_format.h"
#include "util/time/short_date.h"

#include <cstdint>
#include <cstring>

namespace {

CZTString Texto(const char* dado, int tamanho) {
    const size_t comprimento = strnlen(dado, static_cast<size_t>(tamanho));
    CZTString texto(dado, static_cast<int>(comprimento));
    for (int i = 0; i < texto.GetLength(); ++i) {
        const auto c = static_cast<unsigned char>(texto.GetAt(i));
        if (c < 0x20 || c == 0x7F) texto.SetAt(i, ' ');
    }
    texto.TrimRight();
    return texto;
}

CZTString Inteiro(const void* dado) {
    std::int32_t valor = 0;
    std::memcpy(&valor, dado, sizeof valor);
    CZTString texto;
    texto.Format("%d", static_cast<int>(valor));
    return texto;
}

CZTString Dia(const void* dado) {
    std::uint16_t valor = 0;
    std::memcpy(&valor, dado, sizeof valor);
    int dia = 0;
    int mes = 0;
    int ano = 0;
    ZTDesmontaData(valor, dia, mes, ano);
    if (dia == 0) return {};
    char buffer[11] = {};
    return CZTString(ZTFormataDataTipo(dia, mes, ano, buffer, sizeof buffer, 1, '/', true));
}

}  // namespace

bool GeralisTamanhoValido(int iTipo, int iTamanho) {
    switch (iTipo) {
    case GERALIS_TIPO_TEXTO:
    case GERALIS_TIPO_DATA_TEXTO:
        return iTamanho >= 0 && iTamanho <= GERALIS_TAMANHO_MAXIMO;
    case GERALIS_TIPO_INTEIRO:
        return iTamanho == static_cast<int>(sizeof(std::int32_t));
    case GERALIS_TIPO_DIA:
        return iTamanho == static_cast<int>(sizeof(std::uint16_t));
    default:
        return false;
    }
}

platform::HRESULT GeralisTextoDoValor(const void* pDado, int iTipo, int iTamanho, CZTString& strTexto) {
    if (!GeralisTamanhoValido(iTipo, iTamanho)) return GERALIS_E_ARGUMENTO;
    if (iTamanho == 0) {
        strTexto.Empty();
        return platform::S_OK;
    }
    if (pDado == nullptr) return platform::E_POINTER;
    switch (iTipo) {
    case GERALIS_TIPO_INTEIRO:
        strTexto = Inteiro(pDado);
        break;
    case GERALIS_TIPO_DIA:
        strTexto = Dia(pDado);
        break;
    default:
        strTexto = Texto(static_cast<const char*>(pDado), iTamanho);
        break;
    }
    return platform::S_OK;
}
