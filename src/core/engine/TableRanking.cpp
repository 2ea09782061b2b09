#include "engine/TableRanking.h"

#include "engine/RunningTable.h"
#include "engine/Tournament.h"

#include <algorithm>
#include <limits>

namespace tiplark {
namespace {

void book(TeamRecord& record, int goalsFor, int goalsAgainst, const Tournament& tournament)
{
    ++record.played;
    record.goalsFor += goalsFor;
    record.goalsAgainst += goalsAgainst;
    if (goalsFor > goalsAgainst) {
        ++record.won;
        record.points += tournament.winPoints;
    } else if (goalsFor == goalsAgainst) {
        ++record.drawn;
        record.points += tournament.drawPoints;
    } else {
        ++record.lost;
    }
}

int rowOf(const std::vector<TeamRecord>& rows, int team)
{
    for (size_t r = 0; r < rows.size(); ++r) {
        if (rows[r].team == team)
            return static_cast<int>(r);
    }
    return -1;
}

}  // namespace

void bookGroup(const Tournament& tournament, int group, std::span<const MatchScore> groupScores,
               std::vector<TeamRecord>& rows)
{
    const TournamentGroup& info = tournament.groups[static_cast<size_t>(group)];
    rows.assign(info.teams.size(), {});
    for (size_t r = 0; r < rows.size(); ++r)
        rows[r].team = info.teams[r];
    for (const int m : info.matches) {
        const MatchScore& score = groupScores[static_cast<size_t>(m)];
        if (!score.complete())
            continue;
        const auto& teams = tournament.groupMatches[static_cast<size_t>(m)].teams;
        book(rows[static_cast<size_t>(rowOf(rows, teams[0]))], score.goals[0], score.goals[1], tournament);
        book(rows[static_cast<size_t>(rowOf(rows, teams[1]))], score.goals[1], score.goals[0], tournament);
    }
}

void listGroup(const Tournament& tournament, int group, RankedTable& table)
{
    std::vector<int> teams = tournament.groups[static_cast<size_t>(group)].teams;
    std::sort(teams.begin(), teams.end());
    table.rows.assign(teams.size(), {});
    for (size_t r = 0; r < teams.size(); ++r)
        table.rows[r].team = teams[r];
    table.below.assign(teams.size() - 1, {Separation::AfterList, OrderSource::DrawOrder});
    table.ranked = false;
}

TableRanker::TableRanker(const Tournament& tournament, std::span<const Criterion> criteria,
                         std::span<const int> chosenOrder, int group, std::span<const MatchScore> groupScores)
    : m_tournament(tournament)
    , m_criteria(criteria)
    , m_chosenOrder(chosenOrder)
    , m_group(group)
    , m_groupScores(groupScores)
{
}

void TableRanker::rank(RankedTable& table)
{
    m_rows = &table.rows;
    m_keys.assign(table.rows.size(), 0);
    m_runningOrder.clear();
    m_order.clear();
    m_below.clear();
    std::vector<int> all(table.rows.size());
    for (size_t r = 0; r < all.size(); ++r)
        all[r] = static_cast<int>(r);
    if (!all.empty())
        order(all, 0, all);

    std::vector<TeamRecord> ranked;
    ranked.reserve(m_order.size());
    for (const int row : m_order)
        ranked.push_back(table.rows[static_cast<size_t>(row)]);
    table.rows = std::move(ranked);
    table.below = m_below;
    m_rows = nullptr;
}

// Appends `set`, whose rows are level on every criterion before
// `criterion`, to the order, best first. `concerned` holds the rows among
// which the current run of head-to-head criteria counts its matches.
void TableRanker::order(std::vector<int> set, size_t criterion, const std::vector<int>& concerned)
{
    if (set.size() == 1) {
        m_order.push_back(set.front());
        return;
    }
    if (criterion < m_criteria.size()) {
        const CriterionKind kind = criterionKind(m_criteria[criterion]);
        if (kind == CriterionKind::HeadToHeadAgain) {
            if (set.size() == concerned.size()) {
                order(std::move(set), criterion + 1, concerned);
                return;
            }
            size_t runStart = criterion;
            while (runStart > 0 && criterionKind(m_criteria[runStart - 1]) == CriterionKind::HeadToHead)
                --runStart;
            const std::vector<int> fewer = set;
            order(std::move(set), runStart, fewer);
            return;
        }
        // A run of head-to-head criteria counts the matches among the teams
        // level when it starts, however its own criteria split them.
        const bool runStarts = kind == CriterionKind::HeadToHead
                               && (criterion == 0 || criterionKind(m_criteria[criterion - 1]) != CriterionKind::HeadToHead);
        if (runStarts) {
            const std::vector<int> teamsConcerned = set;
            split(std::move(set), criterion, teamsConcerned);
            return;
        }
    }
    split(std::move(set), criterion, concerned);
}

// Orders `set` by one criterion and each group of rows it leaves level by
// the criteria after it.
void TableRanker::split(std::vector<int> set, size_t criterion, const std::vector<int>& concerned)
{
    key(set, criterion, concerned);
    std::stable_sort(set.begin(), set.end(), [this](int a, int b) {
        return m_keys[static_cast<size_t>(a)] > m_keys[static_cast<size_t>(b)];
    });
    for (size_t first = 0; first < set.size();) {
        size_t last = first + 1;
        while (last < set.size() && m_keys[static_cast<size_t>(set[last])] == m_keys[static_cast<size_t>(set[first])])
            ++last;
        if (first > 0) {
            const int index = criterion < m_criteria.size() ? static_cast<int>(criterion) : Separation::AfterList;
            m_below.push_back({index, source(criterion, set[first - 1], set[first])});
        }
        order(std::vector<int>(set.begin() + static_cast<std::ptrdiff_t>(first),
                               set.begin() + static_cast<std::ptrdiff_t>(last)),
              criterion + 1, concerned);
        first = last;
    }
}

void TableRanker::key(std::span<const int> set, size_t criterion, const std::vector<int>& concerned)
{
    const std::vector<TeamRecord>& rows = *m_rows;
    if (criterion >= m_criteria.size()) {
        for (const int row : set)
            m_keys[static_cast<size_t>(row)] = -row;
        return;
    }
    const Criterion c = m_criteria[criterion];
    switch (criterionKind(c)) {
    case CriterionKind::Overall:
        for (const int row : set) {
            const TeamRecord& record = rows[static_cast<size_t>(row)];
            m_keys[static_cast<size_t>(row)] = c == Criterion::Points           ? record.points
                                               : c == Criterion::GoalDifference ? record.goalDifference()
                                                                                : record.goalsFor;
        }
        return;
    case CriterionKind::HeadToHead: {
        std::vector<TeamRecord> among(rows.size());
        const TournamentGroup& group = m_tournament.groups[static_cast<size_t>(m_group)];
        const auto concernedRow = [&](int team) {
            for (const int row : concerned) {
                if (rows[static_cast<size_t>(row)].team == team)
                    return row;
            }
            return -1;
        };
        for (const int m : group.matches) {
            const MatchScore& score = m_groupScores[static_cast<size_t>(m)];
            const auto& teams = m_tournament.groupMatches[static_cast<size_t>(m)].teams;
            const int first = concernedRow(teams[0]);
            const int second = concernedRow(teams[1]);
            if (first < 0 || second < 0 || !score.complete())
                continue;
            book(among[static_cast<size_t>(first)], score.goals[0], score.goals[1], m_tournament);
            book(among[static_cast<size_t>(second)], score.goals[1], score.goals[0], m_tournament);
        }
        for (const int row : set) {
            const TeamRecord& record = among[static_cast<size_t>(row)];
            m_keys[static_cast<size_t>(row)] = c == Criterion::HeadToHeadPoints           ? record.points
                                               : c == Criterion::HeadToHeadGoalDifference ? record.goalDifference()
                                                                                          : record.goalsFor;
        }
        return;
    }
    case CriterionKind::Decided:
        for (const int row : set)
            m_keys[static_cast<size_t>(row)] = -chosenPosition(row);
        return;
    case CriterionKind::RunningTable:
        for (const int row : set)
            m_keys[static_cast<size_t>(row)] = -runningPosition(row);
        return;
    case CriterionKind::HeadToHeadAgain:
        break;
    }
}

OrderSource TableRanker::source(size_t criterion, int upper, int lower) const
{
    if (criterion >= m_criteria.size())
        return OrderSource::DrawOrder;
    switch (criterionKind(m_criteria[criterion])) {
    case CriterionKind::Decided: {
        const auto chosen = [this](int row) {
            const int team = (*m_rows)[static_cast<size_t>(row)].team;
            return std::find(m_chosenOrder.begin(), m_chosenOrder.end(), team) != m_chosenOrder.end();
        };
        return chosen(upper) && chosen(lower) ? OrderSource::ChosenOrder : OrderSource::DrawOrder;
    }
    case CriterionKind::RunningTable:
        return OrderSource::RunningTable;
    default:
        return OrderSource::Scores;
    }
}

// Chosen teams first, in the chosen order; the others after them in their
// default order.
int TableRanker::chosenPosition(int row) const
{
    const int team = (*m_rows)[static_cast<size_t>(row)].team;
    const auto found = std::find(m_chosenOrder.begin(), m_chosenOrder.end(), team);
    if (found != m_chosenOrder.end())
        return static_cast<int>(found - m_chosenOrder.begin());
    return static_cast<int>(m_chosenOrder.size()) + row;
}

int TableRanker::runningPosition(int row)
{
    if (m_runningOrder.empty())
        m_runningOrder = runningTableOrder(m_tournament, m_group, m_groupScores);
    const int team = (*m_rows)[static_cast<size_t>(row)].team;
    const auto found = std::find(m_runningOrder.begin(), m_runningOrder.end(), team);
    return found == m_runningOrder.end() ? std::numeric_limits<int>::max() : static_cast<int>(found - m_runningOrder.begin());
}

}  // namespace tiplark
