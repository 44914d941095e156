// DocumentoSorteado (sorteado: drawn): one document of a benchmark company as the generator
// draws it, before it is written either way (through GravaDoc or straight into the record files).
// A plain value that owns its lists and text.
#pragma once

#include "server/idl/records.h"

#include <cstdint>
#include <string>
#include <vector>

namespace kelvo::bench {

struct DocumentoSorteado {
    QD_DOC_PS ps{};                        // the record's own fields; no lists, texts or content
    std::vector<std::uint16_t> usuarios;   // the users allowed to see it (empty: no list)
    std::vector<QD_DOC_CAMPO_PS> campos;   // its field values
    std::string descricao;                 // Windows-1252
    QD_E_PROCESSO processo{};              // the process its links come from
};

}  // namespace kelvo::bench
