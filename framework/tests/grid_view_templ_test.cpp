// The framework's record list over a record-cache document, the active view of the main frame:
// its rows follow the document's keys, its cells come from the rows' records through the
// program's callback, and a save result appends a row for a key the save added, reads the cells
// again for a record saved in place, and changes nothing when the save did not succeed.
#include "framework/data/zt_fc_dados.h"
#include "framework/document/zt_fc_document.h"
#include "framework/tests/record_cache_document.h"
#include "framework/view/zt_fc_grid_view_templ.h"
#include "framework/view/zt_fc_hints.h"
#include "platform/ui/app/win_app.h"
#include "platform/ui/document/create_context.h"
#include "platform/ui/document/frame_wnd.h"

#include <QAbstractItemModel>
#include <QTableView>
#include <QtTest>

#include <map>
#include <utility>
#include <vector>

using namespace platform;
using namespace platform::ui;
using framework::testing::ChaveDoItem;
using framework::testing::Chaves;
using framework::testing::DocumentoDeRegistros;
using framework::testing::RegistroFalso;
using framework::testing::RegistroNoServidor;

namespace {

using Holder = CZTFCDadosClasseTempl<RegistroFalso>;

constexpr int kChaves = 30;

// One column: the record's content. Writes down the rows whose cells it was asked for and the
// rows it was told were appended.
class GridDeRegistros final : public CZTFCGridViewTempl<RegistroFalso, DocumentoDeRegistros> {
public:
    std::map<ROWCOL, int> leiturasPorLinha;
    std::vector<std::pair<ROWCOL, ROWCOL>> adicionadas;

    GridDeRegistros() { GetGrid().SetNumeroColunas(1); }
    CZTInfoColuna GetInformacaoColuna(int) override { return {"Conteúdo"}; }
    BOOL OnLoadCellStyle(ROWCOL nLinha, ROWCOL nColuna, CZTEstiloCelula& estilo) override {
        ++leiturasPorLinha[nLinha];
        return CZTFCGridViewTempl::OnLoadCellStyle(nLinha, nColuna, estilo);
    }

protected:
    BOOL OnLoadCellStyleRegistro(const RegistroFalso& registro, ROWCOL, CZTEstiloCelula& estilo) override {
        String texto;
        texto.Format("%d", registro.conteudo);
        estilo.SetValue(texto);
        return TRUE;
    }
    void OnLinhasAdicionadas(ROWCOL nPrimeira, ROWCOL nUltima) override { adicionadas.emplace_back(nPrimeira, nUltima); }
};

// A holder of `dados`, saved from a record read as `copia` (position 0: a new record).
Holder* Salvo(RegistroFalso dados, RegistroFalso copia) {
    auto* holder = new Holder;
    *holder->GetDados() = dados;
    *holder->GetCopia() = copia;
    return holder;
}

}  // namespace

class GridViewTemplTest : public QObject {
    Q_OBJECT

    WinApp* app_ = nullptr;
    DocumentoDeRegistros* documento_ = nullptr;
    FrameWnd* frame_ = nullptr;
    GridDeRegistros* grid_ = nullptr;

    // The text the grid shows at data row `linha`.
    QString Texto(ROWCOL linha) {
        const QAbstractItemModel& modelo = *static_cast<QTableView*>(grid_->GetGrid().GetWidget())->model();
        return modelo.data(modelo.index(static_cast<int>(linha) - 1, 0)).toString();
    }

    // Tells the document and its views that the save of `salvo` ended with `status`.
    void Grava(Holder* salvo, std::int32_t status) {
        ZTFC_BLOCO_GRAVADO bloco;
        bloco.lStatus = status;
        bloco.pRegistro = salvo;
        documento_->UpdateAllViews(nullptr, ZTFC_HINT_GRAVACAO, &bloco);
        delete salvo;
    }

private slots:
    void init() {
        app_ = new WinApp("GridViewTemplTeste");
        app_->SetRegistryKey("Quorvel");
        documento_ = new DocumentoDeRegistros(kChaves, 100, 10);
        frame_ = new FrameWnd;
        CreateContext contexto{documento_, [this] { return grid_ = new GridDeRegistros; }};
        QVERIFY(frame_->LoadFrame(0, &contexto));
        frame_->InitialUpdateFrame(documento_, FALSE);
        QCOMPARE(frame_->GetActiveView(), static_cast<View*>(grid_));
        app_->m_pMainWnd = frame_;
        documento_->UpdateAllViews(nullptr, ZTFC_HINT_INICIALIZA);
    }
    void cleanup() {
        app_->m_pMainWnd = nullptr;
        documento_->OnCloseDocument();
        delete app_;
    }

