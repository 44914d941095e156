// The client library's code pickers against the real Vaultis on the demo company, with types and
// locations stored through the program's connection: only what the session may see is offered,
// a typed code shows its description and names its record, a position shows its code, a
// process-restricted type picker offers only that process's types, a type limits the location
// picker, and the multi-type picker's positions round-trip.
#include "outside/conexo/conexo_dados.h"
#include "outside/pendora/qd_app_info.h"
#include "outside/pendora/ui/qd_locais_arq_edit.h"
#include "outside/pendora/ui/qd_multi_tip_doc_edit.h"
#include "outside/pendora/ui/qd_tip_doc_edit.h"
#include "platform/com/task_allocator.h"
#include "platform/tests/support/child_processes.h"
#include "platform/tests/support/test_environment.h"
#include "platform/ui/app/win_app.h"
#include "platform/ui/control/static.h"
#include "platform/ui/dialog/dialog.h"
#include "platform/ui/resource/resources.h"
#include "platform/ui/tests/support/recorded_window_boxes.h"
#include "platform/ui/window/qt_text.h"
#include "server/tests/vaultis_demo_preparo.h"

#include <QCompleter>
#include <QLineEdit>
#include <QtTest>

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

using namespace platform;
using namespace platform::ui;

namespace {

constexpr UINT kEdit = 1005;
constexpr UINT kDescricao = 1019;
constexpr UINT kModelo = 132;

// A dialog whose template holds the picker's edit and its description static.
DialogTemplate ModeloPicker() {
    DialogTemplate modelo;
    modelo.size = {200, 40};
    modelo.controls = {{ControlKind::Edit, kEdit, "", {5, 5, 90, 19}, true},
                       {ControlKind::Static, kDescricao, "", {100, 5, 195, 19}}};
    return modelo;
}

template <class T>
T* ListaTaskMem(const std::vector<T>& valores) {
    if (valores.empty()) return nullptr;
    auto* lista = static_cast<T*>(CoTaskMemAlloc(valores.size() * sizeof(T)));
    std::copy(valores.begin(), valores.end(), lista);
    return lista;
}

template <std::size_t N>
void Copia(char (&campo)[N], const char* texto) {
    std::strncpy(campo, texto, N - 1);
}

// Stores `registro` with `grava`(&position, record); the position it got, 0 when refused.
template <class Classe, class Grava>
std::uint32_t Gravado(const Classe& registro, Grava grava) {
    std::uint32_t posicao = 0;
    return SUCCEEDED(grava(&posicao, registro)) ? posicao : 0;
}

// A record of class `Classe` with its code, its name or description, and its one list (in
// task-allocator memory, which the record owns).
template <class Classe, auto Codigo, auto Texto, auto Qtd, auto Lista, class T>
Classe Registro(const char* codigo, const char* texto, const std::vector<T>& lista) {
    Classe registro;
    auto& ps = registro.GetPS();
    Copia(ps.*Codigo, codigo);
    Copia(ps.*Texto, texto);
    ps.*Qtd = static_cast<std::uint32_t>(lista.size());
    ps.*Lista = ListaTaskMem(lista);
    return registro;
}

// Stores a type through the program's connection; its position (0 when refused).
std::uint32_t GravaTipo(const char* codigo, const char* nome, const std::vector<QD_E_PROCESSO>& processos = {}) {
    const auto tipo = Registro<CQDTipDoc, &QD_TIPDOC_PS::szCodigo, &QD_TIPDOC_PS::szNome, &QD_TIPDOC_PS::nQtdProcessos,
                               &QD_TIPDOC_PS::pProcessos>(codigo, nome, processos);
    return Gravado(tipo, [](std::uint32_t* pPos, const CQDTipDoc& registro) {
        return CQDAppInfo::GetInstance()->GetConexao().GravaTipDoc(pPos, registro);
    });
}

// Stores a type that only `usuarios` may see (none: everyone); its position.
std::uint32_t GravaTipoDeUsuarios(const char* codigo, const char* nome, const std::vector<std::uint16_t>& usuarios) {
    const auto tipo = Registro<CQDTipDoc, &QD_TIPDOC_PS::szCodigo, &QD_TIPDOC_PS::szNome, &QD_TIPDOC_PS::nQtdUsuarios,
                               &QD_TIPDOC_PS::pUsuarios>(codigo, nome, usuarios);
    return Gravado(tipo, [](std::uint32_t* pPos, const CQDTipDoc& registro) {
        return CQDAppInfo::GetInstance()->GetConexao().GravaTipDoc(pPos, registro);
    });
}

// Stores an analytic location accepting `tipos` (none: every type); its position.
std::uint32_t GravaLocal(const char* codigo, const char* descricao, const std::vector<std::uint32_t>& tipos = {}) {
    const auto local = Registro<CQDLocArq, &QD_LOCARQ_PS::szCodigo, &QD_LOCARQ_PS::szDescricao,
                                &QD_LOCARQ_PS::nQtdTipDocs, &QD_LOCARQ_PS::pPtrsTipDocs>(codigo, descricao, tipos);
    return Gravado(local, [](std::uint32_t* pPos, const CQDLocArq& registro) {
        return CQDAppInfo::GetInstance()->GetConexao().GravaLocArq(pPos, registro);
    });
}

QLineEdit* EditorDe(const Wnd& edit) { return qobject_cast<QLineEdit*>(edit.GetWidget()); }

std::string TextoDe(const Wnd* janela) {
    String texto;
    if (janela) janela->GetWindowText(texto);
    return texto.GetString();
}

// Types `teclas` into the focused edit, one key each, after emptying it.
void Digita(QLineEdit* editor, const char* teclas) {
    editor->clear();
    for (const char* tecla = teclas; *tecla; ++tecla) QTest::keyClick(editor, *tecla);
}

// What the edit's completion list offers for its current text, as "code - description".
QStringList Oferecidos(QLineEdit* editor) {
    QCompleter* completador = editor->completer();
    if (!completador) return {};
    completador->setCompletionPrefix(editor->text());
    QStringList oferecidos;
    QAbstractItemModel* modelo = completador->completionModel();
    for (int linha = 0; linha < modelo->rowCount(); ++linha) oferecidos << modelo->index(linha, 0).data().toString();
    return oferecidos;
}

std::vector<std::string> Codigos(const std::vector<CQDItemCodigo>& itens) {
    std::vector<std::string> codigos;
    for (const CQDItemCodigo& item : itens) codigos.emplace_back(item.strCodigo.GetString());
    return codigos;
}

}  // namespace

