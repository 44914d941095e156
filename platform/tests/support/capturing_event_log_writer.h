// An event-log writer for tests that keeps every entry instead of sending it to the system log.
// Install it with platform::SetEventLogWriter and put the previous writer back afterwards.
#pragma once

#include "platform/system/event_log.h"

#include <vector>

namespace kelvo::testing {

class CapturingEventLogWriter final : public platform::EventLogWriter {
public:
    bool Write(const platform::EventLogEntry& entry) override {
        entries.push_back(entry);
        return true;
    }
    // The entries written so far, oldest first.
    std::vector<platform::EventLogEntry> entries;
};

}  // namespace kelvo::testing
