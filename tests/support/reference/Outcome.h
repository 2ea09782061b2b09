#pragma once

#include "engine/Tournament.h"
#include "tournament/TournamentData.h"

#include <array>
#include <string>
#include <vector>

namespace tiplark {

class MainBoard;

// The stages a team can reach, each worth advancing points.
enum class Stage { RoundOf16, QuarterFinal, SemiFinal, Final, Champion };
inline constexpr int StageCount = 5;

// One match as a board shows it. Teams are team numbers, so that boards in
// different languages compare alike; 0 stands for a slot not known.
struct MatchRecord {
    std::array<int, 2> team{};
    std::array<std::string, 2> score;
    std::array<std::string, 2> penalty;  // empty without a shoot-out
};

// What a board says happened: the 64 matches and the teams reaching each stage.
struct TournamentOutcome {
    std::array<MatchRecord, MatchCount> matches;
    std::array<std::vector<int>, StageCount> reached;
};

// Reads the board's boxes and labels. A round-of-16 team is known only when
// all six matches of its group are filled in (an unplayed group still shows
// its reset order); a later slot's team only when both teams of the match
// that fed it were known. So a guess at the bracket alone earns nothing.
TournamentOutcome readOutcome(const MainBoard& main);

// The outcome of the real tournament, built once per tournament on a board
// of its own.
const TournamentOutcome& realOutcome(const Tournament& tournament);

// Team number of a board name, looked up in the given language first and
// then in the others; 0 for the placeholder or any other text.
int teamNumber(int languageIndex, const std::string& name);

}  // namespace tiplark
