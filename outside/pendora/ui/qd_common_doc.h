// CQDCommonDoc: the client library's common document, between the suite's document and each
// program's. Once the company is open and the document starts (OnInicializa), it binds the
// program's connection to the document server (CQDAppInfo) to that company for the session's
// user and reads the company's properties; closing the company releases the connection, so that
// no program reaches a company it no longer has open.
//
// The session's user is the user of the session the start-up data found or opened (the
// application information's session number, read back from the suite's sessions): the one
// record that says who opened the company, also when the command line preselected it.
// User-interface thread only.
#pragma once

#include "framework/document/zt_kelvo_document.h"

#include <cstdint>

class CQDCommonDoc : public CZTKelvoDocument {
public:
    // The suite document's start, then, when a company is selected, the connection bound and the
    // properties read. A bind that fails has shown its error (the connection shows it) and
    // leaves no connection; without a company no connection is left either.
    void OnInicializa() override;
    // Releases the connection, then closes the company as the suite document does.
    void FechaEmpresa() override;

private:
    // The user of session `lNumeroSecao`; 0 (no user, which the server refuses) when the
    // session cannot be read.
    [[nodiscard]] static std::uint16_t UsuarioDaSessao(std::int32_t lNumeroSecao);
    static void LigaConexao();
};
