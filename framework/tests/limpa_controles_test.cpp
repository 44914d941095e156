// Clearing and enabling a form's controls on real widgets: each kind cleared its own way, a
// control the form keeps, the tab stops visited once each, the pages cleared their own way; the
// enabling walk leaving statics and IDCANCEL enabled and reaching the pages.
#include "framework/form/zt_fc_controles.h"
#include "framework/tests/formulario_teste.h"
#include "platform/interaction.h"
#include "platform/ui/control/button.h"
#include "platform/ui/control/combo_box.h"

#include <QtTest>

#include <memory>

using namespace platform;
using namespace platform::ui;
using namespace framework::testing;

namespace {

QString Texto(const Wnd& janela, UINT id) {
    String texto;
    janela.GetDlgItem(id)->GetWindowText(texto);
    return QString::fromLatin1(texto.GetString());
}

UINT Marca(const Dialog& janela, UINT id) { return janela.IsDlgButtonChecked(static_cast<int>(id)); }

}  // namespace

class LimpaControlesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { RegistraFormulariosTeste(); }
    void init() {
        frame_ = std::make_unique<Wnd>();
        QVERIFY(frame_->Create(nullptr, 0, {0, 0, 700, 420}));
        frame_->ShowWindow(SW_SHOW);
        QVERIFY(QTest::qWaitForWindowActive(frame_->GetWidget()));
        form_ = std::make_unique<FormTeste>();
        QVERIFY(form_->Create(kFormTeste, frame_.get()));
        form_->CheckDlgButton(kRadioB, BST_CHECKED);
        form_->CheckDlgButton(kRadioC, BST_CHECKED);
        form_->CheckDlgButton(kAtivo, BST_CHECKED);
        static_cast<ComboBox*>(form_->GetDlgItem(kTipo))->SetCurSel(2);
        form_->SetDlgItemText(kCidade, "Recife");
    }
    void cleanup() {
        form_.reset();
        frame_.reset();
    }

    // Each kind is cleared its own way; disabled, hidden, non-stop controls, buttons and
    // statics keep what they show.
    void eachKindIsClearedItsOwnWay_data() {
        QTest::addColumn<UINT>("id");
        QTest::addColumn<QString>("depois");
        // A plain edit, a want-return edit and a combo without items lose their text.
        QTest::newRow("edit") << kNome << "";
        QTest::newRow("want-return edit") << kNotas << "";
        QTest::newRow("combo without items") << kCidade << "";
        // The list combo goes back to its first item, not to no selection.
        QTest::newRow("combo with items") << kTipo << "Contrato";
        // The walk reaches only enabled, visible tab stops.
        QTest::newRow("disabled edit") << kTravado << "Travado";
        QTest::newRow("hidden edit") << kOculto << "Oculto";
        QTest::newRow("edit that is no tab stop") << kSemParada << "Sem parada";
        // A push button is no value: its caption stays.
        QTest::newRow("push button") << kGravar << "Gravar";
        QTest::newRow("static") << kRotulo << "Nome:";
        // The form answered WM_APP+2 non-zero for it.
        QTest::newRow("kept by the form") << kGuardado << "Guardado";
    }
    void eachKindIsClearedItsOwnWay() {
        QFETCH(UINT, id);
        QFETCH(QString, depois);
        form_->mantidos = {kGuardado};
        ZTFCLimpaControles(*form_);
        QCOMPARE(Texto(*form_, id), depois);
    }

    // Check boxes and radios are unchecked by kind: the check box, and the radio group the walk
    // reached, every radio of it (the walk lands on one of them only).
    void checkBoxesAndWholeRadioGroupsAreUnchecked() {
        ZTFCLimpaControles(*form_);
        QCOMPARE(Marca(*form_, kAtivo), BST_UNCHECKED);
        QCOMPARE(Marca(*form_, kRadioB), BST_UNCHECKED);
        QCOMPARE(Marca(*form_, kRadioC), BST_UNCHECKED);
    }

    // A suite edit is cleared through its own text setter, once.
    void suiteEditGetsItsOwnSetter() {
        ZTFCLimpaControles(*form_);
        QCOMPARE(form_->codigo.textos, std::vector<std::string>{""});
        QCOMPARE(Texto(*form_, kCodigo), QString());
    }

    // The form is asked about each tab stop once, in tab order, from the radio group's checked
    // radio round to the tab control (the disabled IDCANCEL is no stop), even though the group's stop moves as it is cleared.
    void eachStopIsAskedOnceInTabOrder() {
        ZTFCLimpaControles(*form_);
        const std::vector<UINT> esperados{kRadioB, kNome, kCodigo, kGuardado, kTipo, kCidade, kAtivo, kNotas, kGravar, UINT{IDOK}, kAbas};
        QCOMPARE(form_->perguntados, esperados);
    }

    // A form-side page clears itself (its LimpaCampos), a plain page by the same walk.
    void pagesAreClearedTheirOwnWay() {
        ZTFCLimpaControles(*form_);
        QCOMPARE(form_->pagina.limpezas, 1);
        QCOMPARE(Texto(form_->pagina, kPaginaEdit), QString());
        QCOMPARE(Texto(form_->paginaSimples, kSimplesEdit), QString());
    }

    // Disabling leaves statics and IDCANCEL enabled (IDCANCEL even when it was disabled);
    // enabling reaches the controls of every page.
    void enablingLeavesStaticsAndCancel() {
        ZTFCHabilitaControles(*form_, FALSE);
        QVERIFY(!form_->GetDlgItem(kNome)->IsWindowEnabled());
        QVERIFY(!form_->GetDlgItem(IDOK)->IsWindowEnabled());
        QVERIFY(!form_->GetDlgItem(kAtivo)->IsWindowEnabled());
        QVERIFY(!form_->GetDlgItem(kAbas)->IsWindowEnabled());
        QVERIFY(form_->GetDlgItem(kRotulo)->IsWindowEnabled());
        QVERIFY(form_->GetDlgItem(IDCANCEL)->IsWindowEnabled());

        ZTFCHabilitaControles(*form_, TRUE);
        QVERIFY(form_->GetDlgItem(kNome)->IsWindowEnabled());
        QVERIFY(form_->GetDlgItem(kTravado)->IsWindowEnabled());
        QVERIFY(form_->pagina.GetDlgItem(kPaginaTravado)->IsWindowEnabled());
    }

private:
    std::unique_ptr<Wnd> frame_;
    std::unique_ptr<FormTeste> form_;
};

QTEST_MAIN(LimpaControlesTest)
#include "limpa_controles_test.moc"
