#include "outside/pendora/ui/roteiro/confere_controle.h"

#include "outside/editra/zt_grid.h"
#include "outside/pendora/ui/roteiro/seleciona_controle.h"
#include "platform/ui/control/combo_box.h"
#include "platform/ui/control/tree_ctrl.h"
#include "platform/ui/window/window_kind.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace kelvo::roteiro {

namespace {

// A failure names this many of the texts it looked among, so that a big grid keeps it one line.
constexpr std::size_t kTextosNomeados = 20;

// What a list control holds: how many entries, and the texts a text check looks among.
struct Entradas {
    int quantas = 0;
    std::vector<platform::String> textos;
};

std::string Aspas(const platform::String& texto) { return "\"" + std::string(texto.GetString()) + "\""; }

std::optional<Entradas> EntradasDe(platform::ui::Wnd& controle) {
    Entradas entradas;
    if (auto* grade = dynamic_cast<CZTGrid*>(&controle)) {
        entradas.quantas = static_cast<int>(grade->GetNumeroLinhas());
        for (ROWCOL linha = 1; linha <= grade->GetNumeroLinhas(); ++linha) {
            for (platform::String& texto : TextosDaLinha(*grade, linha)) entradas.textos.push_back(std::move(texto));
        }
    } else if (auto* arvore = dynamic_cast<platform::ui::TreeCtrl*>(&controle)) {
        static_cast<void>(arvore->FindItemDepthFirst([&](platform::ui::HTREEITEM item) {
            entradas.textos.push_back(arvore->GetItemText(item));
            return false;
        }));
        entradas.quantas = static_cast<int>(entradas.textos.size());
    } else if (auto* combo = dynamic_cast<platform::ui::ComboBox*>(&controle)) {
        entradas.quantas = combo->GetCount();
        for (int indice = 0; indice < entradas.quantas; ++indice) {
            platform::String texto;
            if (combo->GetLBText(indice, texto) != platform::ui::CB_ERR) entradas.textos.push_back(texto);
        }
    } else {
        return std::nullopt;
    }
    return entradas;
}

std::string Encontrados(const std::vector<platform::String>& textos) {
    if (textos.empty()) return "it holds no text";
    std::string lista = "it holds ";
    for (std::size_t indice = 0; indice < std::min(textos.size(), kTextosNomeados); ++indice) {
        if (indice > 0) lista += ", ";
        lista += Aspas(textos[indice]);
    }
    if (textos.size() > kTextosNomeados) lista += ", ...";
    return lista;
}

std::string ConfereEntradas(const Entradas& entradas, const std::string& nome, const PassoRoteiro& passo) {
    if (passo.quantidade) {
        if (entradas.quantas == *passo.quantidade) return {};
        return nome + " has " + std::to_string(entradas.quantas) + " entries, not " + std::to_string(*passo.quantidade);
    }
    if (std::ranges::count(entradas.textos, passo.texto) > 0) return {};
    return nome + " has no entry " + Aspas(passo.texto) + "; " + Encontrados(entradas.textos);
}

bool MostraTextoProprio(platform::ui::WindowKind tipo) {
    return platform::ui::IsEditKind(tipo) || platform::ui::IsButtonKind(tipo) || tipo == platform::ui::WindowKind::Static;
}

}  // namespace

std::string ConfereControle(platform::ui::Wnd& controle, const PassoRoteiro& passo) {
    const std::string nome = "control " + std::to_string(passo.id);
    if (const std::optional<Entradas> entradas = EntradasDe(controle)) return ConfereEntradas(*entradas, nome, passo);
    if (passo.quantidade) return nome + " is no grid, tree or combo";
    if (!MostraTextoProprio(controle.GetKind())) return nome + " is no edit, static, button, grid, tree or combo";
    platform::String texto;
    controle.GetWindowText(texto);
    if (texto == passo.texto) return {};
    return nome + " shows " + Aspas(texto) + ", not " + Aspas(passo.texto);
}

}  // namespace kelvo::roteiro
