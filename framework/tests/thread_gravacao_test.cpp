// The saving thread through a test subclass, and the documents' road to it: one save at a time,
// a batch then a single record, a stop during a save, the results posted to the main window,
// the thread started with its interfaces and window and stopped before the document forgets it,
// the save indicator, and the wait cursor ended on every path.
#include "framework/animation/zt_classe_animacao.h"
#include "framework/app/zt_kelvo_usuario.h"
#include "framework/application/zt_kelvo_app.h"
#include "framework/document/zt_fc_resultado_gravacao.h"
#include "framework/document/zt_kelvo_document.h"
#include "framework/status/zt_frame_status_bar.h"
#include "framework/status/zt_status_bar.h"
#include "framework/status/zt_status_bar_ids.h"
#include "framework/tests/kelvo_document_support.h"
#include "framework/thread/zt_fc_thread_gravacao.h"
#include "framework/view/zt_fc_blocos.h"
#include "platform/ui/document/frame_wnd.h"

#include <QGuiApplication>
#include <QtTest>

#include <algorithm>
#include <chrono>
#include <functional>
#include <memory>
#include <mutex>
#include <semaphore>
#include <string>
#include <thread>
#include <vector>

using namespace platform;
using namespace platform::ui;
using framework::testing::Registro;
using framework::testing::ServicosGravados;

namespace {

// A record that carries a number.
class Numero final : public CZTFCDados {
public:
    explicit Numero(int valor) : valor(valor) {}
    [[nodiscard]] CZTFCDados* Clone() const override { return new Numero(valor); }
    int valor;
};

std::string Valor(const CZTFCDados* registro) {
    const auto* numero = dynamic_cast<const Numero*>(registro);
    return numero ? std::to_string(numero->valor) : "-";
}

std::string Valores(std::int32_t quantidade, CZTFCDados* const* registros) {
    std::string texto;
    for (std::int32_t i = 0; i < quantidade; ++i) texto += (i ? " " : "") + Valor(registros[i]);
    return texto;
}

// A log that both threads write.
class Diario {
public:
    void Anota(const std::string& linha) {
        const std::scoped_lock trava(mutex_);
        linhas_.push_back(linha);
    }
    [[nodiscard]] Registro Linhas() {
        const std::scoped_lock trava(mutex_);
        return linhas_;
    }
    void Limpa() {
        const std::scoped_lock trava(mutex_);
        linhas_.clear();
    }
    [[nodiscard]] std::ptrdiff_t Posicao(const std::string& linha) {
        const Registro linhas = Linhas();
        return std::find(linhas.begin(), linhas.end(), linha) - linhas.begin();
    }

private:
    std::mutex mutex_;
    Registro linhas_;
};

// Logs each save when it ends; a held worker's save waits for a Libera. Each status carries the
// record's number: status 100 + n, subcode n, extra n.
class ThreadDeTeste : public CZTFCThreadGravacao {
public:
    explicit ThreadDeTeste(Diario& diario, bool retida = false) : diario_(diario), retida_(retida) {}
    ~ThreadDeTeste() override { Para(); }

    // Waits until a save has begun.
    void AguardaInicio() { comecadas_.acquire(); }
    void Libera(int quantas = 1) { liberadas_.release(quantas); }

    // Runs on the worker before the save of the record numbered n ends; set before it starts.
    std::function<void(int n)> antesDoFim;

    ZTFC_STATUS_GRAVACAO GravaRegistro(CZTFCDados* registro) override {
        return Grava("registro " + Valor(registro), registro);
    }
    ZTFC_STATUS_GRAVACAO GravaLote(std::int32_t quantidade, CZTFCDados** registros) override {
        return Grava("lote " + Valores(quantidade, registros), quantidade ? registros[0] : nullptr);
    }
    void OnInicializaThread(CZTListaInterfaces&) override { diario_.Anota("OnInicializaThread"); }
    int ExitInstance() override {
        diario_.Anota("fim da thread");
        return CZTFCThreadGravacao::ExitInstance();
    }

private:
    ZTFC_STATUS_GRAVACAO Grava(const std::string& linha, const CZTFCDados* primeiro) {
        comecadas_.release();
        if (retida_) liberadas_.acquire();
        const auto* numero = dynamic_cast<const Numero*>(primeiro);
        const int n = numero ? numero->valor : 0;
        if (antesDoFim) antesDoFim(n);
        diario_.Anota(linha);
        return {100 + n, n, new std::int32_t(n)};
    }

