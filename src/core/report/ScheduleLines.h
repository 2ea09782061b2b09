#pragma once

#include "platform/DateTime.h"
#include "report/TextLookup.h"

#include <string>
#include <vector>

namespace tiplark {

// The 64 lines of the schedule window in calendar order: match number, the
// kick-off moved into the user's time zone in the regional formats, and the
// two teams from the board's labels, or the bracket pairing while a slot
// from the quarter-finals on is still open. The pairings start in one
// column whatever the length of the regional date texts.
std::vector<std::string> BuildScheduleLines(double zoneShift, double daylightShift, const TextLookup& texts,
                                            const DateTimeFormat& format);

}  // namespace tiplark
