#include "server/bench/direct_document_writer.h"

#include "outside/pendora/qd_batch_grava_log.h"
#include "server/document/qd_doc_conversao.h"
#include "server/document/qd_doc_log.h"
#include "server/document/qd_locarq_disponivel.h"
#include "server/document/qd_usuarios_doc.h"
#include "server/locations/qd_locarq_arq.h"
#include "server/log/qd_log_bloco.h"
#include "server/record_file/qd_caminho_dados.h"
#include "server/record_file/qd_resultado_arq.h"
#include "server/record_file/record_file_codes.h"

#include <limits>
#include <utility>
#include <vector>

namespace kelvo::bench {

using platform::FAILED;
using platform::HRESULT;

namespace {

constexpr auto kMaximo = static_cast<std::uint64_t>(std::numeric_limits<std::int32_t>::max());

// Appends `registros` as a run; its first position (0 for an empty run, as GravaDoc leaves it).
template <class T>
int AnexaRun(AnexadorArquivo& arquivo, const std::vector<T>& registros, std::uint32_t& primeiro) {
    if (registros.empty()) return 0;
    const std::uint64_t posicao = arquivo.Fim() / sizeof(T);
    if (posicao + registros.size() - 1 > kMaximo) return ZT_ERR_ARQ_POSICIONAMENTO;
    primeiro = static_cast<std::uint32_t>(posicao);
    return arquivo.Anexa(registros.data(), registros.size() * sizeof(T));
}

}  // namespace

GravadorDireto::GravadorDireto(std::string pastaDados, std::uint16_t iUsuario)
    : m_pastaDados(std::move(pastaDados)),
      m_iUsuario(iUsuario),
      m_docs(m_pastaDados, QD_ARQ_DOC, sizeof(QD_DOC_ARQ)),
      m_usuarios(m_pastaDados, QD_ARQ_DOC_USUARIO, sizeof(QD_DOC_USUARIO_ARQ)),
      m_campos(m_pastaDados, QD_ARQ_DOC_CAMPO, sizeof(QD_DOC_CAMPO_ARQ)),
      m_descricoes(m_pastaDados, QD_ARQ_DOC_DESCRICAO, 1),
      m_log(m_pastaDados, QD_ARQ_LOG, 1) {}

HRESULT GravadorDireto::Abre() {
    for (AnexadorArquivo* arquivo : {&m_docs, &m_usuarios, &m_campos, &m_descricoes, &m_log}) {
        if (const int codigo = arquivo->Abre()) return QDHResultArq(codigo);
    }
    return platform::S_OK;
}

HRESULT GravadorDireto::Grava(const DocumentoSorteado& doc, std::uint32_t agora, std::uint32_t& posicao) {
    // The record as GravaDoc builds an insert's: its moments, its users, then the client's fields.
    QD_DOC_ARQ arq{};
    arq.dataInclusao = agora;
    arq.lPrevDoc = doc.ps.lPrevDoc;
    arq.iUsuarioIncluiu = m_iUsuario;
    arq.iUsuarioAlterou = m_iUsuario;
    arq.dataModificacao = agora;
    QDDocDePS(doc.ps, arq);
    if (const int codigo = GravaPartes(doc, arq)) return QDHResultArq(codigo);
    const std::uint64_t proxima = m_docs.Fim() / sizeof(QD_DOC_ARQ);
    if (proxima > kMaximo) return QDHResultArq(ZT_ERR_ARQ_POSICIONAMENTO);
    posicao = static_cast<std::uint32_t>(proxima);
    if (const int codigo = m_docs.Anexa(&arq, sizeof arq)) return QDHResultArq(codigo);
    if (const HRESULT hr = GravaLog(doc, posicao, arq, agora); FAILED(hr)) return hr;
    if (doc.ps.lLocArq != 0) ++m_entradasPorLocal[doc.ps.lLocArq];
    return platform::S_OK;
}

int GravadorDireto::GravaPartes(const DocumentoSorteado& doc, QD_DOC_ARQ& arq) {
    std::uint32_t primeiro = 0;  // the record is packed: no reference into it
    if (const int codigo = AnexaRun(m_usuarios, QDRegistrosUsuariosDoc(doc.usuarios), primeiro)) return codigo;
    arq.lPrimeiroUsuario = primeiro;
    arq.nQtdUsuarios = static_cast<std::uint32_t>(doc.usuarios.size());
    primeiro = 0;
    if (const int codigo = AnexaRun(m_campos, QDRegistrosCamposDoc(doc.campos), primeiro)) return codigo;
    arq.lPrimeiroCampo = primeiro;
    arq.nQtdCampos = static_cast<std::uint32_t>(doc.campos.size());
    if (doc.descricao.empty()) return 0;
    if (m_descricoes.Fim() > kMaximo) return ZT_ERR_ARQ_POSICIONAMENTO;
    arq.lPosDescricao = static_cast<std::uint32_t>(m_descricoes.Fim());
    arq.nTamDescricao = static_cast<std::uint32_t>(doc.descricao.size());
    return m_descricoes.Anexa(doc.descricao.data(), doc.descricao.size());
}

HRESULT GravadorDireto::GravaLog(const DocumentoSorteado& doc, std::uint32_t posicao, const QD_DOC_ARQ& arq,
                                 std::uint32_t agora) {
    CQDBatchGravaLog lote;
    if (const HRESULT hr = QDAdicionaLogDoc(lote, QD_OP_LOG_DOC_INCLUSAO, posicao, arq, doc.usuarios); FAILED(hr)) {
        return hr;
    }
    std::vector<std::uint8_t> bloco;
    if (const HRESULT hr = QDMontaBlocoLog(lote.GetPS(), agora, m_iUsuario, bloco); FAILED(hr)) return hr;
    return QDHResultArq(m_log.Anexa(bloco.data(), bloco.size()));
}

int GravadorDireto::GravaLocais() {
    CZTArqEx locais;
    const CZTString caminho = QDCaminhoArquivoDados(m_pastaDados.c_str(), QD_ARQ_LOCARQ);
    if (const int codigo = locais.Open(caminho, 'G', sizeof(QD_LOCARQ_ARQ), true, true)) return codigo;
    for (const auto& [local, entradas] : m_entradasPorLocal) {
        if (const int codigo = QDSomaDisponivelLocArq(locais, local, -entradas, true)) return codigo;
    }
    m_entradasPorLocal.clear();
    return locais.CloseEx();
}

HRESULT GravadorDireto::Fecha() {
    int resultado = GravaLocais();
    for (AnexadorArquivo* arquivo : {&m_docs, &m_usuarios, &m_campos, &m_descricoes, &m_log}) {
        const int codigo = arquivo->Fecha();
        if (resultado == 0) resultado = codigo;
    }
    return QDHResultArq(resultado);
}

}  // namespace kelvo::bench
