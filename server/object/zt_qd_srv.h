// CZTQD_Srv: the document server's object, one per activation. It holds the session of one
// client connection (one company, one user) and implements IZTQD_Srv, IQDArqBind and
// IZTUserProfileInfo.
//
// A new object has an empty session: every member zero or empty until IZTQD_Srv::Inicializa
// opens it. Until an Inicializa has succeeded as a whole, and after one that failed, every method
// that reads or writes company data answers QD_E_SESSAO_FECHADA and touches nothing
// (server/session/qd_estado_sessao.h); SetModoServico and Inicializa always run. While it lives
// it holds a module lock, so the server process runs as long as any object does. Used on the
// server's one thread only; its reference count is atomic.
#pragma once

#include "platform/com/module_lock.h"
#include "platform/com/ref_counted.h"
#include "server/idl/iztqd_srv.h"
#include "server/object/qd_arq_bind.h"
#include "server/object/zt_user_profile_info.h"
#include "server/session/qd_estado_sessao.h"
#include "server/session/qd_sessao.h"
#include "util/text/zt_string.h"

#include <cstdint>
#include <optional>

class CZTQD_Srv : public platform::com::RefCounted<CZTQD_Srv, IZTQD_Srv, IQDArqBind, IZTUserProfileInfo> {
public:
    CZTQD_Srv();

    platform::HRESULT QueryInterface(const platform::IID& iid, void** object) override;

    // IZTQD_Srv
    // Opens the session for the company and user of `ini` (see server/session/qd_inicializa.h);
    // the session is open afterwards only when this answers success.
    platform::HRESULT Inicializa(QD_INICIALIZA_PS ini) override;
    // The properties with their four texts as new BSTRs (server/session/qd_propriedades.h); the
    // counter handed out is remembered for this connection's next write.
    platform::HRESULT LePropriedades(QD_PROPRIEDADES_PS* pProp) override;
    // Writes the properties and their texts and logs the change. A counter equal to the one this
    // connection last read keeps the stored counter; no migration mark is cleared.
    platform::HRESULT GravaPropriedades(QD_PROPRIEDADES_PS prop) override;
    // The next physical location number; that number plus one is stored.
    platform::HRESULT GetProximoNrLocalizacao(std::uint32_t* pProx) override;
    // Service callers see every document and type: the session's all-rights flag becomes 1. S_OK.
    platform::HRESULT SetModoServico() override;
    // Appends the batch's entries to the operations log as one block, stamped with the server's
    // time and the session's user. S_OK or the record-file HRESULT.
    platform::HRESULT GravaLog(QD_BATCH_GRAVA_LOG_PS batch) override;

    // Archive locations and the masks of their groups (zt_qd_srv_locais.cpp).
    platform::HRESULT LeLocArq(std::uint32_t qtd, const std::uint32_t* pPos, QD_LOCARQ_PS* pLocArq,
                               std::uint32_t dwFlags) override;
    platform::HRESULT GravaLocArq(std::uint32_t* pPos, QD_LOCARQ_PS ps) override;
    platform::HRESULT BuscaPtrsLocArq(QD_LOCARQ_FILTRO_PS filtro, QD_ARRAY_PONTEIROS_PS* pRegPtrs) override;
    platform::HRESULT ExcluiLocArq(std::uint32_t lPosLocArq) override;
    platform::HRESULT CalcularQtdDocs() override;
    platform::HRESULT LeMascaraLocArq(std::uint32_t iQtd, const std::uint32_t* lPosGrupo,
                                      QD_LOCARQ_MSC_PS* qdLocArqMasc) override;
    platform::HRESULT GravaMascaraLocArq(std::uint32_t* pPos, QD_LOCARQ_MSC_PS qdLocArqMasc) override;
    platform::HRESULT ConverteLocArq(const std::uint32_t* pPosMascara) override;

    // Document types (zt_qd_srv_tipos.cpp).
    platform::HRESULT LeTipDoc(std::uint32_t qtd, const std::uint32_t* pPos, QD_TIPDOC_PS* pTipDoc,
                               std::uint32_t dwFlags) override;
    platform::HRESULT GravaTipDoc(std::uint32_t* pPos, QD_TIPDOC_PS ps) override;
    platform::HRESULT BuscaPtrsTipDoc(QD_TIPDOC_FILTRO_PS filtro, QD_ARRAY_PONTEIROS_PS* pRegPtrs) override;
    platform::HRESULT ExcluiTipDoc(std::uint32_t lPosTipDoc) override;

    // Documents and their links (zt_qd_srv_documentos.cpp).
    platform::HRESULT LeDoc(std::uint32_t qtd, const std::uint32_t* pPos, QD_DOC_PS* pDoc, std::uint32_t dwFlags) override;
    platform::HRESULT GravaDoc(std::uint32_t* pPos, QD_DOC_PS ps, std::uint32_t dwFlags) override;
    platform::HRESULT ExcluiDoc(std::uint32_t qtd, const std::uint32_t* pPos) override;
    platform::HRESULT ExcluiVinculoDoc(std::uint32_t qtd, const QD_VINCULO_DOC_PS* pVinculos) override;

