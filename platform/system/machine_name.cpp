#include "platform/system/machine_name.h"

#include "platform/text/string.h"

#include <unistd.h>

#include <string>

namespace platform {

bool IsThisMachine(std::string_view name) {
    if (name.substr(0, 2) == "\\\\") name.remove_prefix(2);
    if (name.empty() || name == ".") return true;
    char host[256] = {};
    if (::gethostname(host, sizeof host - 1) != 0) return false;
    const std::string full(host);
    const std::string shortName = full.substr(0, full.find('.'));
    const String candidate{std::string(name)};
    return candidate.CompareNoCase(full.c_str()) == 0 || candidate.CompareNoCase(shortName.c_str()) == 0;
}

}  // namespace platform
