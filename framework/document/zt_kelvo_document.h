// CZTKelvoDocument: the suite's document layer: opening a company with the user's rights (the
// company start-up), the access test, closing the company, and the save results as the suite's
// error object.
//
// Every program document derives from it (through the client library's common document). The
// start-up fills the application information (CZTKelvoAppInfo) and the user object
// (CZTKelvoUsuario) of the running application; it reaches the company and start-up libraries
// through ZTGetServicosEmpresa() and the status bar through the main window's IZTFrameStatusBar.
// A closed company leaves no company selected, so the views, saves and company commands stop.
// User-interface thread only.
#pragma once

#include "framework/document/zt_fc_document.h"

#include <cstdint>
#include <memory>
#include <vector>

class IZTKelvoDadosInicializacao;

class CZTKelvoDocument : public CZTFCDocument {
public:
    // No requirement and no allowed system code.
    CZTKelvoDocument();
    ~CZTKelvoDocument() override;

    // Requirement A (tipos: the systems block's bytes 48 and 49) with the allowed system codes:
    // `codigos` is copied, null empties the list.
    void SetExigenciaTipos(std::int32_t exige, const std::vector<std::uint8_t>* codigos);
    // Requirement B (byte 32 empty or "N").
    void SetExigencia32(std::int32_t exige) { m_lExigencia32 = exige; }
    // Requirement C (byte 31 not "S").
    void SetExigencia31(std::int32_t exige) { m_lExigencia31 = exige; }
    [[nodiscard]] std::int32_t GetExigenciaTipos() const { return m_lExigenciaTipos; }
    [[nodiscard]] std::int32_t GetExigencia32() const { return m_lExigencia32; }
    [[nodiscard]] std::int32_t GetExigencia31() const { return m_lExigencia31; }
    [[nodiscard]] const std::vector<std::uint8_t>& GetSistemasPermitidos() const { return m_sistemasPermitidos; }

    // Tells the views (hint 3) and frees the block with what it owns; a block of another kind is
    // left alone. A negative status then throws CZTKelvoException (status, subcode, the extra
    // value, line 410 for one record or 440 for a batch, "ZTKelvoDocument.cpp"), reported as it
    // is made; nobody catches it before the dispatch boundary.
    void OnResultadoGravacao(ZTFC_BLOCO_RESULTADO* bloco) override;
    // The framework layer's save road, with the status bar's save indicator on the way.
    void Grava(CZTFCDados* registro) override;
    void GravaSelecao() override;
    // Empties the start-up routines' buffer, then the framework layer's start.
    void OnInicializa() override;
    // The framework layer's stop (hint 8), then FechaEmpresa when a company is selected.
    void OnFinaliza() override;

    // The 16-bit value handed to the start-up data search; 0.
    [[nodiscard]] virtual std::uint16_t GetValorInicializacao();
    // Closes the selected company: no company selected, the user's data and rights cleared, the
    // main window's title the application's alone, the status bar emptied, hint 9. Always
    // completes.
    virtual void FechaEmpresa();
    // FechaEmpresa, then OnFinaliza.
    virtual void FinalizaEmpresa();
    // Opens a company: the user's choice (unless the command line preselected one), the start-up
    // data and rights, the access test. Granted: the views hear hints 10 and 9, OnInicializa
    // runs, hint 7, and the status bar shows user and company (with a main window). Refused: the
    // refusal box, then FechaEmpresa. Cancelled: nothing changes.
    virtual void InicializaEmpresa();
    // The access test on the start-up data; programs override it and call it first.
    [[nodiscard]] virtual bool ValidaAcesso(const IZTKelvoDadosInicializacao& dados);
    // The option handed to the company choice; FALSE.
    [[nodiscard]] virtual bool GetOpcaoEscolhaEmpresa();
    // The three options handed to the start-up data search: 0, 1 and 1.
    [[nodiscard]] virtual int GetOpcaoBuscaDados1();
    [[nodiscard]] virtual int GetOpcaoBuscaDados2();
    [[nodiscard]] virtual int GetOpcaoBuscaDados3();

    // InicializaEmpresa; TRUE only when a company is then selected (the framework creates no
    // document without one, so a program whose start-up makes its first document this way ends).
    platform::BOOL OnNewDocument() override;

private:
    // Steps of InicializaEmpresa.
    // The user's choice, or the preselected company; false when the user cancelled.
    bool EscolheEmpresa();
    std::unique_ptr<IZTKelvoDadosInicializacao> BuscaDadosEmpresa();
    void AplicaDados(const IZTKelvoDadosInicializacao& dados);
    void AbreEmpresa(const IZTKelvoDadosInicializacao& dados);
    void RecusaAcesso();
    // Whether the systems block meets the requirements that are set.
    [[nodiscard]] bool AtendeExigencias(const IZTKelvoDadosInicializacao& dados) const;

    std::int32_t m_lExigenciaTipos = 0;
    std::int32_t m_lExigencia32 = 0;
    std::int32_t m_lExigencia31 = 0;
    std::vector<std::uint8_t> m_sistemasPermitidos;
};

// The refusal box's text and caption (Windows-1252).
inline constexpr const char* ZT_TEXTO_SEM_PERMISSAO = "Usu\xE1rio n\xE3o possui permiss\xE3o para utilizar este recurso.";
inline constexpr const char* ZT_TITULO_SEM_PERMISSAO = "Kelvo Empresarial";
