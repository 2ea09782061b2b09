#include "report/ScheduleLines.h"

#include "i18n/KickoffTable.h"
#include "i18n/KickoffTime.h"
#include "i18n/Preferences.h"
#include "report/FixedWidth.h"
#include "report/ScheduleTable.h"
#include "tournament/TournamentData.h"

#include <utility>

namespace tiplark {

namespace {

// Schedule lines are at most this long; reserving it spares the regrowth.
constexpr std::size_t LineCapacity = 96;

}  // namespace

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
        std::string date = format.shortDate(moment);
        date += " (";
        date += format.longWeekday(moment);
        date += ") ";
        date += format.shortTime(moment);

        const auto labels = kickoffLabelNames(entry.slot);
        const std::string& first = texts(labels[0]);
        const std::string& second = texts(labels[1]);
        const bool open = entry.placeholder && (first == Placeholder || second == Placeholder);

        // Built in place, one allocation per line.
        std::string line;
        line.reserve(LineCapacity);
        appendLeft(line, std::to_string(entry.number), 2);
        line += ":  ";
        appendLeft(line, date, 30);
        if (open) {
            line += entry.placeholder;
        } else {
            line += ":  ";
            line += first;
            line += " - ";
            line += second;
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

}  // namespace tiplark
