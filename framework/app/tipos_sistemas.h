// TIPOS_SISTEMAS: the systems block of the suite's start-up data, 64 bytes as the company library
// returns them. Their meaning is that library's; the framework reads single bytes by offset.
#pragma once

#include <cstdint>

struct TIPOS_SISTEMAS {
    std::uint8_t bytes[64];
};
static_assert(sizeof(TIPOS_SISTEMAS) == 64);
