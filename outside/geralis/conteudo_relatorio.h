// The content of a report as the PDF writer lays it out: the heading's texts, the columns with
// their captions and print widths, and the lines in print order.
//
// CMontaRelatorio fills it; GeralisEscrevePdf only reads it. Texts are Windows-1252. A plain
// value type; not shared between threads without outside locking.
#pragma once

#include "outside/geralis/geralis_definicoes.h"
#include "util/text/zt_string.h"

#include <vector>

struct GeralisColuna {
    int iCodigo = 0;
    CZTString strTitulo;               // the printed caption
    double dLargura = 0;               // print width in millimetres
    int iTipo = GERALIS_TIPO_TEXTO;    // integers are aligned right, everything else left
};

enum class GeralisTipoLinha {
    Principal,    // one value per column
    Subordinada,  // one value per column, printed lighter under the line it belongs to
    Separadora,   // no values: a rule across the page
    Nota,         // one value, printed across the whole width in italics
};

struct GeralisLinha {
    GeralisTipoLinha eTipo = GeralisTipoLinha::Principal;
    std::vector<CZTString> valores;
};

struct GeralisConteudo {
    CZTString strEmpresa;   // company name, first in every heading
    CZTString strTitulo;    // report title, centred below it
    bool bPaisagem = false; // landscape A4, else portrait
    std::vector<GeralisColuna> colunas;
    std::vector<GeralisLinha> linhas;
};
