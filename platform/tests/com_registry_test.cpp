#include "platform/com/class_registry.h"
#include "platform/com/endpoint.h"
#include "platform/tests/support/test_environment.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/un.h>

#include <cstdlib>
#include <filesystem>

namespace {

using namespace platform;
using namespace platform::com;
using kelvo::testing::TestEnvironment;

constexpr CLSID kClass{0x0A1B2C3D, 0x1111, 0x2222, {0x33, 0x33, 0x44, 0x44, 0x55, 0x55, 0x66, 0x66}};
constexpr GUID kLibrary{0x0A1B2C3E, 0x1111, 0x2222, {0x33, 0x33, 0x44, 0x44, 0x55, 0x55, 0x66, 0x77}};
const std::string kAppId = "{0A1B2C3F-1111-2222-3333-444455556688}";
const std::string kClassKey = "CLSID\\" + GuidToString(kClass);

bool KeyExists(const std::string& path) {
    HKEY key = nullptr;
    if (Registry::OpenKey(HKEY_CLASSES_ROOT, path.c_str(), KEY_READ, &key) != ERROR_SUCCESS) return false;
    (void)Registry::CloseKey(key);
    return true;
}

String Text(const std::string& path, const char* name = nullptr) {
    String text;
    (void)ReadRegistryText(HKEY_CLASSES_ROOT, path, name, text);
    return text;
}

// A server's registration: an application id that stays, a class that is force-removed, ProgIDs
// that are removed normally.
std::vector<RegistryScriptKey> ServerScript() {
    return {
        {"AppID\\" + kAppId, "Server", {}, KeyRemoval::NoRemove},
        {"AppID\\Server.EXE", std::nullopt, {{"AppID", kAppId}}, KeyRemoval::Remove},
        {"Server.Thing.1", "Thing Class", {}, KeyRemoval::Remove},
        {"Server.Thing.1\\CLSID", GuidToString(kClass), {}, KeyRemoval::Remove},
        {kClassKey, "Thing Class", {{"AppID", kAppId}}, KeyRemoval::ForceRemove},
        {kClassKey + "\\LocalServer32", "/opt/server/bin/Server", {}, KeyRemoval::Remove},
    };
}

class ComClassRegistry : public ::testing::Test {
protected:
    TestEnvironment environment_;
};

// Registration writes every key and value; unregistration removes them all except the kept key.
TEST_F(ComClassRegistry, ScriptRegistersAndUnregisters) {
    const auto script = ServerScript();
    ASSERT_EQ(ApplyRegistryScript(HKEY_CLASSES_ROOT, script, true), ERROR_SUCCESS);
    EXPECT_EQ(Text("AppID\\" + kAppId).str(), "Server");
    EXPECT_EQ(Text("AppID\\Server.EXE", "AppID").str(), kAppId);
    EXPECT_EQ(Text("Server.Thing.1\\CLSID").str(), GuidToString(kClass));
    String commandLine;
    ASSERT_EQ(ReadClassLocalServer(kClass, commandLine), ERROR_SUCCESS);
    EXPECT_EQ(commandLine.str(), "/opt/server/bin/Server");

    ASSERT_EQ(ApplyRegistryScript(HKEY_CLASSES_ROOT, script, false), ERROR_SUCCESS);
    EXPECT_TRUE(KeyExists("AppID\\" + kAppId));
    EXPECT_EQ(Text("AppID\\" + kAppId).str(), "Server");
    EXPECT_FALSE(KeyExists("AppID\\Server.EXE"));
    EXPECT_FALSE(KeyExists("Server.Thing.1"));
    EXPECT_FALSE(KeyExists(kClassKey));
    EXPECT_EQ(ReadClassLocalServer(kClass, commandLine), ERROR_FILE_NOT_FOUND);
    // A second unregistration finds nothing to remove and still succeeds.
    EXPECT_EQ(ApplyRegistryScript(HKEY_CLASSES_ROOT, script, false), ERROR_SUCCESS);
}

// A force-removed key loses what others added below it, on registration (stale sub-keys of an
// old version) and on unregistration; a plain key with a foreign sub-key stays.
TEST_F(ComClassRegistry, ForceRemoveTakesForeignSubKeysPlainKeyKeepsThem) {
    const std::vector<RegistryScriptKey> stale = {
        {kClassKey + "\\InprocServer32\\Old", "stale", {}},
        {"Server.Thing.1\\Foreign", "someone else's", {}},
    };
    ASSERT_EQ(ApplyRegistryScript(HKEY_CLASSES_ROOT, stale, true), ERROR_SUCCESS);
    const auto script = ServerScript();
    ASSERT_EQ(ApplyRegistryScript(HKEY_CLASSES_ROOT, script, true), ERROR_SUCCESS);
    EXPECT_FALSE(KeyExists(kClassKey + "\\InprocServer32"));
    EXPECT_TRUE(KeyExists(kClassKey + "\\LocalServer32"));

    ASSERT_EQ(ApplyRegistryScript(HKEY_CLASSES_ROOT, script, false), ERROR_SUCCESS);
    EXPECT_TRUE(KeyExists("Server.Thing.1\\Foreign"));
    EXPECT_FALSE(KeyExists("Server.Thing.1\\CLSID"));
    EXPECT_FALSE(KeyExists(kClassKey));
}

// Deleting a tree removes every level and never the root itself.
TEST_F(ComClassRegistry, DeleteKeyTreeRemovesEveryLevel) {
    const std::vector<RegistryScriptKey> tree = {
        {"Tree\\A\\B\\C", "deep", {}}, {"Tree\\A\\D", "side", {}}, {"Tree\\E", "other", {}}, {"Kept", "kept", {}}};
    ASSERT_EQ(ApplyRegistryScript(HKEY_CLASSES_ROOT, tree, true), ERROR_SUCCESS);
    EXPECT_EQ(DeleteKeyTree(HKEY_CLASSES_ROOT, "Tree"), ERROR_SUCCESS);
    EXPECT_FALSE(KeyExists("Tree"));
    EXPECT_TRUE(KeyExists("Kept"));
    EXPECT_EQ(DeleteKeyTree(HKEY_CLASSES_ROOT, "Tree"), ERROR_SUCCESS);
    EXPECT_EQ(DeleteKeyTree(HKEY_CLASSES_ROOT, ""), ERROR_INVALID_PARAMETER);
}

// Text values: expand-strings are expanded, the terminating zero is not part of the text, other
// types and texts beyond the buffer are refused.
TEST_F(ComClassRegistry, ReadRegistryTextCases) {
    setenv("KELVO_COM_TEST_FOLDER", "/srv/app", 1);
    HKEY key = nullptr;
    ASSERT_EQ(Registry::CreateKey(HKEY_CLASSES_ROOT, "Values", &key), ERROR_SUCCESS);
    const char expand[] = "%KELVO_COM_TEST_FOLDER%/bin/server";
    ASSERT_EQ(Registry::SetValue(key, "Expand", REG_EXPAND_SZ, expand, sizeof expand), ERROR_SUCCESS);
    ASSERT_EQ(Registry::SetValue(key, "NoZero", REG_SZ, "abc", 3), ERROR_SUCCESS);
    const DWORD number = 5;
    ASSERT_EQ(Registry::SetValue(key, "Number", REG_DWORD, &number, 4), ERROR_SUCCESS);
    ASSERT_EQ(Registry::SetValue(key, "Long", REG_SZ, "0123456789", 11), ERROR_SUCCESS);
    (void)Registry::CloseKey(key);

    String text;
    EXPECT_EQ(ReadRegistryText(HKEY_CLASSES_ROOT, "Values", "Expand", text), ERROR_SUCCESS);
    EXPECT_EQ(text.str(), "/srv/app/bin/server");
    EXPECT_EQ(ReadRegistryText(HKEY_CLASSES_ROOT, "Values", "NoZero", text), ERROR_SUCCESS);
    EXPECT_EQ(text.str(), "abc");
    EXPECT_EQ(ReadRegistryText(HKEY_CLASSES_ROOT, "Values", "Number", text), ERROR_INVALID_DATA);
    EXPECT_EQ(ReadRegistryText(HKEY_CLASSES_ROOT, "Values", "Long", text, 10), ERROR_MORE_DATA);
    EXPECT_EQ(text.str(), "");
    EXPECT_EQ(ReadRegistryText(HKEY_CLASSES_ROOT, "Values", "Long", text, 11), ERROR_SUCCESS);
    EXPECT_EQ(ReadRegistryText(HKEY_CLASSES_ROOT, "Values", "Missing", text), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(ReadRegistryText(HKEY_CLASSES_ROOT, "NoSuchKey", "Long", text), ERROR_FILE_NOT_FOUND);
}

// The application id leads from the class to its server's machine.
TEST_F(ComClassRegistry, AppIdAndRemoteServerName) {
    const std::vector<RegistryScriptKey> keys = {
        {kClassKey, "Thing", {{"AppID", kAppId}}},
        {"AppID\\" + kAppId, "Server", {{"RemoteServerName", "storage-host"}}},
    };
    ASSERT_EQ(ApplyRegistryScript(HKEY_CLASSES_ROOT, keys, true), ERROR_SUCCESS);
    String appId;
    ASSERT_EQ(ReadClassAppId(kClass, appId), ERROR_SUCCESS);
    EXPECT_EQ(appId.str(), kAppId);
    String machine;
    ASSERT_EQ(ReadAppIdRemoteServerName(appId, machine), ERROR_SUCCESS);
    EXPECT_EQ(machine.str(), "storage-host");
    EXPECT_EQ(ReadAppIdRemoteServerName(String(), machine), ERROR_FILE_NOT_FOUND);
}

// A type library is registered per version; removing one version keeps the other's key.
TEST_F(ComClassRegistry, TypeLibraryVersions) {
    const std::string library = "TypeLib\\" + GuidToString(kLibrary);
    ASSERT_EQ(RegisterTypeLibrary({kLibrary, 1, 0, "ThingLib", "/opt/server/bin/Server", "/opt/server/bin", 0}),
              ERROR_SUCCESS);
    ASSERT_EQ(RegisterTypeLibrary({kLibrary, 1, 10, "ThingLib", "/opt/server/bin/Server", "/opt/server/bin", 0}),
              ERROR_SUCCESS);
    EXPECT_EQ(Text(library + "\\1.0").str(), "ThingLib");
    EXPECT_EQ(Text(library + "\\1.0\\0\\win32").str(), "/opt/server/bin/Server");
    EXPECT_EQ(Text(library + "\\1.0\\FLAGS").str(), "0");
    EXPECT_EQ(Text(library + "\\1.0\\HELPDIR").str(), "/opt/server/bin");
    EXPECT_TRUE(KeyExists(library + "\\1.a"));  // versions are written in hexadecimal

    ASSERT_EQ(UnregisterTypeLibrary(kLibrary, 1, 0), ERROR_SUCCESS);
    EXPECT_FALSE(KeyExists(library + "\\1.0"));
    EXPECT_TRUE(KeyExists(library + "\\1.a"));
    ASSERT_EQ(UnregisterTypeLibrary(kLibrary, 1, 10), ERROR_SUCCESS);
    EXPECT_FALSE(KeyExists(library));
}

// Two stores never share a server: the endpoint follows the store folder; one store gives one
// endpoint whoever asks.
TEST(ComEndpoint, EndpointFollowsTheStore) {
    std::string first;
    std::string firstAgain;
    std::string second;
    {
        TestEnvironment environment;
        ASSERT_EQ(ServerEndpointPath(kClass, first), ERROR_SUCCESS);
        ASSERT_EQ(ServerEndpointPath(kClass, firstAgain), ERROR_SUCCESS);
    }
    {
        TestEnvironment environment;
        ASSERT_EQ(ServerEndpointPath(kClass, second), ERROR_SUCCESS);
    }
    EXPECT_EQ(first, firstAgain);
    EXPECT_NE(first, second);
    EXPECT_NE(first.find("0A1B2C3D-1111-2222-3333-444455556666.sock"), std::string::npos);
    EXPECT_LT(first.size(), sizeof(sockaddr_un::sun_path));
}

// The runtime folder is private, and one that others could write to is refused rather than used.
TEST(ComEndpoint, RuntimeFolderIsPrivate) {
    TestEnvironment environment;
    const std::string runtime = environment.Path("rt");
    std::filesystem::create_directories(runtime);
    setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
    std::string folder;
    ASSERT_EQ(RuntimeFolder(folder), ERROR_SUCCESS);
    struct stat info {};
    ASSERT_EQ(::stat(folder.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);
    if (runtime.size() + 6 + 59 <= 107) {
        EXPECT_EQ(folder, runtime + "/kelvo");
    }

    ::chmod(folder.c_str(), 0777);
    std::string refused;
    // The shared fallback is used instead of the folder others may write to.
    ASSERT_EQ(RuntimeFolder(refused), ERROR_SUCCESS);
    EXPECT_NE(refused, folder);
    unsetenv("XDG_RUNTIME_DIR");
}

// The start lock lives beside the registration, in the store folder.
TEST(ComEndpoint, StartLockIsInTheStore) {
    TestEnvironment environment;
    std::string lock;
    ASSERT_EQ(ServerStartLockPath(kClass, lock), ERROR_SUCCESS);
    EXPECT_EQ(lock, environment.RegistryFolder().string() + "/LocalServer-" + GuidToString(kClass) + ".lock");
}

}  // namespace
