#include "report/TournamentReportLines.h"

#include "engine/TournamentOrder.h"
#include "i18n/LanguageTables.h"
#include "i18n/TournamentNames.h"
#include "report/FixedWidth.h"

#include <algorithm>
#include <array>

namespace tiplark {
namespace {

// Names take at least the board report's width, and the longest name's.
constexpr std::size_t MinimumNameWidth = 15;
// The table's columns in the board's order: Pts P W T L GF GA Dif.
constexpr std::array<const char*, 8> ColumnKeys = {"board.colPts",      "board.colPlayed",   "board.colWon",
                                                   "board.colTied",     "board.colLost",     "board.colGoalsFor",
                                                   "board.colGoalsAgainst", "board.colDiff"};
// Wide enough for "-12".
constexpr std::size_t MinimumCellWidth = 3;

class ReportBuilder {
public:
    ReportBuilder(int languageIndex, const Tournament& tournament)
        : m_language(languageIndex)
        , m_tournament(tournament)
    {
        for (size_t t = 0; t < tournament.teams.size(); ++t)
            m_nameWidth = std::max(m_nameWidth, characterCount(name(static_cast<int>(t))));
        for (size_t c = 0; c < ColumnKeys.size(); ++c) {
            m_headings[c] = languageText(languageIndex, ColumnKeys[c]);
            m_widths[c] = std::max(characterCount(m_headings[c]), MinimumCellWidth) + 1;
        }
    }

    void title()
    {
        std::string heading = languageText(m_language, "title.prefix");
        heading += m_tournament.name;
        m_lines.push_back(heading);
        m_lines.emplace_back(characterCount(heading), '-');
        m_lines.emplace_back();
    }

    void groupMatches(int group, const Prediction& prediction)
    {
        m_lines.push_back(capitals(groupTitle(group)) + ":");
        m_lines.emplace_back();
        for (const int m : m_tournament.groups[static_cast<size_t>(group)].matches) {
            const auto& teams = m_tournament.groupMatches[static_cast<size_t>(m)].teams;
            m_lines.push_back(matchLine(name(teams[0]), name(teams[1]), prediction.group[static_cast<size_t>(m)]));
        }
        m_lines.emplace_back();
        m_lines.emplace_back();
    }

    void groupTable(int group, const Outcome& outcome, bool titled)
    {
        if (titled) {
            m_lines.push_back(capitals(groupTitle(group)) + ":");
            m_lines.emplace_back();
        }
        table(outcome.groups[static_cast<size_t>(group)].rows, {}, 0);
        m_lines.insert(m_lines.end(), 3, std::string());
    }

    void thirds(const Outcome& outcome)
    {
        if (!m_tournament.thirds)
            return;
        m_lines.push_back(capitals(languageText(m_language, "report.thirds")) + ":");
        m_lines.emplace_back();
        std::vector<char> letters;
        for (const int g : outcome.thirds.groups)
            letters.push_back(m_tournament.groups[static_cast<size_t>(g)].letter);
        table(outcome.thirds.table.rows, letters, static_cast<size_t>(m_tournament.thirds->advance));
        m_lines.insert(m_lines.end(), 3, std::string());
    }

    void round(int round, const Prediction& prediction, const KnownTeams& known)
    {
        m_lines.push_back(capitals(roundName(m_language, m_tournament, round)) + ":");
        m_lines.emplace_back();
        for (const int m : roundByNumber(m_tournament, round)) {
            const auto match = static_cast<size_t>(m);
            const KnockoutMatch& info = m_tournament.knockout[match];
            const MatchScore& score = prediction.knockout[match];
            std::string line = right(std::to_string(info.number), 3);
            line += "  ";
            line += matchLine(slotName(known.knockout[match][0], info.sides[0]),
                              slotName(known.knockout[match][1], info.sides[1]), score);
            if (score.penalties[0] != MatchScore::Empty && score.penalties[1] != MatchScore::Empty) {
                std::string shootOut = "(";
                shootOut += std::to_string(score.penalties[0]);
                shootOut += '-';
                shootOut += std::to_string(score.penalties[1]);
                shootOut += ')';
                line += ' ';
                line += fillIn(languageText(m_language, "report.shootOut"), shootOut);
            }
            m_lines.push_back(std::move(line));
        }
        m_lines.emplace_back();
        m_lines.emplace_back();
    }