    Diario& diario_;
    bool retida_;
    std::counting_semaphore<16> comecadas_{0};
    std::counting_semaphore<16> liberadas_{0};
};

// The worker a document makes: it logs to the diary the test names.
Diario* gDiarioDoDocumento = nullptr;
class ThreadDoDocumento final : public ThreadDeTeste {
public:
    ThreadDoDocumento() : ThreadDeTeste(*gDiarioDoDocumento) { gDiarioDoDocumento->Anota("thread criada"); }
};

// A main frame with a status bar that describes each result block it receives ("20 (status,
// subcode, extra): values") and frees it, as the main frame does through the document.
class FrameDeResultados final : public FrameWnd, public IZTFrameStatusBar {
public:
    class Barra final : public CZTStatusBar {
    public:
        std::vector<int> estados;

    protected:
        LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
            if (message == WM_ZTSTATUS_ESTADO) estados.push_back(static_cast<int>(wParam));
            return CZTStatusBar::WindowProc(message, wParam, lParam);
        }
    };

    Registro resultados;
    Barra barra;
    CZTStatusBar* GetStatusBar() override { return &barra; }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message != WM_ZTFC_RESULTADO_GRAVACAO) return FrameWnd::WindowProc(message, wParam, lParam);
        const std::unique_ptr<ZTFC_BLOCO_RESULTADO> bloco(reinterpret_cast<ZTFC_BLOCO_RESULTADO*>(lParam));
        std::string texto = std::to_string(bloco->dwTamanho) + " (" + std::to_string(bloco->lStatus) + "," +
                            std::to_string(bloco->lSubCodigo) + "," + std::to_string(ZTFCTomaExtra(*bloco)) + "): ";
        if (auto* um = dynamic_cast<ZTFC_BLOCO_GRAVADO*>(bloco.get())) texto += Valor(um->pRegistro);
        if (auto* lote = dynamic_cast<ZTFC_BLOCO_LOTE*>(bloco.get())) texto += Valores(lote->nQuantidade, lote->ppRegistros);
        ZTFCLiberaRegistros(*bloco);
        resultados.push_back(texto);
        return 0;
    }
};

// A document of either layer whose saving thread is ThreadDoDocumento.
template <class TDoc>
class DocumentoComThread final : public TDoc {
public:
    explicit DocumentoComThread(Diario& diario) : diario_(diario) {}
    ZTFC_CLASSE_THREAD GetClasseThread() override { return &ZTFCCriaThreadGravacao<ThreadDoDocumento>; }
    void ConfiguraThread(CZTListaInterfaces&) override { diario_.Anota("ConfiguraThread"); }

private:
    Diario& diario_;
};

void EntregaPostadas() {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

}  // namespace

class ThreadGravacaoTest : public QObject {
    Q_OBJECT

    Registro servicosLog_;
    Diario diario_;
    std::unique_ptr<CZTKelvoApp> app_;
    std::unique_ptr<ServicosGravados> servicos_;
    FrameDeResultados* frame_ = nullptr;

    [[nodiscard]] CZTKelvoUsuario& Usuario() const { return *dynamic_cast<CZTKelvoUsuario*>(app_->GetUsuario()); }

    // A worker on the main frame's results, running.
    void Inicia(ThreadDeTeste& thread) {
        thread.SetJanela(frame_->GetSafeHwnd());
        thread.ResumeThread();
    }

private slots:
    void initTestCase() { ZTRegistraClasseAnimacao(); }
    void init() {
        diario_.Limpa();
        gDiarioDoDocumento = &diario_;
        app_ = std::make_unique<CZTKelvoApp>();
        servicos_ = std::make_unique<ServicosGravados>(servicosLog_);
        frame_ = new FrameDeResultados;
        QVERIFY(frame_->LoadFrame(0));
        frame_->barra.SetPaineis(ZTSTATUS_PAINEIS_PADRAO);
        QVERIFY(frame_->barra.Cria(frame_));
        app_->m_pMainWnd = frame_;
    }
    void cleanup() {
        EntregaPostadas();
        app_->m_pMainWnd = nullptr;
        frame_->DestroyWindow();
        frame_ = nullptr;
        servicos_.reset();
        app_.reset();
    }

