#include "engine/TableRanking.h"

#include "engine/TournamentPlay.h"

#include "TournamentFiles.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tiplark {
namespace {

using testing::exampleCupText;
using testing::replaced;

constexpr const char* Overall = R"("points", "goal-difference", "goals",
              "head-to-head-points", "head-to-head-goal-difference", "head-to-head-goals", "lots")";
constexpr const char* HeadToHeadFirst = R"("points", "head-to-head-points", "head-to-head-goal-difference",
              "head-to-head-goals", "head-to-head-again", "goal-difference", "goals", "conduct", "ranking")";
constexpr const char* HeadToHeadOnce = R"("points", "head-to-head-points", "head-to-head-goal-difference",
              "head-to-head-goals", "goal-difference", "goals", "conduct", "ranking")";

// Group A of the example cup (NOR, SWE, DEN, FIN in draw order) under a
// ranking list; scores in fixture order: NOR-SWE, DEN-FIN, NOR-DEN,
// FIN-SWE, FIN-NOR, SWE-DEN.
struct GroupA {
    Tournament cup;
    TournamentPlay play;

    explicit GroupA(const char* ranking)
        : cup(parseTournament(replaced(exampleCupText(), std::string("\"points\", \"goal-difference\", \"goals\",\n"
                                                                     "              \"head-to-head-points\", \"head-to-head-goal-difference\", \"head-to-head-goals\", \"lots\""),
                                       ranking),
                              "cup-2027.json"))
        , play(cup)
    {
    }

    GroupA& scores(const std::vector<std::array<int, 2>>& goals)
    {
        for (size_t m = 0; m < goals.size(); ++m)
            play.setGroupScore(cup.groups[0].matches[m], MatchScore{goals[m]});
        return *this;
    }

    std::string order() const
    {
        std::string codes;
        for (const TeamRecord& row : play.outcome().groups[0].rows)
            codes += (codes.empty() ? "" : " ") + cup.teams[static_cast<size_t>(row.team)].code;
        return codes;
    }
    const std::vector<Separation>& below() const { return play.outcome().groups[0].below; }
};

// NOR and SWE on 6 points; NOR won their match, SWE has the better goal difference.
const std::vector<std::array<int, 2>> HeadToHeadAgainstDifference = {{1, 0}, {0, 0}, {1, 0}, {0, 5}, {1, 0}, {5, 0}};
// NOR, SWE and DEN on 6 points, beating each other in a circle: among the
// three DEN scored most, NOR and SWE are level, NOR beat SWE, SWE has the
// better goal difference overall.
const std::vector<std::array<int, 2>> ThreeInACircle = {{2, 1}, {1, 0}, {2, 3}, {0, 5}, {0, 1}, {3, 2}};

struct RankingCase {
    const char* name;
    const char* ranking;
    const std::vector<std::array<int, 2>>* scores;
    const char* order;
};

const RankingCase RankingCases[] = {
    {"overall first: goal difference", Overall, &HeadToHeadAgainstDifference, "SWE NOR FIN DEN"},
    {"head-to-head first", HeadToHeadFirst, &HeadToHeadAgainstDifference, "NOR SWE FIN DEN"},
    {"overall first, three level", Overall, &ThreeInACircle, "SWE DEN NOR FIN"},
    {"head-to-head again among the two still level", HeadToHeadFirst, &ThreeInACircle, "DEN NOR SWE FIN"},
    {"head-to-head once, then goal difference", HeadToHeadOnce, &ThreeInACircle, "DEN SWE NOR FIN"},
};

TEST(TableRankingTest, CriteriaApplyInTheirOrderAmongTheTeamsConcerned)
{
    for (const RankingCase& c : RankingCases)
        EXPECT_EQ(GroupA(c.ranking).scores(*c.scores).order(), c.order) << c.name;
}

TEST(TableRankingTest, ToldApartByTheFirstCriterionThatDiffers)
{
    GroupA group(Overall);
    group.scores(HeadToHeadAgainstDifference);
    const std::vector<Separation> expected = {
        {1, OrderSource::Scores}, {0, OrderSource::Scores}, {0, OrderSource::Scores}};
    EXPECT_EQ(group.below(), expected);
}

TEST(TableRankingTest, WhatScoresCannotDecideTakesTheChosenOrderThenTheDraw)
{
    GroupA group(Overall);
    group.scores({{0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}});
    EXPECT_EQ(group.order(), "NOR SWE DEN FIN");
    const Separation byDraw{6, OrderSource::DrawOrder};
    EXPECT_EQ(group.below(), std::vector<Separation>(3, byDraw));

    group.play.setLevelOrder(0, {group.cup.teamIndex("FIN"), group.cup.teamIndex("DEN")});
    EXPECT_EQ(group.order(), "FIN DEN NOR SWE");
    const std::vector<Separation> expected = {{6, OrderSource::ChosenOrder}, byDraw, byDraw};
    EXPECT_EQ(group.below(), expected);
}

TEST(TableRankingTest, CountsWinsDrawsAndGoals)
{
    GroupA group(Overall);
    group.scores(ThreeInACircle);
    const TeamRecord& sweden = group.play.outcome().groups[0].rows[0];
    EXPECT_EQ(sweden, (TeamRecord{group.cup.teamIndex("SWE"), 3, 2, 0, 1, 9, 4, 6}));
}

}  // namespace
}  // namespace tiplark
