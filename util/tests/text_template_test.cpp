#include "util/text/template.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

TEST(ZTTokensDoModelo, ReportsTheValueTokensPresent) {
    struct Case {
        std::string modelo;
        int expected;
    };
    const Case cases[] = {
        {"Sr. *d", 1},
        {"*D", 1},
        {"*dma", 0},  // a date line token, not the d value
        {"*DmA", 0},
        {"*dmx", 1},
        {"*c", 2},
        {"*gd", 4},
        {"*GC", 8},
        {"*d *c *gd *gc *n *ma", 15},
        {"*g *x * d *,c", 0},
        {"", 0},
        {"d c gd", 0},
        {std::string(498, 'x') + "*c", 2},
        {std::string(499, 'x') + "*c", 0},  // only the first 500 characters count
    };
    for (const Case& c : cases) EXPECT_EQ(ZTTokensDoModelo(c.modelo.c_str()), c.expected) << c.modelo;
    EXPECT_EQ(ZTTokensDoModelo(nullptr), 0);
}

struct FillCase {
    std::string modelo;
    const char* linhas;
    std::string expected;
};

const char* const kD = "Ana";
const char* const kC = "SP";
const char* const kGD = "Loja";
const char* const kGC = "RJ";

TEST(ZTPreencheModelo, FillsEveryToken) {
    const FillCase cases[] = {
        {"Sr. *d, *c", "", "Sr. Ana, SP"},
        {"*gd/*gc", "", "Loja/RJ"},
        {"*D*C*Gd*gC", "", "AnaSPLojaRJ"},
        {"5*3 **d *gx *m", "", "5*3 *Ana *gx *m"},  // a star before anything else is text
        {"*n|*N|*n", "L1\nL2", "L1|L2|"},
        {"*n|*n|*n", "L1\rL2", "L1|L2|"},
        {"*n|*n|*n", "L1\r\nL2", "L1||L2"},  // CR LF ends two lines
        {"*ma*dma*MA", "a\nb\nc", "abc"},
        {"* x*,y", "L1\nL2", "L1 xL2,y"},  // only the star is consumed
        {"ab*", "L", "abL "},               // a final star reads as "* "
        {"*", "", " "},
        {"*n*n", "", ""},
        {"", "a\r\nb", "a\r\nb"},  // an empty template gives the whole lines text
        {std::string(499, 'x') + "*d", "L", std::string(499, 'x') + "L "},
        {std::string(500, 'x') + "*d", "L", std::string(500, 'x')},
    };
    for (const FillCase& c : cases) {
        EXPECT_EQ(ZTPreencheModelo(c.modelo.c_str(), c.linhas, kD, kC, kGD, kGC).str(), c.expected) << c.modelo;
    }
}

TEST(ZTPreencheModelo, EmptyValuesLeaveTheTokenAsText) {
    EXPECT_EQ(ZTPreencheModelo("[*d][*c][*gd][*gc]", "", "", nullptr, "", nullptr), "[*d][*c][*gd][*gc]");
    EXPECT_EQ(ZTPreencheModelo("*d *c", "", nullptr, "x", nullptr, nullptr), "*d x");
    EXPECT_EQ(ZTPreencheModelo(nullptr, nullptr, kD, kC, kGD, kGC), "");
    EXPECT_EQ(ZTPreencheModelo("*n", nullptr, kD, kC, kGD, kGC), "");
}

TEST(ZTPreencheModelo, BufferFormNeverWritesPastItsSize) {
    char target[16];
    std::memset(target, '#', sizeof target);
    EXPECT_FALSE(ZTPreencheModelo("Sr. *d da *gd", "", target, 8, kD, kC, kGD, kGC));
    EXPECT_EQ(std::string(target, sizeof target), std::string("Sr. Ana\0########", 16));

    EXPECT_TRUE(ZTPreencheModelo("Sr. *d", "", target, 8, kD, kC, kGD, kGC));  // exactly fits
    EXPECT_STREQ(target, "Sr. Ana");
    EXPECT_FALSE(ZTPreencheModelo("x", "", nullptr, 8, kD, kC, kGD, kGC));
    EXPECT_FALSE(ZTPreencheModelo("x", "", target, 0, kD, kC, kGD, kGC));
}

}  // namespace
