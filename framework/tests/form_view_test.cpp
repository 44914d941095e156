// The record form and the framework dialog on real widgets and key presses: a failed validation
// on a page, Enter and Escape on pages, F5 and Ctrl+P reaching the frame's accelerators, the walk
// out of a nested tab control, Enter with Enter-acts-as-Tab off, the hints a form answers, and the
// company rule.
#include "framework/app/zt_kelvo_app_info.h"
#include "framework/application/zt_kelvo_app.h"
#include "framework/data/zt_fc_dados.h"
#include "framework/dialog/zt_fc_dialog.h"
#include "framework/document/zt_fc_document.h"
#include "framework/form/zt_fc_validador.h"
#include "framework/form/zt_kelvo_form_view.h"
#include "framework/view/zt_fc_blocos.h"
#include "framework/view/zt_fc_hints.h"
#include "outside/editra/zt_edit_mascara.h"
#include "outside/editra/zt_tab_ctrl.h"
#include "platform/interaction.h"
#include "platform/ui/control/button.h"
#include "platform/ui/document/create_context.h"
#include "platform/ui/document/frame_wnd.h"
#include "platform/ui/resource/resources.h"
#include "platform/ui/tests/support/recorded_window_boxes.h"
#include "platform/ui/tests/support/screenshot.h"
#include "platform/ui/window/virtual_keys.h"

#include <QApplication>
#include <QtTest>

#include <memory>
#include <string>
#include <vector>

using namespace platform;
using namespace platform::ui;

namespace {

constexpr UINT kFormulario = 600, kPaginaGeral = 601, kPaginaObs = 602, kDono = 603, kPaginaInterna = 604;
constexpr UINT kRotulo = 1000, kNome = 1001, kMascara = 1002, kRadioPessoa = 1011, kRadioEmpresa = 1012;
constexpr UINT kGravar = 1030, kAbas = 1040;
constexpr UINT kCodigo = 1101, kDescricao = 1102, kObs = 1201, kObsFim = 1202, kInterno = 1301;
constexpr const char* kMensagemObs = "Informe a observa\xE7\xE3o.";

DialogControl Controle(ControlKind kind, UINT id, const char* texto, int linha, bool tabStop = true) {
    DialogControl controle;
    controle.kind = kind;
    controle.id = id;
    controle.text = texto;
    controle.rect = {60, 6 + linha * 16, 200, 18 + linha * 16};
    controle.tabStop = tabStop;
    return controle;
}

DialogTemplate Formulario() {
    DialogTemplate ficha{"", {"", 8}, {280, 230}, {}};
    auto& c = ficha.controls;
    c.push_back(Controle(ControlKind::Static, kRotulo, "&Nome:", 0, false));
    c.back().rect = {6, 8, 54, 18};
    c.push_back(Controle(ControlKind::Edit, kNome, "", 0));
    c.push_back(Controle(ControlKind::Edit, kMascara, "", 1));
    c.push_back(Controle(ControlKind::RadioButton, kRadioPessoa, "Pessoa", 2));
    c.back().group = true;
    c.push_back(Controle(ControlKind::RadioButton, kRadioEmpresa, "Empresa", 3, false));
    c.push_back(Controle(ControlKind::PushButton, kGravar, "&Gravar", 4));
    c.back().group = true;
    c.back().defaultButton = true;
    return ficha;
}

DialogTemplate Pagina(UINT primeiro, UINT segundo) {
    DialogTemplate pagina{"", {"", 8}, {240, 60}, {}};
    pagina.controls.push_back(Controle(ControlKind::Edit, primeiro, "", 0));
    if (segundo) pagina.controls.push_back(Controle(ControlKind::Edit, segundo, "", 1));
    return pagina;
}

// A dialog that owns a tab control; its commands are written down.
DialogTemplate Dono() { return {"Dono", {"", 8}, {280, 200}, {}}; }

// The record the form reads and shows; it counts its live copies.
class RegistroFicha final : public CZTFCDados {
public:
    static inline int vivos = 0;
    CZTString nome;
    CZTString obs;

