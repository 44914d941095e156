// ZTOnPrint: the print command of a list, as decided for this system: no printer, a PDF.
//
// The PDF (outside/editra/zt_lista_pdf.h) shows every data row of the view's grid in the columns
// that show, in their order and at their widths, with the configuration's company name and
// today's date (util/time) in each page's heading and the page numbers at the foot. The rows are
// read one page at a time through the grid's owner, as a paint would read them, so a list over a
// record cache reads it a page at a time and never holds every record. The file goes to the
// temporary folder as "LstXXXX.pdf" (a new name each time) and is handed to the desktop's opener,
// which shows it in the user's PDF reader. User-interface thread.
#pragma once

#include "outside/editra/zt_browser_view.h"
#include "outside/editra/zt_config_impressao.h"

namespace platform::ui {
class Document;
}

// Prints `pView`, one of `pDoc`'s views. TRUE once the PDF is written and the opener started;
// FALSE, with nothing done, for a null view or configuration or a view that is not the
// document's, and FALSE after a box telling the user when the file cannot be written or opened.
platform::BOOL ZTOnPrint(CZTBrowserView* pView, platform::ui::Document* pDoc, const CZTConfigImpressao* pConfig);
