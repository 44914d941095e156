// CZTFCSelecaoLinhas: the block a grid view sends with hint 1 when several rows are selected,
// with the record array it points to.
//
// The grid's handle array may hold 0 handles, which name no row (the totals line): the block
// counts and lists only the others whose row has a record value, each with that value, in handle
// order. The object owns the record
// array for as long as the views look at the block. User-interface thread.
#pragma once

#include "framework/view/zt_fc_blocos.h"

#include <functional>
#include <vector>

class CZTFCSelecaoLinhas {
public:
    // `linhaDe` gives the row index of a handle (the grid's), `registroDe` the record value of a
    // row (the document's GetRegistro).
    CZTFCSelecaoLinhas(const ROWCOL* handles, int quantidade,
                       const std::function<int(ROWCOL)>& linhaDe,
                       const std::function<const void*(int)>& registroDe);
    CZTFCSelecaoLinhas(const CZTFCSelecaoLinhas&) = delete;
    CZTFCSelecaoLinhas& operator=(const CZTFCSelecaoLinhas&) = delete;

    [[nodiscard]] ZTFC_BLOCO_REGISTROS& GetBloco() { return bloco_; }

private:
    std::vector<const void*> registros_;
    ZTFC_BLOCO_REGISTROS bloco_;
};
