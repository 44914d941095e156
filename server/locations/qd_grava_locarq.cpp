#include "server/locations/qd_grava_locarq.h"

#include "outside/pendora/qd_batch_grava_log.h"
#include "server/locations/qd_busca_ptrs_locarq.h"
#include "server/locations/qd_conta_docs_locarq.h"
#include "server/locations/qd_filtro_locarq.h"
#include "server/locations/qd_le_locarq.h"
#include "server/locations/qd_locarq_conversao.h"
#include "server/locations/qd_locarq_resultado.h"
#include "server/record_file/qd_resultado_arq.h"
#include "server/locations/qd_troca_prefixo_codigo.h"
#include "server/object/local_conexao_ged_srv.h"
#include "server/record_file/qd_arq_t.h"
#include "server/record_file/zt_sequencia.h"

#include <string>
#include <utility>
#include <vector>

namespace {

using platform::HRESULT;

// A location under a renamed heading, as stored before it is moved.
struct Descendente {
    std::uint32_t posicao = 0;
    QD_LOCARQ_ARQ arq{};
    std::vector<std::uint32_t> tipos;
};

// What a change learns of the stored location before it writes.
struct Anterior {
    std::string codigo;                     // the stored code
    std::vector<std::uint32_t> descendentes;  // positions under a heading whose code changes
};

// The code `ps` will be stored with.
std::string CodigoNovo(const QD_LOCARQ_PS& ps) {
    return std::string(QDTextoCampoLocArq(ps.szCodigo, QD_LOCARQ_MAX_CODIGO));
}

// A batch entry: the 160-byte record and, when there are any, its types as one item of 4 bytes a
// type.
HRESULT AdicionaEntrada(CQDBatchGravaLog& lote, QD_E_OPERACAO_LOG operacao, std::uint32_t posicao,
                        const QD_LOCARQ_ARQ& arq, std::vector<std::uint32_t> tipos) {
    QD_LOG_PTRS_PS item{};
    item.eType = QD_TYPE_LOG_TIPDOC;
    item.cbData = static_cast<std::uint32_t>(tipos.size() * sizeof(std::uint32_t));
    item.pData = reinterpret_cast<std::uint8_t*>(tipos.data());
    return lote.Add(operacao, posicao, &arq, sizeof arq, tipos.empty() ? 0 : 1, &item);
}

// The positions of the locations under the heading coded `codigo`.
int ListaDescendentes(IQDArqBind& bind, const std::string& codigo, std::vector<std::uint32_t>& posicoes) {
    posicoes.clear();
    // A code with no room left for a '.' and a level after it has nothing under it.
    if (codigo.size() + 1 >= QD_LOCARQ_MAX_CODIGO) return 0;
    QD_LOCARQ_FILTRO_PS filtro{};
    filtro.dwFlags = QD_FILTRO_LOCARQ_CODIGO | QD_FILTRO_LOCARQ_PREFIXO;
    QDCopiaTextoLocArq(filtro.szCodigo, sizeof filtro.szCodigo, codigo + '.');
    return QDBuscaPosicoesLocArq(bind, filtro, posicoes);
}

// A change's look at what it replaces: the stored location at `posicao` into `arq` with the new available places,
// its 'before' entry, and, for a heading whose code changes (when `listaDescendentes`), the
// locations under it.
HRESULT LeAnterior(IQDArqBind& bind, CZTArqEx& locais, CZTArqEx& tipos, std::uint32_t posicao,
                   const QD_LOCARQ_PS& ps, bool listaDescendentes, QD_LOCARQ_ARQ& arq, CQDBatchGravaLog& lote,
                   Anterior& anterior) {
    if (const int codigo = QDLeRegistroLocArq(locais, posicao, arq)) return QDHResultArq(codigo);
    std::vector<std::uint32_t> tiposGravados;
    if (const int codigo = QDLeTiposLocArq(tipos, arq, tiposGravados)) return QDHResultArq(codigo);
    std::int32_t documentos = 0;
    if (const int codigo = QDContaDocsLocArq(bind, posicao, documentos)) return QDHResultArq(codigo);
    // Both are 0 .. 2^31 - 1 (checked maximum, count of positions): the difference fits.
    arq.nQtdDisponivel = static_cast<std::int32_t>(ps.nQtdMaximaDocs) - documentos;

    anterior.codigo = QDCodigoLocArq(arq);
    if (listaDescendentes && (arq.dwFlags & QD_LOCARQ_GRUPO) && anterior.codigo != CodigoNovo(ps)) {
        if (const int codigo = ListaDescendentes(bind, anterior.codigo, anterior.descendentes)) {
            return QDHResultArq(codigo);
        }
    }
    return AdicionaEntrada(lote, QD_OP_LOG_LOCARQ_ALTERACAO_DE, posicao, arq, std::move(tiposGravados));
}

// The writing itself: the accepted types as a run of QDLAQTPD.DAT (a longer one appended; `qtdGravada` is
// the stored count) and the record at *pPos, which an insert learns there.
int EscreveRegistro(CZTArqEx& locais, CZTArqEx& tipos, const std::vector<std::uint32_t>& novosTipos,
                    std::int32_t qtdGravada, QD_LOCARQ_ARQ& arq, std::uint32_t* pPos) {
    std::vector<QD_LOCARQ_TIPDOC_ARQ> registros(novosTipos.size());
    for (std::size_t i = 0; i < novosTipos.size(); ++i) registros[i].lTipDoc = novosTipos[i];
    auto primeiro = static_cast<std::int32_t>(arq.lPrimeiroTipDoc);
    if (const int codigo = ZTGravaSequencia(tipos, registros.data(), static_cast<std::int32_t>(registros.size()),
                                            qtdGravada, primeiro)) {
        return codigo;
    }
    arq.lPrimeiroTipDoc = static_cast<std::uint32_t>(primeiro);
    std::int32_t posicao = QDPosicaoArqLocArq(*pPos);
    if (const int codigo = locais.WriteRecord(&arq, posicao)) return codigo;
    *pPos = static_cast<std::uint32_t>(posicao);
    return 0;
}

// The listed descendants as stored now, read through the operation's own open files.
int LeDescendentes(CZTArqEx& locais, CZTArqEx& tipos, const std::vector<std::uint32_t>& posicoes,
                   std::vector<Descendente>& descendentes) {
    descendentes.resize(posicoes.size());
    for (std::size_t i = 0; i < posicoes.size(); ++i) {
        Descendente& descendente = descendentes[i];
        descendente.posicao = posicoes[i];
        if (const int codigo = QDLeRegistroLocArq(locais, descendente.posicao, descendente.arq)) return codigo;
        if (const int codigo = QDLeTiposLocArq(tipos, descendente.arq, descendente.tipos)) return codigo;
    }
    return 0;
}

HRESULT Grava(IQDArqBind& bind, IZTQD_Srv& srv, std::uint32_t* pPos, const QD_LOCARQ_PS& ps, bool moveDescendentes);

// Moving a renamed heading's descendants: the listed ones read, this operation's files closed (every rewrite opens them
// again in 'G', which these handles would deny), then each descendant rewritten under `novo`
// with every other field as stored, as a change of its own. A descendant heading does not move
// its own descendants again: they are in this list already.
HRESULT MoveDescendentes(IQDArqBind& bind, IZTQD_Srv& srv, CZTArqEx& locais, CZTArqEx& tipos,
                         const Anterior& anterior, const std::string& novo) {
    std::vector<Descendente> descendentes;
    if (const int codigo = LeDescendentes(locais, tipos, anterior.descendentes, descendentes)) {
        return QDHResultArq(codigo);
    }
    if (const int codigo = tipos.CloseEx()) return QDHResultArq(codigo);
    if (const int codigo = locais.CloseEx()) return QDHResultArq(codigo);
    for (Descendente& descendente : descendentes) {
        QD_LOCARQ_PS ps;
        QDLocArqParaPS(descendente.arq, ps);
        QDCopiaTextoLocArq(ps.szCodigo, sizeof ps.szCodigo,
                           QDTrocaPrefixoCodigo(QDCodigoLocArq(descendente.arq), anterior.codigo, novo));
        ps.nQtdTipDocs = static_cast<std::uint32_t>(descendente.tipos.size());
        ps.pPtrsTipDocs = descendente.tipos.empty() ? nullptr : descendente.tipos.data();
        std::uint32_t posicao = descendente.posicao;
        if (const HRESULT hr = Grava(bind, srv, &posicao, ps, false); platform::FAILED(hr)) return hr;
    }
    return platform::S_OK;
}

HRESULT Grava(IQDArqBind& bind, IZTQD_Srv& srv, std::uint32_t* pPos, const QD_LOCARQ_PS& ps, bool moveDescendentes) {
    if (!pPos) return platform::E_POINTER;
    if (const HRESULT hr = QDVerificaLocArqPS(ps); platform::FAILED(hr)) return hr;
    const std::vector<std::uint32_t> novosTipos(ps.pPtrsTipDocs, ps.pPtrsTipDocs + ps.nQtdTipDocs);

    CQDArqT<QD_LOCARQ_ARQ> locais(bind);
    if (const int codigo = locais.Open('G', true)) return QDHResultArq(codigo);
    CQDArqT<QD_LOCARQ_TIPDOC_ARQ> tipos(bind);
    if (const int codigo = tipos.Open('G', true)) return QDHResultArq(codigo);
    CQDBatchGravaLog lote;
    QD_LOCARQ_ARQ arq{};
    Anterior anterior;
    const bool alteracao = *pPos != 0;
    if (alteracao) {
        if (const HRESULT hr = LeAnterior(bind, locais, tipos, *pPos, ps, moveDescendentes, arq, lote, anterior);
            platform::FAILED(hr)) {
            return hr;
        }
    } else {
        arq.nQtdDisponivel = static_cast<std::int32_t>(ps.nQtdMaximaDocs);
    }
    // An insert has no stored run; a change's count was checked by reading its run.
    const auto qtdGravada = static_cast<std::int32_t>(arq.nQtdTipDocs);
    QDLocArqDePS(ps, arq);
    if (const int codigo = EscreveRegistro(locais, tipos, novosTipos, qtdGravada, arq, pPos)) {
        return QDHResultArq(codigo);
    }
    const HRESULT hrDescendentes = MoveDescendentes(bind, srv, locais, tipos, anterior, CodigoNovo(ps));

    // The location itself is written: its entries go to the log even when moving its
    // descendants failed.
    const QD_E_OPERACAO_LOG operacao = alteracao ? QD_OP_LOG_LOCARQ_ALTERACAO_PARA : QD_OP_LOG_LOCARQ_INCLUSAO;
    if (const HRESULT hr = AdicionaEntrada(lote, operacao, *pPos, arq, novosTipos); platform::FAILED(hr)) return hr;
    CLocalConexaoGedSrv local(&srv);
    const HRESULT hrLog = local.GravaLog(lote);
    return platform::FAILED(hrDescendentes) ? hrDescendentes : hrLog;
}

}  // namespace

HRESULT QDGravaLocArq(IQDArqBind& bind, IZTQD_Srv& srv, std::uint32_t* pPos, const QD_LOCARQ_PS& ps) {
    return Grava(bind, srv, pPos, ps, true);
}
