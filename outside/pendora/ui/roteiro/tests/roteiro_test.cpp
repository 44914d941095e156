// The test script driving a real executable: a whole run that ends with 0, and runs whose step
// cannot be carried out, which end with 1 and name the step.
#include "platform/tests/support/test_environment.h"

#include <QProcess>
#include <QtTest>

namespace {

struct Execucao {
    int codigo = -1;
    QStringList saida;
    // The script's messages on stderr.
    QString erros;
};

// Runs the test program with `roteiro` as its script.
Execucao Executa(const std::string& roteiro) {
    kelvo::testing::TestEnvironment ambiente;
    const std::string caminho = ambiente.Path("roteiro.txt");
    kelvo::testing::WriteFile(caminho, roteiro);
    QProcess programa;
    QProcessEnvironment variaveis = QProcessEnvironment::systemEnvironment();
    variaveis.insert("KELVO_TEST_SCRIPT", QString::fromStdString(caminho));
    programa.setProcessEnvironment(variaveis);
    programa.start(ROTEIRO_APP, {});
    Execucao execucao;
    if (!programa.waitForFinished(120000) || programa.exitStatus() != QProcess::NormalExit) return execucao;
    execucao.codigo = programa.exitCode();
    execucao.saida = QString::fromUtf8(programa.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    // Qt's own warnings share stderr; only the script's lines count.
    for (const QString& linha : QString::fromUtf8(programa.readAllStandardError()).split('\n')) {
        if (linha.startsWith("test script")) execucao.erros += linha;
    }
    return execucao;
}

// The start-up of every run: the choice of Beta with OK, then yes to the question.
const std::string kInicio =
    "# the start-up dialog and box open before the loop is ever idle\n"
    "dialog 100 ok select 1001 text Beta\n"
    "box yes\n"
    "wait 300\n";
// What that start-up writes.
const QStringList kSaidaInicio{"combo changed to Beta", "chose Beta", "question 6"};

}  // namespace

class RoteiroTest : public QObject {
    Q_OBJECT

private slots:
    // Every verb does what a user would: the combo's choice notifies its dialog, the tree's
    // selection its owner, typed text lands in the form and in a dialog a command opened.
    void scriptDrivesTheProgramToItsEnd() {
        const Execucao execucao = Executa(kInicio +
                                          "type 3002 hello world\n"
                                          "select 3001 index 2\n"
                                          "command 32772\n"
                                          "select 3001 text Primeiro\n"
                                          "command 32771\n"
                                          "wait 200\n"
                                          "type 2001 from the dialog\n"
                                          "dialog 200 ok\n"
                                          "end\n");
        QCOMPARE(execucao.erros, QString());
        QCOMPARE(execucao.saida, (kSaidaInicio + QStringList{
                                     "tree selected Segundo",
                                     "command 32772 edit=hello world tree=Segundo",
                                     "tree selected Primeiro",
                                     "edit dialog 1 from the dialog",
                                 }));
        QCOMPARE(execucao.codigo, 0);
    }

    // Checks read what the program shows once it is idle; a click reaches the form's and the
    // dialog's command handlers as the user's does.
    void clicksAndChecks() {
        const Execucao execucao = Executa(kInicio +
                                          "expect 3004 text Pronto\n"
                                          "expect 3001 count 3\n"
                                          "expect 3001 text Segundo\n"
                                          "type 3002 hello world\n"
                                          "expect 3002 text hello world\n"
                                          "click 3003\n"
                                          "# the form relabels the text when it hears the press\n"
                                          "expect 3004 text Gravado\n"
                                          "expect 3003 text Gravar\n"
                                          "command 32771\n"
                                          "wait 200\n"
                                          "type 2001 from the dialog\n"
                                          "click 1\n"
                                          "end\n");
        QCOMPARE(execucao.erros, QString());
        QCOMPARE(execucao.saida, (kSaidaInicio + QStringList{"pressed 3003 edit=hello world", "edit dialog 1 from the dialog"}));
        QCOMPARE(execucao.codigo, 0);
    }

    // A dialog answered by index and Cancel ends the start-up: the program's own exit with every
    // step done is no failure.
    void answerByIndexAndCancel() {
        const Execucao execucao = Executa("dialog 100 cancel select 1001 index 2\n");
        QCOMPARE(execucao.erros, QString());
        QCOMPARE(execucao.saida, QStringList{"combo changed to Gama"});
        QCOMPARE(execucao.codigo, 0);
    }

