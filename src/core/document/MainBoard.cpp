#include "document/MainBoard.h"

#include "document/LanguageSwitch.h"

#include <vector>

namespace tiplark {
namespace {

// The boxes a user types into, in the order a load fills them: group by
// group, then round by round with a round's score pairs before its penalties.
std::vector<ControlId> userBoxes(const BoardControls& controls)
{
    std::vector<ControlId> boxes;
    for (const GroupControls& group : controls.groups) {
        for (const auto& match : group.score)
            boxes.insert(boxes.end(), match.begin(), match.end());
    }
    for (const RoundControls& round : controls.rounds) {
        for (const MatchControls& match : round.matches)
            boxes.insert(boxes.end(), match.score.begin(), match.score.end());
        for (const MatchControls& match : round.matches)
            boxes.insert(boxes.end(), match.penalty.begin(), match.penalty.end());
    }
    return boxes;
}

}  // namespace

MainBoard::MainBoard(Services services)
    : m_services(services)
    , m_controls(buildMainBoard(m_board))
    , m_keys(predictionKeys(m_controls))
    , m_highlighter(m_board, m_language)
    , m_groupStage(m_board, m_controls, m_language, m_highlighter)
    , m_knockout(m_board, m_controls, m_highlighter)
    , m_clearing(m_board, m_controls, m_language, m_services.messages, m_services.cursor)
    , m_history(m_board, userBoxes(m_controls))
{
    m_board.setErrorReporter([this](const std::string& message) { m_services.messages.showError(message); });
}

void MainBoard::ApplyLanguage()
{
    {
        const Board::Batch action(m_board);
        applyLanguageToBoard(m_board, m_controls, m_preferences, m_language, m_services.dates);
        m_highlighter.HighlightFavorite();
    }
    if (m_languageListener)
        m_languageListener();
}

void MainBoard::SetFirstTimeGroups()
{
    if (!m_preferences.teamNamesPending)
        return;
    m_preferences.teamNamesPending = false;
    m_groupStage.SetFirstTimeGroups();
}

void MainBoard::userEdit(ControlId box, std::string_view text)
{
    const UserStep step(m_history, box);
    m_board.setText(box, text);
}

void MainBoard::GroupADelButtonClick(ControlId panel)
{
    const UserStep step(m_history);
    m_clearing.GroupADelButtonClick(panel);
}

void MainBoard::ClearAllButtonClick()
{
    const UserStep step(m_history);
    m_clearing.ClearAllButtonClick();
}

}  // namespace tiplark