class QDPickersTest : public QObject {
    Q_OBJECT

    std::unique_ptr<kelvo::testing::TestEnvironment> ambiente_;
    std::unique_ptr<WinApp> app_;
    std::unique_ptr<Wnd> janela_;
    std::unique_ptr<Static> descricao_;
    std::unique_ptr<kelvo::testing::RecordedWindowBoxes> caixas_;
    Wnd* paiPicker_ = nullptr;  // the window of the picker made last

    // A picker of the window with its description static, focused and read from the server.
    template <class Picker>
    std::unique_ptr<Picker> NovoPicker() {
        auto picker = std::make_unique<Picker>();
        if (!picker->Create(0, {10, 10, 200, 34}, janela_.get(), kEdit)) return nullptr;
        picker->SetStatic(kDescricao);
        picker->SetFocus();
        paiPicker_ = janela_.get();
        return picker;
    }

    // The same over the edit of a dialog's template, taken over as a dialog's data exchange does.
    template <class Picker>
    std::unique_ptr<Picker> PickerDoModelo(Dialog& dialogo) {
        auto picker = std::make_unique<Picker>();
        if (!dialogo.Create(kModelo, janela_.get()) || !picker->SubclassDlgItem(kEdit, &dialogo)) return nullptr;
        picker->SetStatic(kDescricao);
        picker->SetFocus();
        paiPicker_ = &dialogo;
        return picker;
    }
    template <class Picker>
    std::unique_ptr<Picker> NovoPicker(Dialog* dialogo) {
        return dialogo ? PickerDoModelo<Picker>(*dialogo) : NovoPicker<Picker>();
    }

    // The text of the description static beside the picker that the case made last.
    [[nodiscard]] std::string Descricao() const { return TextoDe(paiPicker_->GetDlgItem(kDescricao)); }

private slots:
    void initTestCase() { RegisterDialog(GetModuleHandle(nullptr), kModelo, ModeloPicker()); }

    void init() {
        ambiente_ = std::make_unique<kelvo::testing::TestEnvironment>();
        const std::string falha = kelvo::testing::PreparaVaultisDemoOuFalha(*ambiente_);
        QVERIFY2(falha.empty(), falha.c_str());
        caixas_ = std::make_unique<kelvo::testing::RecordedWindowBoxes>();
        QCOMPARE(CQDAppInfo::GetInstance()->Inicializa(kelvo::setup::kDemoCompany, kelvo::setup::kDemoUser, 1), S_OK);
        app_ = std::make_unique<WinApp>("Teste");
        janela_ = std::make_unique<Wnd>();
        QVERIFY(janela_->Create(nullptr, 0, {0, 0, 400, 120}));
        descricao_ = std::make_unique<Static>();
        QVERIFY(descricao_->Create("", {210, 10, 390, 34}, janela_.get(), kDescricao));
        janela_->ShowWindow(SW_SHOW);
        QVERIFY(QTest::qWaitForWindowActive(janela_->GetWidget()));
    }

