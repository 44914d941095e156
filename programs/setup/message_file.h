// The module's message file as shipped with the programs (Windows-1252, CR LF line ends).
#pragma once

#include <string>

namespace kelvo::setup {

[[nodiscard]] const std::string& ModuleMessageFile();

}  // namespace kelvo::setup
