#include "report/ScheduleLines.h"

#include "report/FixedWidth.h"
#include "report/ScheduleTable.h"
#include "tournament/TournamentData.h"

namespace tiplark {

DateTimeValue shownMoment(DateTimeValue germanKickoff, double zoneShift, double daylightShift)
{
    return germanKickoff + zoneShift + daylightShift - 1.0 / 24;
}

std::vector<std::string> BuildScheduleLines(double zoneShift, double daylightShift, const TextLookup& texts,
                                            const DateTimeFormat& format)
{
    std::vector<std::string> lines;
    lines.reserve(ScheduleMatchCount);
    for (const ScheduleEntry& entry : scheduleTable()) {
        const CivilDateTime moment =
            decodeDateTime(shownMoment(encodeDateTime(2006, entry.month, entry.day, entry.hour, 0), zoneShift, daylightShift));
        const std::string date =
            format.shortDate(moment) + " (" + format.longWeekday(moment) + ") " + format.shortTime(moment);

        const std::string& first = texts(entry.firstLabel);
        const std::string& second = texts(entry.secondLabel);
        const bool open = entry.placeholder && (first == Placeholder || second == Placeholder);
        const std::string pairing = open ? std::string(entry.placeholder) : ":  " + first + " - " + second;

        lines.push_back(left(std::to_string(entry.number), 2) + ":  " + left(date, 30) + pairing);
    }
    return lines;
}

}  // namespace tiplark
