// The framework and suite documents with a main window: the company start-up over recording
// fakes of the company and start-up libraries, the access test, the refusal and the closing of
// a company, the company commands, the save results and where their error ends, refresh, the
// totals line toggle and the form-clearing hint.
#include "framework/app/zt_kelvo_usuario.h"
#include "framework/application/zt_fc_acesso.h"
#include "framework/application/zt_kelvo_app.h"
#include "framework/application/zt_kelvo_exception.h"
#include "framework/document/zt_fc_document_sem_thread_templ.h"
#include "framework/document/zt_kelvo_document.h"
#include "framework/status/zt_frame_status_bar.h"
#include "framework/status/zt_status_bar.h"
#include "framework/tests/kelvo_document_support.h"
#include "framework/tests/record_cache_fakes.h"
#include "framework/view/zt_fc_grid_view.h"
#include "framework/view/zt_fc_hints.h"
#include "platform/ui/command/cmd_ui.h"
#include "platform/ui/document/create_context.h"
#include "platform/ui/document/frame_wnd.h"
#include "platform/ui/message/dispatch_boundary.h"
#include "platform/ui/tests/support/recorded_window_boxes.h"

#include <QtTest>

#include <memory>
#include <optional>
#include <string>
#include <vector>

using namespace platform;
using namespace platform::ui;
using namespace framework::testing;

namespace {

using Holder = CZTFCDadosClasseTempl<RegistroFalso>;

// The bar's user-and-company text, as the frame's status bar keeps it.
class BarraDeTeste final : public CZTStatusBar {
public:
    [[nodiscard]] std::string Texto() const { return m_strUsuarioEmpresa.GetString(); }
};

class FrameComBarra final : public FrameWnd, public IZTFrameStatusBar {
public:
    BarraDeTeste barra;
    CZTStatusBar* GetStatusBar() override { return &barra; }
};

// A two-column list, so that a column command has a column to hide.
class GridDeDuasColunas final : public CZTFCGridView {
public:
    GridDeDuasColunas() { GetGrid().SetNumeroColunas(2); }
    CZTInfoColuna GetInformacaoColuna(int coluna) override { return {coluna == 0 ? "Codigo" : "Nome"}; }
    BOOL OnLoadCellStyle(ROWCOL, ROWCOL, CZTEstiloCelula& estilo) override {
        estilo.SetValue("x");
        return TRUE;
    }
};

// A document of either layer that saves with a scripted status and logs its save hooks.
template <class TDoc>
class DocumentoQueGrava : public CZTFCDocumentSemThreadTempl<TDoc, CacheContado, RegistroFalso> {
public:
    explicit DocumentoQueGrava(Registro& registro) : registro_(registro) {}

    ZTFC_STATUS_GRAVACAO status;

