// The framework's status bar: its panes by flag, what its owner-drawn panes show, the free
// senders from the user-interface thread and from workers (with and without a bar), the wait
// cursor, and a picture of every pane.
#include "framework/animation/zt_classe_animacao.h"
#include "framework/status/zt_status_bar.h"
#include "framework/status/zt_status_bar_envio.h"
#include "framework/status/zt_status_bar_ids.h"
#include "framework/status/zt_wait_cursor.h"
#include "framework/tests/barra_textos.h"
#include "framework/tests/observing_canvas.h"
#include "platform/ui/document/frame_wnd.h"
#include "platform/ui/tests/support/screenshot.h"

#include <QGuiApplication>
#include <QImage>
#include <QWidget>
#include <QtTest>

#include <array>
#include <atomic>
#include <string>
#include <thread>
#include <vector>

using namespace platform;
using namespace platform::ui;
using framework::testing::BarraTextos;
using framework::testing::DrawnImage;
using framework::testing::ObservingCanvas;

namespace {

constexpr UINT kTodosPaineis = 0xFF;
const std::string kUsuario = "Usu\xE1rio: ";
const std::string kEspacoAnimacao(11, ' ');

// A bar that keeps what its panes drew and counts the messages it handled.
class BarraSonda final : public BarraTextos {
public:
    // The pictures of each drawing made while the bar handled one of its own messages.
    std::vector<std::pair<UINT, std::vector<DrawnImage>>> desenhosEmMensagem;
    // Handled messages, from WM_ZTSTATUS_ESTADO to WM_ZTSTATUS_TEXTO_MARCADO; read by workers.
    std::array<std::atomic<int>, 5> tratadas{};

    [[nodiscard]] int Estado() const { return m_nEstado; }
    [[nodiscard]] int Icone() const { return m_nIcone; }
    [[nodiscard]] CWndBmpAnimate* Animacao() const { return m_pAnimacao.get(); }
    [[nodiscard]] int Tratadas(UINT message) const { return tratadas[message - WM_ZTSTATUS_ESTADO]; }
    [[nodiscard]] int Largura(UINT painel) const {
        UINT id = 0;
        UINT estilo = 0;
        int largura = 0;
        GetPaneInfo(CommandToIndex(painel), id, estilo, largura);
        return largura;
    }

protected:
    void Desenhou(UINT id, const ObservingCanvas& canvas) override {
        if (emMensagem_) desenhosEmMensagem.emplace_back(id, canvas.images);
    }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        const bool propria = message >= WM_ZTSTATUS_ESTADO && message <= WM_ZTSTATUS_TEXTO_MARCADO;
        emMensagem_ = propria;
        const LRESULT resultado = CZTStatusBar::WindowProc(message, wParam, lParam);
        emMensagem_ = false;
        if (propria) ++tratadas[message - WM_ZTSTATUS_ESTADO];
        return resultado;
    }

private:
    bool emMensagem_ = false;
};

// Runs every sender on a worker; true when the worker finished, which it must do without a bar.
bool TodosOsEnviosTerminam() {
    std::atomic<bool> terminou{false};
    std::thread trabalhador([&terminou] {
        ZTSetIndicadorStatusBar(2);
        ZTSetIndicadorStatusBar(1);
        ZTSetTextoStatusBar("texto");
        ZTIniciaAnimacaoStatusBar("animado", 0, -1);
        ZTParaAnimacaoStatusBar("parado");
        ZTSetIconeStatusBar(1);
        ZTSetTextoMarcadoStatusBar("[B]marcado[/B]");
        terminou = true;
    });
    // A worker blocked for good is left behind: the test has failed already.
    if (!QTest::qWaitFor([&terminou] { return terminou.load(); }, 10000)) {
        trabalhador.detach();
        return false;
    }
    trabalhador.join();
    return true;
}

bool TemPixelEscuro(const QImage& imagem, const Rect& area) {
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            const QColor cor = imagem.pixelColor(x, y);
            if (cor.red() < 80 && cor.green() < 80 && cor.blue() < 80) return true;
        }
    }
    return false;
}

}  // namespace

Q_DECLARE_METATYPE(std::string)

class StatusBarTest : public QObject {
    Q_OBJECT

    FrameWnd* frame_ = nullptr;

