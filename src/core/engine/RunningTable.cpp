#include "engine/RunningTable.h"

#include "engine/Tournament.h"

#include <optional>
#include <tuple>
#include <utility>

namespace tiplark {
namespace {

struct Opponent {
    int team;
    int goalsFor;
    int goalsAgainst;
};

struct Line {
    int team = NoTeam;
    int points = 0;
    int goalsFor = 0;
    int goalsAgainst = 0;
    bool levelOnPoints = false;
    std::vector<Opponent> opponents;
    int headToHeadPoints = 0;
    int headToHeadGoalDifference = 0;
    int headToHeadGoals = 0;

    int goalDifference() const { return goalsFor - goalsAgainst; }
};

template <typename RanksAhead>
void exchangePass(std::span<Line* const> lines, RanksAhead ranksAhead)
{
    for (size_t i = 0; i + 1 < lines.size(); ++i) {
        for (size_t j = i + 1; j < lines.size(); ++j) {
            if (ranksAhead(*lines[j], *lines[i]))
                std::swap(*lines[j], *lines[i]);
        }
    }
}

bool ranksAhead(const Line& b, const Line& a)
{
    return std::tuple(b.points, b.goalDifference(), b.goalsFor) > std::tuple(a.points, a.goalDifference(), a.goalsFor);
}

bool ranksAheadHeadToHead(const Line& b, const Line& a)
{
    return std::tuple(b.headToHeadPoints, b.headToHeadGoalDifference, b.headToHeadGoals, b.goalDifference(), b.goalsFor)
           > std::tuple(a.headToHeadPoints, a.headToHeadGoalDifference, a.headToHeadGoals, a.goalDifference(), a.goalsFor);
}

void book(Line& line, int opponent, int goalsFor, int goalsAgainst, const Tournament& tournament)
{
    line.points += goalsFor > goalsAgainst ? tournament.winPoints : goalsFor == goalsAgainst ? tournament.drawPoints : 0;
    line.goalsFor += goalsFor;
    line.goalsAgainst += goalsAgainst;
    line.opponents.push_back({opponent, goalsFor, goalsAgainst});
}

// The head-to-head counters of each line among the lines given (a line's
// first match against each), then the exchange by them.
void sortTiedTeams(std::span<Line* const> lines, const Tournament& tournament)
{
    for (Line* p : lines) {
        for (const Line* q : lines) {
            for (const Opponent& match : p->opponents) {
                if (match.team != q->team)
                    continue;
                p->headToHeadPoints += match.goalsFor > match.goalsAgainst    ? tournament.winPoints
                                       : match.goalsFor == match.goalsAgainst ? tournament.drawPoints
                                                                              : 0;
                p->headToHeadGoalDifference += match.goalsFor - match.goalsAgainst;
                p->headToHeadGoals += match.goalsFor;
                break;
            }
        }
    }
    exchangePass(lines, ranksAheadHeadToHead);
}

void resolveTieGroup(std::vector<Line>& table, int points, const Tournament& tournament)
{
    std::vector<Line*> tied;
    for (Line& line : table) {
        if (line.levelOnPoints && line.points == points)
            tied.push_back(&line);
    }
    sortTiedTeams(tied, tournament);
    for (Line* line : tied)
        line->levelOnPoints = false;
}

}  // namespace

std::vector<int> runningTableOrder(const Tournament& tournament, int group, std::span<const MatchScore> groupScores)
{
    const TournamentGroup& info = tournament.groups[static_cast<size_t>(group)];
    std::vector<Line> table(info.tableOrder.size());
    std::vector<Line*> rows;
    for (size_t r = 0; r < table.size(); ++r) {
        table[r].team = info.tableOrder[r];
        rows.push_back(&table[r]);
    }
    const auto line = [&table](int team) -> Line& {
        for (Line& candidate : table) {
            if (candidate.team == team)
                return candidate;
        }
        return table.front();
    };
    for (const int m : info.matches) {
        const MatchScore& score = groupScores[static_cast<size_t>(m)];
        if (!score.complete())
            continue;
        const auto& teams = tournament.groupMatches[static_cast<size_t>(m)].teams;
        book(line(teams[0]), teams[1], score.goals[0], score.goals[1], tournament);
        book(line(teams[1]), teams[0], score.goals[1], score.goals[0], tournament);
        exchangePass(rows, ranksAhead);
    }

    bool tieFound = false;
    exchangePass(rows, [&tieFound](Line& b, Line& a) {
        if (b.points == a.points) {
            b.levelOnPoints = a.levelOnPoints = true;
            tieFound = true;
        }
        return ranksAhead(b, a);
    });
    if (tieFound) {
        // Of two sets level on points, the first found with a line of
        // another total after it is resolved first.
        std::optional<int> first;
        std::optional<int> second;
        for (size_t i = 0; i + 1 < table.size(); ++i) {
            if (!table[i].levelOnPoints)
                continue;
            for (size_t j = i + 1; j < table.size(); ++j) {
                if (!table[j].levelOnPoints || table[j].points == table[i].points)
                    continue;
                first = table[i].points;
                second = table[j].points;
                break;
            }
        }
        if (!first) {
            for (const Line& candidate : table) {
                if (candidate.levelOnPoints) {
                    first = candidate.points;
                    break;
                }
            }
        }
        resolveTieGroup(table, *first, tournament);
        if (second)
            resolveTieGroup(table, *second, tournament);
    }

    std::vector<int> order;
    for (const Line& candidate : table)
        order.push_back(candidate.team);
    return order;
}

}  // namespace tiplark
