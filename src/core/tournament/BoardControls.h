#pragma once

#include "board/Board.h"
#include "tournament/TournamentData.h"

#include <array>
#include <vector>

namespace tiplark {

struct GroupControls {
    ControlId panel;       // GroupPanelA
    ControlId heading;     // GroupALbl
    ControlId clearButton; // GroupADelButton
    std::array<std::array<ControlId, 2>, MatchesPerGroup> score;  // [match][side]: GA11, GA12 ...
    std::array<std::array<ControlId, 2>, MatchesPerGroup> label;  // GA11Lbl ...

    ControlId standingsPanel;    // GPStandA
    ControlId standingsHeading;  // GroupAStandLbl
    std::array<ControlId, StandingsColumnCount> columnHeading;  // GAPtsLbl .. GAPMLbl
    std::array<ControlId, TeamsPerGroup> rowNumber;              // "1." .. "4."
    std::array<ControlId, TeamsPerGroup> name;                   // GAName1 ..
    std::array<std::array<ControlId, StandingsColumnCount>, TeamsPerGroup> cell;  // [row][column]
};

struct MatchControls {
    std::array<ControlId, 2> score;    // Final811, Final812
    std::array<ControlId, 2> penalty;  // Final811pk, Final812pk
    std::array<ControlId, 2> label;    // Final811Lbl, Final812Lbl
};

struct RoundControls {
    ControlId panel;           // GPFinal8
    ControlId heading;         // Final8Lbl
    ControlId penaltyHeading;  // Final8PKLbl
    ControlId clearButton;     // Final8DelButton
    std::vector<MatchControls> matches;
};

// Every named control of the main board, resolved once so that the rules
// address them by table rather than by building names on each keystroke.
struct BoardControls {
    std::array<GroupControls, GroupCount> groups;
    ControlId panel21;
    std::array<RoundControls, RoundCount> rounds;
    ControlId championHeading;  // ChampionLbl
    ControlId champion;         // Champion
    ControlId saveButton;
    ControlId okButton;
    ControlId cancelButton;
    ControlId clearAllButton;

    const RoundControls& round(Round r) const { return rounds[static_cast<size_t>(r)]; }
    const MatchControls& finalMatch() const { return round(Round::Final).matches[0]; }
    const MatchControls& thirdPlaceMatch() const { return round(Round::Third).matches[0]; }
    // The two team labels of match 1..64 in tournament order: the group
    // matches group by group, then the knockout rounds in board order.
    // Throws std::out_of_range for any other number.
    std::array<ControlId, 2> matchLabels(int match) const;
};

// Creates the controls on an empty board in their design state: English names
// in the fixtures, each table in alphabetical order with empty cells, the
// round of 16 filled from those lists, every later slot open.
BoardControls buildMainBoard(Board& board);

}  // namespace tiplark