    void Cria(BarraSonda& barra, UINT paineis) {
        barra.SetPaineis(paineis);
        QVERIFY(barra.Cria(frame_));
        frame_->ShowWindow(SW_SHOW);
        QVERIFY(QTest::qWaitForWindowExposed(frame_->GetWidget()));
    }

private slots:
    // As the main frame does while it is constructed.
    void initTestCase() { ZTRegistraClasseAnimacao(); }
    void init() {
        frame_ = new FrameWnd;
        QVERIFY(frame_->LoadFrame(0));
        frame_->MoveWindow(0, 0, 900, 120);
    }
    void cleanup() { frame_->DestroyWindow(); }

    // Runs first, before any bar of the process: a pane-550 sender must not wait for a bar that
    // does not exist, and nothing sent reaches the bar made afterwards.
    void sendersBeforeTheBarChangeNothing() {
        QVERIFY(TodosOsEnviosTerminam());
        BarraSonda barra;
        Cria(barra, kTodosPaineis);
        QCOMPARE(barra.Estado(), 0);
        QCOMPARE(barra.Icone(), 0);
        QCOMPARE(barra.GetPaneText(barra.CommandToIndex(ID_ZTSTATUS_TEXTO_MARCADO)).str(), std::string(48, ' '));
        QCOMPARE(barra.GetPaneText(barra.CommandToIndex(ID_ZTSTATUS_ANIMACAO)).str(), std::string(43, ' '));
        QCOMPARE(barra.Largura(ID_ZTSTATUS_ANIMACAO), 0);
        QVERIFY(!barra.Animacao()->EstaAnimando());
    }

    // After the bar's window is gone the senders return at once and no message is handled.
    void sendersAfterTheBarChangeNothing() {
        BarraSonda barra;
        Cria(barra, kTodosPaineis);
        QVERIFY(barra.DestroyWindow());
        QVERIFY(TodosOsEnviosTerminam());
        QCoreApplication::processEvents();
        for (const auto& tratada : barra.tratadas) QCOMPARE(tratada.load(), 0);
    }

    // The panes come in the fixed order, each only with its flag, after the message pane.
    void panesFollowTheFlags_data() {
        QTest::addColumn<UINT>("paineis");
        QTest::addColumn<std::vector<UINT>>("ids");
        QTest::newRow("default") << ZTSTATUS_PAINEIS_PADRAO
                                 << std::vector<UINT>{ID_SEPARATOR, ID_INDICATOR_CAPS, ID_INDICATOR_NUM,
                                                      ID_INDICATOR_SCRL, ID_ZTSTATUS_ESTADO};
        QTest::newRow("all") << kTodosPaineis
                             << std::vector<UINT>{ID_SEPARATOR,      ID_ZTSTATUS_TEXTO_MARCADO, ID_ZTSTATUS_ANIMACAO,
                                                  ID_ZTSTATUS_USUARIO, ID_ZTSTATUS_ICONE,      ID_INDICATOR_CAPS,
                                                  ID_INDICATOR_NUM,  ID_INDICATOR_SCRL,        ID_ZTSTATUS_ESTADO};
        QTest::newRow("none") << 0u << std::vector<UINT>{ID_SEPARATOR};
    }
    void panesFollowTheFlags() {
        QFETCH(UINT, paineis);
        QFETCH(std::vector<UINT>, ids);
        BarraSonda barra;
        QCOMPARE(barra.GetPaineis(), ZTSTATUS_PAINEIS_PADRAO);
        barra.SetPaineis(paineis);
        QVERIFY(barra.Cria(frame_));
        QCOMPARE(barra.GetDlgCtrlID(), AFX_IDW_STATUS_BAR);
        std::vector<UINT> criados;
        for (int i = 0; i < barra.GetCount(); ++i) criados.push_back(barra.GetItemID(i));
        QCOMPARE(criados, ids);
    }

