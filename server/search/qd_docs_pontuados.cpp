#include "server/search/qd_docs_pontuados.h"

#include "platform/com/task_allocator.h"

#include <algorithm>

void QDOrdenaPorPontos(QDDocsPontuados& lista) {
    std::sort(lista.begin(), lista.end(), [](const QDDocPontuado& a, const QDDocPontuado& b) {
        if (a.nPontos != b.nPontos) return a.nPontos > b.nPontos;
        return a.lPos < b.lPos;
    });
}

platform::HRESULT QDEntregaPontuados(const QDDocsPontuados& lista, QD_ARRAY_PONTEIROS_PS* pRegPtrs) {
    if (lista.empty()) {
        pRegPtrs->qtd = 0;
        pRegPtrs->pPtrs = nullptr;
        return platform::S_OK;
    }
    auto* ptrs = static_cast<std::uint32_t*>(platform::CoTaskMemAlloc(lista.size() * sizeof(std::uint32_t)));
    if (!ptrs) return platform::E_OUTOFMEMORY;
    for (std::size_t i = 0; i < lista.size(); ++i) ptrs[i] = lista[i].lPos;
    pRegPtrs->qtd = static_cast<std::uint32_t>(lista.size());
    pRegPtrs->pPtrs = ptrs;
    return platform::S_OK;
}
