// The text form of one registry root file: readable and editable by hand, every byte preserved.
//
//   # comment lines and blank lines are ignored
//   kelvo-registry 1                  first line: the format and its version
//   next-id 9                         the id the next new key takes
//   key 0                             the root key (id 0); its values follow
//   value "Versao" dword 0x0000002a
//   key 3 "SOFTWARE" "Quorvel"        a key: its id, then its path from the root, piece by piece
//   value "Mensagens" sz "/dados/mensagens/\0"
//   value "" expand-sz "%HOME%/kelvo\0"
//   value "Chave" binary "00ff10"     hexadecimal bytes
//   value "Marca" none ""
//   end 6                             the number of key and value lines: a cut file is detected
//
// A key's line comes after its parent's; values belong to the key line above them. Quoted texts
// are Windows-1252 bytes written as UTF-8, with \\ \" \0 and \xHH escapes for the backslash, the
// quote, zero, control bytes and the bytes that have no printable form. Every number, name and
// path is checked against the store's bounds; anything unexpected makes the whole file malformed.
// Pure functions, safe from any thread.
#pragma once

#include "platform/registry/registry_tree.h"

#include <string>
#include <string_view>

namespace platform::registry_detail {

// The complete text of `tree`.
[[nodiscard]] std::string FormatRegistryText(const RegistryTree& tree);

// Reads `text` into `tree`; false when it is malformed, with the line and the fault in `problem`
// (`tree` is then unspecified).
[[nodiscard]] bool ParseRegistryText(std::string_view text, RegistryTree* tree, std::string* problem);

}  // namespace platform::registry_detail
