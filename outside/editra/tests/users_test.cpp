// The suite's user and branch widgets over a company seeded in a private registry store: the
// users offered follow the module's rights and a subclass's user test, the branch edit offers
// deactivated branches only when asked and knows a single active one, and the user combo's
// items carry user codes behind a first "(Todos)" of code 0.
#include "outside/conexo/conexo_dados.h"
#include "outside/conexo/conexo_direitos.h"
#include "outside/editra/zt_combo_usuarios.h"
#include "outside/editra/zt_filial_edit.h"
#include "outside/editra/zt_multi_usuario_edit.h"
#include "platform/tests/support/test_environment.h"
#include "platform/ui/control/static.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QLineEdit>
#include <QtTest>

#include <cstring>
#include <memory>
#include <vector>

using namespace platform;
using namespace platform::ui;

namespace {

constexpr char kEmpresa[] = "EMP1";
constexpr std::uint16_t kModulo = 21;
constexpr UINT kEdit = 100;
constexpr UINT kOutro = 101;
constexpr UINT kStatic = 1012;
constexpr UINT kCombo = 1022;

// The company's users: who holds a right of module 21, and how.
enum Usuario : std::uint16_t { kAna = 1, kBruno = 2, kCarla = 3, kSupervisor = 4, kDavi = 5 };

HRESULT GravaUsuario(std::uint16_t codigo, const char* nome, std::uint8_t supervisor, std::uint16_t pai,
                     const std::vector<CONEXO_DIREITO>& direitos) {
    REGUSU_PS reg;
    reg.iCodigo = codigo;
    reg.iCodigoPai = pai;
    reg.bSupervisor = supervisor;
    std::strncpy(reg.szNome, nome, sizeof reg.szNome - 1);
    if (const HRESULT hr = ConexoGravaUsuario(kEmpresa, reg, {1}); FAILED(hr)) return hr;
    return ConexoGravaDireitos(kEmpresa, codigo, direitos);
}

// Ana holds a right of 21; Bruno only of another module; Carla none but her parent Ana does;
// the supervisor holds every right; Davi holds none.
HRESULT GravaUsuarios() {
    for (const HRESULT hr : {GravaUsuario(kAna, "Ana", 0, 0, {{kModulo, 1}}), GravaUsuario(kBruno, "Bruno", 0, 0, {{1, 33}}),
                             GravaUsuario(kCarla, "Carla", 0, kAna, {}), GravaUsuario(kSupervisor, "Supervisor", 1, 0, {}),
                             GravaUsuario(kDavi, "Davi", 0, 0, {{1, kModulo}})}) {
        if (FAILED(hr)) return hr;
    }
    return S_OK;
}

String TextoDe(const Wnd& janela) {
    String texto;
    janela.GetWindowText(texto);
    return texto;
}

std::vector<std::uint16_t> Codigos(const std::vector<REGUSU_PS>& usuarios) {
    std::vector<std::uint16_t> codigos;
    for (const REGUSU_PS& reg : usuarios) codigos.push_back(reg.iCodigo);
    return codigos;
}

// A picker whose user test also hides one user, and that may refuse typing.
class EditSemUsuario final : public CMultiUsuarioEdit {
public:
    std::uint16_t escondido = 0;
    bool habilitado = true;

    BOOL IsHabilitado() const override { return habilitado && CMultiUsuarioEdit::IsHabilitado() ? TRUE : FALSE; }

protected:
    BOOL TestaUsuario(const REGUSU_PS& reg) const override {
        return CMultiUsuarioEdit::TestaUsuario(reg) && reg.iCodigo != escondido ? TRUE : FALSE;
    }
};

}  // namespace

class UsersTest : public QObject {
    Q_OBJECT

    std::unique_ptr<kelvo::testing::TestEnvironment> ambiente_;
    std::unique_ptr<Wnd> janela_;
    std::unique_ptr<Static> estatico_;
    std::unique_ptr<Edit> outro_;

    template <class Picker>
    std::unique_ptr<Picker> NovoPicker() {
        auto edit = std::make_unique<Picker>();
        if (!edit->Create(0, {10, 10, 200, 34}, janela_.get(), kEdit)) return nullptr;
        edit->SetStatic(kStatic);
        return edit;
    }

    // Types `teclas` into the picker and moves the focus on, as a user leaving the field.
    void Digita(Wnd& edit, const char* teclas) {
        edit.SetFocus();
        QTRY_VERIFY(edit.GetWidget()->hasFocus());
        auto* editor = qobject_cast<QLineEdit*>(edit.GetWidget());
        editor->selectAll();
        QTest::keyClicks(editor, teclas);
        outro_->SetFocus();
        QTRY_VERIFY(outro_->GetWidget()->hasFocus());
    }

private slots:
    void init() {
        ambiente_ = std::make_unique<kelvo::testing::TestEnvironment>();
        QCOMPARE(GravaUsuarios(), S_OK);
        janela_ = std::make_unique<Wnd>();
        QVERIFY(janela_->Create(nullptr, 0, {0, 0, 400, 200}));
        estatico_ = std::make_unique<Static>();
        QVERIFY(estatico_->Create("", {10, 40, 390, 60}, janela_.get(), kStatic));
        outro_ = std::make_unique<Edit>();
        QVERIFY(outro_->Create(0, {10, 70, 200, 94}, janela_.get(), kOutro));
        janela_->ShowWindow(SW_SHOW);
        QVERIFY(QTest::qWaitForWindowActive(janela_->GetWidget()));
    }
    void cleanup() {
        outro_.reset();
        estatico_.reset();
        janela_.reset();
        ambiente_.reset();
    }