    void failingStepEndsTheProgramNamingIt_data() {
        QTest::addColumn<QString>("roteiro");
        QTest::addColumn<QString>("erro");
        const QString inicio = QString::fromStdString(kInicio);
        // A control that does not exist.
        QTest::newRow("missing control") << inicio + "type 9999 x\n" << "line 5: type 9999 x: there is no control 9999";
        // A control that holds no entries.
        QTest::newRow("not selectable") << inicio + "select 3002 index 0\n"
                                        << "line 5: select 3002 index 0: control 3002 is no grid, tree or combo";
        // An entry past the tree's items.
        QTest::newRow("no such item") << inicio + "select 3001 index 3\n" << "line 5: select 3001 index 3: control 3001 has no entry 3";
        // A text that no entry has.
        QTest::newRow("no such text") << inicio + "select 3001 text Terceiro\n"
                                      << "line 5: select 3001 text Terceiro: control 3001 has no entry \"Terceiro\"";
        // A box the script did not expect must not hang the program.
        QTest::newRow("unanswered box") << "dialog 100 ok select 1001 text Beta\nwait 300\n" << "a box no step answers: \"Continuar?\"";
        // A wait that the program's own end cuts short.
        QTest::newRow("wait cut short") << inicio + "end\nwait 999\n" << "line 6: wait 999: the program ended before this step was done";
        // A dialog answer whose dialog never came.
        QTest::newRow("unused answer") << inicio + "dialog 555 ok\nend\n" << "line 5: dialog 555 ok: the program ended before this step was done";
        // A button the dialog does not have.
        QTest::newRow("no such button") << inicio + "command 32771\nwait 200\ndialog 200 9\n" << "line 7: dialog 200 9: the dialog has no button 9";
        // A check that does not hold says what it found: the text shown.
        QTest::newRow("wrong text") << inicio + "type 3002 abc\nexpect 3002 text abd\n"
                                    << "line 6: expect 3002 text abd: control 3002 shows \"abc\", not \"abd\"";
        // ... the number of entries.
        QTest::newRow("wrong count") << inicio + "expect 3001 count 2\n" << "line 5: expect 3001 count 2: control 3001 has 3 entries, not 2";
        // ... the entries, when none has the text.
        QTest::newRow("no entry with the text") << inicio + "expect 3001 text Terceiro\n"
                                                << "line 5: expect 3001 text Terceiro: control 3001 has no entry \"Terceiro\"; it holds \"Raiz\", \"Primeiro\", \"Segundo\"";
        // An edit has no entries to count.
        QTest::newRow("count of an edit") << inicio + "expect 3002 count 1\n" << "line 5: expect 3002 count 1: control 3002 is no grid, tree or combo";
        QTest::newRow("check of a missing control") << inicio + "expect 9999 text x\n" << "line 5: expect 9999 text x: there is no control 9999";
        // A click only where the user could click.
        QTest::newRow("click missing") << inicio + "click 9999\n" << "line 5: click 9999: there is no control 9999";
        QTest::newRow("click no button") << inicio + "click 3002\n" << "line 5: click 3002: control 3002 is no button";
        QTest::newRow("click disabled") << inicio + "click 3005\n" << "line 5: click 3005: control 3005 is disabled";
        QTest::newRow("click hidden") << inicio + "click 3006\n" << "line 5: click 3006: control 3006 is hidden";
    }

    void failingStepEndsTheProgramNamingIt() {
        QFETCH(QString, roteiro);
        QFETCH(QString, erro);
        const Execucao execucao = Executa(roteiro.toStdString());
        QCOMPARE(execucao.codigo, 1);
        QVERIFY2(execucao.erros.startsWith("test script, line ") && execucao.erros.contains(erro), qPrintable(execucao.erros));
    }

    // A script that cannot be read names its bad line before the program shows anything.
    void badScriptEndsBeforeStart() {
        const Execucao execucao = Executa("box yes\npress 5\n");
        QCOMPARE(execucao.codigo, 1);
        QCOMPARE(execucao.erros, QString("test script, line 2: unknown verb \"press\": press 5"));
        QVERIFY(execucao.saida.isEmpty());
    }
};

QTEST_MAIN(RoteiroTest)
#include "roteiro_test.moc"