    // Document search (zt_qd_srv_busca.cpp).
    platform::HRESULT BuscaPtrsDoc(QD_DOC_FILTRO_PS filtro, QD_ARRAY_PONTEIROS_PS* pRegPtrs) override;
    platform::HRESULT BuscaRapida(platform::BSTR bsBuscaRapida, std::int32_t bAcessoWeb,
                                  QD_ARRAY_PONTEIROS_PS* pRegPtrs) override;

    // Links that follow the origins in the other modules (zt_qd_srv_vinculos.cpp).
    platform::HRESULT AdicionaVinculoDoc(QD_VINCULO_DOC_PS vinculo, REG_ZTDMC dmc) override;
    platform::HRESULT BuscaVinculosDocByOrigem(std::uint32_t qtd, const QD_ORIGEM_VINCULO_DOC_PS* origem,
                                               QD_ARRAY_PONTEIROS_PS* pRegPtrs) override;
    platform::HRESULT NotificaAlteracaoOrigem(QD_ORIGEM_VINCULO_DOC_PS origem, QD_DOC_PS newVal,
                                              QD_DOC_PS oldVal) override;
    platform::HRESULT NotificaExclusaoOrigem(QD_ORIGEM_VINCULO_DOC_PS origem) override;
    platform::HRESULT AtualizaVinculoDoc(QD_ORIGEM_VINCULO_DOC_PS origem) override;

    // Distribution lists (zt_qd_srv_distribuicao.cpp).
    platform::HRESULT LeDistribuicao(std::uint32_t lPos, QD_ARRAY_PONTEIROS_PS* pDistrib, std::uint32_t dwFlags) override;
    platform::HRESULT GravaDistribuicao(std::uint32_t* pPos, QD_ARRAY_PONTEIROS_PS ps) override;

    // Thumbnails of document contents (zt_qd_srv_miniaturas.cpp).
    platform::HRESULT GetThumbnailsDoc(std::uint32_t qtd, const std::uint32_t* pPos, tagSIZE imgSize,
                                       QD_ARRAY_DOC_THUMBNAIL_PS* pArray) override;

    // Writes the report the request names into its output file (zt_qd_srv_relatorio.cpp).
    platform::HRESULT GeraRelatorio(QD_RELATORIO_PS qdRelatorio) override;

    // IQDArqBind
    CZTString GetDiretorio() override;

    // IZTUserProfileInfo: the run-as identity registered for "Vaultis" (CZTIdentidadeExecucao);
    // false with both texts empty when there is none.
    bool GetUserProfileInfo(CZTString& strConta, CZTString& strSenha) override;

    // The content folder: "Docs" in the data directory.
    [[nodiscard]] CZTString GetDiretorioDocs() const;
    // Creates the content folder: S_OK, also when it exists; 0x80070000 | the Win32 error else.
    [[nodiscard]] platform::HRESULT CriaDiretorioDocs() const;

    // The session.
    [[nodiscard]] const CZTString& GetEmpresa() const { return m_sessao.strEmpresa; }
    [[nodiscard]] std::int32_t GetNumeroSessao() const { return m_sessao.lNumeroSessao; }
    [[nodiscard]] std::uint16_t GetUsuario() const { return m_sessao.iUsuario; }
    [[nodiscard]] std::uint16_t GetUsuarioPai() const { return m_sessao.iUsuarioPai; }
    [[nodiscard]] std::uint8_t GetAcessoTotal() const { return m_sessao.bAcessoTotal; }
    [[nodiscard]] const FILIAIS_ATIVAS& GetFiliaisAtivas() const { return m_sessao.filiaisAtivas; }
    // The session's content-encryption object; null until a session start has keyed it.
    [[nodiscard]] CCrypto* GetCrypto() const { return m_sessao.pCrypto.get(); }

private:
    ~CZTQD_Srv() override = default;
    friend class platform::com::RefCounted<CZTQD_Srv, IZTQD_Srv, IQDArqBind, IZTUserProfileInfo>;

    // True before any Inicializa and after a failed one (a method then answers
    // QD_E_SESSAO_FECHADA); false while one runs, so that its own calls pass.
    [[nodiscard]] bool SessaoFechada() const { return m_estadoSessao == QDEstadoSessao::Fechada; }

    platform::com::ModuleReference m_moduleReference;
    QDEstadoSessao m_estadoSessao = QDEstadoSessao::Fechada;
    CQDSessao m_sessao;  // company, user, data directory, branches, rights, user connection
    // The counter this connection's last LePropriedades handed out; the server's own reads leave it.
    std::optional<std::uint32_t> m_iProxNumeroLido;
};
