#include "i18n/Language.h"

namespace tiplark {

Language::Language()
{
    for (int team = 1; team <= TeamCount; ++team) {
        m_teamNames[team] = englishTeamName(team);
        m_previousTeamNames[team] = englishTeamName(team);
    }
}

const std::string& Language::text(std::string_view) const
{
    static const std::string empty;
    return empty;
}

const std::string& Language::teamName(int team) const
{
    return m_teamNames.at(static_cast<size_t>(team));
}

const std::string& Language::previousTeamName(int team) const
{
    return m_previousTeamNames.at(static_cast<size_t>(team));
}

void Language::CopyTeamNamesToPrevious()
{
    m_previousTeamNames = m_teamNames;
}

void Language::SetPreviousTeamNamesEnglish()
{
    for (int team = 1; team <= TeamCount; ++team)
        m_previousTeamNames[team] = englishTeamName(team);
}

}  // namespace tiplark
