#include "outside/editra/zt_impressao.h"

#include "outside/editra/zt_lista_pdf.h"
#include "platform/exception.h"
#include "platform/file/file.h"
#include "platform/file/file_operations.h"
#include "platform/file/file_temp.h"
#include "platform/system/desktop_opener.h"
#include "platform/ui/app/win_app.h"
#include "platform/ui/box/message_box.h"
#include "platform/ui/document/document.h"
#include "util/text/zt_string.h"
#include "util/time/current_time.h"

#include <algorithm>

using namespace platform;

namespace {

constexpr const char* kCaption = "Impress\xE3o da lista";
// A new ".tmp" name is reserved, then its ".pdf" twin taken; a twin left by an earlier print
// makes the next name be tried, this many times at most.
constexpr int kTentativasNome = 16;

bool Grava(const String& caminho, const std::string& bytes) {
    File arquivo;
    if (!arquivo.Open(caminho, File::modeWrite | File::modeCreate | File::shareExclusive | File::typeBinary)) return false;
    try {
        arquivo.Write(bytes.data(), static_cast<unsigned>(bytes.size()));
        arquivo.Close();
        return true;
    } catch (const Exception&) {
        return false;
    }
}

// The name's ".tmp" turned into ".pdf", so that the desktop picks the PDF reader.
String ComExtensaoPdf(const String& reservado) {
    String pdf(reservado.Left(reservado.GetLength() - 4));
    pdf += ".pdf";
    return pdf;
}

// Writes `bytes` under a new name of the temporary folder ending in ".pdf"; its path, empty on
// failure (nothing is left behind then).
String GravaPdfTemporario(const std::string& bytes) {
    for (int tentativa = 0; tentativa < kTentativasNome; ++tentativa) {
        String reservado;
        if (CreateTempFile(TempFolder(), "Lst", reservado).Failed()) return {};
        if (!Grava(reservado, bytes)) {
            (void)DeleteFile(reservado);
            return {};
        }
        const String pdf = ComExtensaoPdf(reservado);
        const FileError renomeado = RenameFile(reservado, pdf);
        if (!renomeado.Failed()) return pdf;
        (void)DeleteFile(reservado);
        if (renomeado.error != ERROR_ALREADY_EXISTS) return {};
    }
    return {};
}

CZTListaImpressa ListaDaGrid(const CZTGrid& grid, const CZTConfigImpressao& config) {
    CZTListaImpressa lista;
    lista.strEmpresa = config.GetEmpresa();
    lista.strData = ZTGetDataHojeTexto(true);
    lista.colunas = grid.GetColunasMostradas();
    lista.nLinhas = grid.GetNumeroLinhas();
    lista.celula = [&grid](ROWCOL nLinha, const CZTColunaMostrada& coluna) {
        CZTEstiloCelula estilo;
        grid.LeCelula(nLinha, coluna.nColuna, estilo);
        return estilo.GetValue();
    };
    return lista;
}

BOOL Avisa(const char* formato, const String& caminho) {
    CZTString texto;
    texto.Format(formato, caminho.GetString());
    (void)ui::MessageBox(ui::AfxGetMainWnd(), texto.GetString(), kCaption, MB_OK | MB_ICONWARNING);
    return FALSE;
}

}  // namespace

BOOL ZTOnPrint(CZTBrowserView* pView, ui::Document* pDoc, const CZTConfigImpressao* pConfig) {
    if (!pView || !pDoc || !pConfig) return FALSE;
    const std::vector<ui::View*>& views = pDoc->GetViews();
    if (std::find(views.begin(), views.end(), pView) == views.end()) return FALSE;
    const std::string bytes = ZTDesenhaListaPdf(ListaDaGrid(pView->GetGrid(), *pConfig));
    const String caminho = bytes.empty() ? String() : GravaPdfTemporario(bytes);
    if (caminho.IsEmpty()) return Avisa("N\xE3o foi poss\xEDvel gravar a lista na pasta tempor\xE1ria %s.", TempFolder());
    if (OpenWithDesktop(caminho) != ERROR_SUCCESS) {
        return Avisa("A lista foi gravada em %s, mas n\xE3o foi poss\xEDvel abri-la.", caminho);
    }
    return TRUE;
}
