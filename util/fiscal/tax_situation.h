// Tax situation codes (situação tributária): the two-character codes allowed for entries and for
// exits, and the three-character codes that carry no tax. Pure functions; any thread.
#pragma once

// 1 when the two-character `szCodigo` is allowed for the operation kind `cTipo`: 'E' (entry)
// allows "00".."05" and "49", 'S' (exit) "50".."55" and "99" (case ignored); else 0. The message
// code goes to `pMensagem` when given: 0; for 'E' 5129 (not allowed) or 5130 (empty or null);
// for 'S' 5128 or 5127. Any other kind, lower case included, gives 0 and leaves `*pMensagem`
// as it was.
[[nodiscard]] int ZTValidaSituacaoTributaria(const char* szCodigo, char cTipo, int* pMensagem = nullptr);

// True when `szCodigo` is one of the fifteen three-character codes without tax: "040", "041",
// "050", "051", "090" and the same with a leading '1' or '2' ("140" … "290"); case ignored.
// False for an empty or null code and any other.
[[nodiscard]] bool ZTSituacaoSemTributacao(const char* szCodigo);
