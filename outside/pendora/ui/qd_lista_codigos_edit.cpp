#include "outside/pendora/ui/qd_lista_codigos_edit.h"

#include "outside/pendora/qd_app_info.h"
#include "platform/ui/message/dispatch_boundary.h"
#include "platform/ui/window/qt_text.h"

#include <QCompleter>
#include <QLineEdit>
#include <QStandardItemModel>

using platform::BOOL;
using platform::FALSE;
using platform::TRUE;
using platform::UINT;

namespace {

// The role that holds an entry's code: what is matched and what is put into the edit, while
// the list shows code and description.
constexpr int kPapelCodigo = Qt::UserRole + 1;

// Where the last code of a list of codes begins: after the last separator and its blanks.
qsizetype InicioUltimoCodigo(const QString& texto) {
    qsizetype inicio = texto.lastIndexOf(u',') + 1;
    while (inicio < texto.size() && texto[inicio] == u' ') ++inicio;
    return inicio;
}

// The completion of an edit that holds one code, or of the last code of a list of codes, the
// codes before it kept as typed.
class CompletaCodigo final : public QCompleter {
public:
    CompletaCodigo(QAbstractItemModel* modelo, bool bLista, QObject* pai) : QCompleter(modelo, pai), m_bLista(bLista) {
        setCompletionRole(kPapelCodigo);
        setCaseSensitivity(Qt::CaseInsensitive);
    }

    QStringList splitPath(const QString& texto) const override {
        return {m_bLista ? texto.mid(InicioUltimoCodigo(texto)) : texto};
    }
    QString pathFromIndex(const QModelIndex& indice) const override {
        const QString codigo = indice.data(kPapelCodigo).toString();
        if (!m_bLista) return codigo;
        auto* editor = qobject_cast<QLineEdit*>(widget());
        const QString texto = editor ? editor->text() : QString();
        return texto.left(InicioUltimoCodigo(texto)) + codigo;
    }

private:
    bool m_bLista;
};

}  // namespace

BOOL CQDListaCodigosEdit::Create(UINT style, const platform::ui::Rect& rect, platform::ui::Wnd* pai, UINT id,
                                 const char* texto) {
    if (!CZTEditDF::Create(style, rect, pai, id, texto)) return FALSE;
    Liga();
    return TRUE;
}

void CQDListaCodigosEdit::OnTakeOver(platform::ui::Wnd& previous) {
    CZTEditDF::OnTakeOver(previous);
    Liga();
}

void CQDListaCodigosEdit::SetStatic(UINT idStatic) {
    m_idStatic = idStatic;
    MostraDescricao();
}

void CQDListaCodigosEdit::SetOptions(UINT nOpcao1, UINT nOpcao2) {
    m_nOpcao1 = nOpcao1;
    m_nOpcao2 = nOpcao2;
}

BOOL CQDListaCodigosEdit::QdInicializa() {
    m_itens.clear();
    CQDAppInfo* appInfo = CQDAppInfo::GetInstance();
    const bool bLido = appInfo->TemConexao() && platform::SUCCEEDED(LeItens(appInfo->GetConexao(), m_itens));
    if (!bLido) m_itens.clear();
    OfereceItens();
    MostraDescricao();
    return bLido ? TRUE : FALSE;
}

const CQDItemCodigo* CQDListaCodigosEdit::ProcuraCodigo(const platform::String& codigo) const {
    for (const CQDItemCodigo& item : m_itens) {
        if (item.strCodigo == codigo) return &item;
    }
    return nullptr;
}

const CQDItemCodigo* CQDListaCodigosEdit::ProcuraPosicao(std::uint32_t lPosicao) const {
    if (lPosicao == 0) return nullptr;
    for (const CQDItemCodigo& item : m_itens) {
        if (item.lPosicao == lPosicao) return &item;
    }
    return nullptr;
}

void CQDListaCodigosEdit::Liga() {
    auto* editor = qobject_cast<QLineEdit*>(GetWidget());
    if (!editor || m_hLigada == m_hWnd) return;
    m_hLigada = m_hWnd;
    editor->setCompleter(new CompletaCodigo(new QStandardItemModel(editor), IsLista(), editor));
    const platform::ui::HWND self = m_hWnd;
    QObject::connect(editor, &QLineEdit::textChanged, editor, [self] {
        if (auto* edit = dynamic_cast<CQDListaCodigosEdit*>(FromHandle(self))) {
            platform::ui::RunGuarded([edit] { edit->MostraDescricao(); });
        }
    });
    OfereceItens();
    MostraDescricao();
}

void CQDListaCodigosEdit::OfereceItens() {
    auto* editor = qobject_cast<QLineEdit*>(GetWidget());
    QCompleter* completador = editor ? editor->completer() : nullptr;
    auto* modelo = completador ? qobject_cast<QStandardItemModel*>(completador->model()) : nullptr;
    if (!modelo) return;
    modelo->clear();
    for (const CQDItemCodigo& item : m_itens) {
        auto* entrada = new QStandardItem(platform::ui::QtTextOf(item.strCodigo + " - " + item.strDescricao));
        entrada->setData(platform::ui::QtTextOf(item.strCodigo), kPapelCodigo);
        modelo->appendRow(entrada);
    }
}

void CQDListaCodigosEdit::MostraDescricao() {
    platform::ui::Wnd* pai = GetParent();
    platform::ui::Wnd* estatico = pai && m_idStatic ? pai->GetDlgItem(m_idStatic) : nullptr;
    if (!estatico) return;
    platform::String texto;
    GetWindowText(texto);
    estatico->SetWindowText(Descricao(texto));
}
