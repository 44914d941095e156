// The event log: the system log (syslog) under the source names and with the texts the callers
// give.
//
// A caller registers an event source on this machine, reports entries through it and
// deregisters it, as on the original platform. Each entry goes to the installed writer: by
// default one datagram to the local syslog socket ("/dev/log"), facility user, priority from the
// entry type, tagged "<source>[<pid>]", the message "event 0x<id>: " followed by the entry's
// strings joined, converted to UTF-8. Where no syslog listens the entry is lost and
// ReportEvent answers false. Tests install a writer of their own. Safe from any thread.
#pragma once

#include "platform/registry/registry.h"
#include "platform/text/string.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace platform {

using WORD = std::uint16_t;

constexpr WORD EVENTLOG_SUCCESS = 0x0000;
constexpr WORD EVENTLOG_ERROR_TYPE = 0x0001;
constexpr WORD EVENTLOG_WARNING_TYPE = 0x0002;
constexpr WORD EVENTLOG_INFORMATION_TYPE = 0x0004;
constexpr WORD EVENTLOG_AUDIT_SUCCESS = 0x0008;
constexpr WORD EVENTLOG_AUDIT_FAILURE = 0x0010;

// One entry as a writer receives it (texts in Windows-1252).
struct EventLogEntry {
    String source;
    WORD type = EVENTLOG_INFORMATION_TYPE;
    WORD category = 0;
    DWORD eventId = 0;
    std::vector<String> strings;
};

class EventLogWriter {
public:
    virtual ~EventLogWriter() = default;
    // Records one entry; false when it could not be recorded.
    virtual bool Write(const EventLogEntry& entry) = 0;
};

// Installs `writer` (not owned; null restores the syslog writer) and returns the previous one.
EventLogWriter* SetEventLogWriter(EventLogWriter* writer);

// The syslog datagram of an entry (priority, tag, message), as the default writer sends it;
// at most 8 KiB, cut there.
[[nodiscard]] std::string SyslogMessage(const EventLogEntry& entry);

// A writer that sends SyslogMessage to the datagram socket at `socketPath`.
class SyslogWriter final : public EventLogWriter {
public:
    explicit SyslogWriter(std::string socketPath = "/dev/log") : socketPath_(std::move(socketPath)) {}
    bool Write(const EventLogEntry& entry) override;

private:
    std::string socketPath_;
};

struct EventSource;
using HANDLE_EVENTSOURCE = EventSource*;

// A handle for writing entries of `sourceName` on `server` (null, empty or this machine's
// name); null for another machine or an empty source name.
[[nodiscard]] HANDLE_EVENTSOURCE RegisterEventSource(const char* server, const char* sourceName);
// Writes one entry with `strings`; false for a null handle or when the writer fails.
bool ReportEvent(HANDLE_EVENTSOURCE source, WORD type, WORD category, DWORD eventId, std::span<const String> strings);
// Closes the handle; false for a null one.
bool DeregisterEventSource(HANDLE_EVENTSOURCE source);

}  // namespace platform
