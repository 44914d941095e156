// Validators on real widgets: the collection's operations, the checks of the two subclasses, and
// a form's validation walk over its own validators and its pages' with the failure's single
// message (own text, formatted text or numbered message) and the focus on its control and page.
#include "framework/application/zt_kelvo_app.h"
#include "framework/form/zt_fc_validacao.h"
#include "framework/form/zt_fc_validador_collection.h"
#include "framework/tests/formulario_teste.h"
#include "outside/mensor/zt_mensor.h"
#include "platform/interaction.h"
#include "platform/tests/support/test_environment.h"
#include "platform/ui/tests/support/recorded_window_boxes.h"
#include "util/config/registry_functions.h"
#include "util/config/registry_names.h"

#include <QApplication>
#include <QtTest>

#include <functional>
#include <memory>
#include <optional>

using namespace platform;
using namespace platform::ui;
using namespace framework::testing;
using kelvo::testing::RecordedBox;

namespace {

constexpr const char* kTitulo = "Cadastro de teste";

int gApagados = 0;

// A validator that answers as told and counts its deletion.
class ValidadorFixo final : public CZTFCValidador {
public:
    ValidadorFixo(UINT nIdControle, std::int32_t nChave, std::int32_t nGrupo, BOOL bValido)
        : CZTFCValidador(nIdControle, "", nullptr, nChave, nGrupo), m_bValido(bValido) {}
    ~ValidadorFixo() override { ++gApagados; }
    BOOL Valida() override { return m_bValido; }

private:
    BOOL m_bValido;
};

// Valid unless the control shows "0042"; it reads the window and the validator it is given.
BOOL CodigoNaoReservado(Wnd* pJanela, CZTFCValidador* pValidador) {
    String texto;
    pJanela->GetDlgItem(pValidador->GetIdControle())->GetWindowText(texto);
    return texto == "0042" ? FALSE : TRUE;
}

// The suite's message folder in the private store, with message 7 of the "DF" system.
bool GravaMensagensDF(const kelvo::testing::TestEnvironment& ambiente) {
    if (ZTGravaStringRegistry(HKEY_LOCAL_MACHINE, ZT_CHAVE_SUITE, ZT_VALOR_MENSAGENS, ambiente.Path("msg").c_str()) != 0) return false;
    kelvo::testing::WriteFile(ambiente.Path("msg/ZTDFMens.txt"), "7       Informe o nome.\r\n");
    return true;
}

UINT IdFocado(const FormTeste& form) {
    for (Wnd* controle : {form.GetDlgItem(kNome), form.GetDlgItem(kCodigo), form.GetDlgItem(kGravar),
                          form.pagina.GetDlgItem(kPaginaEdit)}) {
        if (controle->GetWidget()->hasFocus()) return controle->GetDlgCtrlID();
    }
    return 0;
}

}  // namespace

class ValidadoresTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { RegistraFormulariosTeste(); }

    // Enabling, finding and removing go by control id or by key, every match at once; removing
    // deletes; the first failure is the first in list order of the group, skipping disabled ones.
    void collectionMatchesByControlAndKey() {
        gApagados = 0;
        {
            CZTFCValidadorCollection validadores;
            auto* primeiro = new ValidadorFixo(kNome, 1, 0, TRUE);
            auto* segundo = new ValidadorFixo(kNome, 2, 0, FALSE);
            auto* terceiro = new ValidadorFixo(kCodigo, 2, 0, FALSE);
            auto* outroGrupo = new ValidadorFixo(kCodigo, 3, 1, FALSE);
            for (CZTFCValidador* v : {static_cast<CZTFCValidador*>(primeiro), static_cast<CZTFCValidador*>(segundo),
                                      static_cast<CZTFCValidador*>(terceiro), static_cast<CZTFCValidador*>(outroGrupo)}) {
                validadores.Adiciona(v);
            }
            QCOMPARE(validadores.BuscaPorControle(kCodigo), terceiro);
            QCOMPARE(validadores.BuscaPorChave(2), segundo);
            QCOMPARE(validadores.BuscaPorChave(9), nullptr);
            QCOMPARE(validadores.BuscaPrimeiroInvalido(0), segundo);
            QCOMPARE(validadores.BuscaPrimeiroInvalido(1), outroGrupo);

            QCOMPARE(validadores.HabilitaPorChave(2, FALSE), TRUE);
            QVERIFY(!segundo->IsHabilitado() && !terceiro->IsHabilitado() && primeiro->IsHabilitado());
            QCOMPARE(validadores.BuscaPrimeiroInvalido(0), nullptr);
            QCOMPARE(validadores.HabilitaPorControle(kCodigo, TRUE), TRUE);
            QCOMPARE(validadores.BuscaPrimeiroInvalido(0), terceiro);
            QCOMPARE(validadores.HabilitaPorControle(kNotas, TRUE), FALSE);

            QCOMPARE(validadores.RemovePorControle(kNome), TRUE);
            QCOMPARE(gApagados, 2);
            QCOMPARE(validadores.GetSize(), 2);
            QCOMPARE(validadores.GetAt(0), terceiro);
            QCOMPARE(validadores.RemovePorChave(7), FALSE);
            QCOMPARE(validadores.RemovePorChave(3), TRUE);
            QCOMPARE(validadores.GetSize(), 1);
        }
        QCOMPARE(gApagados, 4);
    }

    // A form's validation: which validator fails, what box it shows once, and where the focus
    // goes (the failing control, on its page).
    void validationShowsTheFirstFailureOnceAndFocusesIt() {
        kelvo::testing::TestEnvironment ambiente;
        QVERIFY(GravaMensagensDF(ambiente));

        struct Caso {
            const char* nome;
            std::function<void(FormTeste&)> prepara;
            std::int32_t grupo;
            bool valido;
            std::optional<std::function<RecordedBox(HWND dono)>> caixa;  // nothing: no box
            UINT foco;                                                   // 0: not looked at
            int pasta;
        };
        const auto Aviso = [](const char* texto) {
            return [texto](HWND dono) {
                return RecordedBox{texto, kTitulo, MB_ICONWARNING, true, reinterpret_cast<std::uintptr_t>(dono)};
            };
        };
        const auto Requerido = [](FormTeste& f, UINT id, const char* texto, std::int32_t grupo = 0) {
            auto* v = new CZTFCCampoRequeridoValidador(id, texto, &f, 5, grupo);
            f.AdicionaValidador(v);
            return v;
        };
        const Caso casos[] = {
            // Blanks are no value: the text is trimmed on both sides.
            {"blanks fail",
             [&](FormTeste& f) { Requerido(f, kNome, "Nome obrigat\xf3rio."); f.SetDlgItemText(kNome, "  \t "); }, 0,
             false, Aviso("Nome obrigat\xf3rio."), kNome, 0},
            {"a value passes", [&](FormTeste& f) { Requerido(f, kNome, "Nome obrigat\xf3rio."); }, 0, true, std::nullopt, 0, 0},
            // A disabled validator never fails.
            {"disabled", [&](FormTeste& f) {
                 Requerido(f, kNome, "Nome obrigat\xf3rio.");
                 f.SetDlgItemText(kNome, "");
                 QVERIFY(f.GetValidadores()->HabilitaPorChave(5, FALSE));
             }, 0, true, std::nullopt, 0, 0},
            // Another group's validators are not checked by this group's reads, only by their own.
            {"another group", [&](FormTeste& f) { Requerido(f, kNome, "Grupo 1.", 1); f.SetDlgItemText(kNome, ""); }, 0,
             true, std::nullopt, 0, 0},
            {"its own group", [&](FormTeste& f) { Requerido(f, kNome, "Grupo 1.", 1); f.SetDlgItemText(kNome, ""); }, 1,
             false, Aviso("Grupo 1."), kNome, 0},
            // The form's own validators come before its pages'; only the first failure is shown.
            {"first failure only", [&](FormTeste& f) {
                 Requerido(f, kNome, "Do form.");
                 f.SetDlgItemText(kNome, "");
                 f.pagina.AdicionaValidador(new CZTFCCampoRequeridoValidador(kPaginaEdit, "Da p\xe1gina.", &f.pagina));
                 f.pagina.SetDlgItemText(kPaginaEdit, "");
             }, 0, false, Aviso("Do form."), kNome, 0},
            // A page's failing control is focused on its page, which is selected for it.
            {"failure on another page", [&](FormTeste& f) {
                 f.pagina.AdicionaValidador(new CZTFCCampoRequeridoValidador(kPaginaEdit, "Da p\xe1gina.", &f.pagina));
                 f.pagina.SetDlgItemText(kPaginaEdit, "");
                 QVERIFY(f.abas.SelecionaPasta(1));
             }, 0, false, Aviso("Da p\xe1gina."), kPaginaEdit, 0},
            // A page the tab control refuses is not selected and the focus stays; the message is shown.
            {"failure on a refused page", [&](FormTeste& f) {
                 f.pagina.AdicionaValidador(new CZTFCCampoRequeridoValidador(kPaginaEdit, "Da p\xe1gina.", &f.pagina));
                 f.pagina.SetDlgItemText(kPaginaEdit, "");
                 QVERIFY(f.abas.SelecionaPasta(1));
                 f.abas.HabilitaPasta(0, FALSE);
             }, 0, false, Aviso("Da p\xe1gina."), kGravar, 1},
            // The program's check is given the window and the validator.
            {"custom check", [&](FormTeste& f) {
                 f.AdicionaValidador(new CZTFCCustomValidador(CodigoNaoReservado, kCodigo, "C\xf3" "digo reservado.", &f));
             }, 0, false, Aviso("C\xf3" "digo reservado."), kCodigo, 0},
            // Without a text of its own, the validator's window formats one: the page's own.
            {"formatted by the page", [&](FormTeste& f) {
                 f.mensagemFormatada = "Do form.";
                 f.pagina.mensagemFormatada = "Formatada pela p\xe1gina.";
                 f.pagina.AdicionaValidador(new CZTFCCampoRequeridoValidador(kPaginaEdit, nullptr, &f.pagina));
                 f.pagina.SetDlgItemText(kPaginaEdit, "");
             }, 0, false, Aviso("Formatada pela p\xe1gina."), kPaginaEdit, 0},
            // An empty text formatted empty shows nothing, but the check still fails and focuses.
            {"empty formatted text", [&](FormTeste& f) { Requerido(f, kNome, nullptr); f.SetDlgItemText(kNome, ""); }, 0,
             false, std::nullopt, kNome, 0},
            // A numbered validator shows that message of the system's file through the message library.
            {"numbered message", [&](FormTeste& f) {
                 f.mensagemFormatada = "Formatada.";
                 f.AdicionaValidador(new CZTFCCampoRequeridoValidador(kNome, 7, &f));
                 f.SetDlgItemText(kNome, "");
             }, 0, false, [](HWND) {
                 kelvo::testing::RecordedWindowBoxes referencia;
                 ZTMensagem(7, "DF");
                 return referencia.boxes.at(0);
             }, kNome, 0},
        };
        for (const Caso& caso : casos) {
            auto frame = std::make_unique<Wnd>();
            QVERIFY(frame->Create(nullptr, 0, {0, 0, 700, 420}));
            frame->ShowWindow(SW_SHOW);
            QVERIFY(QTest::qWaitForWindowActive(frame->GetWidget()));
            CZTKelvoApp app;
            app.SetTitulo(kTitulo);
            app.m_pMainWnd = frame.get();
            FormTeste form;
            QVERIFY(form.Create(kFormTeste, frame.get()));
            caso.prepara(form);
            form.GotoDlgCtrl(form.GetDlgItem(kGravar));
            std::vector<RecordedBox> esperadas;
            if (caso.caixa) esperadas.push_back((*caso.caixa)(frame->m_hWnd));

            kelvo::testing::RecordedWindowBoxes caixas;
            QVERIFY2(ZTFCValidaCampos(form, caso.grupo) == caso.valido, caso.nome);
            QVERIFY2(caixas.boxes == esperadas, caso.nome);
            if (caso.foco) QVERIFY2(IdFocado(form) == caso.foco, caso.nome);
            QVERIFY2(form.abas.GetCurSel() == caso.pasta, caso.nome);
            app.m_pMainWnd = nullptr;
        }
    }

    // The numbered message really is the file's text, under the system's name.
    void numberedMessageIsTheSystemsText() {
        kelvo::testing::TestEnvironment ambiente;
        QVERIFY(GravaMensagensDF(ambiente));
        CZTKelvoApp app;
        app.SetTitulo(kTitulo);
        CZTFCCampoRequeridoValidador validador(kNome, 7, nullptr);
        kelvo::testing::RecordedWindowBoxes caixas;
        app.MostraErroValidacao(&validador);
        QCOMPARE(caixas.boxes.size(), std::size_t{1});
        QCOMPARE(QString::fromStdString(caixas.boxes[0].text), QStringLiteral("Informe o nome."));
        QVERIFY(caixas.boxes[0].caption != kTitulo);
    }
};

QTEST_MAIN(ValidadoresTest)
#include "validadores_test.moc"
