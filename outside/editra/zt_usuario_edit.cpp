#include "outside/editra/zt_usuario_edit.h"

#include "outside/editra/zt_usuarios_empresa.h"
#include "platform/ui/window/qt_text.h"

#include <QCompleter>
#include <QLineEdit>
#include <QStandardItemModel>

using platform::BOOL;
using platform::FALSE;
using platform::TRUE;

namespace {

// Completes the code being typed (the text after the last ',') from the offered users' names;
// the name chosen becomes its user's code.
class CompletadorUsuarios final : public QCompleter {
public:
    explicit CompletadorUsuarios(QLineEdit* editor) : QCompleter(editor), modelo_(new QStandardItemModel(this)), editor_(editor) {
        setModel(modelo_);
        setCaseSensitivity(Qt::CaseInsensitive);
        setCompletionMode(QCompleter::PopupCompletion);
    }

    void SetUsuarios(const std::vector<REGUSU_PS>& usuarios) {
        modelo_->clear();
        for (const REGUSU_PS& reg : usuarios) {
            auto* item = new QStandardItem(platform::ui::QtTextOf(reg.szNome));
            item->setData(QString::number(reg.iCodigo), Qt::UserRole);
            modelo_->appendRow(item);
        }
    }

    QStringList splitPath(const QString& caminho) const override { return {caminho.mid(caminho.lastIndexOf(u',') + 1).trimmed()}; }
    QString pathFromIndex(const QModelIndex& indice) const override {
        const QString texto = editor_->text();
        const int virgula = static_cast<int>(texto.lastIndexOf(u','));
        const QString antes = virgula < 0 ? QString() : texto.left(virgula + 1) + u' ';
        return antes + indice.data(Qt::UserRole).toString();
    }

private:
    QStandardItemModel* modelo_;
    QLineEdit* editor_;
};

}  // namespace

BOOL CUsuarioEdit::Inicializa(const char* empresa, std::uint16_t filial) {
    m_strEmpresa = empresa ? empresa : "";
    m_iFilial = filial;
    return Refresh();
}

BOOL CUsuarioEdit::Refresh() {
    std::vector<REGUSU_PS> usuarios;
    const platform::HRESULT hr = ZTLeUsuariosEmpresa(m_strEmpresa, usuarios);
    m_oferecidos.clear();
    for (const REGUSU_PS& reg : usuarios) {
        if (TestaUsuario(reg)) m_oferecidos.push_back(reg);
    }
    CompletaNomes();
    AtualizaStatic();
    return platform::FAILED(hr) ? FALSE : TRUE;
}

const REGUSU_PS* CUsuarioEdit::GetUsuarioOferecido(std::uint16_t codigo) const {
    for (const REGUSU_PS& reg : m_oferecidos) {
        if (reg.iCodigo == codigo) return &reg;
    }
    return nullptr;
}

void CUsuarioEdit::SetUsuario(std::uint16_t codigo) {
    m_iUsuario = codigo;
    MostraCodigos(codigo ? std::vector<std::uint16_t>{codigo} : std::vector<std::uint16_t>{});
    AtualizaStatic();
}

BOOL CUsuarioEdit::TestaUsuario(const REGUSU_PS& reg) const {
    return ZTUsuarioTemModulo(m_strEmpresa, reg, m_iModulo) ? TRUE : FALSE;
}

std::vector<std::uint16_t> CUsuarioEdit::CodigosOferecidosDoTexto() const {
    std::vector<std::uint16_t> codigos;
    for (const std::uint16_t codigo : CodigosDoTexto()) {
        if (GetUsuarioOferecido(codigo)) codigos.push_back(codigo);
    }
    return codigos;
}

platform::String CUsuarioEdit::NomesDe(const std::vector<std::uint16_t>& codigos) const {
    platform::String nomes;
    for (const std::uint16_t codigo : codigos) {
        const REGUSU_PS* reg = GetUsuarioOferecido(codigo);
        if (!reg) continue;
        if (!nomes.IsEmpty()) nomes += ", ";
        nomes += reg->szNome;
    }
    return nomes;
}

platform::String CUsuarioEdit::GetTextoStatic() const { return NomesDe({m_iUsuario}); }

void CUsuarioEdit::OnTextoDigitado(bool bDoUsuario) {
    if (!bDoUsuario || IsHabilitado()) {
        const std::vector<std::uint16_t> codigos = CodigosOferecidosDoTexto();
        m_iUsuario = codigos.empty() ? 0 : codigos.front();
    }
    SetUsuario(m_iUsuario);
}

void CUsuarioEdit::CompletaNomes() {
    auto* editor = qobject_cast<QLineEdit*>(GetWidget());
    if (!editor) return;
    auto* completador = dynamic_cast<CompletadorUsuarios*>(editor->completer());
    if (!completador) {
        completador = new CompletadorUsuarios(editor);
        editor->setCompleter(completador);
    }
    completador->SetUsuarios(m_oferecidos);
}
