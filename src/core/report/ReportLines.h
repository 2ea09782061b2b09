#pragma once

#include "report/TextLookup.h"

#include <string>
#include <vector>

namespace tiplark {

inline constexpr int ReportLineCount = 193;

// The printed report: title, the eight groups with their matches and tables,
// the five knockout rounds and the champion, copied from the board's texts as
// they stand (193 lines, without line ends, UTF-8). Computes nothing.
std::vector<std::string> BuildReportLines(int languageIndex, const TextLookup& texts);

}  // namespace tiplark
