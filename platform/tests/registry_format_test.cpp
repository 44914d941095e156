#include "platform/registry/registry.h"
#include "platform/registry/registry_format.h"

#include "platform/tests/support/test_environment.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include <unistd.h>

using namespace platform;
using namespace platform::registry_detail;

namespace {

std::string AllBytes() {
    std::string bytes;
    for (int b = 0; b < 256; ++b) bytes += static_cast<char>(b);
    return bytes;
}

std::filesystem::path MachineFile(const kelvo::testing::TestEnvironment& environment) {
    return environment.RegistryFolder() / "HKEY_LOCAL_MACHINE.txt";
}

// A small store written through the registry itself, as its file text.
std::string WrittenStore(const kelvo::testing::TestEnvironment& environment) {
    HKEY key = nullptr;
    EXPECT_EQ(Registry::CreateKey(HKEY_LOCAL_MACHINE, "SOFTWARE\\Quorvel\\Empresas\\001", &key), ERROR_SUCCESS);
    EXPECT_EQ(Registry::SetValue(key, "DF", REG_SZ, "/dados/emp1", 12), ERROR_SUCCESS);
    const DWORD number = 42;
    EXPECT_EQ(Registry::SetValue(key, "Numero", REG_DWORD, &number, 4), ERROR_SUCCESS);
    EXPECT_EQ(Registry::SetValue(key, "Bytes", REG_BINARY, "\x01\x02", 2), ERROR_SUCCESS);
    Registry::CloseKey(key);
    return kelvo::testing::ReadFile(MachineFile(environment));
}

}  // namespace

// Every byte survives the file in names and in every kind of value, through a fresh parse.
TEST(RegistryFormat, EveryByteSurvivesTheText) {
    const std::string bytes = AllBytes();
    RegistryTree tree;
    RegistryKey& key = tree.root.AddSubKey(bytes.substr(1, 91) + bytes.substr(93, 163), tree.nextId++);
    for (DWORD type : {REG_NONE, REG_SZ, REG_EXPAND_SZ, REG_BINARY}) {
        RegistryValue& value = key.AddValue(bytes.substr(1) + std::to_string(type));
        value.type = type;
        value.data = bytes;
    }
    RegistryValue& number = tree.root.AddValue("");
    number.type = REG_DWORD;
    number.data = std::string("\xff\x00\x10\x80", 4);

    const std::string text = FormatRegistryText(tree);
    RegistryTree parsed;
    std::string problem;
    ASSERT_TRUE(ParseRegistryText(text, &parsed, &problem)) << problem;
    EXPECT_EQ(FormatRegistryText(parsed), text);
    ASSERT_EQ(parsed.root.subKeys.size(), 1u);
    const RegistryKey& back = parsed.root.subKeys[0];
    EXPECT_EQ(back.name, key.name);
    ASSERT_EQ(back.values.size(), 4u);
    for (const RegistryValue& value : back.values) EXPECT_EQ(value.data, bytes);
    EXPECT_EQ(parsed.root.values.at(0).data, number.data);
    EXPECT_EQ(parsed.nextId, tree.nextId);
}

// The file is text a person can read: names and accented values appear as written (in UTF-8).
TEST(RegistryFormat, FileIsReadableText) {
    kelvo::testing::TestEnvironment environment;
    HKEY key = nullptr;
    ASSERT_EQ(Registry::CreateKey(HKEY_LOCAL_MACHINE, "SOFTWARE\\Quorvel", &key), ERROR_SUCCESS);
    ASSERT_EQ(Registry::SetValue(key, "Relatorios", REG_SZ, "/dados/relat\xF3rios/", 19), ERROR_SUCCESS);
    Registry::CloseKey(key);
    const std::string text = kelvo::testing::ReadFile(MachineFile(environment));
    EXPECT_NE(text.find("\"SOFTWARE\" \"Quorvel\"\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\"Relatorios\" sz \"/dados/relat\xC3\xB3rios/\\0\"\n"), std::string::npos) << text;
}

