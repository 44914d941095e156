// The lists a document owns as runs of sub-records: its users (QDDOCUSU.DAT) and its field
// values (QDDOCCMP.DAT); reading user codes also serves the types' user runs (QDTPDUSU.DAT),
// whose records have the same shape.
//
// Counts and first positions come from stored records, so every run is checked against its
// file before anything is allocated for it (zt_sequencia.h). A rewrite keeps a run in place only
// when the new list is not longer and the stored run lies inside its file; otherwise the list
// goes to the end of the file, so a damaged owner can never make a write land past the file's
// end. Files are opened by the caller. The server's one thread.
#pragma once

#include "server/document/qd_doc_arq.h"
#include "server/idl/records.h"
#include "server/record_file/zt_arq_ex.h"

#include <cstdint>
#include <span>
#include <vector>

// The user codes of the run of `quantidade` records from `primeiro` of `usuarios` (records whose
// first two bytes are the code) into `codigos`. 0, or 16021 for a run outside the file (before
// anything is allocated), or the failing read's code; `codigos` is empty on failure.
[[nodiscard]] int QDLeCodigosUsuarios(CZTArqEx& usuarios, std::uint32_t primeiro, std::uint32_t quantidade,
                                      std::vector<std::uint16_t>& codigos);

// The field values of the run into `campos`, with the results of QDLeCodigosUsuarios.
[[nodiscard]] int QDLeCamposDoc(CZTArqEx& campos, std::uint32_t primeiro, std::uint32_t quantidade,
                                std::vector<QD_DOC_CAMPO_PS>& valores);

// The records of a user run holding `codigos`, and of a field run holding `valores`, as the
// writes below store them.
[[nodiscard]] std::vector<QD_DOC_USUARIO_ARQ> QDRegistrosUsuariosDoc(std::span<const std::uint16_t> codigos);
[[nodiscard]] std::vector<QD_DOC_CAMPO_ARQ> QDRegistrosCamposDoc(std::span<const QD_DOC_CAMPO_PS> valores);

// Writes `codigos` as the user run of an owner that stored `quantidadeGravada` users from
// `primeiro`; `primeiro` becomes the run's first position. 0 or the failing write's code.
[[nodiscard]] int QDGravaUsuariosDoc(CZTArqEx& usuarios, std::span<const std::uint16_t> codigos,
                                     std::uint32_t quantidadeGravada, std::uint32_t& primeiro);

// Writes `valores` as the field run, as QDGravaUsuariosDoc.
[[nodiscard]] int QDGravaCamposDoc(CZTArqEx& campos, std::span<const QD_DOC_CAMPO_PS> valores,
                                   std::uint32_t quantidadeGravada, std::uint32_t& primeiro);
