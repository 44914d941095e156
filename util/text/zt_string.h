// CZTString: the house string, the framework string with extra helpers and no data of its own.
//
// Drop-in for platform::String everywhere (same layout, no virtual operations); the extra
// members are text chores that the system's code repeats (splitting, padding, counting,
// abbreviating). Value type.
#pragma once

#include "platform/string.h"

#include <vector>

class CZTString : public platform::String {
public:
    using platform::String::String;
    CZTString() = default;
    CZTString(const platform::String& other) : platform::String(other) {}
};

// The framework's typed array of house strings.
using CZTStringArray = std::vector<CZTString>;
