// A document over the record-cache fakes, saving without a thread: its list holds the keys of
// items 0 to `chaves` - 1 (ChaveDoItem), read through a cache of `cache` slots a page of
// `pagina` records at a time.
#pragma once

#include "framework/document/zt_fc_document.h"
#include "framework/document/zt_fc_document_sem_thread_templ.h"
#include "framework/tests/record_cache_fakes.h"

namespace framework::testing {

class DocumentoDeRegistros : public CZTFCDocumentSemThreadTempl<CZTFCDocument, CacheContado, RegistroFalso> {
public:
    DocumentoDeRegistros(int chaves, int cache, int pagina) {
        GetRegistros().SetTamanhoCache(cache, pagina);
        const auto lista = Chaves(0, chaves);
        GetRegistros().SetChaves(chaves, lista.data());
    }
};

}  // namespace framework::testing
