#include "report/TournamentTsv.h"

#include "engine/TournamentOrder.h"
#include "i18n/LanguageTables.h"
#include "report/FixedWidth.h"

#include <algorithm>
#include <array>

namespace tiplark {
namespace {

template <size_t Count>
std::string tabbed(const std::array<std::string, Count>& fields)
{
    std::string line;
    for (size_t f = 0; f < Count; ++f) {
        if (f > 0)
            line += '\t';
        line += fields[f];
    }
    return line;
}

std::string code(const Tournament& tournament, int team)
{
    return team == NoTeam ? std::string() : tournament.teams[static_cast<size_t>(team)].code;
}

}  // namespace

std::vector<std::string> standingsTsv(const Tournament& tournament, const Outcome& outcome)
{
    std::vector<std::string> lines = {"group\tpos\tteam\tplayed\twon\tdrawn\tlost\tgoals_for\tgoals_against\tpoints"};
    for (const int g : groupsByLetter(tournament)) {
        const std::vector<TeamRecord>& rows = outcome.groups[static_cast<size_t>(g)].rows;
        for (size_t r = 0; r < rows.size(); ++r) {
            const TeamRecord& row = rows[r];
            lines.push_back(tabbed(std::array<std::string, 10>{
                std::string(1, tournament.groups[static_cast<size_t>(g)].letter), std::to_string(r + 1),
                code(tournament, row.team), std::to_string(row.played), std::to_string(row.won),
                std::to_string(row.drawn), std::to_string(row.lost), std::to_string(row.goalsFor),
                std::to_string(row.goalsAgainst), std::to_string(row.points)}));
        }
    }
    return lines;
}

std::vector<std::string> bracketTsv(const Tournament& tournament, const KnownTeams& known)
{
    std::vector<std::string> lines = {"match\tteam1\tteam2\twinner"};
    for (const int m : knockoutByNumber(tournament)) {
        const auto match = static_cast<size_t>(m);
        lines.push_back(tabbed(std::array<std::string, 4>{
            std::to_string(tournament.knockout[match].number), code(tournament, known.knockout[match][0]),
            code(tournament, known.knockout[match][1]), code(tournament, known.winners[match])}));
    }
    return lines;
}

std::vector<std::string> tournamentListLines(int languageIndex, const std::vector<Tournament>& tournaments, bool tsv)
{
    using Row = std::array<std::string, 4>;
    std::vector<Row> rows;
    for (const Tournament& tournament : tournaments) {
        rows.push_back({tournament.id, tournament.name, std::to_string(tournament.teams.size()),
                        std::to_string(tournament.matchCount())});
    }
    std::vector<std::string> lines;
    if (tsv) {
        lines.push_back(tabbed(Row{"id", "name", "teams", "matches"}));
        for (const Row& row : rows)
            lines.push_back(tabbed(row));
        return lines;
    }
    const Row heading = {languageText(languageIndex, "tournaments.id"), languageText(languageIndex, "tournaments.name"),
                         languageText(languageIndex, "tournaments.teams"),
                         languageText(languageIndex, "tournaments.matches")};
    std::array<size_t, 4> width{};
    for (size_t c = 0; c < width.size(); ++c) {
        width[c] = characterCount(heading[c]);
        for (const Row& row : rows)
            width[c] = std::max(width[c], characterCount(row[c]));
    }
    // Names left-aligned, numbers right-aligned under their headings.
    const auto line = [&width](const Row& row) {
        std::string text;
        appendLeft(text, row[0], width[0]);
        text += "  ";
        appendLeft(text, row[1], width[1]);
        text += "  ";
        appendRight(text, row[2], width[2]);
        text += "  ";
        appendRight(text, row[3], width[3]);
        return text;
    };
    lines.push_back(line(heading));
    for (const Row& row : rows)
        lines.push_back(line(row));
    return lines;
}

}  // namespace tiplark
