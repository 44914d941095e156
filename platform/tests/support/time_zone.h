// A scoped time zone for tests: sets TZ (and tzset) for the lifetime of the object and puts the
// previous zone back afterwards.
//
// Tests of local-time conversions use it so that their expectations do not depend on the zone of
// the machine that runs them. One per test at a time; not for concurrent threads.
#pragma once

#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>

namespace kelvo::testing {

// Zones the tests use, in POSIX TZ form.
inline constexpr const char* kUtc = "UTC0";
inline constexpr const char* kUtcMinus3 = "<-03>3";                         // UTC−3 all year
inline constexpr const char* kUtcPlus3 = "<+03>-3";                         // UTC+3 all year
inline constexpr const char* kUtcPlus0530 = "<+0530>-5:30";                 // UTC+5:30 all year
inline constexpr const char* kCentralEurope = "CET-1CEST,M3.5.0,M10.5.0/3";  // UTC+1, summer UTC+2

class ScopedTimeZone {
public:
    explicit ScopedTimeZone(const char* tz) {
        if (const char* previous = std::getenv("TZ")) previous_ = previous;
        ::setenv("TZ", tz, 1);
        ::tzset();
    }
    ~ScopedTimeZone() {
        if (previous_) {
            ::setenv("TZ", previous_->c_str(), 1);
        } else {
            ::unsetenv("TZ");
        }
        ::tzset();
    }
    ScopedTimeZone(const ScopedTimeZone&) = delete;
    ScopedTimeZone& operator=(const ScopedTimeZone&) = delete;

private:
    std::optional<std::string> previous_;
};

}  // namespace kelvo::testing
