#include "tournament/Highlighter.h"

namespace tiplark {

Highlighter::Highlighter(Board& board, const std::string& favoriteName)
    : m_board(board)
    , m_favoriteName(favoriteName)
{
    for (const ControlId top : board.topLevel()) {
        if (board.control(top).kind != ControlKind::Panel)
            continue;
        for (const ControlId child : board.children(top)) {
            const ControlKind kind = board.control(child).kind;
            if (kind == ControlKind::Edit || kind == ControlKind::Label)
                m_concerned.push_back(child);
        }
    }
    board.addSettleTask([this] {
        if (m_refreshDue)
            refresh();
    });
}

void Highlighter::HighlightFavorite()
{
    const Board::Batch action(m_board);
    m_refreshDue = true;
}

void Highlighter::refresh()
{
    m_refreshDue = false;
    // Visits every label and box; the colour is compared here, inline,
    // because almost none of them change.
    for (const ControlId id : m_concerned) {
        const Control& control = m_board.control(id);
        const TextColour colour = control.text == m_favoriteName ? TextColour::Blue : TextColour::Default;
        if (control.colour != colour)
            m_board.setColour(id, colour);
    }
}

void Highlighter::HighlightPressedTeam(const std::string& pressed)
{
    const Board::Batch action(m_board);
    for (const ControlId id : m_concerned) {
        const std::string& text = m_board.text(id);
        if (text == pressed)
            m_board.setColour(id, TextColour::Red);
        else if (text != m_favoriteName)
            m_board.setColour(id, TextColour::Default);
    }
}

void Highlighter::GAName1MouseDown(ControlId label)
{
    // The pressed text is copied: recolouring must not depend on the label.
    const std::string pressed = m_board.text(label);
    if (pressed != m_favoriteName)
        HighlightPressedTeam(pressed);
}

void Highlighter::GAName1MouseUp(ControlId label)
{
    if (m_board.text(label) != m_favoriteName)
        HighlightFavorite();
}

}  // namespace tiplark
