#include "document/MainBoard.h"

#include "document/LanguageSwitch.h"

namespace tiplark {

MainBoard::MainBoard(Services services)
    : m_services(services)
    , m_controls(buildMainBoard(m_board))
    , m_highlighter(m_board, m_language.favoriteName())
    , m_groupStage(m_board, m_controls, m_language, m_preferences, m_highlighter)
    , m_knockout(m_board, m_controls, m_highlighter)
    , m_clearing(m_board, m_controls, m_language, m_services.messages, m_services.cursor)
{
    m_board.setErrorReporter([this](const std::string& message) { m_services.messages.showError(message); });
}

void MainBoard::ApplyLanguage()
{
    applyLanguageToBoard(m_board, m_controls, m_preferences, m_language, m_services.dates);
    m_highlighter.HighlightFavorite();
    if (m_languageListener)
        m_languageListener();
}

}  // namespace tiplark
