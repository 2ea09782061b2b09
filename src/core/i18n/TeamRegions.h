#pragma once

#include <span>
#include <string_view>

namespace tiplark {

// A team by its FIFA code and the region it plays for: an ISO 3166-1 code
// ("DE") whose names come from CLDR; for the home nations the ISO 3166-2
// subdivision ("GB-ENG"), and for Serbia and Montenegro its withdrawn code
// "CS", whose names the project gives itself (TeamNameOverrides).
struct TeamRegion {
    std::string_view code;
    std::string_view region;
};

// Every team of the shipped tournaments, ordered by code. scripts/make-flags
// reads the table from the source to pick each team's flag.
std::span<const TeamRegion> teamRegions();

}  // namespace tiplark