    // The user alone, then with the company (two blanks before "Empresa"), in a pane as wide
    // as the text plus 2.
    void userAndCompany_data() {
        QTest::addColumn<std::string>("empresa");
        QTest::addColumn<std::string>("esperado");
        QTest::newRow("user only") << std::string() << kUsuario + "ana";
        QTest::newRow("user and company") << std::string("ACME") << kUsuario + "ana  Empresa: ACME";
    }
    void userAndCompany() {
        QFETCH(std::string, empresa);
        QFETCH(std::string, esperado);
        BarraSonda barra;
        Cria(barra, kTodosPaineis);
        barra.SetUsuarioEmpresa("ana", empresa.c_str());
        QTRY_COMPARE(barra.textos[ID_ZTSTATUS_USUARIO], esperado);
        QCOMPARE(barra.Largura(ID_ZTSTATUS_USUARIO), barra.MeasureText(esperado).cx + 2);
    }

    // An icon index posted again draws nothing more; an index outside the list draws no picture.
    void iconIsDrawnOncePerChange_data() {
        QTest::addColumn<int>("icone");
        QTest::addColumn<int>("imagens");
        QTest::newRow("icon 1 twice") << 1 << 1;
        QTest::newRow("outside the list") << 5 << 0;
    }
    void iconIsDrawnOncePerChange() {
        QFETCH(int, icone);
        QFETCH(int, imagens);
        BarraSonda barra;
        Cria(barra, kTodosPaineis);
        ZTSetIconeStatusBar(icone);
        ZTSetIconeStatusBar(icone);
        QTRY_COMPARE(barra.Tratadas(WM_ZTSTATUS_ICONE), 2);
        QCOMPARE(barra.Icone(), icone);
        int desenhos = 0;
        for (const auto& [id, figuras] : barra.desenhosEmMensagem) {
            if (id != ID_ZTSTATUS_ICONE) continue;
            ++desenhos;
            QCOMPARE(static_cast<int>(figuras.size()), imagens);
            if (imagens) QCOMPARE(figuras[0].source.left, icone * 15);
        }
        QCOMPARE(desenhos, 1);
    }

    // The busy state is in place when a worker's sender returns; states outside 0..2 are ignored.
    void stateFromAWorker_data() {
        QTest::addColumn<int>("estado");
        QTest::addColumn<int>("esperado");
        QTest::newRow("busy") << 2 << 2;
        QTest::newRow("queued") << 1 << 1;
        QTest::newRow("3 ignored") << 3 << 0;
        QTest::newRow("0xFFFF ignored") << 0xFFFF << 0;
    }
    void stateFromAWorker() {
        QFETCH(int, estado);
        QFETCH(int, esperado);
        BarraSonda barra;
        Cria(barra, ZTSTATUS_PAINEIS_PADRAO);
        std::atomic<int> tratadasAoVoltar{-1};
        std::thread trabalhador([&] {
            ZTSetIndicadorStatusBar(static_cast<WORD>(estado));
            tratadasAoVoltar = barra.Tratadas(WM_ZTSTATUS_ESTADO);
        });
        QTRY_COMPARE(barra.Tratadas(WM_ZTSTATUS_ESTADO), 1);
        trabalhador.join();
        if (estado == 2) QCOMPARE(tratadasAoVoltar.load(), 1);
        QCOMPARE(barra.Estado(), esperado);
    }

    // A text sent from a worker is the animated pane's text when the sender returns.
    void textFromAWorkerIsInPlaceOnReturn() {
        BarraSonda barra;
        Cria(barra, kTodosPaineis);
        std::atomic<int> tratadasAoVoltar{-1};
        std::thread trabalhador([&] {
            ZTSetTextoStatusBar("Lendo");
            tratadasAoVoltar = barra.Tratadas(WM_ZTSTATUS_TEXTO);
        });
        QTRY_COMPARE(tratadasAoVoltar.load(), 1);
        trabalhador.join();
        const int indice = barra.CommandToIndex(ID_ZTSTATUS_ANIMACAO);
        QCOMPARE(barra.GetPaneText(indice).str(), std::string("Lendo"));
        QCOMPARE(barra.Largura(ID_ZTSTATUS_ANIMACAO), barra.MeasureText("Lendo").cx);
    }