    // Users without a right of the module (Bruno, Davi) are neither offered nor kept when typed;
    // a parent's right and a supervisor count. A picker without a module offers everyone.
    void usersWithoutTheModuleRightAreNotOffered() {
        auto edit = NovoPicker<CMultiUsuarioEdit>();
        QVERIFY(edit);
        edit->SetAcessoModuloObrigatorio(kModulo);
        QVERIFY(edit->Inicializa(kEmpresa, 1));
        QCOMPARE(Codigos(edit->GetUsuariosOferecidos()), (std::vector<std::uint16_t>{kAna, kCarla, kSupervisor}));
        Digita(*edit, "1, 2, 5, 3");
        QCOMPARE(edit->GetUsuarios(), (std::vector<std::uint16_t>{kAna, kCarla}));
        QCOMPARE(QString(TextoDe(*edit)), QString("1, 3"));
        QCOMPARE(QString(TextoDe(*estatico_)), QString("Ana, Carla"));

        auto todos = NovoPicker<CMultiUsuarioEdit>();
        QVERIFY(todos->Inicializa(kEmpresa, 1));
        QCOMPARE(todos->GetUsuariosOferecidos().size(), std::size_t{5});
    }

    // The subclass's test hides Ana from the offer and from typing; Refresh applies a changed
    // test; a picker that is not enabled ignores what is typed.
    void subclassUserTestHidesAUser() {
        auto edit = NovoPicker<EditSemUsuario>();
        QVERIFY(edit);
        edit->escondido = kAna;
        edit->SetAcessoModuloObrigatorio(kModulo);
        QVERIFY(edit->Inicializa(kEmpresa, 1));
        QCOMPARE(Codigos(edit->GetUsuariosOferecidos()), (std::vector<std::uint16_t>{kCarla, kSupervisor}));
        Digita(*edit, "1, 4");
        QCOMPARE(edit->GetUsuarios(), (std::vector<std::uint16_t>{kSupervisor}));
        QCOMPARE(QString(TextoDe(*estatico_)), QString("Supervisor"));

        edit->escondido = kSupervisor;
        QVERIFY(edit->Refresh());
        QCOMPARE(Codigos(edit->GetUsuariosOferecidos()), (std::vector<std::uint16_t>{kAna, kCarla}));

        edit->habilitado = false;
        Digita(*edit, "1");
        QCOMPARE(edit->GetUsuarios(), (std::vector<std::uint16_t>{kSupervisor}));
        QCOMPARE(QString(TextoDe(*edit)), QString("4"));
    }

    // Typing the start of a name after the codes offers the offered users of that name only
    // (Bruno has no right); choosing one writes its code after the codes typed before.
    void typedNameIsCompletedToItsCode() {
        auto edit = NovoPicker<CMultiUsuarioEdit>();
        QVERIFY(edit);
        edit->SetAcessoModuloObrigatorio(kModulo);
        QVERIFY(edit->Inicializa(kEmpresa, 1));
        edit->SetFocus();
        QTRY_VERIFY(edit->GetWidget()->hasFocus());
        auto* editor = qobject_cast<QLineEdit*>(edit->GetWidget());
        QTest::keyClicks(editor, "1, b");
        QCOMPARE(editor->completer()->completionCount(), 0);
        QTest::keyClick(editor, Qt::Key_Backspace);
        QTest::keyClicks(editor, "c");
        QCOMPARE(editor->completer()->completionCount(), 1);
        QTRY_VERIFY(editor->completer()->popup()->isVisible());
        QTest::keyClick(editor->completer()->popup(), Qt::Key_Down);
        QTest::keyClick(editor->completer()->popup(), Qt::Key_Return);
        QCOMPARE(editor->text(), QString("1, 3"));
        outro_->SetFocus();
        QTRY_VERIFY(outro_->GetWidget()->hasFocus());
        QCOMPARE(edit->GetUsuarios(), (std::vector<std::uint16_t>{kAna, kCarla}));
    }

