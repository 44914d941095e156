#include "server/types/qd_grava_tipdoc.h"

#include "server/object/local_conexao_ged_srv.h"
#include "server/record_file/qd_resultado_arq.h"
#include "server/types/qd_tipdoc_conversao.h"
#include "server/types/qd_tipdoc_listas.h"
#include "server/types/qd_tipdoc_log.h"

#include <new>

namespace {

using platform::HRESULT;

// The four files, held in mode 'G' while the type is written.
struct Arquivos {
    explicit Arquivos(IQDArqBind& bind) : tipos(bind), listas(bind) {}
    CQDArqT<QD_TIPDOC_ARQ> tipos;
    QDArquivosListasTipDoc listas;
};

HRESULT Abre(Arquivos& arquivos) {
    if (const int codigo = arquivos.tipos.Open('G', true, true)) return QDHResultArq(codigo);
    return QDParaCadaLista(
        [&]<class L>(L) { return QDHResultArq((arquivos.listas.*L::kArquivo).Open('G', true, true)); });
}

HRESULT ValidaListas(const QD_TIPDOC_PS& ps) {
    return QDParaCadaLista([&]<class L>(L) { return QDValidaListaPS<L>(ps); });
}

// Step 3 of a change: the stored record and lists into `tipo` and `antigas`, logged as the
// "before" entry.
HRESULT LeAntigo(Arquivos& arquivos, std::int32_t posicao, QD_TIPDOC_ARQ& tipo, QDListasTipDoc& antigas,
                 CQDBatchGravaLog& lote) {
    if (const int codigo = arquivos.tipos.ReadRecord(posicao, &tipo)) return QDHResultArq(codigo);
    const HRESULT hr = QDParaCadaLista([&]<class L>(L) {
        return QDHResultArq(QDLeLista<L>(arquivos.listas.*L::kArquivo, tipo, antigas.*L::kRegistros));
    });
    if (platform::FAILED(hr)) return hr;
    return QDAdicionaLogTipDoc(lote, QD_OP_LOG_TIPDOC_ALTERACAO_DE, static_cast<std::uint32_t>(posicao), tipo,
                               &antigas);
}

// Steps 2 to 6 for the record at `posicao` (0: a new one): the lists and the record written,
// *pPos set, the entries in `lote`.
HRESULT Grava(Arquivos& arquivos, std::int32_t posicao, std::uint32_t* pPos, const QD_TIPDOC_PS& ps,
              CQDBatchGravaLog& lote) {
    QD_TIPDOC_ARQ tipo{};
    QDListasTipDoc antigas;
    const bool bAlteracao = posicao != 0;
    if (bAlteracao) {
        if (const HRESULT hr = LeAntigo(arquivos, posicao, tipo, antigas, lote); platform::FAILED(hr)) return hr;
    }

    QDListasTipDoc novas;
    QDTipDocDePS(ps, tipo);
    const HRESULT hr = QDParaCadaLista([&]<class L>(L) {
        novas.*L::kRegistros = QDRegistrosDePS<L>(ps);
        const auto qtdGravada = static_cast<std::uint32_t>((antigas.*L::kRegistros).size());
        return QDHResultArq(QDGravaLista<L>(arquivos.listas.*L::kArquivo, novas.*L::kRegistros, qtdGravada, tipo));
    });
    if (platform::FAILED(hr)) return hr;

    if (const int codigo = arquivos.tipos.WriteRecord(&tipo, posicao)) return QDHResultArq(codigo);
    *pPos = static_cast<std::uint32_t>(posicao);
    return QDAdicionaLogTipDoc(lote, bAlteracao ? QD_OP_LOG_TIPDOC_ALTERACAO_PARA : QD_OP_LOG_TIPDOC_INCLUSAO, *pPos,
                               tipo, &novas);
}

}  // namespace

HRESULT QDGravaTipDoc(IQDArqBind& bind, IZTQD_Srv& srv, std::uint32_t* pPos, const QD_TIPDOC_PS& ps) {
    if (!pPos) return platform::E_POINTER;
    std::int32_t posicao = 0;
    if (*pPos != 0) {
        if (const int codigo = QDPosicaoRegistro(*pPos, posicao)) return QDHResultArq(codigo);
    }
    if (const HRESULT hr = ValidaListas(ps); platform::FAILED(hr)) return hr;
    CQDBatchGravaLog lote;
    {
        Arquivos arquivos(bind);
        if (const HRESULT hr = Abre(arquivos); platform::FAILED(hr)) return hr;
        try {
            if (const HRESULT hr = Grava(arquivos, posicao, pPos, ps, lote); platform::FAILED(hr)) return hr;
        } catch (const std::bad_alloc&) {
            return platform::E_OUTOFMEMORY;
        }
    }  // the files are closed before the log is written, so other writers wait no longer than needed
    CLocalConexaoGedSrv local(&srv);
    return local.GravaLog(lote);
}
