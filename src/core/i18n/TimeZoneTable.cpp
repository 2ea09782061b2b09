#include "i18n/TimeZoneTable.h"

#include "i18n/LanguageTables.h"

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

// The same entries in German, offsets aligned alike.
constexpr std::array<const char*, TimeZoneCount> GermanTexts = {
    "(GMT-12) Eniwetok, Kwajalein",
    "(GMT-11) Midwayinseln, Samoa",
    "(GMT-10) Hawaii",
    "(GMT-9)  Alaska",
    "(GMT-8)  USA & Kanada (Pazifikzeit)",
    "(GMT-7)  USA & Kanada (Gebirgszeit)",
    "(GMT-6)  Mexiko-Stadt, USA & Kanada (Zentralzeit)",
    "(GMT-5)  Bogotá, Lima, USA & Kanada (Ostküstenzeit)",
    "(GMT-4)  Caracas, La Paz, Santiago",
    "(GMT-3)  Buenos Aires, Georgetown, Grönland",
    "(GMT-2)  Mittelatlantik",
    "(GMT-1)  Azoren, Kap Verde",
    "(GMT-0)  London, Dublin, Lissabon, Casablanca",
    "(GMT+1)  Amsterdam, Berlin, Rom, Stockholm, Wien",
    "(GMT+1)  Belgrad, Brüssel, Budapest, Prag",
    "(GMT+1)  Valencia, Kopenhagen, Paris, Sarajevo",
    "(GMT+1)  Warschau, West-Zentralafrika, Zagreb",
    "(GMT+2)  Beirut, Bukarest, Istanbul, Minsk",
    "(GMT+2)  Athen, Kairo, Helsinki, Pretoria",
    "(GMT+3)  Bagdad, Moskau, Nairobi, Riad",
    "(GMT+4)  Abu Dhabi, Tiflis",
    "(GMT+5)  Islamabad, Karatschi",
    "(GMT+6)  Nowosibirsk, Astana, Dhaka",
    "(GMT+7)  Bangkok, Jakarta",
    "(GMT+8)  Peking, Hongkong, Perth, Singapur",
    "(GMT+9)  Osaka, Seoul, Tokio",
    "(GMT+10) Brisbane, Guam, Melbourne, Sydney",
    "(GMT+11) Salomonen, Neukaledonien",
    "(GMT+12) Auckland, Fidschi",
    "(GMT+13) Nuku'alofa",
};

// Entry 13 is the first GMT+1 entry, shift 0.
constexpr int GermanEntry = 13;
constexpr int SharedEntries = 4;

}  // namespace

const std::array<TimeZoneEntry, TimeZoneCount>& timeZones()
{
    return Zones;
}

const char* timeZoneText(int languageIndex, int entry)
{
    if (entry < 0 || entry >= TimeZoneCount)
        return "";
    const auto index = static_cast<size_t>(entry);
    return effectiveLanguage(languageIndex) == LanguageGerman ? GermanTexts[index] : Zones[index].text;
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
