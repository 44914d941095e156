// How every record-file layout is declared: a packed plain struct whose size and every field's
// offset and size are checked at compile time, so a build whose layout drifts from the bytes on
// disk does not compile.
//
// The pattern, for a layout of R bytes:
//
//   #pragma pack(push, 1)
//   struct QD_EXEMPLO_ARQ {
//       std::int32_t lFlags;     // offset 0
//       char szNome[28];         // offset 4
//   };
//   #pragma pack(pop)
//   ZT_REGISTRO_TAMANHO(QD_EXEMPLO_ARQ, 32);
//   ZT_REGISTRO_CAMPO(QD_EXEMPLO_ARQ, lFlags, 0, 4);
//   ZT_REGISTRO_CAMPO(QD_EXEMPLO_ARQ, szNome, 4, 28);
//
// Declare one ZT_REGISTRO_CAMPO per field, in order, so that a reader sees the fields tile the
// record. Records are read and written as raw bytes, little-endian, as the files were written.
#pragma once

#include <bit>
#include <cstddef>
#include <type_traits>

static_assert(std::endian::native == std::endian::little, "record files hold little-endian numbers");

// The layout `Tipo` is a plain record of exactly `bytes` bytes.
#define ZT_REGISTRO_TAMANHO(Tipo, bytes)                                                          \
    static_assert(std::is_trivially_copyable_v<Tipo> && std::is_standard_layout_v<Tipo>,          \
                  #Tipo " must be a plain record");                                                \
    static_assert(sizeof(Tipo) == (bytes), #Tipo " has the wrong size")

// The field `campo` of `Tipo` starts at byte `offset` and takes `bytes` bytes.
#define ZT_REGISTRO_CAMPO(Tipo, campo, offset, bytes)                                             \
    static_assert(offsetof(Tipo, campo) == (offset), #Tipo "::" #campo " is at the wrong offset"); \
    static_assert(sizeof(Tipo::campo) == (bytes), #Tipo "::" #campo " has the wrong size")
