#pragma once

#include "engine/Tournament.h"

#include <iosfwd>
#include <string>
#include <vector>

namespace tiplark {

// tiplark-report --compare FILE: the 64 matches of a prediction beside the
// real results with their points, the advancing points and the totals, in
// the file's language. Returns the exit status.
int runCompareCommand(const std::string& file, const Tournament& tournament, std::ostream& out, std::ostream& err);

enum class ScoreFormat { Table, Tsv };

// tiplark-report --score FILE...: the files ranked against the real results,
// best first, as an aligned table or tab-separated values. Each unreadable
// file is one line on `err`; the others are still ranked and the status is 1.
// A file named twice (the same path, or another path to the same file) is
// ranked once, with a line on `err`.
int runScoreCommand(const std::vector<std::string>& files, ScoreFormat format, const Tournament& tournament,
                    std::ostream& out, std::ostream& err);

}  // namespace tiplark
