#pragma once

#include "engine/Prediction.h"
#include "engine/TournamentPlay.h"
#include "engine/Tournament.h"

#include <array>
#include <vector>

namespace tiplark {

// The knockout teams a prediction has settled, as someone filling in a
// bracket by hand counts them: a group's places once every match of that
// group is filled in, the third-placed teams once every group's matches
// are, and a winner's or loser's slot once both teams of the match that
// feeds it were known and that match is decided. Until then the engine's
// bracket holds provisional teams, from tables still being played; here
// their slots are NoTeam.
struct KnownTeams {
    std::vector<std::array<int, 2>> knockout;  // per knockout match, first-named side first
    std::vector<int> winners;                  // per knockout match: its winner, or NoTeam
    int champion = NoTeam;
};

KnownTeams knownTeams(const Tournament& tournament, const Prediction& prediction, const Outcome& outcome);

}  // namespace tiplark
