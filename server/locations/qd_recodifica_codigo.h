// Re-coding a location's dotted code to its group's mask (recodifica: re-codes): every level
// after the first gets the width of the mask's level, cut on the left or padded with '0' on the
// left. Pure; safe from any thread.
#pragma once

#include <string>
#include <string_view>

// `codigo` re-coded to `mascara`. Level 1 (the group's number) stays as it is; for each level n
// from 2 to the mask's level count that the code has, the level loses its leftmost characters or
// gains leading '0' until it is as wide as the mask's level n; the code's levels beyond the
// mask's stay as they are. Never fails; the result may be longer than a stored code can hold.
[[nodiscard]] std::string QDRecodificaCodigo(std::string_view codigo, std::string_view mascara);
