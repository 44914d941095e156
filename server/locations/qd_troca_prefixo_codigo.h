// Moving a location under a renamed heading (troca prefixo: swaps the prefix): the heading's old
// code at the start of a descendant's code is replaced by its new code. Pure; safe from any
// thread.
#pragma once

#include <string>
#include <string_view>

// `codigo` with its first levels, as many as `antigo` has, replaced by `novo`: "1.001.005" with
// antigo "1.001" and novo "1.002.003" gives "1.002.003.005". The cut is taken at the old code's
// level count, so a new code with another number of levels neither drops nor repeats levels of
// the descendant. A code with no more levels than `antigo` (not under it) comes back unchanged.
// The result may be longer than a stored code can hold.
[[nodiscard]] std::string QDTrocaPrefixoCodigo(std::string_view codigo, std::string_view antigo, std::string_view novo);
