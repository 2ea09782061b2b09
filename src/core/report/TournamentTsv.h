#pragma once

#include "engine/KnownTeams.h"
#include "engine/Tournament.h"
#include "engine/TournamentPlay.h"

#include <string>
#include <vector>

namespace tiplark {

// Tab-separated lines for scripts, teams by their codes. The standings: a
// header, then every team, groups by letter and each group's table in order.
std::vector<std::string> standingsTsv(const Tournament& tournament, const Outcome& outcome);

// The bracket: a header, then every knockout match by number with its two
// teams and winner as the prediction has settled them, empty where not known.
std::vector<std::string> bracketTsv(const Tournament& tournament, const KnownTeams& known);

// The tournaments one a line: id, name, teams and matches, in a language's
// aligned columns, or tab-separated under a fixed header.
std::vector<std::string> tournamentListLines(int languageIndex, const std::vector<Tournament>& tournaments, bool tsv);

}  // namespace tiplark