    // A second record queued while the first is saved must wait for that save, and each save
    // must work on its own copy: the caller's record may change at once.
    void twoRecordsInARowSaveOneAfterTheOther() {
        ThreadDeTeste thread(diario_);
        // The first save outlasts a second call that does not wait: it ends once that call has
        // returned, or after a grace period when the call rightly waits for it.
        std::binary_semaphore segundaVoltou{0};
        thread.antesDoFim = [&](int n) {
            if (n == 1) static_cast<void>(segundaVoltou.try_acquire_for(std::chrono::milliseconds(200)));
        };
        Inicia(thread);
        Numero um(1);
        Numero dois(2);
        thread.EnfileiraRegistro(&um);
        um.valor = 99;
        thread.AguardaInicio();
        std::thread segunda([&] {
            thread.EnfileiraRegistro(&dois);
            diario_.Anota("segunda enfileirada");
            segundaVoltou.release();
        });
        segunda.join();
        thread.AguardaOcioso();
        QVERIFY(diario_.Posicao("registro 1") < diario_.Posicao("segunda enfileirada"));
        QVERIFY(diario_.Posicao("registro 1") < diario_.Posicao("registro 2"));
        QVERIFY(diario_.Posicao("registro 2") < static_cast<std::ptrdiff_t>(diario_.Linhas().size()));
        QTRY_COMPARE(frame_->resultados, (Registro{"20 (101,1,1): 1", "20 (102,2,2): 2"}));
    }

    // After a batch, a single record must be saved itself, not the batch again.
    void aBatchThenASingleSavesTheSingle() {
        ThreadDeTeste thread(diario_);
        Inicia(thread);
        thread.EnfileiraLote(2, new CZTFCDados* [2] { new Numero(3), new Numero(4) });
        Numero cinco(5);
        thread.EnfileiraRegistro(&cinco);
        thread.AguardaOcioso();
        QCOMPARE(diario_.Linhas(), (Registro{"OnInicializaThread", "lote 3 4", "registro 5"}));
        QTRY_COMPARE(frame_->resultados, (Registro{"24 (103,3,3): 3 4", "20 (105,5,5): 5"}));
    }

    // A stop during a save lets the save finish, posts nothing, and returns once the thread
    // has ended.
    void stopDuringASave() {
        ThreadDeTeste thread(diario_, true);
        Inicia(thread);
        Numero um(1);
        thread.EnfileiraRegistro(&um);
        thread.AguardaInicio();
        std::thread parador([&] {
            thread.Para();
            diario_.Anota("Para voltou");
        });
        QTRY_VERIFY(thread.IsParando());
        thread.Libera();
        parador.join();
        QCOMPARE(diario_.Linhas(), (Registro{"OnInicializaThread", "registro 1", "fim da thread", "Para voltou"}));
        EntregaPostadas();
        QCOMPARE(frame_->resultados, Registro{});
    }

