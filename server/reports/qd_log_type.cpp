#include "server/reports/qd_log_type.h"

#include "outside/pendora/conexao_ged_srv.h"
#include "outside/pendora/qd_doc_log.h"
#include "outside/pendora/qd_loc_arq.h"
#include "outside/pendora/qd_propriedades_log.h"
#include "outside/pendora/qd_texto_log.h"
#include "outside/pendora/qd_tip_doc.h"
#include "platform/com/bstr.h"
#include "platform/com/task_allocator.h"
#include "server/document/qd_doc_conversao.h"
#include "server/locations/qd_locarq_conversao.h"
#include "server/reports/qd_monta_relatorio.h"
#include "server/session/qd_propriedades_arq.h"
#include "server/types/qd_tipdoc_conversao.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <string>

using platform::HRESULT;

namespace {

constexpr std::uint32_t kLeTipDocSemListas = 0x07;

// The entry's data as record `R`: at most sizeof(R) bytes, the rest zero (a short entry gives a
// partly empty record, never an over-read).
template <class R>
R RegistroDoLog(const QD_LOG_PS& log) {
    R registro{};
    if (log.pLogData != nullptr) {
        std::memcpy(&registro, log.pLogData, std::min<std::size_t>(log.cbLogData, sizeof registro));
    }
    return registro;
}

// The first item of kind `eTipo`, null when there is none.
const QD_LOG_PTRS_PS* Item(const QD_LOG_PS& log, QD_E_TYPE_LOG_PTRS eTipo) {
    for (std::uint32_t i = 0; log.pPtrs != nullptr && i < log.nQtdPtrs; ++i) {
        if (log.pPtrs[i].eType == eTipo) return &log.pPtrs[i];
    }
    return nullptr;
}

// The whole elements of the first item of `eTipo` into a task-allocator array (`p`, `n`), as
// the data classes own their lists; none leaves both empty.
template <class T>
void ListaDoLog(const QD_LOG_PS& log, QD_E_TYPE_LOG_PTRS eTipo, std::uint32_t& n, T*& p) {
    n = 0;
    p = nullptr;
    const QD_LOG_PTRS_PS* item = Item(log, eTipo);
    if (item == nullptr || item->pData == nullptr || item->cbData < sizeof(T)) return;
    const std::uint32_t qtd = static_cast<std::uint32_t>(item->cbData / sizeof(T));
    p = static_cast<T*>(platform::CoTaskMemAlloc(qtd * sizeof(T)));
    if (p == nullptr) return;
    std::memcpy(static_cast<void*>(p), item->pData, qtd * sizeof(T));
    n = qtd;
}

// The text an entry carries in its data: up to its NUL or its end.
CZTString TextoDoLog(const QD_LOG_PS& log) {
    if (log.pLogData == nullptr) return {};
    return pendora::detail::TextoDoCampoLog(reinterpret_cast<const char*>(log.pLogData), log.cbLogData);
}

// Replaces the marks `marca` of `texto`, in order, by the texts `proximo()` gives.
template <class F>
HRESULT TrocaMarcas(CZTString& texto, char marca, F proximo) {
    std::string resultado;
    for (const char c : std::string_view(texto.GetString(), static_cast<std::size_t>(texto.GetLength()))) {
        if (c != marca) {
            resultado += c;
            continue;
        }
        CZTString troca;
        if (const HRESULT hr = proximo(troca); platform::FAILED(hr)) return hr;
        resultado += troca.GetString();
    }
    texto = CZTString(std::move(resultado));
    return platform::S_OK;
}

bool EntradaDoTipo(const QD_LOG_PS& log, std::uint32_t lTipDoc, std::initializer_list<QD_E_OPERACAO_LOG> operacoes) {
    return log.lPosicao == lTipDoc && std::find(operacoes.begin(), operacoes.end(), log.eOperacao) != operacoes.end();
}

// The stored type record that entry `nTipo` carries: "code - name".
CZTString CodigoNomeDoLog(const CQDLogEntrada& entrada) {
    const QD_TIPDOC_ARQ arq = RegistroDoLog<QD_TIPDOC_ARQ>(entrada.GetLog());
    return QDTextoCampo(arq.szCodigo) + " - " + QDTextoCampo(arq.szNome);
}

// The type a document had at its entry: the record of the nearest later change or exclusion of
// the type made after the document's inclusion (the record before that change), else of the
// nearest earlier inclusion or change of the type (the record as last written), else nothing.
std::optional<CZTString> TipoDoDocNoLog(const std::vector<CQDLogEntrada>& entradas, std::size_t nEntrada,
                                        std::uint32_t lTipDoc, std::uint32_t dataInclusao) {
    for (std::size_t i = nEntrada + 1; i < entradas.size(); ++i) {
        const QD_LOG_PS& log = entradas[i].GetLog();
        if (EntradaDoTipo(log, lTipDoc, {QD_OP_LOG_TIPDOC_ALTERACAO_DE, QD_OP_LOG_TIPDOC_EXCLUSAO}) &&
            log.dataGravacaoLog > dataInclusao) {
            return CodigoNomeDoLog(entradas[i]);
        }
    }
    for (std::size_t i = nEntrada; i-- > 0;) {
        if (EntradaDoTipo(entradas[i].GetLog(), lTipDoc, {QD_OP_LOG_TIPDOC_INCLUSAO, QD_OP_LOG_TIPDOC_ALTERACAO_PARA})) {
            return CodigoNomeDoLog(entradas[i]);
        }
    }
    return std::nullopt;
}

HRESULT TipoAtual(CConexaoGedSrv& conexao, std::uint32_t lTipDoc, CQDTipDoc& tipo) {
    return conexao.LeTipDoc(1, &lTipDoc, &tipo, kLeTipDocSemListas);
}

}  // namespace

