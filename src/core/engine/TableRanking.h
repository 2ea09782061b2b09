#pragma once

#include "engine/Criteria.h"
#include "engine/MatchScore.h"

#include <span>
#include <vector>

namespace tiplark {

struct Tournament;
struct TournamentGroup;

// One team's line of a table.
struct TeamRecord {
    int team = -1;
    int played = 0;
    int won = 0;
    int drawn = 0;
    int lost = 0;
    int goalsFor = 0;
    int goalsAgainst = 0;
    int points = 0;

    int goalDifference() const { return goalsFor - goalsAgainst; }
    bool operator==(const TeamRecord&) const = default;
};

// What told two neighbouring rows apart.
enum class OrderSource {
    Scores,        // a criterion that scores decide
    RunningTable,  // the 2006 running table
    ChosenOrder,   // the order chosen for level teams (the user's, or the real one)
    DrawOrder,     // nothing else: the draw's order, or the groups' for third-placed teams
};

struct Separation {
    static constexpr int AfterList = -1;
    int criterion = AfterList;  // index into the ranking list
    OrderSource source = OrderSource::Scores;

    bool operator==(const Separation&) const = default;
};

// A ranked table: rows best first, and below[i] says how rows i and i + 1
// were told apart. A group nobody has scored yet is not ranked: its rows
// stand in the order of the tournament's team list, and a board shows them
// without numbers.
struct RankedTable {
    std::vector<TeamRecord> rows;
    std::vector<Separation> below;
    bool ranked = true;
};

// The group's teams in draw order with their complete matches booked.
void bookGroup(const Tournament& tournament, int group, std::span<const MatchScore> groupScores,
               std::vector<TeamRecord>& rows);

// A group not ranked yet: its teams in the order of the tournament's team
// list, nothing booked.
void listGroup(const Tournament& tournament, int group, RankedTable& table);

// Ranks rows given in their default order (the draw's, or group order for
// third-placed teams) by `criteria`, each applied to the teams still level
// after the ones before it. `chosenOrder` lists teams in the order chosen
// for what scores cannot decide. Head-to-head criteria and the running
// table need the group's matches; rows of different groups are ranked
// without them (`group` negative).
class TableRanker {
public:
    TableRanker(const Tournament& tournament, std::span<const Criterion> criteria, std::span<const int> chosenOrder,
                int group, std::span<const MatchScore> groupScores);

    void rank(RankedTable& table);

private:
    void order(std::vector<int> set, size_t criterion, const std::vector<int>& concerned);
    void split(std::vector<int> set, size_t criterion, const std::vector<int>& concerned);
    void key(std::span<const int> set, size_t criterion, const std::vector<int>& concerned);
    OrderSource source(size_t criterion, int upper, int lower) const;
    int chosenPosition(int row) const;
    int runningPosition(int row);

    const Tournament& m_tournament;
    std::span<const Criterion> m_criteria;
    std::span<const int> m_chosenOrder;
    int m_group;
    std::span<const MatchScore> m_groupScores;
    const std::vector<TeamRecord>* m_rows = nullptr;
    std::vector<int> m_keys;  // per row, for the criterion being applied
    std::vector<int> m_runningOrder;  // teams, computed when first needed
    std::vector<int> m_order;
    std::vector<Separation> m_below;
};

}  // namespace tiplark
