// Origin records (origem): the small packed value by which the suite's other modules name one of
// their records (a record key, the owning module and a period), and its compact form relative to
// a base period that the caller keeps.
//
// Origin word: bits 0-7 module number, bits 8-31 record key (24 bits). The period is a signed
// 16-bit value whose meaning (a month number, or another period) is the caller's.
// Compact form: bits 0-5 magnitude of (period − base), bit 6 set when it is negative, bits 7-11
// module number (0..31), bits 12-31 record key (20 bits).
// A part that its field cannot hold is refused (an empty result), never cut down to a different
// record. Plain values and pure functions; safe from any thread.
#pragma once

#include <cstdint>

// An origin record: the packed word and its period.
struct ZT_ORIGEM {
    std::uint32_t lOrigem = 0;
    std::int16_t iPeriodo = 0;

    friend bool operator==(const ZT_ORIGEM&, const ZT_ORIGEM&) = default;
};

constexpr std::uint32_t ZT_ORIGEM_CHAVE_MAXIMA = 0xFFFFFF;    // 24-bit record key
constexpr std::uint32_t ZT_ORIGEM_MODULO_MAXIMO = 0xFF;       // 8-bit module number
constexpr std::uint32_t ZT_COMPACTA_CHAVE_MAXIMA = 0xFFFFF;   // 20-bit record key
constexpr std::uint32_t ZT_COMPACTA_MODULO_MAXIMO = 31;       // 5-bit module number
constexpr int ZT_COMPACTA_DISTANCIA_MAXIMA = 63;              // 6-bit magnitude of period − base

// The origin of record `lChave` of module `iModulo` in `iPeriodo`: word = module OR (key AND
// 0xFFFFFF) << 8. The module is not masked: callers keep it below 256.
[[nodiscard]] ZT_ORIGEM ZTMontaOrigem(std::uint32_t lChave, std::uint32_t iModulo, std::int16_t iPeriodo);
// The record key of an origin word (the word shifted right by 8).
[[nodiscard]] std::uint32_t ZTGetChaveDaOrigem(std::uint32_t lOrigem);
// The module number of an origin word (its low 8 bits).
[[nodiscard]] std::uint32_t ZTGetModuloDaOrigem(std::uint32_t lOrigem);
// The period of an origin record.
[[nodiscard]] std::int16_t ZTGetPeriodoDaOrigem(const ZT_ORIGEM& origem);
// Splits an origin record into key, module and period; returns the period.
std::int16_t ZTDesmontaOrigem(const ZT_ORIGEM& origem, std::uint32_t& lChave, std::uint32_t& iModulo,
                              std::int16_t& iPeriodo);

// The compact form of `origem` relative to `iPeriodoBase`. A module above 31, a key above
// 0xFFFFF or a period more than 63 away from the base cannot be held: the result is then 0.
[[nodiscard]] std::uint32_t ZTCompactaOrigem(const ZT_ORIGEM& origem, std::int16_t iPeriodoBase);
// The origin record of a compact value relative to `iPeriodoBase`: key = value >> 12, module =
// bits 7-11, period = base − magnitude when bit 6 is set, else base + magnitude. A period that
// falls outside the signed 16-bit range gives an empty record.
[[nodiscard]] ZT_ORIGEM ZTExpandeOrigem(std::uint32_t lCompacta, std::int16_t iPeriodoBase);
