#include "util/fiscal/small_checks.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <limits>
#include <memory>

namespace {

// Guards the bound of four characters on both sides.
TEST(ZTTemQuatroCaracteres, NeedsAtLeastFourCharacters) {
    struct Caso { const char* texto; bool esperado; };
    const Caso casos[] = {{"", false}, {"a", false}, {"abc", false}, {"abcd", true}, {"abcde", true}, {"    ", true}};
    for (const Caso& caso : casos) EXPECT_EQ(ZTTemQuatroCaracteres(caso.texto), caso.esperado) << caso.texto;
    EXPECT_FALSE(ZTTemQuatroCaracteres(nullptr));
}

// Guards against reading past the terminator of a short text (the sanitizer build sees it).
TEST(ZTTemQuatroCaracteres, StopsAtTheTerminator) {
    auto texto = std::make_unique<char[]>(3);
    std::memcpy(texto.get(), "ab", 3);
    EXPECT_FALSE(ZTTemQuatroCaracteres(texto.get()));
}

// Guards the bound 33 itself and the ends of the 16-bit range.
TEST(ZTMaiorQue33, IsTrueAboveThirtyThree) {
    struct Caso { std::int16_t numero; bool esperado; };
    const Caso casos[] = {
        {33, false}, {34, true}, {0, false}, {-34, false},
        {std::numeric_limits<std::int16_t>::min(), false}, {std::numeric_limits<std::int16_t>::max(), true},
    };
    for (const Caso& caso : casos) EXPECT_EQ(ZTMaiorQue33(caso.numero), caso.esperado) << caso.numero;
}

}  // namespace
