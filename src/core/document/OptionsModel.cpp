#include "document/OptionsModel.h"

#include "document/MainBoard.h"
#include "i18n/Language.h"
#include "i18n/LanguageTables.h"
#include "i18n/Preferences.h"
#include "i18n/TimeZoneTable.h"
#include "i18n/TournamentNames.h"
#include "engine/TournamentFolders.h"

#include <algorithm>

namespace tiplark {
namespace {

// Before a language is picked on the first run the dialog shows these.
const OptionsCaptions DesignCaptions = {
    "Tiplark - Options", "Options...", "Your Language:", "Your Favorite Team:", "Your Time Zone:",
    "Use daylight saving time", "&OK", "&Cancel",
};

}  // namespace

OptionsModel::OptionsModel(MainBoard& main, SaveAll save)
    : m_main(main)
    , m_save(std::move(save))
    , m_captions(DesignCaptions)
{
}

const std::array<std::string, LanguageCount>& OptionsModel::languageEntries()
{
    static const std::array<std::string, LanguageCount> entries = {"English", "Español", "Français", "Deutsch"};
    return entries;
}

namespace {

bool ownFavoriteList(const MainBoard& main)
{
    return main.tournament().id == DefaultTournamentId;
}

}  // namespace

std::vector<int> OptionsModel::favoriteOrder() const
{
    const Tournament& tournament = m_main.tournament();
    std::vector<std::string> names;
    for (size_t t = 0; t < tournament.teams.size(); ++t)
        names.push_back(tournamentTeamName(m_favoriteLanguage, tournament, static_cast<int>(t)));
    std::vector<int> order(tournament.teams.size());
    for (size_t t = 0; t < order.size(); ++t)
        order[t] = static_cast<int>(t);
    std::stable_sort(order.begin(), order.end(), [&names](int a, int b) {
        return names[static_cast<size_t>(a)] < names[static_cast<size_t>(b)];
    });
    std::vector<int> numbers = {0};
    for (const int team : order)
        numbers.push_back(team + 1);
    return numbers;
}

std::vector<std::string> OptionsModel::favoriteEntries() const
{
    const auto& own = favoriteList(m_favoriteLanguage);
    if (ownFavoriteList(m_main))
        return std::vector<std::string>(own.begin(), own.end());
    const Tournament& tournament = m_main.tournament();
    std::vector<std::string> entries;
    for (const int team : favoriteOrder())
        entries.push_back(team == 0 ? own.front() : tournamentTeamName(m_favoriteLanguage, tournament, team - 1));
    return entries;
}

int OptionsModel::favoriteAt(int position) const
{
    if (ownFavoriteList(m_main))
        return tiplark::favoriteAt(m_favoriteLanguage, position);
    const std::vector<int> order = favoriteOrder();
    return position >= 0 && position < static_cast<int>(order.size()) ? order[static_cast<size_t>(position)] : -1;
}

int OptionsModel::favoritePosition(int favorite) const
{
    if (ownFavoriteList(m_main))
        return tiplark::favoritePosition(m_favoriteLanguage, favorite);
    const std::vector<int> order = favoriteOrder();
    const auto found = std::find(order.begin(), order.end(), favorite);
    return found == order.end() ? 0 : static_cast<int>(found - order.begin());
}

void OptionsModel::FormShow()
{
    const Preferences& preferences = m_main.preferences();
    m_pendingFavorite = preferences.favoriteIndex;
    if (preferences.firstRun) {
        m_languageSelection = -1;
        m_favoriteSelection = -1;
        m_timeZoneSelection = -1;
        m_daylight = false;
        m_cancelEnabled = false;
        return;
    }
    m_cancelEnabled = true;
    setCaptions(m_main.language().index());
    m_daylight = preferences.daylightShift != 0.0;
    const bool knownLanguage = preferences.languageIndex >= 0 && preferences.languageIndex < LanguageCount;
    m_languageSelection = knownLanguage ? preferences.languageIndex : -1;
    m_favoriteSelection = favoritePosition(m_pendingFavorite);
    LangCBChange();
    m_timeZoneSelection = timeZoneEntryFor(preferences.zoneCode, preferences.zoneShift);
}

void OptionsModel::LangCBChange()
{
    const bool hadFavorite = m_favoriteSelection >= 0;
    m_favoriteLanguage = effectiveLanguage(m_languageSelection);
    setCaptions(m_favoriteLanguage);
    m_favoriteSelection = hadFavorite ? favoritePosition(m_pendingFavorite) : -1;
}

void OptionsModel::FavCBChange()
{
    if (m_favoriteSelection >= 0)
        m_pendingFavorite = favoriteAt(m_favoriteSelection);
}

bool OptionsModel::OKButtonClick()
{
    if (m_languageSelection < 0) {
        m_main.services().messages.showError(Language::text(LanguageEnglish, "msg.selectLanguage"));
        return false;
    }
    if (m_timeZoneSelection < 0) {
        m_main.services().messages.showError(Language::text(m_languageSelection, "msg.selectTimeZone"));
        return false;
    }
    const Preferences opened = m_main.preferences();
    storePreferences();
    if (!m_save()) {
        m_main.preferences() = opened;
        m_firstRunSaveFailed = opened.firstRun;
        return false;
    }
    m_main.preferences().firstRun = false;
    m_main.ApplyLanguage();
    return true;
}

bool OptionsModel::CancelButtonClick()
{
    return m_cancelEnabled || m_firstRunSaveFailed;
}

std::array<std::string, TimeZoneCount> OptionsModel::timeZoneEntries() const
{
    std::array<std::string, TimeZoneCount> entries;
    for (int entry = 0; entry < TimeZoneCount; ++entry)
        entries[static_cast<size_t>(entry)] = timeZoneText(m_favoriteLanguage, entry);
    return entries;
}

void OptionsModel::setCaptions(int languageIndex)
{
    const auto text = [languageIndex](const char* key) { return Language::text(languageIndex, key); };
    m_captions = {text("title.prefix") + text("options.title"), text("options.panel"), text("options.language"),
                  text("options.favorite"), text("options.timeZone"), text("options.daylight"),
                  text("options.ok"), text("options.cancel")};
}

void OptionsModel::storePreferences()
{
    Preferences& preferences = m_main.preferences();
    Language& language = m_main.language();
    // The board carries English design names until the first OK.
    if (preferences.firstRun)
        language.SetPreviousTeamNamesEnglish();
    else
        language.CopyTeamNamesToPrevious();
    preferences.teamNamesPending = true;
    preferences.languageIndex = effectiveLanguage(m_languageSelection);
    const int favorite = m_favoriteSelection >= 0 ? favoriteAt(m_favoriteSelection) : 0;
    preferences.favoriteIndex = favorite >= 0 ? favorite : 0;
    const Tournament& tournament = m_main.tournament();
    preferences.favoriteTeam = preferences.favoriteIndex > 0 && !ownFavoriteList(m_main)
                                   ? tournament.teams[static_cast<size_t>(preferences.favoriteIndex - 1)].code
                                   : std::string();
    const bool listed = m_timeZoneSelection < TimeZoneCount;
    preferences.zoneCode = listed ? timeZones()[static_cast<size_t>(m_timeZoneSelection)].code : NoZoneCode;
    preferences.zoneShift = zoneShiftOf(m_timeZoneSelection);
    preferences.daylightShift = m_daylight ? 1.0 / 24 : 0.0;
}

}  // namespace tiplark
