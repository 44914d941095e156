// Report models: the small text files that name the columns a report shows, their captions and
// widths, the report's title and the page's orientation.
//
// A model is a Windows-1252 text file with LF or CR LF line ends (where it lies:
// caminhos_relatorio.h). Its lines:
//
//   # a comment                        ignored, as is an empty line
//   TITULO;<title>                     exactly once: the title in every page's heading (1..200 bytes;
//                                      everything after the first ';', so the title may hold ';')
//   FOLHA;RETRATO   or   FOLHA;PAISAGEM
//                                      at most once: portrait or landscape A4 (default portrait)
//   COLUNA;<code>;<caption>;<width>    one per column, in print order, 1 to 64 of them: code 1..32767,
//                                      each code once; caption up to 100 bytes, empty to print the
//                                      caption the report declares; width in whole millimetres, 5..300
//
// Keywords match without regard to case and spaces around every field are dropped. A file larger
// than 64 KiB, a line longer than 1,024 bytes or a line that breaks a rule makes the whole model
// invalid (GERALIS_E_MODELO_INVALIDO); the error text then names the line and the rule.
// Pure value types and functions; safe from any thread.
#pragma once

#include "platform/hresult.h"
#include "util/text/zt_string.h"

#include <string_view>
#include <vector>

// One column a model asks for.
struct GeralisColunaModelo {
    int iCodigo = 0;       // the report's column code
    CZTString strTitulo;   // caption; empty: the report's own
    int iLargura = 0;      // print width in millimetres
};

struct GeralisModelo {
    CZTString strTitulo;
    bool bPaisagem = false;  // landscape page
    std::vector<GeralisColunaModelo> colunas;
};

inline constexpr int GERALIS_MODELO_BYTES_MAXIMO = 64 * 1024;
inline constexpr int GERALIS_MODELO_LINHA_MAXIMA = 1024;
inline constexpr int GERALIS_MODELO_COLUNAS_MAXIMO = 64;
inline constexpr int GERALIS_CODIGO_MAXIMO = 32767;
inline constexpr int GERALIS_TITULO_MAXIMO = 200;
inline constexpr int GERALIS_LEGENDA_MAXIMA = 100;
inline constexpr int GERALIS_LARGURA_MINIMA = 5;
inline constexpr int GERALIS_LARGURA_MAXIMA = 300;

// Reads the model text `texto` into `modelo`. S_OK; GERALIS_E_MODELO_INVALIDO with the line and
// the rule in `strErro`. `modelo` changes only on S_OK.
[[nodiscard]] platform::HRESULT GeralisInterpretaModelo(std::string_view texto, GeralisModelo& modelo, CZTString& strErro);

// Reads the model file `szCaminho` (Windows-1252 path). S_OK; the file layer's error as an HRESULT
// (a missing file is 0x80070002); GERALIS_E_MODELO_INVALIDO as above. `modelo` changes only on S_OK.
[[nodiscard]] platform::HRESULT GeralisLeModelo(const char* szCaminho, GeralisModelo& modelo, CZTString& strErro);
