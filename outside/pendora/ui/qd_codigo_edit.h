// CQDCodigoEdit: a picker of one record by its code (the type and location pickers): the typed
// code names the offered record with that code, whose description the static shows.
// User-interface thread.
#pragma once

#include "outside/pendora/ui/qd_lista_codigos_edit.h"

#include <cstdint>

class CQDCodigoEdit : public CQDListaCodigosEdit {
public:
    // The position of the offered record whose code is typed; 0 when the text names none.
    [[nodiscard]] std::uint32_t GetPosicao() const;
    // Shows the code of the offered record at `lPosicao`; 0 or a position not offered empties
    // the edit.
    void SetPosicao(std::uint32_t lPosicao);

protected:
    [[nodiscard]] platform::String Descricao(const platform::String& texto) const override;
};
