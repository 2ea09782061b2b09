#include "document/MainBoard.h"

#include "document/LanguageSwitch.h"

namespace tiplark {
MainBoard::MainBoard(Services services, const Tournament& tournament)
    : m_services(services)
    , m_tournament(tournament)
    , m_controls(buildBoard(m_board, tournament))
    , m_keys(predictionKeys(m_controls, tournament))
    , m_language(tournament)
    , m_highlighter(m_board, m_language)
    , m_rules(m_board, m_controls, tournament, m_language, m_highlighter)
    , m_clearing(m_board, m_controls, m_language, m_services.messages, m_services.cursor)
    , m_history(m_board, m_controls.userBoxes())
{
    m_board.setErrorReporter([this](const std::string& message) { m_services.messages.showError(message); });
}

void MainBoard::ApplyLanguage()
{
    {
        const Board::Batch action(m_board);
        applyLanguageToBoard(m_board, m_controls, m_preferences, m_language, m_services.dates);
        m_rules.writeLevelMarks();
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
    m_rules.SetFirstTimeGroups();
}

void MainBoard::restore(const std::vector<Control>& states)
{
    m_board.restore(states);
    m_rules.reread();
}

void MainBoard::userEdit(ControlId box, std::string_view text)
{
    const UserStep step(m_history, box);
    m_board.setText(box, text);
}

void MainBoard::chooseLevelOrder(ControlId levelOrderBox, std::string_view text)
{
    const UserStep step(m_history);
    m_board.setText(levelOrderBox, text);
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
