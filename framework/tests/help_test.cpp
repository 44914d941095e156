// Context help: the context-help file's look-ups, the pages handed to the desktop's opener, and
// F1 in a program's and in a library's dialog.
#include "framework/help/zt_fc_ajuda.h"

#include "platform/system/library.h"
#include "platform/system/resource_module.h"
#include "platform/tests/support/fake_opener.h"
#include "platform/tests/support/test_environment.h"
#include "platform/ui/dialog/dialog.h"
#include "platform/ui/resource/resources.h"
#include "util/config/registry_functions.h"
#include "util/config/registry_names.h"

#include <QApplication>
#include <QWhatsThis>
#include <QtTest>

#include <memory>
#include <optional>

using namespace platform;
using namespace platform::ui;
using kelvo::testing::FakeOpener;
using kelvo::testing::TestEnvironment;
using kelvo::testing::WriteFile;

namespace {

constexpr UINT kDialogo = 500;
constexpr UINT kNome = 1001, kSemLink = 1002;
constexpr char kModulo[] = "Teste";

// A form with a help file and both form topics, and a control with and one without a link.
constexpr char kAjudaCompleta[] =
    "<?xml version=\"1.0\"?>\n<ajuda>\n"
    "  <form formName=\"CTIPOVIEW\" helpFile=\"tipos.chm\" ajudaKelvo=\"tipo.htm\" conteudoIndice=\"indice.htm\"/>\n"
    "  <CDlgAjuda helpFile=\"dialogo.chm\">\n"
    "    <controle idHelp=\"1001\" link=\"nome.htm\"/>\n"
    "    <controle idHelp=\"1002\"/>\n"
    "  </CDlgAjuda>\n"
    "</ajuda>\n";

DialogTemplate Dialogo() {
    DialogTemplate dialog{"Ajuda", {"", 8}, {200, 80}, {}};
    for (UINT id : {kNome, kSemLink}) {
        DialogControl edit;
        edit.kind = ControlKind::Edit;
        edit.id = id;
        edit.rect = {10, static_cast<int>(id - 1000) * 20, 150, static_cast<int>(id - 1000) * 20 + 12};
        edit.tabStop = true;
        dialog.controls.push_back(edit);
    }
    return dialog;
}

// Answers each help request as a frame does, keeping what the context help returned.
class DialogoAjuda final : public Dialog {
public:
    DialogoAjuda() : Dialog(kDialogo) {}
    QList<int> resultados;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message != WM_HELP) return Dialog::WindowProc(message, wParam, lParam);
        resultados << ZTFCAbreAjudaContexto(reinterpret_cast<const HELPINFO*>(lParam), "CDlgAjuda");
        return TRUE;
    }
};

}  // namespace