    RegistroFicha() { ++vivos; }
    RegistroFicha(const RegistroFicha& outro) : CZTFCDados(outro), nome(outro.nome), obs(outro.obs) { ++vivos; }
    ~RegistroFicha() override { --vivos; }
    RegistroFicha& operator=(const RegistroFicha&) = default;
    [[nodiscard]] CZTFCDados* Clone() const override { return new RegistroFicha(*this); }
    void Set(const void* valor) override { *this = *static_cast<const RegistroFicha*>(valor); }
};

CZTString TextoDe(const Wnd& janela, UINT id) {
    String texto;
    janela.GetDlgItem(id)->GetWindowText(texto);
    return CZTString(texto.GetString());
}

// A page that reads and shows its own edit, and writes down its start and stop.
class PaginaObs final : public CZTFCDialog {
public:
    void LeRegistro(CZTFCDados* registro) override { static_cast<RegistroFicha*>(registro)->obs = TextoDe(*this, kObs); }
    void LeRegistros(std::int32_t quantidade, CZTFCDados** registros) override {
        for (std::int32_t i = 0; i < quantidade; ++i) LeRegistro(registros[i]);
    }
    void MostraRegistro(CZTFCDados* registro) override {
        SetDlgItemText(kObs, static_cast<RegistroFicha*>(registro)->obs.GetString());
    }
};

struct PaginaNova {
    CZTFCDialog* pagina;
    UINT modelo;
    const char* titulo;
};

// A tab control over `dono` with `paginas` (made over it from their templates).
void MontaAbas(CZTTabCtrl& abas, Wnd& dono, const std::vector<PaginaNova>& paginas, Rect onde) {
    QVERIFY(abas.Create(onde, &dono, kAbas));
    for (const PaginaNova& nova : paginas) {
        QVERIFY(nova.pagina->Create(nova.modelo, &abas));
        QVERIFY(abas.IncluiPasta(nova.titulo, nova.pagina) >= 0);
    }
}

// The form: name, a masked edit, two radios, the default button, and two pages.
class FichaView final : public CZTKelvoFormView {
public:
    FichaView() : CZTKelvoFormView(kFormulario) {}

    std::vector<UINT> comandos;
    std::vector<CZTFCDados*> mostrados;
    std::vector<std::string> nomesMostrados;
    CZTEditMascara mascara;
    CZTTabCtrl abas;
    CZTFCDialog geral;
    PaginaObs obs;

    void OnInitialUpdate() override {
        CZTKelvoFormView::OnInitialUpdate();
        QVERIFY(mascara.SubclassDlgItem(kMascara, this));
        mascara.SetMascara("##.##.##");
        MontaAbas(abas, *this, {{&geral, kPaginaGeral, "Geral"}, {&obs, kPaginaObs, "Observa\xE7\xF5""es"}},
                  {20, 150, 480, 290});
        obs.AdicionaValidador(new CZTFCCampoRequeridoValidador(kObs, kMensagemObs, &obs));
    }
    void OnLeRegistro(CZTFCDados* registro) override { static_cast<RegistroFicha*>(registro)->nome = TextoDe(*this, kNome); }
    void OnLeRegistros(std::int32_t quantidade, CZTFCDados** registros) override {
        for (std::int32_t i = 0; i < quantidade; ++i) OnLeRegistro(registros[i]);
    }
    void OnMostraRegistros(std::int32_t quantidade, CZTFCDados** registros) override {
        mostrados.assign(registros, registros + quantidade);
        for (CZTFCDados* registro : mostrados) nomesMostrados.push_back(static_cast<RegistroFicha*>(registro)->nome.GetString());
    }
    void OnMostraRegistro(CZTFCDados* registro) override {
        SetWindowTextOf(kNome, static_cast<RegistroFicha*>(registro)->nome.GetString());
    }
    void SetWindowTextOf(UINT id, const char* texto) { GetDlgItem(id)->SetWindowText(texto); }

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override {
        if (LOWORD(wParam) == kGravar) {
            comandos.push_back(kGravar);
            return TRUE;
        }
        return CZTKelvoFormView::OnCommand(wParam, lParam);
    }
};

constexpr UINT kAtualizar = 32779, kImprimir = 32800;

// The frame, with the programs' accelerators (Ctrl+P printing, F5 refreshing).
class FrameComAtalho final : public FrameWnd {};

// Writes down the printing and refreshing commands that reach it along the frame's route.
class DocumentoFicha final : public CZTFCDocument {
public:
    QList<UINT> comandos;
    DocumentoFicha() {
        for (UINT id : {kAtualizar, kImprimir}) MapCommand(id, [this, id] { comandos << id; });
    }
};

// A main window that counts the requests to close it and stays.
class JanelaPrincipal final : public Wnd {
public:
    int pedidosDeFechar = 0;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message != WM_CLOSE) return Wnd::WindowProc(message, wParam, lParam);
        ++pedidosDeFechar;
        return 0;
    }
};

