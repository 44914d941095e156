#include "platform/system/library.h"

#include <gtest/gtest.h>

#include <string>

namespace platform {
namespace {

// The test's own library, put beside the test program by the build.
constexpr const char* kModule = "SystemTestModule.dll";

using AnswerFunction = int (*)();
using AddFunction = int (*)(int, int);

struct FileNameCase {
    const char* name;
    const char* file;
};

// A wrong mapping would look for a file that the build never makes.
TEST(LibraryFileName, WindowsNamesBecomeSharedLibraryNames) {
    const FileNameCase cases[] = {
        {"Imporix.dll", "libImporix.so"},
        {"IMPORIX.DLL", "libIMPORIX.so"},
        {"Imporix.Dll", "libImporix.so"},
        {"Imporix", "libImporix.so"},
        {"a.dll.dll", "liba.dll.so"},
        {"dll", "libdll.so"},
    };
    for (const auto& c : cases) EXPECT_EQ(LibraryFileName(c.name), c.file) << c.name;
}

// The library's exports must be reachable and call into the real code.
TEST(Library, LoadsFromTheProgramFolderAndFindsExports) {
    HMODULE module = nullptr;
    ASSERT_EQ(LoadLibrary(kModule, module), ERROR_SUCCESS);
    ASSERT_NE(module, nullptr);
    const auto answer = reinterpret_cast<AnswerFunction>(GetProcAddress(module, "SystemTestModuleAnswer"));
    const auto add = reinterpret_cast<AddFunction>(GetProcAddress(module, "SystemTestModuleAdd"));
    ASSERT_NE(answer, nullptr);
    ASSERT_NE(add, nullptr);
    EXPECT_EQ(answer(), 4217);
    EXPECT_EQ(add(40, -2), 38);
    EXPECT_EQ(GetProcAddress(module, "SystemTestModuleMissing"), nullptr);
    EXPECT_EQ(GetProcAddress(module, nullptr), nullptr);
    EXPECT_EQ(GetProcAddress(nullptr, "SystemTestModuleAnswer"), nullptr);
    EXPECT_TRUE(FreeLibrary(module));
}

// A caller must be able to tell a missing library from a broken one and from a bad name.
TEST(Library, FailuresCarryTheirOwnErrors) {
    struct Case {
        std::string name;
        Win32Error error;
    };
    const Case cases[] = {
        {"KelvoNoSuchLibrary.dll", ERROR_MOD_NOT_FOUND},
        {"SystemTestBroken.dll", ERROR_BAD_EXE_FORMAT},
        {"", ERROR_INVALID_NAME},
        // A folder part would reach outside the program's folder.
        {"../platform/SystemTestModule.dll", ERROR_INVALID_NAME},
        {"sub/SystemTestModule.dll", ERROR_INVALID_NAME},
        // A NUL would cut the name down to another file's.
        {std::string("SystemTestModule.dll\0x", 22), ERROR_INVALID_NAME},
    };
    for (const auto& c : cases) {
        HMODULE module = reinterpret_cast<HMODULE>(&module);
        EXPECT_EQ(LoadLibrary(String(c.name), module), c.error) << c.name;
        EXPECT_EQ(module, nullptr) << c.name;
    }
}

// A module handle lookup must neither load the library nor keep it loaded.
TEST(Library, ModuleHandleFindsOnlyLoadedLibrariesAndAddsNoReference) {
    EXPECT_EQ(GetModuleHandle(kModule), nullptr);
    HMODULE module = nullptr;
    ASSERT_EQ(LoadLibrary(kModule, module), ERROR_SUCCESS);
    EXPECT_EQ(GetModuleHandle(kModule), module);
    EXPECT_EQ(GetModuleHandle("libSystemTestModule.so.dll"), nullptr);
    EXPECT_TRUE(FreeLibrary(module));
    // Had the lookup counted a reference, the library would still be loaded here.
    EXPECT_EQ(GetModuleHandle(kModule), nullptr);
    EXPECT_EQ(GetModuleHandle("sub/SystemTestModule.dll"), nullptr);
}

// The program's own module is always there; callers use it as the default resource module.
TEST(Library, NullNameIsTheProgramItself) {
    const HMODULE program = GetModuleHandle(nullptr);
    EXPECT_NE(program, nullptr);
    EXPECT_EQ(GetModuleHandle(nullptr), program);
    EXPECT_FALSE(FreeLibrary(nullptr));
}

// Which module code belongs to, and a module's file name: a library's dialog must find that
// library's files, not the program's, and the program's name carries no folder.
TEST(Library, ModulesAreNamedByFileAndFoundByAddress) {
    static const int insideTheProgram = 0;
    const HMODULE program = GetModuleHandle(nullptr);
    EXPECT_EQ(ModuleOfAddress(&insideTheProgram), program);
    EXPECT_EQ(ModuleFileName(program), "platform_system_tests");

    Library library;
    ASSERT_EQ(library.Load(kModule), ERROR_SUCCESS);
    const auto answer = reinterpret_cast<const void*>(library.Find("SystemTestModuleAnswer"));
    ASSERT_NE(answer, nullptr);
    EXPECT_EQ(ModuleOfAddress(answer), library.Module());
    EXPECT_EQ(ModuleFileName(library.Module()), "libSystemTestModule.so");

    EXPECT_EQ(ModuleOfAddress(nullptr), nullptr);
    EXPECT_EQ(ModuleFileName(nullptr), "");
}

// Loads are counted: freeing one of two loads must not pull the library from under the other.
TEST(Library, TwoLoadsNeedTwoFrees) {
    HMODULE first = nullptr;
    HMODULE second = nullptr;
    ASSERT_EQ(LoadLibrary(kModule, first), ERROR_SUCCESS);
    ASSERT_EQ(LoadLibrary(kModule, second), ERROR_SUCCESS);
    EXPECT_EQ(first, second);
    EXPECT_TRUE(FreeLibrary(first));
    EXPECT_EQ(GetModuleHandle(kModule), second);
    EXPECT_TRUE(FreeLibrary(second));
    EXPECT_EQ(GetModuleHandle(kModule), nullptr);
}

// The holder must free what it loaded, also when it is reloaded or simply goes out of scope.
TEST(Library, HolderFreesOnReloadFreeAndScopeEnd) {
    {
        Library library;
        EXPECT_EQ(library.Find("SystemTestModuleAnswer"), nullptr);
        ASSERT_EQ(library.Load(kModule), ERROR_SUCCESS);
        ASSERT_EQ(library.Load(kModule), ERROR_SUCCESS);
        const auto answer = reinterpret_cast<AnswerFunction>(library.Find("SystemTestModuleAnswer"));
        ASSERT_NE(answer, nullptr);
        EXPECT_EQ(answer(), 4217);
        EXPECT_EQ(GetModuleHandle(kModule), library.Module());
    }
    EXPECT_EQ(GetModuleHandle(kModule), nullptr);

    Library library;
    ASSERT_EQ(library.Load(kModule), ERROR_SUCCESS);
    library.Free();
    EXPECT_EQ(library.Module(), nullptr);
    EXPECT_EQ(GetModuleHandle(kModule), nullptr);
    EXPECT_EQ(library.Load("KelvoNoSuchLibrary.dll"), ERROR_MOD_NOT_FOUND);
    EXPECT_EQ(library.Module(), nullptr);
}

}  // namespace
}  // namespace platform
