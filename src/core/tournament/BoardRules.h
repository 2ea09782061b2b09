#pragma once

#include "board/Board.h"
#include "engine/TournamentPlay.h"
#include "tournament/BoardControls.h"
#include "tournament/LevelRuns.h"

#include <string>
#include <string_view>
#include <vector>

namespace tiplark {

class Highlighter;
class TournamentTexts;

// In place of the period after the row number ("2="), or after the group
// letter of a third-placed team, on a row that only a chosen or the default
// order separates from a neighbour: the sign of the table's level mark.
inline constexpr std::string_view LevelRowMark = "=";

// "+1" .. "+9" for small positive differences, plain decimal otherwise ("10", "0", "-3").
std::string AddAPlusToDiff(int difference);

// The rules on the board: every score, penalty and level-order box feeds the
// tournament engine when it changes, and the board shows what the engine
// decides. Group tables are written when their group changes; the third-
// placed teams and the bracket after every change: team labels or the open
// slot's placeholder, slots enabled where their team is known, penalty
// boxes shown after a level score, winners in bold, the champion. Scores
// the engine empties, because they were typed for teams no longer in their
// slot, are emptied on the board as well, and raise their change events
// like typing does.
class BoardRules {
public:
    BoardRules(Board& board, const BoardControls& controls, const Tournament& tournament, const TournamentTexts& texts,
               Highlighter& highlighter);
    BoardRules(const BoardRules&) = delete;
    BoardRules& operator=(const BoardRules&) = delete;

    const TournamentPlay& play() const { return m_play; }

    // Takes the prediction from the boxes as they stand, without emptying
    // anything: after the board was put back to a copy of its states.
    void reread();

    // Translates the table and knockout team labels from the previous
    // language's names into the current ones (the group-match labels are
    // written by the language switch itself).
    void SetFirstTimeGroups();
    void PopulateGroupTeamName(ControlId label);
    // Writes the tables' level marks and their hints afresh, in the language
    // in force: the rows only a chosen or the default order separates ("2=")
    // and, on the mark, which teams they are and what ordered them.
    void writeLevelMarks();

private:
    // What a box of the board stands for, found by its id.
    struct BoxRole {
        enum class Kind { None, GroupScore, KnockoutBox, LevelOrder };
        Kind kind = Kind::None;
        int group = 0;  // GroupScore, LevelOrder (-1: the third-placed teams)
        int match = 0;  // GroupScore: in the group; KnockoutBox: in the tournament
        const MatchControls* boxes = nullptr;
    };

    void changed(ControlId box);
    void groupChange(int group, int match);
    void knockoutChange(const MatchControls& match);
    void levelOrderChange(int group, ControlId box);
    void writeGroup(int group);
    void writeThirds();
    void writeGroupLevel(int group);
    void writeThirdsLevel();
    void writeLevelMark(ControlId mark, const RankedTable& table, const std::vector<LevelRun>& runs, bool thirds);
    void writeKnockout();
    void writeBox(ControlId box, int goals);
    std::string teamText(int team) const;

    Board& m_board;
    const BoardControls& m_controls;
    const Tournament& m_tournament;
    const TournamentTexts& m_texts;
    Highlighter& m_highlighter;
    TournamentPlay m_play;
    std::vector<BoxRole> m_roles;  // by control id
    // Set while the rules write boxes back: their change events bring
    // nothing the engine does not know.
    bool m_writing = false;
};

}  // namespace tiplark
