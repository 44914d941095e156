// The company dialog as CZTEmp's chooser: what a choice hands back through GetEmpresaEx, that
// cancelling changes nothing, how the lists refill, and that OK needs all three choices.
#include "outside/empral/tests/empral_dados_teste.h"
#include "outside/empral/tests/escolha_janela_roteiro.h"
#include "outside/empral/ui/zt_dlg_escolha_empresa.h"
#include "outside/empral/ui/zt_escolha_empresa_janela.h"
#include "outside/empral/zt_emp.h"
#include "platform/tests/support/test_environment.h"
#include "platform/ui/box/next_dialog.h"
#include "platform/ui/control/button.h"
#include "platform/ui/control/combo_box.h"
#include "platform/ui/tests/support/recorded_window_boxes.h"

#include <QComboBox>
#include <QtTest>

#include <cstring>
#include <functional>
#include <memory>

using namespace empral_testing;
using namespace platform;
using namespace platform::ui;

namespace {

constexpr char kOutraEmpresa[] = "EMP2";

QStringList Itens(Wnd& dialogo, UINT id) {
    const auto* combo = qobject_cast<QComboBox*>(dialogo.GetDlgItem(id)->GetWidget());
    QStringList itens;
    for (int i = 0; i < combo->count(); ++i) itens << combo->itemText(i);
    return itens;
}

struct Resultado {
    bool escolheu = false;
    char szEmpresa[ZT_TAM_CODIGO_EMPRESA] = "ANTES";
    std::uint16_t iFilial = 77;
    REGUSU_PS usuario;
};

Resultado PedeEmpresa() {
    Resultado r;
    r.usuario.iCodigo = 99;
    r.escolheu = CZTEmp::GetEmpresaEx("QD", false, r.szEmpresa, r.iFilial, r.usuario, false);
    return r;
}

}  // namespace

class EscolhaEmpresaJanelaTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { ZTInstalaEscolhaEmpresaJanela(); }
    void init() {
        ambiente_ = std::make_unique<kelvo::testing::TestEnvironment>();
        QCOMPARE(GravaEmpresaDeTeste(), platform::S_OK);
        QCOMPARE(GravaUsuario(kOutraEmpresa, 5, "Pedro", 1, {1}), platform::S_OK);
        QCOMPARE(ConexoGravaFilial(kOutraEmpresa, 1, "Sede"), platform::S_OK);
        (void)CZTEmp::TomaEscolhaPendente();
    }
    void cleanup() {
        QCOMPARE(ClearDialogHooks(), 0);
        ambiente_.reset();
    }

    // The chosen company, user and branch reach the caller, not the first items of the lists.
    void choiceFillsCodeBranchAndUser() {
        NoProximoDialogo([](Dialog& dialogo) {
            QCOMPARE(Itens(dialogo, IDC_ZTESCOLHA_EMPRESA), QStringList({kEmpresa, kOutraEmpresa}));
            Escolhe(dialogo, IDC_ZTESCOLHA_EMPRESA, kEmpresa);
            Escolhe(dialogo, IDC_ZTESCOLHA_USUARIO, "Maria");
            QCOMPARE(Itens(dialogo, IDC_ZTESCOLHA_FILIAL), QStringList({"Matriz", "Filial"}));
            Escolhe(dialogo, IDC_ZTESCOLHA_FILIAL, "Filial");
            Clica(dialogo, IDOK);
        });
        const Resultado r = PedeEmpresa();
        QVERIFY(r.escolheu);
        QCOMPARE(QByteArray(r.szEmpresa, sizeof r.szEmpresa), QByteArray("EMP1").leftJustified(sizeof r.szEmpresa, '\0'));
        QCOMPARE(r.iFilial, std::uint16_t{2});
        QCOMPARE(r.usuario.iCodigo, kUsuario);
        QCOMPARE(QByteArray(r.usuario.szNome), QByteArray("Maria"));
    }

    // Cancelling after a full choice leaves the caller's values and no pending choice.
    void cancelGivesFalseAndChangesNothing() {
        NoProximoDialogo([](Dialog& dialogo) {
            Escolhe(dialogo, IDC_ZTESCOLHA_EMPRESA, kEmpresa);
            Escolhe(dialogo, IDC_ZTESCOLHA_USUARIO, "Supervisor");
            Escolhe(dialogo, IDC_ZTESCOLHA_FILIAL, "Matriz");
            Clica(dialogo, IDCANCEL);
        });
        const Resultado r = PedeEmpresa();
        QVERIFY(!r.escolheu);
        QCOMPARE(QByteArray(r.szEmpresa), QByteArray("ANTES"));
        QCOMPARE(r.iFilial, std::uint16_t{77});
        QCOMPARE(r.usuario.iCodigo, std::uint16_t{99});
        QVERIFY(!CZTEmp::TomaEscolhaPendente());
    }

    // Another company's users replace the first one's, none chosen, and the old user's branches go.
    void changingTheCompanyRefillsTheUsers() {
        QStringList usuarios, filiais;
        int usuarioEscolhido = 0;
        NoProximoDialogo([&](Dialog& dialogo) {
            Escolhe(dialogo, IDC_ZTESCOLHA_EMPRESA, kEmpresa);
            Escolhe(dialogo, IDC_ZTESCOLHA_USUARIO, "Maria");
            Escolhe(dialogo, IDC_ZTESCOLHA_EMPRESA, kOutraEmpresa);
            usuarios = Itens(dialogo, IDC_ZTESCOLHA_USUARIO);
            usuarioEscolhido = Combo(dialogo, IDC_ZTESCOLHA_USUARIO).GetCurSel();
            filiais = Itens(dialogo, IDC_ZTESCOLHA_FILIAL);
            Clica(dialogo, IDCANCEL);
        });
        QVERIFY(!PedeEmpresa().escolheu);
        QCOMPARE(usuarios, QStringList({"Pedro"}));
        QCOMPARE(usuarioEscolhido, CB_ERR);
        QCOMPARE(filiais, QStringList());
    }

    // OK with a choice missing warns and keeps the dialog; with all three it ends it.
    void okWithoutAllThreeWarnsAndStays_data() {
        QTest::addColumn<int>("escolhas");
        QTest::newRow("nothing chosen") << 0;
        QTest::newRow("company only") << 1;
        QTest::newRow("no branch") << 2;
    }
    void okWithoutAllThreeWarnsAndStays() {
        QFETCH(int, escolhas);
        kelvo::testing::RecordedWindowBoxes caixas;
        bool ficouAberto = false;
        NoProximoDialogo([&](Dialog& dialogo) {
            if (escolhas > 0) Escolhe(dialogo, IDC_ZTESCOLHA_EMPRESA, kEmpresa);
            if (escolhas > 1) Escolhe(dialogo, IDC_ZTESCOLHA_USUARIO, "Supervisor");
            Clica(dialogo, IDOK);
            ficouAberto = dialogo.IsWindowVisible();
            Escolhe(dialogo, IDC_ZTESCOLHA_EMPRESA, kEmpresa);
            Escolhe(dialogo, IDC_ZTESCOLHA_USUARIO, "Supervisor");
            Escolhe(dialogo, IDC_ZTESCOLHA_FILIAL, "Matriz");
            Clica(dialogo, IDOK);
        });
        const Resultado r = PedeEmpresa();
        QVERIFY(ficouAberto);
        QCOMPARE(caixas.boxes.size(), std::size_t{1});
        QCOMPARE(QByteArray::fromStdString(caixas.boxes[0].text), QByteArray("Escolha a empresa, o usu\xE1rio e a filial."));
        QCOMPARE(caixas.boxes[0].type, MB_OK | MB_ICONWARNING);
        QVERIFY(r.escolheu);
        QCOMPARE(r.usuario.iCodigo, kSupervisor);
        QCOMPARE(r.iFilial, std::uint16_t{1});
    }

private:
    std::unique_ptr<kelvo::testing::TestEnvironment> ambiente_;
};

QTEST_MAIN(EscolhaEmpresaJanelaTest)
#include "empral_escolha_janela_test.moc"
