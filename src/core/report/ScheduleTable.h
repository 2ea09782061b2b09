#pragma once

#include "tournament/TournamentData.h"

#include <array>

namespace tiplark {

// One line of the game schedule: the match number shown, the match slot of
// the kick-off table (date, hour and the two team labels) and, from the
// quarter-finals on, the bracket pairing shown while a slot is undecided.
struct ScheduleEntry {
    int number;
    int slot;
    const char* placeholder;  // nullptr for group and round-of-16 matches
};

// The 64 matches in kick-off order (not in match-number order).
const std::array<ScheduleEntry, MatchCount>& scheduleTable();

}  // namespace tiplark
