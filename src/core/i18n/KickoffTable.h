#pragma once

#include "platform/DateTime.h"

#include <array>
#include <string>

namespace tiplark {

// The match slots 1..64 are the matches in match order (matchPlace of
// tournament/TournamentData.h) counted from 1.

// Kick-off in German local time (summer time, UTC+2) of 2006, and host city.
inline constexpr int GermanSummerTimeOffset = 120;  // minutes from UTC
struct KickoffRow {
    int month;
    int day;
    int hour;
    const char* city;  // English city, the suffix of its "city." text key
};

// Slot 1..64; throws std::out_of_range otherwise.
const KickoffRow& kickoffRow(int slot);
DateTimeValue germanKickoff(int slot);
// "city.Munich" and so on: the key of the host city's text.
const std::string& kickoffCityKey(int slot);
// The two team labels of the match: "GA11Lbl", "GA12Lbl" .. "Final11Lbl", "Final12Lbl".
std::array<std::string, 2> kickoffLabelNames(int slot);

}  // namespace tiplark