// Checks that a malformed store file answers ERROR_BADDB to reads and writes and is left as it was.
void ExpectRefusedAndUntouched(const kelvo::testing::TestEnvironment& environment, const std::string& content) {
    const auto path = MachineFile(environment);
    kelvo::testing::WriteFile(path, content);
    const auto modified = std::filesystem::last_write_time(path);

    HKEY key = nullptr;
    DWORD count = 0;
    EXPECT_EQ(Registry::QueryInfoKey(HKEY_LOCAL_MACHINE, &count, &count), ERROR_BADDB);
    EXPECT_EQ(Registry::OpenKey(HKEY_LOCAL_MACHINE, "SOFTWARE", KEY_READ, &key), ERROR_BADDB);
    EXPECT_EQ(Registry::QueryValue(HKEY_CLASSES_ROOT, "x", nullptr, nullptr, &count), ERROR_BADDB);
    EXPECT_EQ(Registry::SetValue(HKEY_LOCAL_MACHINE, "x", REG_SZ, "y", 2), ERROR_BADDB);
    EXPECT_EQ(Registry::CreateKey(HKEY_LOCAL_MACHINE, "SOFTWARE\\Novo", &key), ERROR_BADDB);
    EXPECT_EQ(Registry::DeleteKey(HKEY_LOCAL_MACHINE, "SOFTWARE"), ERROR_BADDB);

    EXPECT_EQ(std::filesystem::last_write_time(path), modified);
    EXPECT_TRUE(kelvo::testing::ReadFile(path) == content) << "the malformed file was changed";
    EXPECT_FALSE(std::filesystem::exists(path.string() + ".tmp"));
    // The other root is a separate file and unaffected.
    EXPECT_EQ(Registry::SetValue(HKEY_CURRENT_USER, "x", REG_SZ, "y", 2), ERROR_SUCCESS);
}

// Every cut of a valid file (short of dropping only its last line break) is detected, never read
// as a smaller store that the next write would make permanent.
TEST(RegistryFormat, EveryTruncationIsRefused) {
    kelvo::testing::TestEnvironment environment;
    const std::string valid = WrittenStore(environment);
    ASSERT_GT(valid.size(), 50u);
    for (std::size_t length = 0; length + 1 < valid.size(); ++length) {
        SCOPED_TRACE("cut at " + std::to_string(length));
        RegistryTree tree;
        std::string problem;
        EXPECT_FALSE(ParseRegistryText(valid.substr(0, length), &tree, &problem));
    }
    ExpectRefusedAndUntouched(environment, valid.substr(0, valid.rfind("key ")));
}

struct MalformedCase {
    const char* fault;
    std::string text;
};

