#pragma once

#include <array>
#include <string>
#include <string_view>

namespace tiplark {

inline constexpr int TeamCount = 32;
inline constexpr int GroupCount = 8;
inline constexpr int MatchesPerGroup = 6;
inline constexpr int TeamsPerGroup = 4;

// Team numbers run from 1 to 32 in the alphabetical order of the English
// board names; the same numbering is the favourite index.
const char* englishTeamName(int team);

struct GroupInfo {
    char letter;
    // Team numbers in the order a reset table shows them.
    std::array<int, TeamsPerGroup> resetOrder;
    // Team numbers T1..T4 from which the six fixtures are drawn.
    std::array<int, TeamsPerGroup> fixtureTeams;
    // Round-of-16 match (0-based) and side (0-based) that the winner and runner-up fill.
    int winnerMatch, winnerSide;
    int runnerUpMatch, runnerUpSide;
};

const std::array<GroupInfo, GroupCount>& groups();

// Index into GroupInfo::fixtureTeams of side 1 and side 2 of match m (0-based):
// T1-T2, T3-T4, T1-T3, T4-T2, T4-T1, T2-T3.
inline constexpr std::array<std::array<int, 2>, MatchesPerGroup> FixturePairs = {{
    {0, 1}, {2, 3}, {0, 2}, {3, 1}, {3, 0}, {1, 2},
}};

// The knockout rounds in board order. Third place and final have one match each.
enum class Round { Final8, Final4, Final2, Third, Final };
inline constexpr int RoundCount = 5;

struct RoundInfo {
    const char* prefix;  // "Final8": Final811, Final8Lbl, Final8DelButton ...
    const char* panel;   // "GPFinal8"
    int matchCount;
};
const std::array<RoundInfo, RoundCount>& rounds();

// Where the winner of a match of the round of 16, quarter-finals or
// semi-finals goes: match (0-based) and side (0-based) of the next round.
struct NextSlot {
    int match;
    int side;
};
NextSlot nextSlot(Round round, int match);

// The matches in match order: the group matches group by group (A 1..6,
// B 1..6 ..), then the knockout rounds in board order. The one numbering of
// the matches that the board, the kick-off table and the scoring share.
inline constexpr int GroupMatchCount = GroupCount * MatchesPerGroup;
inline constexpr int MatchCount = 64;

struct MatchPlace {
    int group = -1;               // 0..7 for a group match, -1 for a knockout match
    Round round = Round::Final8;   // the knockout round of a knockout match
    int match = 0;                // 0-based within the group or the round
};
// Where match 0..MatchCount-1 stands; throws std::out_of_range otherwise.
MatchPlace matchPlace(int index);

// Names of the controls of a group (letter 'A'..'H'); match and row numbers 1-based.
std::string groupScoreName(char letter, int match, int side);  // "GA11"
std::string groupLabelName(char letter, int match, int side);  // "GA11Lbl"
std::string standingsNameLabel(char letter, int row);          // "GAName1"

// Names of a knockout match's controls; match and side 1-based.
std::string knockoutScoreName(Round round, int match, int side);    // "Final811"
std::string knockoutPenaltyName(Round round, int match, int side);  // "Final811pk"
std::string knockoutLabelName(Round round, int match, int side);    // "Final811Lbl"

}  // namespace tiplark