    // No case shows a box; every server started has ended cleanly.
    void cleanup() {
        descricao_.reset();
        janela_.reset();
        app_.reset();
        CQDAppInfo::GetInstance()->Libera();
        if (caixas_) QVERIFY(caixas_->boxes.empty());
        caixas_.reset();
        const std::vector<int> codigos = kelvo::testing::WaitForRemainingChildren();
        QVERIFY(std::all_of(codigos.begin(), codigos.end(), [](int codigo) { return codigo == 0; }));
        ambiente_.reset();
    }

    // Typing a stored code shows its description (Windows-1252 kept) and names its position; an
    // unknown code names nothing and empties the description; a position shows its code, 0
    // empties the edit.
    void typedCodeShowsItsDescriptionAndPosition_data() {
        QTest::addColumn<bool>("locais");
        QTest::addColumn<bool>("doModelo");
        QTest::newRow("types") << false << false;
        QTest::newRow("locations") << true << false;
        QTest::newRow("types on a template's edit") << false << true;
        QTest::newRow("locations on a template's edit") << true << true;
    }
    void typedCodeShowsItsDescriptionAndPosition() {
        QFETCH(bool, locais);
        QFETCH(bool, doModelo);
        const auto grava = locais ? [](const char* c, const char* d) { return GravaLocal(c, d); }
                                  : [](const char* c, const char* d) { return GravaTipo(c, d); };
        const std::uint32_t primeiro = grava("1", "Contratos");
        const std::uint32_t segundo = grava("2", "Or\xE7" "amentos");
        QVERIFY(primeiro != 0 && segundo != 0);
        Dialog dialogo;
        Dialog* modelo = doModelo ? &dialogo : nullptr;
        std::unique_ptr<CQDCodigoEdit> picker;
        if (locais) {
            picker = NovoPicker<CQDLocaisArqEdit>(modelo);
        } else {
            picker = NovoPicker<CQDTipDocEdit>(modelo);
        }
        QVERIFY(picker);
        QVERIFY(picker->QdInicializa());

        Digita(EditorDe(*picker), "2");
        QCOMPARE(Descricao(), std::string("Or\xE7" "amentos"));
        QCOMPARE(picker->GetPosicao(), segundo);
        Digita(EditorDe(*picker), "3");
        QCOMPARE(Descricao(), std::string());
        QCOMPARE(picker->GetPosicao(), 0u);

        picker->SetPosicao(primeiro);
        QCOMPARE(TextoDe(picker.get()), std::string("1"));
        QCOMPARE(Descricao(), std::string("Contratos"));
        QCOMPARE(picker->GetPosicao(), primeiro);
        picker->SetPosicao(0);
        QCOMPARE(TextoDe(picker.get()), std::string());
        QCOMPARE(Descricao(), std::string());
    }

    // Without a connection nothing is asked of a server, so no box appears, and nothing is offered.
    void withoutAConnectionNothingIsOffered() {
        CQDAppInfo::GetInstance()->Libera();
        const auto picker = NovoPicker<CQDTipDocEdit>();
        QVERIFY(picker);
        QVERIFY(!picker->QdInicializa());
        QVERIFY(picker->GetItens().empty());
    }

    // A user who is no supervisor is offered the types open to everyone and those listing them,
    // never a type kept for another user.
    void typesKeptForAnotherUserAreNotOffered() {
        constexpr std::uint16_t kUsuario = 2;
        REGUSU_PS usuario;
        usuario.iCodigo = kUsuario;
        std::strncpy(usuario.szNome, "Comum", sizeof usuario.szNome - 1);
        QCOMPARE(ConexoGravaUsuario(kelvo::setup::kDemoCompany, usuario, {kelvo::setup::kDemoBranch}), S_OK);
        QVERIFY(GravaTipoDeUsuarios("01", "Todos", {}));
        QVERIFY(GravaTipoDeUsuarios("02", "Do outro", {3}));
        QVERIFY(GravaTipoDeUsuarios("03", "Dele", {3, kUsuario}));
        QCOMPARE(CQDAppInfo::GetInstance()->Inicializa(kelvo::setup::kDemoCompany, kUsuario, 2), S_OK);
        const auto picker = NovoPicker<CQDTipDocEdit>();
        QVERIFY(picker);
        QVERIFY(picker->QdInicializa());
        QCOMPARE(Codigos(picker->GetItens()), (std::vector<std::string>{"01", "03"}));
    }

