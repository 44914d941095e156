// Where the report generator finds a report's model and puts its output file.
//
// Models lie in the suite's report-models folder (the "Relatorios" value of the suite key,
// util/config/folders.h), one folder per module prefix and, below it, one per report code:
//   <report-models folder>/<module prefix>/<report code>/<model name>.txt
// so the model "Padrão" of the module "QD"'s report "TPD" is ".../QD/TPD/Padrão.txt". The
// report designer keeps the models it writes there.
//
// The output file is the name the request gives. A bare name (no '/'), as the report runner makes
// with ZTGeraNomeArqTemp, lies in the temporary folder (platform::TempFolder); the report viewer
// finds it by the same rule (GeralisCaminhoSaida). Texts are Windows-1252. Safe from any thread.
#pragma once

#include "platform/hresult.h"
#include "util/text/zt_string.h"

// The longest module prefix, report code or model name, in bytes.
inline constexpr int GERALIS_NOME_MAXIMO = 128;

// The model file of `szModelo` for the module `szPrefixo` and the report `szComponente`. S_OK;
// GERALIS_E_ARGUMENTO when one of the three is missing, empty, longer than GERALIS_NOME_MAXIMO,
// begins with '.' or holds '/' or a control character; HResultFromMessage(ZT_MSG_DIRETORIO_AUSENTE)
// when the report-models folder is not configured (or empty). `strCaminho` changes only on S_OK.
[[nodiscard]] platform::HRESULT GeralisCaminhoModelo(const char* szPrefixo, const char* szComponente, const char* szModelo,
                                                     CZTString& strCaminho);

// The output file of the name `szArquivo` (see above). S_OK; GERALIS_E_ARGUMENTO for a missing or
// empty name or one that ends in '/'. `strCaminho` changes only on S_OK.
[[nodiscard]] platform::HRESULT GeralisCaminhoSaida(const char* szArquivo, CZTString& strCaminho);
