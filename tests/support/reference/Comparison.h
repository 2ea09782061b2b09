#pragma once

#include "i18n/LanguageTables.h"
#include "reference/Scoring.h"
#include "scoring/TournamentComparison.h"

#include <string>
#include <vector>

namespace tiplark {

// The 2006 program's own comparison of a board, kept as the second
// implementation the generic comparison rows are checked against.

std::string matchTitle(int languageIndex, int index);
std::string matchText(int languageIndex, const MatchRecord& match);
// The names of the stages in a language, in Stage order.
std::string stageName(int languageIndex, Stage stage);

std::vector<ComparisonRow> comparisonRows(int languageIndex, const TournamentOutcome& predicted,
                                          const TournamentOutcome& real, const PredictionScore& score);

}  // namespace tiplark
