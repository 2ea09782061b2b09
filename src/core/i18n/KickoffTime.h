#pragma once

#include "platform/DateTime.h"

#include <string>

namespace tiplark {

struct Preferences;

// The moment a German kick-off falls on in the user's time. The kick-off
// table is in German summer time (GMT+2) while the zone shifts count from
// GMT+1, so the hour that daylight saving adds in Germany is taken off again.
DateTimeValue shownKickoff(DateTimeValue germanKickoff, const Preferences& preferences);

// "long weekday, short date short time" in the regional formats, e.g.
// "Friday, 09/06/2006 18:00".
std::string formatKickoff(DateTimeValue moment, const DateTimeFormat& format);

}  // namespace tiplark
