#pragma once

#include "engine/KnownTeams.h"
#include "engine/Tournament.h"
#include "i18n/Preferences.h"
#include "platform/DateTime.h"

#include <string>
#include <vector>

namespace tiplark {

// The schedule of any tournament in kick-off order, one line per match: its
// number (the group matches counted in kick-off order, the knockout by its
// official number), the kick-off moved from its venue's time into the
// user's zone (Preferences::zoneShift and daylightShift) in the regional
// formats, the two teams (a knockout slot the prediction has not settled as
// the file writes it, "1A", "W73") and the venue's city. The teams start in
// one column whatever the length of the regional date texts.
std::vector<std::string> tournamentScheduleLines(int languageIndex, const Tournament& tournament,
                                                 const KnownTeams& known, const Preferences& zone,
                                                 const DateTimeFormat& format);

}  // namespace tiplark
