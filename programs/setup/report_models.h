// The module's report models as shipped with the programs: one model per report, named by the
// report's code, in the format the report generator reads (Windows-1252).
#pragma once

#include <string>
#include <vector>

namespace kelvo::setup {

struct ReportModel {
    const char* code;     // the report's code: "TPD", "LOG", "DOC" or "LOC"
    const char* name;     // the model's name, the file name without ".txt"
    std::string content;  // the file's bytes
};

[[nodiscard]] const std::vector<ReportModel>& ModuleReportModels();

}  // namespace kelvo::setup
