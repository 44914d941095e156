// CZTEditMascara: an edit that lays what the user types over a '#' mask ("##.##.##").
//
// Each '#' takes one typed digit and every other mask character is a separator that the edit
// writes itself, only between typed digits: typing 0, 1, 0, 2 under "##.##.##" reads "01.02",
// never "01." or "01.02.". Other typed characters and digits past the mask are dropped. A text
// the program sets is kept as given, fitting the mask or not; the mask lays itself over the
// text again at the user's next edit. Without a mask the edit takes any text. The length limit
// is the edit's text limit (SetLimitText). User-interface thread.
#pragma once

#include "outside/editra/zt_edit_df.h"

class CZTEditMascara : public CZTEditDF {
public:
    // Creates the edit as Edit::Create does, with the mask in force.
    platform::BOOL Create(platform::UINT style, const platform::ui::Rect& rect, platform::ui::Wnd* pai, platform::UINT id,
                          const char* texto = "");

    // The mask of the next edits; the text shown stays as it is.
    void SetMascara(const char* mascara);
    [[nodiscard]] const platform::String& GetMascara() const { return m_strMascara; }

    // The caller's two option values, kept as given.
    void SetOptions(platform::UINT nOpcao1, platform::UINT nOpcao2);
    [[nodiscard]] platform::UINT GetOption1() const { return m_nOpcao1; }
    [[nodiscard]] platform::UINT GetOption2() const { return m_nOpcao2; }

protected:
    // A template's edit taken over (SubclassDlgItem, DDX_Control) lays the mask over typing too.
    void OnTakeOver(platform::ui::Wnd& previous) override;

private:
    // Lays the mask over each edit the user makes; once per window.
    void LigaMascara();
    void AplicaMascara();

    platform::String m_strMascara;
    platform::UINT m_nOpcao1 = 0;
    platform::UINT m_nOpcao2 = 0;
    platform::ui::HWND m_hLigada = nullptr;
};