    // While the wait cursor lives the pane animates beside its text; afterwards the pane is gone.
    void waitCursorAnimatesThePane() {
        BarraSonda barra;
        Cria(barra, kTodosPaineis);
        const int indice = barra.CommandToIndex(ID_ZTSTATUS_ANIMACAO);
        {
            CZTWaitCursor espera("Abrindo", 0, -1);
            QVERIFY(QGuiApplication::overrideCursor());
            QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
            QVERIFY(barra.Animacao()->EstaAnimando());
            QCOMPARE(barra.GetPaneText(indice).str(), kEspacoAnimacao + "Abrindo");
            espera.SetTexto("Lendo");
            QCOMPARE(barra.GetPaneText(indice).str(), kEspacoAnimacao + "Lendo");
            QCOMPARE(barra.Largura(ID_ZTSTATUS_ANIMACAO), barra.MeasureText(kEspacoAnimacao + "Lendo").cx);
        }
        QVERIFY(!QGuiApplication::overrideCursor());
        QTRY_COMPARE(barra.Tratadas(WM_ZTSTATUS_ANIMACAO), 2);
        QCOMPARE(barra.Largura(ID_ZTSTATUS_ANIMACAO), 0);
        QVERIFY(!barra.Animacao()->EstaAnimando());
    }

    // The animation keeps to the left end of its pane when the frame's width moves the pane.
    void animationFollowsItsPane() {
        BarraSonda barra;
        Cria(barra, kTodosPaineis);
        ZTIniciaAnimacaoStatusBar("Gravando", 0, -1);
        const int indice = barra.CommandToIndex(ID_ZTSTATUS_ANIMACAO);
        const auto esquerda = [&barra, indice] {
            Rect painel;
            barra.GetItemRect(indice, &painel);
            return painel.left;
        };
        // Where the animation lies in the bar, from the pane's left edge.
        const auto deslocamento = [&barra, &esquerda] {
            Rect animacao;
            Rect janela;
            barra.Animacao()->GetWindowRect(&animacao);
            barra.GetWindowRect(&janela);
            return animacao.left - janela.left - esquerda();
        };
        QCOMPARE(deslocamento(), 1);
        const int antes = esquerda();
        frame_->MoveWindow(0, 0, 800, 120);
        QTRY_COMPARE(esquerda(), antes - 100);
        QTRY_COMPARE(deslocamento(), 1);
    }

    // A change of the desktop's colours loads the state pictures again on the new button face.
    void stateFollowsTheButtonFace() {
        BarraSonda barra;
        Cria(barra, ZTSTATUS_PAINEIS_PADRAO);
        const QPalette original = QGuiApplication::palette();
        QPalette nova = original;
        nova.setColor(QPalette::Button, QColor(10, 20, 30));
        QGuiApplication::setPalette(nova);
        Rect estado;
        barra.GetItemRect(barra.CommandToIndex(ID_ZTSTATUS_ESTADO), &estado);
        // The picture's top-left pixel is its background.
        QTRY_COMPARE(barra.GetWidget()->grab().toImage().pixelColor(estado.left, estado.top), QColor(10, 20, 30));
        QGuiApplication::setPalette(original);
    }

    // Every pane at once: user and company, state 1, icon 1, the animation and a marked text.
    void screenshotOfEveryPane() {
        BarraSonda barra;
        Cria(barra, kTodosPaineis);
        barra.SetUsuarioEmpresa("ana", "ACME");
        ZTSetIndicadorStatusBar(1);
        ZTSetIconeStatusBar(1);
        ZTSetTextoMarcadoStatusBar("[B]Filtro[/B] [CC00000]ativo[/C]");
        ZTIniciaAnimacaoStatusBar("Gravando documento", 0, -1);
        barra.SetWindowText("Pronto");
        QTRY_COMPARE(barra.Tratadas(WM_ZTSTATUS_TEXTO_MARCADO), 1);
        QTRY_COMPARE(barra.Tratadas(WM_ZTSTATUS_ICONE), 1);
        QTRY_COMPARE(barra.Tratadas(WM_ZTSTATUS_ESTADO), 1);
        QTRY_VERIFY(!barra.textos[ID_ZTSTATUS_USUARIO].empty());
        QVERIFY(kelvo::testing::SaveScreenshot(*frame_->GetWidget(), "framework_status_bar", "every_pane", QSize(900, 120)));
        Rect usuario;
        barra.GetItemRect(barra.CommandToIndex(ID_ZTSTATUS_USUARIO), &usuario);
        QVERIFY(TemPixelEscuro(barra.GetWidget()->grab().toImage(), usuario));
    }
};

QTEST_MAIN(StatusBarTest)
#include "status_bar_test.moc"
