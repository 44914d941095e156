#include "framework/view/zt_tree_view.h"

#include "util/date/zt_mes_ano.h"
#include "util/time/short_date.h"
#include "util/time/short_date_text.h"

#include <cstring>

using platform::FALSE;
using platform::TRUE;
using platform::ui::HTREEITEM;
using platform::ui::TVI_LAST;
using platform::ui::TVI_ROOT;

namespace {

// Format types of the date texts: dd/mm/yyyy and mm/yyyy.
constexpr int kTipoDiaMesAno = 1;
constexpr int kTipoMesAno = 7;

// The four-digit year that ends `texto`.
const char* AnoNoFim(const char* texto) { return texto + std::strlen(texto) - 4; }

// dd/mm/yy of the day after the one in `texto`, for a day that stays in its month.
void AvancaDia(char* texto) {
    if (texto[1] != '9') {
        ++texto[1];
        return;
    }
    texto[1] = '0';
    ++texto[0];
}

// The short-date builder formats a day from its number only where incrementing the previous
// text could go wrong: from the 30th on, in February, and for the first day (the text starts as
// a February day for that).
bool PrecisaFormatar(const char* anterior) { return anterior[0] > '2' || std::strncmp(anterior + 3, "02", 2) == 0; }

}  // namespace

CZTTreeView::CZTTreeView() : m_MapaTextos(10) {}

CZTTreeView::~CZTTreeView() = default;

void CZTTreeView::PreCreateWindow(platform::DWORD& treeStyle) {
    treeStyle |= platform::ui::TVS_HASBUTTONS | platform::ui::TVS_HASLINES | platform::ui::TVS_SHOWSELALWAYS;
}

void CZTTreeView::SetGuardaMapa(platform::BOOL bGuarda) { m_bGuardaMapa = static_cast<std::uint32_t>(bGuarda); }

HTREEITEM CZTTreeView::InsereItem(const char* texto, int imagem, int imagemSelecionada, HTREEITEM pai,
                                  HTREEITEM depois) {
    const HTREEITEM item = GetTreeCtrl().InsertItem(texto, imagem, imagemSelecionada, pai, depois);
    if (item && m_bGuardaMapa) m_MapaTextos[texto] = item;
    return item;
}

platform::BOOL CZTTreeView::BuscaItemTexto(const char* texto, HTREEITEM& item) const {
    const auto achado = m_MapaTextos.find(texto);
    if (achado == m_MapaTextos.end()) return FALSE;
    item = achado->second;
    return TRUE;
}

platform::BOOL CZTTreeView::SelecionaItemTexto(const char* texto) {
    HTREEITEM item = nullptr;
    if (!BuscaItemTexto(texto, item)) return FALSE;
    platform::ui::TreeCtrl& tree = GetTreeCtrl();
    tree.EnsureVisible(item);
    tree.SelectItem(item);
    return TRUE;
}

HTREEITEM CZTTreeView::InsereNo(const char* texto, HTREEITEM pai) { return InsereItem(texto, 0, 0, pai, TVI_LAST); }

HTREEITEM CZTTreeView::InsereDatasCurtas(const ZT_PERIODO_DATAS_CURTAS& pedido) {
    const HTREEITEM raiz = InsereNo(pedido.pszRaiz, TVI_ROOT);
    HTREEITEM ano = raiz;
    HTREEITEM mes = nullptr;
    std::uint16_t mesAnterior = 0;
    char dia[ZT_TEXTO_DATA_CURTA] = "29/02";
    // Walk day numbers, not stored values: the stored form wraps round after June 2027.
    const std::uint32_t ultimo = ZTDataCurtaParaDiaNumero(pedido.nUltima);
    for (std::uint32_t numero = ZTDataCurtaParaDiaNumero(pedido.nPrimeira); numero != 0 && numero <= ultimo;
         ++numero) {
        const std::uint16_t data = ZTDiaNumeroParaDataCurta(numero);
        if (const std::uint16_t mesAno = ZTDataParaMesAno(data); mesAno != mesAnterior) {
            char textoMes[ZT_TEXTO_DATA_CURTA];
            ZTFormataMesAno(&mesAno, textoMes, false);
            if (pedido.bAnos && (mesAnterior == 0 || std::strncmp(textoMes, "01", 2) == 0)) {
                char textoData[ZT_TEXTO_DATA_CURTA];
                ano = InsereNo(AnoNoFim(ZTFormataData(&data, textoData, true)), raiz);
            }
            mes = InsereNo(textoMes, ano);
            mesAnterior = mesAno;
        }
        if (!pedido.bDias) continue;
        if (PrecisaFormatar(dia)) {
            ZTFormataData(&data, dia, false);
        } else {
            AvancaDia(dia);
        }
        InsereNo(dia, mes);
    }
    return raiz;
}

HTREEITEM CZTTreeView::InsereDatas(const ZT_PERIODO_DATAS& pedido) {
    const HTREEITEM raiz = InsereNo(pedido.pszRaiz, TVI_ROOT);
    HTREEITEM pai = raiz;
    HTREEITEM mes = nullptr;
    CZTData atual = pedido.primeira;
    CZTData ultima = pedido.ultima;
    if (!pedido.bDias) {
        atual.SetPrimeiroDiaMes();
        ultima.SetPrimeiroDiaMes();
    }
    CZTMesAno mesAnterior;
    // A step past the last date there is empties the date, which ends the walk.
    while (atual.IsValida() && atual <= ultima) {
        CZTMesAno mesAtual;
        mesAtual = atual;
        if (mesAtual.GetValor() != mesAnterior.GetValor()) {
            if (pedido.bAnos && mesAtual.GetAno() != mesAnterior.GetAno()) {
                pai = InsereNo(AnoNoFim(mesAtual.Formata(kTipoMesAno, 0)), raiz);
            }
            mes = InsereNo(mesAtual.Formata(kTipoMesAno, '/'), pai);
            mesAnterior = mesAtual;
        }
        if (pedido.bDias) {
            InsereNo(atual.Formata(kTipoDiaMesAno, '/'), mes);
            atual.SomaDias(1);
        } else {
            atual.SomaMeses(1);
        }
    }
    return raiz;
}
