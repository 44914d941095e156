// FILIAIS_ATIVAS (active branches): the branches in which a user may work, as the suite's user
// connection (CConexaoUsuario::LeFiliaisAtivas) hands them to a session.
//
// 1,002 bytes: two leading bytes (zero here), then one flag byte per branch 0 to 999 (0 = not
// active, 1 = active). Plain bytes with no alignment; copied as they are.
#pragma once

#include <cstddef>
#include <cstdint>

constexpr int QD_QTD_FILIAIS = 1000;

#pragma pack(push, 1)
struct FILIAIS_ATIVAS {
    std::uint8_t cCabecalho[2];
    std::uint8_t bAtiva[QD_QTD_FILIAIS];
};
#pragma pack(pop)
static_assert(sizeof(FILIAIS_ATIVAS) == 1002);
static_assert(offsetof(FILIAIS_ATIVAS, bAtiva) == 2, "the flag of branch b is the byte at offset 2 + b");