    // The rows are the document's keys, each cell from its own row's record (not a neighbour's).
    void rowsFollowTheKeysAndCellsComeFromTheRecords() {
        QCOMPARE(grid_->GetGrid().GetNumeroLinhas(), ROWCOL{kChaves});
        for (const int item : {0, 1, kChaves - 1}) {
            const QString esperado = QString::number(RegistroNoServidor(ChaveDoItem(item)).conteudo);
            QCOMPARE(Texto(static_cast<ROWCOL>(item) + 1), esperado);
        }
    }

    void aSaveFollowsTheDocumentsList_data() {
        QTest::addColumn<bool>("novo");
        QTest::addColumn<int>("status");
        QTest::addColumn<int>("linhas");
        QTest::addColumn<bool>("mostraGravado");
        // A new record joins the list: exactly one row is appended, showing it.
        QTest::newRow("new record, status 0") << true << 0 << kChaves + 1 << false;
        // A stored record changed in place: same rows, but its shown cells must not stay stale.
        QTest::newRow("stored record, status 0") << false << 0 << kChaves << true;
        // A warning or a failure leaves the list and the shown cells alone.
        QTest::newRow("new record, warning") << true << 0x40685 << kChaves << false;
        QTest::newRow("stored record, warning") << false << 0x40685 << kChaves << false;
        QTest::newRow("new record, failure") << true << -1 << kChaves << false;
    }
    void aSaveFollowsTheDocumentsList() {
        QFETCH(bool, novo);
        QFETCH(int, status);
        QFETCH(int, linhas);
        QFETCH(bool, mostraGravado);
        constexpr ROWCOL kLinhaGuardada = 4;
        const RegistroFalso lido = RegistroNoServidor(ChaveDoItem(kLinhaGuardada - 1));
        const QString antes = Texto(kLinhaGuardada);
        const int leiturasAntes = grid_->leiturasPorLinha[kLinhaGuardada];
        const RegistroFalso gravado{novo ? 4321U : lido.posicao, 77};

        Grava(Salvo(gravado, novo ? RegistroFalso{} : lido), status);

        QCOMPARE(grid_->GetGrid().GetNumeroLinhas(), ROWCOL(linhas));
        const bool adicionou = linhas > kChaves;
        QCOMPARE(grid_->adicionadas.size(), std::size_t{adicionou ? 1U : 0U});
        if (adicionou) {
            QCOMPARE(grid_->adicionadas.front(), std::make_pair(ROWCOL{kChaves + 1}, ROWCOL{kChaves + 1}));
            QCOMPARE(Texto(kChaves + 1), QString("77"));
        }
        QCOMPARE(Texto(kLinhaGuardada), mostraGravado ? QString("77") : antes);
        if (status != 0) QCOMPARE(grid_->leiturasPorLinha[kLinhaGuardada], leiturasAntes);
    }

    // A batch saved with status 0 adds no key here: the shown cells are read again, rows stay.
    void aBatchSavedReadsTheShownCellsAgain() {
        constexpr ROWCOL kLinha = 2;
        static_cast<void>(Texto(kLinha));
        const int leiturasAntes = grid_->leiturasPorLinha[kLinha];
        const RegistroFalso lido = RegistroNoServidor(ChaveDoItem(kLinha - 1));
        CZTFCDados* registros[] = {Salvo(lido, lido)};
        ZTFC_BLOCO_LOTE bloco;
        bloco.nQuantidade = 1;
        bloco.ppRegistros = registros;

        documento_->UpdateAllViews(nullptr, ZTFC_HINT_GRAVACAO, &bloco);
        delete registros[0];

        QCOMPARE(grid_->GetGrid().GetNumeroLinhas(), ROWCOL{kChaves});
        static_cast<void>(Texto(kLinha));
        QVERIFY(grid_->leiturasPorLinha[kLinha] > leiturasAntes);
    }
};

QTEST_MAIN(GridViewTemplTest)
#include "grid_view_templ_test.moc"
