#pragma once

#include "engine/TournamentCatalog.h"

#include <iosfwd>
#include <string>
#include <vector>

namespace tiplark {

// tiplark-report --compare FILE: every match of a prediction beside the
// real results of its tournament with their points, the advancing points
// and the totals, in the file's language. Returns the exit status.
int runCompareCommand(const std::string& file, const TournamentCatalog& catalog, std::ostream& out, std::ostream& err);

enum class ScoreFormat { Table, Tsv };

// tiplark-report --score FILE...: the files ranked against the real results
// of their tournament, best first, as an aligned table or tab-separated
// values. Each unreadable file is one line on `err`; the others are still
// ranked and the status is 1. Files of different tournaments are one line
// on `err`, nothing on `out`, and the status is 2. A file named twice (the
// same path, or another path to the same file) is ranked once, with a line
// on `err`.
int runScoreCommand(const std::vector<std::string>& files, ScoreFormat format, const TournamentCatalog& catalog,
                    std::ostream& out, std::ostream& err);

}  // namespace tiplark