// A dialog that holds pages and writes down the commands that reach it.
class DialogoDono final : public CZTFCDialog {
public:
    DialogoDono() : CZTFCDialog(kDono, nullptr) {}
    std::vector<UINT> comandos;

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override {
        comandos.push_back(LOWORD(wParam));
        return CZTFCDialog::OnCommand(wParam, lParam);
    }
};

QWidget* WidgetDe(const Wnd& janela, UINT id) { return janela.GetDlgItem(id)->GetWidget(); }

void Tecla(Qt::Key tecla, Qt::KeyboardModifiers modificadores = Qt::NoModifier) {
    QWidget* focado = QApplication::focusWidget();
    QVERIFY(focado);
    QTest::keyClick(focado, tecla, modificadores);
}

void Foca(Wnd& dialogo, UINT id) {
    dialogo.SendMessage(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(dialogo.GetDlgItem(id)->m_hWnd), TRUE);
}

}  // namespace

class FormViewTest : public QObject {
    Q_OBJECT

    std::unique_ptr<CZTKelvoApp> app_;
    FrameComAtalho* frame_ = nullptr;
    DocumentoFicha* documento_ = nullptr;
    FichaView* ficha_ = nullptr;

    CZTKelvoAppInfo& AppInfo() { return *app_->GetAppInfo(); }

private slots:
    void initTestCase() {
        const HMODULE modulo = GetModuleHandle(nullptr);
        RegisterDialog(modulo, kFormulario, Formulario());
        RegisterDialog(modulo, kPaginaGeral, Pagina(kCodigo, kDescricao));
        RegisterDialog(modulo, kPaginaObs, Pagina(kObs, kObsFim));
        RegisterDialog(modulo, kDono, Dono());
        RegisterDialog(modulo, kPaginaInterna, Pagina(kInterno, 0));
    }
    void init() {
        app_ = std::make_unique<CZTKelvoApp>();
        QVERIFY(app_->InitInstance());
        AppInfo().SetEmpresa("EMP", 1);
        documento_ = new DocumentoFicha;
        frame_ = new FrameComAtalho;
        CreateContext contexto{documento_, [this] { return ficha_ = new FichaView; }};
        QVERIFY(frame_->LoadFrame(0, &contexto));
        frame_->SetAccelerators({{FVIRTKEY | FCONTROL, 'P', kImprimir}, {FVIRTKEY, static_cast<WORD>(VK_F5), kAtualizar}});
        app_->m_pMainWnd = frame_;
        frame_->MoveWindow(0, 0, 520, 420);
        frame_->InitialUpdateFrame(documento_, TRUE);
        QVERIFY(QTest::qWaitForWindowActive(frame_->GetWidget()));
    }
    void cleanup() {
        kelvo::testing::RecordedWindowBoxes semCaixas;
        if (Wnd::FromHandle(frame_->m_hWnd)) frame_->DestroyWindow();
        delete documento_;
        app_->m_pMainWnd = nullptr;
        app_.reset();
    }

