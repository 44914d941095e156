// One pass over the links of QDVINDOC.DAT: the loop that every reading and removal of links
// shares.
//
// The pass visits the records 1 .. the count the file had when it began, so it ends even when
// another writer appends meanwhile; removed links are passed over. Records come through windows of
// many records (zt_leitor_registros.h), one read each. Internal to the links area and the quick
// search.
// The server's one thread.
#pragma once

#include "server/links/qd_vinculo_doc_arq.h"
#include "server/record_file/zt_arq_ex.h"
#include "server/record_file/zt_leitor_registros.h"

#include <algorithm>
#include <cstdint>
#include <limits>

// Calls `visita(registro, posicao)` for every live link in file order; `visita` answers 0 to go
// on or a record-file code to stop with. 0, the first read's failing code, or `visita`'s.
template <class Visita>
[[nodiscard]] int QDPercorreVinculos(CZTArqEx& vinculos, Visita&& visita) {
    const std::int64_t total =
        std::min<std::int64_t>(vinculos.RecordCount(), std::numeric_limits<std::int32_t>::max());
    CZTLeitorRegistros janela(vinculos);
    for (std::int32_t posicao = 1; posicao <= total; ++posicao) {
        QD_VINCULO_DOC_ARQ registro{};
        if (const int codigo = janela.Le(posicao, &registro)) return codigo;
        if (registro.lExcluido != QD_VINCULO_VIVO) continue;
        if (const int codigo = visita(registro, posicao)) return codigo;
    }
    return 0;
}