    ZTFC_STATUS_GRAVACAO GravaRegistro(CZTFCDados*) override { return status; }
    void OnRegistroGravado(CZTFCDados*) override { registro_.push_back("doc OnRegistroGravado"); }
    void OnRegistroGravadoAviso(CZTFCDados*, std::int32_t st) override {
        registro_.push_back("doc OnRegistroGravadoAviso " + std::to_string(st));
    }
    void OnLoteGravado(std::int32_t quantidade, CZTFCDados**) override {
        registro_.push_back("doc OnLoteGravado " + std::to_string(quantidade));
    }
    void OnLoteGravadoAviso(std::int32_t quantidade, CZTFCDados**, std::int32_t st) override {
        registro_.push_back("doc OnLoteGravadoAviso " + std::to_string(quantidade) + ' ' + std::to_string(st));
    }

private:
    Registro& registro_;
};
using DocumentoFC = DocumentoQueGrava<CZTFCDocument>;
using DocumentoKelvo = DocumentoQueGrava<CZTKelvoDocument>;

// A result block as a save hands it over: the record copies (and the batch's array) and the
// extra value on the heap.
ZTFC_BLOCO_RESULTADO* BlocoDeResultado(bool lote, std::int32_t status, std::int32_t extra) {
    ZTFC_BLOCO_RESULTADO* bloco = nullptr;
    if (lote) {
        auto* bloco24 = new ZTFC_BLOCO_LOTE;
        bloco24->nQuantidade = 2;
        bloco24->ppRegistros = new CZTFCDados*[2]{new Holder, new Holder};
        bloco = bloco24;
    } else {
        auto* bloco20 = new ZTFC_BLOCO_GRAVADO;
        bloco20->pRegistro = new Holder;
        bloco = bloco20;
    }
    bloco->lStatus = status;
    bloco->lSubCodigo = 4;
    bloco->pExtra = new std::int32_t(extra);
    return bloco;
}

CONEXO_TIPOS_SISTEMAS Tipos(std::uint8_t byte31, std::uint8_t byte32, std::uint8_t byte48, std::uint8_t byte49) {
    CONEXO_TIPOS_SISTEMAS tipos{};
    tipos[31] = byte31;
    tipos[32] = byte32;
    tipos[48] = byte48;
    tipos[49] = byte49;
    return tipos;
}

// The state of command `id` as the document's update handlers leave it.
CmdUI EstadoDoComando(CZTFCDocument& documento, UINT id) {
    CmdUI ui(id);
    ui.SetCheck(1);
    documento.OnCmdMsg(id, CN_UPDATE_COMMAND_UI, &ui);
    return ui;
}

}  // namespace

class KelvoDocumentTest : public QObject {
    Q_OBJECT

    Registro registro_;
    std::unique_ptr<CZTKelvoApp> app_;
    std::unique_ptr<ServicosGravados> servicos_;
    FrameComBarra* frame_ = nullptr;
    ViewQueAnota* ouvinte_ = nullptr;
    CZTFCDocument* documento_ = nullptr;

    [[nodiscard]] CZTKelvoAppInfo& AppInfo() const { return *app_->GetAppInfo(); }
    [[nodiscard]] CZTKelvoUsuario& Usuario() const { return *dynamic_cast<CZTKelvoUsuario*>(app_->GetUsuario()); }