    // The first failing field of a page: its message once, the page selected and its edit
    // focused, FALSE, and nothing copied into the record; filled in, the read goes through to
    // the form's hook and the page.
    void failedValidationFocusesItsControlOnItsPage() {
        kelvo::testing::RecordedWindowBoxes caixas;
        ficha_->SetWindowTextOf(kNome, "Maria");
        ficha_->mascara.SetWindowText("01.02");
        ficha_->GetDlgItem(kRadioEmpresa)->SendMessage(BM_SETCHECK, BST_CHECKED);
        ficha_->obs.SetDlgItemText(kObs, "   ");
        RegistroFicha registro;
        registro.nome = "antes";
        QCOMPARE(ficha_->LeRegistro(&registro), FALSE);
        QCOMPARE(caixas.boxes.size(), std::size_t{1});
        QCOMPARE(QByteArray(caixas.boxes[0].text.c_str()), QByteArray(kMensagemObs));
        QCOMPARE(ficha_->abas.GetCurSel(), 1);
        QTRY_COMPARE(QApplication::focusWidget(), WidgetDe(ficha_->obs, kObs));
        QCOMPARE(QByteArray(registro.nome.GetString()), QByteArray("antes"));
        QVERIFY(kelvo::testing::SaveScreenshot(*frame_->GetWidget(), "framework_form_view_tests",
                                               "validacao-foca-pagina-dois", QSize(520, 420)));

        ficha_->obs.SetDlgItemText(kObs, "Urgente");
        QCOMPARE(ficha_->LeRegistro(&registro), TRUE);
        QCOMPARE(QByteArray(registro.nome.GetString()), QByteArray("Maria"));
        QCOMPARE(QByteArray(registro.obs.GetString()), QByteArray("Urgente"));
        QCOMPARE(caixas.boxes.size(), std::size_t{1});
    }

    // Where a key lands from a page's control and from a form control outside any page: the
    // frame's accelerators run their commands (through the route, to the document) past the
    // dialog managers (a page passing F5 on, the
    // form offering keys to the frame first); a key nobody takes is typed into the control.
    void keysReachTheFramesCommands_data() {
        QTest::addColumn<bool>("naPagina");
        QTest::addColumn<int>("tecla");
        QTest::addColumn<Qt::KeyboardModifiers>("modificadores");
        QTest::addColumn<QList<UINT>>("comandos");
        QTest::addColumn<QString>("digitado");
        const Qt::KeyboardModifiers nenhum;
        QTest::newRow("F5 on a page") << true << int(Qt::Key_F5) << nenhum << QList<UINT>{kAtualizar} << "";
        QTest::newRow("Ctrl+P on the form") << false << int(Qt::Key_P) << Qt::KeyboardModifiers(Qt::ControlModifier)
                                            << QList<UINT>{kImprimir} << "";
        // A page passes on only F5 and F9: its dialog manager keeps Ctrl+P.
        QTest::newRow("Ctrl+P on a page") << true << int(Qt::Key_P) << Qt::KeyboardModifiers(Qt::ControlModifier)
                                          << QList<UINT>{} << "";
        QTest::newRow("F5 on the form") << false << int(Qt::Key_F5) << nenhum << QList<UINT>{kAtualizar} << "";
        QTest::newRow("a letter on a page") << true << int(Qt::Key_Q) << nenhum << QList<UINT>{} << "q";
        QTest::newRow("a letter on the form") << false << int(Qt::Key_Q) << nenhum << QList<UINT>{} << "q";
    }
    void keysReachTheFramesCommands() {
        QFETCH(bool, naPagina);
        QFETCH(int, tecla);
        QFETCH(Qt::KeyboardModifiers, modificadores);
        QFETCH(QList<UINT>, comandos);
        QFETCH(QString, digitado);
        ficha_->abas.SelecionaPasta(0);
        Wnd& dialogo = naPagina ? static_cast<Wnd&>(ficha_->geral) : static_cast<Wnd&>(*ficha_);
        const UINT id = naPagina ? kDescricao : kNome;
        Foca(dialogo, id);
        QTRY_COMPARE(QApplication::focusWidget(), WidgetDe(dialogo, id));
        Tecla(static_cast<Qt::Key>(tecla), modificadores);
        QCOMPARE(documento_->comandos, comandos);
        QCOMPARE(QString::fromLatin1(TextoDe(dialogo, id).GetString()), digitado);
    }

