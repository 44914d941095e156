#include "outside/geralis/saida_relatorio.h"

#include "platform/exception.h"
#include "platform/file/file.h"
#include "platform/file/file_operations.h"
#include "platform/file/file_temp.h"
#include "util/file/zt_path.h"

#include <cstdint>

namespace {

using platform::HRESULT;

// The prefix of the temporary file, in the output's folder until it is renamed.
constexpr char kPrefixoTemporario[] = "GRL";

HRESULT Erro(long erroWin32) {
    return erroWin32 > 0 ? platform::HResultFromWin32(static_cast<std::uint32_t>(erroWin32)) : platform::E_FAIL;
}

HRESULT Erro(const platform::FileError& erro) { return Erro(static_cast<long>(erro.error)); }

// Removing what a failed run left behind may fail too; the first failure is the one reported.
HRESULT Descarta(const CZTString& temporario, HRESULT hr) {
    (void)platform::DeleteFile(temporario);
    return hr;
}

// Writes everything the producer gives into the open file and closes it.
HRESULT Grava(platform::File& arquivo, const GeralisProducao& producao) {
    const GeralisEscrita escrita = [&arquivo](const unsigned char* dados, unsigned tamanho) -> HRESULT {
        try {
            arquivo.Write(dados, tamanho);
            return platform::S_OK;
        } catch (const platform::FileException& falha) {
            return Erro(falha.m_lOsError);
        }
    };
    const HRESULT hr = producao(escrita);
    if (platform::FAILED(hr)) {
        arquivo.Abort();
        return hr;
    }
    try {
        arquivo.Flush();
        arquivo.Close();
    } catch (const platform::FileException& falha) {
        arquivo.Abort();
        return Erro(falha.m_lOsError);
    }
    return platform::S_OK;
}

// Gives the finished temporary file the output's name.
HRESULT Substitui(const CZTString& temporario, const CZTString& caminho) {
    platform::FileStatus status;
    if (platform::File::GetStatus(caminho, status)) {
        const platform::FileError erro = platform::DeleteFile(caminho);
        if (erro.Failed()) return Erro(erro);
    }
    const platform::FileError erro = platform::RenameFile(temporario, caminho);
    return erro.Failed() ? Erro(erro) : platform::S_OK;
}

}  // namespace

HRESULT GeralisGravaSaida(const CZTString& strCaminho, const GeralisProducao& producao) {
    CZTString temporario;
    const platform::FileError criacao = platform::CreateTempFile(ZTExtraiDiretorio(strCaminho), kPrefixoTemporario, temporario);
    if (criacao.Failed()) return Erro(criacao);
    platform::File arquivo;
    platform::FileException abertura;
    const unsigned modo = platform::File::modeWrite | platform::File::modeCreate | platform::File::shareExclusive |
                          platform::File::typeBinary;
    if (!arquivo.Open(temporario, modo, &abertura)) return Descarta(temporario, Erro(abertura.m_lOsError));
    if (const HRESULT hr = Grava(arquivo, producao); platform::FAILED(hr)) return Descarta(temporario, hr);
    if (const HRESULT hr = Substitui(temporario, strCaminho); platform::FAILED(hr)) return Descarta(temporario, hr);
    return platform::S_OK;
}
