#include "i18n/Language.h"

#include "i18n/KickoffTime.h"
#include "i18n/LanguageTables.h"
#include "i18n/Preferences.h"
#include "i18n/TeamNameTables.h"

#include <stdexcept>

namespace tiplark {
namespace {

size_t slotIndex(int slot)
{
    if (slot < 1 || slot > MatchCount)
        throw std::out_of_range("match slot");
    return static_cast<size_t>(slot - 1);
}

}  // namespace

Language::Language()
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

const std::string& Language::kickoffText(int slot) const
{
    return m_kickoffTexts[slotIndex(slot)];
}

const std::string& Language::matchHint(int slot) const
{
    return m_matchHints[slotIndex(slot)];
}

std::string Language::mainCaption() const
{
    return text("title.prefix") + text("country.host");
}

int Language::select(int languageIndex)
{
    m_index = effectiveLanguage(languageIndex);
    for (int team = 0; team <= TeamCount; ++team)
        m_teamNames[static_cast<size_t>(team)] = teamNameIn(m_index, team);
    return m_index;
}

void Language::setFavorite(int favoriteIndex)
{
    m_favoriteName = favoriteIndex >= 1 && favoriteIndex <= TeamCount ? m_teamNames[static_cast<size_t>(favoriteIndex)] : std::string();
}

void Language::rebuildKickoffTexts(const Preferences& preferences, const DateTimeFormat& format)
{
    const KickoffBasis basis{&format, preferences.zoneShift, preferences.daylightShift, m_index};
    if (basis == m_kickoffBasis)
        return;
    m_kickoffBasis = basis;
    for (int slot = 1; slot <= MatchCount; ++slot) {
        const size_t s = slotIndex(slot);
        m_kickoffTexts[s] = formatKickoff(shownKickoff(germanKickoff(slot), preferences), format);
        // "\r" is the line break of hints.
        m_matchHints[s] = text(kickoffCityKey(slot)) + "\r" + m_kickoffTexts[s];
    }
}

void Language::CopyTeamNamesToPrevious()
{
    m_previousTeamNames = m_teamNames;
}

void Language::SetPreviousTeamNamesEnglish()
{
    for (int team = 0; team <= TeamCount; ++team)
        m_previousTeamNames[static_cast<size_t>(team)] = teamNameIn(LanguageEnglish, team);
}

}  // namespace tiplark
