#include "server/document/qd_acesso_doc.h"

#include "server/document/qd_usuarios_doc.h"
#include "server/types/qd_acesso_usuarios.h"
#include "server/record_file/qd_resultado_arq.h"

#include <vector>

namespace {

// Whether the session is among the `quantidade` users of the run from `primeiro`.
platform::HRESULT VeLista(CZTArqEx& usuarios, std::uint32_t primeiro, std::uint32_t quantidade,
                          const QDSessaoAcesso& sessao) {
    std::vector<std::uint16_t> codigos;
    if (const int codigo = QDLeCodigosUsuarios(usuarios, primeiro, quantidade, codigos)) return QDHResultArq(codigo);
    return QDSessaoVeUsuarios(0, sessao.iUsuario, sessao.iUsuarioPai, codigos) ? QD_DOC_VISIVEL : QD_DOC_OCULTO;
}

}  // namespace

platform::HRESULT QDAcessoDoc(const QD_DOC_ARQ& doc, const QD_TIPDOC_ARQ& tipo, CZTArqEx& usuariosDoc,
                              CZTArqEx& usuariosTipo, const QDSessaoAcesso& sessao) {
    if (sessao.bAcessoTotal) return QD_DOC_VISIVEL;
    if (doc.nQtdUsuarios != 0) return VeLista(usuariosDoc, doc.lPrimeiroUsuario, doc.nQtdUsuarios, sessao);
    if (tipo.nQtdUsuarios != 0) return VeLista(usuariosTipo, tipo.lPrimeiroUsuario, tipo.nQtdUsuarios, sessao);
    return QD_DOC_VISIVEL;
}

CQDAcessoDoc::CQDAcessoDoc(IQDArqBind& bind, const QDSessaoAcesso& sessao)
    : m_sessao(sessao), m_tipos(bind), m_usuariosDoc(bind), m_usuariosTipo(bind) {}

platform::HRESULT CQDAcessoDoc::Abre() {
    if (const int codigo = m_tipos.Open('L', true, true)) return QDHResultArq(codigo);
    if (const int codigo = m_usuariosDoc.Open('L', true, true)) return QDHResultArq(codigo);
    return QDHResultArq(m_usuariosTipo.Open('L', true, true));
}

platform::HRESULT CQDAcessoDoc::Visivel(const QD_DOC_ARQ& doc) {
    QD_TIPDOC_ARQ tipo{};
    const bool precisaTipo = !m_sessao.bAcessoTotal && doc.nQtdUsuarios == 0 && doc.lTipDoc != 0;
    if (precisaTipo) {
        if (const int codigo = LeTipo(doc.lTipDoc, tipo)) return QDHResultArq(codigo);
    }
    return QDAcessoDoc(doc, tipo, m_usuariosDoc, m_usuariosTipo, m_sessao);
}

int CQDAcessoDoc::LeTipo(std::uint32_t lTipDoc, QD_TIPDOC_ARQ& tipo) {
    if (const auto lido = m_tiposLidos.find(lTipDoc); lido != m_tiposLidos.end()) {
        tipo = lido->second;
        return 0;
    }
    std::int32_t posicao = 0;
    if (const int codigo = QDPosicaoRegistro(lTipDoc, posicao)) return codigo;
    if (const int codigo = m_tipos.ReadRecord(posicao, &tipo)) return codigo;
    m_tiposLidos.emplace(lTipDoc, tipo);
    return 0;
}
