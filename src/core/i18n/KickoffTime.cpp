#include "i18n/KickoffTime.h"

#include "i18n/Preferences.h"

namespace tiplark {

DateTimeValue shownKickoff(DateTimeValue germanKickoff, const Preferences& preferences)
{
    constexpr double GermanSummerTime = 1.0 / 24;
    return germanKickoff + preferences.zoneShift + preferences.daylightShift - GermanSummerTime;
}

std::string formatKickoff(DateTimeValue moment, const DateTimeFormat& format)
{
    const CivilDateTime civil = decodeDateTime(moment);
    return format.longWeekday(civil) + ", " + format.shortDate(civil) + " " + format.shortTime(civil);
}

}  // namespace tiplark
