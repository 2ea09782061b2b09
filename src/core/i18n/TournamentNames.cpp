#include "i18n/TournamentNames.h"

#include "i18n/LanguageTables.h"

namespace tiplark {

const std::string& tournamentTeamName(int, const Tournament& tournament, int team)
{
    // The tournament file names its teams in English.
    return tournament.teams.at(static_cast<size_t>(team)).name;
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
