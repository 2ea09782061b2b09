#pragma once

#include "board/Board.h"
#include "tournament/BoardControls.h"
#include "reference/GroupStandings.h"

#include <array>

namespace tiplark {

class Highlighter;
class TournamentTexts;

// The group stage: recomputes a group's table from its twelve score boxes on
// every change, writes winner and runner-up into the round of 16 and empties
// a round-of-16 match whose team changed. Binds GroupAChange .. GroupHChange
// to the score boxes when constructed.
class GroupStage {
public:
    GroupStage(Board& board, const BoardControls& controls, const TournamentTexts& texts, Highlighter& highlighter);

    // GroupAChange .. GroupHChange; group 0..7. A score that is not a number
    // ends the recomputation with ActionAborted, leaving the board as it was
    // last written.
    void GroupChange(int group);
    // CalculateGroupA .. CalculateGroupH: ranks the group's table with the
    // final pass, writes it into the table panel, refreshes the highlighting.
    // GroupChange ranks its interim passes itself without writing them: they
    // would be overwritten within the same action.
    void CalculateGroup(int group);
    // Translates the table and knockout team labels from the previous
    // language's names into the current ones (the group-match labels are
    // written by the language switch itself).
    void SetFirstTimeGroups();
    void PopulateGroupTeamName(ControlId label);

    const GroupTable& table(int group) const { return m_tables[static_cast<size_t>(group)]; }

private:
    // The table's rows as they stand, into the table panel.
    void writeRows(int group);
    void updateRoundOf16(int group);
    void emptyScores(const MatchControls& match);

    Board& m_board;
    const BoardControls& m_controls;
    const TournamentTexts& m_texts;
    Highlighter& m_highlighter;
    std::array<GroupTable, GroupCount> m_tables{};
};

}  // namespace tiplark
