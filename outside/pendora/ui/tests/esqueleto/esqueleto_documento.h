// The skeleton's document: the company's document types, listed in the order the server finds
// them, read a page at a time through the program's connection and saved one at a time.
#pragma once

#include "framework/data/zt_registro_classe.h"
#include "framework/document/zt_fc_document_sem_thread_templ.h"
#include "outside/pendora/qd_tip_doc.h"
#include "outside/pendora/ui/qd_common_doc.h"

#include <cstdint>

namespace esqueleto {

// The types' record cache over the program's connection.
class RegistrosTipos final : public CZTRegistroClasse<platform::DWORD, CQDTipDoc> {
protected:
    bool LeRegistros(int quantidade, const platform::DWORD* chaves, CQDTipDoc* valores) override;
};

class DocumentoTipos final : public CZTFCDocumentSemThreadTempl<CQDCommonDoc, RegistrosTipos, CQDTipDoc> {
public:
    DocumentoTipos();

    // The common start (the connection bound), then every stored type's position as the list.
    void OnInicializa() override;
    // Saves the edited type through the connection; the server's result as the status.
    [[nodiscard]] ZTFC_STATUS_GRAVACAO GravaRegistro(CZTFCDados* registro) override;
};

}  // namespace esqueleto
