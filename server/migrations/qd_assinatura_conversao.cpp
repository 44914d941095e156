#include "server/migrations/qd_assinatura_conversao.h"

#include "platform/file/file.h"

#include <cstring>
#include <string>

namespace {

std::uint32_t Bytes(const QDAssinatura& assinatura) {
    return static_cast<std::uint32_t>(std::strlen(assinatura.pszTexto) + 1);
}

bool Cabe(const QDAssinatura& assinatura, std::uint32_t tamanho) {
    return assinatura.nOffset + Bytes(assinatura) <= tamanho;
}

}  // namespace

void QDPoeAssinatura(const QDAssinatura& assinatura, std::uint8_t* cabecalho, std::uint32_t tamanho) {
    if (!Cabe(assinatura, tamanho)) return;
    std::memcpy(cabecalho + assinatura.nOffset, assinatura.pszTexto, Bytes(assinatura));
}

bool QDArquivoAssinado(const char* caminho, const QDAssinatura& assinatura) {
    platform::File arquivo;
    if (!arquivo.Open(caminho, platform::File::modeRead | platform::File::shareDenyNone)) return false;
    const std::uint32_t bytes = Bytes(assinatura);
    std::string lidos(bytes, '\0');
    try {
        arquivo.Seek(assinatura.nOffset, platform::File::begin);
        if (arquivo.Read(lidos.data(), bytes) != bytes) return false;
    } catch (const platform::FileException&) {
        return false;
    }
    return std::memcmp(lidos.data(), assinatura.pszTexto, bytes) == 0;
}