HRESULT CQDLogTypeTipDoc::Texto(CQDLogContexto& contexto, std::size_t nEntrada, CZTString& strTexto) const {
    const QD_LOG_PS& log = contexto.entradas[nEntrada].GetLog();
    QD_TIPDOC_ARQ arq = RegistroDoLog<QD_TIPDOC_ARQ>(log);
    CQDTipDoc tipo;
    QD_TIPDOC_PS& ps = tipo.GetPS();
    if (log.eOperacao == QD_OP_LOG_TIPDOC_EXCLUSAO) {
        arq.nQtdUsuarios = arq.nQtdProcessos = arq.nQtdCampos = 0;
    }
    QDTipDocParaPS(arq, ps);
    ListaDoLog(log, QD_TYPE_LOG_USUARIO, ps.nQtdUsuarios, ps.pUsuarios);
    ListaDoLog(log, QD_TYPE_LOG_PROCESSO, ps.nQtdProcessos, ps.pProcessos);
    ListaDoLog(log, QD_TYPE_LOG_CAMPO, ps.nQtdCampos, ps.pCampos);
    tipo.SetPosicao(log.lPosicao);
    strTexto = tipo.ToStringLog();
    return platform::S_OK;
}

HRESULT CQDLogTypeLocArq::Texto(CQDLogContexto& contexto, std::size_t nEntrada, CZTString& strTexto) const {
    const QD_LOG_PS& log = contexto.entradas[nEntrada].GetLog();
    CQDLocArq local;
    QD_LOCARQ_PS& ps = local.GetPS();
    QDLocArqParaPS(RegistroDoLog<QD_LOCARQ_ARQ>(log), ps);
    ListaDoLog(log, QD_TYPE_LOG_TIPDOC, ps.nQtdTipDocs, ps.pPtrsTipDocs);
    local.SetPosicao(log.lPosicao);
    strTexto = local.ToStringLog();
    std::uint32_t proximo = 0;
    return TrocaMarcas(strTexto, pendora::detail::kMarcaTipDocLog, [&](CZTString& troca) {
        if (proximo >= ps.nQtdTipDocs) return platform::S_OK;
        CQDTipDoc tipo;
        if (const HRESULT hr = TipoAtual(contexto.conexao, ps.pPtrsTipDocs[proximo++], tipo); platform::FAILED(hr)) return hr;
        troca = CZTString::Formata("%s %s", QDTextoCampo(tipo->szCodigo).GetString(), QDTextoCampo(tipo->szNome).GetString());
        return platform::S_OK;
    });
}

