#include "platform/system/desktop_opener.h"

#include "platform/tests/support/fake_opener.h"
#include "platform/tests/support/test_environment.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace platform {
namespace {

using kelvo::testing::FakeOpener;
using kelvo::testing::TestEnvironment;

// The opener is the one on PATH and gets the path as one argument, blanks and accents kept
// (Windows-1252 in, UTF-8 to the program).
TEST(OpenWithDesktop, StartsTheOpenerOnPathWithThePath) {
    TestEnvironment environment;
    FakeOpener opener(environment.Folder());
    const String page = (environment.Path("Ajuda/Tipos de documento/p\xE1gina.htm")).c_str();
    ASSERT_EQ(OpenWithDesktop(page), ERROR_SUCCESS);
    const auto opened = opener.Opened(1);
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0], environment.Path("Ajuda/Tipos de documento/p\xC3\xA1gina.htm") + "\n");
}

// Without an opener installed the caller learns so instead of a silent success.
TEST(OpenWithDesktop, MissingOpenerIsFileNotFound) {
    TestEnvironment environment;
    const std::string previous = std::getenv("PATH") ? std::getenv("PATH") : "";
    setenv("PATH", environment.Folder().c_str(), 1);
    EXPECT_EQ(OpenWithDesktop("/tmp/x.htm"), ERROR_FILE_NOT_FOUND);
    setenv("PATH", previous.c_str(), 1);
}

}  // namespace
}  // namespace platform
