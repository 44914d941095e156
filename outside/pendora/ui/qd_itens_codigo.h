// The records a code picker offers (itens: items): each one's position, code and description,
// read through a connection in the server's order. User-interface thread, like the connection.
#pragma once

#include "platform/hresult.h"
#include "platform/text/string.h"
#include "server/idl/enumerations.h"

#include <cstdint>
#include <vector>

class CConexaoGedSrv;

struct CQDItemCodigo {
    std::uint32_t lPosicao = 0;
    platform::String strCodigo;
    platform::String strDescricao;  // a type's name, a location's description
};

// The document types the session may see, sorted by code; with a process other than
// QD_PROCESSO_COUNT only the types that list it. Code and name only are read. The connection's
// result (a failure has been shown by it; `itens` is then empty).
[[nodiscard]] platform::HRESULT QDLeItensTipDoc(CConexaoGedSrv& conexao, QD_E_PROCESSO eProcesso,
                                                std::vector<CQDItemCodigo>& itens);

// The archive locations in file order; with `lTipDoc` other than 0 only those that accept that
// type (a location that names no type accepts every one). Results as QDLeItensTipDoc.
[[nodiscard]] platform::HRESULT QDLeItensLocArq(CConexaoGedSrv& conexao, std::uint32_t lTipDoc,
                                                std::vector<CQDItemCodigo>& itens);
