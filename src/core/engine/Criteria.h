#pragma once

#include <optional>
#include <string_view>

namespace tiplark {

// A criterion of a group table or of the ranking of third-placed teams, known
// to tournament files by its name.
enum class Criterion {
    Points,
    GoalDifference,
    Goals,
    HeadToHeadPoints,
    HeadToHeadGoalDifference,
    HeadToHeadGoals,
    // The head-to-head run just before it once more, among only the teams
    // still level, while that set shrinks.
    HeadToHeadAgain,
    // What scores cannot decide; the level teams take the prediction's own
    // order, else the draw order.
    FairPlay,
    Conduct,
    Ranking,
    Lots,
    // The order the 2006 program's running table left teams that nothing
    // else separates.
    RunningTable,
};

enum class CriterionKind { Overall, HeadToHead, HeadToHeadAgain, Decided, RunningTable };

CriterionKind criterionKind(Criterion criterion);
// The name tournament files use ("head-to-head-points"); std::nullopt for any other text.
std::optional<Criterion> criterionNamed(std::string_view name);
std::string_view criterionName(Criterion criterion);

}  // namespace tiplark
