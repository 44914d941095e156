#include "platform/system/environment.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

using namespace platform;

namespace {

// Sets variables for one test and removes them afterwards.
class EnvironmentExpansion : public ::testing::Test {
protected:
    void SetUp() override {
        setenv("KELVO_T_PASTA", "/dados", 1);
        setenv("KELVO_T_ACENTO", "a\xC3\xA7\xC3\xA3o", 1);  // UTF-8 "ação"
        setenv("KELVO_T_VAZIA", "", 1);
        unsetenv("KELVO_T_AUSENTE");
    }
    void TearDown() override {
        for (const char* name : {"KELVO_T_PASTA", "KELVO_T_ACENTO", "KELVO_T_VAZIA"}) unsetenv(name);
    }
};

struct ExpansionCase {
    const char* source;
    std::string expected;
};

}  // namespace

// References are replaced; unknown names, lone percent signs and "%%" stay as written.
TEST_F(EnvironmentExpansion, ReplacesKnownNamesAndKeepsTheRest) {
    const std::vector<ExpansionCase> cases = {
        {"%KELVO_T_PASTA%/mens", "/dados/mens"},
        {"%kelvo_t_pasta%", "/dados"},
        {"%KELVO_T_AUSENTE%/x", "%KELVO_T_AUSENTE%/x"},
        {"%KELVO_T_AUSENTE%%KELVO_T_PASTA%", "%KELVO_T_AUSENTE%/dados"},
        {"50% de %KELVO_T_PASTA", "50% de %KELVO_T_PASTA"},
        {"%%", "%%"},
        {"%", "%"},
        {"[%KELVO_T_VAZIA%]", "[]"},
        {"%KELVO_T_PASTA%%KELVO_T_PASTA%", "/dados/dados"},
        {"sem refer\xEAncia", "sem refer\xEAncia"},
        {"%KELVO_T_ACENTO%", "a\xE7\xE3o"},
        {"", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ExpandEnvironmentStrings(std::string_view(c.source)).str(), c.expected) << c.source;
    }
}

// The Win32 form asks for the size first and never writes past the caller's buffer.
TEST_F(EnvironmentExpansion, Win32FormReportsTheNeededSize) {
    const char* source = "%KELVO_T_PASTA%/x";
    const std::uint32_t needed = ExpandEnvironmentStrings(source, nullptr, 0);
    EXPECT_EQ(needed, 9u);
    char small[8];
    std::fill(std::begin(small), std::end(small), '#');
    EXPECT_EQ(ExpandEnvironmentStrings(source, small, sizeof small), needed);
    EXPECT_EQ(std::string(small, sizeof small), std::string(8, '#'));
    char exact[9];
    EXPECT_EQ(ExpandEnvironmentStrings(source, exact, sizeof exact), needed);
    EXPECT_STREQ(exact, "/dados/x");
    EXPECT_EQ(ExpandEnvironmentStrings(nullptr, exact, sizeof exact), 0u);
}
