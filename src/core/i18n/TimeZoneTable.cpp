#include "i18n/TimeZoneTable.h"

#include <cmath>

namespace tiplark {
namespace {

// Two blanks follow the parenthesis where the offset has one digit.
constexpr std::array<TimeZoneEntry, TimeZoneCount> Zones = {{
    {"(GMT-12) Eniwetok, Kwajalein", -13, "x35"},
    {"(GMT-11) Midway Island, Samoa", -12, "x35"},
    {"(GMT-10) Hawaii", -11, "x35"},
    {"(GMT-9)  Alaska", -10, "x35"},
    {"(GMT-8)  USA & Canada (Pacific Time)", -9, "x35"},
    {"(GMT-7)  USA & Canada (Mountain Time)", -8, "x35"},
    {"(GMT-6)  Mexico City, USA & Canada (Central Time)", -7, "x35"},
    {"(GMT-5)  Bogota, Lima, USA & Canada (Eastern Time)", -6, "x35"},
    {"(GMT-4)  Caracas, La Paz, Santiago", -5, "x35"},
    {"(GMT-3)  Buenos Aires, Georgetown, Greenland", -4, "x35"},
    {"(GMT-2)  Mid-Atlantic", -3, "x35"},
    {"(GMT-1)  Azores, Cape Verde", -2, "x35"},
    {"(GMT-0)  London, Dublin, Lisbon, Casablanca", -1, "x35"},
    {"(GMT+1)  Amsterdam, Berlin, Rome, Stokholm, Vienna", 0, "GMTP1A"},
    {"(GMT+1)  Belgrade, Brussels, Budapest, Prague", 0, "GMTP1B"},
    {"(GMT+1)  Valencia, Copenhagen, Paris, Sarajevo", 0, "GMTP1C"},
    {"(GMT+1)  Warsaw, West Central Africa, Zagreb", 0, "GMTP1D"},
    {"(GMT+2)  Beirut, Bucharest, Istambul, Minsk", 1, "GMTP2A"},
    {"(GMT+2)  Athens, Cairo, Helsinki, Pretoria", 1, "GMTP2B"},
    {"(GMT+3)  Baghdad, Moscow, Nairobi, Riyadh", 2, "x35"},
    {"(GMT+4)  Abu Dhabi, Tbilissi", 3, "x35"},
    {"(GMT+5)  Islamabad, Karashi", 4, "x35"},
    {"(GMT+6)  Novosibirsk, Astana, Dhaka", 5, "x35"},
    {"(GMT+7)  Bangkok, Jakarta", 6, "x35"},
    {"(GMT+8)  Beijing, Hong Kong, Perth, Singapore", 7, "x35"},
    {"(GMT+9)  Osaka, Seoul, Tokyo", 8, "x35"},
    {"(GMT+10) Brisbane, Guam, Melbourne, Sydney", 9, "x35"},
    {"(GMT+11) Solomon Island, New Caledonia", 10, "x35"},
    {"(GMT+12) Auckland, Fiji", 11, "x35"},
    {"(GMT+13) Nukualofa", 12, "x35"},
}};

// Entry 13 is the first GMT+1 entry, shift 0.
constexpr int GermanEntry = 13;
constexpr int SharedEntries = 4;

}  // namespace

const std::array<TimeZoneEntry, TimeZoneCount>& timeZones()
{
    return Zones;
}

double zoneShiftOf(int entry)
{
    if (entry < 0 || entry >= TimeZoneCount)
        return 0.0;
    return Zones[static_cast<size_t>(entry)].shiftHours / 24.0;
}

int timeZoneEntryFor(const std::string& zoneCode, double zoneShift)
{
    for (int entry = 0; entry < TimeZoneCount; ++entry)
        if (zoneCode != NoZoneCode && zoneCode == Zones[static_cast<size_t>(entry)].code)
            return entry;
    double v = zoneShift * 24 + GermanEntry;
    if (std::lround(v) > GermanEntry + 1)
        v += SharedEntries;
    const long entry = std::lround(v);
    return entry >= 0 && entry < TimeZoneCount ? static_cast<int>(entry) : -1;
}

}  // namespace tiplark
