// The Enter-key navigation on real widgets: a dialog holding a tab control of three page
// dialogs, each page feeding its navigation object before its own dialog manager. Enter and Tab
// at a page's ends, Ctrl+PgDn, Ctrl+PgUp and Ctrl+Tab, pages that keep or refuse the focus, the
// page message and callback, an inner tab control on a page, push buttons, check boxes and
// excluded controls.
#include "framework/application/zt_fc_app.h"
#include "framework/navigation/zt_enter.h"
#include "outside/editra/zt_tab_ctrl.h"
#include "platform/ui/control/button.h"
#include "platform/ui/dialog/dialog.h"
#include "platform/ui/resource/resources.h"

#include <QtTest>

#include <array>
#include <memory>

using namespace platform;
using namespace platform::ui;

namespace {

constexpr UINT kFicha = 700, kPagina = 701;
constexpr UINT kAntes = 1001, kAbas = 1002;
constexpr UINT kPrimeiro = 1101, kNotas = 1102, kMarca = 1103, kBotao = 1104, kUltimo = 1105;
constexpr int kPaginas = 3;
constexpr int kFora = -1;                     // the focus is on the holding dialog, off the pages
constexpr UINT kBarreira = WM_APP + 7;        // posted after a key: every message posted before it has run
constexpr int kLimitePerguntas = 20;          // a refusing page gives in after this many questions

// A tab stop, one row per control.
DialogControl Controle(ControlKind kind, UINT id, const char* text, UINT options = 0) {
    const int top = static_cast<int>(id % 100) * 14;
    return {.kind = kind, .id = id, .text = text, .rect = {10, top, 150, top + 12}, .tabStop = true, .options = options};
}

DialogTemplate Ficha() {
    DialogTemplate ficha{"Ficha", {"", 8}, {260, 220}, {}};
    ficha.controls.push_back(Controle(ControlKind::Edit, kAntes, ""));
    return ficha;
}

// No default button: Enter that reaches a page's dialog manager shows as an IDOK command.
DialogTemplate Pagina() {
    DialogTemplate pagina{"", {"", 8}, {240, 100}, {}};
    auto& c = pagina.controls;
    c.push_back(Controle(ControlKind::Edit, kPrimeiro, ""));
    c.push_back(Controle(ControlKind::Edit, kNotas, "ab", ES_MULTILINE | ES_WANTRETURN));
    c.push_back(Controle(ControlKind::CheckBox, kMarca, "Marca", BS_AUTOCHECKBOX));
    c.push_back(Controle(ControlKind::PushButton, kBotao, "Botao"));
    c.push_back(Controle(ControlKind::Edit, kUltimo, ""));
    return pagina;
}

// A page: its navigation object sees each key first; it answers the navigation's questions as a
// test sets, and logs its commands, page messages and showings.
class PaginaTeste final : public Dialog {
public:
    CZTEnter enter;
    bool recusaFoco = false;
    bool ficaNaPagina = false;
    int perguntas = 0;
    int mostras = 0;
    bool barreira = false;
    QList<UINT> comandos;
    QList<WPARAM> mensagensPagina;

    BOOL PreTranslateMessage(MSG* pMsg) override {
        if (!enter.TrataMensagem(pMsg)) return TRUE;
        return Dialog::PreTranslateMessage(pMsg);
    }

protected:
    BOOL OnInitDialog() override {
        const BOOL resultado = Dialog::OnInitDialog();
        enter.Anexa(this);
        return resultado;
    }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == CZTEnter::WM_ZTENTER_PODE_SETAR_FOCO_TAB) return recusaFoco && ++perguntas <= kLimitePerguntas;
        if (message == CZTEnter::WM_ZTENTER_EH_ULTIMA_TAB) return ficaNaPagina;
        if (message == CZTEnter::kMensagemPaginaPadrao) mensagensPagina << wParam;
        if (message == kBarreira) barreira = true;
        return Dialog::WindowProc(message, wParam, lParam);
    }
    BOOL OnCommand(WPARAM wParam, LPARAM) override {
        if (HIWORD(wParam) == BN_CLICKED) comandos << LOWORD(wParam);
        return TRUE;
    }
};

