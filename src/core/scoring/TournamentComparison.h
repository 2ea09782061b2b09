#pragma once

#include "scoring/Comparison.h"
#include "scoring/TournamentScoring.h"

#include <string>
#include <vector>

namespace tiplark {

// Every match of a tournament beside its real result, in a language: the
// groups by letter, each group's matches in fixture order ("Group A 1"),
// then the knockout round by round ("Round of 32 1", "Final"). A team not
// known shows as "?".
std::vector<ComparisonRow> tournamentComparisonRows(int languageIndex, const Tournament& tournament,
                                                    const PlayedPrediction& predicted, const PlayedPrediction& real,
                                                    const TournamentScore& score);

// "Round of 32", …, "Final", "Champion".
std::string stageName(int languageIndex, const Tournament& tournament, const ScoringStage& stage);

}  // namespace tiplark
