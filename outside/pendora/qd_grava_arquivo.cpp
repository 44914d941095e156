#include "outside/pendora/qd_grava_arquivo.h"

#include "platform/text/codepage.h"
#include "platform/file/file.h"
#include "platform/file/file_error.h"
#include "platform/file/file_operations.h"
#include "platform/file/file_status.h"

#include <algorithm>
#include <climits>
#include <filesystem>
#include <optional>
#include <system_error>

namespace pendora::detail {

namespace {

namespace fs = std::filesystem;
using platform::HRESULT;

constexpr fs::perms kEscrita = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
constexpr fs::perms kSomenteLeitura = fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read;

HRESULT DeErro(const platform::FileError& erro) { return platform::HResultFromWin32(erro.error); }

// The file layer's exception as an HRESULT; one without a system error is a plain failure.
HRESULT DeExcecao(const platform::FileException& e) {
    if (e.m_lOsError <= 0) return platform::E_FAIL;
    return platform::HResultFromWin32(static_cast<std::uint32_t>(e.m_lOsError));
}

HRESULT DeErrno(const std::error_code& ec, const char* caminho) {
    return DeErro(platform::FileErrorFromErrno(ec.value(), caminho));
}

fs::path CaminhoDoSistema(const char* caminho) { return fs::path(platform::Utf8FromAnsi(caminho)); }

// The mode an existing read-only file had before it was made writable; none when the path is
// free or already writable. A symbolic link is E_ACCESSDENIED.
HRESULT PreparaSubstituicao(const fs::path& alvo, const char* caminho, std::optional<fs::perms>& anterior) {
    std::error_code ec;
    const fs::file_status estado = fs::symlink_status(alvo, ec);
    if (ec && ec != std::errc::no_such_file_or_directory) return DeErrno(ec, caminho);
    if (fs::is_symlink(estado)) return platform::E_ACCESSDENIED;
    if (!fs::is_regular_file(estado) || (estado.permissions() & kEscrita) != fs::perms::none) return platform::S_OK;
    fs::permissions(alvo, fs::perms::owner_write, fs::perm_options::add, ec);
    if (ec) return DeErrno(ec, caminho);
    anterior = estado.permissions();
    return platform::S_OK;
}

// Writes everything, in pieces that File::Write's count can hold.
void EscreveTudo(platform::File& arquivo, std::span<const std::uint8_t> dados) {
    while (!dados.empty()) {
        const std::size_t n = std::min<std::size_t>(dados.size(), UINT_MAX);
        arquivo.Write(dados.data(), static_cast<unsigned>(n));
        dados = dados.subspan(n);
    }
}

}  // namespace

HRESULT GravaArquivo(const char* caminho, std::span<const std::uint8_t> dados) {
    if (!caminho || !*caminho) return platform::E_INVALIDARG;
    const fs::path alvo = CaminhoDoSistema(caminho);
    std::optional<fs::perms> anterior;
    if (const HRESULT hr = PreparaSubstituicao(alvo, caminho, anterior); platform::FAILED(hr)) return hr;

    platform::File arquivo;
    platform::FileException falha;
    if (!arquivo.Open(caminho, platform::File::modeCreate | platform::File::modeWrite |
                                   platform::File::shareExclusive | platform::File::typeBinary,
                      &falha)) {
        std::error_code ignorado;  // the open's failure is the one to report
        if (anterior) fs::permissions(alvo, *anterior, fs::perm_options::replace, ignorado);
        return DeExcecao(falha);
    }
    try {
        EscreveTudo(arquivo, dados);
        arquivo.Close();
    } catch (const platform::FileException& e) {
        arquivo.Abort();
        (void)platform::DeleteFile(caminho);  // a cut content would open as if it were whole
        return DeExcecao(e);
    }
    return platform::S_OK;
}

HRESULT PoeSomenteLeitura(const char* caminho) {
    if (!caminho || !*caminho) return platform::E_INVALIDARG;
    std::error_code ec;
    fs::permissions(CaminhoDoSistema(caminho), kSomenteLeitura, fs::perm_options::replace, ec);
    return ec ? DeErrno(ec, caminho) : platform::S_OK;
}

HRESULT LeTempoArquivo(const char* caminho, std::int64_t& tempo) {
    tempo = 0;
    if (!caminho || !*caminho) return platform::E_INVALIDARG;
    platform::FileStatus estado;
    const platform::Win32Error erro = platform::GetFileStatus(caminho, estado);
    if (erro != platform::ERROR_SUCCESS) return platform::HResultFromWin32(erro);
    tempo = estado.m_mtime;
    return platform::S_OK;
}

}  // namespace pendora::detail