// The dialog that holds the tab control and its pages.
class FichaTeste final : public Dialog {
public:
    CZTTabCtrl abas;
    std::array<std::unique_ptr<PaginaTeste>, kPaginas> paginas;

protected:
    BOOL OnInitDialog() override {
        const BOOL resultado = Dialog::OnInitDialog();
        abas.Create({10, 40, 380, 320}, this, kAbas);
        for (int i = 0; i < kPaginas; ++i) {
            auto& pagina = paginas[static_cast<std::size_t>(i)];
            pagina = std::make_unique<PaginaTeste>();
            pagina->Create(kPagina, &abas);
            abas.IncluiPasta(QByteArray("P\xe1gina ").append(QByteArray::number(i)).constData(), pagina.get());
        }
        return resultado;
    }
};

// Counts the showings of a page's widget.
class ContaMostras final : public QObject {
public:
    explicit ContaMostras(PaginaTeste& pagina) : pagina_(pagina) {}
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Show) ++pagina_.mostras;
        return false;
    }

private:
    PaginaTeste& pagina_;
};

void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* focused = QApplication::focusWidget();
    QVERIFY(focused);
    QTest::keyClick(focused, key, modifiers);
}

}  // namespace

class EnterTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Wnd> janela_;
    std::unique_ptr<FichaTeste> ficha_;
    std::vector<std::unique_ptr<ContaMostras>> contadores_;

    PaginaTeste& Pag(int i) { return *ficha_->paginas[static_cast<std::size_t>(i)]; }

    // Selects page `nPasta` and focuses its control `id`.
    void ComecaEm(int nPasta, UINT id) {
        QVERIFY(ficha_->abas.SelecionaPasta(nPasta));
        Pag(nPasta).GotoDlgCtrl(Pag(nPasta).GetDlgItem(id));
        QCOMPARE(Wnd::GetFocus(), Pag(nPasta).GetDlgItem(id));
        for (int i = 0; i < kPaginas; ++i) Pag(i).mostras = 0;
    }
    [[nodiscard]] QList<bool> Visiveis() {
        QList<bool> visiveis;
        for (int i = 0; i < kPaginas; ++i) visiveis << (Pag(i).IsWindowVisible() != FALSE);
        return visiveis;
    }
    [[nodiscard]] static QList<bool> SoVisivel(int nPasta) {
        QList<bool> visiveis;
        for (int i = 0; i < kPaginas; ++i) visiveis << (i == nPasta);
        return visiveis;
    }
    // Waits until every message posted to page `nPasta` so far has run.
    void EsperaFila(int nPasta) {
        Pag(nPasta).barreira = false;
        QVERIFY(Pag(nPasta).PostMessage(kBarreira));
        QTRY_VERIFY(Pag(nPasta).barreira);
    }
    [[nodiscard]] Wnd* Controle(int nPasta, UINT id) {
        return nPasta == kFora ? ficha_->GetDlgItem(id) : Pag(nPasta).GetDlgItem(id);
    }
    void ParaCadaPagina(const std::function<void(PaginaTeste&)>& faz) {
        for (int i = 0; i < kPaginas; ++i) faz(Pag(i));
    }

