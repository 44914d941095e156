// The constants that the report generator Geralis shares with the reports built on it: the kinds
// of value a column holds, the special-line codes, the note marker and the generator's results.
//
// Every operation of the generator answers an HRESULT: S_OK, or one of the failures below, or
// the file layer's Win32 error as an HRESULT (platform::HResultFromWin32) when the model or the
// output file cannot be read or written. Constants only; safe from any thread.
#pragma once

#include "platform/hresult.h"

// Kinds of a column's value, as the reports hand them over (tipo), with the width each needs.
inline constexpr int GERALIS_TIPO_TEXTO = 1;       // text of up to the declared width, cut at a NUL
inline constexpr int GERALIS_TIPO_INTEIRO = 3;     // 4-byte signed integer, width 4
inline constexpr int GERALIS_TIPO_DIA = 6;         // stored 16-bit short day value (0: no date), width 2
inline constexpr int GERALIS_TIPO_DATA_TEXTO = 8;  // a date already written as text, width = its length

// The longest text value a column takes, in bytes.
inline constexpr int GERALIS_TAMANHO_MAXIMO = 4096;

// Special line (AdicionaLinhaEspecial) 100: a rule across the page below the line before it.
inline constexpr int GERALIS_LINHA_SEPARADORA = 100;

// A value that begins with this character (Windows-1252 0xF2) makes its line a note: the value's
// text, without the marker, is printed across the whole width of the page in italics.
inline constexpr char GERALIS_MARCA_NOTA = '\xF2';

// The model file breaks a rule of its format (GetDescricaoErro names the line and the rule).
inline constexpr platform::HRESULT GERALIS_E_MODELO_INVALIDO = platform::HResultFromWin32(11);  // ERROR_BAD_FORMAT
// A line was closed, or the report generated, with fewer values than the line has columns.
inline constexpr platform::HRESULT GERALIS_E_LINHA_INCOMPLETA = platform::HResultFromWin32(13);  // ERROR_INVALID_DATA
// Misuse of a call: a kind, width or column code the report does not have, a value of another
// kind than its column was declared with, more values than columns.
inline constexpr platform::HRESULT GERALIS_E_ARGUMENTO = platform::E_INVALIDARG;
// A call out of order: before Inicializa, a value before its column was declared, a dynamic
// column after the first line, a subordinate line without a line above it, a special line or
// the generation while a line is still open.
inline constexpr platform::HRESULT GERALIS_E_SEQUENCIA = platform::E_UNEXPECTED;
