// The suite's edits with real key presses: the masked edit lays typed digits over its mask and
// leaves a program's text alone, the date edit keeps its 16-bit value through both kinds of day
// count, and the file-name edit's button asks its dialog and keeps the chosen folder per key.
#include "outside/editra/zt_arquivo_edit.h"
#include "outside/editra/zt_edit_data.h"
#include "outside/editra/zt_edit_mascara.h"
#include "platform/tests/support/test_environment.h"
#include "platform/ui/app/win_app.h"
#include "util/time/short_date.h"
#include "util/time/zt_data1950.h"

#include <QCompleter>
#include <QLineEdit>
#include <QToolButton>
#include <QtTest>

#include <fstream>
#include <vector>

using namespace platform;
using namespace platform::ui;

namespace {

constexpr UINT kEdit = 100;
constexpr const char* kMascaraTipos = "##.##.##";
constexpr const char* kMascaraLocais = "#.###.###";

QLineEdit* EditorDe(Wnd& edit) { return qobject_cast<QLineEdit*>(edit.GetWidget()); }

String TextoDe(const Wnd& edit) {
    String texto;
    edit.GetWindowText(texto);
    return texto;
}

// Presses one key per character: '<' is Backspace, '^' is Home, the rest is typed.
void Digita(QWidget* editor, const QString& teclas) {
    for (const QChar tecla : teclas) {
        if (tecla == u'<') {
            QTest::keyClick(editor, Qt::Key_Backspace);
        } else if (tecla == u'^') {
            QTest::keyClick(editor, Qt::Key_Home);
        } else {
            QTest::keyClick(editor, tecla.toLatin1());
        }
    }
}

}  // namespace

class EditTest : public QObject {
    Q_OBJECT

    std::unique_ptr<kelvo::testing::TestEnvironment> ambiente_;
    std::unique_ptr<WinApp> app_;
    std::unique_ptr<Wnd> janela_;

    // An edit of the window, focused, its window shown.
    template <class Edit>
    std::unique_ptr<Edit> NovoEdit(UINT id = kEdit) {
        auto edit = std::make_unique<Edit>();
        if (!edit->Create(0, {10, 10 + 30 * static_cast<int>(id - kEdit), 290, 34 + 30 * static_cast<int>(id - kEdit)}, janela_.get(), id)) {
            return nullptr;
        }
        edit->SetFocus();
        return edit;
    }

private slots:
    void init() {
        ambiente_ = std::make_unique<kelvo::testing::TestEnvironment>();
        app_ = std::make_unique<WinApp>("EditTeste");
        app_->SetRegistryKey("Quorvel");
        janela_ = std::make_unique<Wnd>();
        QVERIFY(janela_->Create(nullptr, 0, {0, 0, 300, 200}));
        janela_->ShowWindow(SW_SHOW);
        QVERIFY(QTest::qWaitForWindowActive(janela_->GetWidget()));
    }
    void cleanup() {
        CZTArquivoEdit::SetDialogoTeste({});
        janela_.reset();
        app_.reset();
        ambiente_.reset();
    }

    void typingFollowsTheMask_data() {
        QTest::addColumn<QString>("mascara");
        QTest::addColumn<int>("limite");
        QTest::addColumn<QString>("teclas");
        QTest::addColumn<QString>("texto");
        // A separator must wait for the digit after it: nothing after the last typed level.
        QTest::newRow("one level") << kMascaraTipos << 8 << "01" << "01";
        QTest::newRow("two levels") << kMascaraTipos << 8 << "0102" << "01.02";
        QTest::newRow("every level") << kMascaraTipos << 8 << "010203" << "01.02.03";
        // Digits past the mask (or the limit) are not kept.
        QTest::newRow("past the mask") << kMascaraTipos << 0 << "0102039" << "01.02.03";
        QTest::newRow("limit shorter than the mask") << kMascaraTipos << 5 << "010203" << "01.02";
        QTest::newRow("limit ending on a separator") << kMascaraTipos << 3 << "0102" << "01";
        QTest::newRow("letters dropped") << kMascaraTipos << 8 << "0a1" << "01";
        QTest::newRow("typed separator not doubled") << kMascaraTipos << 8 << "01.02" << "01.02";
        // Erasing the first digit of a level takes its separator too.
        QTest::newRow("backspace") << kMascaraTipos << 8 << "010<" << "01";
        // Digits typed before the others go where the cursor was, not to the end.
        QTest::newRow("typing at the start") << kMascaraTipos << 8 << "0102^98" << "98.01.02";
        QTest::newRow("location mask") << kMascaraLocais << 9 << "1001002" << "1.001.002";
        QTest::newRow("location group") << kMascaraLocais << 9 << "10" << "1.0";
    }
    void typingFollowsTheMask() {
        QFETCH(QString, mascara);
        QFETCH(int, limite);
        QFETCH(QString, teclas);
        QFETCH(QString, texto);
        auto edit = NovoEdit<CZTEditMascara>();
        QVERIFY(edit);
        edit->SetMascara(mascara.toLatin1());
        edit->SetLimitText(static_cast<UINT>(limite));
        Digita(edit->GetWidget(), teclas);
        QCOMPARE(QString(TextoDe(*edit)), texto);
    }

