#pragma once

#include "engine/KnownTeams.h"
#include "engine/Prediction.h"
#include "engine/Tournament.h"
#include "engine/TournamentPlay.h"

#include <string>
#include <vector>

namespace tiplark {

// The report of a prediction of any tournament, in the spirit of the board's
// printed report and in a language: the title, every group with its matches
// and table, the best third-placed teams where some go through, the
// knockout round by round with its scores and shoot-outs, and the champion.
// The bracket shows the teams the prediction has settled (KnownTeams); an
// open slot shows as the tournament file writes it ("1A", "W73"). Lines
// without line ends, UTF-8.
std::vector<std::string> tournamentReportLines(int languageIndex, const Tournament& tournament,
                                               const Prediction& prediction, const Outcome& outcome,
                                               const KnownTeams& known);

// Its group tables and third-placed teams alone.
std::vector<std::string> standingsLines(int languageIndex, const Tournament& tournament, const Outcome& outcome);

// Its knockout rounds and champion alone.
std::vector<std::string> bracketLines(int languageIndex, const Tournament& tournament, const Prediction& prediction,
                                      const KnownTeams& known);

}  // namespace tiplark
