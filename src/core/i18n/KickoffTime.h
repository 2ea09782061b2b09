#pragma once

#include "engine/Tournament.h"
#include "platform/DateTime.h"

#include <string>

namespace tiplark {

struct Preferences;

// The moment a kick-off falls on in the user's time, from the venue's local
// time and its offset from UTC. The zone shifts count from GMT+1, so what the
// venue's offset adds beyond that hour is taken off (one hour for Germany's
// summer time).
DateTimeValue shownKickoff(DateTimeValue venueTime, int venueOffsetMinutes, const Preferences& preferences);
DateTimeValue shownKickoff(const Kickoff& kickoff, const Venue& venue, const Preferences& preferences);

// "long weekday, short date short time" in the regional formats, e.g.
// "Friday, 09/06/2006 18:00".
std::string formatKickoff(DateTimeValue moment, const DateTimeFormat& format);

}  // namespace tiplark
