#include "platform/registry/registry.h"

#include "platform/tests/support/test_environment.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include <unistd.h>

using namespace platform;

namespace {

// Closes a handle at the end of a test.
struct ScopedKey {
    HKEY key = nullptr;
    ~ScopedKey() {
        if (key) Registry::CloseKey(key);
    }
};

Win32Error SetString(HKEY key, const char* name, const std::string& text) {
    return Registry::SetValue(key, name, REG_SZ, text.c_str(), static_cast<DWORD>(text.size() + 1));
}

// The value's bytes, or the error as text so that a failure reads well.
std::string ReadValue(HKEY key, const char* name, DWORD* type = nullptr) {
    DWORD size = 0;
    if (const Win32Error error = Registry::QueryValue(key, name, type, nullptr, &size)) return "error " + std::to_string(error);
    std::string data(size, '\0');
    if (const Win32Error error = Registry::QueryValue(key, name, type, data.data(), &size)) return "error " + std::to_string(error);
    data.resize(size);
    return data;
}

std::string Sz(const std::string& text) { return text + '\0'; }

}  // namespace

// ---------------------------------------------------------------------------------------------
// Value types and the size protocol

struct TypedValue {
    const char* name;
    DWORD type;
    std::string data;
};

// Each type keeps its bytes exactly (terminating zero, embedded zeros) and reports its size the
// Win32 way: null data asks, a short buffer gets ERROR_MORE_DATA and the size, untouched.
TEST(Registry, EveryTypeFollowsTheSizeProtocol) {
    kelvo::testing::TestEnvironment environment;
    const DWORD number = 0x12345678;
    const std::vector<TypedValue> cases = {
        {"Texto", REG_SZ, Sz("/dados/mensagens/")},
        {"Expandir", REG_EXPAND_SZ, Sz("%HOME%/kelvo")},
        {"Bytes", REG_BINARY, std::string("\x01\x00\xff\x7f", 4)},
        {"Numero", REG_DWORD, std::string(reinterpret_cast<const char*>(&number), 4)},
        {"Nada", REG_NONE, std::string()},
    };
    ScopedKey key;
    ASSERT_EQ(Registry::CreateKey(HKEY_LOCAL_MACHINE, "Software\\Tipos", &key.key), ERROR_SUCCESS);
    for (const auto& c : cases) {
        ASSERT_EQ(Registry::SetValue(key.key, c.name, c.type, c.data.data(), static_cast<DWORD>(c.data.size())), ERROR_SUCCESS) << c.name;
    }
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        DWORD type = 99;
        DWORD size = 0;
        ASSERT_EQ(Registry::QueryValue(key.key, c.name, &type, nullptr, &size), ERROR_SUCCESS);
        EXPECT_EQ(type, c.type);
        EXPECT_EQ(size, c.data.size());
        if (!c.data.empty()) {
            std::string small(c.data.size() - 1, '#');
            DWORD smallSize = static_cast<DWORD>(small.size());
            EXPECT_EQ(Registry::QueryValue(key.key, c.name, nullptr, small.data(), &smallSize), ERROR_MORE_DATA);
            EXPECT_EQ(smallSize, c.data.size());
            EXPECT_EQ(small, std::string(c.data.size() - 1, '#'));
        }
        std::string large(c.data.size() + 8, '#');
        DWORD largeSize = static_cast<DWORD>(large.size());
        EXPECT_EQ(Registry::QueryValue(key.key, c.name, nullptr, large.data(), &largeSize), ERROR_SUCCESS);
        EXPECT_EQ(largeSize, c.data.size());
        EXPECT_EQ(large.substr(0, largeSize), c.data);
    }
}

