// CZTFCDocument: the framework document: its current record and selection, its side of the
// update hints, the save results, the start and stop of its work, and the commands every program
// routes to it (refresh, the grid's column commands, the totals line).
//
// The document owns its current record (the one the form shows), its selection (owned copies of
// the selected records) and the start-up library's routines object, and does its part of each
// hint before its views hear it. A document whose GetClasseThread names a saving thread queues
// its saves there; it stops the thread, waits for its end and only then deletes it. Without one,
// Grava and GravaSelecao only show the wait cursor, and the thread-less template saves
// synchronously. User-interface thread.
#pragma once

#include "framework/application/zt_fc_finalizavel.h"
#include "framework/data/zt_fc_dados.h"
#include "outside/editra/zt_config_impressao.h"
#include "platform/ui/document/document.h"
#include "platform/ui/document/view.h"

#include <cstdint>
#include <memory>
#include <vector>

class CZTBaseParaRotinas;
class CZTFCFormView;
class CZTFCGridView;
class CZTFCThreadGravacao;
class CZTListaInterfaces;
struct ZTFC_BLOCO_RESULTADO;

namespace platform::ui {
class CmdUI;
}

// The saving thread's class, as its maker: what GetClasseThread names.
using ZTFC_CLASSE_THREAD = CZTFCThreadGravacao* (*)();

// The commands the framework document handles: refresh (F5), printing the list (Ctrl+P), and the
// grid's column commands, whose last id shows every column.
constexpr platform::UINT ZTFC_ID_ATUALIZAR = 32779;
constexpr platform::UINT ZTFC_ID_IMPRIMIR = 32800;
constexpr platform::UINT ZTFC_ID_PRIMEIRA_COLUNA = 32810;
constexpr platform::UINT ZTFC_ID_ULTIMA_COLUNA = 32824;

class CZTFCDocument : public platform::ui::Document, public CZTFCFinalizavel {
public:
    // Makes the routines object and maps the commands.
    CZTFCDocument();
    // Deletes the current record, the selection and the routines object.
    ~CZTFCDocument() override;

    // Makes `registro` (owned) the current record: see the .cpp for the multi-selection rule.
    // When there was a current record before, the views hear hint 6.
    void SetRegistroAtual(CZTFCDados* registro);
    [[nodiscard]] CZTFCDados* GetRegistroAtual() const { return m_pRegistroAtual.get(); }
    [[nodiscard]] const std::vector<std::unique_ptr<CZTFCDados>>& GetSelecao() const { return m_selecao; }

    void SetMultiSelecao(bool multiSelecao) { m_bMultiSelecao = multiSelecao ? 1 : 0; }
    [[nodiscard]] bool GetMultiSelecao() const { return m_bMultiSelecao != 0; }

    // Queues `registro` (in multi-selection mode as a batch of one), or the selection (the
    // current record when not in multi-selection mode or when nothing is selected), for the
    // saving thread; waits until it is idle when the user asks to wait for saves. The wait cursor
    // shows meanwhile, ended on every path; without a saving thread nothing else happens.
    virtual void Grava(CZTFCDados* registro);
    virtual void GravaSelecao();
    // The record value of list item `indice`; null here (the record cache's documents answer).
    [[nodiscard]] virtual const void* GetRegistro(int indice);
    // A save's result block (owned): the views hear hint 3, then the block goes with what it
    // owns; a block of another kind is left alone. A negative status then throws CZTFCException
    // (status, subcode, line 330 for one record or 351 for a batch, "ZTFCDocument.cpp").
    virtual void OnResultadoGravacao(ZTFC_BLOCO_RESULTADO* bloco);
    // The document's part of `hint` (see the .cpp), then every view but `sender`.
    virtual void UpdateAllViews(platform::ui::View* sender, platform::LPARAM hint, platform::ui::Object* objeto = nullptr);
    // Reloads and refreshes: OnInicializa, then hints 9 and 7 from `sender`, under the wait cursor.
    virtual void Atualiza(platform::ui::View* sender);
    // Hint 5: the selection starts again.
    virtual void AtualizaSelecao();
    // Starts the document's work once the company is open: the saving thread its class names,
    // unless one runs already, given its interfaces and the main window, then started.
    virtual void OnInicializa();
    // Stops it: the saving thread stopped, its end awaited, then deleted; hint 8.
    void OnFinaliza() override;
    // The first view that is a grid view; null when none.
    [[nodiscard]] virtual CZTFCGridView* GetGridView();
    // The first view that is a record form; null when none.
    [[nodiscard]] virtual CZTFCFormView* GetFormView();

