#include "server/content/zt_archive.h"

#include "platform/text/codepage.h"

#include <cstring>
#include <string>

namespace {

constexpr std::uint64_t k16 = 0xFFFF;
constexpr std::uint64_t k32 = 0xFFFFFFFF;
constexpr std::uint64_t kTextoLargo = 0xFFFE;  // the 16-bit mark of UTF-16 text

}  // namespace

void CZTArchive::Write(const void* dados, std::size_t tamanho) {
    if (!m_pDestino || tamanho == 0) return;
    const auto* bytes = static_cast<const std::uint8_t*>(dados);
    m_pDestino->insert(m_pDestino->end(), bytes, bytes + tamanho);
}

void CZTArchive::WriteNumber(std::uint64_t valor, int bytes) {
    std::uint8_t le[8];
    for (int i = 0; i < bytes; ++i) le[i] = static_cast<std::uint8_t>(valor >> (8 * i));
    Write(le, static_cast<std::size_t>(bytes));
}

void CZTArchive::WriteCount(std::uint64_t contagem) {
    if (contagem < k16) return WriteNumber(contagem, 2);
    WriteNumber(k16, 2);
    if (contagem < k32) return WriteNumber(contagem, 4);
    WriteNumber(k32, 4);
    WriteNumber(contagem, 8);
}

void CZTArchive::WriteString(const CZTString& texto) {
    const auto tamanho = static_cast<std::uint64_t>(texto.GetLength());
    if (tamanho < 0xFF) {
        WriteNumber(tamanho, 1);
    } else {
        WriteNumber(0xFF, 1);
        if (tamanho < kTextoLargo) {
            WriteNumber(tamanho, 2);
        } else {
            WriteNumber(k16, 2);
            if (tamanho < k32) {
                WriteNumber(tamanho, 4);
            } else {
                WriteNumber(k32, 4);
                WriteNumber(tamanho, 8);
            }
        }
    }
    Write(texto.GetString(), static_cast<std::size_t>(tamanho));
}

bool CZTArchive::Read(void* dados, std::size_t tamanho) {
    if (!IsLoading() || tamanho > GetRestante()) return false;
    if (tamanho > 0) std::memcpy(dados, m_origem.data() + m_nPosicao, tamanho);
    m_nPosicao += tamanho;
    return true;
}

bool CZTArchive::ReadNumber(std::uint64_t& valor, int bytes) {
    std::uint8_t le[8] = {};
    if (!Read(le, static_cast<std::size_t>(bytes))) return false;
    valor = 0;
    for (int i = bytes - 1; i >= 0; --i) valor = (valor << 8) | le[i];
    return true;
}

bool CZTArchive::ReadCount(std::uint64_t& contagem) {
    const std::size_t inicio = m_nPosicao;
    std::uint64_t valor = 0;
    bool lido = ReadNumber(valor, 2);
    if (lido && valor == k16) lido = ReadNumber(valor, 4);
    if (lido && valor == k32) lido = ReadNumber(valor, 8);
    if (!lido) {
        m_nPosicao = inicio;
        return false;
    }
    contagem = valor;
    return true;
}

// The length prefix of a text; the UTF-16 mark may come once, ahead of the length proper.
bool CZTArchive::ReadLength(std::uint64_t& tamanho, bool& ehLargo) {
    ehLargo = false;
    for (int prefixo = 0; prefixo < 2; ++prefixo) {
        std::uint64_t valor = 0;
        if (!ReadNumber(valor, 1)) return false;
        if (valor == 0xFF && !ReadNumber(valor, 2)) return false;
        if (valor == kTextoLargo && !ehLargo) {
            ehLargo = true;
            continue;
        }
        if (valor == k16 && !ReadNumber(valor, 4)) return false;
        if (valor == k32 && !ReadNumber(valor, 8)) return false;
        tamanho = valor;
        return true;
    }
    return false;
}

bool CZTArchive::ReadString(CZTString& texto) {
    const std::size_t inicio = m_nPosicao;
    std::uint64_t tamanho = 0;
    bool ehLargo = false;
    // The length is checked against the bytes left before any memory is taken for it.
    bool lido = ReadLength(tamanho, ehLargo) && tamanho <= GetRestante();
    const std::uint64_t bytes = ehLargo ? tamanho * 2 : tamanho;
    lido = lido && bytes <= GetRestante();
    if (!lido) {
        m_nPosicao = inicio;
        return false;
    }
    const std::uint8_t* dados = m_origem.data() + m_nPosicao;
    if (ehLargo) {
        std::u16string largo(static_cast<std::size_t>(tamanho), u'\0');
        for (std::size_t i = 0; i < largo.size(); ++i) {
            largo[i] = static_cast<char16_t>(dados[2 * i] | (dados[2 * i + 1] << 8));
        }
        texto = CZTString(platform::AnsiFromUtf16(largo));
    } else {
        texto = CZTString(std::string(reinterpret_cast<const char*>(dados), static_cast<std::size_t>(bytes)));
    }
    m_nPosicao += static_cast<std::size_t>(bytes);
    return true;
}
