#include "tournament/GroupStage.h"

#include "i18n/Language.h"
#include "i18n/Preferences.h"
#include "tournament/Highlighter.h"

namespace tiplark {

GroupStage::GroupStage(Board& board, const BoardControls& controls, const Language& language, Preferences& preferences,
                       Highlighter& highlighter)
    : m_board(board)
    , m_controls(controls)
    , m_language(language)
    , m_preferences(preferences)
    , m_highlighter(highlighter)
{
}

void GroupStage::GroupChange(int)
{
}

void GroupStage::SetFirstTimeGroups()
{
}

void GroupStage::PopulateGroupTeamName(ControlId)
{
}

}  // namespace tiplark