// Bad arguments are refused rather than stored half-way or read into nowhere.
TEST(Registry, BadValueArgumentsAreRefused) {
    kelvo::testing::TestEnvironment environment;
    ScopedKey key;
    ASSERT_EQ(Registry::CreateKey(HKEY_CURRENT_USER, "Software\\Args", &key.key), ERROR_SUCCESS);
    const char three[3] = {1, 2, 3};
    EXPECT_EQ(Registry::SetValue(key.key, "d", REG_DWORD, three, 3), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(Registry::SetValue(key.key, "m", 7, three, 3), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(Registry::SetValue(key.key, "n", REG_BINARY, nullptr, 3), ERROR_INVALID_PARAMETER);
    char buffer[8];
    ASSERT_EQ(Registry::SetValue(key.key, "b", REG_BINARY, three, 3), ERROR_SUCCESS);
    EXPECT_EQ(Registry::QueryValue(key.key, "b", nullptr, buffer, nullptr), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(Registry::QueryValue(key.key, "missing", nullptr, nullptr, nullptr), ERROR_FILE_NOT_FOUND);
    DWORD count = 99;
    ASSERT_EQ(Registry::QueryInfoKey(key.key, nullptr, &count), ERROR_SUCCESS);
    EXPECT_EQ(count, 1u);
}

// The counter starts from a missing value, goes on from a stored one, and leaves a value it
// cannot count alone: a wrong type, a wrong size or the last number is never turned into 1.
TEST(Registry, CounterNumbersFromTheStoredValue) {
    kelvo::testing::TestEnvironment environment;
    ScopedKey key;
    ASSERT_EQ(Registry::CreateKey(HKEY_LOCAL_MACHINE, "Software\\Contador", &key.key), ERROR_SUCCESS);
    DWORD number = 0;
    ASSERT_EQ(Registry::IncrementCounter(key.key, "n", &number), ERROR_SUCCESS);
    EXPECT_EQ(number, 1u);
    ASSERT_EQ(Registry::IncrementCounter(key.key, "n", &number), ERROR_SUCCESS);
    EXPECT_EQ(number, 2u);
    EXPECT_EQ(ReadValue(key.key, "n"), std::string("\x02\0\0\0", 4));

    const DWORD last = 0xFFFFFFFFu;
    const std::uint16_t shortNumber = 7;
    ASSERT_EQ(SetString(key.key, "texto", "5"), ERROR_SUCCESS);
    ASSERT_EQ(Registry::SetValue(key.key, "curto", REG_BINARY, &shortNumber, sizeof shortNumber), ERROR_SUCCESS);
    ASSERT_EQ(Registry::SetValue(key.key, "ultimo", REG_DWORD, &last, sizeof last), ERROR_SUCCESS);
    for (const char* name : {"texto", "curto", "ultimo"}) {
        SCOPED_TRACE(name);
        const std::string before = ReadValue(key.key, name);
        number = 99;
        EXPECT_EQ(Registry::IncrementCounter(key.key, name, &number), ERROR_INVALID_DATA);
        EXPECT_EQ(number, 99u);
        EXPECT_EQ(ReadValue(key.key, name), before);
    }

    // A handle that may only read cannot number.
    ScopedKey reader;
    ASSERT_EQ(Registry::OpenKey(HKEY_LOCAL_MACHINE, "Software\\Contador", KEY_READ, &reader.key), ERROR_SUCCESS);
    EXPECT_EQ(Registry::IncrementCounter(reader.key, "n", &number), ERROR_ACCESS_DENIED);
    EXPECT_EQ(Registry::IncrementCounter(key.key, "n", nullptr), ERROR_INVALID_PARAMETER);
}

// The default value answers to both a null and an empty name.
TEST(Registry, DefaultValueAnswersToNullAndEmptyName) {
    kelvo::testing::TestEnvironment environment;
    ScopedKey key;
    ASSERT_EQ(Registry::CreateKey(HKEY_LOCAL_MACHINE, "Software\\Padrao", &key.key), ERROR_SUCCESS);
    ASSERT_EQ(SetString(key.key, nullptr, "um"), ERROR_SUCCESS);
    EXPECT_EQ(ReadValue(key.key, ""), Sz("um"));
    ASSERT_EQ(SetString(key.key, "", "dois"), ERROR_SUCCESS);
    EXPECT_EQ(ReadValue(key.key, nullptr), Sz("dois"));
}

// ---------------------------------------------------------------------------------------------
// Names and paths

// Keys and values are found in any case (accents included) and keep the case first written.
TEST(Registry, NamesIgnoreCaseAndKeepTheFirstSpelling) {
    kelvo::testing::TestEnvironment environment;
    ScopedKey created;
    ASSERT_EQ(Registry::CreateKey(HKEY_LOCAL_MACHINE, "SOFTWARE\\Quorvel\\Relat\xF3rios", &created.key), ERROR_SUCCESS);
    ASSERT_EQ(SetString(created.key, "Mensagens", "a"), ERROR_SUCCESS);
    ASSERT_EQ(SetString(created.key, "MENSAGENS", "b"), ERROR_SUCCESS);

    ScopedKey opened;
    ASSERT_EQ(Registry::OpenKey(HKEY_LOCAL_MACHINE, "software\\QUORVEL\\RELAT\xD3RIOS", KEY_READ, &opened.key), ERROR_SUCCESS);
    EXPECT_EQ(ReadValue(opened.key, "mensagens"), Sz("b"));
    String name;
    ASSERT_EQ(Registry::EnumValue(opened.key, 0, &name), ERROR_SUCCESS);
    EXPECT_EQ(name, "Mensagens");
    EXPECT_EQ(Registry::EnumValue(opened.key, 1, &name), ERROR_NO_MORE_ITEMS);

    ScopedKey again;
    ASSERT_EQ(Registry::CreateKey(HKEY_LOCAL_MACHINE, "Software\\quorvel", &again.key), ERROR_SUCCESS);
    ScopedKey software;
    ASSERT_EQ(Registry::OpenKey(HKEY_LOCAL_MACHINE, "software", KEY_READ, &software.key), ERROR_SUCCESS);
    ASSERT_EQ(Registry::EnumKey(software.key, 0, &name), ERROR_SUCCESS);
    EXPECT_EQ(name, "Quorvel");
    ASSERT_EQ(Registry::EnumKey(HKEY_LOCAL_MACHINE, 0, &name), ERROR_SUCCESS);
    EXPECT_EQ(name, "SOFTWARE");
}

// Leading, trailing and doubled backslashes name the same key, as on the original platform.
TEST(Registry, StrayBackslashesAreTolerated) {
    kelvo::testing::TestEnvironment environment;
    ScopedKey created;
    ASSERT_EQ(Registry::CreateKey(HKEY_LOCAL_MACHINE, "SOFTWARE\\Quorvel", &created.key), ERROR_SUCCESS);
    ScopedKey writer;
    ASSERT_EQ(Registry::OpenKey(HKEY_LOCAL_MACHINE, "SOFTWARE\\Quorvel", KEY_WRITE, &writer.key), ERROR_SUCCESS);
    ASSERT_EQ(SetString(writer.key, "Marca", "x"), ERROR_SUCCESS);
    for (const char* spelling : {"SOFTWARE\\Quorvel\\", "\\SOFTWARE\\Quorvel", "SOFTWARE\\\\Quorvel", "\\\\SOFTWARE\\Quorvel\\\\"}) {
        SCOPED_TRACE(spelling);
        ScopedKey key;
        ASSERT_EQ(Registry::OpenKey(HKEY_LOCAL_MACHINE, spelling, KEY_READ, &key.key), ERROR_SUCCESS);
        EXPECT_EQ(ReadValue(key.key, "Marca"), Sz("x"));
    }
    DWORD subKeys = 0;
    ScopedKey software;
    ASSERT_EQ(Registry::OpenKey(HKEY_LOCAL_MACHINE, "SOFTWARE", KEY_READ, &software.key), ERROR_SUCCESS);
    ASSERT_EQ(Registry::QueryInfoKey(software.key, &subKeys, nullptr), ERROR_SUCCESS);
    EXPECT_EQ(subKeys, 1u);
}

// A missing piece anywhere on the path answers 2, and a name too long for a key is refused.
TEST(Registry, MissingAndOverlongPaths) {
    kelvo::testing::TestEnvironment environment;
    HKEY key = reinterpret_cast<HKEY>(std::uintptr_t{1});
    EXPECT_EQ(Registry::OpenKey(HKEY_LOCAL_MACHINE, "SOFTWARE\\Nada", KEY_READ, &key), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(key, nullptr);
    const std::string overlong(256, 'k');
    EXPECT_EQ(Registry::CreateKey(HKEY_LOCAL_MACHINE, overlong.c_str(), &key), ERROR_INVALID_PARAMETER);
    EXPECT_FALSE(std::filesystem::exists(environment.RegistryFolder() / "HKEY_LOCAL_MACHINE.txt"));
}

// ---------------------------------------------------------------------------------------------
// Roots

// The classes root is the local machine's Software\Classes, in both directions.
TEST(Registry, ClassesRootIsLocalMachineSoftwareClasses) {
    kelvo::testing::TestEnvironment environment;
    DWORD subKeys = 99;
    ASSERT_EQ(Registry::QueryInfoKey(HKEY_CLASSES_ROOT, &subKeys, nullptr), ERROR_SUCCESS);
    EXPECT_EQ(subKeys, 0u);

    ScopedKey viaClasses;
    ASSERT_EQ(Registry::CreateKey(HKEY_CLASSES_ROOT, ".kdoc", &viaClasses.key), ERROR_SUCCESS);
    ASSERT_EQ(SetString(viaClasses.key, nullptr, "Kelvo.Documento"), ERROR_SUCCESS);
    ScopedKey viaMachine;
    ASSERT_EQ(Registry::OpenKey(HKEY_LOCAL_MACHINE, "SOFTWARE\\CLASSES\\.KDOC", KEY_ALL_ACCESS, &viaMachine.key), ERROR_SUCCESS);
    EXPECT_EQ(ReadValue(viaMachine.key, nullptr), Sz("Kelvo.Documento"));

    ASSERT_EQ(SetString(HKEY_LOCAL_MACHINE, "fora", "x"), ERROR_SUCCESS);
    ASSERT_EQ(Registry::SetValue(HKEY_CLASSES_ROOT, "dentro", REG_SZ, "y", 2), ERROR_SUCCESS);
    EXPECT_EQ(ReadValue(HKEY_CLASSES_ROOT, "fora"), "error 2");
    ScopedKey classes;
    ASSERT_EQ(Registry::OpenKey(HKEY_LOCAL_MACHINE, "Software\\Classes", KEY_READ, &classes.key), ERROR_SUCCESS);
    EXPECT_EQ(ReadValue(classes.key, "dentro"), Sz("y"));
}

// Local machine and current user are separate files; neither sees the other's keys.
TEST(Registry, RootsAreSeparate) {
    kelvo::testing::TestEnvironment environment;
    ASSERT_EQ(SetString(HKEY_CURRENT_USER, "So", "usuario"), ERROR_SUCCESS);
    EXPECT_EQ(ReadValue(HKEY_LOCAL_MACHINE, "So"), "error 2");
    EXPECT_TRUE(std::filesystem::exists(environment.RegistryFolder() / "HKEY_CURRENT_USER.txt"));
    EXPECT_FALSE(std::filesystem::exists(environment.RegistryFolder() / "HKEY_LOCAL_MACHINE.txt"));
}

// The roots the store lacks answer ERROR_INVALID_HANDLE; no predefined root is ever closed.
TEST(Registry, UnsupportedRootsAndClosing) {
    kelvo::testing::TestEnvironment environment;
    for (HKEY root : {HKEY_USERS, HKEY_PERFORMANCE_DATA, HKEY_CURRENT_CONFIG, HKEY_DYN_DATA}) {
        HKEY key = nullptr;
        EXPECT_EQ(Registry::OpenKey(root, "x", KEY_READ, &key), ERROR_INVALID_HANDLE);
        EXPECT_EQ(Registry::CreateKey(root, "x", &key), ERROR_INVALID_HANDLE);
        EXPECT_EQ(Registry::QueryInfoKey(root, nullptr, nullptr), ERROR_INVALID_HANDLE);
        EXPECT_EQ(Registry::CloseKey(root), ERROR_SUCCESS);
    }
    EXPECT_EQ(Registry::CloseKey(HKEY_LOCAL_MACHINE), ERROR_SUCCESS);
    EXPECT_EQ(SetString(HKEY_LOCAL_MACHINE, "Depois", "x"), ERROR_SUCCESS);

    HKEY key = nullptr;
    ASSERT_EQ(Registry::CreateKey(HKEY_LOCAL_MACHINE, "Software", &key), ERROR_SUCCESS);
    EXPECT_EQ(Registry::CloseKey(key), ERROR_SUCCESS);
    EXPECT_EQ(Registry::CloseKey(key), ERROR_INVALID_HANDLE);
    EXPECT_EQ(Registry::QueryInfoKey(key, nullptr, nullptr), ERROR_INVALID_HANDLE);
    EXPECT_EQ(Registry::QueryInfoKey(nullptr, nullptr, nullptr), ERROR_INVALID_HANDLE);
}

// An empty sub-key of a predefined root is the root itself.
TEST(Registry, EmptySubKeyOfARootIsTheRoot) {
    kelvo::testing::TestEnvironment environment;
    HKEY key = nullptr;
    ASSERT_EQ(Registry::OpenKey(HKEY_CURRENT_USER, "", KEY_READ, &key), ERROR_SUCCESS);
    EXPECT_EQ(key, HKEY_CURRENT_USER);
    ASSERT_EQ(Registry::CreateKey(HKEY_LOCAL_MACHINE, nullptr, &key), ERROR_SUCCESS);
    EXPECT_EQ(key, HKEY_LOCAL_MACHINE);
}

// This machine answers under all its names; any other machine is unreachable (53).
TEST(Registry, ConnectRegistryKnowsOnlyThisMachine) {
    kelvo::testing::TestEnvironment environment;
    char host[256] = {};
    ASSERT_EQ(gethostname(host, sizeof host - 1), 0);
    String upper(host);
    upper.MakeUpper();
    const std::string withSlashes = std::string("\\\\") + host;
    for (const char* machine : {static_cast<const char*>(nullptr), "", ".", "\\\\.", static_cast<const char*>(host),
                                withSlashes.c_str(), upper.GetString()}) {
        SCOPED_TRACE(machine ? machine : "(null)");
        HKEY root = nullptr;
        EXPECT_EQ(Registry::ConnectRegistry(machine, HKEY_LOCAL_MACHINE, &root), ERROR_SUCCESS);
        EXPECT_EQ(root, HKEY_LOCAL_MACHINE);
    }
    for (const char* machine : {"\\\\servidor-que-nao-existe", "outra-maquina"}) {
        HKEY root = HKEY_LOCAL_MACHINE;
        EXPECT_EQ(Registry::ConnectRegistry(machine, HKEY_LOCAL_MACHINE, &root), ERROR_BAD_NETPATH) << machine;
        EXPECT_EQ(root, nullptr);
    }
    HKEY root = nullptr;
    EXPECT_EQ(Registry::ConnectRegistry(nullptr, HKEY_USERS, &root), ERROR_INVALID_HANDLE);
}

// ---------------------------------------------------------------------------------------------
// Enumeration and deletion

// Sub-keys come in case-insensitive order, values in order of creation, then ERROR_NO_MORE_ITEMS.
TEST(Registry, EnumerationOrderAndEnd) {
    kelvo::testing::TestEnvironment environment;
    ScopedKey key;
    ASSERT_EQ(Registry::CreateKey(HKEY_LOCAL_MACHINE, "Software\\Lista", &key.key), ERROR_SUCCESS);
    for (const char* sub : {"beta", "Alfa", "gama", "BETA2"}) {
        ScopedKey child;
        ASSERT_EQ(Registry::CreateKey(key.key, sub, &child.key), ERROR_SUCCESS);
    }
    for (const char* value : {"z", "a", "M"}) ASSERT_EQ(SetString(key.key, value, value), ERROR_SUCCESS);

    std::vector<std::string> keys;
    std::vector<std::string> values;
    String name;
    for (DWORD i = 0; Registry::EnumKey(key.key, i, &name) == ERROR_SUCCESS; ++i) keys.push_back(name.str());
    for (DWORD i = 0; Registry::EnumValue(key.key, i, &name) == ERROR_SUCCESS; ++i) values.push_back(name.str());
    EXPECT_EQ(keys, (std::vector<std::string>{"Alfa", "beta", "BETA2", "gama"}));
    EXPECT_EQ(values, (std::vector<std::string>{"z", "a", "M"}));
    EXPECT_EQ(Registry::EnumKey(key.key, 4, &name), ERROR_NO_MORE_ITEMS);
    EXPECT_EQ(Registry::EnumValue(key.key, 3, &name), ERROR_NO_MORE_ITEMS);
    DWORD type = 0;
    ASSERT_EQ(Registry::EnumValue(key.key, 2, &name, &type), ERROR_SUCCESS);
    EXPECT_EQ(type, REG_SZ);
    DWORD subKeys = 0;
    DWORD valueCount = 0;
    ASSERT_EQ(Registry::QueryInfoKey(key.key, &subKeys, &valueCount), ERROR_SUCCESS);
    EXPECT_EQ(subKeys, 4u);
    EXPECT_EQ(valueCount, 3u);
}

// Only a key without sub-keys may be deleted (ERROR_ACCESS_DENIED otherwise); values go one by one.
TEST(Registry, DeleteRules) {
    kelvo::testing::TestEnvironment environment;
    ScopedKey leaf;
    ASSERT_EQ(Registry::CreateKey(HKEY_LOCAL_MACHINE, "Software\\Pai\\Filho", &leaf.key), ERROR_SUCCESS);
    ASSERT_EQ(SetString(leaf.key, "v", "1"), ERROR_SUCCESS);

    EXPECT_EQ(Registry::DeleteKey(HKEY_LOCAL_MACHINE, "Software\\Pai"), ERROR_ACCESS_DENIED);
    ScopedKey parent;
    ASSERT_EQ(Registry::OpenKey(HKEY_LOCAL_MACHINE, "Software\\Pai\\", KEY_READ, &parent.key), ERROR_SUCCESS);
    EXPECT_EQ(Registry::DeleteKey(HKEY_LOCAL_MACHINE, "Software\\Nada"), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(Registry::DeleteKey(HKEY_LOCAL_MACHINE, ""), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(Registry::DeleteValue(leaf.key, "outro"), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(Registry::DeleteValue(leaf.key, "V"), ERROR_SUCCESS);
    EXPECT_EQ(ReadValue(leaf.key, "v"), "error 2");

    EXPECT_EQ(Registry::DeleteKey(parent.key, "FILHO"), ERROR_SUCCESS);
    HKEY gone = nullptr;
    EXPECT_EQ(Registry::OpenKey(HKEY_LOCAL_MACHINE, "Software\\Pai\\Filho", KEY_READ, &gone), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(Registry::DeleteKey(HKEY_LOCAL_MACHINE, "Software\\Pai"), ERROR_SUCCESS);
}

// A handle whose key was deleted answers ERROR_KEY_DELETED, even after a key of the same name
// is created again; a fresh handle reaches the new key.
TEST(Registry, HandleOfDeletedKeyAnswersKeyDeleted) {
    kelvo::testing::TestEnvironment environment;
    ScopedKey old;
    ASSERT_EQ(Registry::CreateKey(HKEY_CURRENT_USER, "Software\\Efemera", &old.key), ERROR_SUCCESS);
    ASSERT_EQ(Registry::DeleteKey(HKEY_CURRENT_USER, "Software\\Efemera"), ERROR_SUCCESS);
    EXPECT_EQ(SetString(old.key, "v", "x"), ERROR_KEY_DELETED);
    EXPECT_EQ(ReadValue(old.key, "v"), "error 1018");

    ScopedKey fresh;
    ASSERT_EQ(Registry::CreateKey(HKEY_CURRENT_USER, "Software\\EFEMERA", &fresh.key), ERROR_SUCCESS);
    ASSERT_EQ(SetString(fresh.key, "v", "novo"), ERROR_SUCCESS);
    String name;
    EXPECT_EQ(Registry::EnumValue(old.key, 0, &name), ERROR_KEY_DELETED);
    EXPECT_EQ(Registry::QueryInfoKey(old.key, nullptr, nullptr), ERROR_KEY_DELETED);
    HKEY child = nullptr;
    EXPECT_EQ(Registry::CreateKey(old.key, "Sub", &child), ERROR_KEY_DELETED);
    EXPECT_EQ(Registry::CloseKey(old.key), ERROR_SUCCESS);
    old.key = nullptr;
}

// A handle has only the rights it was opened with.
TEST(Registry, HandlesKeepTheirAccessRights) {
    kelvo::testing::TestEnvironment environment;
    ScopedKey created;
    ASSERT_EQ(Registry::CreateKey(HKEY_LOCAL_MACHINE, "Software\\Direitos", &created.key), ERROR_SUCCESS);
    ScopedKey reader;
    ASSERT_EQ(Registry::OpenKey(HKEY_LOCAL_MACHINE, "Software\\Direitos", KEY_READ, &reader.key), ERROR_SUCCESS);
    HKEY child = nullptr;
    EXPECT_EQ(SetString(reader.key, "v", "x"), ERROR_ACCESS_DENIED);
    EXPECT_EQ(Registry::DeleteValue(reader.key, "v"), ERROR_ACCESS_DENIED);
    EXPECT_EQ(Registry::CreateKey(reader.key, "Sub", &child), ERROR_ACCESS_DENIED);

    ScopedKey writer;
    ASSERT_EQ(Registry::OpenKey(HKEY_LOCAL_MACHINE, "Software\\Direitos", KEY_SET_VALUE, &writer.key), ERROR_SUCCESS);
    EXPECT_EQ(SetString(writer.key, "v", "x"), ERROR_SUCCESS);
    EXPECT_EQ(ReadValue(writer.key, "v"), "error 5");
    EXPECT_EQ(ReadValue(reader.key, "v"), Sz("x"));
}

// ---------------------------------------------------------------------------------------------
// Where the store lives

// Reads create nothing; the first write creates the folder and the root's file.
TEST(Registry, StoreIsCreatedOnFirstWrite) {
    kelvo::testing::TestEnvironment environment;
    HKEY key = nullptr;
    EXPECT_EQ(Registry::OpenKey(HKEY_LOCAL_MACHINE, "SOFTWARE", KEY_READ, &key), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(ReadValue(HKEY_LOCAL_MACHINE, "x"), "error 2");
    EXPECT_FALSE(std::filesystem::exists(environment.RegistryFolder()));
    ASSERT_EQ(SetString(HKEY_LOCAL_MACHINE, "x", "y"), ERROR_SUCCESS);
    EXPECT_TRUE(std::filesystem::is_regular_file(environment.RegistryFolder() / "HKEY_LOCAL_MACHINE.txt"));
}

// Without KELVO_REGISTRY the store is ~/.local/share/kelvo/registry.
TEST(Registry, DefaultFolderIsUnderHome) {
    kelvo::testing::TestEnvironment environment;
    const char* oldHome = std::getenv("HOME");
    const std::string savedHome = oldHome ? oldHome : "";
    setenv("HOME", environment.Folder().c_str(), 1);
    unsetenv("KELVO_REGISTRY");
    const Win32Error error = SetString(HKEY_CURRENT_USER, "x", "y");
    if (oldHome) setenv("HOME", savedHome.c_str(), 1); else unsetenv("HOME");
    ASSERT_EQ(error, ERROR_SUCCESS);
    EXPECT_TRUE(std::filesystem::exists(environment.Folder() / ".local/share/kelvo/registry/HKEY_CURRENT_USER.txt"));
}

// An unwritable store reports access denied and keeps its content.
TEST(Registry, UnwritableStoreReportsAccessDenied) {
    kelvo::testing::TestEnvironment environment;
    if (geteuid() == 0) GTEST_SKIP() << "root ignores permissions";
    ASSERT_EQ(SetString(HKEY_LOCAL_MACHINE, "x", "antes"), ERROR_SUCCESS);
    std::filesystem::permissions(environment.RegistryFolder(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    EXPECT_EQ(SetString(HKEY_LOCAL_MACHINE, "x", "depois"), ERROR_ACCESS_DENIED);
    EXPECT_EQ(ReadValue(HKEY_LOCAL_MACHINE, "x"), Sz("antes"));
    std::filesystem::permissions(environment.RegistryFolder(), std::filesystem::perms::owner_all);
}