    // `documento` shown by a main frame whose active view is a grid, with a listener beside.
    template <class D>
    D* Monta(D* documento) {
        documento_ = documento;
        ouvinte_ = new ViewQueAnota(registro_);
        documento->AddView(ouvinte_);
        frame_ = new FrameComBarra;
        CreateContext contexto{documento, [] { return new GridDeDuasColunas; }};
        if (!frame_->LoadFrame(0, &contexto)) return nullptr;
        frame_->InitialUpdateFrame(documento, FALSE);
        app_->m_pMainWnd = frame_;
        return documento;
    }
    [[nodiscard]] DocumentoKelvo* MontaKelvo() { return Monta(new DocumentoKelvo(registro_)); }
    // Opens company "EMP2" branch 3, then forgets what the opening logged.
    [[nodiscard]] DocumentoKelvo* MontaComEmpresa() {
        DocumentoKelvo* documento = MontaKelvo();
        if (!documento) return nullptr;
        servicos_->escolhas.push_back({true, "EMP2", 3});
        documento->InicializaEmpresa();
        registro_.clear();
        return AppInfo().TemEmpresa() ? documento : nullptr;
    }
    [[nodiscard]] std::string Titulo() const {
        String titulo;
        frame_->GetWindowText(titulo);
        return titulo.GetString();
    }
    [[nodiscard]] GridDeDuasColunas& Grid() const { return *dynamic_cast<GridDeDuasColunas*>(frame_->GetActiveView()); }

private slots:
    void init() {
        registro_.clear();
        app_ = std::make_unique<CZTKelvoApp>(new AppInfoGravada(registro_));
        app_->SetTitulo("Teste Kelvo");
        const std::uint16_t codigos[] = {7, 9};
        Usuario().SetControles(2, codigos);
        servicos_ = std::make_unique<ServicosGravados>(registro_);
        servicos_->dados.direitos = {{7, true}, {9, false}};
    }
    void cleanup() {
        app_->m_pMainWnd = nullptr;
        if (documento_) {
            documento_->RemoveView(ouvinte_);
            delete ouvinte_;
            if (frame_) {
                documento_->OnCloseDocument();
            } else {
                delete documento_;
            }
        }
        documento_ = nullptr;
        frame_ = nullptr;
        ouvinte_ = nullptr;
        servicos_.reset();
        app_.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // The start-up must call the libraries in its fixed order and fill the session objects.
    void startUpCallsTheLibrariesInOrder() {
        DocumentoKelvo* documento = MontaKelvo();
        QVERIFY(documento);
        servicos_->escolhas.push_back({true, "EMP2", 3});
        servicos_->dados.tipos[0] = 'K';
        servicos_->dados.testarEnter = false;
        registro_.clear();
        QCOMPARE(documento->OnNewDocument(), TRUE);

        const Registro esperado = {
            "GetEmpresaEx DF 0 0 vazios",
            "SetEmpresa EMP2 3",
            "BuscaDados EMP2 0 3 0 0 [ 7 9 ] 0 1 1",
            "GetTemAcesso 7",
            "GetTemAcesso 9",
            "GetTipoSistemas",
            "GetNumeroSecao",
            "Inicializa EMP2 3 55",
            "GetAcessoServidores",
            "SetAcessoServidoresDefault EMP2 3 55",
            "GetSupervisor",
            "GetTemAcesso",
            "GetRazaoSocial",
            "GetSupervisor",
            "GetNomeUsuario",
            "GetTestarEnter",
            "hint 10 [Ana]",
            "hint 9 [Ana]",
            "ResetBuffer",
            "hint 7 [Ana]",
        };
        QCOMPARE(registro_, esperado);
        QCOMPARE(AppInfo().GetEmpresa(), CZTString("EMP2"));
        QCOMPARE(AppInfo().GetFilial(), std::uint16_t{3});
        QCOMPARE(AppInfo().GetNumeroSecao(), 55);
        QCOMPARE(AppInfo().GetRazaoSocial(), CZTString("Comercial Exemplo"));
        QCOMPARE(AppInfo().GetTiposSistemas().bytes[0], std::uint8_t{'K'});
        QCOMPARE(Usuario().GetAcesso(7), 1);
        QCOMPARE(Usuario().GetAcesso(9), 0);
        QCOMPARE(Usuario().GetEnterComoTab(), false);
        QCOMPARE(frame_->barra.Texto(), std::string("Ana\nEMP2"));
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
    }

    // The command line's company must be opened without the choice, also after it was closed.
    void aPreselectedCompanySkipsTheChoiceEachTime() {
        DocumentoKelvo* documento = MontaKelvo();
        QVERIFY(documento);
        AppInfo().SetEmpresa("PRE", 2, 77);
        registro_.clear();
        documento->InicializaEmpresa();
        QCOMPARE(registro_.at(0), std::string("BuscaDados PRE 77 2 0 0 [ 7 9 ] 0 1 1"));
        QVERIFY(AppInfo().TemEmpresa());

        documento->FechaEmpresa();
        QVERIFY(!AppInfo().TemEmpresa());
        registro_.clear();
        documento->InicializaEmpresa();
        QCOMPARE(registro_.at(0), std::string("BuscaDados PRE 77 2 0 0 [ 7 9 ] 0 1 1"));
        QCOMPARE(AppInfo().GetEmpresa(), CZTString("PRE"));
        QCOMPARE(AppInfo().GetFilial(), std::uint16_t{2});
    }

    // A cancelled choice must change nothing: at start-up no document is made, and an open
    // company stays open with its user.
    void cancellingTheChoiceChangesNothing() {
        DocumentoKelvo* documento = MontaKelvo();
        QVERIFY(documento);
        registro_.clear();
        QCOMPARE(documento->OnNewDocument(), FALSE);
        QCOMPARE(registro_, Registro{"GetEmpresaEx DF 0 0 vazios"});
        QVERIFY(!AppInfo().TemEmpresa());

        servicos_->escolhas.push_back({true, "EMP2", 3});
        documento->InicializaEmpresa();
        registro_.clear();
        servicos_->escolhas.push_back({false, "OUTRA", 1});
        documento->InicializaEmpresa();
        QCOMPARE(registro_, Registro{"GetEmpresaEx DF 0 0 vazios"});
        QCOMPARE(AppInfo().GetEmpresa(), CZTString("EMP2"));
        QCOMPARE(Usuario().GetNomeUsuario(), CZTString("Ana"));
    }

    // Choosing another company must close the first (user reset, hint 9) before it is set.
    void aSecondCompanyClosesTheFirstBeforeItIsSet() {
        DocumentoKelvo* documento = MontaComEmpresa();
        QVERIFY(documento);
        servicos_->escolhas.push_back({true, "EMP5", 1});
        servicos_->dados.nome = "Bia";
        documento->InicializaEmpresa();
        const Registro inicio(registro_.begin(), registro_.begin() + 3);
        QCOMPARE(inicio, (Registro{"GetEmpresaEx DF 0 0 vazios", "hint 9 []", "SetEmpresa EMP5 1"}));
        QCOMPARE(registro_.back(), std::string("hint 7 [Bia]"));
        QCOMPARE(frame_->barra.Texto(), std::string("Bia\nEMP5"));
    }

    // The access test: with no requirement only supervisor or a right counts; each requirement
    // reads its byte whatever its case; a zero byte passes.
    void accessTest_data() {
        QTest::addColumn<int>("exigencias");  // 1 A, 2 B, 4 C
        QTest::addColumn<QByteArray>("permitidos");
        QTest::addColumn<QByteArray>("bytes");  // bytes 31, 32, 48, 49
        QTest::addColumn<bool>("supervisor");
        QTest::addColumn<bool>("temAcesso");
        QTest::addColumn<bool>("concedido");
        const QByteArray zeros(4, '\0');
        QTest::newRow("none: supervisor") << 0 << QByteArray() << zeros << true << false << true;
        QTest::newRow("none: a right") << 0 << QByteArray() << zeros << false << true << true;
        QTest::newRow("none: neither") << 0 << QByteArray() << zeros << false << false << false;
        QTest::newRow("none: bytes unread") << 0 << QByteArray() << QByteArray("SXXZ") << false << true << true;
        QTest::newRow("A: lower-case n") << 1 << QByteArray() << QByteArray("\0\0nZ", 4) << false << true << true;
        QTest::newRow("A: X, empty list") << 1 << QByteArray() << QByteArray("\0\0XP", 4) << false << true << false;
        QTest::newRow("A: X, listed code") << 1 << QByteArray("PQ") << QByteArray("\0\0XQ", 4) << false << true << true;
        QTest::newRow("A: X, code not listed") << 1 << QByteArray("PQ") << QByteArray("\0\0XR", 4) << false << true
                                               << false;
        QTest::newRow("A: supervisor still refused") << 1 << QByteArray() << QByteArray("\0\0XP", 4) << true << true
                                                     << false;
        QTest::newRow("B: lower-case n") << 2 << QByteArray() << QByteArray("\0n\0\0", 4) << false << true << true;
        QTest::newRow("B: X") << 2 << QByteArray() << QByteArray("\0X\0\0", 4) << false << true << false;
        QTest::newRow("C: lower-case s") << 4 << QByteArray() << QByteArray("s\0\0\0", 4) << false << true << false;
        QTest::newRow("C: N") << 4 << QByteArray() << QByteArray("N\0\0\0", 4) << false << true << true;
        QTest::newRow("all: zero bytes") << 7 << QByteArray() << zeros << false << true << true;
        QTest::newRow("all met, no right") << 7 << QByteArray() << QByteArray("NNNZ") << false << false << false;
    }
    void accessTest() {
        QFETCH(int, exigencias);
        QFETCH(QByteArray, permitidos);
        QFETCH(QByteArray, bytes);
        QFETCH(bool, supervisor);
        QFETCH(bool, temAcesso);
        QFETCH(bool, concedido);
        CZTKelvoDocument documento;
        const std::vector<std::uint8_t> codigos(permitidos.begin(), permitidos.end());
        documento.SetExigenciaTipos(exigencias & 1, &codigos);
        documento.SetExigencia32(exigencias & 2);
        documento.SetExigencia31(exigencias & 4);
        DadosEmpresa dados;
        dados.supervisor = supervisor;
        dados.temAcesso = temAcesso;
        const auto byte = [&](int i) { return static_cast<std::uint8_t>(bytes[i]); };
        dados.tipos = Tipos(byte(0), byte(1), byte(2), byte(3));
        QCOMPARE(documento.ValidaAcesso(DadosGravados(dados, nullptr)), concedido);
    }

    // A null list must empty the allowed codes.
    void aNullListEmptiesTheAllowedCodes() {
        CZTKelvoDocument documento;
        const std::vector<std::uint8_t> codigos{'Q'};
        documento.SetExigenciaTipos(1, &codigos);
        documento.SetExigenciaTipos(1, nullptr);
        QVERIFY(documento.GetSistemasPermitidos().empty());
        DadosEmpresa dados;
        dados.tipos = Tipos(0, 0, 'X', 'Q');
        QCOMPARE(documento.ValidaAcesso(DadosGravados(dados, nullptr)), false);
    }

    // A refusal shows the box over the main window, then closes the company: no company, the
    // rights it had been given cleared, hint 9, and at start-up no document.
    void aRefusalShowsTheBoxAndClosesTheCompany() {
        DocumentoKelvo* documento = MontaKelvo();
        QVERIFY(documento);
        servicos_->escolhas.push_back({true, "EMP2", 3});
        servicos_->dados.temAcesso = false;
        registro_.clear();
        kelvo::testing::RecordedWindowBoxes caixas;
        QCOMPARE(documento->OnNewDocument(), FALSE);

        QCOMPARE(caixas.boxes.size(), std::size_t{1});
        QCOMPARE(caixas.boxes[0].text,
                 std::string("Usu\xE1rio n\xE3o possui permiss\xE3o para utilizar este recurso."));
        QCOMPARE(caixas.boxes[0].caption, std::string("Kelvo Empresarial"));
        QCOMPARE(caixas.boxes[0].type, unsigned{MB_ICONWARNING});
        QCOMPARE(caixas.boxes[0].owner, reinterpret_cast<std::uintptr_t>(frame_->GetSafeHwnd()));
        QVERIFY(!AppInfo().TemEmpresa());
        QCOMPARE(AppInfo().GetFilial(), std::uint16_t{0});
        QCOMPARE(Usuario().GetAcesso(7), 0);
        QCOMPARE(registro_.back(), std::string("hint 9 []"));
        for (const char* naoVisto : {"hint 10 [Ana]", "hint 7 [Ana]", "ResetBuffer"}) {
            QVERIFY2(std::find(registro_.begin(), registro_.end(), naoVisto) == registro_.end(), naoVisto);
        }
        QCOMPARE(Titulo(), std::string("Teste Kelvo"));
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
    }

    // After closing, or after a refused switch, no company is selected and its column commands
    // are disabled, unchecked and do nothing; while one is open they reach the grid.
    void companyCommandsStopWithTheCompany_data() {
        QTest::addColumn<bool>("recusa");
        QTest::newRow("closed") << false;
        QTest::newRow("refused switch") << true;
    }
    void companyCommandsStopWithTheCompany() {
        QFETCH(bool, recusa);
        DocumentoKelvo* documento = MontaComEmpresa();
        QVERIFY(documento);
        Grid().GetGrid().CriaMenuConfiguracao(0, ZTFC_ID_PRIMEIRA_COLUNA, nullptr, 0, 0);
        const UINT nome = ZTFC_ID_PRIMEIRA_COLUNA + 1;
        QVERIFY(EstadoDoComando(*documento, nome).IsEnabled());
        QVERIFY(documento->OnCmdMsg(nome, CN_COMMAND, nullptr));
        QCOMPARE(EstadoDoComando(*documento, nome).GetCheck(), 0);  // hidden
        QVERIFY(documento->OnCmdMsg(nome, CN_COMMAND, nullptr));
        QCOMPARE(EstadoDoComando(*documento, nome).GetCheck(), 1);

        kelvo::testing::RecordedWindowBoxes caixas;
        if (recusa) {
            servicos_->escolhas.push_back({true, "EMP5", 1});
            servicos_->dados.temAcesso = false;
            documento->InicializaEmpresa();
            QCOMPARE(caixas.boxes.size(), std::size_t{1});
        } else {
            documento->FechaEmpresa();
        }
        QVERIFY(!AppInfo().TemEmpresa());
        QCOMPARE(AppInfo().GetEmpresa(), CZTString());
        for (UINT id = ZTFC_ID_PRIMEIRA_COLUNA; id <= ZTFC_ID_ULTIMA_COLUNA; ++id) {
            const CmdUI ui = EstadoDoComando(*documento, id);
            QVERIFY2(!ui.IsEnabled() && ui.GetCheck() == 0, std::to_string(id).c_str());
        }
        QVERIFY(documento->OnCmdMsg(nome, CN_COMMAND, nullptr));
        CmdUI naGrade(nome);
        Grid().GetGrid().OnUpdateCommandLista(&naGrade, ZTFC_ID_PRIMEIRA_COLUNA, ZTFC_ID_ULTIMA_COLUNA);
        QCOMPARE(naGrade.GetCheck(), 1);  // still shown
    }

    // Closing the company empties the title and the status bar; stopping the document closes it.
    void closingTheDocumentClosesTheCompany() {
        DocumentoKelvo* documento = MontaComEmpresa();
        QVERIFY(documento);
        frame_->SetWindowText("Teste Kelvo - Comercial Exemplo");
        documento->FinalizaEmpresa();
        QCOMPARE(registro_, (Registro{"hint 9 []", "hint 8 []"}));
        QCOMPARE(Titulo(), std::string("Teste Kelvo"));
        QCOMPARE(frame_->barra.Texto(), std::string());

        servicos_->escolhas.push_back({true, "EMP2", 3});
        documento->InicializaEmpresa();
        registro_.clear();
        documento->OnFinaliza();
        QCOMPARE(registro_, (Registro{"hint 8 [Ana]", "hint 9 []"}));
        QVERIFY(!AppInfo().TemEmpresa());
    }

    // Save results of both layers: a failure reaches no save handler and raises the layer's
    // error with its line and file; a warning reaches the warning hooks and raises nothing.
    void saveResults_data() {
        QTest::addColumn<bool>("suite");
        QTest::addColumn<bool>("lote");
        QTest::addColumn<int>("status");
        QTest::addColumn<QStringList>("esperado");
        QTest::addColumn<int>("linha");  // 0: nothing raised
        QTest::addColumn<QString>("arquivo");
        QTest::newRow("suite, one, failed") << true << false << -1 << QStringList{"hint 3 [Ana]"} << 410
                                            << "ZTKelvoDocument.cpp";
        QTest::newRow("suite, batch, failed") << true << true << -1 << QStringList{"hint 3 [Ana]"} << 440
                                              << "ZTKelvoDocument.cpp";
        QTest::newRow("framework, one, failed") << false << false << -1 << QStringList{"hint 3 []"} << 330
                                                << "ZTFCDocument.cpp";
        QTest::newRow("framework, batch, failed") << false << true << -1 << QStringList{"hint 3 []"} << 351
                                                  << "ZTFCDocument.cpp";
        QTest::newRow("suite, one, warning")
            << true << false << 0x40685
            << QStringList{"doc OnRegistroGravadoAviso 263813", "hint 3 [Ana]", "view OnRegistroGravadoAviso 263813"}
            << 0 << "";
        QTest::newRow("suite, batch, warning")
            << true << true << 0x40685
            << QStringList{"doc OnLoteGravadoAviso 2 263813", "hint 3 [Ana]",
                           "view OnRegistrosGravadosAviso 2 263813"}
            << 0 << "";
        QTest::newRow("suite, one, saved")
            << true << false << 0 << QStringList{"doc OnRegistroGravado", "hint 3 [Ana]", "view OnRegistroGravado"}
            << 0 << "";
    }
    void saveResults() {
        QFETCH(bool, suite);
        QFETCH(bool, lote);
        QFETCH(int, status);
        QFETCH(QStringList, esperado);
        QFETCH(int, linha);
        QFETCH(QString, arquivo);
        CZTFCDocument* documento = nullptr;
        if (suite) {
            documento = MontaComEmpresa();
        } else {
            documento = Monta(new DocumentoFC(registro_));
            registro_.clear();
        }
        QVERIFY(documento);
        kelvo::testing::RecordedWindowBoxes caixas;
        std::optional<CZTFCException> erro;
        std::int16_t extra = 0;
        try {
            documento->OnResultadoGravacao(BlocoDeResultado(lote, status, 6));
        } catch (const CZTKelvoException& e) {
            erro = e;
            extra = e.GetExtra();
        } catch (const CZTFCException& e) {
            erro = e;
        }
        Registro ouvido;
        for (const QString& linhaRegistro : esperado) ouvido.push_back(linhaRegistro.toStdString());
        QCOMPARE(registro_, ouvido);
        QCOMPARE(erro.has_value(), linha != 0);
        QCOMPARE(caixas.boxes.size(), std::size_t{linha != 0});
        if (!erro) return;
        QCOMPARE(erro->GetCodigo(), status);
        QCOMPARE(erro->GetSubCodigo(), 4);
        QCOMPARE(erro->GetLinha(), linha);
        QCOMPARE(QString(erro->GetArquivoFonte().GetString()), arquivo);
        QCOMPARE(extra, std::int16_t{suite ? 6 : 0});
    }

    // A failed save's error ends at the dispatch boundary after its one report; the document
    // stays open and the form keeps what the user typed.
    void aFailedSaveEndsAtTheDispatchBoundary() {
        DocumentoKelvo* documento = MontaComEmpresa();
        QVERIFY(documento);
        const RegistroFalso digitado{0, 321};
        documento->GetRegistroAtual()->Set(&digitado);
        documento->status = {-1, 2, nullptr};
        kelvo::testing::RecordedWindowBoxes caixas;
        bool terminou = false;
        RunGuarded([&] {
            documento->GravaAtual();
            terminou = true;
        });
        QVERIFY(!terminou);
        QCOMPARE(caixas.boxes.size(), std::size_t{1});
        QCOMPARE(*Holder::GetDados(documento->GetRegistroAtual()), digitado);
        QCOMPARE(registro_, Registro{"hint 3 [Ana]"});
        QVERIFY(AppInfo().TemEmpresa());
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
    }

    // 32779 refreshes: the document starts again, then hints 9 and 7.
    void refreshRestartsTheDocument() {
        DocumentoKelvo* documento = MontaComEmpresa();
        QVERIFY(documento);
        QVERIFY(documento->OnCmdMsg(ZTFC_ID_ATUALIZAR, CN_COMMAND, nullptr));
        QCOMPARE(registro_, (Registro{"ResetBuffer", "hint 9 [Ana]", "hint 7 [Ana]"}));
    }

    // The totals toggle flips the grid's line and its check follows; the form-clearing
    // operation sends hint 11 alone.
    void totalsToggleAndFormClearing() {
        DocumentoKelvo* documento = MontaComEmpresa();
        QVERIFY(documento);
        for (const bool ligado : {true, false}) {
            documento->OnTotalizacao();
            QCOMPARE(Grid().GetGrid().GetEnableTotalizacao() != FALSE, ligado);
            CmdUI ui(1);
            ui.SetCheck(2);
            documento->OnUpdateTotalizacao(&ui);
            QCOMPARE(ui.GetCheck(), ligado ? 1 : 0);
        }
        documento->LimpaFormulario();
        QCOMPARE(registro_, Registro{"hint 11 [Ana]"});
    }
};

QTEST_MAIN(KelvoDocumentTest)
#include "kelvo_document_test.moc"
