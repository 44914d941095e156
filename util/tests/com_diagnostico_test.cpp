#include "util/com/zt_evento_servidor.h"
#include "util/com/zt_ping.h"
#include "util/com/zt_servidor_remoto.h"

#include "platform/text/codepage.h"
#include "platform/com/class_registry.h"
#include "platform/system/process_info.h"
#include "platform/tests/support/capturing_event_log_writer.h"
#include "platform/tests/support/test_environment.h"
#include "util/tests/com_test_objects.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace {

using namespace platform;
using namespace kelvo::testing;

// One entry, under the suite's source, with the caller's text and the details line filled.
TEST(ZTRegistraEventoServidor, WritesOneEntryWithDetails) {
    CapturingEventLogWriter writer;
    EventLogWriter* previous = SetEventLogWriter(&writer);
    ZTRegistraEventoServidor(CLSID_Probe, REGDB_E_CLASSNOTREG, EVENTLOG_ERROR_TYPE, "texto do chamador");
    SetEventLogWriter(previous);

    ASSERT_EQ(writer.entries.size(), 1u);
    const EventLogEntry& entry = writer.entries[0];
    EXPECT_EQ(entry.source.str(), "Quorvel");
    EXPECT_EQ(entry.type, EVENTLOG_ERROR_TYPE);
    EXPECT_EQ(entry.category, 0);
    EXPECT_EQ(entry.eventId, 0x80040154u);
    ASSERT_EQ(entry.strings.size(), 2u);
    EXPECT_EQ(entry.strings[0].str(), "texto do chamador");
    String program;
    ASSERT_EQ(ModulePath(program), ERROR_SUCCESS);
    const std::string expected = "\nHR: 0x80040154 (" + AnsiFromUtf8("Classe não registrada") +
                                 ")\nCLSID: {5C0FFEE2-1234-4321-A0A1-A2A3A4A5A6A9}\nPrograma: " + program.str() + "\n";
    EXPECT_EQ(entry.strings[1].str(), expected);
}

// A result the platform has no text for leaves the parentheses empty rather than failing.
TEST(ZTRegistraEventoServidor, UnknownResultHasEmptyText) {
    CapturingEventLogWriter writer;
    EventLogWriter* previous = SetEventLogWriter(&writer);
    ZTRegistraEventoServidor(CLSID_Probe, MakeHResult(0x8004FFFF), EVENTLOG_WARNING_TYPE, "");
    SetEventLogWriter(previous);
    ASSERT_EQ(writer.entries.size(), 1u);
    EXPECT_EQ(writer.entries[0].strings[1].str().rfind("\nHR: 0x8004FFFF ()\nCLSID: ", 0), 0u);
}

class ZTServidorRemoto : public ::testing::Test {
protected:
    void Register(const std::string& appId, const std::optional<std::string>& machine) {
        std::vector<com::RegistryScriptKey> keys = {{"CLSID\\" + GuidToString(CLSID_Probe), "Probe", {{"AppID", appId}}}};
        if (machine) keys.push_back({"AppID\\" + appId, "Probe", {{"RemoteServerName", *machine}}});
        ASSERT_EQ(com::ApplyRegistryScript(HKEY_CLASSES_ROOT, keys, true), ERROR_SUCCESS);
    }
    TestEnvironment environment_;
};

// The application id leads to the machine; every missing link gives an empty text.
TEST_F(ZTServidorRemoto, FollowsTheApplicationId) {
    EXPECT_EQ(ZTGetServidorRemoto(CLSID_Probe).str(), "");
    const std::string appId = "{5C0FFEE3-1234-4321-A0A1-A2A3A4A5A6AA}";
    Register(appId, std::nullopt);
    EXPECT_EQ(ZTGetServidorRemoto(CLSID_Probe).str(), "");
    Register(appId, "storage-host");
    EXPECT_EQ(ZTGetServidorRemoto(CLSID_Probe).str(), "storage-host");
}

// Values longer than the routine's buffers are failures, not truncated names.
TEST_F(ZTServidorRemoto, OverlongValuesGiveEmptyText) {
    Register(std::string(64, 'A'), "host");
    EXPECT_EQ(ZTGetServidorRemoto(CLSID_Probe).str(), "");
    Register(std::string(63, 'B'), "host");
    EXPECT_EQ(ZTGetServidorRemoto(CLSID_Probe).str(), "host");
    Register(std::string(63, 'B'), std::string(256, 'h'));
    EXPECT_EQ(ZTGetServidorRemoto(CLSID_Probe).str(), "");
    Register(std::string(63, 'B'), std::string(255, 'h'));
    EXPECT_EQ(ZTGetServidorRemoto(CLSID_Probe).str(), std::string(255, 'h'));
}

TEST(ZTConverteCLSIDParaTexto, BracedUpperCase) {
    EXPECT_EQ(ZTConverteCLSIDParaTexto(CLSID_Probe).str(), "{5C0FFEE2-1234-4321-A0A1-A2A3A4A5A6A9}");
}

// An empty machine is answered without running anything.
TEST(ZTPing, EmptyMachineNeedsAnAddress) {
    CZTString output("old");
    EXPECT_EQ(ZTPing("", output), S_OK);
    EXPECT_EQ(output.str(), "Falta informar o IP");
    EXPECT_EQ(ZTPing(nullptr, output), S_OK);
    EXPECT_EQ(output.str(), "Falta informar o IP");
}

class ZTPingWithPath : public ::testing::Test {
protected:
    void SetUp() override {
        if (const char* path = std::getenv("PATH")) previous_ = path;
        setenv("PATH", environment_.Folder().c_str(), 1);
    }
    void TearDown() override { setenv("PATH", previous_.c_str(), 1); }
    TestEnvironment environment_;
    std::string previous_;
};

// Ping runs with a count and a deadline so that it ends; its output and errors are the text.
TEST_F(ZTPingWithPath, RunsPingWithCountAndCapturesItsOutput) {
    const std::string ping = environment_.Path("ping");
    kelvo::testing::WriteFile(ping, "#!/bin/sh\necho \"args: $*\"\necho \"sem resposta\" >&2\nexit 1\n");
    std::filesystem::permissions(ping, std::filesystem::perms::owner_all);
    CZTString output;
    EXPECT_EQ(ZTPing("-host", output), S_OK);
    EXPECT_EQ(output.str(), "args: -c 4 -w 10 -- -host\nsem resposta\n");
}

// Without ping the text says so and the result carries the error.
TEST_F(ZTPingWithPath, MissingPingIsReported) {
    CZTString output;
    EXPECT_EQ(ZTPing("host", output), HResultFromWin32(ERROR_FILE_NOT_FOUND));
    EXPECT_NE(output.Find("ping -c 4 -w 10 host"), -1) << output.str();
    EXPECT_NE(output.Find(Win32ErrorText(ERROR_FILE_NOT_FOUND).c_str()), -1) << output.str();
}

}  // namespace
