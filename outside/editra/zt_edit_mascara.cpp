#include "outside/editra/zt_edit_mascara.h"

#include "platform/ui/message/dispatch_boundary.h"

#include <QLineEdit>

#include <string_view>

using platform::BOOL;
using platform::UINT;

namespace {

constexpr char kPosicao = '#';

bool IsDigito(QChar c) { return c >= u'0' && c <= u'9'; }

// A text laid over a mask and where its cursor goes: after the digit that was before it.
struct TextoMascarado {
    QString texto;
    int cursor = 0;
};

// `digitos` laid over `mascara`, at most `limite` characters (0: no limit); the cursor follows
// the first `antesDoCursor` digits.
TextoMascarado Mascara(const QString& digitos, int antesDoCursor, std::string_view mascara, int limite) {
    TextoMascarado resultado;
    int usados = 0;
    for (const char posicao : mascara) {
        if (usados == digitos.size()) break;
        if (limite > 0 && resultado.texto.size() >= limite) break;
        if (posicao == kPosicao) {
            resultado.texto += digitos[usados++];
            if (usados == antesDoCursor) resultado.cursor = static_cast<int>(resultado.texto.size());
        } else {
            resultado.texto += QChar::fromLatin1(posicao);
        }
    }
    // A separator written last waits for the digit after it.
    while (!resultado.texto.isEmpty() && !IsDigito(resultado.texto.back())) resultado.texto.chop(1);
    if (antesDoCursor >= usados) resultado.cursor = static_cast<int>(resultado.texto.size());
    return resultado;
}

}  // namespace

BOOL CZTEditMascara::Create(UINT style, const platform::ui::Rect& rect, platform::ui::Wnd* pai, UINT id, const char* texto) {
    if (!CZTEditDF::Create(style, rect, pai, id, texto)) return platform::FALSE;
    LigaMascara();
    return platform::TRUE;
}

void CZTEditMascara::OnTakeOver(platform::ui::Wnd& previous) {
    CZTEditDF::OnTakeOver(previous);
    LigaMascara();
}

void CZTEditMascara::SetMascara(const char* mascara) {
    m_strMascara = mascara ? mascara : "";
    LigaMascara();
}

void CZTEditMascara::SetOptions(UINT nOpcao1, UINT nOpcao2) {
    m_nOpcao1 = nOpcao1;
    m_nOpcao2 = nOpcao2;
}

void CZTEditMascara::LigaMascara() {
    auto* editor = qobject_cast<QLineEdit*>(GetWidget());
    if (!editor || m_hLigada == m_hWnd) return;
    m_hLigada = m_hWnd;
    const platform::ui::HWND self = m_hWnd;
    // textEdited comes from the user's edits only: a text the program sets stays whole.
    QObject::connect(editor, &QLineEdit::textEdited, editor, [self] {
        if (auto* edit = dynamic_cast<CZTEditMascara*>(FromHandle(self))) platform::ui::RunGuarded([edit] { edit->AplicaMascara(); });
    });
}

void CZTEditMascara::AplicaMascara() {
    auto* editor = qobject_cast<QLineEdit*>(GetWidget());
    if (!editor || m_strMascara.IsEmpty()) return;
    const QString digitado = editor->text();
    QString digitos;
    int antesDoCursor = 0;
    for (int i = 0; i < digitado.size(); ++i) {
        if (!IsDigito(digitado[i])) continue;
        digitos += digitado[i];
        if (i < editor->cursorPosition()) antesDoCursor = static_cast<int>(digitos.size());
    }
    const TextoMascarado mascarado = Mascara(digitos, antesDoCursor, m_strMascara.str(), static_cast<int>(GetLimitText()));
    if (mascarado.texto == digitado) return;
    editor->setText(mascarado.texto);
    editor->setCursorPosition(mascarado.cursor);
}
