#include "tournament/Highlighter.h"

#include "tournament/TournamentTexts.h"

namespace tiplark {

Highlighter::Highlighter(Board& board, const TournamentTexts& texts)
    : m_board(board)
    , m_texts(texts)
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
    const std::string& favoriteName = m_texts.favoriteName();
    for (const ControlId id : m_concerned) {
        const Control& control = m_board.control(id);
        const TextColour colour = control.text == favoriteName ? TextColour::Blue : TextColour::Default;
        if (control.colour != colour)
            m_board.setColour(id, colour);
    }
}

void Highlighter::HighlightPressedTeam(const std::string& pressed)
{
    const std::string& favoriteName = m_texts.favoriteName();
    const Board::Batch action(m_board);
    for (const ControlId id : m_concerned) {
        const std::string& text = m_board.text(id);
        if (text == pressed)
            m_board.setColour(id, TextColour::Red);
        else if (text != favoriteName)
            m_board.setColour(id, TextColour::Default);
    }
}

void Highlighter::GAName1MouseDown(ControlId label)
{
    // The pressed text is copied: recolouring must not depend on the label.
    const std::string pressed = m_board.text(label);
    if (pressed != m_texts.favoriteName())
        HighlightPressedTeam(pressed);
}

void Highlighter::GAName1MouseUp(ControlId label)
{
    if (m_board.text(label) != m_texts.favoriteName())
        HighlightFavorite();
}

}  // namespace tiplark
