#pragma once

#include "engine/MatchScore.h"

#include <span>
#include <vector>

namespace tiplark {

struct Tournament;

// The group's teams in the order the 2006 program's running table leaves
// them. That table starts in the group's empty-table order; after each
// complete match, in fixture order, it is reordered by points, goal
// difference and goals; a last pass by points marks the teams level on
// points, and each such set is reordered by the head-to-head points, goal
// difference and goals among it, then goal difference and goals. Every pass
// exchanges lines in place (each line against every later one) instead of
// sorting stably, so teams that nothing separates end where the exchanges
// leave them: that order is the criterion `running-table`.
std::vector<int> runningTableOrder(const Tournament& tournament, int group, std::span<const MatchScore> groupScores);

}  // namespace tiplark
