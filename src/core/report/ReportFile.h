#pragma once

#include <optional>
#include <string>
#include <vector>

namespace tiplark {

// Creates or replaces the file and writes the report lines to it in
// Windows-1252, each ended by CR LF. On failure returns the system's message
// for it; the file is closed in every case and what was written stays.
std::optional<std::string> writeReportFile(const std::string& path, const std::vector<std::string>& lines);

}  // namespace tiplark
