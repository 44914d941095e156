#include "util/system/zt_novo_guid.h"

#include "platform/com/guid.h"

#include <string>

CZTString ZTNovoGUID() {
    platform::GUID guid{};
    if (platform::FAILED(platform::NewGuid(guid))) return {};
    const std::string chaves = platform::GuidToString(guid);
    // The braced form is "{" + 36 characters + "}".
    return CZTString(chaves.substr(1, chaves.size() - 2));
}
