// The print command of the framework document: with a grid view over a record cache, the list
// is printed under the open company's name, its records read through the cache a page at a time,
// and the PDF reaches the desktop's opener; without a grid view nothing happens.
#include "framework/app/zt_kelvo_app_info.h"
#include "framework/application/zt_kelvo_app.h"
#include "framework/document/zt_fc_document.h"
#include "framework/tests/record_cache_document.h"
#include "framework/view/zt_fc_grid_view_templ.h"
#include "framework/view/zt_fc_hints.h"
#include "platform/tests/support/fake_opener.h"
#include "platform/tests/support/pdf_reading.h"
#include "platform/tests/support/scoped_environment.h"
#include "platform/tests/support/test_environment.h"
#include "platform/text/codepage.h"
#include "platform/ui/document/create_context.h"
#include "platform/ui/document/frame_wnd.h"
#include "platform/ui/resource/frame_templates.h"
#include "platform/ui/tests/support/recorded_window_boxes.h"

#include <QtTest>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

using namespace platform;
using namespace platform::ui;
using framework::testing::ChaveDoItem;
using framework::testing::Chaves;
using framework::testing::DocumentoDeRegistros;
using framework::testing::RegistroFalso;
using framework::testing::RegistroNoServidor;
using kelvo::testing::PdfsEm;
namespace fs = std::filesystem;

namespace {

constexpr int kChaves = 120;
constexpr int kPagina = 10;
const char* const kRazaoSocial = "Com\xE9rcio Exemplo Ltda";

// One column: "R<content>" of the row's record.
class GridDeRegistros final : public CZTFCGridViewTempl<RegistroFalso, DocumentoDeRegistros> {
public:
    GridDeRegistros() { GetGrid().SetNumeroColunas(1); }
    CZTInfoColuna GetInformacaoColuna(int) override { return {"Conte\xFA" "do"}; }

protected:
    BOOL OnLoadCellStyleRegistro(const RegistroFalso& registro, ROWCOL, CZTEstiloCelula& estilo) override {
        String texto;
        texto.Format("R%d", registro.conteudo);
        estilo.SetValue(texto);
        return TRUE;
    }
};

}  // namespace

class PrintCommandTest : public QObject {
    Q_OBJECT

    std::unique_ptr<kelvo::testing::TestEnvironment> ambiente_;
    std::unique_ptr<kelvo::testing::ScopedTempFolder> temporaria_;
    CZTKelvoApp* app_ = nullptr;

private slots:
    void init() {
        ambiente_ = std::make_unique<kelvo::testing::TestEnvironment>();
        temporaria_ = std::make_unique<kelvo::testing::ScopedTempFolder>(ambiente_->Folder() / "tmp");
        app_ = new CZTKelvoApp;
        app_->GetAppInfo()->SetRazaoSocial(kRazaoSocial);
    }
    void cleanup() {
        delete app_;
        temporaria_.reset();
        ambiente_.reset();
    }

    // Ctrl+P in the grid reaches 32800 through the frame's accelerators, which must print every
    // record of the list under the company's name, reading the cache one page after another (each
    // record once, never more than a page per read), and hand the PDF to the opener.
    void printsTheGridViewThroughTheRecordCache() {
        kelvo::testing::FakeOpener opener(ambiente_->Folder());
        auto* documento = new DocumentoDeRegistros(kChaves, 2 * kPagina, kPagina);
        GridDeRegistros* grid = nullptr;
        auto* frame = new FrameWnd;
        CreateContext contexto{documento, [&grid] { return grid = new GridDeRegistros; }};
        QVERIFY(frame->LoadFrame(0, &contexto));
        frame->SetAccelerators({{FVIRTKEY | FCONTROL, 'P', static_cast<WORD>(ZTFC_ID_IMPRIMIR)}});
        app_->m_pMainWnd = frame;
        frame->InitialUpdateFrame(documento, TRUE);
        QVERIFY(QTest::qWaitForWindowActive(frame->GetWidget()));
        documento->UpdateAllViews(nullptr, ZTFC_HINT_INICIALIZA);
        documento->GetRegistros().LimpaCache();
        documento->GetRegistros().leituras.clear();

        QWidget* tabela = grid->GetGrid().GetWidget();
        tabela->setFocus();
        QTRY_VERIFY(tabela->hasFocus());
        QTest::keyClick(tabela, Qt::Key_P, Qt::ControlModifier);

        QCOMPARE(documento->GetConfigImpressao().GetEmpresa(), String(kRazaoSocial));
        std::vector<DWORD> lidas;
        for (const std::vector<DWORD>& leitura : documento->GetRegistros().leituras) {
            QVERIFY(static_cast<int>(leitura.size()) <= kPagina);
            lidas.insert(lidas.end(), leitura.begin(), leitura.end());
        }
        QCOMPARE(lidas, Chaves(0, kChaves));
        const std::vector<fs::path> pdfs = PdfsEm(temporaria_->Path());
        QCOMPARE(pdfs.size(), std::size_t{1});
        QCOMPARE(opener.Opened(1), std::vector<std::string>{pdfs.front().string() + "\n"});
        const kelvo::testing::PdfLido pdf = kelvo::testing::LePdf(pdfs.front(), ambiente_->Folder());
        QVERIFY(pdf.texto.find(Utf8FromAnsi(kRazaoSocial)) != std::string::npos);
        for (int item = 0; item < kChaves; ++item) {
            const std::string texto = "R" + std::to_string(RegistroNoServidor(ChaveDoItem(item)).conteudo);
            QVERIFY2(pdf.texto.find(texto) != std::string::npos, texto.c_str());
        }
        app_->m_pMainWnd = nullptr;
        documento->OnCloseDocument();
    }

    // Without a grid view the command is taken but prints nothing, shows nothing and leaves the
    // print configuration alone.
    void withoutAGridViewNothingHappens() {
        kelvo::testing::RecordedWindowBoxes caixas;
        DocumentoDeRegistros documento(kChaves, 2 * kPagina, kPagina);
        QVERIFY(documento.OnCmdMsg(ZTFC_ID_IMPRIMIR, CN_COMMAND, nullptr));
        QVERIFY(documento.GetConfigImpressao().GetEmpresa().IsEmpty());
        QVERIFY(PdfsEm(temporaria_->Path()).empty());
        QVERIFY(caixas.boxes.empty());
        QVERIFY(documento.GetRegistros().leituras.empty());
    }
};

QTEST_MAIN(PrintCommandTest)
#include "print_command_test.moc"
