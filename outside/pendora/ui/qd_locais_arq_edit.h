// CQDLocaisArqEdit: the archive-location picker: every location, or only those that accept one
// document type, by their codes, with the location's description in the description static.
// User-interface thread.
#pragma once

#include "outside/pendora/ui/qd_codigo_edit.h"

#include <cstdint>

class CQDLocaisArqEdit : public CQDCodigoEdit {
public:
    // Offers only the locations that accept the type at `lTipDoc` (0: every location) and reads
    // them again at once (QdInicializa): a typed location that does not accept it is then no
    // longer named (GetPosicao 0). TRUE when the read succeeded.
    platform::BOOL SetTipDoc(std::uint32_t lTipDoc) {
        m_lTipDoc = lTipDoc;
        return QdInicializa();
    }
    [[nodiscard]] std::uint32_t GetTipDoc() const { return m_lTipDoc; }

protected:
    [[nodiscard]] platform::HRESULT LeItens(CConexaoGedSrv& conexao, std::vector<CQDItemCodigo>& itens) override {
        return QDLeItensLocArq(conexao, m_lTipDoc, itens);
    }

private:
    std::uint32_t m_lTipDoc = 0;
};
