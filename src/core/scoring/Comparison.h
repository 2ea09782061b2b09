#pragma once

#include "i18n/LanguageTables.h"
#include "scoring/Scoring.h"

#include <string>
#include <vector>

namespace tiplark {

// One match of a comparison as both front ends show it, in a language.
struct ComparisonRow {
    std::string match;       // "Group A 1", "Round of 16 6", "Final"
    std::string prediction;  // "Germany 4-2 Costa Rica"; "?" for a team not known
    std::string real;        // "Switzerland 0-0 Ukraine (0-3)"
    int points = 0;
};

std::string matchTitle(int languageIndex, int index);
std::string matchText(int languageIndex, const MatchRecord& match);
// The names of the stages in a language, in Stage order.
std::string stageName(int languageIndex, Stage stage);

std::vector<ComparisonRow> comparisonRows(int languageIndex, const TournamentOutcome& predicted,
                                          const TournamentOutcome& real, const PredictionScore& score);

}  // namespace tiplark