    // Enter: with Enter-acts-as-Tab on it moves to the next control; off, the dialog manager
    // runs the default button and the focus stays.
    void enterFollowsTheUsersOption_data() {
        QTest::addColumn<bool>("enterComoTab");
        QTest::addColumn<int>("gravacoes");
        QTest::addColumn<UINT>("focado");
        QTest::newRow("on") << true << 0 << kMascara;
        QTest::newRow("off") << false << 1 << kNome;
    }
    void enterFollowsTheUsersOption() {
        QFETCH(bool, enterComoTab);
        QFETCH(int, gravacoes);
        QFETCH(UINT, focado);
        app_->GetUsuario()->SetEnterComoTab(enterComoTab);
        Foca(*ficha_, kNome);
        QTRY_COMPARE(QApplication::focusWidget(), WidgetDe(*ficha_, kNome));
        Tecla(Qt::Key_Return);
        QCOMPARE(static_cast<int>(ficha_->comandos.size()), gravacoes);
        QTRY_COMPARE(QApplication::focusWidget(), WidgetDe(*ficha_, focado));
    }

    // Tab on the last control before the tab control goes into the next page's first control;
    // Shift+Tab with no page before the selected one spends the key and the focus stays.
    void tabBeforeTheTabControlEntersTheNextPage() {
        ficha_->abas.SelecionaPasta(0);
        Foca(*ficha_, kGravar);
        QTRY_COMPARE(QApplication::focusWidget(), WidgetDe(*ficha_, kGravar));
        Tecla(Qt::Key_Tab);
        QCOMPARE(ficha_->abas.GetCurSel(), 1);
        QTRY_COMPARE(QApplication::focusWidget(), WidgetDe(ficha_->obs, kObs));

        ficha_->abas.SelecionaPasta(0);
        Foca(*ficha_, kNome);
        QTRY_COMPARE(QApplication::focusWidget(), WidgetDe(*ficha_, kNome));
        Tecla(Qt::Key_Tab, Qt::ShiftModifier);
        QCOMPARE(ficha_->abas.GetCurSel(), 0);
        QCOMPARE(QApplication::focusWidget(), WidgetDe(*ficha_, kNome));
    }

    // A batch read with nothing selected reads the current record; a failed field reads none.
    void batchReadWithoutASelectionReadsTheCurrentRecord() {
        kelvo::testing::RecordedWindowBoxes caixas;
        documento_->SetRegistroAtual(new RegistroFicha);
        auto& atual = *static_cast<RegistroFicha*>(documento_->GetRegistroAtual());
        ficha_->SetWindowTextOf(kNome, "Lote");
        QCOMPARE(ficha_->LeSelecao(), FALSE);
        QVERIFY(atual.nome.IsEmpty());
        ficha_->obs.SetDlgItemText(kObs, "ok");
        QCOMPARE(ficha_->LeSelecao(), TRUE);
        QCOMPARE(QByteArray(atual.obs.GetString()), QByteArray("ok"));
        QCOMPARE(QByteArray(atual.nome.GetString()), QByteArray("Lote"));
        QCOMPARE(caixas.boxes.size(), std::size_t{1});
        QCOMPARE(documento_->GetFormView(), static_cast<CZTFCFormView*>(ficha_));
    }