class HelpTest : public QObject {
    Q_OBJECT

private:
    [[nodiscard]] QString Ajuda(const char* relative) const {
        return QString::fromStdString(environment_->Path(std::string("Ajuda/") + relative));
    }
    void UsaPastaAjuda() {
        QCOMPARE(ZTGravaStringRegistry(HKEY_LOCAL_MACHINE, ZT_CHAVE_SUITE, ZT_VALOR_AJUDA,
                                       (environment_->Path("Ajuda") + "/").c_str()), DWORD{0});
    }
    void EscreveAjuda(const std::string& module, const std::string& content) {
        WriteFile(environment_->Path("Ajuda/" + module + ".ContextHelp"), content);
    }
    void EscrevePagina(const char* relative) { WriteFile(Ajuda(relative).toStdString(), "<html></html>"); }
    void PressionaF1(DialogoAjuda& dialog, UINT control) {
        dialog.GotoDlgCtrl(dialog.GetDlgItem(control));
        QTRY_VERIFY(dialog.GetDlgItem(control)->GetWidget()->hasFocus());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
    }
    // Shows a frame and, in it, the dialog made from `templateModule`'s template.
    void MostraDialogo(HMODULE templateModule) {
        RegisterDialog(templateModule, kDialogo, Dialogo());
        frame_ = std::make_unique<Wnd>();
        QVERIFY(frame_->Create(nullptr, 0, {0, 0, 400, 300}));
        frame_->ShowWindow(SW_SHOW);
        QVERIFY(QTest::qWaitForWindowActive(frame_->GetWidget()));
        dialog_ = std::make_unique<DialogoAjuda>();
        QVERIFY(dialog_->Create(kDialogo, frame_.get()));
        QCOMPARE(dialog_->GetTemplateModule(), templateModule);
    }
    // F1 on the named control of the dialog made from `templateModule`'s template reads
    // `module`'s file and shows the control's page.
    void F1NoControleComLink(HMODULE templateModule, const std::string& module) {
        UsaPastaAjuda();
        EscreveAjuda(module, kAjudaCompleta);
        EscrevePagina("dialogo/nome.htm");
        FakeOpener opener(environment_->Folder());
        MostraDialogo(templateModule);
        if (QTest::currentTestFailed()) return;
        PressionaF1(*dialog_, kNome);
        QCOMPARE(dialog_->resultados, QList<int>{1});
        const auto opened = opener.Opened(1);
        QCOMPARE(opened.size(), std::size_t{1});
        QCOMPARE(QString::fromStdString(opened[0]), Ajuda("dialogo/nome.htm") + "\n");
    }
    [[nodiscard]] static std::string Programa() { return ModuleFileName(GetModuleHandle(nullptr)).GetString(); }

    std::unique_ptr<Wnd> frame_;
    std::unique_ptr<DialogoAjuda> dialog_;
    std::optional<TestEnvironment> environment_;

private slots:
    void init() { environment_.emplace(); }
    void cleanup() {
        dialog_.reset();
        frame_.reset();
        SetResourceModule(GetModuleHandle(nullptr));
        environment_.reset();
    }

