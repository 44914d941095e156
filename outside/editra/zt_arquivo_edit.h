// CZTArquivoEdit: a file-name edit with a browse button inside it.
//
// The button opens a file dialog that starts in the last folder chosen through any edit under
// the same key name (kept in the application's profile, which is the current user's) and puts
// the chosen path into the edit; cancelling leaves the edit as it was. With the existence check
// on the dialog accepts only existing files; with folder completion on, typing a path offers
// the names of its folder. A test hook stands in for the dialog. User-interface thread.
#pragma once

#include "outside/editra/zt_edit_df.h"

#include <functional>
#include <optional>

// What the edit asks of its file dialog.
struct CZTPedidoArquivo {
    int nTipo = 0;
    bool bVerificaExistencia = false;
    platform::String strPastaInicial;  // empty: the dialog's own choice
};

// Answers a dialog instead of the user: the chosen path, or nothing for a cancel.
using CZTDialogoArquivoTeste = std::function<std::optional<platform::String>(const CZTPedidoArquivo&)>;

class CZTArquivoEdit : public CZTEditDF {
public:
    // Dialog kinds (SetTipo).
    static constexpr int kTipoAbrirArquivo = 0;

    // Creates the edit and its button as Edit::Create does.
    platform::BOOL Create(platform::UINT style, const platform::ui::Rect& rect, platform::ui::Wnd* pai, platform::UINT id,
                          const char* texto = "");

    void SetTipo(int tipo) { m_nTipo = tipo; }
    void SetVerificaExistencia(platform::BOOL verifica) { m_bVerificaExistencia = verifica != platform::FALSE; }
    // Switches the completion of typed paths on or off (the window must exist).
    void SetCompletaPasta(platform::BOOL completa);
    // The key name the last folder is kept under; empty: none is kept.
    void SetChave(const char* chave) { m_strChave = chave ? chave : ""; }

    // Opens the file dialog (what the button does); TRUE when a path was chosen.
    platform::BOOL Procura();

    // Installs the stand-in for every edit's dialog (empty: the real dialog); returns the one
    // installed before.
    static CZTDialogoArquivoTeste SetDialogoTeste(CZTDialogoArquivoTeste dialogo);

protected:
    // A template's edit taken over (SubclassDlgItem, DDX_Control) gets the browse button too.
    void OnTakeOver(platform::ui::Wnd& previous) override;

private:
    // Puts the browse button into the edit.
    void CriaBotao();
    [[nodiscard]] platform::String PastaGuardada() const;
    void GuardaPasta(const platform::String& caminho) const;

    int m_nTipo = kTipoAbrirArquivo;
    bool m_bVerificaExistencia = false;
    platform::String m_strChave;
};