private slots:
    void initTestCase() {
        RegisterDialog(GetModuleHandle(nullptr), kFicha, Ficha());
        RegisterDialog(GetModuleHandle(nullptr), kPagina, Pagina());
        CZTEnter::RegistraMensagens();
    }

    // The application's start registers both page messages by their names, as distinct numbers
    // every window of the process agrees on.
    void applicationStartRegistersThePageMessages() {
        CZTEnter::WM_ZTENTER_EH_ULTIMA_TAB = 0;
        CZTEnter::WM_ZTENTER_PODE_SETAR_FOCO_TAB = 0;
        { const CZTFCApp app; }
        QVERIFY(CZTEnter::WM_ZTENTER_EH_ULTIMA_TAB >= 0xC000);
        QCOMPARE(CZTEnter::WM_ZTENTER_EH_ULTIMA_TAB, RegisterWindowMessage("CZTEnter::WM_ZTENTER_EH_ULTIMA_TAB"));
        QCOMPARE(CZTEnter::WM_ZTENTER_PODE_SETAR_FOCO_TAB, RegisterWindowMessage("CZTEnter::WM_ZTENTER_PODE_SETAR_FOCO_TAB"));
        QVERIFY(CZTEnter::WM_ZTENTER_EH_ULTIMA_TAB != CZTEnter::WM_ZTENTER_PODE_SETAR_FOCO_TAB);
    }

    void init() {
        janela_ = std::make_unique<Wnd>();
        QVERIFY(janela_->Create(nullptr, 0, {0, 0, 640, 480}));
        janela_->ShowWindow(SW_SHOW);
        QVERIFY(QTest::qWaitForWindowActive(janela_->GetWidget()));
        ficha_ = std::make_unique<FichaTeste>();
        QVERIFY(ficha_->Create(kFicha, janela_.get()));
        QCOMPARE(ficha_->abas.GetItemCount(), kPaginas);
        contadores_.clear();
        ParaCadaPagina([this](PaginaTeste& pagina) {
            contadores_.push_back(std::make_unique<ContaMostras>(pagina));
            pagina.GetWidget()->installEventFilter(contadores_.back().get());
        });
    }
    void cleanup() {
        ficha_.reset();
        janela_.reset();
        contadores_.clear();
    }

    // A page of a tab control knows it; the holding dialog does not. The defaults: Enter is
    // left alone, the first control is the first tab stop.
    void anexaNotesTheTabControl() {
        QCOMPARE(Pag(1).enter.GetPrimeiroControle(), Pag(1).GetDlgItem(kPrimeiro));
        QCOMPARE(Pag(1).enter.GetEnterComoTab(), FALSE);
        QVERIFY(Pag(0).enter.TrocaPagina(FALSE, TRUE, FALSE));
        QCOMPARE(ficha_->abas.GetCurSel(), 1);
        CZTEnter fora;
        fora.Anexa(ficha_.get());
        QCOMPARE(fora.GetPrimeiroControle(), ficha_->GetDlgItem(kAntes));
        // Not inside a tab control there is no page to switch to.
        QCOMPARE(fora.TrocaPagina(FALSE, TRUE, TRUE), FALSE);
    }

    // Enter as Tab with the focus going into the new page: Enter and Tab at a page's ends.
    void enterAtThePageEnds_data() {
        QTest::addColumn<int>("inicio");
        QTest::addColumn<UINT>("foco");
        QTest::addColumn<int>("tecla");
        QTest::addColumn<bool>("shift");
        QTest::addColumn<bool>("tabComoEnter");
        QTest::addColumn<int>("pasta");      // the selected page after the key
        QTest::addColumn<int>("janela");     // where the focus is: a page, or kFora
        QTest::addColumn<UINT>("focado");
        // Past the page's last control the next page starts at its first.
        QTest::newRow("Enter on the last control") << 0 << kUltimo << int(Qt::Key_Return) << false << false << 1 << 1 << kPrimeiro;
        // Before the page's first control the previous page ends at its last.
        QTest::newRow("Shift+Enter on the first control") << 1 << kPrimeiro << int(Qt::Key_Return) << true << false << 0 << 0 << kUltimo;
        // Inside the page Enter only moves to the next control.
        QTest::newRow("Enter inside the page") << 0 << kPrimeiro << int(Qt::Key_Return) << false << false << 0 << 0 << kNotas;
        QTest::newRow("Shift+Enter inside the page") << 2 << kUltimo << int(Qt::Key_Return) << true << false << 2 << 2 << kBotao;
        // The last page's end leaves the tab control for the holding dialog's next stop.
        QTest::newRow("Enter at the last page's end") << 2 << kUltimo << int(Qt::Key_Return) << false << false << 2 << kFora << kAntes;
        QTest::newRow("Shift+Enter at the first page's start") << 0 << kPrimeiro << int(Qt::Key_Return) << true << false << 0 << kFora << kAntes;
        // Tab switches pages only when the object handles it; else the page's manager wraps.
        QTest::newRow("handled Tab on the last control") << 0 << kUltimo << int(Qt::Key_Tab) << false << true << 1 << 1 << kPrimeiro;
        QTest::newRow("plain Tab on the last control") << 0 << kUltimo << int(Qt::Key_Tab) << false << false << 0 << 0 << kPrimeiro;
        QTest::newRow("handled Tab inside the page") << 0 << kPrimeiro << int(Qt::Key_Tab) << false << true << 0 << 0 << kNotas;
    }
    void enterAtThePageEnds() {
        QFETCH(int, inicio);
        QFETCH(UINT, foco);
        QFETCH(int, tecla);
        QFETCH(bool, shift);
        QFETCH(bool, tabComoEnter);
        QFETCH(int, pasta);
        QFETCH(int, janela);
        QFETCH(UINT, focado);
        ParaCadaPagina([&](PaginaTeste& pagina) {
            pagina.enter.SetEnterComoTab(TRUE);
            pagina.enter.SetTabComoEnter(tabComoEnter ? TRUE : FALSE);
            pagina.enter.SetFocaPagina(TRUE);
        });
        ComecaEm(inicio, foco);
        Press(static_cast<Qt::Key>(tecla), shift ? Qt::ShiftModifier : Qt::NoModifier);
        QCOMPARE(ficha_->abas.GetCurSel(), pasta);
        QCOMPARE(Visiveis(), SoVisivel(pasta));
        QCOMPARE(Wnd::GetFocus(), Controle(janela, focado));
        // No key went on to a page's dialog manager as an IDOK.
        ParaCadaPagina([](PaginaTeste& pagina) { QVERIFY(pagina.comandos.isEmpty()); });
    }

    // Without the focus going into the page the owner hears of the switch, by the callback when
    // there is one, else by its page message with wParam = backwards.
    void switchIsReportedToTheOwner_data() {
        QTest::addColumn<bool>("shift");
        QTest::addColumn<bool>("comCallback");
        QTest::newRow("forward, page message") << false << false;
        QTest::newRow("backward, page message") << true << false;
        QTest::newRow("forward, callback") << false << true;
        QTest::newRow("backward, callback") << true << true;
    }
    void switchIsReportedToTheOwner() {
        QFETCH(bool, shift);
        QFETCH(bool, comCallback);
        QList<Wnd*> donos;
        QList<int> sentidos;
        Pag(1).enter.SetEnterComoTab(TRUE);
        if (comCallback) Pag(1).enter.SetCallbackPagina([&](Wnd* dono, BOOL anterior) {
            donos << dono;
            sentidos << anterior;
        });
        ComecaEm(1, shift ? kPrimeiro : kUltimo);
        Press(Qt::Key_Return, shift ? Qt::ShiftModifier : Qt::NoModifier);
        QCOMPARE(ficha_->abas.GetCurSel(), shift ? 0 : 2);
        const BOOL anterior = shift ? TRUE : FALSE;
        QVERIFY(donos == (comCallback ? QList<Wnd*>{&Pag(1)} : QList<Wnd*>{}));
        QCOMPARE(sentidos, comCallback ? QList<int>{anterior} : QList<int>{});
        QCOMPARE(Pag(1).mensagensPagina, comCallback ? QList<WPARAM>{} : QList<WPARAM>{static_cast<WPARAM>(anterior)});
    }

    // Another page message number replaces 0x465.
    void pageMessageNumberIsTheOwnersChoice() {
        Pag(0).enter.SetMensagemPagina(WM_USER + 300);
        QVERIFY(Pag(0).enter.TrocaPagina(FALSE, TRUE, FALSE));
        QCOMPARE(ficha_->abas.GetCurSel(), 1);
        QVERIFY(Pag(0).mensagensPagina.isEmpty());
    }

    // Ctrl+PgDn, Ctrl+PgUp and Ctrl+Tab with the framework's defaults (Enter left alone).
    void ctrlKeysSwitchPages_data() {
        QTest::addColumn<int>("inicio");
        QTest::addColumn<int>("tecla");
        QTest::addColumn<bool>("shift");
        QTest::addColumn<bool>("soAbas");          // the tab control is its dialog's only tab stop
        QTest::addColumn<QList<int>>("recusam");   // pages that refuse the focus
        QTest::addColumn<bool>("fica");            // the starting page keeps the focus
        QTest::addColumn<int>("pasta");
        QTest::newRow("Ctrl+PgDn") << 0 << int(Qt::Key_PageDown) << false << false << QList<int>{} << false << 1;
        QTest::newRow("Ctrl+PgUp") << 2 << int(Qt::Key_PageUp) << false << false << QList<int>{} << false << 1;
        // Ctrl+PgDn never wraps round.
        QTest::newRow("Ctrl+PgDn on the last page") << 2 << int(Qt::Key_PageDown) << false << true << QList<int>{} << false << 2;
        // Ctrl+Tab wraps only when the tab control is alone in its dialog.
        QTest::newRow("Ctrl+Tab on the last page, alone") << 2 << int(Qt::Key_Tab) << false << true << QList<int>{} << false << 0;
        QTest::newRow("Ctrl+Shift+Tab on the first page, alone") << 0 << int(Qt::Key_Tab) << true << true << QList<int>{} << false << 2;
        QTest::newRow("Ctrl+Tab on the last page, not alone") << 2 << int(Qt::Key_Tab) << false << false << QList<int>{} << false << 2;
        QTest::newRow("Ctrl+Tab on a middle page") << 1 << int(Qt::Key_Tab) << false << false << QList<int>{} << false << 2;
        // A refusing page is passed over, in both directions.
        QTest::newRow("Ctrl+PgDn over a refusing page") << 0 << int(Qt::Key_PageDown) << false << false << QList<int>{1} << false << 2;
        QTest::newRow("Ctrl+PgUp over a refusing page") << 2 << int(Qt::Key_PageUp) << false << false << QList<int>{1} << false << 0;
        QTest::newRow("Ctrl+Tab wrapping over a refusing page") << 1 << int(Qt::Key_Tab) << false << true << QList<int>{2} << false << 0;
        // Nothing to take the focus ahead: the starting page stays, shown.
        QTest::newRow("Ctrl+PgDn with only refusing pages ahead") << 0 << int(Qt::Key_PageDown) << false << false << QList<int>{1, 2} << false << 0;
        // A page that keeps the focus is not left.
        QTest::newRow("Ctrl+PgDn from a page that stays") << 0 << int(Qt::Key_PageDown) << false << false << QList<int>{} << true << 0;
    }
    void ctrlKeysSwitchPages() {
        QFETCH(int, inicio);
        QFETCH(int, tecla);
        QFETCH(bool, shift);
        QFETCH(bool, soAbas);
        QFETCH(QList<int>, recusam);
        QFETCH(bool, fica);
        QFETCH(int, pasta);
        ficha_->GetDlgItem(kAntes)->EnableWindow(soAbas ? FALSE : TRUE);
        for (int i : recusam) Pag(i).recusaFoco = true;
        Pag(inicio).ficaNaPagina = fica;
        ComecaEm(inicio, kPrimeiro);
        Press(static_cast<Qt::Key>(tecla), shift ? Qt::ControlModifier | Qt::ShiftModifier : Qt::ControlModifier);
        QCOMPARE(ficha_->abas.GetCurSel(), pasta);
        QCOMPARE(Visiveis(), SoVisivel(pasta));
        // A refusing page is never shown, not even for a moment.
        for (int i : recusam) QCOMPARE(Pag(i).mostras, 0);
        // The owner, the starting page, hears of a switch by its page message.
        const int avisos = pasta == inicio ? 0 : 1;
        QCOMPARE(Pag(inicio).mensagensPagina.size(), avisos);
    }

    // When every page refuses the focus, the starting one too, wrapping round asks each page
    // once, then selects and shows the starting page again and gives up.
    void allPagesRefusingEndsAfterOneRound() {
        ficha_->GetDlgItem(kAntes)->EnableWindow(FALSE);
        ParaCadaPagina([](PaginaTeste& pagina) { pagina.recusaFoco = true; });
        ComecaEm(0, kPrimeiro);
        Press(Qt::Key_Tab, Qt::ControlModifier);
        ParaCadaPagina([](PaginaTeste& pagina) { QVERIFY(pagina.perguntas <= 1); });
        QCOMPARE(ficha_->abas.GetCurSel(), 0);
        QCOMPARE(Visiveis(), SoVisivel(0));
        QVERIFY(Pag(0).mensagensPagina.isEmpty());
        QCOMPARE(Pag(0).enter.TrocaPagina(TRUE, TRUE, TRUE), FALSE);
        QCOMPARE(ficha_->abas.GetCurSel(), 0);
        QCOMPARE(Visiveis(), SoVisivel(0));
    }

    // An inner tab control whose one page cannot change, alone on an outer page: wrapping round
    // goes on to the outer tab control's next page.
    void wrapAtAnInnerTabControlSwitchesTheOuterPages() {
        ficha_->GetDlgItem(kAntes)->EnableWindow(FALSE);
        for (UINT id : {kPrimeiro, kNotas, kMarca, kBotao, kUltimo}) Pag(0).GetDlgItem(id)->EnableWindow(FALSE);
        CZTTabCtrl internas;
        QVERIFY(internas.Create({10, 10, 300, 200}, &Pag(0), kAbas));
        PaginaTeste interna;
        QVERIFY(interna.Create(kPagina, &internas));
        QCOMPARE(internas.IncluiPasta("Interna", &interna), 0);
        interna.GotoDlgCtrl(interna.GetDlgItem(kPrimeiro));
        Press(Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(internas.GetCurSel(), 0);
        QCOMPARE(ficha_->abas.GetCurSel(), 1);
        QCOMPARE(Visiveis(), SoVisivel(1));
    }

    // Enter presses a push button once, by a posted click; on a check box it only moves on.
    void enterOnButtons_data() {
        QTest::addColumn<UINT>("foco");
        QTest::addColumn<QList<UINT>>("comandos");
        QTest::addColumn<UINT>("focado");
        QTest::addColumn<UINT>("marca");
        QTest::newRow("push button") << kBotao << QList<UINT>{kBotao} << kBotao << BST_UNCHECKED;
        QTest::newRow("check box") << kMarca << QList<UINT>{} << kBotao << BST_UNCHECKED;
    }
    void enterOnButtons() {
        QFETCH(UINT, foco);
        QFETCH(QList<UINT>, comandos);
        QFETCH(UINT, focado);
        QFETCH(UINT, marca);
        Pag(0).enter.SetEnterComoTab(TRUE);
        ComecaEm(0, foco);
        Press(Qt::Key_Return);
        EsperaFila(0);
        QCOMPARE(Pag(0).comandos, comandos);
        QCOMPARE(Pag(0).IsDlgButtonChecked(kMarca), marca);
        QCOMPARE(Wnd::GetFocus(), Pag(0).GetDlgItem(focado));
    }

    // A want-return edit keeps Enter as a new line unless Enter moves on; an excluded control
    // keeps Enter even then. Tab always leaves it.
    void enterInAWantReturnEdit_data() {
        QTest::addColumn<bool>("enterComoTab");
        QTest::addColumn<bool>("excluida");
        QTest::addColumn<int>("tecla");
        QTest::addColumn<bool>("novaLinha");
        QTest::addColumn<UINT>("focado");
        QTest::newRow("Enter left alone adds a line") << false << false << int(Qt::Key_Return) << true << kNotas;
        QTest::newRow("Tab leaves the edit") << false << false << int(Qt::Key_Tab) << false << kMarca;
        QTest::newRow("Enter as Tab moves on") << true << false << int(Qt::Key_Return) << false << kMarca;
        QTest::newRow("an excluded control keeps Enter") << true << true << int(Qt::Key_Return) << true << kNotas;
    }
    void enterInAWantReturnEdit() {
        QFETCH(bool, enterComoTab);
        QFETCH(bool, excluida);
        QFETCH(int, tecla);
        QFETCH(bool, novaLinha);
        QFETCH(UINT, focado);
        Pag(0).enter.SetEnterComoTab(enterComoTab ? TRUE : FALSE);
        if (excluida) Pag(0).enter.AdicionaExcecao(kNotas);
        ComecaEm(0, kNotas);
        Press(static_cast<Qt::Key>(tecla));
        String texto;
        Pag(0).GetDlgItemText(static_cast<int>(kNotas), texto);
        QCOMPARE(QByteArray(texto.GetString()).contains('\n'), novaLinha);
        QCOMPARE(Wnd::GetFocus(), Pag(0).GetDlgItem(focado));
        QVERIFY(Pag(0).comandos.isEmpty());
    }

    // A first control set by the caller is where the page's start is; none takes the first
    // tab stop again.
    void firstControlSetByTheCaller() {
        Pag(1).enter.SetEnterComoTab(TRUE);
        Pag(1).enter.SetFocaPagina(TRUE);
        Pag(1).enter.SetPrimeiroControle(Pag(1).GetDlgItem(kNotas));
        ComecaEm(1, kNotas);
        Press(Qt::Key_Return, Qt::ShiftModifier);
        QCOMPARE(ficha_->abas.GetCurSel(), 0);
        Pag(1).enter.SetPrimeiroControle(nullptr);
        QCOMPARE(Pag(1).enter.GetPrimeiroControle(), Pag(1).GetDlgItem(kPrimeiro));
    }
};

QTEST_MAIN(EnterTest)
#include "enter_test.moc"