    // The look-ups: which entry serves a form and which text each gives.
    void lookUps_data() {
        QTest::addColumn<QByteArray>("xml");
        QTest::addColumn<QByteArray>("form");
        QTest::addColumn<QByteArray>("attribute");  // empty: the control look-up
        QTest::addColumn<UINT>("control");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("link");
        const QByteArray full(kAjudaCompleta);
        // "formName" is compared without case.
        QTest::newRow("formName CTIPOVIEW serves CTipoView") << full << QByteArray("CTipoView") << QByteArray("ajudaKelvo") << 0u << "tipos.chm" << "tipo.htm";
        QTest::newRow("the contents topic") << full << QByteArray("CTipoView") << QByteArray("conteudoIndice") << 0u << "tipos.chm" << "indice.htm";
        // An element named after the form must match exactly, case included.
        QTest::newRow("element named like the form") << full << QByteArray("CDlgAjuda") << QByteArray("ajudaKelvo") << 0u << "dialogo.chm" << "";
        QTest::newRow("element name with another case") << full << QByteArray("CDLGAJUDA") << QByteArray("ajudaKelvo") << 0u << "" << "";
        QTest::newRow("no entry") << full << QByteArray("COutro") << QByteArray("ajudaKelvo") << 0u << "" << "";
        // Of two entries for one form, the first in document order wins, whichever way it is named.
        QTest::newRow("first of two entries wins")
            << QByteArray("<a><CTipoView helpFile=\"um.chm\" ajudaKelvo=\"um.htm\"/>"
                          "<form formName=\"ctipoview\" helpFile=\"dois.chm\" ajudaKelvo=\"dois.htm\"/></a>")
            << QByteArray("CTipoView") << QByteArray("ajudaKelvo") << 0u << "um.chm" << "um.htm";
        QTest::newRow("a control's link") << full << QByteArray("CDlgAjuda") << QByteArray() << kNome << "dialogo.chm" << "nome.htm";
        QTest::newRow("a control without link") << full << QByteArray("CDlgAjuda") << QByteArray() << kSemLink << "dialogo.chm" << "";
        QTest::newRow("an unknown control") << full << QByteArray("CDlgAjuda") << QByteArray() << 1003u << "" << "";
        // A control without "idHelp" is control 0.
        QTest::newRow("missing idHelp reads 0")
            << QByteArray("<a><F helpFile=\"f.chm\"><c link=\"zero.htm\"/></F></a>") << QByteArray("F") << QByteArray() << 0u << "f.chm" << "zero.htm";
        // No help file named: no path, not the help folder itself.
        QTest::newRow("missing helpFile") << QByteArray("<a><F ajudaKelvo=\"t.htm\"/></a>") << QByteArray("F") << QByteArray("ajudaKelvo") << 0u << "" << "t.htm";
        QTest::newRow("broken XML") << QByteArray("<a><CTipoView helpFile=\"x.chm\" ajudaKelvo=\"t.htm\">") << QByteArray("CTipoView") << QByteArray("ajudaKelvo") << 0u << "" << "";
        // A file far beyond any list of forms is not read at all.
        QTest::newRow("a file over the size bound")
            << QByteArray("<a><F helpFile=\"f.chm\" ajudaKelvo=\"t.htm\"/><!--") + QByteArray(4 << 20, 'x') + QByteArray("--></a>")
            << QByteArray("F") << QByteArray("ajudaKelvo") << 0u << "" << "";
        // A document type could bring in outside or expanding entities: refused whole.
        QTest::newRow("document type refused")
            << QByteArray("<!DOCTYPE a [<!ENTITY e \"t.htm\">]><a><F helpFile=\"f.chm\" ajudaKelvo=\"&e;\"/></a>")
            << QByteArray("F") << QByteArray("ajudaKelvo") << 0u << "" << "";
    }
    void lookUps() {
        QFETCH(QByteArray, xml);
        QFETCH(QByteArray, form);
        QFETCH(QByteArray, attribute);
        QFETCH(UINT, control);
        QFETCH(QString, file);
        QFETCH(QString, link);
        UsaPastaAjuda();
        EscreveAjuda(kModulo, xml.toStdString());
        const ZTFCTopicoAjuda found = attribute.isEmpty() ? ZTFCLeAjudaControle(kModulo, control, form.constData())
                                                          : ZTFCLeAjudaForm(kModulo, form.constData(), attribute.constData());
        QCOMPARE(QString(found.arquivo.GetString()), file.isEmpty() ? QString() : Ajuda(file.toLatin1().constData()));
        QCOMPARE(QString(found.link.GetString()), link);
    }

    // Without a help folder or without the module's file there is nothing to read.
    void noFolderOrNoFileFindsNothing() {
        EscreveAjuda(kModulo, kAjudaCompleta);
        QVERIFY(ZTFCLeAjudaForm(kModulo, "CTipoView", "ajudaKelvo").arquivo.IsEmpty());
        UsaPastaAjuda();
        QVERIFY(ZTFCLeAjudaForm("Outro", "CTipoView", "ajudaKelvo").arquivo.IsEmpty());
        QCOMPARE(QString(ZTFCLeAjudaForm(kModulo, "CTipoView", "ajudaKelvo").link.GetString()), QString("tipo.htm"));
    }

    // The program's file is found by the program's own name; a form's topic is the page of that
    // name in the help file's folder, handed to the opener, and the call returns 1.
    void formTopicsReachTheOpener_data() {
        QTest::addColumn<bool>("contents");
        QTest::addColumn<QString>("page");
        QTest::newRow("main topic") << false << "tipos/tipo.htm";
        QTest::newRow("contents") << true << "tipos/indice.htm";
    }
    void formTopicsReachTheOpener() {
        QFETCH(bool, contents);
        QFETCH(QString, page);
        UsaPastaAjuda();
        EscreveAjuda(Programa(), kAjudaCompleta);
        EscrevePagina(page.toLatin1().constData());
        FakeOpener opener(environment_->Folder());
        QCOMPARE(contents ? ZTFCAbreAjudaIndice("CTipoView") : ZTFCAbreAjuda("CTipoView"), 1);
        const auto opened = opener.Opened(1);
        QCOMPARE(opened.size(), std::size_t{1});
        QCOMPARE(QString::fromStdString(opened[0]), Ajuda(page.toLatin1().constData()) + "\n");
    }

