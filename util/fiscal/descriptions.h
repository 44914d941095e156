// The descriptions of the codes of some fiscal-document lists: transport modes, transport ways
// of imports, forms of import, freight arrangements and buyer presence. Texts in Windows-1252.
// Constant data; any thread.
#pragma once

#include "util/text/zt_string.h"

// Each returns the description of `iCodigo`, or an empty text for a code not in its list.
// Transport mode (modal), 0..6: "Rodoviário" … "Outras".
[[nodiscard]] CZTString ZTDescricaoModal(int iCodigo);
// Transport way of an import, 1..10: "Marítima" … "Entrada / Saída ficta".
[[nodiscard]] CZTString ZTDescricaoViaTransporte(int iCodigo);
// Form of import, 1..3: "Importação por conta própria" … "Importação por encomenda".
[[nodiscard]] CZTString ZTDescricaoFormaImportacao(int iCodigo);
// Freight arrangement, 0, 1, 2 and 9: "Emitente" … "Sem frete".
[[nodiscard]] CZTString ZTDescricaoModalidadeFrete(int iCodigo);
// Buyer presence, the characters '0', '1', '2', '3' and '9': "Não se aplica" … "Operação não
// presencial, outros".
[[nodiscard]] CZTString ZTDescricaoPresenca(char cCodigo);