    // A page that is shown starts at its first control.
    void aShownPageStartsAtItsFirstControl() {
        ficha_->abas.SelecionaPasta(0);
        Foca(*ficha_, kNome);
        QTRY_COMPARE(QApplication::focusWidget(), WidgetDe(*ficha_, kNome));
        QVERIFY(ficha_->abas.SelecionaPasta(1));
        QTRY_COMPARE(QApplication::focusWidget(), WidgetDe(ficha_->obs, kObs));
    }

    // Escape on a page ends the dialog that owns the page's tab control, not the page.
    void escapeOnAPageClosesItsOwningDialog() {
        DialogoDono dono;
        CZTTabCtrl abas;
        CZTFCDialog pagina;
        QVERIFY(dono.Create(kDono, frame_));
        MontaAbas(abas, dono, {{&pagina, kPaginaInterna, "Interna"}}, {10, 10, 400, 200});
        Foca(pagina, kInterno);
        QTRY_COMPARE(QApplication::focusWidget(), WidgetDe(pagina, kInterno));
        Tecla(Qt::Key_Escape);
        QCOMPARE(dono.comandos, std::vector<UINT>{static_cast<UINT>(IDCANCEL)});
        QVERIFY(!dono.IsWindowVisible());
        QVERIFY(pagina.GetWidget()->isVisibleTo(dono.GetWidget()));
    }

    // Escape on a page of the form reaches the form as IDCANCEL, which asks the main window to
    // close.
    void escapeOnAFormsPageAsksTheMainWindowToClose() {
        JanelaPrincipal principal;
        QVERIFY(principal.Create(nullptr, 0, {0, 0, 50, 50}));
        app_->m_pMainWnd = &principal;
        ficha_->abas.SelecionaPasta(0);
        Foca(ficha_->geral, kCodigo);
        QTRY_COMPARE(QApplication::focusWidget(), WidgetDe(ficha_->geral, kCodigo));
        Tecla(Qt::Key_Escape);
        QTRY_COMPARE(principal.pedidosDeFechar, 1);
        QVERIFY(ficha_->geral.IsWindowVisible());
        app_->m_pMainWnd = frame_;
    }

    // Enter on the last control of an inner tab control's last page climbs to the outer tab
    // control and lands on the first control of its next page.
    void enterLeavesAnInnerTabControlForTheNextOuterPage() {
        DialogoDono dono;
        CZTTabCtrl externas, internas;
        CZTFCDialog externa1, externa2, interna1, interna2;
        QVERIFY(dono.Create(kDono, frame_));
        MontaAbas(externas, dono, {{&externa1, kDono, "Externa 1"}, {&externa2, kPaginaGeral, "Externa 2"}}, {6, 6, 420, 300});
        MontaAbas(internas, externa1, {{&interna1, kPaginaInterna, "Interna 1"}, {&interna2, kPaginaObs, "Interna 2"}}, {6, 6, 380, 220});
        QVERIFY(internas.SelecionaPasta(1));
        Foca(interna2, kObsFim);
        QTRY_COMPARE(QApplication::focusWidget(), WidgetDe(interna2, kObsFim));
        Tecla(Qt::Key_Return);
        QCOMPARE(externas.GetCurSel(), 1);
        QTRY_COMPARE(QApplication::focusWidget(), WidgetDe(externa2, kCodigo));
        // Back again: Shift+Enter on that first control returns to the inner last page's last.
        Tecla(Qt::Key_Return, Qt::ShiftModifier);
        QCOMPARE(externas.GetCurSel(), 0);
        QTRY_COMPARE(QApplication::focusWidget(), WidgetDe(interna2, kObsFim));
    }

