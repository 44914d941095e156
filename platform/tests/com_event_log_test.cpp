#include "platform/text/codepage.h"
#include "platform/com/hresult_text.h"
#include "platform/system/event_log.h"
#include "platform/win32_error.h"

#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

namespace {

using namespace platform;

class CapturingWriter final : public EventLogWriter {
public:
    bool Write(const EventLogEntry& entry) override {
        entries.push_back(entry);
        return answer;
    }
    std::vector<EventLogEntry> entries;
    bool answer = true;
};

class ComEventLog : public ::testing::Test {
protected:
    void SetUp() override { previous_ = SetEventLogWriter(&writer_); }
    void TearDown() override { SetEventLogWriter(previous_); }
    CapturingWriter writer_;
    EventLogWriter* previous_ = nullptr;
};

// An entry reaches the writer with its source, type, category, id and strings, in order.
TEST_F(ComEventLog, ReportedEntryReachesTheWriter) {
    const HANDLE_EVENTSOURCE source = RegisterEventSource(nullptr, "Quorvel");
    ASSERT_NE(source, nullptr);
    const String strings[2] = {"first", "second"};
    EXPECT_TRUE(ReportEvent(source, EVENTLOG_WARNING_TYPE, 3, 0x800706BA, strings));
    writer_.answer = false;
    EXPECT_FALSE(ReportEvent(source, EVENTLOG_ERROR_TYPE, 0, 1, {}));
    EXPECT_TRUE(DeregisterEventSource(source));
    ASSERT_EQ(writer_.entries.size(), 2u);
    const EventLogEntry& entry = writer_.entries[0];
    EXPECT_EQ(entry.source.str(), "Quorvel");
    EXPECT_EQ(entry.type, EVENTLOG_WARNING_TYPE);
    EXPECT_EQ(entry.category, 3);
    EXPECT_EQ(entry.eventId, 0x800706BAu);
    ASSERT_EQ(entry.strings.size(), 2u);
    EXPECT_EQ(entry.strings[1].str(), "second");
}

// Only this machine has an event log here; a source needs a name.
TEST_F(ComEventLog, SourcesOnlyOnThisMachine) {
    for (const char* server : {static_cast<const char*>(nullptr), "", ".", "\\\\."}) {
        const HANDLE_EVENTSOURCE source = RegisterEventSource(server, "Quorvel");
        EXPECT_NE(source, nullptr) << (server ? server : "null");
        DeregisterEventSource(source);
    }
    EXPECT_EQ(RegisterEventSource("\\\\far-away-machine", "Quorvel"), nullptr);
    EXPECT_EQ(RegisterEventSource(nullptr, ""), nullptr);
    EXPECT_EQ(RegisterEventSource(nullptr, nullptr), nullptr);
    EXPECT_FALSE(ReportEvent(nullptr, EVENTLOG_ERROR_TYPE, 0, 0, {}));
    EXPECT_FALSE(DeregisterEventSource(nullptr));
}

// The syslog form: priority of the type under facility user, the source as tag with the process
// id, the event id, the strings joined and in UTF-8.
TEST(ComSyslogMessage, FormCarriesPriorityTagIdAndText) {
    struct Case {
        WORD type;
        const char* priority;
    };
    for (const Case& c : {Case{EVENTLOG_ERROR_TYPE, "<11>"}, Case{EVENTLOG_WARNING_TYPE, "<12>"},
                          Case{EVENTLOG_INFORMATION_TYPE, "<14>"}, Case{EVENTLOG_SUCCESS, "<14>"}}) {
        EventLogEntry entry;
        entry.source = "Quorvel";
        entry.type = c.type;
        entry.eventId = 0x80040154;
        entry.strings = {String(AnsiFromUtf8("Instância")), "\nHR: 0x80040154\n"};
        const std::string message = SyslogMessage(entry);
        EXPECT_EQ(message.rfind(c.priority, 0), 0u) << message;
        const std::string tail = " Quorvel[" + std::to_string(::getpid()) + "]: event 0x80040154: Instância\nHR: 0x80040154\n";
        ASSERT_GE(message.size(), tail.size());
        EXPECT_EQ(message.substr(message.size() - tail.size()), tail);
    }
}

// A flood of text is cut instead of sent whole.
TEST(ComSyslogMessage, LongTextIsCut) {
    EventLogEntry entry;
    entry.source = "Quorvel";
    entry.strings = {String(std::string(20000, 'x'))};
    EXPECT_EQ(SyslogMessage(entry).size(), 8192u);
}

// The syslog writer sends one datagram to its socket, and fails quietly where nobody listens.
TEST(ComSyslogWriter, SendsOneDatagram) {
    char folder[] = "/tmp/kelvo-log-XXXXXX";
    ASSERT_NE(::mkdtemp(folder), nullptr);
    const std::string path = std::string(folder) + "/log";
    const int listener = ::socket(AF_UNIX, SOCK_DGRAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strcpy(address.sun_path, path.c_str());
    ASSERT_EQ(::bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);

    EventLogEntry entry;
    entry.source = "Quorvel";
    entry.type = EVENTLOG_ERROR_TYPE;
    entry.eventId = 5;
    entry.strings = {"text"};
    SyslogWriter writer(path);
    EXPECT_TRUE(writer.Write(entry));
    char received[256] = {};
    const ssize_t got = ::recv(listener, received, sizeof received - 1, MSG_DONTWAIT);
    ASSERT_GT(got, 0);
    const std::string datagram(received, static_cast<std::size_t>(got));
    EXPECT_EQ(datagram.rfind("<11>", 0), 0u);
    EXPECT_NE(datagram.find("Quorvel["), std::string::npos);
    EXPECT_NE(datagram.find("]: event 0x00000005: text"), std::string::npos);

    ::close(listener);
    std::filesystem::remove_all(folder);
    EXPECT_FALSE(writer.Write(entry));
}

// Results have the system's text: Win32 ones through their error number, COM ones their own.
TEST(ComHResultText, TextsFollowTheFacility) {
    EXPECT_EQ(HResultText(HR_RPC_S_SERVER_UNAVAILABLE), Win32ErrorText(RPC_S_SERVER_UNAVAILABLE));
    EXPECT_FALSE(HResultText(HR_RPC_S_SERVER_UNAVAILABLE).empty());
    EXPECT_EQ(HResultText(HResultFromWin32(ERROR_FILE_NOT_FOUND)), Win32ErrorText(ERROR_FILE_NOT_FOUND));
    EXPECT_EQ(HResultText(S_OK), Win32ErrorText(ERROR_SUCCESS));
    EXPECT_EQ(HResultText(REGDB_E_CLASSNOTREG), AnsiFromUtf8("Classe não registrada"));
    EXPECT_EQ(HResultText(E_FAIL), AnsiFromUtf8("Erro não especificado"));
    EXPECT_EQ(HResultText(MakeHResult(0x8004FFFF)), "");
}

}  // namespace
