#include "outside/pendora/ui/tests/esqueleto/esqueleto_views.h"

#include "framework/data/zt_fc_dados.h"
#include "platform/interaction.h"
#include "outside/pendora/ui/tests/esqueleto/esqueleto_ids.h"

#include <cstring>

using platform::BOOL;
using platform::String;

namespace esqueleto {

namespace {

// A record's text field up to its first NUL, or whole when it has none.
template <std::size_t N>
String Texto(const char (&campo)[N]) {
    return String(campo, static_cast<int>(::strnlen(campo, N)));
}

template <std::size_t N>
void Copia(char (&campo)[N], const String& texto) {
    std::memset(campo, 0, N);
    std::strncpy(campo, texto.GetString(), N - 1);
}

DocumentoTipos* DocumentoDe(platform::ui::View& view) { return dynamic_cast<DocumentoTipos*>(view.GetDocument()); }

CQDTipDoc* TipoDe(CZTFCDados* registro) { return CZTFCDadosClasseTempl<CQDTipDoc>::GetDados(registro); }

}  // namespace

void ArvoreTipos::OnInicializaView() {
    CZTFCTreeView::OnInicializaView();
    DocumentoTipos* documento = DocumentoDe(*this);
    if (!documento) return;
    platform::ui::TreeCtrl& arvore = GetTreeCtrl();
    const BOOL ignorava = SetIgnoraSelecao(platform::TRUE);
    arvore.DeleteAllItems();
    const platform::ui::HTREEITEM raiz = arvore.InsertItem("Tipos");
    const int quantidade = documento->GetRegistros().GetQtdChaves();
    for (int indice = 0; indice < quantidade; ++indice) {
        const auto* tipo = static_cast<const CQDTipDoc*>(documento->GetRegistro(indice));
        if (tipo) arvore.InsertItem(Texto((*tipo)->szCodigo).GetString(), raiz);
    }
    arvore.Expand(raiz, platform::ui::TVE_EXPAND);
    SetIgnoraSelecao(ignorava);
}

ListaTipos::ListaTipos() { GetGrid().SetNumeroColunas(2); }

CZTInfoColuna ListaTipos::GetInformacaoColuna(int nColuna) {
    return nColuna == 0 ? CZTInfoColuna{"C\xF3""digo", 0, 90} : CZTInfoColuna{"Nome", 0, 220};
}

BOOL ListaTipos::OnLoadCellStyleRegistro(const CQDTipDoc& tipo, ROWCOL nColuna, CZTEstiloCelula& estilo) {
    estilo.SetValue((nColuna == 0 ? Texto(tipo->szCodigo) : Texto(tipo->szNome)).GetString());
    return platform::TRUE;
}

FormularioTipo::FormularioTipo() : CZTKelvoFormView(IDD_FORMULARIO) {}

void FormularioTipo::PoeTexto(platform::UINT id, const char* texto) { GetDlgItem(id)->SetWindowText(texto); }

void FormularioTipo::LimpaCampos() {
    PoeTexto(IDC_CODIGO, "");
    PoeTexto(IDC_NOME, "");
}

void FormularioTipo::OnMostraRegistro(CZTFCDados* registro) {
    const CQDTipDoc* tipo = TipoDe(registro);
    if (!tipo) return LimpaCampos();
    PoeTexto(IDC_CODIGO, Texto((*tipo)->szCodigo).GetString());
    PoeTexto(IDC_NOME, Texto((*tipo)->szNome).GetString());
}

void FormularioTipo::OnLeRegistro(CZTFCDados* registro) {
    CQDTipDoc* tipo = TipoDe(registro);
    if (!tipo) return;
    String nome;
    GetDlgItem(IDC_NOME)->GetWindowText(nome);
    Copia((*tipo)->szNome, nome);
}

BOOL FormularioTipo::OnCommand(platform::WPARAM wParam, platform::LPARAM lParam) {
    if (platform::LOWORD(wParam) != platform::IDOK) return CZTKelvoFormView::OnCommand(wParam, lParam);
    DocumentoTipos* documento = DocumentoDe(*this);
    if (documento && documento->GetRegistroAtual() && LeRegistro(documento->GetRegistroAtual())) documento->GravaAtual();
    return platform::TRUE;
}

}  // namespace esqueleto
