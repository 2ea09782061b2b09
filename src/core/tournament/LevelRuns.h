#pragma once

#include "engine/TournamentPlay.h"

#include <cstddef>
#include <vector>

namespace tiplark {

// Neighbouring rows of a table that nothing the scores decide tells apart:
// only the default order (the draw's, or the groups' for third-placed
// teams) or the order chosen for them does.
struct LevelRun {
    size_t first = 0;  // row in the table
    size_t count = 0;  // two or more
    bool chosen = false;  // every neighbour told apart by the chosen order

    bool operator==(const LevelRun&) const = default;
};

// The level runs of a group's table once all its matches are played: an
// unfinished group is level on little more than its fixtures, nothing worth
// an order of its own yet.
std::vector<LevelRun> groupLevelRuns(const TournamentPlay& play, int group);

// The level runs of the third-placed teams, among those whose groups are
// finished.
std::vector<LevelRun> thirdsLevelRuns(const TournamentPlay& play);

// The teams of the runs, in table order, run after run.
std::vector<std::vector<int>> levelRunTeams(const RankedTable& table, const std::vector<LevelRun>& runs);

}  // namespace tiplark
