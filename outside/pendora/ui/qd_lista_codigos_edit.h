// CQDListaCodigosEdit: what the client library's code pickers share: an edit (CZTEditDF) where
// the user types record codes, offered the records the session may see (read through
// CQDAppInfo's connection) as a completion list of "code - description" under the edit, and a
// static of the parent's that shows the description of what is typed, kept up to date with
// every change of the text, typed or set. The two option values are the caller's, kept as
// given. What is read and how a text maps to records belong to each picker.
//
// The edit may be created (Create) or take over a template's control (SubclassDlgItem,
// DDX_Control). User-interface thread.
#pragma once

#include "outside/editra/zt_edit_df.h"
#include "outside/pendora/ui/qd_itens_codigo.h"

#include <vector>

class CConexaoGedSrv;

class CQDListaCodigosEdit : public CZTEditDF {
public:
    // Creates the edit as Edit::Create does.
    platform::BOOL Create(platform::UINT style, const platform::ui::Rect& rect, platform::ui::Wnd* pai,
                          platform::UINT id, const char* texto = "");

    // The parent's static `idStatic` shows the description from now on (0: none).
    void SetStatic(platform::UINT idStatic);
    [[nodiscard]] platform::UINT GetStatic() const { return m_idStatic; }

    // The caller's two option values, kept as given.
    void SetOptions(platform::UINT nOpcao1, platform::UINT nOpcao2);
    [[nodiscard]] platform::UINT GetOption1() const { return m_nOpcao1; }
    [[nodiscard]] platform::UINT GetOption2() const { return m_nOpcao2; }

    // Reads the records again and offers them; the text stays and its description is looked up
    // again. TRUE on success; FALSE without a bound connection (nothing is asked or shown) or
    // when the read failed (the connection has shown why); the list is then empty.
    platform::BOOL QdInicializa();

    // The records offered, in the server's order.
    [[nodiscard]] const std::vector<CQDItemCodigo>& GetItens() const { return m_itens; }

protected:
    // Reads the records this picker offers.
    [[nodiscard]] virtual platform::HRESULT LeItens(CConexaoGedSrv& conexao, std::vector<CQDItemCodigo>& itens) = 0;
    // The description that `texto` (the edit's text) gets in the static.
    [[nodiscard]] virtual platform::String Descricao(const platform::String& texto) const = 0;
    // True when the edit holds a list of codes: the completion then works on the last one.
    [[nodiscard]] virtual bool IsLista() const { return false; }

    // The offered record whose code is `codigo`; null when none is.
    [[nodiscard]] const CQDItemCodigo* ProcuraCodigo(const platform::String& codigo) const;
    // The offered record at `lPosicao`; null for 0 or a position not offered.
    [[nodiscard]] const CQDItemCodigo* ProcuraPosicao(std::uint32_t lPosicao) const;

    void OnTakeOver(platform::ui::Wnd& previous) override;

private:
    // Follows the editor's text and installs the completion list; once per window.
    void Liga();
    void OfereceItens();
    void MostraDescricao();

    std::vector<CQDItemCodigo> m_itens;
    platform::UINT m_idStatic = 0;
    platform::UINT m_nOpcao1 = 0;
    platform::UINT m_nOpcao2 = 0;
    platform::ui::HWND m_hLigada = nullptr;
};
