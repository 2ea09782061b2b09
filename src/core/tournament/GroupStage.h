#pragma once

#include "board/Board.h"
#include "tournament/BoardControls.h"
#include "tournament/GroupStandings.h"

#include <array>

namespace tiplark {

class Highlighter;
class Language;
struct Preferences;

// The group stage: recomputes a group's table from its twelve score boxes on
// every change, writes winner and runner-up into the round of 16 and empties
// a round-of-16 match whose team changed. Binds GroupAChange .. GroupHChange
// to the score boxes when constructed.
class GroupStage {
public:
    GroupStage(Board& board, const BoardControls& controls, const Language& language, Preferences& preferences,
               Highlighter& highlighter);

    // GroupAChange .. GroupHChange; group 0..7. A score that is not a number
    // ends the recomputation with ActionAborted, leaving the board as it was
    // last written.
    void GroupChange(int group);
    // CalculateGroupA .. CalculateGroupH: ranks the group's table (final or
    // interim pass), writes it into the table panel, refreshes the highlighting.
    void CalculateGroup(int group, bool final);
    // Translates the table and knockout team labels once after a language
    // change or a load, when the preferences say names are pending.
    void SetFirstTimeGroups();
    void PopulateGroupTeamName(ControlId label);
    void CalculateAll() {}

    const GroupTable& table(int group) const { return m_tables[static_cast<size_t>(group)]; }

private:
    void writeTable(int group, bool final);
    void updateRoundOf16(int group);
    void emptyScores(const MatchControls& match);

    Board& m_board;
    const BoardControls& m_controls;
    const Language& m_language;
    Preferences& m_preferences;
    Highlighter& m_highlighter;
    std::array<GroupTable, GroupCount> m_tables{};
};

}  // namespace tiplark
