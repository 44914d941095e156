#include "server/content/qd_arquivo_conteudo.h"

#include "platform/com/task_allocator.h"
#include "platform/file/file_operations.h"

#include <algorithm>
#include <limits>

using platform::File;
using platform::FAILED;
using platform::HRESULT;
using platform::SUCCEEDED;

namespace {

constexpr platform::Win32Error ERROR_FILE_TOO_LARGE = 223;
// Read and write calls move at most this much at once (the file layer counts in unsigned).
constexpr std::uint64_t kBloco = 1u << 30;

HRESULT HrDoArquivo(const platform::FileException& excecao) {
    return platform::HResultFromWin32(QDErroDoArquivo(excecao));
}

// Reads exactly `tamanho` bytes from the file's start into `destino`.
HRESULT LeExato(File& arquivo, std::uint8_t* destino, std::uint64_t tamanho) {
    try {
        arquivo.SeekToBegin();
        std::uint64_t lidos = 0;
        while (lidos < tamanho) {
            const auto pedido = static_cast<unsigned>(std::min(tamanho - lidos, kBloco));
            const unsigned n = arquivo.Read(destino + lidos, pedido);
            if (n == 0) return platform::HResultFromWin32(platform::ERROR_HANDLE_EOF);
            lidos += n;
        }
        return platform::S_OK;
    } catch (const platform::FileException& excecao) {
        return HrDoArquivo(excecao);
    }
}

// The open file's length, when it fits the 32-bit sizes of the interface.
HRESULT Tamanho(const File& arquivo, std::uint64_t& tamanho) {
    try {
        tamanho = arquivo.GetLength();
    } catch (const platform::FileException& excecao) {
        return HrDoArquivo(excecao);
    }
    if (tamanho > std::numeric_limits<std::uint32_t>::max()) return platform::HResultFromWin32(ERROR_FILE_TOO_LARGE);
    return platform::S_OK;
}

}  // namespace

platform::Win32Error QDErroDoArquivo(const platform::FileException& excecao) {
    return excecao.m_lOsError > 0 ? static_cast<platform::Win32Error>(excecao.m_lOsError) : platform::ERROR_GEN_FAILURE;
}

HRESULT QDAbreArquivoConteudo(const char* caminho, char cModo, File& arquivo) {
    unsigned modo = 0;
    switch (cModo) {
        case 'G': modo = File::modeReadWrite | File::shareExclusive | File::modeCreate | File::modeNoTruncate; break;
        case 'L': modo = File::modeRead | File::shareDenyWrite; break;
        default: return platform::E_INVALIDARG;
    }
    platform::FileException erro;
    if (arquivo.Open(caminho ? caminho : "", modo | File::typeBinary, &erro)) return platform::S_OK;
    return HrDoArquivo(erro);
}

HRESULT QDLeArquivoConteudo(File& arquivo, void** ppBuffer, std::uint32_t* pTamanho) {
    if (!ppBuffer || !pTamanho) return platform::E_POINTER;
    *ppBuffer = nullptr;
    *pTamanho = 0;
    std::uint64_t tamanho = 0;
    if (const HRESULT hr = Tamanho(arquivo, tamanho); FAILED(hr)) return hr;
    auto* buffer = static_cast<std::uint8_t*>(platform::CoTaskMemAlloc(static_cast<std::size_t>(tamanho)));
    if (!buffer) return platform::E_OUTOFMEMORY;
    if (const HRESULT hr = LeExato(arquivo, buffer, tamanho); FAILED(hr)) {
        platform::CoTaskMemFree(buffer);
        return hr;
    }
    *ppBuffer = buffer;
    *pTamanho = static_cast<std::uint32_t>(tamanho);
    return platform::S_OK;
}

HRESULT QDLeArquivoInteiro(File& arquivo, CZTByteArray& bytes) {
    std::uint64_t tamanho = 0;
    if (const HRESULT hr = Tamanho(arquivo, tamanho); FAILED(hr)) return hr;
    std::vector<std::uint8_t> lidos(static_cast<std::size_t>(tamanho));
    if (const HRESULT hr = LeExato(arquivo, lidos.data(), tamanho); FAILED(hr)) return hr;
    bytes.Bytes() = std::move(lidos);
    return platform::S_OK;
}

HRESULT QDGravaBytes(File& arquivo, const void* pBuffer, std::size_t tamanho) {
    if (!pBuffer && tamanho > 0) return platform::E_POINTER;
    const auto* bytes = static_cast<const std::uint8_t*>(pBuffer);
    try {
        for (std::uint64_t gravados = 0; gravados < tamanho;) {
            const auto n = static_cast<unsigned>(std::min<std::uint64_t>(tamanho - gravados, kBloco));
            arquivo.Write(bytes + gravados, n);
            gravados += n;
        }
        return platform::S_OK;
    } catch (const platform::FileException& excecao) {
        return HrDoArquivo(excecao);
    }
}

HRESULT QDGravaArquivoConteudo(File& arquivo, const void* pBuffer, std::size_t tamanho) {
    try {
        arquivo.SeekToBegin();
        if (const HRESULT hr = QDGravaBytes(arquivo, pBuffer, tamanho); FAILED(hr)) return hr;
        arquivo.SetLength(tamanho);
        return platform::S_OK;
    } catch (const platform::FileException& excecao) {
        return HrDoArquivo(excecao);
    }
}

HRESULT QDApagaArquivoConteudo(const char* caminho) {
    return platform::HResultFromWin32(platform::DeleteFile(caminho ? caminho : "").error);
}
