#pragma once

#include "reference/Outcome.h"

#include <array>

namespace tiplark {

// Points of one match: 4 for the exact score, 3 for the right goal
// difference of a win, 2 for the right outcome only (a draw with another
// score too), 0 otherwise or when a score box is empty. A match scores only
// when its predicted teams are the real ones of that slot, side for side.
// Shoot-outs do not count here, only through who advances.
int matchPoints(const MatchRecord& predicted, const MatchRecord& real);

inline constexpr int ExactPoints = 4;
// Points per team reaching a stage: round of 16, quarter-final, semi-final, final, champion.
inline constexpr std::array<int, StageCount> StagePoints = {1, 2, 3, 4, 6};
inline constexpr std::array<int, StageCount> StageTeams = {16, 8, 4, 2, 1};
inline constexpr int MaximumPoints = [] {
    int total = MatchCount * ExactPoints;
    for (int s = 0; s < StageCount; ++s)
        total += StagePoints[static_cast<size_t>(s)] * StageTeams[static_cast<size_t>(s)];
    return total;
}();

struct PredictionScore {
    std::array<int, MatchCount> match{};
    std::array<int, StageCount> advance{};  // per stage
    int matchTotal = 0;
    int advanceTotal = 0;
    int total = 0;
    int exact = 0;  // matches scored 4
};

// A prediction against the real outcome.
PredictionScore scorePrediction(const TournamentOutcome& predicted, const TournamentOutcome& real);

}  // namespace tiplark