// Each fault of a store file makes the whole file malformed.
TEST(RegistryFormat, MalformedFilesAreRefusedAndKept) {
    const std::string head = "kelvo-registry 1\nnext-id 3\nkey 0\n";
    const std::vector<MalformedCase> cases = {
        {"garbage", std::string("\x7f" "ELF\x02\x01\x01", 7) + std::string(1, '\0') + "garbage\xff\xfe"},
        {"empty file", ""},
        {"unknown version", "kelvo-registry 2\nend 0\n"},
        {"huge end count", head + "end 99999999999999999999999999\n"},
        {"wrong end count", head + "end 7\n"},
        {"huge next-id", "kelvo-registry 1\nnext-id 184467440737095516160\nkey 0\nend 1\n"},
        {"huge key id", head + "key 18446744073709551615 \"a\"\nend 2\n"},
        {"dword too large", head + "value \"d\" dword 0x100000000\nend 2\n"},
        {"key before its parent", head + "key 2 \"a\" \"b\"\nend 2\n"},
        {"key listed twice", head + "key 1 \"A\"\nkey 2 \"a\"\nend 3\n"},
        {"id used twice", head + "key 1 \"a\"\nkey 1 \"b\"\nend 3\n"},
        {"value listed twice", head + "value \"v\" sz \"\"\nvalue \"V\" sz \"\"\nend 3\n"},
        {"value before a key", "kelvo-registry 1\nvalue \"v\" sz \"\"\nend 1\n"},
        {"unknown type", head + "value \"v\" multi-sz \"\"\nend 2\n"},
        {"unclosed quote", head + "value \"v\" sz \"abc\nend 2\n"},
        {"unknown escape", head + "value \"v\" sz \"a\\qb\"\nend 2\n"},
        {"short hex escape", head + "value \"v\" sz \"a\\x4\"\nend 2\n"},
        {"odd hexadecimal", head + "value \"v\" binary \"abc\"\nend 2\n"},
        {"character outside Windows-1252", head + "value \"v\" sz \"\xE2\x86\x92\"\nend 2\n"},
        {"malformed UTF-8", head + "value \"v\" sz \"\xC3\"\nend 2\n"},
        {"backslash in a key name", head + "key 1 \"a\\\\b\"\nend 2\n"},
        {"key name too long", head + "key 1 \"" + std::string(256, 'k') + "\"\nend 2\n"},
        {"text after end", head + "end 1\nkey 1 \"a\"\n"},
        {"unknown record", head + "chave 1 \"a\"\nend 2\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.fault);
        kelvo::testing::TestEnvironment environment;
        ExpectRefusedAndUntouched(environment, c.text);
    }
}

// A file far larger than any store is refused before it is read into memory.
TEST(RegistryFormat, OversizeFileIsRefused) {
    kelvo::testing::TestEnvironment environment;
    const auto path = MachineFile(environment);
    kelvo::testing::WriteFile(path, "kelvo-registry 1\n");
    std::filesystem::resize_file(path, std::uintmax_t{65} << 20);
    EXPECT_EQ(Registry::QueryInfoKey(HKEY_LOCAL_MACHINE, nullptr, nullptr), ERROR_BADDB);
    EXPECT_EQ(Registry::SetValue(HKEY_LOCAL_MACHINE, "x", REG_SZ, "y", 2), ERROR_BADDB);
    EXPECT_EQ(std::filesystem::file_size(path), std::uintmax_t{65} << 20);
}

// Once the file is repaired the store works again.
TEST(RegistryFormat, RepairedFileIsUsedAgain) {
    kelvo::testing::TestEnvironment environment;
    const std::string valid = WrittenStore(environment);
    kelvo::testing::WriteFile(MachineFile(environment), "broken");
    EXPECT_EQ(Registry::QueryInfoKey(HKEY_LOCAL_MACHINE, nullptr, nullptr), ERROR_BADDB);
    kelvo::testing::WriteFile(MachineFile(environment), valid);
    DWORD subKeys = 0;
    EXPECT_EQ(Registry::QueryInfoKey(HKEY_LOCAL_MACHINE, &subKeys, nullptr), ERROR_SUCCESS);
    EXPECT_EQ(subKeys, 1u);
}

// Comments, blank lines, CR LF line ends and extra blanks of a hand-edited file are accepted.
TEST(RegistryFormat, HandWrittenLayoutIsAccepted) {
    const std::string text =
        "# written by hand\r\n\r\nkelvo-registry 1\r\n  key 5   \"SOFTWARE\"\r\n"
        "value \"n\"  dword  42\r\n# a note\r\nvalue \"t\" sz \"caf\xC3\xA9\\0\"\r\nend 3\r\n";
    RegistryTree tree;
    std::string problem;
    ASSERT_TRUE(ParseRegistryText(text, &tree, &problem)) << problem;
    const RegistryKey* key = tree.root.FindSubKey("software");
    ASSERT_NE(key, nullptr);
    EXPECT_EQ(key->FindValue("n")->data, std::string("\x2a\0\0\0", 4));
    EXPECT_EQ(key->FindValue("T")->data, std::string("caf\xE9\0", 5));
    EXPECT_EQ(tree.nextId, 6u);
}
