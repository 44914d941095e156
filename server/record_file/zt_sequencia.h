// Runs of sub-records: a record that owns a list of records in another file (users, fields,
// processes, type lists) stores the list's count and the position of its first record; the list
// occupies positions first, first + 1, ..., first + count - 1 of that file.
//
// Rewriting a list keeps a run that is long enough and moves a longer one to the end of the file,
// so that a list never runs over the next owner's records; the rest of a shortened run stays as
// unused records. Operates on an open (or lazily opened) CZTArqEx; R is its record size.
#pragma once

#include "server/record_file/zt_arq_ex.h"

#include <cstdint>
#include <vector>

// Writes the `quantidade` records of `registros` (R bytes each, back to back) as the run of an
// owner that stored `quantidadeGravada` records from `primeiro`. A list longer than the stored
// count is appended at the end of the file (primeiro is set to 0 first); a shorter or equal one
// is rewritten in place, all in one write. On return `primeiro` is the run's first position
// (unchanged for an empty list). 0 or the write's code (16021 for a negative count, 16012 for a
// run past the last position, before anything is written).
[[nodiscard]] int ZTGravaSequencia(CZTArqEx& arquivo, const void* registros, std::int32_t quantidade,
                                   std::int32_t quantidadeGravada, std::int32_t& primeiro);

// Reads the run of `quantidade` records from `primeiro` into `registros` (resized to
// quantidade x R). A run that is not wholly inside the file's data records (a count or start read
// from a damaged owner) is 16021, before anything is allocated; else 0 or the first read's code.
[[nodiscard]] int ZTLeSequencia(CZTArqEx& arquivo, std::int32_t primeiro, std::int32_t quantidade,
                                std::vector<char>& registros);
