#include "i18n/KickoffTime.h"

#include "i18n/Preferences.h"

namespace tiplark {

DateTimeValue shownKickoff(DateTimeValue venueTime, int venueOffsetMinutes, const Preferences& preferences)
{
    constexpr double MinutesPerDay = 24 * 60;
    constexpr int ZonesCountFrom = 60;
    return venueTime + preferences.zoneShift + preferences.daylightShift - (venueOffsetMinutes - ZonesCountFrom) / MinutesPerDay;
}

DateTimeValue shownKickoff(const Kickoff& kickoff, const Venue& venue, const Preferences& preferences)
{
    const Kickoff::Local& local = kickoff.local;
    return shownKickoff(encodeDateTime(local.year, local.month, local.day, local.hour, local.minute),
                        venue.utcOffsetMinutes, preferences);
}

std::string formatKickoff(DateTimeValue moment, const DateTimeFormat& format)
{
    const CivilDateTime civil = decodeDateTime(moment);
    return format.longWeekday(civil) + ", " + format.shortDate(civil) + " " + format.shortTime(civil);
}

}  // namespace tiplark
