#include "platform/ui/message/messages.h"

#include "platform/text/string.h"

#include <map>
#include <mutex>
#include <string>

namespace platform::ui {

namespace {

constexpr UINT kFirstRegisteredMessage = 0xC000;
constexpr UINT kLastRegisteredMessage = 0xFFFF;

}  // namespace

UINT RegisterWindowMessage(const char* name) {
    if (!name || !*name) return 0;
    std::string key(name);
    for (char& ch : key) ch = AnsiToUpper(ch);

    static std::mutex mutex;
    static std::map<std::string, UINT> numbers;
    const std::lock_guard lock(mutex);
    if (const auto found = numbers.find(key); found != numbers.end()) return found->second;
    const UINT number = kFirstRegisteredMessage + static_cast<UINT>(numbers.size());
    if (number > kLastRegisteredMessage) return 0;
    numbers.emplace(std::move(key), number);
    return number;
}

}  // namespace platform::ui
