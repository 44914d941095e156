// CZTTreeView: a stand-alone tree view (no update hints) that can find and select items by their
// text and fill a branch with a calendar: years, months and days of a range of dates.
//
// While the keep-map flag is set, every item inserted through InsereItem (the builders too) is
// recorded under its text; a later item with the same text replaces the earlier entry, and items
// inserted while the flag was off are never found by text. Every builder item has picture 0 and
// goes last under its parent; the branch's root is a top-level item. User-interface thread.
#pragma once

#include "platform/ui/document/tree_view.h"
#include "util/date/zt_data.h"

#include <cstdint>
#include <string>
#include <unordered_map>

// A branch of short dates: stored short day values (util/time/short_date.h), both ends included.
struct ZT_PERIODO_DATAS_CURTAS {
    const char* pszRaiz = "";    // text of the branch's root
    platform::BOOL bDias = 0;     // one item per day under each month; else months only
    std::uint16_t nPrimeira = 0;
    std::uint16_t nUltima = 0;
    platform::BOOL bAnos = 0;     // months grouped under year items
};

// The same branch over dates of the whole date range.
struct ZT_PERIODO_DATAS {
    const char* pszRaiz = "";
    platform::BOOL bDias = 0;
    CZTData primeira;
    CZTData ultima;
    platform::BOOL bAnos = 0;
};

class CZTTreeView : public platform::ui::TreeView {
public:
    CZTTreeView();
    ~CZTTreeView() override;

    // Sets the keep-map flag.
    void SetGuardaMapa(platform::BOOL bGuarda);

    // Inserts an item with its text and pictures under `pai` after `depois`, recording it in the
    // text map while the keep-map flag is set; null when the tree refused it.
    platform::ui::HTREEITEM InsereItem(const char* texto, int imagem, int imagemSelecionada,
                                       platform::ui::HTREEITEM pai = platform::ui::TVI_ROOT,
                                       platform::ui::HTREEITEM depois = platform::ui::TVI_LAST);
    // The item recorded under `texto`; FALSE (item untouched) when there is none.
    platform::BOOL BuscaItemTexto(const char* texto, platform::ui::HTREEITEM& item) const;
    // Shows and selects the item recorded under `texto`; FALSE when there is none.
    platform::BOOL SelecionaItemTexto(const char* texto);

    // Build a branch: root, then (with years) yyyy items, mm/yy or mm/yyyy month items and (with
    // days) dd/mm/yy or dd/mm/yyyy day items. Return the root.
    platform::ui::HTREEITEM InsereDatasCurtas(const ZT_PERIODO_DATAS_CURTAS& pedido);
    platform::ui::HTREEITEM InsereDatas(const ZT_PERIODO_DATAS& pedido);

protected:
    // Buttons, lines and the selection shown when the tree has no focus.
    void PreCreateWindow(platform::DWORD& treeStyle) override;

private:
    // An item of a builder: picture 0, last under its parent.
    platform::ui::HTREEITEM InsereNo(const char* texto, platform::ui::HTREEITEM pai);

    std::unordered_map<std::string, platform::ui::HTREEITEM> m_MapaTextos;
    std::uint32_t m_bGuardaMapa = 0;
};
