#pragma once

#include "scoring/TournamentScoring.h"

#include <string>
#include <vector>

namespace tiplark {

// One match of a comparison as both front ends show it, in a language.
struct ComparisonRow {
    std::string match;       // "Group A 1", "Round of 16 6", "Final"
    std::string prediction;  // "Germany 4-2 Costa Rica"; "?" for a team not known
    std::string real;        // "Switzerland 0-0 (0-3) Ukraine"
    int points = 0;
};

// Every match of a tournament beside its real result, in a language, in the
// order of the tournament's file (which is the board's): the groups by
// letter, each group's matches in fixture order ("Group A 1"), then the
// knockout round by round ("Quarter-final 2", "Final"). A team not known
// shows as "?", a score not given as "-", one side given as "2-".
std::vector<ComparisonRow> tournamentComparisonRows(int languageIndex, const Tournament& tournament,
                                                    const PlayedPrediction& predicted, const PlayedPrediction& real,
                                                    const TournamentScore& score);

// "Round of 32", …, "Final", "Champion".
std::string stageName(int languageIndex, const Tournament& tournament, const ScoringStage& stage);

}  // namespace tiplark
