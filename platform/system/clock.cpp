#include "platform/system/clock.h"

#include <cstdlib>
#include <ctime>
#include <limits>
#include <mutex>
#include <optional>
#include <string>

namespace platform {

namespace {

void FieldsFromTm(const std::tm& parts, CalendarFields& fields) {
    fields.year = parts.tm_year + 1900;
    fields.month = parts.tm_mon + 1;
    fields.day = parts.tm_mday;
    fields.hour = parts.tm_hour;
    fields.minute = parts.tm_min;
    fields.second = parts.tm_sec;
}

// time_t is 64 bits on every platform we build for; the check keeps a narrower one honest.
bool FitsTimeT(std::int64_t seconds) {
    return seconds >= std::numeric_limits<std::time_t>::min() && seconds <= std::numeric_limits<std::time_t>::max();
}

// The time zone the C library was last told to load, and when. tzset() looks at the zone file
// each time it is called; a change of TZ is seen at once, a changed zone file within a second.
class ZoneFollower {
public:
    void Follow() {
        const char* tz = std::getenv("TZ");
        const std::int64_t now = CoarseSeconds();
        std::lock_guard lock(mutex_);
        if (loaded_ && SameZone(tz) && now - loadedAt_ < 1) return;
        ::tzset();
        seen_ = tz ? std::optional<std::string>(tz) : std::nullopt;
        loadedAt_ = now;
        loaded_ = true;
    }

private:
    // Read in user space: the coarse monotonic clock makes no system call.
    static std::int64_t CoarseSeconds() {
        std::timespec now{};
        ::clock_gettime(CLOCK_MONOTONIC_COARSE, &now);
        return static_cast<std::int64_t>(now.tv_sec);
    }
    // An unset TZ (the zone file) and an empty one (universal time) are different zones.
    bool SameZone(const char* tz) const { return tz ? seen_ && *seen_ == tz : !seen_; }

    std::mutex mutex_;
    bool loaded_ = false;
    std::optional<std::string> seen_;
    std::int64_t loadedAt_ = 0;
};

ZoneFollower& Zone() {
    static ZoneFollower follower;
    return follower;
}

// The library's calls answer -1 both for failure and for one second before 1970; a failed call
// leaves the weekday untouched, a successful one always sets it.
template <typename Convert>
bool Converted(Convert convert, std::tm& parts, std::time_t& moment) {
    parts.tm_wday = -1;
    moment = convert(&parts);
    return moment != static_cast<std::time_t>(-1) || parts.tm_wday != -1;
}

bool OffsetAt(std::time_t moment, long& offset, std::tm* parts = nullptr) {
    std::tm local{};
    if (!::localtime_r(&moment, &local)) return false;
    offset = local.tm_gmtoff;
    if (parts) *parts = local;
    return true;
}

bool SameFields(const std::tm& a, const std::tm& b) {
    return a.tm_year == b.tm_year && a.tm_mon == b.tm_mon && a.tm_mday == b.tm_mday && a.tm_hour == b.tm_hour &&
           a.tm_min == b.tm_min && a.tm_sec == b.tm_sec;
}

// The moment of local fields found with localtime_r alone (mktime looks at the zone file at every
// call). Only where the zone's offset is the same for a day either side, so that the fields name
// exactly one moment; false elsewhere (near a change of offset mktime decides).
bool UnambiguousLocalMoment(const std::tm& fields, std::time_t& moment) {
    constexpr std::time_t kDay = 86400;
    std::tm normalized = fields;
    std::time_t asUniversal = 0;
    if (!Converted(::timegm, normalized, asUniversal)) return false;
    long offset = 0, before = 0, after = 0;
    if (!OffsetAt(asUniversal, offset)) return false;
    std::tm local{};
    moment = asUniversal - offset;
    if (!OffsetAt(moment, offset, &local) || !SameFields(local, normalized)) return false;
    return OffsetAt(moment - kDay, before) && OffsetAt(moment + kDay, after) && before == offset && after == offset;
}

}  // namespace

bool ReadWallClock(WallClockReading& reading) {
    std::timespec now{};
    if (::clock_gettime(CLOCK_REALTIME, &now) != 0) return false;
    reading.seconds = static_cast<std::int64_t>(now.tv_sec);
    reading.nanoseconds = static_cast<std::int32_t>(now.tv_nsec);
    return true;
}

bool LocalFieldsOf(std::int64_t seconds, CalendarFields& fields) {
    if (!FitsTimeT(seconds)) return false;
    const std::time_t t = static_cast<std::time_t>(seconds);
    std::tm parts{};
    // localtime_r need not look at TZ again by itself; the clock must follow a changed zone.
    Zone().Follow();
    if (!::localtime_r(&t, &parts)) return false;
    FieldsFromTm(parts, fields);
    return true;
}

bool UniversalFieldsOf(std::int64_t seconds, CalendarFields& fields) {
    if (!FitsTimeT(seconds)) return false;
    const std::time_t t = static_cast<std::time_t>(seconds);
    std::tm parts{};
    if (!::gmtime_r(&t, &parts)) return false;
    FieldsFromTm(parts, fields);
    return true;
}

bool UniversalOfLocalFields(const CalendarFields& fields, std::int64_t& seconds) {
    // The C library's fields count years from 1900 and months from 0: keep both inside an int.
    if (fields.year < std::numeric_limits<int>::min() + 1900 || fields.month == std::numeric_limits<int>::min()) {
        return false;
    }
    std::tm parts{};
    parts.tm_year = fields.year - 1900;
    parts.tm_mon = fields.month - 1;
    parts.tm_mday = fields.day;
    parts.tm_hour = fields.hour;
    parts.tm_min = fields.minute;
    parts.tm_sec = fields.second;
    parts.tm_isdst = -1;
    std::time_t t = 0;
    Zone().Follow();
    if (!UnambiguousLocalMoment(parts, t) && !Converted(std::mktime, parts, t)) return false;
    seconds = static_cast<std::int64_t>(t);
    return true;
}

}  // namespace platform
