#include "reference/GroupStandings.h"

#include "TournamentFiles.h"
#include "tournament/BoardRules.h"

#include "board/Board.h"
#include "i18n/Language.h"
#include "tournament/KeyFilter.h"
#include "tournament/TournamentData.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace tiplark {
namespace {

struct Match {
    const char* team1;
    const char* team2;
    const char* score1;
    const char* score2;
};

// Group A, driven the way the change handler drives it: reset, then each
// match booked and followed by an interim pass.
class GroupATable : public ::testing::Test {
protected:
    Language language{testing::worldCup2006()};
    GroupTable table;

    void SetUp() override { InitializeGroupStandings(table, groups()[0], language); }

    void play(const std::vector<Match>& matches)
    {
        for (const Match& match : matches) {
            SetGroupScores(match.score1, match.score2, match.team1, match.team2, table);
            SetGroupStandings(table);
        }
    }

    std::vector<std::string> order() const
    {
        std::vector<std::string> names;
        for (const GroupStandingsRecord& line : table)
            names.push_back(line.teamName);
        return names;
    }

    const GroupStandingsRecord& line(const std::string& team) const
    {
        for (const GroupStandingsRecord& l : table) {
            if (l.teamName == team)
                return l;
        }
        throw std::logic_error("no line for " + team);
    }
};

using Names = std::vector<std::string>;

TEST_F(GroupATable, ResetGivesTheGroupsTeamsInResetOrderAndClearsEverything)
{
    EXPECT_EQ(order(), (Names{"Germany", "Ecuador", "Costa Rica", "Poland"}));
    play({{"Germany", "Costa Rica", "4", "2"}, {"Poland", "Ecuador", "3", "3"}});
    SetGroupStandingsFinal(table);
    InitializeGroupStandings(table, groups()[0], language);
    GroupTable fresh;
    InitializeGroupStandings(fresh, groups()[0], language);
    EXPECT_EQ(table, fresh);
    for (const GroupStandingsRecord& l : table) {
        EXPECT_EQ(l.points + l.played + l.goalsFor + l.headToHeadPoints + l.headToHeadGoals, 0);
        EXPECT_FALSE(l.levelOnPoints);
        EXPECT_EQ(l.opponents[0].name, "");
    }
}

TEST_F(GroupATable, BookingFillsCountersAndOpponentSlotsInBookingOrder)
{
    SetGroupScores("02", "1", "Germany", "Costa Rica", table);
    SetGroupScores("1", "1", "Ecuador", "Germany", table);
    const GroupStandingsRecord& germany = line("Germany");
    EXPECT_EQ(germany.points, 4);
    EXPECT_EQ(germany.played, 2);
    EXPECT_EQ(germany.won, 1);
    EXPECT_EQ(germany.tied, 1);
    EXPECT_EQ(germany.lost, 0);
    EXPECT_EQ(germany.goalsFor, 3);
    EXPECT_EQ(germany.goalsAgainst, 2);
    EXPECT_EQ(germany.goalDifference, 1);
    EXPECT_EQ(germany.opponents[0], (OpponentSlot{"Costa Rica", 2, 1}));
    EXPECT_EQ(germany.opponents[1], (OpponentSlot{"Ecuador", 1, 1}));
    EXPECT_EQ(germany.opponents[2], OpponentSlot{});
    const GroupStandingsRecord& costaRica = line("Costa Rica");
    EXPECT_EQ(costaRica.lost, 1);
    EXPECT_EQ(costaRica.points, 0);
    EXPECT_EQ(costaRica.goalDifference, -1);
    EXPECT_EQ(costaRica.opponents[0], (OpponentSlot{"Germany", 1, 2}));
    // Booking never reorders.
    EXPECT_EQ(order(), (Names{"Germany", "Ecuador", "Costa Rica", "Poland"}));
}

TEST_F(GroupATable, BookingSkipsUnknownNamesAndRefusesNonNumbers)
{
    const GroupTable before = table;
    SetGroupScores("1", "0", "Alemania", "Costa Rica", table);
    SetGroupScores("1", "0", "Germany", "germany", table);
    EXPECT_EQ(table, before);
    try {
        SetGroupScores("1", "x", "Germany", "Costa Rica", table);
        FAIL() << "a non-number was booked";
    } catch (const ActionAborted& aborted) {
        EXPECT_EQ(aborted.message, "'x' is not a valid integer value");
    }
    EXPECT_EQ(table, before);
}

TEST_F(GroupATable, TwoTieGroupsAreEachDecidedByTheirOwnMatch)
{
    play({{"Germany", "Costa Rica", "0", "1"}, {"Poland", "Ecuador", "0", "5"}, {"Germany", "Poland", "1", "0"},
          {"Ecuador", "Costa Rica", "3", "0"}, {"Ecuador", "Germany", "0", "1"}, {"Costa Rica", "Poland", "0", "1"}});
    EXPECT_EQ(order(), (Names{"Ecuador", "Germany", "Costa Rica", "Poland"}));
    SetGroupStandingsFinal(table);
    EXPECT_EQ(order(), (Names{"Germany", "Ecuador", "Poland", "Costa Rica"}));
    // Each line counts only the match against its partner in the tie.
    EXPECT_EQ(line("Germany").headToHeadPoints, 3);
    EXPECT_EQ(line("Ecuador").headToHeadGoals, 0);
    EXPECT_EQ(line("Poland").headToHeadGoalDifference, 1);
    for (const GroupStandingsRecord& l : table)
        EXPECT_FALSE(l.levelOnPoints) << l.teamName;
}

TEST_F(GroupATable, ExchangePassIsNotAStableSort)
{
    // Costa Rica is exchanged with Germany directly, so Germany falls behind
    // Ecuador, which it is level with on everything.
    play({{"Costa Rica", "Poland", "1", "0"}});
    EXPECT_EQ(order(), (Names{"Costa Rica", "Ecuador", "Germany", "Poland"}));
    SetGroupStandingsFinal(table);
    EXPECT_EQ(order(), (Names{"Costa Rica", "Ecuador", "Germany", "Poland"}));
}

GroupStandingsRecord line(const char* team, int32_t goalDifference, int32_t goalsFor,
                          std::array<OpponentSlot, 3> opponents = {})
{
    GroupStandingsRecord record;
    record.teamName = team;
    record.goalDifference = goalDifference;
    record.goalsFor = goalsFor;
    record.opponents = opponents;
    return record;
}

std::vector<std::string> namesOf(const std::vector<GroupStandingsRecord>& lines)
{
    std::vector<std::string> names;
    for (const GroupStandingsRecord& l : lines)
        names.push_back(l.teamName);
    return names;
}

void sort(std::vector<GroupStandingsRecord>& lines)
{
    std::vector<GroupStandingsRecord*> pointers;
    for (GroupStandingsRecord& l : lines)
        pointers.push_back(&l);
    SortTiedTeams(pointers);
}

TEST(SortTiedTeams, CountsOnlyMatchesAmongTheListedLines)
{
    std::vector<GroupStandingsRecord> lines = {
        line("Ghana", 0, 2, {{{"USA", 0, 1}, {"Italy", 2, 1}}}),
        line("USA", 0, 1, {{{"Ghana", 1, 0}, {"Czech Rep.", 0, 1}}}),
    };
    sort(lines);
    EXPECT_EQ(namesOf(lines), (Names{"USA", "Ghana"}));
    EXPECT_EQ(lines[0].headToHeadPoints, 3);
    EXPECT_EQ(lines[0].headToHeadGoalDifference, 1);
    EXPECT_EQ(lines[0].headToHeadGoals, 1);
    EXPECT_EQ(lines[1].headToHeadPoints, 0);
    EXPECT_EQ(lines[1].headToHeadGoalDifference, -1);
}

TEST(SortTiedTeams, HeadToHeadGoalsBeforeOverallGoalDifference)
{
    // Three draws among them: equal points and difference, goals 3, 2, 1.
    std::vector<GroupStandingsRecord> lines = {
        line("Togo", 5, 8, {{{"France", 0, 0}, {"Switzerland", 1, 1}}}),
        line("France", 0, 4, {{{"Switzerland", 2, 2}, {"Togo", 0, 0}}}),
        line("Switzerland", -4, 3, {{{"France", 2, 2}, {"Togo", 1, 1}}}),
    };
    sort(lines);
    EXPECT_EQ(namesOf(lines), (Names{"Switzerland", "France", "Togo"}));
    EXPECT_EQ(lines[0].headToHeadPoints, 2);
    EXPECT_EQ(lines[0].headToHeadGoals, 3);
}

TEST(SortTiedTeams, LevelHeadToHeadFallsBackToGoalDifferenceThenGoals)
{
    // No match among them was played, so every head-to-head counter is 0.
    std::vector<GroupStandingsRecord> byDifference = {line("Iran", -1, 4), line("Angola", 2, 2), line("Mexico", 0, 5)};
    sort(byDifference);
    EXPECT_EQ(namesOf(byDifference), (Names{"Angola", "Mexico", "Iran"}));

    std::vector<GroupStandingsRecord> byGoals = {line("Iran", 1, 2), line("Angola", 1, 3)};
    sort(byGoals);
    EXPECT_EQ(namesOf(byGoals), (Names{"Angola", "Iran"}));

    std::vector<GroupStandingsRecord> equal = {line("Iran", 1, 2), line("Angola", 1, 2)};
    sort(equal);
    EXPECT_EQ(namesOf(equal), (Names{"Iran", "Angola"}));
}

TEST(AddAPlusToDiff, SignOnlyForOneToNine)
{
    EXPECT_EQ(AddAPlusToDiff(1), "+1");
    EXPECT_EQ(AddAPlusToDiff(6), "+6");
    EXPECT_EQ(AddAPlusToDiff(9), "+9");
    EXPECT_EQ(AddAPlusToDiff(0), "0");
    EXPECT_EQ(AddAPlusToDiff(10), "10");
    EXPECT_EQ(AddAPlusToDiff(99), "99");
    EXPECT_EQ(AddAPlusToDiff(-3), "-3");
    EXPECT_EQ(AddAPlusToDiff(-10), "-10");
}

TEST(KeyFilter, DigitsAndBackspacePass)
{
    for (char32_t c = U'0'; c <= U'9'; ++c)
        EXPECT_TRUE(myKeyPress(c));
    EXPECT_TRUE(myKeyPress(8));
    for (const char32_t c : {U'a', U'O', U'-', U'+', U' ', U'.', U'/', U':', U'\r', U'\t', char32_t(0x7F), U'\u0663', U'\uFF11'})
        EXPECT_FALSE(myKeyPress(c)) << static_cast<uint32_t>(c);
}

}  // namespace
}  // namespace tiplark