    void champion(int team)
    {
        std::string line = languageText(m_language, "board.champion");
        line += ": ";
        if (team != NoTeam)
            line += capitals(name(team));
        m_lines.push_back(std::move(line));
        m_lines.emplace_back();
    }

    std::vector<std::string> take() { return std::move(m_lines); }

private:
    std::string name(int team) const { return tournamentTeamName(m_language, m_tournament, team); }

    std::string slotName(int team, const Slot& slot) const { return team == NoTeam ? slot.text : name(team); }

    std::string groupTitle(int group) const
    {
        return languageText(m_language, "board.group") + m_tournament.groups[static_cast<size_t>(group)].letter;
    }

    std::string matchLine(const std::string& first, const std::string& second, const MatchScore& score) const
    {
        const auto goals = [&score](size_t side) {
            return score.goals[side] == MatchScore::Empty ? std::string() : std::to_string(score.goals[side]);
        };
        std::string line;
        appendRight(line, first, m_nameWidth);
        line += " - ";
        appendLeft(line, second, m_nameWidth);
        line += ": ";
        appendRight(line, goals(0), 2);
        line += " - ";
        line += goals(1);
        return line;
    }

    // Rows "1. Name" with their cells; with `letters`, each name follows its
    // group's letter, and a rule parts the first `advance` rows from the rest.
    void table(const std::vector<TeamRecord>& rows, const std::vector<char>& letters, size_t advance)
    {
        const std::size_t indent = 4 + (letters.empty() ? 0 : 3) + m_nameWidth;
        std::string heading(indent, ' ');
        std::string rule(indent, ' ');
        for (size_t c = 0; c < ColumnKeys.size(); ++c) {
            appendRight(heading, m_headings[c], m_widths[c]);
            appendRight(rule, std::string(characterCount(m_headings[c]), '-'), m_widths[c]);
        }
        m_lines.push_back(std::move(heading));
        m_lines.push_back(std::move(rule));
        for (size_t r = 0; r < rows.size(); ++r) {
            if (advance > 0 && r == advance) {
                std::string parting(4, ' ');
                parting.append(indent - 4, '-');
                m_lines.push_back(std::move(parting));
            }
            const TeamRecord& row = rows[r];
            std::string line = right(std::to_string(r + 1), 2);
            line += ". ";
            if (!letters.empty()) {
                line += letters[r];
                line += "  ";
            }
            appendLeft(line, name(row.team), m_nameWidth);
            const std::array<int, 8> cells = {row.points, row.played, row.won, row.drawn,
                                              row.lost, row.goalsFor, row.goalsAgainst, row.goalDifference()};
            for (size_t c = 0; c < cells.size(); ++c)
                appendRight(line, std::to_string(cells[c]), m_widths[c]);
            m_lines.push_back(std::move(line));
        }
    }

    int m_language;
    const Tournament& m_tournament;
    std::size_t m_nameWidth = MinimumNameWidth;
    std::array<std::string, ColumnKeys.size()> m_headings;
    std::array<std::size_t, ColumnKeys.size()> m_widths{};
    std::vector<std::string> m_lines;
};

}  // namespace

std::vector<std::string> tournamentReportLines(int languageIndex, const Tournament& tournament,
                                               const Prediction& prediction, const Outcome& outcome,
                                               const KnownTeams& known)
{
    ReportBuilder report(languageIndex, tournament);
    report.title();
    for (const int g : groupsByLetter(tournament)) {
        report.groupMatches(g, prediction);
        report.groupTable(g, outcome, false);
    }
    report.thirds(outcome);
    for (size_t r = 0; r < tournament.rounds.size(); ++r)
        report.round(static_cast<int>(r), prediction, known);
    report.champion(known.champion);
    return report.take();
}

std::vector<std::string> standingsLines(int languageIndex, const Tournament& tournament, const Outcome& outcome)
{
    ReportBuilder report(languageIndex, tournament);
    for (const int g : groupsByLetter(tournament))
        report.groupTable(g, outcome, true);
    report.thirds(outcome);
    return report.take();
}

std::vector<std::string> bracketLines(int languageIndex, const Tournament& tournament, const Prediction& prediction,
                                      const KnownTeams& known)
{
    ReportBuilder report(languageIndex, tournament);
    for (size_t r = 0; r < tournament.rounds.size(); ++r)
        report.round(static_cast<int>(r), prediction, known);
    report.champion(known.champion);
    return report.take();
}

}  // namespace tiplark
