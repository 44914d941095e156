// GravadorDireto (gravador: writer): writes drawn documents straight into the record files of a
// company's data folder, in-process, with the bytes GravaDoc would store for the same insert
// without content by a session of the given user at the given moment: the record appended to
// QDDOC.DAT, its user and field runs to QDDOCUSU.DAT and QDDOCCMP.DAT, its description to
// QDDOCDSC.DAT, its inclusion entry to QDLOG.DAT (one batch per document), and one place fewer
// in its location when the location has a maximum.
//
// It is the benchmark company's fast path: the records are built by the server's own conversions
// and gathered into large writes (record_appender.h), the location counts summed and written
// once at Fecha. No server method may write the company meanwhile (the files stay held in mode
// 'G', so one that tries waits), and the files must be whole, as a company this generator made;
// the log's tail is not checked for tearing, and no content folder is looked at (a document
// without content has none). One thread.
#pragma once

#include "platform/hresult.h"
#include "server/bench/drawn_document.h"
#include "server/bench/record_appender.h"
#include "server/document/qd_doc_arq.h"

#include <cstdint>
#include <map>
#include <string>

namespace kelvo::bench {

class GravadorDireto {
public:
    // The company whose data folder is `pastaDados`; documents included by user `iUsuario`.
    GravadorDireto(std::string pastaDados, std::uint16_t iUsuario);

    // Opens the files. S_OK or 0x80040000 | the record-file code.
    [[nodiscard]] platform::HRESULT Abre();
    // Writes `doc` as included at moment `agora`; its position in `posicao`. S_OK or the failing
    // write's result (what was gathered before may be lost: the company is then unusable).
    [[nodiscard]] platform::HRESULT Grava(const DocumentoSorteado& doc, std::uint32_t agora, std::uint32_t& posicao);
    // Writes everything gathered and the location counts, and closes. S_OK or the first failure.
    [[nodiscard]] platform::HRESULT Fecha();

private:
    [[nodiscard]] int GravaPartes(const DocumentoSorteado& doc, QD_DOC_ARQ& arq);
    [[nodiscard]] platform::HRESULT GravaLog(const DocumentoSorteado& doc, std::uint32_t posicao, const QD_DOC_ARQ& arq,
                                             std::uint32_t agora);
    [[nodiscard]] int GravaLocais();

    std::string m_pastaDados;
    std::uint16_t m_iUsuario;
    AnexadorArquivo m_docs;
    AnexadorArquivo m_usuarios;
    AnexadorArquivo m_campos;
    AnexadorArquivo m_descricoes;
    AnexadorArquivo m_log;
    std::map<std::uint32_t, std::int32_t> m_entradasPorLocal;  // location position -> documents put in
};

}  // namespace kelvo::bench
