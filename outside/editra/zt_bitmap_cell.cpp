#include "outside/editra/zt_bitmap_cell.h"

#include <charconv>
#include <string_view>

using platform::BOOL;
using platform::FALSE;

namespace {

// Magenta pixels of a strip let the cell's own background (selected or not) show through.
constexpr platform::ui::Colour kFundoDaFaixa = platform::ui::Rgb(255, 0, 255);

}  // namespace

BOOL CZTBitmapCell::Cria(platform::UINT idBitmap, int nImagens) {
    platform::ui::Bitmap faixa;
    return faixa.LoadBitmap(idBitmap) ? Cria(faixa, nImagens) : FALSE;
}

BOOL CZTBitmapCell::Cria(const platform::ui::Bitmap& faixa, int nImagens) {
    if (nImagens <= 0) return FALSE;
    return m_imagens.Create(faixa, faixa.GetSize().cx / nImagens, kFundoDaFaixa);
}

void CZTBitmapCell::Desenha(platform::ui::Canvas& canvas, const platform::ui::Rect& celula, const platform::String& valor) {
    const std::string_view texto = valor.str();
    int imagem = -1;
    const auto [fim, erro] = std::from_chars(texto.data(), texto.data() + texto.size(), imagem);
    if (erro != std::errc() || fim != texto.data() + texto.size()) return;
    const int topo = celula.top + (celula.Height() - m_imagens.GetImageSize().cy) / 2;
    m_imagens.Draw(canvas, imagem, {celula.left, topo});
}
