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

    // GroupAChange .. GroupHChange; group 0..7.
    void GroupChange(int group);
    void SetFirstTimeGroups();
    void PopulateGroupTeamName(ControlId label);
    void CalculateAll() {}

    const GroupTable& table(int group) const { return m_tables[static_cast<size_t>(group)]; }

private:
    Board& m_board;
    const BoardControls& m_controls;
    const Language& m_language;
    Preferences& m_preferences;
    Highlighter& m_highlighter;
    std::array<GroupTable, GroupCount> m_tables{};
};

}  // namespace tiplark
