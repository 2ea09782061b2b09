#include "storage/TournamentKeys.h"

#include "engine/TournamentOrder.h"

namespace tiplark {

const std::vector<PredictionKey>& tournamentPreferenceKeys()
{
    static const std::vector<PredictionKey> keys = [] {
        // Favorite is a team code here, not a number.
        std::vector<PredictionKey> result = preferenceKeys(0);
        for (PredictionKey& key : result) {
            if (key.name == FavoriteKey)
                key = {PreferencesSection, FavoriteKey, ValueKind::Preference, &Preferences::favoriteTeam};
        }
        return result;
    }();
    return keys;
}

std::vector<TournamentKey> tournamentKeys(const Tournament& tournament)
{
    using Kind = TournamentKey::Kind;
    std::vector<TournamentKey> keys;
    keys.reserve(1 + tournamentPreferenceKeys().size() + tournament.groupMatches.size() + tournament.knockout.size()
                 + tournament.groups.size() + 1);
    keys.push_back({TournamentSection, TournamentIdKey, Kind::Id});
    const std::vector<PredictionKey>& preferences = tournamentPreferenceKeys();
    for (size_t p = 0; p < preferences.size(); ++p)
        keys.push_back({PreferencesSection, preferences[p].name, Kind::Preference, static_cast<int>(p)});
    for (size_t m = 0; m < tournament.groupMatches.size(); ++m) {
        const auto& teams = tournament.groupMatches[m].teams;
        std::string name = tournament.teams[static_cast<size_t>(teams[0])].code;
        name += '-';
        name += tournament.teams[static_cast<size_t>(teams[1])].code;
        keys.push_back({GroupMatchesSection, std::move(name), Kind::GroupMatch, static_cast<int>(m)});
    }
    for (size_t m = 0; m < tournament.knockout.size(); ++m) {
        std::string name = "M";
        name += std::to_string(tournament.knockout[m].number);
        keys.push_back({KnockoutSection, std::move(name), Kind::KnockoutMatch, static_cast<int>(m)});
    }
    for (const int g : groupsByLetter(tournament))
        keys.push_back({LevelOrderSection, std::string(1, tournament.groups[static_cast<size_t>(g)].letter), Kind::GroupOrder, g});
    if (tournament.thirds)
        keys.push_back({LevelOrderSection, ThirdsOrderKey, Kind::ThirdsOrder});
    return keys;
}

}  // namespace tiplark
