#pragma once

#include "board/Board.h"

#include <string>
#include <vector>

namespace tiplark {

class TournamentTexts;

// Colours the board's team names: the favourite blue wherever it stands, and
// while a mouse button is held on a team label, every place of that team red.
// Only edit boxes and labels lying on the board's panels are concerned;
// Champion and the buttons keep their own colours.
class Highlighter {
public:
    // The favourite's name is asked of texts at every refresh, so texts must
    // outlive the highlighter; a temporary is refused.
    Highlighter(Board& board, const TournamentTexts& texts);
    Highlighter(Board& board, const TournamentTexts&& texts) = delete;
    Highlighter(const Highlighter&) = delete;
    Highlighter& operator=(const Highlighter&) = delete;

    // The refresh is due at the end of the current action: colours depend on
    // the final texts only, and a cascade asks for a refresh after every step.
    void HighlightFavorite();
    void HighlightPressedTeam(const std::string& pressed);
    // One handler pair for all 161 team labels, GA11Lbl to Champion.
    void GAName1MouseDown(ControlId label);
    void GAName1MouseUp(ControlId label);

private:
    void refresh();

    Board& m_board;
    const TournamentTexts& m_texts;
    std::vector<ControlId> m_concerned;  // panel children that are edits or labels, in window order
    bool m_refreshDue = false;
};

}  // namespace tiplark
