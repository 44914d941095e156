// CZTBitmapCell: a grid cell control that shows one picture of a bitmap strip per cell.
//
// The strip holds `nImagens` pictures of equal width side by side; a cell whose text is the
// number n shows picture n (from 0) at its left, centred in height; the strip's magenta pixels
// are transparent. A cell of another text, or of
// a number outside the strip, shows nothing. Register it with CZTGrid::RegistraControleCelula.
// User-interface thread.
#pragma once

#include "outside/editra/zt_controle_celula.h"
#include "platform/ui/draw/image_list.h"

class CZTBitmapCell : public CZTControleCelula {
public:
    // Cuts bitmap resource `idBitmap` into `nImagens` pictures; FALSE (nothing to show) when
    // there is no such bitmap or the count is not positive.
    platform::BOOL Cria(platform::UINT idBitmap, int nImagens);
    // The same from a bitmap already loaded.
    platform::BOOL Cria(const platform::ui::Bitmap& faixa, int nImagens);

    [[nodiscard]] int GetNumeroImagens() const { return m_imagens.GetImageCount(); }

    void Desenha(platform::ui::Canvas& canvas, const platform::ui::Rect& celula, const platform::String& valor) override;

private:
    platform::ui::ImageList m_imagens;
};
