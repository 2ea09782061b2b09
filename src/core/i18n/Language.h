#pragma once

#include "engine/Tournament.h"
#include "platform/DateTime.h"
#include "tournament/TournamentTexts.h"

#include <string>
#include <string_view>
#include <vector>

namespace tiplark {

struct Preferences;

// The current language's texts, the tournament's team names and kick-off
// texts in the user's time, the favourite's name, and the names of the
// language in force before the last change, which the board's labels still
// carry until they are translated. Starts in English.
class Language final : public TournamentTexts {
public:
    // The tournament must outlive the language.
    explicit Language(const Tournament& tournament);
    explicit Language(const Tournament&& tournament) = delete;

    // LanguageText: the current-language text of a key; empty for an unknown key.
    const std::string& text(std::string_view key) const override;
    // The text of a key in any language, for windows showing a language not yet applied.
    static const std::string& text(int languageIndex, std::string_view key);
    // 0 English, 1 Spanish, 2 French, 3 German.
    int index() const { return m_index; }
    const Tournament& tournament() const { return *m_tournament; }
    // TeamNames, by team number (the team's place in the tournament's list,
    // from 1); 0 is the empty "team.none".
    const std::string& teamName(int team) const override;
    const std::string& previousTeamName(int team) const override;
    const std::string& favoriteName() const override { return m_favoriteName; }
    // A team's board name in any language.
    std::string teamNameIn(int languageIndex, int team) const;
    // Formatted kick-off of match 1..matchCount (the tournament's order) in the user's time.
    const std::string& kickoffText(int match) const;
    // The hint of the team labels of match 1..matchCount: host city, then kick-off.
    const std::string& matchHint(int match) const;
    // The main window's caption: "Tiplark - Germany", "Tiplark - Alemania" ...
    std::string mainCaption() const;

    // Makes a language current (an index outside the languages is English)
    // and returns the index in force.
    int select(int languageIndex);
    // FavoriteName of a team number; 0 or a number outside the teams gives none.
    void setFavorite(int favoriteIndex);
    // Kick-off texts and match hints for the current language and the zone.
    void rebuildKickoffTexts(const Preferences& preferences, const DateTimeFormat& format);

    void CopyTeamNamesToPrevious();
    void SetPreviousTeamNamesEnglish();

private:
    const Tournament* m_tournament;
    int m_index = 0;
    std::vector<std::string> m_teamNames;
    std::vector<std::string> m_previousTeamNames;
    std::string m_favoriteName;
    std::vector<std::string> m_kickoffTexts;
    std::vector<std::string> m_matchHints;
    // What the kick-off texts and hints were last built from: a language
    // switch or a load applies the language several times, mostly unchanged.
    struct KickoffBasis {
        const DateTimeFormat* format = nullptr;
        double zoneShift = 0.0;
        double daylightShift = 0.0;
        int language = -1;
        bool operator==(const KickoffBasis&) const = default;
    };
    KickoffBasis m_kickoffBasis;
};

}  // namespace tiplark
