#include "report/ScheduleLines.h"

#include "i18n/KickoffTable.h"
#include "i18n/KickoffTime.h"
#include "i18n/Preferences.h"
#include "report/FixedWidth.h"
#include "report/ScheduleTable.h"
#include "tournament/BoardControls.h"
#include "tournament/TournamentData.h"

#include <algorithm>
#include <array>
#include <utility>

namespace tiplark {

namespace {

// Schedule lines are at most this long; reserving it spares the regrowth.
constexpr std::size_t LineCapacity = 96;
constexpr std::size_t DateWidth = 30;

}  // namespace

std::vector<std::string> BuildScheduleLines(double zoneShift, double daylightShift, const TextLookup& texts,
                                            const DateTimeFormat& format)
{
    Preferences shifts;
    shifts.zoneShift = zoneShift;
    shifts.daylightShift = daylightShift;

    std::array<std::string, MatchCount> dates;
    // The pairings start in one column: 30 characters after the prefix, or
    // one past the longest date text when a regional format makes it longer.
    std::size_t longest = 0;
    for (std::size_t row = 0; row < dates.size(); ++row) {
        const CivilDateTime moment = decodeDateTime(shownKickoff(germanKickoff(scheduleTable()[row].slot), GermanSummerTimeOffset, shifts));
        std::string& date = dates[row];
        date = format.shortDate(moment);
        date += " (";
        date += format.longWeekday(moment);
        date += ") ";
        date += format.shortTime(moment);
        longest = std::max(longest, characterCount(date));
    }
    const std::size_t dateWidth = longest > DateWidth ? longest + 1 : DateWidth;

    std::vector<std::string> lines;
    lines.reserve(MatchCount);
    for (std::size_t row = 0; row < dates.size(); ++row) {
        const ScheduleEntry& entry = scheduleTable()[row];
        const auto labels = kickoffLabelNames(entry.slot);
        const std::string& first = texts(labels[0]);
        const std::string& second = texts(labels[1]);
        const bool open = entry.placeholder && (first == Placeholder || second == Placeholder);

        // Built in place, one allocation per line.
        std::string line;
        line.reserve(LineCapacity);
        appendLeft(line, std::to_string(entry.number), 2);
        line += ":  ";
        appendLeft(line, dates[row], dateWidth);
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
