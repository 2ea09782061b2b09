#pragma once

#include "engine/Tournament.h"

#include <string>
#include <vector>

namespace tiplark {

// A venue of any tournament as the venue list shows it.
struct VenueRow {
    std::string stadium;
    std::string city;
    std::string zone;  // the venue's offset from UTC in its kick-offs: "UTC-06:00"
    int matches = 0;   // the matches it hosts
};

// The tournament's venues in the order of its file.
std::vector<VenueRow> venueRows(const Tournament& tournament);

}  // namespace tiplark
