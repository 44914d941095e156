// The embedded default: what a first run needs so that the system works without set-up by hand.
//
// Prepares, when missing, the suite's folders under a data root, their registry values, the
// module's message file and report models, and one demo company with its name and data folder, one supervisor
// user (with branch 1 active and the rights below) and branch 1 with its name. Values and files that are
// already there are left as the user or an earlier run made them, except the message file, the report
// models and the module's installation folder, which follow the build that runs. Running it twice changes
// nothing the second time. Single-threaded; uses the registry store that KELVO_REGISTRY names.
#pragma once

#include "outside/conexo/conexo_direitos.h"

#include <cstdint>
#include <string>
#include <vector>

namespace kelvo::setup {

// The code and the name of the demo company.
inline constexpr char kDemoCompany[] = "DEMO";
inline constexpr char kDemoCompanyName[] = "DEMO";
// Its supervisor (user code and name) and its first branch (code and name, UTF-8 here; the
// branch name is also the pass phrase of the company's content key).
inline constexpr std::uint16_t kDemoUser = 1;
inline constexpr char kDemoUserName[] = "Supervisor";
inline constexpr std::uint16_t kDemoBranch = 1;
inline constexpr char kDemoBranchName[] = "Matriz São Paulo";

// What the demo supervisor is granted: rights 1 to 16 of this module, and rights 2, 3, 33 and 42
// of the suite's base module.
[[nodiscard]] std::vector<CONEXO_DIREITO> DemoSupervisorRights();

struct PreparationReport {
    std::vector<std::string> changes;  // one line per change, Windows-1252
    std::vector<std::string> failures; // one line per step that could not be done
};

// Prepares the default under `dataRoot` (a folder, created when missing) for programs installed
// in `programFolder`, with `messageFile` as the content of the module's message file. When
// `modulesProgram` is given, the stand-in servers of the suite's other modules are registered
// with that program as their local server (again only when they name another one).
[[nodiscard]] PreparationReport PrepareEmbeddedDefault(const std::string& dataRoot, const std::string& programFolder,
                                                       const std::string& messageFile,
                                                       const std::string& modulesProgram = {});

}  // namespace kelvo::setup