HRESULT CQDLogTypeDoc::Texto(CQDLogContexto& contexto, std::size_t nEntrada, CZTString& strTexto) const {
    const QD_LOG_PS& log = contexto.entradas[nEntrada].GetLog();
    const QD_DOC_ARQ arq = RegistroDoLog<QD_DOC_ARQ>(log);
    CQDDoc doc;
    QD_DOC_PS& ps = doc.GetPS();
    QDDocParaPS(arq, ps);
    ListaDoLog(log, QD_TYPE_LOG_USUARIO, ps.nQtdUsuarios, ps.pUsuarios);
    ps.nQtdCampos = 0;  // the log carries no field values
    doc.SetPosicao(log.lPosicao);
    strTexto = QDDocToStringLog(doc, contexto.plano);

    const HRESULT hr = TrocaMarcas(strTexto, QD_MARCA_TIPDOC_DOC_LOG, [&](CZTString& troca) {
        if (auto doLog = TipoDoDocNoLog(contexto.entradas, nEntrada, arq.lTipDoc, arq.dataInclusao)) {
            troca = *doLog;
            return platform::S_OK;
        }
        CQDTipDoc tipo;
        if (const HRESULT hrLe = TipoAtual(contexto.conexao, arq.lTipDoc, tipo); platform::FAILED(hrLe)) return hrLe;
        troca = CZTString::Formata("%s - %s*", QDTextoCampo(tipo->szCodigo).GetString(), QDTextoCampo(tipo->szNome).GetString());
        contexto.bNotaEstadoAtual = true;
        return platform::S_OK;
    });
    if (platform::FAILED(hr)) return hr;
    strTexto.Replace(CZTString(QD_MARCA_EM_DESENVOLVIMENTO, 1), "EM DESENVOLVIMENTO");
    return platform::S_OK;
}

HRESULT CQDLogTypeVisualiza::Texto(CQDLogContexto& contexto, std::size_t nEntrada, CZTString& strTexto) const {
    const QD_LOG_PS& log = contexto.entradas[nEntrada].GetLog();
    strTexto = CZTString::Formata("C\xF3" "digo: %d; Nome Documento: %s; ", static_cast<int>(log.lPosicao),
                                  TextoDoLog(log).GetString());
    return platform::S_OK;
}

HRESULT CQDLogTypeProp::Texto(CQDLogContexto& contexto, std::size_t nEntrada, CZTString& strTexto) const {
    const QD_LOG_PS& log = contexto.entradas[nEntrada].GetLog();
    CQDPropriedades prop;
    QD_PROPRIEDADES_PS& ps = prop.GetPS();
    QDPropriedadesParaPS(RegistroDoLog<QD_PROPRIEDADES_ARQ>(log), ps);
    platform::BSTR* textos[] = {&ps.bsDominio, &ps.bsModeloEmail, &ps.bsEmailPara, &ps.bsEmailCC};
    std::size_t proximo = 0;
    for (std::uint32_t i = 0; log.pPtrs != nullptr && i < log.nQtdPtrs && proximo < std::size(textos); ++i) {
        const QD_LOG_PTRS_PS& item = log.pPtrs[i];
        if (item.eType != QD_TYPE_LOG_STRING) continue;
        std::string_view texto(reinterpret_cast<const char*>(item.pData), item.pData != nullptr ? item.cbData : 0);
        // The tag "<Nome>" in front of each text goes, up to and including its first '>'.
        if (const std::size_t fim = texto.find('>'); fim != std::string_view::npos) texto.remove_prefix(fim + 1);
        *textos[proximo++] = platform::SysAllocStringFromAnsi(texto);
    }
    strTexto = QDPropriedadesToStringLog(prop);
    return platform::S_OK;
}

std::unique_ptr<CQDLogType> CQDLogTypeNovo(QD_E_TIPO_REGISTRO_LOG eTipo) {
    switch (eTipo) {
        case QD_TIPO_REGISTRO_LOG_TIPDOC:
            return std::make_unique<CQDLogTypeTipDoc>();
        case QD_TIPO_REGISTRO_LOG_DOC:
            return std::make_unique<CQDLogTypeDoc>();
        case QD_TIPO_REGISTRO_LOG_LOCARQ:
            return std::make_unique<CQDLogTypeLocArq>();
        case QD_TIPO_REGISTRO_LOG_VISUALIZACAO:
            return std::make_unique<CQDLogTypeVisualiza>();
        case QD_TIPO_REGISTRO_LOG_PROPRIEDADES:
            return std::make_unique<CQDLogTypeProp>();
        default:
            return nullptr;
    }
}
