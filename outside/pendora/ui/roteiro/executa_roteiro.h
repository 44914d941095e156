// Carries out the test script's steps (le_roteiro.h) in the running program.
//
// Steps run in order, each once the one before is done and the event loop is idle; a step that
// answers a box or a dialog is done at once (its answer waits for the box or the dialog), a wait
// once a dialog or form of its template is shown. A box that no answer is waiting for, a step
// that cannot be carried out, and a program that ends with a step not done (an answer never
// used, a wait, a step not reached) end the script through its failure routine with a message
// that names the step. One executor at a time; user-interface thread.
#pragma once

#include "outside/pendora/ui/roteiro/passo_roteiro.h"
#include "platform/ui/box/message_box.h"
#include "platform/ui/box/shown_window.h"

#include <cstddef>
#include <deque>
#include <functional>
#include <optional>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace platform::ui {
class Wnd;
}

namespace kelvo::roteiro {

class ExecutorRoteiro {
public:
    // Told why the script failed; it ends the program (it need not return).
    using Falha = std::function<void(const std::string& mensagem)>;

    ExecutorRoteiro(std::vector<PassoRoteiro> passos, Falha falha);
    // Puts back the box hook and the shown-window watcher it replaced.
    ~ExecutorRoteiro();
    ExecutorRoteiro(const ExecutorRoteiro&) = delete;
    ExecutorRoteiro& operator=(const ExecutorRoteiro&) = delete;

    // Takes the program's boxes and hears of its windows shown; the first step runs once the
    // event loop is idle.
    void Inicia();
    // The program is ending: 0 when every step was done, else the failure for the first step
    // not done, and 1.
    int AoSair();

private:
    struct RespostaCaixa {
        int resposta;
        std::size_t passo;
    };

    void AgendaProximo();
    // The step due, once the loop is idle, then the answers that follow it.
    void ExecutaProximo();
    // The answer steps from the next one on, at once.
    void ExecutaRespostasSeguintes();
    // Carries out step `indice`; false when it waits for a window to show.
    bool Executa(std::size_t indice);
    void Falhou(const PassoRoteiro& passo, const std::string& motivo);

    int RespondeCaixa(const platform::String& texto);
    void ViuJanela(platform::UINT templateId, platform::ui::Wnd& janela);
    // Answers the open dialog of the step's template, else the next one shown.
    void ResponderDialogo(std::size_t indice);
    void Responde(std::size_t indice, platform::ui::Wnd& dialogo);
    void Digita(const PassoRoteiro& passo);
    // Chooses the step's entry; false (the failure told) when it cannot.
    bool Seleciona(const PassoRoteiro& passo, platform::ui::Wnd* escopo);
    // Presses the step's button as the user does; fails when the user could not.
    void Clica(const PassoRoteiro& passo);
    // Checks what the step's control shows.
    void Confere(const PassoRoteiro& passo);
    void Fim(const PassoRoteiro& passo);
    // A window of the template is visible, or was shown since the step before the wait began.
    [[nodiscard]] bool FoiMostrada(platform::UINT templateId) const;
    // The control `id` for a step: in `escopo` when given, else where le_roteiro.h says; inside
    // `janelas`, from the outside in, when the step names them.
    [[nodiscard]] platform::ui::Wnd* Controle(const std::vector<platform::UINT>& janelas, platform::UINT id,
                                              platform::ui::Wnd* escopo) const;
    // The open top-level dialog shown last (of the template, when given).
    [[nodiscard]] platform::ui::Wnd* DialogoAberto(std::optional<platform::UINT> templateId) const;

    std::vector<PassoRoteiro> passos_;
    Falha falha_;
    // The next step to run; while a wait is under way, the one after it.
    std::size_t proximo_ = 0;
    // The wait under way (its step), if any.
    std::optional<std::size_t> espera_;
    std::deque<RespostaCaixa> caixas_;
    // The dialog answers given and not yet used.
    std::set<std::size_t> dialogos_;
    // Windows shown, oldest first, with their templates.
    std::vector<std::pair<platform::UINT, platform::ui::HWND>> mostradas_;
    // How many were shown when the last step that is no wait began.
    std::size_t mostradasAntes_ = 0;
    platform::ui::BoxHook caixaAnterior_;
    platform::ui::ShownWindowWatcher observadorAnterior_;
    // Lives as long as the executor: a dialog hook left behind does nothing once it is gone.
    std::shared_ptr<ExecutorRoteiro*> vivo_;
};

}  // namespace kelvo::roteiro
