#include "i18n/Language.h"

#include "engine/TournamentFolders.h"
#include "i18n/KickoffTime.h"
#include "i18n/LanguageTables.h"
#include "i18n/Preferences.h"
#include "i18n/TournamentNames.h"

#include <stdexcept>

namespace tiplark {

Language::Language(const Tournament& tournament)
    : m_tournament(&tournament)
    , m_kickoffTexts(static_cast<size_t>(tournament.matchCount()))
    , m_matchHints(static_cast<size_t>(tournament.matchCount()))
{
    select(LanguageEnglish);
    SetPreviousTeamNamesEnglish();
}

const std::string& Language::text(std::string_view key) const
{
    return languageText(m_index, key);
}

const std::string& Language::text(int languageIndex, std::string_view key)
{
    return languageText(languageIndex, key);
}

const std::string& Language::teamName(int team) const
{
    return m_teamNames.at(static_cast<size_t>(team));
}

const std::string& Language::previousTeamName(int team) const
{
    return m_previousTeamNames.at(static_cast<size_t>(team));
}

std::string Language::teamNameIn(int languageIndex, int team) const
{
    if (team == 0)
        return languageText(languageIndex, "team.none");
    return tournamentTeamName(effectiveLanguage(languageIndex), *m_tournament, team - 1);
}

const std::string& Language::kickoffText(int match) const
{
    return m_kickoffTexts.at(static_cast<size_t>(match - 1));
}

const std::string& Language::matchHint(int match) const
{
    return m_matchHints.at(static_cast<size_t>(match - 1));
}

std::string Language::mainCaption() const
{
    std::string hosts;
    for (const std::string& code : m_tournament->hosts) {
        const int team = m_tournament->teamIndex(code);
        hosts += hosts.empty() ? "" : ", ";
        hosts += team == NoTeam ? code : m_teamNames[static_cast<size_t>(team + 1)];
    }
    // Only the board every user has had since the first version leaves its year out.
    if (m_tournament->id != DefaultTournamentId)
        hosts += " " + std::to_string(m_tournament->year);
    return text("title.prefix") + hosts;
}

int Language::select(int languageIndex)
{
    m_index = effectiveLanguage(languageIndex);
    m_teamNames.resize(m_tournament->teams.size() + 1);
    for (size_t team = 0; team < m_teamNames.size(); ++team)
        m_teamNames[team] = teamNameIn(m_index, static_cast<int>(team));
    return m_index;
}

void Language::setFavorite(int favoriteIndex)
{
    m_favoriteName = favoriteIndex >= 1 && favoriteIndex < static_cast<int>(m_teamNames.size())
                         ? m_teamNames[static_cast<size_t>(favoriteIndex)]
                         : std::string();
}

void Language::rebuildKickoffTexts(const Preferences& preferences, const DateTimeFormat& format)
{
    const KickoffBasis basis{&format, preferences.zoneShift, preferences.daylightShift, m_index};
    if (basis == m_kickoffBasis)
        return;
    m_kickoffBasis = basis;
    const auto kickoffOf = [this](size_t match) -> const Kickoff& {
        const size_t groupMatches = m_tournament->groupMatches.size();
        return match < groupMatches ? m_tournament->groupMatches[match].kickoff : m_tournament->knockout[match - groupMatches].kickoff;
    };
    for (size_t m = 0; m < m_kickoffTexts.size(); ++m) {
        const Kickoff& kickoff = kickoffOf(m);
        const Venue& venue = m_tournament->venues[static_cast<size_t>(kickoff.venue)];
        m_kickoffTexts[m] = formatKickoff(shownKickoff(kickoff, venue, preferences), format);
        // Cities the language tables know are translated; "\r" is the line break of hints.
        const std::string& city = text("city." + venue.city);
        m_matchHints[m] = (city.empty() ? venue.city : city) + "\r" + m_kickoffTexts[m];
    }
}

void Language::CopyTeamNamesToPrevious()
{
    m_previousTeamNames = m_teamNames;
}

void Language::SetPreviousTeamNamesEnglish()
{
    m_previousTeamNames.resize(m_tournament->teams.size() + 1);
    for (size_t team = 0; team < m_previousTeamNames.size(); ++team)
        m_previousTeamNames[team] = teamNameIn(LanguageEnglish, static_cast<int>(team));
}

}  // namespace tiplark
