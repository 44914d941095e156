#include "outside/pendora/ui/roteiro/executa_roteiro.h"

#include "outside/pendora/ui/roteiro/confere_controle.h"
#include "outside/pendora/ui/roteiro/seleciona_controle.h"
#include "platform/ui/app/idle_task.h"
#include "platform/ui/app/win_app.h"
#include "platform/ui/box/next_dialog.h"
#include "platform/ui/control/button.h"
#include "platform/ui/document/frame_wnd.h"
#include "platform/ui/document/view.h"
#include "platform/ui/window/window_kind.h"

#include <algorithm>

namespace kelvo::roteiro {

namespace {

using platform::ui::Wnd;

// Steps that answer what is still to come: they are in place before the next step runs.
bool IsResposta(Verbo verbo) { return verbo == Verbo::Caixa || verbo == Verbo::Dialogo; }

// Breadth first, so that a window's own controls come before its children's.
Wnd* ProcuraDescendente(Wnd& janela, platform::UINT id) {
    std::vector<Wnd*> fila{&janela};
    for (std::size_t lido = 0; lido < fila.size(); ++lido) {
        for (Wnd* filho : fila[lido]->GetChildWindows()) {
            if (filho->GetDlgCtrlID() == id) return filho;
            fila.push_back(filho);
        }
    }
    return nullptr;
}

std::string Numero(platform::UINT id) { return std::to_string(id); }

}  // namespace

ExecutorRoteiro::ExecutorRoteiro(std::vector<PassoRoteiro> passos, Falha falha)
    : passos_(std::move(passos)), falha_(std::move(falha)), vivo_(std::make_shared<ExecutorRoteiro*>(this)) {}

ExecutorRoteiro::~ExecutorRoteiro() {
    *vivo_ = nullptr;
    platform::ui::SetBoxHook(std::move(caixaAnterior_));
    platform::ui::SetShownWindowWatcher(std::move(observadorAnterior_));
}

void ExecutorRoteiro::Inicia() {
    caixaAnterior_ = platform::ui::SetBoxHook(
        [this](platform::ui::HWND, const platform::String& texto, const platform::String&, platform::UINT) { return RespondeCaixa(texto); });
    observadorAnterior_ = platform::ui::SetShownWindowWatcher(
        [this](platform::UINT templateId, Wnd& janela) { ViuJanela(templateId, janela); });
    // The start-up's boxes and dialogs (the company choice) open before the loop is ever idle.
    ExecutaRespostasSeguintes();
    AgendaProximo();
}

void ExecutorRoteiro::AgendaProximo() {
    platform::ui::RunWhenIdle([vivo = vivo_] {
        if (*vivo) (*vivo)->ExecutaProximo();
    });
}

void ExecutorRoteiro::ExecutaProximo() {
    if (espera_ || proximo_ >= passos_.size()) return;
    const std::size_t indice = proximo_++;
    if (passos_[indice].verbo != Verbo::Espera) mostradasAntes_ = mostradas_.size();
    if (!Executa(indice)) {
        espera_ = indice;
        return;
    }
    // Nothing runs after the end: a step left there is reported when the program ends.
    if (passos_[indice].verbo == Verbo::Fim) return;
    ExecutaRespostasSeguintes();
    AgendaProximo();
}

void ExecutorRoteiro::ExecutaRespostasSeguintes() {
    while (proximo_ < passos_.size() && IsResposta(passos_[proximo_].verbo)) static_cast<void>(Executa(proximo_++));
}

bool ExecutorRoteiro::Executa(std::size_t indice) {
    const PassoRoteiro& passo = passos_[indice];
    switch (passo.verbo) {
        case Verbo::Caixa: caixas_.push_back({passo.resposta, indice}); return true;
        case Verbo::Dialogo: ResponderDialogo(indice); return true;
        case Verbo::Comando:
            if (Wnd* principal = platform::ui::AfxGetMainWnd()) {
                principal->PostMessage(platform::ui::WM_COMMAND, passo.id);
            } else {
                Falhou(passo, "there is no main window");
            }
            return true;
        case Verbo::Digita: Digita(passo); return true;
        case Verbo::Seleciona: static_cast<void>(Seleciona(passo, nullptr)); return true;
        case Verbo::Espera: return FoiMostrada(passo.id);
        case Verbo::Clica: Clica(passo); return true;
        case Verbo::Confere: Confere(passo); return true;
        case Verbo::Fim: Fim(passo); return true;
    }
    return true;
}

void ExecutorRoteiro::ViuJanela(platform::UINT templateId, Wnd& janela) {
    mostradas_.emplace_back(templateId, janela.m_hWnd);
    if (!espera_ || passos_[*espera_].id != templateId) return;
    espera_.reset();
    ExecutaRespostasSeguintes();
    AgendaProximo();
}

void ExecutorRoteiro::Falhou(const PassoRoteiro& passo, const std::string& motivo) {
    falha_("test script, " + NomeDoPasso(passo) + ": " + motivo);
}

int ExecutorRoteiro::RespondeCaixa(const platform::String& texto) {
    if (caixas_.empty()) {
        const std::size_t atual = espera_.value_or(proximo_ == 0 ? 0 : proximo_ - 1);
        const std::string caixa = "a box no step answers: \"" + std::string(texto.GetString()) + "\"";
        if (passos_.empty()) {
            falha_("test script: " + caixa);
        } else {
            Falhou(passos_[std::min(atual, passos_.size() - 1)], caixa);
        }
        return platform::IDCANCEL;
    }
    const int resposta = caixas_.front().resposta;
    caixas_.pop_front();
    return resposta;
}

bool ExecutorRoteiro::FoiMostrada(platform::UINT templateId) const {
    for (std::size_t indice = 0; indice < mostradas_.size(); ++indice) {
        const auto& [mostrada, handle] = mostradas_[indice];
        if (mostrada != templateId) continue;
        const Wnd* janela = Wnd::FromHandle(handle);
        if (indice >= mostradasAntes_ || (janela && janela->IsWindowVisible())) return true;
    }
    return false;
}

Wnd* ExecutorRoteiro::DialogoAberto(std::optional<platform::UINT> templateId) const {
    for (auto mostrada = mostradas_.rbegin(); mostrada != mostradas_.rend(); ++mostrada) {
        Wnd* janela = Wnd::FromHandle(mostrada->second);
        if (!janela || janela->GetParent() || janela->GetKind() != platform::ui::WindowKind::Dialog || !janela->IsWindowVisible()) continue;
        if (!templateId || *templateId == mostrada->first) return janela;
    }
    return nullptr;
}

void ExecutorRoteiro::ResponderDialogo(std::size_t indice) {
    if (Wnd* aberto = DialogoAberto(passos_[indice].id)) return Responde(indice, *aberto);
    dialogos_.insert(indice);
    platform::ui::OnNextDialog(passos_[indice].id, [vivo = vivo_, indice](Wnd& dialogo) {
        ExecutorRoteiro* executor = *vivo;
        if (!executor) return;
        executor->dialogos_.erase(indice);
        executor->Responde(indice, dialogo);
    });
}

void ExecutorRoteiro::Responde(std::size_t indice, Wnd& dialogo) {
    const PassoRoteiro& passo = passos_[indice];
    if (passo.escolha && !Seleciona(passo, &dialogo)) return;
    auto* botao = dynamic_cast<platform::ui::Button*>(dialogo.GetDlgItem(static_cast<platform::UINT>(passo.resposta)));
    if (!botao) return Falhou(passo, "the dialog has no button " + std::to_string(passo.resposta));
    botao->SendMessage(platform::ui::BM_CLICK);
}

void ExecutorRoteiro::Digita(const PassoRoteiro& passo) {
    Wnd* controle = Controle(passo.janelas, passo.id, nullptr);
    if (!controle) return Falhou(passo, "there is no control " + Numero(passo.id));
    const platform::ui::WindowKind tipo = controle->GetKind();
    if (!platform::ui::IsEditKind(tipo) && tipo != platform::ui::WindowKind::ComboBox) {
        return Falhou(passo, "control " + Numero(passo.id) + " takes no text");
    }
    controle->SetFocus();
    controle->SetWindowText(passo.texto);
}

bool ExecutorRoteiro::Seleciona(const PassoRoteiro& passo, Wnd* escopo) {
    const Escolha& escolha = *passo.escolha;
    Wnd* controle = Controle(escolha.janelas, escolha.controle, escopo);
    const std::string erro = controle ? SelecionaEntrada(*controle, escolha) : "there is no control " + Numero(escolha.controle);
    if (erro.empty()) return true;
    Falhou(passo, erro);
    return false;
}

void ExecutorRoteiro::Clica(const PassoRoteiro& passo) {
    Wnd* controle = Controle(passo.janelas, passo.id, nullptr);
    if (!controle) return Falhou(passo, "there is no control " + Numero(passo.id));
    auto* botao = dynamic_cast<platform::ui::Button*>(controle);
    if (!botao) return Falhou(passo, "control " + Numero(passo.id) + " is no button");
    // The user cannot press what is greyed or not shown.
    if (!botao->IsWindowEnabled()) return Falhou(passo, "control " + Numero(passo.id) + " is disabled");
    if (!botao->IsWindowVisible()) return Falhou(passo, "control " + Numero(passo.id) + " is hidden");
    botao->SendMessage(platform::ui::BM_CLICK);
}

void ExecutorRoteiro::Confere(const PassoRoteiro& passo) {
    Wnd* controle = Controle(passo.janelas, passo.id, nullptr);
    const std::string erro = controle ? ConfereControle(*controle, passo) : "there is no control " + Numero(passo.id);
    if (!erro.empty()) Falhou(passo, erro);
}

void ExecutorRoteiro::Fim(const PassoRoteiro& passo) {
    Wnd* principal = platform::ui::AfxGetMainWnd();
    if (!principal) return Falhou(passo, "there is no main window");
    const platform::ui::HWND handle = principal->m_hWnd;
    principal->SendMessage(platform::ui::WM_CLOSE);
    if (Wnd::FromHandle(handle)) Falhou(passo, "the main window did not close");
}

Wnd* ExecutorRoteiro::Controle(const std::vector<platform::UINT>& janelas, platform::UINT id, Wnd* escopo) const {
    if (!janelas.empty()) {
        Wnd* dentro = escopo ? escopo : DialogoAberto(std::nullopt);
        if (!dentro) dentro = platform::ui::AfxGetMainWnd();
        for (const platform::UINT janela : janelas) {
            if (!dentro) return nullptr;
            dentro = ProcuraDescendente(*dentro, janela);
        }
        return dentro ? ProcuraDescendente(*dentro, id) : nullptr;
    }
    if (escopo) return ProcuraDescendente(*escopo, id);
    if (Wnd* dialogo = DialogoAberto(std::nullopt)) return ProcuraDescendente(*dialogo, id);
    Wnd* principal = platform::ui::AfxGetMainWnd();
    if (!principal) return nullptr;
    if (auto* quadro = dynamic_cast<platform::ui::FrameWnd*>(principal); quadro && quadro->GetActiveView()) {
        if (Wnd* controle = ProcuraDescendente(*quadro->GetActiveView(), id)) return controle;
    }
    return ProcuraDescendente(*principal, id);
}

int ExecutorRoteiro::AoSair() {
    std::optional<std::size_t> naoFeito = espera_;
    if (!caixas_.empty()) naoFeito = std::min(naoFeito.value_or(caixas_.front().passo), caixas_.front().passo);
    if (!dialogos_.empty()) naoFeito = std::min(naoFeito.value_or(*dialogos_.begin()), *dialogos_.begin());
    if (!naoFeito && proximo_ < passos_.size()) naoFeito = proximo_;
    if (!naoFeito) return 0;
    Falhou(passos_[*naoFeito], "the program ended before this step was done");
    return 1;
}

}  // namespace kelvo::roteiro
