#include "venues/TournamentVenues.h"

#include <cstdio>
#include <cstdlib>

namespace tiplark {
namespace {

std::string zoneText(int offsetMinutes)
{
    char text[16];
    const int minutes = std::abs(offsetMinutes);
    std::snprintf(text, sizeof text, "UTC%c%02d:%02d", offsetMinutes < 0 ? '-' : '+', minutes / 60, minutes % 60);
    return text;
}

}  // namespace

std::vector<VenueRow> venueRows(const Tournament& tournament)
{
    std::vector<VenueRow> rows;
    for (const Venue& venue : tournament.venues)
        rows.push_back({venue.stadium, venue.city, zoneText(venue.utcOffsetMinutes), 0});
    const auto host = [&rows](const Kickoff& kickoff) { ++rows.at(static_cast<size_t>(kickoff.venue)).matches; };
    for (const GroupMatch& match : tournament.groupMatches)
        host(match.kickoff);
    for (const KnockoutMatch& match : tournament.knockout)
        host(match.kickoff);
    return rows;
}

}  // namespace tiplark
