// QDBinaryDataToString: the text of a document field's 60-byte value as the document report and
// the document lists show it, by the field's data type (qd_campo_tipo_dado.h):
//   text as it is (control characters as blanks); dates dd/mm/yyyy and month-year values mm/yyyy
//   (empty for 0); money with two decimals and the V8 values with eight, ',' before the decimals
//   and '.' between thousands; counts of hundredths and ten-thousandths likewise with 2 and 4
//   decimals; codes and numbers in decimal; a branch as "number - name" when its name can be
//   read; a time of day hh:mm. A field outside the enumeration gives an empty text.
//
// CQDContextoBinaryToString (contexto: context) holds what the texts need besides the value: the
// connection to the company's branches, with error handling and messages off. One thread.
#pragma once

#include "outside/conexo/conexao_usuario.h"
#include "server/idl/records.h"
#include "util/text/zt_string.h"

#include <cstdint>
#include <map>

class CQDContextoBinaryToString {
public:
    CQDContextoBinaryToString();
    // Binds the branch connection to the company path, user and session number. S_OK or the
    // connection's failure (branch values then show their numbers alone).
    platform::HRESULT Inicializa(const char* szEmpresa, std::uint16_t iUsuario, std::int32_t lNumeroSessao);
    // The name of branch `iFilial`; empty when it cannot be read. Names read once are kept.
    [[nodiscard]] CZTString GetNomeFilial(std::uint16_t iFilial);

private:
    CConexaoFilial m_filial;
    std::map<std::uint16_t, CZTString> m_nomes;
};

// The text of the value `BinaryData` of field `id`.
[[nodiscard]] CZTString QDBinaryDataToString(const std::uint8_t (&BinaryData)[60], QD_E_CAMPO_DOC id,
                                             CQDContextoBinaryToString& contexto);
