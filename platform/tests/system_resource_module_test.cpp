#include "platform/system/resource_module.h"

#include <gtest/gtest.h>

namespace platform {
namespace {

// Resources must come from the program itself until someone switches.
TEST(ResourceModule, IsTheProgramUntilSwitched) {
    EXPECT_NE(ResourceModule(), nullptr);
    EXPECT_EQ(ResourceModule(), GetModuleHandle(nullptr));
}

// A switch must take effect, and a null module must never become the place resources come from.
TEST(ResourceModule, SwitchesToALibraryAndRefusesNull) {
    Library library;
    ASSERT_EQ(library.Load("SystemTestModule.dll"), ERROR_SUCCESS);
    EXPECT_TRUE(SetResourceModule(library.Module()));
    EXPECT_EQ(ResourceModule(), library.Module());
    EXPECT_FALSE(SetResourceModule(nullptr));
    EXPECT_EQ(ResourceModule(), library.Module());
    EXPECT_TRUE(SetResourceModule(GetModuleHandle(nullptr)));
    EXPECT_EQ(ResourceModule(), GetModuleHandle(nullptr));
}

}  // namespace
}  // namespace platform
