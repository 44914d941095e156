// QDGetQtdNiveis and QDGetNivel: the levels of a dotted code or mask.
#include "outside/pendora/qd_niveis.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct CasoQtd {
    const char* codigo;
    int niveis;
};

// Each '.' opens one more level, empty levels included; an empty or missing text still has one
// level (a save of an emptied code relies on it).
TEST(QDGetQtdNiveis, CountsOneMoreThanTheDots) {
    const CasoQtd casos[] = {
        {"", 1}, {nullptr, 1}, {"1", 1}, {"1.222.333", 3}, {"1.", 2}, {".", 2}, {"1..2", 3}, {"#.###.###.##", 4},
    };
    for (const CasoQtd& caso : casos) {
        EXPECT_EQ(QDGetQtdNiveis(caso.codigo), caso.niveis) << (caso.codigo ? caso.codigo : "(null)");
    }
}

struct CasoNivel {
    const char* codigo;
    int n;
    const char* nivel;
};

// Level n is the text between the (n-1)-th and the n-th '.', without them; beyond the last
// level, before the first, and for a missing text it is empty.
TEST(QDGetNivel, ReturnsTheTextBetweenDots) {
    const CasoNivel casos[] = {
        {"1.222.333", 1, "1"}, {"1.222.333", 2, "222"}, {"1.222.333", 3, "333"}, {"1.222.333", 4, ""},
        {"1.222.333", 0, ""},  {"1.222.333", -1, ""},   {"abc", 1, "abc"},       {"1..2", 2, ""},
        {"1..2", 3, "2"},      {"1.", 2, ""},           {"", 1, ""},             {nullptr, 1, ""},
    };
    for (const CasoNivel& caso : casos) {
        EXPECT_EQ(QDGetNivel(caso.codigo, caso.n).str(), caso.nivel)
            << (caso.codigo ? caso.codigo : "(null)") << " level " << caso.n;
    }
}

// Every level of a code, joined again with '.', gives back the code: no character is lost or
// doubled at a boundary.
TEST(QDGetNivel, LevelsRejoinToTheCode) {
    for (const char* codigo : {"1.001.002", "10.3", "..", "7", "1.2222.33."}) {
        std::string junto;
        for (int n = 1; n <= QDGetQtdNiveis(codigo); ++n) {
            if (n > 1) junto += '.';
            junto += QDGetNivel(codigo, n).str();
        }
        EXPECT_EQ(junto, codigo);
    }
}

}  // namespace
