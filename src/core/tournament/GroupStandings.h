#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace tiplark {

struct OpponentSlot {
    std::string name;
    int32_t goalsFor = 0;
    int32_t goalsAgainst = 0;
};

// One team's line of a group table; lines are exchanged as whole records.
struct GroupStandingsRecord {
    std::string teamName;
    int32_t points = 0;
    int32_t played = 0;
    int32_t won = 0;
    int32_t tied = 0;
    int32_t lost = 0;
    int32_t goalsFor = 0;
    int32_t goalsAgainst = 0;
    int32_t goalDifference = 0;
    bool levelOnPoints = false;
    std::array<OpponentSlot, 3> opponents;
    int32_t headToHeadPoints = 0;
    int32_t headToHeadGoalDifference = 0;
    int32_t headToHeadGoals = 0;
};

using GroupTable = std::array<GroupStandingsRecord, 4>;

}  // namespace tiplark
