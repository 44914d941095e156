#include "outside/editra/zt_arquivo_edit.h"

#include "platform/ui/app/win_app.h"
#include "platform/ui/message/dispatch_boundary.h"
#include "platform/ui/window/qt_text.h"

#include <QAction>
#include <QApplication>
#include <QCompleter>
#include <QFileDialog>
#include <QFileInfo>
#include <QDir>
#include <QLineEdit>
#include <QStringListModel>
#include <QStyle>

using platform::BOOL;
using platform::FALSE;
using platform::TRUE;
using platform::UINT;

namespace {

// The profile section of the kept folders, one value per key name.
constexpr const char* kSecaoPastas = "UltimaPasta";

CZTDialogoArquivoTeste& DialogoTeste() {
    static CZTDialogoArquivoTeste dialogo;
    return dialogo;
}

std::optional<platform::String> MostraDialogo(QWidget* dono, const CZTPedidoArquivo& pedido) {
    if (const CZTDialogoArquivoTeste& teste = DialogoTeste()) return teste(pedido);
    QFileDialog dialogo(dono, QString(), platform::ui::QtTextOf(pedido.strPastaInicial));
    dialogo.setAcceptMode(QFileDialog::AcceptOpen);
    dialogo.setFileMode(pedido.bVerificaExistencia ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    if (dialogo.exec() != QDialog::Accepted || dialogo.selectedFiles().isEmpty()) return std::nullopt;
    return platform::ui::AnsiTextOf(dialogo.selectedFiles().front());
}

}  // namespace

BOOL CZTArquivoEdit::Create(UINT style, const platform::ui::Rect& rect, platform::ui::Wnd* pai, UINT id, const char* texto) {
    if (!CZTEditDF::Create(style, rect, pai, id, texto)) return FALSE;
    CriaBotao();
    return TRUE;
}

void CZTArquivoEdit::OnTakeOver(platform::ui::Wnd& previous) {
    CZTEditDF::OnTakeOver(previous);
    CriaBotao();
}

void CZTArquivoEdit::CriaBotao() {
    auto* editor = qobject_cast<QLineEdit*>(GetWidget());
    if (!editor) return;
    QAction* procura = editor->addAction(editor->style()->standardIcon(QStyle::SP_DirOpenIcon), QLineEdit::TrailingPosition);
    const platform::ui::HWND self = m_hWnd;
    QObject::connect(procura, &QAction::triggered, editor, [self] {
        if (auto* edit = dynamic_cast<CZTArquivoEdit*>(FromHandle(self))) platform::ui::RunGuarded([edit] { edit->Procura(); });
    });
}

void CZTArquivoEdit::SetCompletaPasta(BOOL completa) {
    auto* editor = qobject_cast<QLineEdit*>(GetWidget());
    if (!editor) return;
    delete editor->completer();
    if (!completa) return;
    // The names of the typed folder, listed again whenever the typed folder changes.
    auto* completador = new QCompleter(editor);
    auto* nomes = new QStringListModel(completador);
    completador->setModel(nomes);
    editor->setCompleter(completador);
    QObject::connect(editor, &QLineEdit::textEdited, completador,
                     [editor, completador, nomes, listada = QString()](const QString& texto) mutable {
        const QString pasta = texto.left(texto.lastIndexOf(u'/') + 1);
        if (pasta.isEmpty() || pasta == listada) return;
        listada = pasta;
        QStringList caminhos;
        for (const QString& nome : QDir(pasta).entryList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name)) caminhos << pasta + nome;
        nomes->setStringList(caminhos);
        completador->setCompletionPrefix(texto);
        if (editor->hasFocus()) completador->complete();
    });
}

BOOL CZTArquivoEdit::Procura() {
    const std::optional<platform::String> caminho = MostraDialogo(GetWidget(), {m_nTipo, m_bVerificaExistencia, PastaGuardada()});
    if (!caminho) return FALSE;
    SetTexto(*caminho);
    GuardaPasta(*caminho);
    return TRUE;
}

CZTDialogoArquivoTeste CZTArquivoEdit::SetDialogoTeste(CZTDialogoArquivoTeste dialogo) {
    return std::exchange(DialogoTeste(), std::move(dialogo));
}

platform::String CZTArquivoEdit::PastaGuardada() const {
    platform::ui::WinApp* app = platform::ui::AfxGetApp();
    if (!app || m_strChave.IsEmpty()) return {};
    return app->GetProfileString(kSecaoPastas, m_strChave, "");
}

void CZTArquivoEdit::GuardaPasta(const platform::String& caminho) const {
    platform::ui::WinApp* app = platform::ui::AfxGetApp();
    if (!app || m_strChave.IsEmpty()) return;
    const QString pasta = QFileInfo(platform::ui::QtTextOf(caminho)).absolutePath();
    app->WriteProfileString(kSecaoPastas, m_strChave, platform::ui::AnsiTextOf(pasta));
}
