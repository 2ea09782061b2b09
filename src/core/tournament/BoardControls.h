#pragma once

#include "board/Board.h"
#include "engine/Tournament.h"
#include "tournament/TournamentData.h"

#include <array>
#include <string>
#include <vector>

namespace tiplark {

inline constexpr const char* Placeholder = "xxxxxxxxxx";

// Standings columns in board order, with their name parts and design captions.
inline constexpr int StandingsColumnCount = 8;
inline constexpr std::array<const char*, StandingsColumnCount> StandingsColumns = {
    "Pts", "P", "W", "T", "L", "GF", "GA", "PM"};
inline constexpr std::array<const char*, StandingsColumnCount> StandingsDesignCaptions = {
    "Pts", "P", "W", "T", "L", "GF", "GA", "+/-"};

struct GroupControls {
    int group = 0;         // in the tournament
    ControlId panel;       // GroupPanelA
    ControlId heading;     // GroupALbl
    ControlId clearButton; // GroupADelButton
    // Per group match, in the tournament's order; [match][side]: GA11, GA12 ...
    std::vector<std::array<ControlId, 2>> score;
    std::vector<std::array<ControlId, 2>> label;  // GA11Lbl ...

    ControlId standingsPanel;    // GPStandA
    ControlId standingsHeading;  // GroupAStandLbl
    std::array<ControlId, StandingsColumnCount> columnHeading;  // GAPtsLbl .. GAPMLbl
    std::vector<ControlId> rowNumber;                           // "1." ..
    std::vector<ControlId> name;                                // GAName1 ..
    std::vector<std::array<ControlId, StandingsColumnCount>> cell;  // [row][column]
    // Hidden: the order the user chose for teams the scores leave level
    // ("JPN,SEN"); NoControl where the ranking needs none.
    ControlId levelOrder = NoControl;  // GALevelOrder
    // Shown while only that order or the draw tells rows apart; opens the
    // choice of their order. NoControl with levelOrder.
    ControlId levelMark = NoControl;  // GALevelMark
};

struct MatchControls {
    int match = 0;                     // in the tournament's knockout
    std::array<ControlId, 2> score;    // Final811, Final812
    std::array<ControlId, 2> penalty;  // Final811pk, Final812pk
    std::array<ControlId, 2> label;    // Final811Lbl, Final812Lbl
};

struct RoundControls {
    int round = 0;             // in the tournament
    ControlId panel;           // GPFinal8
    ControlId heading;         // Final8Lbl
    ControlId penaltyHeading;  // Final8PKLbl
    ControlId clearButton;     // Final8DelButton
    // The match for third place and the final show their shoot-out by
    // enabling the penalty heading.
    bool penaltyMode = false;
    std::vector<MatchControls> matches;
};

// The ranked third-placed teams, where a tournament sends the best on.
struct ThirdsControls {
    ControlId panel;    // GPThirds
    ControlId heading;  // ThirdsLbl
    std::array<ControlId, 4> columnHeading;  // group, points, goal difference, goals
    struct Row {
        ControlId group;     // "A"
        ControlId name;
        std::array<ControlId, 3> cell;  // points, goal difference, goals
        ControlId opponent;  // the group winner it meets: "1E"
    };
    std::vector<Row> rows;
    ControlId levelOrder;  // ThirdsLevelOrder
    ControlId levelMark;   // ThirdsLevelMark, as a group's
};

// Every named control of a tournament's board, resolved once so that the
// rules address them by table rather than by building names on each
// keystroke. A 32-team tournament gets the 2006 board's names: groups
// GroupPanelA .. H, rounds GPFinal8, GPFinal4, GPFinal2, GPThird, GPFinal;
// a larger one adds GPFinal16 and so on.
struct BoardControls {
    std::vector<GroupControls> groups;
    ControlId panel21;  // between the first and the second half of the groups
    std::vector<RoundControls> rounds;  // in the tournament's order
    std::vector<ThirdsControls> thirds;  // one, where the tournament has third-placed teams going through
    ControlId championHeading;  // ChampionLbl
    ControlId champion;         // Champion
    ControlId saveButton;
    ControlId okButton;
    ControlId cancelButton;
    ControlId clearAllButton;

    int finalRoundIndex = 0;
    int thirdPlaceRoundIndex = -1;

    // The round holding the final, and the one of the match for third place
    // (nullptr without one).
    const RoundControls& finalRound() const { return rounds[static_cast<size_t>(finalRoundIndex)]; }
    const RoundControls* thirdPlaceRound() const
    {
        return thirdPlaceRoundIndex < 0 ? nullptr : &rounds[static_cast<size_t>(thirdPlaceRoundIndex)];
    }
    const MatchControls& finalMatch() const { return finalRound().matches[0]; }
    const MatchControls& thirdPlaceMatch() const { return thirdPlaceRound()->matches[0]; }
    // A round of a board shaped like 2006's, by its place in that bracket.
    const RoundControls& round(Round r) const { return rounds.at(static_cast<size_t>(r)); }
    // The two team labels of match 1..matchCount in the tournament's order:
    // the group matches, then the knockout matches.
    // Throws std::out_of_range for any other number.
    std::array<ControlId, 2> matchLabels(int match) const;
    // Whether the control is a table's level mark (never NoControl).
    bool isLevelMark(ControlId id) const;
    // The score boxes a user types into, in the order a load fills them:
    // group by group, then round by round with a round's score pairs before
    // its penalties; the level orders last.
    std::vector<ControlId> userBoxes() const;
};

// Creates a tournament's controls on an empty board in their design state:
// English names in the fixtures, each table in team-list order with empty
// cells, the first knockout round's group slots filled from those lists,
// every other slot open.
BoardControls buildBoard(Board& board, const Tournament& tournament);

// The prefix of a round's control names: "Final8" for a round of eight
// matches, "Third" for the match for third place, "Final" for the final.
std::string roundPrefix(const Tournament& tournament, int round);

}  // namespace tiplark