    // A new mask rules the typing after it; the text already there stays as it was.
    void typingAfterAMaskChange() {
        auto edit = NovoEdit<CZTEditMascara>();
        QVERIFY(edit);
        edit->SetMascara(kMascaraLocais);
        edit->SetLimitText(9);
        Digita(edit->GetWidget(), "102");
        QCOMPARE(QString(TextoDe(*edit)), QString("1.02"));
        edit->SetMascara(kMascaraTipos);
        QCOMPARE(QString(TextoDe(*edit)), QString("1.02"));
        Digita(edit->GetWidget(), "3");
        QCOMPARE(QString(TextoDe(*edit)), QString("10.23"));
    }

    void programTextStaysWhole_data() {
        QTest::addColumn<QString>("mascara");
        QTest::addColumn<QString>("texto");
        QTest::newRow("shorter level") << kMascaraTipos << "012";
        QTest::newRow("other mask's levels") << kMascaraLocais << "1.01.001";
        QTest::newRow("longer than the limit") << kMascaraTipos << "01.02.03.04";
        QTest::newRow("letters") << kMascaraTipos << "ab.cd";
    }
    void programTextStaysWhole() {
        QFETCH(QString, mascara);
        QFETCH(QString, texto);
        auto edit = NovoEdit<CZTEditMascara>();
        QVERIFY(edit);
        edit->SetMascara(mascara.toLatin1());
        edit->SetLimitText(8);
        edit->SetTexto(texto.toLatin1());
        QCOMPARE(QString(TextoDe(*edit)), texto);
        // The options reach whoever reads them as they were given.
        edit->SetOptions(5, 0);
        QCOMPARE(edit->GetOption1(), 5u);
        QCOMPARE(edit->GetOption2(), 0u);
    }

    void datesRoundTrip_data() {
        QTest::addColumn<int>("tipo");
        QTest::addColumn<int>("valor");
        QTest::addColumn<QString>("texto");
        QTest::newRow("empty short date") << CZTEditData::kTipoDataCurta << 0 << "";
        QTest::newRow("empty 1950 count") << CZTEditData::kTipoData1950 << 0 << "";
        QTest::newRow("first day of 1950") << CZTEditData::kTipoData1950 << 1 << "01/01/1950";
        QTest::newRow("1950 count in 2026") << CZTEditData::kTipoData1950
                                            << int(CZTData1950().SetTexto("15/03/2026").GetDias()) << "15/03/2026";
        QTest::newRow("short date in 2026") << CZTEditData::kTipoDataCurta << int(ZTMontaData(15, 3, 2026)) << "15/03/2026";
        // Beyond 4 June 2027 a short date is stored below the older values.
        QTest::newRow("short date in 2031") << CZTEditData::kTipoDataCurta << int(ZTMontaData(2, 1, 2031)) << "02/01/2031";
    }
    void datesRoundTrip() {
        QFETCH(int, tipo);
        QFETCH(int, valor);
        QFETCH(QString, texto);
        auto edit = NovoEdit<CZTEditData>();
        QVERIFY(edit);
        edit->SetTipoData(tipo);
        edit->SetDataComoNumero(static_cast<std::uint16_t>(valor));
        QCOMPARE(QString(TextoDe(*edit)), texto);
        QCOMPARE(int(edit->GetDataComoNumero()), valor);
    }

