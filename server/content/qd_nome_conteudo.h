// Where a document's stored content lies: the folder "Docs" of the company's data directory and,
// in it, one file per document named after the document's position and the extension of the
// file it was made from ("%07s.%s": the position in base 36 padded with '0' to seven places, a
// dot, the extension; position 46656 of "c:\x\scan.TIF" is "0001000.TIF").
//
// The name is built only from the position and a cleaned extension, so a content file is always
// a direct child of "Docs": an original name can never steer it elsewhere. Paths are
// Windows-1252. Pure functions, safe from any thread.
#pragma once

#include "util/text/zt_string.h"

#include <cstdint>
#include <string_view>

// The name of the content folder in the data directory.
inline constexpr const char* QD_PASTA_DOCS = "Docs";

// "Docs" joined to the data directory (diretorio de dados); empty when that is empty, so that no
// content is ever looked for relative to the process's working folder.
[[nodiscard]] CZTString QDPastaConteudos(const char* diretorioDados);

// The extension of an original file name (nome original): the text after its last '.', when
// neither '\' nor '/' follows that dot and the text holds no NUL or control character; else
// empty. Any bytes after a NUL count too, as a name handed over with its length may hold them.
[[nodiscard]] CZTString QDExtensaoConteudo(std::string_view nomeOriginal);

// The position (posicao) in base 36 with the digits 0-9 and a-z, padded on the left with '0' to
// seven characters (a 32-bit position never needs more).
[[nodiscard]] CZTString QDRadicalConteudo(std::uint32_t lPosicao);

// The content file's name: radical, '.', extension (the dot stays when the extension is empty).
[[nodiscard]] CZTString QDNomeArquivoConteudo(std::uint32_t lPosicao, std::string_view nomeOriginal);

// The content file's path in the data directory's "Docs"; empty when the data directory is.
[[nodiscard]] CZTString QDCaminhoConteudo(const char* diretorioDados, std::uint32_t lPosicao,
                                          std::string_view nomeOriginal);
