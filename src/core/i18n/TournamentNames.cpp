#include "i18n/TournamentNames.h"

#include "i18n/LanguageTables.h"
#include "i18n/TeamNames.h"

namespace tiplark {

std::string tournamentTeamName(int languageIndex, const Tournament& tournament, int team)
{
    const TournamentTeam& info = tournament.teams.at(static_cast<size_t>(team));
    // A tournament file may name its teams itself (the 2006 board's names).
    if (languageIndex >= 0 && languageIndex < LanguageCount) {
        const auto own = info.names.find(LanguageCodes[static_cast<size_t>(languageIndex)]);
        if (own != info.names.end())
            return own->second;
    }
    return std::string(boardTeamName(info.code, languageIndex, info.name));
}

const std::string& roundName(int languageIndex, const Tournament& tournament, int round)
{
    const KnockoutRound& info = tournament.rounds.at(static_cast<size_t>(round));
    std::string key = "round.";
    key += info.id;
    const std::string& known = languageText(languageIndex, key);
    return known.empty() ? info.name : known;
}

}  // namespace tiplark
