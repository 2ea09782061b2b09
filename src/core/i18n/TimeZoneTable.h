#pragma once

#include <array>
#include <string>

namespace tiplark {

// The time-zone list of the options dialog. The shift is the zone's offset
// from German winter time (GMT+1), in hours; entries that share a shift are
// told apart by their zone code, every other entry has the code "x35".
struct TimeZoneEntry {
    const char* text;
    int shiftHours;
    const char* code;
};

inline constexpr int TimeZoneCount = 30;
inline constexpr const char* NoZoneCode = "x35";

const std::array<TimeZoneEntry, TimeZoneCount>& timeZones();

// The entry's text as the list shows it in a language: German has its own
// wording, every other language shows the shared texts.
const char* timeZoneText(int languageIndex, int entry);

// Preferences::zoneShift of an entry: its shift in days; 0 outside the list.
double zoneShiftOf(int entry);

// The entry that stored preferences name: one of the six shared-shift codes
// picks its own entry, any other code the entry derived from the shift
// (GMT+2 and beyond skip the four GMT+1 and two GMT+2 entries). -1 when the
// shift lies outside the list.
int timeZoneEntryFor(const std::string& zoneCode, double zoneShift);

}  // namespace tiplark
