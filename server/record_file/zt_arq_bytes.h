// Byte files: record files with R = 1 that hold variable-length byte strings (descriptions,
// template texts), each addressed by the (offset, length) that its owning record stores.
//
// Offset 0 means "no string": byte 0 is the file's header, so a string never starts there.
// Rewriting a string keeps its place when it fits and moves a longer one to the end of the file;
// the old bytes stay as unused space. Operates on a CZTArqEx opened with R = 1.
#pragma once

#include "server/record_file/zt_arq_ex.h"

#include <cstdint>
#include <string>

// Writes the `tamanho` bytes of `dados` as the string of an owner that stored `tamanhoGravado`
// bytes at `offset`. A longer string than stored, or offset 0, appends at the end of the file
// (writing the one-byte header first when the file is empty) and sets `offset` to where it went;
// a shorter or equal one overwrites in place. An empty string writes nothing and sets offset 0.
// 0 or the code of the failing seek or write (16021 for a negative length).
[[nodiscard]] int ZTGravaBytesArq(CZTArqEx& arquivo, const void* dados, std::int32_t tamanho,
                                  std::int32_t tamanhoGravado, std::int32_t& offset);

// Reads the string of `tamanho` bytes at `offset` into `dados`. Length 0 gives an empty string;
// an offset at or past the end, or a string reaching past it (a damaged owner), is 16021 before
// anything is allocated.
[[nodiscard]] int ZTLeBytesArq(CZTArqEx& arquivo, std::int32_t offset, std::int32_t tamanho, std::string& dados);
