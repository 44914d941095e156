// How many documents an archive location holds (conta docs: counts documents): the documents of
// QDDOC.DAT that are not deleted and name the location, whoever the session's user is and
// whatever branches it has active, so that a stored count never depends on who saved.
//
// Opens QDDOC.DAT in 'L' (created when missing) and reads it once from position 1 to its record
// count. The server's thread.
#pragma once

#include <cstdint>
#include <vector>

class IQDArqBind;

// For each of `posicoes`, the number of documents kept at that location, into `quantidades`
// (same order), in one pass over the documents. 0 or the record-file code of the first
// failure (`quantidades` is then empty).
[[nodiscard]] int QDContaDocsLocArq(IQDArqBind& bind, const std::vector<std::uint32_t>& posicoes,
                                    std::vector<std::int32_t>& quantidades);

// The same for the one location `lPosLocArq`, into `quantidade` (0 on failure).
[[nodiscard]] int QDContaDocsLocArq(IQDArqBind& bind, std::uint32_t lPosLocArq, std::int32_t& quantidade);
