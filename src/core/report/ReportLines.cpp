#include "report/ReportLines.h"

#include "report/FixedWidth.h"
#include "tournament/BoardControls.h"
#include "tournament/TournamentData.h"

#include <array>
#include <string_view>
#include <utility>

namespace tiplark {
namespace {

constexpr std::size_t NameWidth = 15;

struct Title {
    const char* text;
    std::size_t underline;  // fixed per language, not the title's length
};

Title title(int languageIndex)
{
    switch (languageIndex) {
    case 1:
        return {"Tiplark - Alemania", 34};
    case 2:
        return {"Tiplark - Allemagne", 43};
    case 3:
        return {"Tiplark - Deutschland", 21};
    default:
        return {"Tiplark - Germany", 31};
    }
}

// Width of each standings column in the heading and in the rows, in board
// order Pts P W T L GF GA PM. Points sit one column left of their heading.
constexpr std::array<std::size_t, StandingsColumnCount> HeadingWidths = {22, 2, 2, 2, 2, 3, 3, 4};
constexpr std::array<std::size_t, StandingsColumnCount> CellWidths = {3, 3, 2, 2, 2, 3, 3, 4};
// The rule under the points heading.
constexpr std::string_view PointsRule = "---";

// A column after the first widens, heading and cells alike, until its heading
// stands one blank apart from the one before: "Sp" and "Tor" need it.
struct ColumnWidths {
    std::array<std::size_t, StandingsColumnCount> heading = HeadingWidths;
    std::array<std::size_t, StandingsColumnCount> cell = CellWidths;
};

ColumnWidths columnWidths(const std::array<std::string, StandingsColumnCount>& headings)
{
    ColumnWidths widths;
    for (std::size_t c = 1; c < StandingsColumnCount; ++c) {
        const std::size_t needed = characterCount(headings[c]) + 1;
        if (needed > widths.heading[c]) {
            widths.cell[c] += needed - widths.heading[c];
            widths.heading[c] = needed;
        }
    }
    return widths;
}

// Report lines are at most this long; reserving it spares the regrowth.
constexpr std::size_t LineCapacity = 64;

std::string matchLine(const std::string& first, const std::string& second,
                      const std::string& firstScore, const std::string& secondScore)
{
    std::string line;
    line.reserve(LineCapacity);
    appendRight(line, first, NameWidth);
    line += " - ";
    appendLeft(line, second, NameWidth);
    line += ": ";
    appendRight(line, firstScore, 2);
    line += " - ";
    appendLeft(line, secondScore, 2);
    return line;
}

void addGroup(std::vector<std::string>& lines, const GroupInfo& group, const TextLookup& texts)
{
    const char letter = group.letter;
    const std::string g = std::string("G") + letter;

    lines.push_back(upper(texts("Group" + std::string(1, letter) + "Lbl")) + ":");
    lines.emplace_back();
    for (int m = 1; m <= MatchesPerGroup; ++m) {
        lines.push_back(matchLine(texts(groupLabelName(letter, m, 1)), texts(groupLabelName(letter, m, 2)),
                                  texts(groupScoreName(letter, m, 1)), texts(groupScoreName(letter, m, 2))));
    }
    lines.emplace_back();
    lines.emplace_back();

    // One name buffer for the column headings and the cells.
    std::string name;
    const auto cellName = [&](std::size_t column, std::string_view last) -> const std::string& {
        name = g;
        name += StandingsColumns[column];
        name += last;
        return name;
    };

    std::array<std::string, StandingsColumnCount> headings;
    for (std::size_t c = 0; c < StandingsColumnCount; ++c)
        headings[c] = texts(cellName(c, "Lbl"));
    const ColumnWidths widths = columnWidths(headings);

    std::string heading;
    heading.reserve(LineCapacity);
    std::string rule;
    rule.reserve(LineCapacity);
    for (std::size_t c = 0; c < StandingsColumnCount; ++c) {
        appendRight(heading, headings[c], widths.heading[c]);
        appendRight(rule, c == 0 ? std::string(PointsRule) : std::string(widths.heading[c] - 1, '-'), widths.heading[c]);
    }
    lines.push_back(std::move(heading));
    lines.push_back(std::move(rule));

    for (int row = 1; row <= TeamsPerGroup; ++row) {
        const std::string r = std::to_string(row);
        std::string line;
        line.reserve(LineCapacity);
        line += r + ". ";
        appendLeft(line, texts(standingsNameLabel(letter, row)), NameWidth);
        for (std::size_t c = 0; c < StandingsColumnCount; ++c)
            appendRight(line, texts(cellName(c, r)), widths.cell[c]);
        lines.push_back(std::move(line));
    }
    lines.insert(lines.end(), 3, std::string());
}

void addRound(std::vector<std::string>& lines, Round round, const TextLookup& texts)
{
    const RoundInfo& info = rounds()[static_cast<std::size_t>(round)];
    lines.push_back(upper(texts(std::string(info.prefix) + "Lbl")) + ":");
    lines.emplace_back();
    for (int m = 1; m <= info.matchCount; ++m) {
        std::string line = matchLine(texts(knockoutLabelName(round, m, 1)), texts(knockoutLabelName(round, m, 2)),
                                     texts(knockoutScoreName(round, m, 1)), texts(knockoutScoreName(round, m, 2)));
        const std::string& firstPenalty = texts(knockoutPenaltyName(round, m, 1));
        const std::string& secondPenalty = texts(knockoutPenaltyName(round, m, 2));
        // Any text in both boxes counts, whatever the score says.
        if (!firstPenalty.empty() && !secondPenalty.empty())
            line += " pen.(" + firstPenalty + "-" + secondPenalty + ")";
        lines.push_back(std::move(line));
    }
    lines.emplace_back();
    lines.emplace_back();
}

}  // namespace

std::vector<std::string> BuildReportLines(int languageIndex, const TextLookup& texts)
{
    std::vector<std::string> lines;
    lines.reserve(ReportLineCount);

    const Title heading = title(languageIndex);
    lines.emplace_back(heading.text);
    lines.emplace_back(heading.underline, '-');
    lines.emplace_back();

    for (const GroupInfo& group : groups())
        addGroup(lines, group, texts);
    for (int r = 0; r < RoundCount; ++r)
        addRound(lines, static_cast<Round>(r), texts);

    lines.push_back(texts("ChampionLbl") + ": " + upper(texts("Champion")));
    lines.emplace_back();
    return lines;
}

}  // namespace tiplark
