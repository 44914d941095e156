// The document access rule: may the session's user see a document?
//
// A session with all rights sees every document. Otherwise the document's own user list decides
// when it has one, else its type's list; with both lists empty everyone sees it. A list lets the
// session see the document when one of its user codes is the session's user, or its parent user
// while that is not 0 (QDSessaoVeUsuarios, the rule of every user list). The lists are runs of
// QDDOCUSU.DAT and QDTPDUSU.DAT; a run that does not lie inside its file is a read failure
// (16021), never an over-read.
//
// CQDAcessoDoc holds the files open for a whole scan (a search, a link listing), reads the user
// runs through windows of many records (qd_leitor_sequencias.h), so that the lists of documents
// met one after another cost one read between them, and reads a type's record only when a
// document has no list of its own, working out the rule by each type's list once. Built on the
// stack in one server method; the bind must outlive it. The server's one thread.
#pragma once

#include "platform/hresult.h"
#include "server/document/qd_doc_arq.h"
#include "server/record_file/qd_arq_t.h"
#include "server/record_file/qd_leitor_sequencias.h"
#include "server/types/qd_tipdoc_arq.h"

#include <cstdint>
#include <unordered_map>
#include <vector>

class IQDArqBind;

// The session as the rule sees it.
struct QDSessaoAcesso {
    std::uint8_t bAcessoTotal = 0;   // 1 = the lists are not applied
    std::uint16_t iUsuario = 0;      // the session user
    std::uint16_t iUsuarioPai = 0;   // its parent user, 0 = none
};

// The answers of the rule besides a failure.
inline constexpr platform::HRESULT QD_DOC_VISIVEL = platform::S_OK;    // visible
inline constexpr platform::HRESULT QD_DOC_OCULTO = platform::S_FALSE;  // hidden

// The rule for `doc` of type `tipo`, whose lists are read from the open user files `usuariosDoc`
// (QDDOCUSU.DAT) and `usuariosTipo` (QDTPDUSU.DAT). QD_DOC_VISIVEL, QD_DOC_OCULTO, or
// 0x80040000 | the failing read's code.
[[nodiscard]] platform::HRESULT QDAcessoDoc(const QD_DOC_ARQ& doc, const QD_TIPDOC_ARQ& tipo, CZTArqEx& usuariosDoc,
                                            CZTArqEx& usuariosTipo, const QDSessaoAcesso& sessao);

class CQDAcessoDoc {
public:
    CQDAcessoDoc(IQDArqBind& bind, const QDSessaoAcesso& sessao);

    // Opens QDTPD.DAT, QDDOCUSU.DAT and QDTPDUSU.DAT in mode 'L' (created when missing). S_OK or
    // 0x80040000 | the open's code.
    [[nodiscard]] platform::HRESULT Abre();

    // The rule for the stored document `doc` (its type read from QDTPD.DAT when needed; type 0
    // has no list). Results as QDAcessoDoc; the files must be open.
    [[nodiscard]] platform::HRESULT Visivel(const QD_DOC_ARQ& doc);

private:
    // The type at `lTipDoc` into `tipo`.
    [[nodiscard]] int LeTipo(std::uint32_t lTipDoc, QD_TIPDOC_ARQ& tipo);
    // Whether the session is among the users of the run of `quantidade` records from `primeiro`,
    // read into `registros`.
    template <class T>
    [[nodiscard]] platform::HRESULT VeLista(CQDLeitorSequencias<T>& usuarios, std::vector<T>& registros,
                                            std::uint32_t primeiro, std::uint32_t quantidade);

    QDSessaoAcesso m_sessao;
    CQDArqT<QD_TIPDOC_ARQ> m_tipos;
    CQDLeitorSequencias<QD_DOC_USUARIO_ARQ> m_usuariosDoc;
    CQDLeitorSequencias<QD_TIPDOC_USUARIO_ARQ> m_usuariosTipo;
    std::unordered_map<std::uint32_t, platform::HRESULT> m_vistaTipos;  // type -> the rule by its list
    std::vector<QD_DOC_USUARIO_ARQ> m_registrosDoc;     // the current runs, reused
    std::vector<QD_TIPDOC_USUARIO_ARQ> m_registrosTipo;
    std::vector<std::uint16_t> m_codigos;
};
