#include "framework/view/zt_fc_view.h"

#include "framework/view/zt_fc_hints.h"


namespace {

using platform::ui::Object;
using platform::ui::View;

// The handler that a hint with a matching block reaches.
struct Rota {
    platform::LPARAM hint;
    // The block's kind; 0 for a block without one (the handler checks it) or no block at all.
    platform::DWORD tamanho;
    ZTFC_SINAL sinal;
    void (*chama)(CZTFCView& view, View* sender, Object* objeto);
};

constexpr platform::DWORD kSemTamanho = 0;

const Rota kRotas[] = {
    {ZTFC_HINT_SELECAO_GRID, ZTFC_BLOCO_SELECAO_REGISTRO, ZTFC_SINAL::Qualquer,
     [](CZTFCView& view, View*, Object* objeto) {
         ZTFCComBloco<ZTFC_BLOCO_REGISTRO>(objeto, [&](auto& b) { view.OnSelecionaRegistro(b.nIndice); });
     }},
    {ZTFC_HINT_SELECAO_GRID, ZTFC_BLOCO_SELECAO_REGISTROS, ZTFC_SINAL::Qualquer,
     [](CZTFCView& view, View*, Object* objeto) {
         ZTFCComBloco<ZTFC_BLOCO_REGISTROS>(objeto, [&](auto& b) { view.OnSelecionaRegistros(b.nQuantidade, b.pHandles); });
     }},
    {ZTFC_HINT_SELECAO_ARVORE, kSemTamanho, ZTFC_SINAL::Qualquer,
     [](CZTFCView& view, View* sender, Object* objeto) {
         ZTFCComBloco<ZTFC_BLOCO_ARVORE>(objeto, [&](auto& b) { view.OnSelecaoArvore(b.hItem, b.pszTexto, sender); });
     }},
    {ZTFC_HINT_GRAVACAO, ZTFC_BLOCO_RESULTADO_REGISTRO, ZTFC_SINAL::Zero,
     [](CZTFCView& view, View*, Object* objeto) {
         ZTFCComBloco<ZTFC_BLOCO_GRAVADO>(objeto, [&](auto& b) { view.OnRegistroGravado(b.pRegistro); });
     }},
    {ZTFC_HINT_GRAVACAO, ZTFC_BLOCO_RESULTADO_REGISTRO, ZTFC_SINAL::Positivo,
     [](CZTFCView& view, View*, Object* objeto) {
         ZTFCComBloco<ZTFC_BLOCO_GRAVADO>(objeto, [&](auto& b) { view.OnRegistroGravadoAviso(b.pRegistro, b.lStatus); });
     }},
    {ZTFC_HINT_GRAVACAO, ZTFC_BLOCO_RESULTADO_LOTE, ZTFC_SINAL::Zero,
     [](CZTFCView& view, View*, Object* objeto) {
         ZTFCComBloco<ZTFC_BLOCO_LOTE>(objeto, [&](auto& b) { view.OnRegistrosGravados(b.nQuantidade, b.ppRegistros); });
     }},
    {ZTFC_HINT_GRAVACAO, ZTFC_BLOCO_RESULTADO_LOTE, ZTFC_SINAL::Positivo,
     [](CZTFCView& view, View*, Object* objeto) {
         ZTFCComBloco<ZTFC_BLOCO_LOTE>(
             objeto, [&](auto& b) { view.OnRegistrosGravadosAviso(b.nQuantidade, b.ppRegistros, b.lStatus); });
     }},
    {ZTFC_HINT_REGISTRO_TEMPORARIO, kSemTamanho, ZTFC_SINAL::Qualquer,
     [](CZTFCView& view, View*, Object* objeto) {
         ZTFCComBloco<ZTFC_BLOCO_TEMPORARIO>(objeto, [&](auto& b) { view.OnRegistroTemporario(b.pRegistro); });
     }},
    {ZTFC_HINT_MULTI_SELECAO, kSemTamanho, ZTFC_SINAL::Qualquer,
     [](CZTFCView& view, View*, Object*) { view.OnMultiSelecao(); }},
    {ZTFC_HINT_INICIALIZA, kSemTamanho, ZTFC_SINAL::Qualquer,
     [](CZTFCView& view, View*, Object*) { view.OnInicializaView(); }},
    {ZTFC_HINT_FINALIZA, kSemTamanho, ZTFC_SINAL::Qualquer,
     [](CZTFCView& view, View*, Object*) { view.OnFinalizaView(); }},
    {ZTFC_HINT_LIMPA, kSemTamanho, ZTFC_SINAL::Qualquer, [](CZTFCView& view, View*, Object*) { view.OnLimpaView(); }},
};

bool Casa(const Rota& rota, platform::LPARAM hint, Object* objeto) {
    if (rota.hint != hint) return false;
    return rota.tamanho == kSemTamanho || ZTFCBlocoDoTipo(objeto, rota.tamanho, rota.sinal) != nullptr;
}

}  // namespace

void CZTFCView::OnUpdateView(View* sender, platform::LPARAM hint, Object* objeto) {
    for (const Rota& rota : kRotas) {
        if (!Casa(rota, hint, objeto)) continue;
        rota.chama(*this, sender, objeto);
        return;
    }
}

void CZTFCView::OnSelecaoArvore(platform::ui::HTREEITEM, const char*, View*) {}
void CZTFCView::OnSelecionaRegistro(std::int32_t) {}
void CZTFCView::OnSelecionaRegistros(std::int32_t, const ROWCOL*) {}
void CZTFCView::OnRegistroGravado(CZTFCDados*) {}
void CZTFCView::OnRegistroGravadoAviso(CZTFCDados*, std::int32_t) {}
void CZTFCView::OnRegistrosGravados(std::int32_t, CZTFCDados**) {}
void CZTFCView::OnRegistrosGravadosAviso(std::int32_t, CZTFCDados**, std::int32_t) {}
void CZTFCView::OnRegistroTemporario(CZTFCDados*) {}
void CZTFCView::OnMultiSelecao() {}
void CZTFCView::OnInicializaView() {}
void CZTFCView::OnFinalizaView() {}
void CZTFCView::OnLimpaView() {}
