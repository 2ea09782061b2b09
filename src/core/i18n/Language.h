#pragma once

#include "tournament/TournamentData.h"

#include <array>
#include <string>
#include <string_view>

namespace tiplark {

// The current language's texts and team names, and the names of the language
// in force before the last change, which the board's labels still carry
// until they are translated.
class Language {
public:
    Language();

    // LanguageText: the current-language text of a key; empty for an unknown key.
    const std::string& text(std::string_view key) const;
    // TeamNames, indexed 1..32; 0 is the empty "team.none".
    const std::string& teamName(int team) const;
    const std::string& previousTeamName(int team) const;
    const std::string& favoriteName() const { return m_favoriteName; }

    void CopyTeamNamesToPrevious();
    void SetPreviousTeamNamesEnglish();

private:
    std::array<std::string, TeamCount + 1> m_teamNames;
    std::array<std::string, TeamCount + 1> m_previousTeamNames;
    std::string m_favoriteName;
};

}  // namespace tiplark
