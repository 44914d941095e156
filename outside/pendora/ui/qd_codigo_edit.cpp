#include "outside/pendora/ui/qd_codigo_edit.h"

std::uint32_t CQDCodigoEdit::GetPosicao() const {
    platform::String texto;
    GetWindowText(texto);
    const CQDItemCodigo* item = ProcuraCodigo(texto);
    return item ? item->lPosicao : 0;
}

void CQDCodigoEdit::SetPosicao(std::uint32_t lPosicao) {
    const CQDItemCodigo* item = ProcuraPosicao(lPosicao);
    SetTexto(item ? item->strCodigo.GetString() : "");
}

platform::String CQDCodigoEdit::Descricao(const platform::String& texto) const {
    const CQDItemCodigo* item = ProcuraCodigo(texto);
    return item ? item->strDescricao : platform::String();
}