    // Save hooks, reached through hint 3: a single save or a batch ended with status 0 or with a
    // positive `status`. Empty here but OnLoteGravadoAviso, which makes the selection copies of
    // the saved records.
    virtual void OnRegistroGravado(CZTFCDados* registro);
    virtual void OnLoteGravado(std::int32_t quantidade, CZTFCDados** registros);
    virtual void OnRegistroGravadoAviso(CZTFCDados* registro, std::int32_t status);
    virtual void OnLoteGravadoAviso(std::int32_t quantidade, CZTFCDados** registros, std::int32_t status);

    // The saving thread's class; null: the document saves without a thread.
    [[nodiscard]] virtual ZTFC_CLASSE_THREAD GetClasseThread();
    // Hands the saving thread what it needs before it runs; empty here.
    virtual void ConfiguraThread(CZTListaInterfaces& interfaces);

    // OnFinaliza, then the window layer's closing.
    void OnCloseDocument() override;

    // The first of the document's views, in their order, that is a TView; null when none.
    template <class TView>
    [[nodiscard]] TView* BuscaView() const {
        for (platform::ui::View* view : GetViews()) {
            if (auto* achada = dynamic_cast<TView*>(view)) return achada;
        }
        return nullptr;
    }

    [[nodiscard]] CZTBaseParaRotinas& GetRotinas() const { return *m_pRotinas; }

    // Command 32779: Atualiza with no sender.
    void OnAtualizar();
    // Command 32800: with a grid view, the print configuration takes the company name and the
    // grid view is printed (ZTOnPrint); without one nothing happens.
    void OnImprimir();
    [[nodiscard]] CZTConfigImpressao& GetConfigImpressao() { return m_configImpressao; }
    // Commands 32810-32824, forwarded to the grid view's grid; with no company selected the
    // commands do nothing and show disabled and unchecked.
    void OnColunaLista(platform::UINT id, platform::UINT first, platform::UINT last);
    void OnUpdateCommandLista(platform::ui::CmdUI* cmdUI, platform::UINT first, platform::UINT last);
    // Hint 11: the form clears its fields. No command is mapped to it.
    void LimpaFormulario();
    // Switches the grid view's totals line on or off, and shows whether it is on. No command is
    // mapped to them.
    void OnTotalizacao();
    void OnUpdateTotalizacao(platform::ui::CmdUI* cmdUI);

protected:
    // The shared part of OnResultadoGravacao: hint 3, then the record copies go. False, with the
    // block left alone, when it is no result block.
    [[nodiscard]] bool AvisaResultadoGravacao(ZTFC_BLOCO_RESULTADO* bloco);
    // Grava's and GravaSelecao's road; `comIndicador`: the status bar's save indicator shows
    // busy (2), queued (1) and idle again (0) on the way.
    void GravaRegistroPelaThread(CZTFCDados* registro, bool comIndicador);
    void GravaSelecaoPelaThread(bool comIndicador);

private:
    void SelecionaDoBloco(platform::ui::Object* objeto);
    // False when nobody may hear a save result: no main window, or one without an active view.
    bool ChamaGanchoGravacao(platform::ui::Object* objeto);
    void AvisaComCopiaTemporaria(platform::ui::View* sender);
    void LimpaSelecao() { m_selecao.clear(); }

    std::unique_ptr<CZTFCDados> m_pRegistroAtual;
    std::unique_ptr<CZTFCThreadGravacao> m_pThread;
    std::unique_ptr<CZTBaseParaRotinas> m_pRotinas;
    std::vector<std::unique_ptr<CZTFCDados>> m_selecao;
    CZTConfigImpressao m_configImpressao;
    std::uint8_t m_bMultiSelecao = 0;
};
