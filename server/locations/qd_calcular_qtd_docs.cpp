#include "server/locations/qd_calcular_qtd_docs.h"

#include "outside/pendora/conexao_ged_srv.h"
#include "server/locations/qd_conta_docs_locarq.h"
#include "server/locations/qd_filtro_locarq.h"
#include "server/locations/qd_le_locarq.h"
#include "server/locations/qd_locarq_resultado.h"
#include "server/record_file/qd_resultado_arq.h"
#include "server/record_file/qd_arq_t.h"

#include <vector>

namespace {

using platform::HRESULT;

// The positions of the locations that are not headings, through the connection `conexao`.
HRESULT ListaLocais(CConexaoGedSrv& conexao, std::vector<std::uint32_t>& posicoes) {
    QD_LOCARQ_FILTRO_PS filtro{};
    filtro.dwFlags = QD_FILTRO_LOCARQ_NAO_GRUPOS;
    CQDArrayPonteiros ponteiros;
    if (const HRESULT hr = conexao.BuscaPtrsLocArq(filtro, ponteiros); platform::FAILED(hr)) return hr;
    const QD_ARRAY_PONTEIROS_PS& lista = ponteiros.GetPS();
    if (lista.qtd != 0 && !lista.pPtrs) return platform::E_POINTER;
    posicoes.assign(lista.pPtrs, lista.pPtrs + lista.qtd);
    return platform::S_OK;
}

}  // namespace

int QDGravaDisponivelLocArq(IQDArqBind& bind, std::uint32_t lPosLocArq, std::int32_t documentos) {
    CQDArqT<QD_LOCARQ_ARQ> locais(bind);
    if (const int codigo = locais.Open('G', true)) return codigo;
    QD_LOCARQ_ARQ arq{};
    if (const int codigo = QDLeRegistroLocArq(locais, lPosLocArq, arq)) return codigo;
    arq.nQtdDisponivel = QDDisponivelRecontado(arq.nQtdMaximaDocs, documentos);
    std::int32_t posicao = QDPosicaoArqLocArq(lPosLocArq);
    if (const int codigo = locais.WriteRecord(&arq, posicao)) return codigo;
    return locais.CloseEx();
}

HRESULT QDCalcularQtdDocs(IQDArqBind& bind, const char* szEmpresa, std::uint16_t iUsuario, std::int32_t lNumeroSessao) {
    std::vector<std::uint32_t> posicoes;
    {
        CSilentConexaoGedSrv conexao;
        if (const HRESULT hr = conexao.Inicializa(szEmpresa, iUsuario, lNumeroSessao); platform::FAILED(hr)) return hr;
        if (const HRESULT hr = ListaLocais(conexao, posicoes); platform::FAILED(hr)) return hr;
    }
    std::vector<std::int32_t> documentos;
    if (const int codigo = QDContaDocsLocArq(bind, posicoes, documentos)) return QDHResultArq(codigo);

    int primeiraFalha = 0;
    for (std::size_t i = 0; i < posicoes.size(); ++i) {
        const int codigo = QDGravaDisponivelLocArq(bind, posicoes[i], documentos[i]);
        if (primeiraFalha == 0) primeiraFalha = codigo;
    }
    return QDHResultArq(primeiraFalha);
}