    // The program's list: emptied, filled in its order, shown by Atualiza, read back; a form's
    // clearing (SetTexto "") empties it.
    void programListShowsAndReadsBack() {
        auto edit = NovoPicker<CMultiUsuarioEdit>();
        QVERIFY(edit);
        edit->SetAcessoModuloObrigatorio(kModulo);
        QVERIFY(edit->Inicializa(kEmpresa, 7));
        QCOMPARE(edit->GetFilial(), std::uint16_t{7});
        edit->AdicionaUsuario(kAna);
        edit->RemoveTodos();
        // The program may list a user the picker does not offer (Bruno); only offered ones are named.
        for (const std::uint16_t codigo : {kCarla, kAna, kCarla, kBruno}) edit->AdicionaUsuario(codigo);
        edit->Atualiza();
        const std::vector<std::uint16_t> lista{kCarla, kAna, kBruno};
        QCOMPARE(edit->GetUsuarios(), lista);
        QCOMPARE(QString(TextoDe(*edit)), QString("3, 1, 2"));
        QCOMPARE(QString(TextoDe(*estatico_)), QString("Carla, Ana"));
        // Passing through the field without typing keeps the list as the program set it.
        Digita(*edit, "");
        QCOMPARE(edit->GetUsuarios(), lista);
        edit->SetTexto("");
        QVERIFY(edit->GetUsuarios().empty());
        QCOMPARE(QString(TextoDe(*estatico_)), QString());
    }

    // Norte is deactivated: offered, named and chosen only while deactivated branches are shown;
    // Matriz is then the single active branch, until Sul is added. 0 is every branch.
    void branchEditShowsDeactivatedAndReportsASingleActive() {
        QCOMPARE(ConexoGravaFilial(kEmpresa, 1, "Matriz"), S_OK);
        QCOMPARE(ConexoGravaFilial(kEmpresa, 2, "Norte"), S_OK);
        QCOMPARE(ConexoGravaFilialDesativada(kEmpresa, 2, true), S_OK);

        auto edit = NovoPicker<CFilialEdit>();
        QVERIFY(edit);
        QVERIFY(edit->Inicializa(kEmpresa, 1));
        QCOMPARE(edit->GetFilialAtual(), std::uint16_t{1});
        QVERIFY(edit->IsFilialUnica());
        QCOMPARE(edit->GetFiliaisOferecidas().size(), std::size_t{1});
        edit->SetFilial(2);
        QCOMPARE(edit->GetFilial(), std::uint16_t{0});
        QCOMPARE(QString(TextoDe(*estatico_)), QString(CFilialEdit::kTextoTodas));

        auto desativadas = NovoPicker<CFilialEdit>();
        desativadas->SetMostraDesativadas(TRUE);
        QVERIFY(desativadas->Inicializa(kEmpresa, 1));
        QCOMPARE(desativadas->GetFiliaisOferecidas().size(), std::size_t{2});
        QVERIFY(desativadas->GetFiliaisOferecidas()[1].bDesativada);
        Digita(*desativadas, "2");
        QCOMPARE(desativadas->GetFilial(), std::uint16_t{2});
        QCOMPARE(QString(TextoDe(*estatico_)), QString("Norte"));
        // A deactivated branch does not make the active one less single.
        QVERIFY(desativadas->IsFilialUnica());
        Digita(*desativadas, "9");
        QCOMPARE(desativadas->GetFilial(), std::uint16_t{0});

        QCOMPARE(ConexoGravaFilial(kEmpresa, 3, "Sul"), S_OK);
        QVERIFY(edit->Inicializa(kEmpresa, 3));
        QVERIFY(!edit->IsFilialUnica());
        Digita(*edit, "3");
        QCOMPARE(edit->GetFilial(), std::uint16_t{3});
        QCOMPARE(QString(TextoDe(*estatico_)), QString("Sul"));
    }

    // "(Todos)" is item 0 with code 0, each other item's data is its user's code, selection by
    // CB_SETCURSEL reads back as that code; the first item set after filling comes first too.
    void todosGivesZeroAndItemsCarryUserCodes() {
        CComboUsuarios combo;
        QVERIFY(combo.Create(CBS_DROPDOWNLIST, {10, 100, 200, 124}, janela_.get(), kCombo));
        QVERIFY(combo.Inicializa(kEmpresa, 1, 9));
        QCOMPARE(combo.GetSessao(), std::uint16_t{9});
        QCOMPARE(combo.GetCount(), 5);
        combo.SetUtilizaNenhum(TRUE, "(Todos)");
        QCOMPARE(combo.GetCount(), 6);
        const std::vector<std::uint16_t> codigos{0, kAna, kBruno, kCarla, kSupervisor, kDavi};
        for (int i = 0; i < combo.GetCount(); ++i) {
            QCOMPARE(combo.SendMessage(CB_SETCURSEL, static_cast<WPARAM>(i)), static_cast<LRESULT>(i));
            QCOMPARE(combo.GetUsuarioSelecionado(), codigos[static_cast<std::size_t>(i)]);
            QCOMPARE(static_cast<std::uint16_t>(combo.GetItemData(i)), codigos[static_cast<std::size_t>(i)]);
        }
        QCOMPARE(combo.SendMessage(CB_SETCURSEL, 3), LRESULT{3});
        QCOMPARE(QString(TextoDe(combo)), QString("Carla"));
        combo.SendMessage(CB_SETCURSEL, 0);
        QCOMPARE(QString(TextoDe(combo)), QString("(Todos)"));
    }
};

QTEST_MAIN(UsersTest)
#include "users_test.moc"