    // Every failure shows nothing and returns 0.
    void failuresShowNothing_data() {
        QTest::addColumn<bool>("folder");
        QTest::addColumn<QByteArray>("xml");  // empty: no file
        QTest::addColumn<bool>("page");
        const QByteArray full(kAjudaCompleta);
        QTest::newRow("no help folder") << false << full << true;
        QTest::newRow("no file") << true << QByteArray() << true;
        QTest::newRow("broken XML") << true << QByteArray("<ajuda><form formName=\"CTipoView\"") << true;
        QTest::newRow("a missing page") << true << full << false;
        QTest::newRow("no topic") << true << QByteArray("<a><CTipoView helpFile=\"tipos.chm\"/></a>") << true;
    }
    void failuresShowNothing() {
        QFETCH(bool, folder);
        QFETCH(QByteArray, xml);
        QFETCH(bool, page);
        if (folder) UsaPastaAjuda();
        if (!xml.isEmpty()) EscreveAjuda(Programa(), xml.toStdString());
        if (page) EscrevePagina("tipos/tipo.htm");
        QCOMPARE(ZTFCAbreAjuda("CTipoView"), 0);
    }

    // F1 in the program's dialog asks the dialog for help on the focused control, which reads the
    // program's file; a control without a link shows nothing.
    void f1InTheProgramsDialog() {
        F1NoControleComLink(GetModuleHandle(nullptr), Programa());
    }
    void f1OnAControlWithoutLinkShowsNothing() {
        UsaPastaAjuda();
        EscreveAjuda(Programa(), kAjudaCompleta);
        MostraDialogo(GetModuleHandle(nullptr));
        if (QTest::currentTestFailed()) return;
        PressionaF1(*dialog_, kSemLink);
        QCOMPARE(dialog_->resultados, QList<int>{0});
    }

    // Shift+F1 enters what's-this mode; the click that follows asks for help on the control clicked.
    void shiftF1ThenAClickAsksForTheClickedControl() {
        UsaPastaAjuda();
        EscreveAjuda(Programa(), kAjudaCompleta);
        EscrevePagina("dialogo/nome.htm");
        FakeOpener opener(environment_->Folder());
        MostraDialogo(GetModuleHandle(nullptr));
        if (QTest::currentTestFailed()) return;
        dialog_->GotoDlgCtrl(dialog_->GetDlgItem(kSemLink));
        QTRY_VERIFY(dialog_->GetDlgItem(kSemLink)->GetWidget()->hasFocus());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1, Qt::ShiftModifier);
        QVERIFY(QWhatsThis::inWhatsThisMode());
        QVERIFY(dialog_->resultados.isEmpty());
        QTest::mouseClick(dialog_->GetDlgItem(kNome)->GetWidget(), Qt::LeftButton);
        QCOMPARE(dialog_->resultados, QList<int>{1});
        QVERIFY(!QWhatsThis::inWhatsThisMode());
        QCOMPARE(opener.Opened(1).size(), std::size_t{1});
    }

    // A library's dialog reads the library's file, not the program's.
    void f1InALibrarysDialogReadsThatLibrarysFile() {
        Library library;
        QCOMPARE(library.Load("HelpTestLibrary"), ERROR_SUCCESS);
        QVERIFY(SetResourceModule(library.Module()));
        EscreveAjuda(Programa(), "<a/>");
        F1NoControleComLink(library.Module(), "libHelpTestLibrary.so");
    }
};

QTEST_MAIN(HelpTest)
#include "help_test.moc"
