#pragma once

#include "board/Board.h"

#include <string>
#include <vector>

namespace tiplark {

// Colours the board's team names: the favourite blue wherever it stands, and
// while a mouse button is held on a team label, every place of that team red.
// Only edit boxes and labels lying on the board's panels are concerned;
// Champion and the buttons keep their own colours.
class Highlighter {
public:
    // favoriteName is read at every refresh; it belongs to the language.
    // The board must outlive the highlighter.
    Highlighter(Board& board, const std::string& favoriteName);
    Highlighter(const Highlighter&) = delete;
    Highlighter& operator=(const Highlighter&) = delete;

    // The refresh is due at the end of the current action: colours depend on
    // the final texts only, and a cascade asks for a refresh after every step.
    void HighlightFavorite();
    void HighlightPressedTeam(const std::string& pressed);
    void GAName1MouseDown(ControlId label);
    void GAName1MouseUp(ControlId label);

private:
    void refresh();

    Board& m_board;
    const std::string& m_favoriteName;
    std::vector<ControlId> m_concerned;  // panel children that are edits or labels, in window order
    bool m_refreshDue = false;
};

}  // namespace tiplark
