#pragma once

#include <array>

namespace tiplark {

inline constexpr int ScheduleMatchCount = 64;

// One match of the tournament calendar: kick-off in German summer time, the
// two board labels whose captions name its teams and, from the
// quarter-finals on, the bracket pairing shown while a slot is undecided.
struct ScheduleEntry {
    int number;
    int month;  // 2006
    int day;
    int hour;   // minutes are always zero
    const char* firstLabel;
    const char* secondLabel;
    const char* placeholder;  // nullptr for group and round-of-16 matches
};

// The 64 matches in kick-off order (not in match-number order).
const std::array<ScheduleEntry, ScheduleMatchCount>& scheduleTable();

}  // namespace tiplark
