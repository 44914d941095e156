#include "server/migrations/qd_sobras_conversao.h"

#include "util/file/zt_path.h"

namespace {

using platform::HRESULT;

constexpr int kMaiorSufixo = 999;

HRESULT Restaura(IQDOperacoesArquivo& operacoes, const CZTString& de, const CZTString& para) {
    return QDHResultOperacao(operacoes.Renomeia(de, para));
}

}  // namespace

platform::FileError QDGuardaSobra(IQDOperacoesArquivo& operacoes, const CZTString& caminho, CZTString& destino) {
    for (int sufixo = 1; sufixo <= kMaiorSufixo; ++sufixo) {
        destino = CZTString::Formata("%s.%03d", caminho.GetString(), sufixo);
        const platform::FileError erro = operacoes.Renomeia(caminho, destino);
        if (erro.error != platform::ERROR_ALREADY_EXISTS) return erro;
    }
    destino = {};
    return {platform::FileException::genericException, platform::ERROR_ALREADY_EXISTS};
}

HRESULT QDPoeDeLado(IQDOperacoesArquivo& operacoes, const CZTString& caminho) {
    CZTString destino;
    return QDHResultOperacao(QDGuardaSobra(operacoes, caminho, destino));
}

HRESULT QDRecuperaSobras(IQDOperacoesArquivo& operacoes, const char* pasta, const QDArquivosConversao& arquivos) {
    const CZTString principal = ZTConcatenaPath(pasta, arquivos.pszPrincipal);
    const CZTString original = ZTConcatenaPath(pasta, arquivos.pszOriginal);
    const CZTString copia = ZTConcatenaPath(pasta, arquivos.pszCopia);

    if (!operacoes.Existe(principal)) {
        if (operacoes.Existe(original)) {
            if (const HRESULT hr = Restaura(operacoes, original, principal); platform::FAILED(hr)) return hr;
        } else if (operacoes.Existe(copia) && QDArquivoAssinado(copia, arquivos.assinatura)) {
            if (const HRESULT hr = Restaura(operacoes, copia, principal); platform::FAILED(hr)) return hr;
        }
    }
    for (const CZTString* sobra : {&original, &copia}) {
        if (!operacoes.Existe(*sobra)) continue;
        if (const HRESULT hr = QDPoeDeLado(operacoes, *sobra); platform::FAILED(hr)) return hr;
    }
    return platform::S_OK;
}