    // The hints a form answers: 6 shows the current record, 11 and 9 clear, 7 and 8 start and
    // stop the pages.
    void hintsShowClearStartAndStop() {
        auto* atual = new RegistroFicha;
        atual->nome = "Joana";
        atual->obs = "Nota";
        documento_->SetRegistroAtual(atual);
        documento_->UpdateAllViews(nullptr, ZTFC_HINT_REGISTRO_ATUAL);
        QCOMPARE(QByteArray(TextoDe(*ficha_, kNome).GetString()), QByteArray("Joana"));
        QCOMPARE(QByteArray(TextoDe(ficha_->obs, kObs).GetString()), QByteArray("Nota"));
        documento_->UpdateAllViews(nullptr, ZTFC_HINT_LIMPA_FORMULARIO);
        QVERIFY(TextoDe(*ficha_, kNome).IsEmpty());
        QVERIFY(TextoDe(ficha_->obs, kObs).IsEmpty());

        documento_->UpdateAllViews(nullptr, ZTFC_HINT_INICIALIZA);
        QVERIFY(ficha_->geral.GetInicializado());
        QVERIFY(ficha_->obs.GetInicializado());
        documento_->UpdateAllViews(nullptr, ZTFC_HINT_FINALIZA);
        QVERIFY(!ficha_->geral.GetInicializado());
        QVERIFY(!ficha_->obs.GetInicializado());
    }

    // A grid selection of several rows shows the form copies of the selected records, deleted
    // once shown; the document's selection is left as it was.
    void selectedRecordsAreShownAsClones() {
        documento_->SetMultiSelecao(true);
        documento_->SetRegistroAtual(new RegistroFicha);
        RegistroFicha primeiro, segundo;
        primeiro.nome = "Ana";
        segundo.nome = "Bia";
        const void* valores[] = {&primeiro, &segundo};
        const ROWCOL linhas[] = {1, 2};
        ZTFC_BLOCO_REGISTROS bloco;
        bloco.nQuantidade = 2;
        bloco.pHandles = linhas;
        bloco.ppRegistros = valores;
        const int antes = RegistroFicha::vivos - static_cast<int>(documento_->GetSelecao().size());
        documento_->UpdateAllViews(nullptr, ZTFC_HINT_SELECAO_GRID, &bloco);
        QCOMPARE(ficha_->nomesMostrados, (std::vector<std::string>{"Ana", "Bia"}));
        const auto& selecao = documento_->GetSelecao();
        QCOMPARE(selecao.size(), std::size_t{2});
        for (CZTFCDados* mostrado : ficha_->mostrados) {
            QVERIFY(mostrado != selecao[0].get() && mostrado != selecao[1].get());
        }
        // Only the document's new selection of two outlives the hint.
        QCOMPARE(RegistroFicha::vivos, antes + 2);
    }

    // Without a company the idle update keeps the form disabled (its label and IDCANCEL aside);
    // hint 10 enables it, and the idle update then leaves it so.
    void withoutACompanyTheFormStaysDisabled() {
        AppInfo().FechaEmpresa();
        ficha_->SendMessage(WM_IDLEUPDATECMDUI, TRUE);
        QVERIFY(!ficha_->GetDlgItem(kNome)->IsWindowEnabled());
        QVERIFY(!ficha_->obs.GetDlgItem(kObs)->IsWindowEnabled());
        QVERIFY(ficha_->GetDlgItem(kRotulo)->IsWindowEnabled());

        AppInfo().SetEmpresa("EMP", 1);
        documento_->UpdateAllViews(nullptr, ZTFC_HINT_EMPRESA_ABERTA);
        QVERIFY(ficha_->GetDlgItem(kNome)->IsWindowEnabled());
        QVERIFY(ficha_->obs.GetDlgItem(kObs)->IsWindowEnabled());
        ficha_->SendMessage(WM_IDLEUPDATECMDUI, TRUE);
        QVERIFY(ficha_->GetDlgItem(kNome)->IsWindowEnabled());
    }
};

QTEST_MAIN(FormViewTest)
#include "form_view_test.moc"
