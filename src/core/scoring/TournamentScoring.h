#pragma once

#include "engine/KnownTeams.h"
#include "engine/Prediction.h"
#include "engine/Tournament.h"
#include "engine/TournamentPlay.h"

#include <array>
#include <vector>

namespace tiplark {

// The pool rules for any tournament: 4 points for the exact score of a
// match, 3 for the right goal difference of a win, 2 for the right outcome
// only; a knockout match scores only when its predicted teams are the real
// ones of that slot, side for side, and shoot-outs count only through who
// advances. Each team that really reached a stage and is predicted to earn
// the stage's points: 1 for the first knockout round, one more for each
// later round (the match for third place is no stage), 6 for the champion.
inline constexpr int ExactScorePoints = 4;
inline constexpr int ChampionPoints = 6;

struct ScoringStage {
    int round = -1;  // index into Tournament::rounds; -1 for the champion
    int points = 0;
    int teams = 0;   // how many teams reach it
};

// The first knockout round first, the champion last.
std::vector<ScoringStage> scoringStages(const Tournament& tournament);
int maximumPoints(const Tournament& tournament);

// A prediction with what it decides and what scoring counts of it: the
// teams known (KnownTeams) and, per stage, the known teams that reach it.
struct PlayedPrediction {
    Prediction prediction;
    Outcome outcome;
    KnownTeams known;
    std::vector<std::vector<int>> reached;
};

PlayedPrediction playPrediction(const Tournament& tournament, Prediction prediction);

// Points of one match; NoTeam on either side, or any other team, gives 0.
int matchPoints(const std::array<int, 2>& predictedTeams, const MatchScore& predicted,
                const std::array<int, 2>& realTeams, const MatchScore& real);

struct TournamentScore {
    std::vector<int> group;     // per group match
    std::vector<int> knockout;  // per knockout match
    std::vector<int> advance;   // per stage of scoringStages
    int matchTotal = 0;
    int advanceTotal = 0;
    int total = 0;
    int exact = 0;  // matches scored ExactScorePoints
};

TournamentScore scoreTournament(const Tournament& tournament, const PlayedPrediction& predicted,
                                const PlayedPrediction& real);

}  // namespace tiplark
