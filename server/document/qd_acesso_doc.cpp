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
    if (const int codigo = m_usuariosDoc.Abre()) return QDHResultArq(codigo);
    return QDHResultArq(m_usuariosTipo.Abre());
}

template <class T>
platform::HRESULT CQDAcessoDoc::VeLista(CQDLeitorSequencias<T>& usuarios, std::vector<T>& registros,
                                        std::uint32_t primeiro, std::uint32_t quantidade) {
    if (const int codigo = usuarios.Le(primeiro, quantidade, registros)) return QDHResultArq(codigo);
    m_codigos.clear();
    for (const T& registro : registros) m_codigos.push_back(registro.iUsuario);
    return QDSessaoVeUsuarios(0, m_sessao.iUsuario, m_sessao.iUsuarioPai, m_codigos) ? QD_DOC_VISIVEL : QD_DOC_OCULTO;
}

// The same rule as QDAcessoDoc, with the lists read through the scan's windows.
platform::HRESULT CQDAcessoDoc::Visivel(const QD_DOC_ARQ& doc) {
    if (m_sessao.bAcessoTotal) return QD_DOC_VISIVEL;
    if (doc.nQtdUsuarios != 0) return VeLista(m_usuariosDoc, m_registrosDoc, doc.lPrimeiroUsuario, doc.nQtdUsuarios);
    if (doc.lTipDoc == 0) return QD_DOC_VISIVEL;
    if (const auto vista = m_vistaTipos.find(doc.lTipDoc); vista != m_vistaTipos.end()) return vista->second;
    QD_TIPDOC_ARQ tipo{};
    if (const int codigo = LeTipo(doc.lTipDoc, tipo)) return QDHResultArq(codigo);
    if (tipo.nQtdUsuarios == 0) return m_vistaTipos[doc.lTipDoc] = QD_DOC_VISIVEL;
    const platform::HRESULT vista = VeLista(m_usuariosTipo, m_registrosTipo, tipo.lPrimeiroUsuario, tipo.nQtdUsuarios);
    return m_vistaTipos[doc.lTipDoc] = vista;
}

int CQDAcessoDoc::LeTipo(std::uint32_t lTipDoc, QD_TIPDOC_ARQ& tipo) {
    std::int32_t posicao = 0;
    if (const int codigo = QDPosicaoRegistro(lTipDoc, posicao)) return codigo;
    return m_tipos.ReadRecord(posicao, &tipo);
}
