#include "engine/Criteria.h"

#include <array>

namespace tiplark {
namespace {

struct CriterionEntry {
    Criterion criterion;
    std::string_view name;
    CriterionKind kind;
};

constexpr std::array<CriterionEntry, 12> Registry = {{
    {Criterion::Points, "points", CriterionKind::Overall},
    {Criterion::GoalDifference, "goal-difference", CriterionKind::Overall},
    {Criterion::Goals, "goals", CriterionKind::Overall},
    {Criterion::HeadToHeadPoints, "head-to-head-points", CriterionKind::HeadToHead},
    {Criterion::HeadToHeadGoalDifference, "head-to-head-goal-difference", CriterionKind::HeadToHead},
    {Criterion::HeadToHeadGoals, "head-to-head-goals", CriterionKind::HeadToHead},
    {Criterion::HeadToHeadAgain, "head-to-head-again", CriterionKind::HeadToHeadAgain},
    {Criterion::FairPlay, "fair-play", CriterionKind::Decided},
    {Criterion::Conduct, "conduct", CriterionKind::Decided},
    {Criterion::Ranking, "ranking", CriterionKind::Decided},
    {Criterion::Lots, "lots", CriterionKind::Decided},
    {Criterion::RunningTable, "running-table", CriterionKind::RunningTable},
}};

// Listed in the order of the enumeration, so that a criterion finds its entry directly.
constexpr bool registryInOrder()
{
    for (size_t i = 0; i < Registry.size(); ++i) {
        if (static_cast<size_t>(Registry[i].criterion) != i)
            return false;
    }
    return true;
}
static_assert(registryInOrder());

const CriterionEntry& entry(Criterion criterion)
{
    return Registry[static_cast<size_t>(criterion)];
}

}  // namespace

CriterionKind criterionKind(Criterion criterion)
{
    return entry(criterion).kind;
}

std::optional<Criterion> criterionNamed(std::string_view name)
{
    for (const CriterionEntry& candidate : Registry) {
        if (candidate.name == name)
            return candidate.criterion;
    }
    return std::nullopt;
}

std::string_view criterionName(Criterion criterion)
{
    return entry(criterion).name;
}

}  // namespace tiplark
