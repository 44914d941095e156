#include "platform/system/account.h"
#include "platform/com/guid.h"
#include "util/system/zt_novo_guid.h"
#include "util/system/zt_usuario_windows.h"

#include <gtest/gtest.h>

#include <cctype>
#include <set>
#include <string>

namespace {

// The name must be the account the process runs as, not a login or environment variable.
TEST(ZTGetUsuarioWindows, IsTheProcessAccount) {
    platform::String account;
    ASSERT_EQ(platform::ProcessAccountName(account), platform::ERROR_SUCCESS);
    const CZTString name = ZTGetUsuarioWindows();
    EXPECT_FALSE(name.IsEmpty());
    EXPECT_EQ(name, account);
    EXPECT_LE(name.GetLength(), ZT_MAX_USUARIO);
}

// The text form must be exactly 36 upper-case hexadecimal digits and dashes in 8-4-4-4-12,
// without braces, and read back as a GUID.
TEST(ZTNovoGUID, HasTheRegistryFormWithoutBraces) {
    for (int i = 0; i < 32; ++i) {
        const CZTString text = ZTNovoGUID();
        ASSERT_EQ(text.GetLength(), 36) << text.GetString();
        EXPECT_EQ(text.Find('{'), -1);
        EXPECT_EQ(text.Find('}'), -1);
        for (int pos = 0; pos < 36; ++pos) {
            const char ch = text.GetAt(pos);
            if (pos == 8 || pos == 13 || pos == 18 || pos == 23) {
                EXPECT_EQ(ch, '-') << text.GetString();
            } else {
                EXPECT_TRUE(std::isxdigit(static_cast<unsigned char>(ch)) && !std::islower(static_cast<unsigned char>(ch)))
                    << text.GetString();
            }
        }
        EXPECT_TRUE(platform::GuidFromString("{" + text.str() + "}").has_value()) << text.GetString();
    }
}

// Two calls must never hand out the same identity.
TEST(ZTNovoGUID, IsNewEveryTime) {
    std::set<std::string> seen;
    for (int i = 0; i < 1000; ++i) EXPECT_TRUE(seen.insert(ZTNovoGUID().str()).second);
}

}  // namespace