    void typedDates_data() {
        QTest::addColumn<int>("tipo");
        QTest::addColumn<QString>("teclas");
        QTest::addColumn<QString>("texto");
        QTest::addColumn<int>("valor");
        QTest::newRow("1 January 1950") << CZTEditData::kTipoData1950 << "01011950" << "01/01/1950" << 1;
        QTest::newRow("short date") << CZTEditData::kTipoDataCurta << "15032026" << "15/03/2026" << int(ZTMontaData(15, 3, 2026));
        // A day the month lacks is no date, in either kind, not the month's last day.
        QTest::newRow("31 February, short") << CZTEditData::kTipoDataCurta << "31022026" << "31/02/2026" << 0;
        QTest::newRow("31 February, 1950") << CZTEditData::kTipoData1950 << "31022026" << "31/02/2026" << 0;
        QTest::newRow("half a date") << CZTEditData::kTipoData1950 << "1503" << "15/03" << 0;
    }
    void typedDates() {
        QFETCH(int, tipo);
        QFETCH(QString, teclas);
        QFETCH(QString, texto);
        QFETCH(int, valor);
        auto edit = NovoEdit<CZTEditData>();
        QVERIFY(edit);
        edit->SetTipoData(tipo);
        Digita(edit->GetWidget(), teclas);
        QCOMPARE(QString(TextoDe(*edit)), texto);
        QCOMPARE(int(edit->GetDataComoNumero()), valor);
    }

    // The button asks the dialog; a chosen path fills the edit and its folder is kept under the
    // key, where the next dialog of that key starts; a cancel changes nothing.
    void fileEditAsksItsDialogAndKeepsTheFolder() {
        std::vector<CZTPedidoArquivo> pedidos;
        std::optional<String> resposta = String("/dados/docs/contrato.pdf");
        CZTArquivoEdit::SetDialogoTeste([&](const CZTPedidoArquivo& pedido) {
            pedidos.push_back(pedido);
            return resposta;
        });
        auto edit = NovoEdit<CZTArquivoEdit>();
        QVERIFY(edit);
        edit->SetTipo(CZTArquivoEdit::kTipoAbrirArquivo);
        edit->SetVerificaExistencia(TRUE);
        edit->SetChave("NomeDocumento");
        auto* botao = EditorDe(*edit)->findChild<QToolButton*>();
        QVERIFY(botao);
        QTest::mouseClick(botao, Qt::LeftButton);
        QCOMPARE(pedidos.size(), std::size_t{1});
        QCOMPARE(pedidos[0].nTipo, CZTArquivoEdit::kTipoAbrirArquivo);
        QVERIFY(pedidos[0].bVerificaExistencia);
        QCOMPARE(QString(pedidos[0].strPastaInicial), QString());
        QCOMPARE(QString(TextoDe(*edit)), QString("/dados/docs/contrato.pdf"));
        QCOMPARE(QString(app_->GetProfileString("UltimaPasta", "NomeDocumento", "")), QString("/dados/docs"));

        // Another edit of the same key starts where the first left off; cancelling keeps its text.
        auto outro = NovoEdit<CZTArquivoEdit>(kEdit + 1);
        QVERIFY(outro);
        outro->SetChave("NomeDocumento");
        outro->SetTexto("/antes/modelo.txt");
        resposta.reset();
        QCOMPARE(outro->Procura(), FALSE);
        QCOMPARE(QString(pedidos.back().strPastaInicial), QString("/dados/docs"));
        QVERIFY(!pedidos.back().bVerificaExistencia);
        QCOMPARE(QString(TextoDe(*outro)), QString("/antes/modelo.txt"));

        // A key of its own starts anywhere and keeps its folder apart.
        auto modelo = NovoEdit<CZTArquivoEdit>(kEdit + 2);
        QVERIFY(modelo);
        modelo->SetChave("ModeloEmail");
        resposta = String("/modelos/aviso.html");
        QCOMPARE(modelo->Procura(), TRUE);
        QCOMPARE(QString(pedidos.back().strPastaInicial), QString());
        QCOMPARE(QString(app_->GetProfileString("UltimaPasta", "NomeDocumento", "")), QString("/dados/docs"));
        QCOMPARE(QString(app_->GetProfileString("UltimaPasta", "ModeloEmail", "")), QString("/modelos"));
    }

    // With folder completion on, typing the start of a name offers the file of that folder.
    void folderCompletionOffersTheFolder() {
        const std::string pasta = ambiente_->Path("docs");
        std::filesystem::create_directories(pasta);
        std::ofstream(pasta + "/relatorio.txt") << "x";
        auto edit = NovoEdit<CZTArquivoEdit>();
        QVERIFY(edit);
        QLineEdit* editor = EditorDe(*edit);
        QVERIFY(!editor->completer());
        edit->SetCompletaPasta(TRUE);
        QVERIFY(editor->completer());
        QTest::keyClicks(editor, QString::fromStdString(pasta + "/rel"));
        QCOMPARE(editor->completer()->currentCompletion(), QString::fromStdString(pasta + "/relatorio.txt"));
        edit->SetCompletaPasta(FALSE);
        QVERIFY(!editor->completer());
    }
};

QTEST_MAIN(EditTest)
#include "edit_test.moc"
