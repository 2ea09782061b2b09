#include "report/ScheduleLines.h"

#include "i18n/KickoffTable.h"
#include "i18n/KickoffTime.h"
#include "i18n/Preferences.h"
#include "report/FixedWidth.h"
#include "report/ScheduleTable.h"
#include "tournament/TournamentData.h"

namespace tiplark {

std::vector<std::string> BuildScheduleLines(double zoneShift, double daylightShift, const TextLookup& texts,
                                            const DateTimeFormat& format)
{
    Preferences shifts;
    shifts.zoneShift = zoneShift;
    shifts.daylightShift = daylightShift;

    std::vector<std::string> lines;
    lines.reserve(ScheduleMatchCount);
    for (const ScheduleEntry& entry : scheduleTable()) {
        const CivilDateTime moment = decodeDateTime(shownKickoff(germanKickoff(entry.slot), shifts));
        const std::string date =
            format.shortDate(moment) + " (" + format.longWeekday(moment) + ") " + format.shortTime(moment);

        const auto labels = kickoffLabelNames(entry.slot);
        const std::string& first = texts(labels[0]);
        const std::string& second = texts(labels[1]);
        const bool open = entry.placeholder && (first == Placeholder || second == Placeholder);
        const std::string pairing = open ? std::string(entry.placeholder) : ":  " + first + " - " + second;

        lines.push_back(left(std::to_string(entry.number), 2) + ":  " + left(date, 30) + pairing);
    }
    return lines;
}

}  // namespace tiplark
