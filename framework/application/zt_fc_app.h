// CZTFCApp: the framework's application layer, the base of every interactive program's
// application: its title, its user object and how an error object is reported.
//
// The title captions the framework's boxes and the main window, and names the registry profile
// after SetChaveRegistro. The application owns its user object. While it lives, the exceptions
// that reach the window layer's dispatch boundary are settled by the framework's rules
// (zt_fc_excecao_nao_tratada.h). User-interface thread only.
#pragma once

#include "framework/app/zt_fc_usuario.h"
#include "platform/ui/app/win_app.h"
#include "platform/ui/message/dispatch_boundary.h"
#include "util/text/zt_string.h"

#include <memory>

class CZTFCException;
class CZTFCValidador;

class CZTFCApp : public platform::ui::WinApp {
public:
    // No name, an empty title, no user object; registers the navigation's page messages.
    CZTFCApp();
    // Deletes the user object, then the title; puts the previous exception handler back.
    ~CZTFCApp() override;
    CZTFCApp(const CZTFCApp&) = delete;
    CZTFCApp& operator=(const CZTFCApp&) = delete;

    void SetTitulo(const char* titulo) { m_strTitulo = titulo; }
    [[nodiscard]] const CZTString& GetTitulo() const { return m_strTitulo; }

    // Deletes the current user object and keeps `usuario` (owned; null: none).
    void SetUsuario(CZTFCUsuario* usuario) { m_pUsuario.reset(usuario); }
    [[nodiscard]] CZTFCUsuario* GetUsuario() const { return m_pUsuario.get(); }

    // Keeps the profile under "Software\<chave>" and names it after the title, so that the
    // program's settings live under the key and the title.
    void SetChaveRegistro(const char* chave);

    // Reports an error object as it is constructed; the result says whether it was shown. Here:
    // when the main window is a frame whose active document can be wound up (CZTFCFinalizavel),
    // that document's OnFinaliza; always false.
    virtual bool TrataErro(CZTFCException& erro);

    // Tells the user why `validador` failed: its own text, else the text its form or dialog
    // formats for it (FormataMensagemValidacao), in a warning box over the main window captioned
    // with the title. An empty text shows no box.
    virtual void MostraErroValidacao(CZTFCValidador* validador);

    // Both do no more than the window layer's: the program's application does the work.
    platform::BOOL InitInstance() override;
    int ExitInstance() override;

private:
    // Declared in this order so that the user object goes before the title.
    CZTString m_strTitulo;
    std::unique_ptr<CZTFCUsuario> m_pUsuario;
    platform::ui::ExceptionHandler m_anteriorTratadorExcecoes;
};
