#include "tournament/Clearing.h"

#include "platform/Services.h"
#include "tournament/TournamentTexts.h"

#include <stdexcept>

namespace tiplark {

Clearing::Clearing(Board& board, const BoardControls& controls, const TournamentTexts& texts, MessageService& messages,
                   CursorService& cursor)
    : m_board(board)
    , m_texts(texts)
    , m_messages(messages)
    , m_cursor(cursor)
{
    for (const GroupControls& group : controls.groups) {
        PanelBoxes& panel = m_panels.emplace_back(PanelBoxes{group.panel, {}});
        for (const auto& match : group.score)
            panel.scores.insert(panel.scores.end(), match.begin(), match.end());
    }
    for (const RoundControls& round : controls.rounds) {
        PanelBoxes& panel = m_panels.emplace_back(PanelBoxes{round.panel, {}});
        for (const MatchControls& match : round.matches)
            panel.scores.insert(panel.scores.end(), match.score.begin(), match.score.end());
    }
}

void Clearing::GroupADelButtonClick(ControlId panel)
{
    for (const PanelBoxes& boxes : m_panels) {
        if (boxes.panel == panel) {
            const Board::Batch action(m_board);
            clear(boxes);
            return;
        }
    }
    throw std::out_of_range("no clear button on panel " + m_board.control(panel).name);
}

void Clearing::ClearAllButtonClick()
{
    if (m_messages.askYesNo(m_texts.text("msg.clearAllConfirm")) != DialogResult::Yes)
        return;
    m_cursor.setBusy(true);
    {
        const Board::Batch action(m_board);
        for (const PanelBoxes& panel : m_panels)
            clear(panel);
    }
    m_cursor.setBusy(false);
}

void Clearing::clear(const PanelBoxes& panel)
{
    for (const ControlId score : panel.scores)
        m_board.setText(score, "");
}

}  // namespace tiplark
