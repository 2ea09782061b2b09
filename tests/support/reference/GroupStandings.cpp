#include "reference/GroupStandings.h"

#include "platform/ScoreText.h"
#include "tournament/TournamentData.h"
#include "tournament/TournamentTexts.h"

#include <optional>
#include <tuple>
#include <utility>

namespace tiplark {
namespace {

using Lines = std::span<GroupStandingsRecord* const>;

// Compares the line now at j with the line now at i, which may have just
// arrived there in the same round; this is what makes unseparated lines
// drift differently from a stable sort, and the shown tables depend on it.
template <typename RanksAhead>
void exchangePass(Lines lines, RanksAhead ranksAhead)
{
    for (size_t i = 0; i + 1 < lines.size(); ++i) {
        for (size_t j = i + 1; j < lines.size(); ++j) {
            if (ranksAhead(*lines[j], *lines[i]))
                std::swap(*lines[j], *lines[i]);
        }
    }
}

bool ranksAhead(const GroupStandingsRecord& b, const GroupStandingsRecord& a)
{
    return std::tie(b.points, b.goalDifference, b.goalsFor) > std::tie(a.points, a.goalDifference, a.goalsFor);
}

// Overall goal difference and goals for close the comparison so that teams
// level on every head-to-head counter are not left to the exchange order.
bool ranksAheadHeadToHead(const GroupStandingsRecord& b, const GroupStandingsRecord& a)
{
    return std::tie(b.headToHeadPoints, b.headToHeadGoalDifference, b.headToHeadGoals, b.goalDifference, b.goalsFor)
        > std::tie(a.headToHeadPoints, a.headToHeadGoalDifference, a.headToHeadGoals, a.goalDifference, a.goalsFor);
}

std::array<GroupStandingsRecord*, 4> rows(GroupTable& table)
{
    return {&table[0], &table[1], &table[2], &table[3]};
}

GroupStandingsRecord* findLine(GroupTable& table, std::string_view team)
{
    for (GroupStandingsRecord& line : table) {
        if (line.teamName == team)
            return &line;
    }
    return nullptr;
}

void book(GroupStandingsRecord& line, std::string_view opponent, int32_t goalsFor, int32_t goalsAgainst)
{
    if (goalsFor > goalsAgainst) {
        line.points += 3;
        ++line.won;
    } else if (goalsFor == goalsAgainst) {
        line.points += 1;
        ++line.tied;
    } else {
        ++line.lost;
    }
    ++line.played;
    line.goalsFor += goalsFor;
    line.goalsAgainst += goalsAgainst;
    line.goalDifference = line.goalsFor - line.goalsAgainst;
    if (line.played <= static_cast<int32_t>(line.opponents.size())) {
        OpponentSlot& slot = line.opponents[static_cast<size_t>(line.played - 1)];
        slot.name.assign(opponent);
        slot.goalsFor = goalsFor;
        slot.goalsAgainst = goalsAgainst;
    }
}

// Orders the flagged lines with the given points in their rows and clears their flags.
void resolveTieGroup(GroupTable& table, int32_t points)
{
    std::array<GroupStandingsRecord*, 4> tied{};
    size_t count = 0;
    for (GroupStandingsRecord& line : table) {
        if (line.levelOnPoints && line.points == points)
            tied[count++] = &line;
    }
    const Lines group(tied.data(), count);
    SortTiedTeams(group);
    for (GroupStandingsRecord* line : group)
        line->levelOnPoints = false;
}

}  // namespace

void InitializeGroupStandings(GroupTable& table, const GroupInfo& group, const TournamentTexts& texts)
{
    for (size_t row = 0; row < table.size(); ++row) {
        GroupStandingsRecord& line = table[row];
        line.teamName.assign(texts.teamName(group.resetOrder[row]));
        line.points = line.played = line.won = line.tied = line.lost = 0;
        line.goalsFor = line.goalsAgainst = line.goalDifference = 0;
        line.levelOnPoints = false;
        for (OpponentSlot& slot : line.opponents) {
            slot.name.clear();
            slot.goalsFor = slot.goalsAgainst = 0;
        }
        line.headToHeadPoints = line.headToHeadGoalDifference = line.headToHeadGoals = 0;
    }
}

void SetGroupScores(std::string_view score1, std::string_view score2, std::string_view team1, std::string_view team2,
                    GroupTable& table)
{
    GroupStandingsRecord* side1 = findLine(table, team1);
    GroupStandingsRecord* side2 = findLine(table, team2);
    if (side1 == nullptr || side2 == nullptr)
        return;
    const int32_t goals1 = scoreValue(score1);
    const int32_t goals2 = scoreValue(score2);
    book(*side1, team2, goals1, goals2);
    book(*side2, team1, goals2, goals1);
}

void SetGroupStandings(GroupTable& table)
{
    exchangePass(rows(table), ranksAhead);
}

void SetGroupStandingsFinal(GroupTable& table)
{
    bool tieFound = false;
    exchangePass(rows(table), [&tieFound](GroupStandingsRecord& b, GroupStandingsRecord& a) {
        if (b.points == a.points) {
            b.levelOnPoints = a.levelOnPoints = true;
            tieFound = true;
        }
        return ranksAhead(b, a);
    });
    if (!tieFound)
        return;

    // With two tie groups in a points-ordered table, T1 is the higher total.
    std::optional<int32_t> t1;
    std::optional<int32_t> t2;
    for (size_t i = 0; i + 1 < table.size(); ++i) {
        if (!table[i].levelOnPoints)
            continue;
        for (size_t j = i + 1; j < table.size(); ++j) {
            if (!table[j].levelOnPoints || table[j].points == table[i].points)
                continue;
            t1 = table[i].points;
            t2 = table[j].points;
            break;
        }
    }
    if (!t1) {
        for (const GroupStandingsRecord& line : table) {
            if (line.levelOnPoints) {
                t1 = line.points;
                break;
            }
        }
    }
    resolveTieGroup(table, *t1);
    if (t2)
        resolveTieGroup(table, *t2);
}

void SortTiedTeams(std::span<GroupStandingsRecord* const> lines)
{
    for (GroupStandingsRecord* p : lines) {
        for (const GroupStandingsRecord* q : lines) {
            for (const OpponentSlot& slot : p->opponents) {
                if (slot.name != q->teamName)
                    continue;
                if (slot.goalsFor > slot.goalsAgainst)
                    p->headToHeadPoints += 3;
                else if (slot.goalsFor == slot.goalsAgainst)
                    p->headToHeadPoints += 1;
                p->headToHeadGoalDifference += slot.goalsFor - slot.goalsAgainst;
                p->headToHeadGoals += slot.goalsFor;
                break;
            }
        }
    }
    exchangePass(lines, ranksAheadHeadToHead);
}


}  // namespace tiplark
