#pragma once

#include "platform/DateTime.h"
#include "report/TextLookup.h"

#include <string>
#include <vector>

namespace tiplark {

// The moment a German kick-off is shown to the user. The calendar's times
// are German summer time (UTC+2) while ZoneShift is the zone's offset from
// UTC+1, so one hour comes off on top of the two shifts.
DateTimeValue shownMoment(DateTimeValue germanKickoff, double zoneShift, double daylightShift);

// The 64 lines of the schedule window in calendar order: match number, the
// kick-off moved into the user's time zone in the regional formats, and the
// two teams from the board's labels, or the bracket pairing while a slot
// from the quarter-finals on is still open.
std::vector<std::string> BuildScheduleLines(double zoneShift, double daylightShift, const TextLookup& texts,
                                            const DateTimeFormat& format);

}  // namespace tiplark
