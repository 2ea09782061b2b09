#pragma once

#include "board/Board.h"
#include "tournament/BoardControls.h"

#include <vector>

namespace tiplark {

class CursorService;
class MessageService;
class TournamentTexts;

// The clear buttons of the thirteen panels and Clear All. Clearing only
// empties score boxes; tables, bracket, penalties and champion follow from
// the change events of the emptied boxes, as if each score had been deleted
// by hand.
class Clearing {
public:
    Clearing(Board& board, const BoardControls& controls, const TournamentTexts& texts, MessageService& messages,
             CursorService& cursor);

    // Click of every clear button, GroupADelButton .. FinalDelButton: empties
    // the score boxes of the button's panel (GroupPanelA .. GPFinal) in board
    // order, each box's cascade running before the next box is emptied.
    void GroupADelButtonClick(ControlId panel);
    // Click of ClearAllButton and Clear1: after a Yes to the warning, clears
    // the groups A..H, then the knockout rounds from the round of 16 to the final.
    void ClearAllButtonClick();

private:
    struct PanelBoxes {
        ControlId panel;
        std::vector<ControlId> scores;
    };

    void clear(const PanelBoxes& panel);

    Board& m_board;
    const TournamentTexts& m_texts;
    MessageService& m_messages;
    CursorService& m_cursor;
    std::vector<PanelBoxes> m_panels;  // in the order Clear All runs them
};

}  // namespace tiplark