    // A type picker restricted to a process offers only the types that list it, in code order,
    // and once restricted to another and refreshed no longer names a type of the first.
    void processRestrictedTypePickerOffersOnlyItsTypes() {
        const QD_E_PROCESSO processo = QD_PROCESSO_FN_CRE_LANC;
        const QD_E_PROCESSO outro = QD_PROCESSO_CQ_ART;
        const std::uint32_t ambos = GravaTipo("03", "Ambos", {outro, processo});
        const std::uint32_t so = GravaTipo("01", "Lancamentos", {processo});
        QVERIFY(ambos && so);
        QVERIFY(GravaTipo("02", "Artigos", {outro}));
        QVERIFY(GravaTipo("04", "Nenhum"));
        const auto picker = NovoPicker<CQDTipDocEdit>();
        QVERIFY(picker);
        picker->SetProcesso(processo);
        QVERIFY(picker->QdInicializa());

        Digita(EditorDe(*picker), "0");
        QCOMPARE(Oferecidos(EditorDe(*picker)), QStringList({"01 - Lancamentos", "03 - Ambos"}));
        Digita(EditorDe(*picker), "01");
        QCOMPARE(picker->GetPosicao(), so);

        picker->SetProcesso(outro);
        QVERIFY(picker->QdInicializa());
        QCOMPARE(picker->GetPosicao(), 0u);  // the typed type is not the new process's
        QCOMPARE(Descricao(), std::string());
        QCOMPARE(Codigos(picker->GetItens()), (std::vector<std::string>{"02", "03"}));

        picker->SetProcesso(QD_PROCESSO_COUNT);
        QVERIFY(picker->QdInicializa());
        QCOMPARE(Codigos(picker->GetItens()), (std::vector<std::string>{"01", "02", "03", "04"}));
    }

    // A type limits the location picker to the locations that accept it (one naming no type
    // accepts all); a typed location that does not accept it names nothing; type 0 lifts it.
    void typeLimitsTheLocations() {
        const std::uint32_t tipo = GravaTipo("01", "Contratos");
        const std::uint32_t outroTipo = GravaTipo("02", "Notas");
        QVERIFY(tipo && outroTipo);
        QVERIFY(GravaLocal("1", "Estante", {tipo}));
        const std::uint32_t alheio = GravaLocal("2", "Arquivo", {outroTipo});
        QVERIFY(GravaLocal("3", "Caixa"));
        const auto picker = NovoPicker<CQDLocaisArqEdit>();
        QVERIFY(picker);
        QVERIFY(picker->QdInicializa());
        Digita(EditorDe(*picker), "2");
        QCOMPARE(picker->GetPosicao(), alheio);

        QVERIFY(picker->SetTipDoc(tipo));
        QCOMPARE(Codigos(picker->GetItens()), (std::vector<std::string>{"1", "3"}));
        QCOMPARE(picker->GetPosicao(), 0u);
        QCOMPARE(Descricao(), std::string());

        QVERIFY(picker->SetTipDoc(0));
        QCOMPARE(picker->GetPosicao(), alheio);
        QCOMPARE(Descricao(), std::string("Arquivo"));
    }

    // Positions set come back in their order with the names in the static; typed codes give the
    // offered types once each, unknown ones left out; the completion works on the last code;
    // clearing empties both.
    void multiPickerPositionsRoundTrip() {
        const std::uint32_t a = GravaTipo("01", "Contratos");
        const std::uint32_t b = GravaTipo("02", "Notas");
        const std::uint32_t c = GravaTipo("03", "Recibos");
        QVERIFY(a && b && c);
        const auto picker = NovoPicker<CQDMultiTipDocEdit>();
        QVERIFY(picker);
        QVERIFY(picker->QdInicializa());

        const std::uint32_t posicoes[] = {c, 9999, a};
        picker->SetPosicoes(3, posicoes);
        QCOMPARE(TextoDe(picker.get()), std::string("03, 01"));
        QCOMPARE(Descricao(), std::string("Recibos, Contratos"));
        QCOMPARE(picker->GetPosicoes(), (std::vector<std::uint32_t>{c, a}));

        Digita(EditorDe(*picker), "02,99, 02 ,0");
        QCOMPARE(picker->GetPosicoes(), (std::vector<std::uint32_t>{b}));
        QCOMPARE(Descricao(), std::string("Notas"));
        QLineEdit* editor = EditorDe(*picker);
        QCOMPARE(Oferecidos(editor).size(), 3);
        QCompleter* completador = editor->completer();
        QCOMPARE(completador->pathFromIndex(completador->completionModel()->index(2, 0)), QString("02,99, 02 ,03"));

        picker->Limpa();
        QCOMPARE(TextoDe(picker.get()), std::string());
        QCOMPARE(Descricao(), std::string());
        QVERIFY(picker->GetPosicoes().empty());
    }
};

QTEST_MAIN(QDPickersTest)
#include "qd_pickers_test.moc"
