#include "platform/system/event_log.h"

#include "platform/text/codepage.h"
#include "platform/system/machine_name.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <syslog.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <cstring>
#include <ctime>

namespace platform {

struct EventSource {
    String name;
};

namespace {

constexpr std::size_t kMaxMessage = 8192;

SyslogWriter g_syslogWriter;
std::atomic<EventLogWriter*> g_writer{&g_syslogWriter};

int PriorityOf(WORD type) {
    switch (type) {
        case EVENTLOG_ERROR_TYPE:
        case EVENTLOG_AUDIT_FAILURE: return LOG_ERR;
        case EVENTLOG_WARNING_TYPE: return LOG_WARNING;
        case EVENTLOG_AUDIT_SUCCESS: return LOG_NOTICE;
        default: return LOG_INFO;
    }
}

// "Mmm dd hh:mm:ss", the classic syslog time stamp, in local time.
std::string TimeStamp() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[32];
    std::strftime(text, sizeof text, "%b %e %H:%M:%S", &local);
    return text;
}

}  // namespace

EventLogWriter* SetEventLogWriter(EventLogWriter* writer) {
    return g_writer.exchange(writer ? writer : &g_syslogWriter);
}

std::string SyslogMessage(const EventLogEntry& entry) {
    char head[96];
    std::snprintf(head, sizeof head, "<%d>%s ", LOG_USER | PriorityOf(entry.type), TimeStamp().c_str());
    std::string message = head;
    message += Utf8FromAnsi(entry.source.view());
    std::snprintf(head, sizeof head, "[%d]: event 0x%08X: ", static_cast<int>(::getpid()), entry.eventId);
    message += head;
    for (const String& text : entry.strings) message += Utf8FromAnsi(text.view());
    if (message.size() > kMaxMessage) message.resize(kMaxMessage);
    return message;
}

bool SyslogWriter::Write(const EventLogEntry& entry) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (socketPath_.empty() || socketPath_.size() >= sizeof address.sun_path) return false;
    std::memcpy(address.sun_path, socketPath_.c_str(), socketPath_.size() + 1);
    const int fd = ::socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return false;
    const std::string message = SyslogMessage(entry);
    const ssize_t sent = ::sendto(fd, message.data(), message.size(), MSG_NOSIGNAL,
                                  reinterpret_cast<const sockaddr*>(&address), sizeof address);
    ::close(fd);
    return sent == static_cast<ssize_t>(message.size());
}

HANDLE_EVENTSOURCE RegisterEventSource(const char* server, const char* sourceName) {
    if (!sourceName || !*sourceName || !platform::IsThisMachine(server ? server : "")) return nullptr;
    return new EventSource{String(sourceName)};
}

bool ReportEvent(HANDLE_EVENTSOURCE source, WORD type, WORD category, DWORD eventId, std::span<const String> strings) {
    if (!source) return false;
    EventLogEntry entry;
    entry.source = source->name;
    entry.type = type;
    entry.category = category;
    entry.eventId = eventId;
    entry.strings.assign(strings.begin(), strings.end());
    return g_writer.load()->Write(entry);
}

bool DeregisterEventSource(HANDLE_EVENTSOURCE source) {
    if (!source) return false;
    delete source;
    return true;
}

}  // namespace platform
