#include "outside/imporix/import_log.h"

#include <filesystem>
#include <fstream>
#include <optional>
#include <system_error>

namespace imporix {

namespace {

// The number of lines in the list; nullopt when it cannot be read or is too big.
std::optional<unsigned long long> CountLines(const std::filesystem::path& list) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(list, error)) return std::nullopt;
    const auto size = std::filesystem::file_size(list, error);
    if (error || size > kMaxListBytes) return std::nullopt;
    std::ifstream in(list, std::ios::binary);
    if (!in) return std::nullopt;
    unsigned long long lines = 0;
    std::string line;
    // The size check bounds the loop; the read limit guards a file that grows meanwhile.
    unsigned long long bytes = 0;
    while (bytes <= kMaxListBytes && std::getline(in, line)) {
        bytes += line.size() + 1;
        ++lines;
    }
    if (in.bad() || bytes > kMaxListBytes) return std::nullopt;
    return lines;
}

bool AppendLine(const std::filesystem::path& log, const std::string& line) {
    std::ofstream out(log, std::ios::binary | std::ios::app);
    if (!out) return false;
    out << line << '\n';
    out.flush();
    return static_cast<bool>(out);
}

}  // namespace

bool ReadListAndLog(const char* path, const std::string& call) {
    if (!path || !*path) return false;
    const std::filesystem::path list(path);
    const std::optional<unsigned long long> lines = CountLines(list);
    if (!lines) return false;
    return AppendLine(list.parent_path() / "IMPORIX.LOG", call + ";" + std::to_string(*lines));
}

}  // namespace imporix
