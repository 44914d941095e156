// The byte tables of the quick search's texts: accent folding (ZTRetiraAcentos), Windows-1252
// lower case as the word filter applies it (CQDTokenMngr), and the two one after the other. Each
// is taken once from the routine it stands for, byte by byte, so that a text converted here and
// one converted by those routines agree to the byte. Pure; safe from any thread.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

using QDTabelaBytes = std::array<char, 256>;

[[nodiscard]] const QDTabelaBytes& QDTabelaSemAcentos();
[[nodiscard]] const QDTabelaBytes& QDTabelaMinusculas();
// Folded, then lower-cased: the form in which a document's texts meet the words.
[[nodiscard]] const QDTabelaBytes& QDTabelaMinusculasSemAcentos();

// Every byte of `texto` from `inicio` on through `tabela`, in place.
void QDConverte(const QDTabelaBytes& tabela, std::string& texto, std::size_t inicio = 0);
