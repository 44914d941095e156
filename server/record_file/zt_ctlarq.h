// The control list of a folder's record files, ZTCTLARQ.DAT: one 32-byte entry per file that the
// record-file layer ever created in the folder, so that a listed file found missing later is
// reported as lost instead of being created again empty.
//
// Record 0 is a zeroed header; entries follow from position 1. An entry holds the file's name,
// upper-cased, zero-padded (a name of 32 characters or more keeps its first 32, unterminated).
#pragma once

#include "server/record_file/record_layout.h"

inline constexpr char ZT_ARQ_CONTROLE[] = "ZTCTLARQ.DAT";

#pragma pack(push, 1)
struct ZT_CTLARQ_ARQ {
    char szNome[32];  // file name without folder, upper case
};
#pragma pack(pop)
ZT_REGISTRO_TAMANHO(ZT_CTLARQ_ARQ, 32);
ZT_REGISTRO_CAMPO(ZT_CTLARQ_ARQ, szNome, 0, 32);
