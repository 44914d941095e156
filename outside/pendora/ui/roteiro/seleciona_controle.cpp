#include "outside/pendora/ui/roteiro/seleciona_controle.h"

#include "outside/editra/zt_grid.h"
#include "platform/ui/control/combo_box.h"
#include "platform/ui/control/tree_ctrl.h"

#include <algorithm>
#include <optional>

namespace kelvo::roteiro {

namespace {

// Where `escolha` points among entries 0 to `quantas` - 1: its index, or the first entry `corresponde` takes.
template <class Corresponde>
std::optional<int> Procura(const Escolha& escolha, int quantas, Corresponde&& corresponde) {
    if (escolha.indice) return *escolha.indice < quantas ? escolha.indice : std::nullopt;
    for (int indice = 0; indice < quantas; ++indice) {
        if (corresponde(indice)) return indice;
    }
    return std::nullopt;
}

std::string SemEntrada(const Escolha& escolha) {
    return escolha.indice ? "control " + std::to_string(escolha.controle) + " has no entry " + std::to_string(*escolha.indice)
                          : "control " + std::to_string(escolha.controle) + " has no entry \"" +
                                std::string(escolha.texto.GetString()) + "\"";
}

std::string NaGrade(CZTGrid& grade, const Escolha& escolha) {
    const int linhas = static_cast<int>(grade.GetNumeroLinhas());
    const auto linhaTem = [&](int indice) {
        return std::ranges::count(TextosDaLinha(grade, static_cast<ROWCOL>(indice) + 1), escolha.texto) > 0;
    };
    const std::optional<int> indice = Procura(escolha, linhas, linhaTem);
    if (!indice || !grade.SelecionaLinhaComoUsuario(static_cast<ROWCOL>(*indice) + 1)) return SemEntrada(escolha);
    return {};
}

std::string NaArvore(platform::ui::TreeCtrl& arvore, const Escolha& escolha) {
    int contados = 0;
    const platform::ui::HTREEITEM item = arvore.FindItemDepthFirst([&](platform::ui::HTREEITEM candidato) {
        if (escolha.indice) return contados++ == *escolha.indice;
        return arvore.GetItemText(candidato) == escolha.texto;
    });
    if (!item) return SemEntrada(escolha);
    arvore.SelectItem(item);
    return {};
}

std::string NoCombo(platform::ui::ComboBox& combo, const Escolha& escolha) {
    const std::optional<int> indice = Procura(escolha, combo.GetCount(), [&](int candidato) {
        platform::String texto;
        return combo.GetLBText(candidato, texto) != platform::ui::CB_ERR && texto == escolha.texto;
    });
    if (!indice) return SemEntrada(escolha);
    combo.SetCurSel(*indice);
    if (platform::ui::Wnd* pai = combo.GetParent()) {
        pai->SendMessage(platform::ui::WM_COMMAND,
                         platform::MAKEWPARAM(static_cast<platform::WORD>(combo.GetDlgCtrlID()), platform::ui::CBN_SELCHANGE),
                         reinterpret_cast<platform::LPARAM>(combo.m_hWnd));
    }
    return {};
}

}  // namespace

std::vector<platform::String> TextosDaLinha(const CZTGrid& grade, ROWCOL linha) {
    std::vector<platform::String> textos;
    for (const CZTColunaMostrada& coluna : grade.GetColunasMostradas()) textos.push_back(grade.GetTextoCelula(linha, coluna.nColuna));
    return textos;
}

std::string SelecionaEntrada(platform::ui::Wnd& controle, const Escolha& escolha) {
    if (auto* grade = dynamic_cast<CZTGrid*>(&controle)) return NaGrade(*grade, escolha);
    if (auto* arvore = dynamic_cast<platform::ui::TreeCtrl*>(&controle)) return NaArvore(*arvore, escolha);
    if (auto* combo = dynamic_cast<platform::ui::ComboBox*>(&controle)) return NoCombo(*combo, escolha);
    return "control " + std::to_string(escolha.controle) + " is no grid, tree or combo";
}

}  // namespace kelvo::roteiro
