#pragma once

#include "engine/LevelOrderText.h"
#include "engine/Tournament.h"
#include "storage/PredictionKeys.h"

#include <string>
#include <string_view>
#include <vector>

namespace tiplark {

// The predictions file of a tournament other than the board's own
// (docs/TOURNAMENT-FORMAT.md): the same INI style as Tiplark.ini.
inline constexpr const char* TournamentSection = "TOURNAMENT";
inline constexpr const char* TournamentIdKey = "Id";
inline constexpr const char* GroupMatchesSection = "GROUP MATCHES";
inline constexpr const char* KnockoutSection = "KNOCKOUT";
inline constexpr const char* LevelOrderSection = "LEVEL ORDER";
inline constexpr const char* ThirdsOrderKey = "Thirds";
inline constexpr const char* FavoriteKey = "Favorite";

struct TournamentKey {
    enum class Kind { Id, Preference, GroupMatch, KnockoutMatch, GroupOrder, ThirdsOrder };
    std::string section;
    std::string name;
    Kind kind = Kind::Id;
    // Preference: index into tournamentPreferenceKeys(); GroupMatch and
    // KnockoutMatch: the match; GroupOrder: the group.
    int index = 0;
};

// Tiplark.ini's preferences, but Favorite is a team code (empty for none).
const std::vector<PredictionKey>& tournamentPreferenceKeys();

// Every key in write order: the id; the preferences; each group match keyed
// "HOME-AWAY" by code and each knockout match "M<number>", both in the order
// the tournament file lists them; the level order per group letter, and of
// the third-placed teams where some go through.
std::vector<TournamentKey> tournamentKeys(const Tournament& tournament);

}  // namespace tiplark
