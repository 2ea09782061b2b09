#pragma once

#include <span>
#include <string_view>

namespace tiplark {

// A team's name in one language where the project's differs from CLDR's:
// the football name ("DR Congo" for "Congo - Kinshasa"), a team CLDR has no
// region for (England, Scotland, Wales, Serbia and Montenegro), or a board
// form for a name too long for a board cell. An empty `full` keeps CLDR's
// name; an empty `board` is the full name.
struct TeamNameOverride {
    std::string_view code;
    int language;
    std::string_view full;
    std::string_view board;
};

std::span<const TeamNameOverride> teamNameOverrides();

}  // namespace tiplark
