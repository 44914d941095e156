#include "util/text/temp_name.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <regex>
#include <string>

namespace {

const std::regex kNameShape("(QD42)([0-9A-Z]{3})([0-9]+)\\.tmp");

struct NameParts {
    std::string random;
    long counter = -1;
};

NameParts Parse(const CZTString& name) {
    std::smatch match;
    const std::string text = name.str();
    if (!std::regex_match(text, match, kNameShape)) {
        ADD_FAILURE() << "unexpected name " << text;
        return {};
    }
    return {match[2].str(), std::stol(match[3].str())};
}

TEST(ZTGeraNomeArqTemp, PrefixThreeCharactersCounterAndExtension) {
    for (int i = 0; i < 20; ++i) Parse(ZTGeraNomeArqTemp("QD42"));
    EXPECT_TRUE(std::regex_match(ZTGeraNomeArqTemp(nullptr).str(), std::regex("[0-9A-Z]{3}[0-9]+\\.tmp")));
}

TEST(ZTGeraNomeArqTemp, NamesOfOneClockTickDifferByTheCounter) {
    // Same clock count, same random characters: only the counter keeps the names apart.
    const NameParts first = Parse(ZTGeraNomeArqTempComSemente("QD42", 12345));
    const NameParts second = Parse(ZTGeraNomeArqTempComSemente("QD42", 12345));
    EXPECT_EQ(first.random, second.random);
    EXPECT_EQ(second.counter, first.counter + 1);
}

TEST(ZTGeraNomeArqTemp, CounterIsSharedByBothForms) {
    const NameParts first = Parse(ZTGeraNomeArqTemp("QD42"));
    char buffer[64];
    ASSERT_TRUE(ZTGeraNomeArqTempBuffer("QD42", buffer, sizeof buffer));
    const NameParts second = Parse(CZTString(buffer));
    EXPECT_EQ(second.counter, first.counter + 1);
}

TEST(ZTGeraNomeArqTempDeathTest, CounterStartsAtZero) {
    // A fresh process (the threadsafe style re-runs the program for this test alone).
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            const NameParts parts = Parse(ZTGeraNomeArqTemp("QD42"));
            std::exit(parts.counter == 0 ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}

TEST(ZTGeraNomeArqTempBuffer, NeverWritesPastTheGivenSize) {
    char buffer[16];
    std::memset(buffer, '#', sizeof buffer);
    EXPECT_FALSE(ZTGeraNomeArqTempBuffer("QD42", buffer, 6));  // the name does not fit
    EXPECT_EQ(std::strlen(buffer), 5u);
    EXPECT_EQ(std::string(buffer, 4), "QD42");
    EXPECT_EQ(std::string(buffer + 6, 10), std::string(10, '#'));

    char one = '#';
    EXPECT_FALSE(ZTGeraNomeArqTempBuffer("QD42", &one, 1));
    EXPECT_EQ(one, '\0');
    EXPECT_FALSE(ZTGeraNomeArqTempBuffer("QD42", nullptr, 10));
    char untouched = '#';
    EXPECT_FALSE(ZTGeraNomeArqTempBuffer("QD42", &untouched, 0));
    EXPECT_EQ(untouched, '#');
}

}  // namespace
