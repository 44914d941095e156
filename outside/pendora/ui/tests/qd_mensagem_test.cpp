// The numbered message boxes read the message file that the embedded default installs: every
// number the programs show has a text that fits its callers, under the module's caption, in the
// style asked for, over the window given, and the box's answer comes back.
#include "outside/pendora/ui/qd_mensagem.h"
#include "platform/tests/support/test_environment.h"
#include "platform/text/codepage.h"
#include "platform/ui/tests/support/recorded_window_boxes.h"
#include "platform/ui/window/wnd.h"
#include "programs/setup/embedded_default.h"
#include "programs/setup/message_file.h"

#include <QtTest>

#include <cstdint>
#include <string>
#include <vector>

using namespace platform;
using namespace platform::ui;

namespace {

constexpr char kCaption[] = "Kelvo GED";

std::string Ansi(const char* utf8) { return AnsiFromUtf8(utf8); }

}  // namespace

class MensagemTest : public QObject {
    Q_OBJECT

    kelvo::testing::TestEnvironment ambiente_;

private slots:
    void initTestCase() {
        const auto preparo = kelvo::setup::PrepareEmbeddedDefault(ambiente_.Path("data"), ambiente_.Path("bin"),
                                                                  kelvo::setup::ModuleMessageFile());
        QVERIFY(preparo.failures.empty());
    }

    // Each number the programs show, with a caller's style and answer and a word its callers'
    // meaning needs: a number left out of the file, or a text given to the wrong number, fails.
    void everyNumberShowsItsTextOverTheWindow_data() {
        QTest::addColumn<int>("numero");
        QTest::addColumn<UINT>("estilo");
        QTest::addColumn<int>("resposta");
        QTest::addColumn<QByteArray>("trecho");
        const UINT aviso = MB_ICONEXCLAMATION;
        const UINT pergunta = MB_YESNO | MB_ICONQUESTION;
        const struct {
            int numero;
            UINT estilo;
            int resposta;
            const char* trecho;
        } linhas[] = {
            {3, aviso, IDOK, "nome do campo"},
            {4, aviso, IDOK, "campos de pesquisa"},
            {5, aviso, IDOK, "incluir"},
            {6, aviso, IDOK, "alterar"},
            {7, aviso, IDOK, "processo"},
            {9, pergunta, IDNO, "exclusão"},
            {11, pergunta, IDYES, "descart"},
            {16, aviso, IDOK, "grupo"},
            {17, aviso, IDOK, "documentos"},
            {18, MB_YESNO | MB_ICONEXCLAMATION, IDNO, "vínculos"},
            {19, MB_OK | MB_ICONEXCLAMATION, IDOK, "vinculado"},
            {21, pergunta, IDYES, "nova versão"},
            {24, aviso, IDOK, "tipo título"},
            {25, aviso, IDOK, "outro processo"},
            {26, MB_YESNO | MB_ICONEXCLAMATION | MB_DEFBUTTON2, IDNO, "alterado"},
            {27, aviso, IDOK, "não foi encontrado"},
            {28, aviso, IDOK, "criptografia"},
            {29, aviso, IDOK, "não gravou"},
        };
        for (const auto& linha : linhas) {
            QTest::addRow("%d", linha.numero)
                << linha.numero << linha.estilo << linha.resposta << QByteArray::fromStdString(Ansi(linha.trecho));
        }
    }
    void everyNumberShowsItsTextOverTheWindow() {
        QFETCH(int, numero);
        QFETCH(UINT, estilo);
        QFETCH(int, resposta);
        QFETCH(QByteArray, trecho);
        kelvo::testing::RecordedWindowBoxes caixas;
        caixas.answers = {resposta};
        Wnd janela;
        QVERIFY(janela.Create(nullptr, 0));

        QCOMPARE(QDMensagem(&janela, numero, estilo), resposta);

        QCOMPARE(caixas.boxes.size(), std::size_t{1});
        const auto& caixa = caixas.boxes.front();
        QVERIFY2(caixa.text.find(trecho.toStdString()) != std::string::npos, caixa.text.c_str());
        QCOMPARE(caixa.caption, std::string(kCaption));
        QCOMPARE(caixa.type, estilo);
        QVERIFY(caixa.owned);
        QCOMPARE(caixa.owner, reinterpret_cast<std::uintptr_t>(janela.m_hWnd));
    }

    // The formatted form puts its arguments into the message's text; a plain call would show
    // the bare format.
    void formattedMessageCarriesItsArguments() {
        kelvo::testing::RecordedWindowBoxes caixas;
        QCOMPARE(QDMensagemFmt(nullptr, 2, MB_ICONEXCLAMATION, 6), IDOK);
        const std::vector<kelvo::testing::RecordedBox> esperadas{
            {Ansi("Podem ser definidos no máximo 6 campos de pesquisa."), kCaption, MB_ICONEXCLAMATION, false, 0}};
        QVERIFY(caixas.boxes == esperadas);
    }

    // A number the file lacks still asks its question, naming the number, and returns the
    // answer (here the default second button); the formatted form formats nothing then.
    void missingNumberStillShowsItsBoxNamingTheNumber() {
        kelvo::testing::RecordedWindowBoxes caixas;
        const UINT estilo = MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2;
        QCOMPARE(QDMensagem(nullptr, 8, estilo), IDNO);
        QCOMPARE(QDMensagemFmt(nullptr, 8, estilo, 6), IDNO);
        const kelvo::testing::RecordedBox desconhecida{Ansi("Erro desconhecido encontrado. Código (8)"), kCaption,
                                                       estilo, false, 0};
        const std::vector<kelvo::testing::RecordedBox> esperadas{desconhecida, desconhecida};
        QVERIFY(caixas.boxes == esperadas);
    }
};

QTEST_MAIN(MensagemTest)
#include "qd_mensagem_test.moc"
