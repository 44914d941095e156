// The display names of the modules that an origin key (REG_ZTDMC, util/key/zt_dmc.h) names by
// number: one row per module 1..66, each "area - kind of record", in Windows-1252. The origin
// texts show them. Constant data; any thread.
#pragma once

#include <cstdint>

// The number of rows: modules 1..ZT_QTD_MODULOS_ORIGEM have a name.
inline constexpr std::uint32_t ZT_QTD_MODULOS_ORIGEM = 66;

// The name of module `iModulo`, valid until the program ends; "" for 0 and any number above 66.
[[nodiscard]] const char* ZTGetNomeModuloOrigem(std::uint32_t iModulo);
