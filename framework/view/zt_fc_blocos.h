// The blocks that travel with the update hints.
//
// A sized block's first field holds its kind, the block's size in the 32-bit programs (12, 16, 20
// or 24): the receivers tell the kinds apart by it, not by the block's size here. A block of any
// other kind is left alone. The tree and temporary blocks have no kind field. Blocks pass through
// UpdateAllViews as objects; whoever makes one frees it, with what it owns, after the views.
#pragma once

#include "outside/editra/zt_grid_tipos.h"
#include "platform/ui/control/tree_ctrl.h"
#include "platform/ui/document/object.h"
#include "platform/win_types.h"

#include <cstdint>

class CZTFCDados;

// One selected grid row.
constexpr platform::DWORD ZTFC_BLOCO_SELECAO_REGISTRO = 12;
// Several selected grid rows.
constexpr platform::DWORD ZTFC_BLOCO_SELECAO_REGISTROS = 16;
// A save of one record ended.
constexpr platform::DWORD ZTFC_BLOCO_RESULTADO_REGISTRO = 20;
// A save of a batch of records ended.
constexpr platform::DWORD ZTFC_BLOCO_RESULTADO_LOTE = 24;

struct ZTFC_BLOCO : platform::ui::Object {
    explicit ZTFC_BLOCO(platform::DWORD tamanho) : dwTamanho(tamanho) {}
    // The block's kind.
    platform::DWORD dwTamanho;
};

struct ZTFC_BLOCO_REGISTRO : ZTFC_BLOCO {
    ZTFC_BLOCO_REGISTRO() : ZTFC_BLOCO(ZTFC_BLOCO_SELECAO_REGISTRO) {}
    // The selected row's list index.
    std::int32_t nIndice = 0;
    // The row's record value in the document's record cache.
    const void* pRegistro = nullptr;
};

struct ZTFC_BLOCO_REGISTROS : ZTFC_BLOCO {
    ZTFC_BLOCO_REGISTROS() : ZTFC_BLOCO(ZTFC_BLOCO_SELECAO_REGISTROS) {}
    std::uint16_t nQuantidade = 0;
    // The grid's array of selected row handles (0: a row without an item).
    const ROWCOL* pHandles = nullptr;
    // nQuantidade record values, in row order.
    const void* const* ppRegistros = nullptr;
};

// What both result blocks begin with after their kind.
struct ZTFC_BLOCO_RESULTADO : ZTFC_BLOCO {
    using ZTFC_BLOCO::ZTFC_BLOCO;
    // Negative: the failure's HRESULT; 0: success; positive: a warning.
    std::int32_t lStatus = 0;
    std::int32_t lSubCodigo = 0;
    // A heap-allocated 32-bit value, or null.
    std::int32_t* pExtra = nullptr;
};

struct ZTFC_BLOCO_GRAVADO : ZTFC_BLOCO_RESULTADO {
    ZTFC_BLOCO_GRAVADO() : ZTFC_BLOCO_RESULTADO(ZTFC_BLOCO_RESULTADO_REGISTRO) {}
    // A Clone of the saved record, owned by the block.
    CZTFCDados* pRegistro = nullptr;
};

struct ZTFC_BLOCO_LOTE : ZTFC_BLOCO_RESULTADO {
    ZTFC_BLOCO_LOTE() : ZTFC_BLOCO_RESULTADO(ZTFC_BLOCO_RESULTADO_LOTE) {}
    std::int32_t nQuantidade = 0;
    // nQuantidade Clones of the saved records; the array and the records are owned by the block.
    CZTFCDados** ppRegistros = nullptr;
};

struct ZTFC_BLOCO_ARVORE : platform::ui::Object {
    platform::ui::HTREEITEM hItem = nullptr;
    const char* pszTexto = nullptr;
};

struct ZTFC_BLOCO_TEMPORARIO : platform::ui::Object {
    // A Clone of the current record, or null when there is none.
    CZTFCDados* pRegistro = nullptr;
};

// How a save result is told apart: its block's kind and the sign of its status.
enum class ZTFC_SINAL { Qualquer, Zero, Positivo };

// `objeto` as a sized block of kind `tamanho` whose status (result blocks only) has `sinal`;
// null otherwise.
[[nodiscard]] ZTFC_BLOCO* ZTFCBlocoDoTipo(platform::ui::Object* objeto, platform::DWORD tamanho, ZTFC_SINAL sinal);

// Calls `chama` with `objeto` as a B; nothing when it is another object or missing.
template <class B, class F>
void ZTFCComBloco(platform::ui::Object* objeto, F chama) {
    if (auto* bloco = dynamic_cast<B*>(objeto)) chama(*bloco);
}