    // The document's road: the thread is made once, configured before it runs, posts to the
    // main window, gets the records each kind of save queues, and has ended when OnFinaliza
    // returns.
    void theDocumentQueuesForItsThread_data() {
        QTest::addColumn<bool>("multiSelecao");
        QTest::addColumn<bool>("selecionado");
        QTest::addColumn<bool>("selecao");
        QTest::addColumn<QString>("gravado");
        QTest::addColumn<QString>("resultado");
        QTest::newRow("Grava") << false << false << false << "registro 7" << "20 (107,7,7): 7";
        QTest::newRow("Grava, multi-selection: a batch of one") << true << false << false << "lote 7" << "24 (107,7,7): 7";
        QTest::newRow("GravaSelecao: the current record") << false << false << true << "registro 8" << "20 (108,8,8): 8";
        QTest::newRow("GravaSelecao, multi-selection: the selection")
            << true << true << true << "lote 10" << "24 (110,10,10): 10";
        QTest::newRow("GravaSelecao, multi-selection, nothing selected: the current record")
            << true << false << true << "lote 8" << "24 (108,8,8): 8";
    }
    void theDocumentQueuesForItsThread() {
        QFETCH(bool, multiSelecao);
        QFETCH(bool, selecionado);
        QFETCH(bool, selecao);
        QFETCH(QString, gravado);
        QFETCH(QString, resultado);
        auto* documento = new DocumentoComThread<CZTKelvoDocument>(diario_);
        documento->SetRegistroAtual(new Numero(8));
        documento->SetMultiSelecao(multiSelecao);
        if (selecionado) {
            // In multi-selection mode the selection becomes this record and the current record
            // a copy, which then changes.
            documento->SetRegistroAtual(new Numero(10));
            dynamic_cast<Numero*>(documento->GetRegistroAtual())->valor = 12;
        }
        documento->OnInicializa();
        documento->OnInicializa();
        Usuario().SetAguardaGravacao(true);
        Numero sete(7);
        if (selecao) {
            documento->GravaSelecao();
        } else {
            documento->Grava(&sete);
        }
        const Registro antes = diario_.Linhas();
        documento->OnFinaliza();
        QCOMPARE(antes, (Registro{"thread criada", "ConfiguraThread", "OnInicializaThread", gravado.toStdString()}));
        QCOMPARE(diario_.Linhas().back(), std::string("fim da thread"));
        QTRY_COMPARE(frame_->resultados, Registro{resultado.toStdString()});
        delete documento;
    }

    // The status bar's save indicator, of the suite layer only: queued once the save is queued;
    // with the wait for saves busy while waiting (sent, so it shows first), then idle.
    void theIndicatorFollowsTheSave_data() {
        QTest::addColumn<bool>("suite");
        QTest::addColumn<bool>("aguarda");
        QTest::addColumn<QList<int>>("estados");
        QTest::newRow("suite") << true << false << QList<int>{1};
        QTest::newRow("suite, waiting for saves") << true << true << QList<int>{2, 1, 0};
        QTest::newRow("framework") << false << true << QList<int>{};
    }
    void theIndicatorFollowsTheSave() {
        QFETCH(bool, suite);
        QFETCH(bool, aguarda);
        QFETCH(QList<int>, estados);
        std::unique_ptr<CZTFCDocument> documento;
        if (suite) {
            documento = std::make_unique<DocumentoComThread<CZTKelvoDocument>>(diario_);
        } else {
            documento = std::make_unique<DocumentoComThread<CZTFCDocument>>(diario_);
        }
        documento->OnInicializa();
        Usuario().SetAguardaGravacao(aguarda);
        Numero um(1);
        documento->Grava(&um);
        EntregaPostadas();
        QCOMPARE(QList<int>(frame_->barra.estados.begin(), frame_->barra.estados.end()), estados);
        documento->OnFinaliza();
    }

    // Grava and GravaSelecao end their wait cursor, with a saving thread and without one.
    void theWaitCursorEnds_data() {
        QTest::addColumn<bool>("comThread");
        QTest::addColumn<bool>("selecao");
        QTest::newRow("Grava without a thread") << false << false;
        QTest::newRow("GravaSelecao without a thread") << false << true;
        QTest::newRow("Grava with a thread") << true << false;
        QTest::newRow("GravaSelecao with a thread") << true << true;
    }
    void theWaitCursorEnds() {
        QFETCH(bool, comThread);
        QFETCH(bool, selecao);
        std::unique_ptr<CZTFCDocument> documento;
        if (comThread) {
            documento = std::make_unique<DocumentoComThread<CZTKelvoDocument>>(diario_);
        } else {
            documento = std::make_unique<CZTKelvoDocument>();
        }
        documento->OnInicializa();
        Numero um(1);
        if (selecao) {
            documento->GravaSelecao();
        } else {
            documento->Grava(&um);
        }
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
        documento->OnFinaliza();
    }
};

QTEST_MAIN(ThreadGravacaoTest)
#include "thread_gravacao_test.moc"
