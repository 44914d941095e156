// Printing a list: every row of the grid, in the columns that show (their order as the user left
// it, hidden ones left out), goes into a PDF of several pages under the company's heading, in the
// temporary folder, and the desktop's opener gets its path; a failure to open it is told.
#include "outside/editra/zt_browser_view.h"
#include "outside/editra/zt_impressao.h"
#include "platform/tests/support/fake_opener.h"
#include "platform/tests/support/pdf_reading.h"
#include "platform/tests/support/scoped_environment.h"
#include "platform/tests/support/test_environment.h"
#include "platform/text/codepage.h"
#include "platform/ui/document/document.h"
#include "platform/ui/tests/support/recorded_window_boxes.h"
#include "util/time/current_time.h"

#include <QHeaderView>
#include <QTableView>
#include <QtTest>

#include <filesystem>
#include <memory>
#include <string>

using namespace platform;
using namespace platform::ui;
using kelvo::testing::PdfsEm;
namespace fs = std::filesystem;

namespace {

constexpr UINT kPrimeiroId = 32810;
constexpr UINT kUltimoId = 32824;
constexpr ROWCOL kItens = 130;
const char* const kEmpresa = "Empresa Demonstra\xE7\xE3o";
const char* const kCodigo = "C\xF3" "digo";
const char* const kTitulos[] = {kCodigo, "Nome do tipo", "Filial"};

// Three columns; the third's texts ("FILIAL-n") must never reach the paper once it is hidden.
class ListaTeste final : public CZTBrowserView {
public:
    ListaTeste() { GetGrid().SetNumeroColunas(3); }

    void OnInitialUpdate() override {
        CZTBrowserView::OnInitialUpdate();
        GetGrid().SetNumeroLinhas(kItens);
    }
    CZTInfoColuna GetInformacaoColuna(int coluna) override { return {kTitulos[coluna], 0, coluna == 1 ? 240 : 80}; }
    BOOL OnLoadCellStyle(ROWCOL linha, ROWCOL coluna, CZTEstiloCelula& estilo) override {
        String texto;
        const char* titulo = kTitulos[0];
        for (const char* candidato : kTitulos) {
            if (static_cast<ROWCOL>(GetGrid().GetIndiceColuna(candidato)) == coluna) titulo = candidato;
        }
        if (titulo == kTitulos[0]) texto.Format("C%04u", linha);
        if (titulo == kTitulos[1]) texto.Format("Tipo %u", linha);
        if (titulo == kTitulos[2]) texto.Format("FILIAL-%u", linha);
        estilo.SetValue(texto);
        return TRUE;
    }
};

}  // namespace

class PrintTest : public QObject {
    Q_OBJECT

    std::unique_ptr<kelvo::testing::TestEnvironment> ambiente_;
    std::unique_ptr<kelvo::testing::ScopedTempFolder> temporaria_;
    std::unique_ptr<Wnd> janela_;
    Document documento_;
    ListaTeste* lista_ = nullptr;
    CZTConfigImpressao config_;

private slots:
    void init() {
        ambiente_ = std::make_unique<kelvo::testing::TestEnvironment>();
        temporaria_ = std::make_unique<kelvo::testing::ScopedTempFolder>(ambiente_->Folder() / "tmp");
        janela_ = std::make_unique<Wnd>();
        QVERIFY(janela_->Create(nullptr, 0, {0, 0, 600, 400}));
        lista_ = new ListaTeste;
        QVERIFY(lista_->Create(janela_.get(), 1, {0, 0, 600, 400}));
        documento_.AddView(lista_);
        lista_->OnInitialUpdate();
        config_.SetEmpresa(kEmpresa);
    }
    void cleanup() {
        documento_.RemoveView(lista_);
        janela_.reset();
        temporaria_.reset();
        ambiente_.reset();
    }

    // Every row must be on paper, in the columns' order as shown, the hidden column's title and
    // texts nowhere, under the company's heading with today's date, each page numbered of the
    // whole; the opener must get the PDF's path.
    void printsEveryRowOfTheShownColumns() {
        kelvo::testing::FakeOpener opener(ambiente_->Folder());
        CZTGrid& grid = lista_->GetGrid();
        grid.CriaMenuConfiguracao(0, kPrimeiroId, nullptr, 0, 0);
        grid.OnColunaLista(kPrimeiroId + 2, kPrimeiroId, kUltimoId);
        static_cast<QTableView*>(grid.GetWidget())->horizontalHeader()->moveSection(1, 0);

        QCOMPARE(ZTOnPrint(lista_, &documento_, &config_), TRUE);

        const std::vector<fs::path> pdfs = PdfsEm(temporaria_->Path());
        QCOMPARE(pdfs.size(), std::size_t{1});
        const std::vector<std::string> abertos = opener.Opened(1);
        QCOMPARE(abertos, std::vector<std::string>{pdfs.front().string() + "\n"});
        const kelvo::testing::PdfLido pdf = kelvo::testing::LePdf(pdfs.front(), ambiente_->Folder());
        QVERIFY2(pdf.paginas > 1, "the rows should need more than one page");
        QVERIFY(pdf.texto.find(Utf8FromAnsi(kEmpresa)) != std::string::npos);
        QVERIFY(pdf.texto.find(ZTGetDataHojeTexto(true).str()) != std::string::npos);
        QVERIFY(pdf.texto.find(Utf8FromAnsi(kCodigo)) != std::string::npos);
        for (int pagina = 1; pagina <= pdf.paginas; ++pagina) {
            const std::string rodape = "P\xC3\xA1gina " + std::to_string(pagina) + " de " + std::to_string(pdf.paginas);
            QVERIFY2(pdf.texto.find(rodape) != std::string::npos, rodape.c_str());
        }
        for (ROWCOL linha = 1; linha <= kItens; ++linha) {
            char codigo[16];
            std::snprintf(codigo, sizeof codigo, "C%04u", linha);
            const std::string texto = kelvo::testing::LinhaCom(pdf.texto, "Tipo " + std::to_string(linha) + " ");
            QVERIFY2(!texto.empty(), codigo);
            // The moved column comes first on the row's line.
            QVERIFY2(texto.find(codigo) > texto.find("Tipo "), texto.c_str());
        }
        QCOMPARE(pdf.texto.find("FILIAL"), std::string::npos);
        QCOMPARE(pdf.texto.find("Filial"), std::string::npos);
    }

    // Without an opener the PDF is still written and the user is told where it is; a view that is
    // not the document's prints nothing.
    void aMissingOpenerIsToldAndAStrangeViewPrintsNothing() {
        kelvo::testing::RecordedWindowBoxes caixas;
        const fs::path vazia = ambiente_->Folder() / "sem-programas";
        fs::create_directories(vazia);
        {
            const kelvo::testing::ScopedEnvironment semOpener("PATH", vazia.c_str());
            QCOMPARE(ZTOnPrint(lista_, &documento_, &config_), FALSE);
        }
        const std::vector<fs::path> pdfs = PdfsEm(temporaria_->Path());
        QCOMPARE(pdfs.size(), std::size_t{1});
        QCOMPARE(caixas.boxes.size(), std::size_t{1});
        QVERIFY(caixas.boxes.front().text.find(pdfs.front().string()) != std::string::npos);

        Document outro;
        QCOMPARE(ZTOnPrint(lista_, &outro, &config_), FALSE);
        QCOMPARE(PdfsEm(temporaria_->Path()).size(), std::size_t{1});
        QCOMPARE(caixas.boxes.size(), std::size_t{1});
    }
};

QTEST_MAIN(PrintTest)
#include "print_test.moc"
