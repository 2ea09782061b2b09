#pragma once

#include <array>
#include <string>

namespace tiplark {

// The favourite-team list of the options dialog: "none" and the 32 teams.
// Each language lists them in its own order; the canonical index (stored as
// Preferences::favoriteIndex) is the team number, i.e. the English position.
inline constexpr int FavoriteEntryCount = 33;

// The entries in the order a language shows them (any index outside Spanish
// and French reads English).
const std::array<std::string, FavoriteEntryCount>& favoriteList(int languageIndex);

// Canonical index of the entry at a position of a language's list; -1 when
// the position is outside the list.
int favoriteAt(int languageIndex, int position);

// Position of a canonical index in a language's list; an index outside 0..32
// gives position 0 ("none").
int favoritePosition(int languageIndex, int favorite);

}  // namespace tiplark
