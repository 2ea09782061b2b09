#include "report/TournamentScheduleLines.h"

#include "i18n/KickoffTime.h"
#include "i18n/TournamentNames.h"
#include "report/FixedWidth.h"

#include <algorithm>

namespace tiplark {
namespace {

struct ScheduledMatch {
    const Kickoff* kickoff = nullptr;
    int number = 0;
    std::string first;
    std::string second;
};

std::vector<ScheduledMatch> scheduledMatches(int languageIndex, const Tournament& tournament, const KnownTeams& known)
{
    const auto byKickoff = [](const ScheduledMatch& a, const ScheduledMatch& b) {
        return a.kickoff->utcMinutes < b.kickoff->utcMinutes;
    };
    const auto name = [&](int team) { return tournamentTeamName(languageIndex, tournament, team); };
    std::vector<ScheduledMatch> matches;
    for (const GroupMatch& match : tournament.groupMatches)
        matches.push_back({&match.kickoff, 0, name(match.teams[0]), name(match.teams[1])});
    // Group matches are numbered in the order they are played.
    std::stable_sort(matches.begin(), matches.end(), byKickoff);
    for (size_t m = 0; m < matches.size(); ++m)
        matches[m].number = static_cast<int>(m) + 1;
    for (size_t m = 0; m < tournament.knockout.size(); ++m) {
        const KnockoutMatch& match = tournament.knockout[m];
        const auto& teams = known.knockout[m];
        const auto side = [&](size_t s) { return teams[s] == NoTeam ? match.sides[s].text : name(teams[s]); };
        matches.push_back({&match.kickoff, match.number, side(0), side(1)});
    }
    std::stable_sort(matches.begin(), matches.end(), [&byKickoff](const ScheduledMatch& a, const ScheduledMatch& b) {
        return byKickoff(a, b) || (!byKickoff(b, a) && a.number < b.number);
    });
    return matches;
}

}  // namespace

std::vector<std::string> tournamentScheduleLines(int languageIndex, const Tournament& tournament,
                                                 const KnownTeams& known, const Preferences& zone,
                                                 const DateTimeFormat& format)
{
    const std::vector<ScheduledMatch> matches = scheduledMatches(languageIndex, tournament, known);
    std::vector<std::string> dates;
    std::size_t dateWidth = 0;
    std::size_t teamsWidth = 0;
    for (const ScheduledMatch& match : matches) {
        const Venue& venue = tournament.venues.at(static_cast<size_t>(match.kickoff->venue));
        const CivilDateTime moment = decodeDateTime(shownKickoff(*match.kickoff, venue, zone));
        dates.push_back(format.shortDate(moment) + " (" + format.longWeekday(moment) + ") " + format.shortTime(moment));
        dateWidth = std::max(dateWidth, characterCount(dates.back()));
        teamsWidth = std::max(teamsWidth, characterCount(match.first) + characterCount(match.second) + 3);
    }
    const std::size_t numberWidth = std::to_string(tournament.matchCount()).size();

    std::vector<std::string> lines;
    lines.reserve(matches.size());
    for (size_t m = 0; m < matches.size(); ++m) {
        const ScheduledMatch& match = matches[m];
        std::string line(numberWidth - std::min(numberWidth, std::to_string(match.number).size()), ' ');
        line += std::to_string(match.number);
        line += ":  ";
        appendLeft(line, dates[m], dateWidth + 1);
        line += ":  ";
        appendLeft(line, match.first + " - " + match.second, teamsWidth + 2);
        line += tournament.venues[static_cast<size_t>(match.kickoff->venue)].city;
        lines.push_back(std::move(line));
    }
    return lines;
}

}  // namespace tiplark
