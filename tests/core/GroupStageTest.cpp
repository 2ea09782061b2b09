#include "tournament/BoardRules.h"

#include "BoardChanges.h"
#include "RecordingServices.h"
#include "tournament/TournamentData.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <utility>
#include <vector>

namespace tiplark {
namespace {

using testing::BoardHarness;
using Texts = std::vector<std::string>;
using Results = std::array<std::pair<const char*, const char*>, MatchesPerGroup>;

// The controls whose text an action changed, in the order it first changed them.
class TextChanges : public BoardObserver {
public:
    void boardChanged(const std::vector<ControlChange>& changes) override
    {
        for (const ControlChange& change : changes) {
            if (change.has(ControlProperty::Text))
                ids.push_back(change.id);
        }
    }
    std::vector<ControlId> ids;
};

class GroupStageBoard : public ::testing::Test {
protected:
    BoardHarness h;

    void chooseFavourite(const std::string& name)
    {
        for (int team = 1; team <= TeamCount; ++team) {
            if (h.main.language().teamName(team) == name)
                h.main.language().setFavorite(team);
        }
        ASSERT_EQ(h.main.language().favoriteName(), name);
    }

    void enter(char letter, const Results& results)
    {
        for (int m = 0; m < MatchesPerGroup; ++m) {
            h.set(groupScoreName(letter, m + 1, 1), results[static_cast<size_t>(m)].first);
            h.set(groupScoreName(letter, m + 1, 2), results[static_cast<size_t>(m)].second);
        }
    }

    // Name, Pts, P, W, T, L, GF, GA, +/- of one table row.
    Texts row(char letter, int r)
    {
        const std::string g = std::string("G") + letter;
        const std::string n = std::to_string(r);
        Texts texts{h.text(g + "Name" + n)};
        for (const char* column : {"Pts", "P", "W", "T", "L", "GF", "GA", "PM"})
            texts.push_back(h.text(g + column + n));
        return texts;
    }

    Texts order(char letter)
    {
        Texts names;
        for (int r = 1; r <= TeamsPerGroup; ++r)
            names.push_back(row(letter, r)[0]);
        return names;
    }
};

TEST_F(GroupStageBoard, HalfEnteredMatchBooksNothingAndShowsTheResetOrder)
{
    h.set("GA11", "2");
    EXPECT_EQ(order('A'), (Texts{"Germany", "Ecuador", "Costa Rica", "Poland"}));
    for (int r = 1; r <= TeamsPerGroup; ++r)
        EXPECT_EQ(row('A', r), (Texts{row('A', r)[0], "0", "0", "0", "0", "0", "0", "0", "0"}));
    // Other groups keep their design state.
    EXPECT_EQ(h.text("GBName1"), "England");
    EXPECT_EQ(h.text("GBPts1"), "");

    h.set("GA12", "0");
    EXPECT_EQ(row('A', 1), (Texts{"Germany", "3", "1", "1", "0", "0", "2", "0", "+2"}));
    EXPECT_EQ(row('A', 4), (Texts{"Costa Rica", "0", "1", "0", "0", "1", "0", "2", "-2"}));
}

TEST_F(GroupStageBoard, ClearOrderWithCountersAndDifferences)
{
    enter('A', {{{"4", "2"}, {"0", "2"}, {"1", "0"}, {"3", "0"}, {"0", "3"}, {"1", "2"}}});
    EXPECT_EQ(row('A', 1), (Texts{"Germany", "9", "3", "3", "0", "0", "8", "2", "+6"}));
    EXPECT_EQ(row('A', 2), (Texts{"Ecuador", "6", "3", "2", "0", "1", "5", "3", "+2"}));
    EXPECT_EQ(row('A', 3), (Texts{"Poland", "3", "3", "1", "0", "2", "2", "4", "-2"}));
    EXPECT_EQ(row('A', 4), (Texts{"Costa Rica", "0", "3", "0", "0", "3", "3", "9", "-6"}));
    // The qualifying rows stay bold whoever stands there.
    EXPECT_TRUE(h.board().control("GAName1").bold);
    EXPECT_TRUE(h.board().control("GAName2").bold);
    EXPECT_FALSE(h.board().control("GAName3").bold);
}

TEST_F(GroupStageBoard, TwoTieGroupsDecidedHeadToHead)
{
    enter('A', {{{"0", "1"}, {"0", "5"}, {"1", "0"}, {"3", "0"}, {"0", "1"}, {"0", "1"}}});
    EXPECT_EQ(order('A'), (Texts{"Germany", "Ecuador", "Poland", "Costa Rica"}));
    EXPECT_EQ(row('A', 1)[1], "6");
    EXPECT_EQ(row('A', 1)[8], "+1");
    EXPECT_EQ(row('A', 2)[8], "+7");
    EXPECT_EQ(row('A', 3)[1], "3");
    EXPECT_EQ(row('A', 3)[8], "-5");
    EXPECT_EQ(row('A', 4)[8], "-3");
}

TEST_F(GroupStageBoard, ThreeLevelTeamsLevelHeadToHeadGoByGoalDifference)
{
    enter('A', {{{"1", "0"}, {"0", "1"}, {"1", "2"}, {"3", "1"}, {"1", "2"}, {"0", "3"}}});
    EXPECT_EQ(order('A'), (Texts{"Germany", "Poland", "Ecuador", "Costa Rica"}));
    EXPECT_EQ(row('A', 1)[8], "+1");
    EXPECT_EQ(row('A', 2)[8], "+3");
    EXPECT_EQ(row('A', 3)[8], "+2");
    EXPECT_EQ(row('A', 4), (Texts{"Costa Rica", "0", "3", "0", "0", "3", "1", "7", "-6"}));
    EXPECT_EQ(h.text("Final811Lbl"), "Germany");
    EXPECT_EQ(h.text("Final832Lbl"), "Poland");
}

TEST_F(GroupStageBoard, AllDrawnKeepsTheExchangeOrder)
{
    enter('A', {{{"1", "1"}, {"1", "1"}, {"1", "1"}, {"1", "1"}, {"1", "1"}, {"1", "1"}}});
    EXPECT_EQ(order('A'), (Texts{"Germany", "Ecuador", "Poland", "Costa Rica"}));
    for (int r = 1; r <= TeamsPerGroup; ++r)
        EXPECT_EQ(row('A', r), (Texts{row('A', r)[0], "3", "3", "0", "3", "0", "3", "3", "0"}));
}

TEST_F(GroupStageBoard, LargeDifferencesCarryNoPlus)
{
    enter('H', {{{"10", "0"}, {"", ""}, {"", ""}, {"", ""}, {"", ""}, {"", ""}}});
    EXPECT_EQ(row('H', 1), (Texts{"Spain", "3", "1", "1", "0", "0", "10", "0", "10"}));
    EXPECT_EQ(row('H', 4), (Texts{"Ukraine", "0", "1", "0", "0", "1", "0", "10", "-10"}));
}

TEST_F(GroupStageBoard, WinnersAndRunnersUpCrossIntoTheRoundOf16)
{
    struct Slots {
        char letter;
        const char* winner;
        const char* runnerUp;
    };
    // Side 1 of match 1 wins, side 2 of match 2 wins; both end on three points.
    const Results results = {{{"1", "0"}, {"0", "3"}, {"", ""}, {"", ""}, {"", ""}, {"", ""}}};
    for (const Slots& s : {Slots{'A', "Final811Lbl", "Final832Lbl"}, Slots{'B', "Final831Lbl", "Final812Lbl"},
                           Slots{'C', "Final821Lbl", "Final842Lbl"}, Slots{'D', "Final841Lbl", "Final822Lbl"},
                           Slots{'E', "Final851Lbl", "Final872Lbl"}, Slots{'F', "Final871Lbl", "Final852Lbl"},
                           Slots{'G', "Final861Lbl", "Final882Lbl"}, Slots{'H', "Final881Lbl", "Final862Lbl"}}) {
        enter(s.letter, results);
        const std::string g = std::string("G") + s.letter;
        EXPECT_EQ(h.text(s.winner), h.text(g + "22Lbl")) << s.letter;
        EXPECT_EQ(h.text(s.runnerUp), h.text(g + "11Lbl")) << s.letter;
        EXPECT_EQ(h.text(s.winner), h.text(g + "Name1")) << s.letter;
    }
    EXPECT_EQ(h.text("Final811Lbl"), "Ecuador");
    EXPECT_EQ(h.text("Final832Lbl"), "Germany");
    EXPECT_EQ(h.text("Final831Lbl"), "Sweden");
    EXPECT_EQ(h.text("Final812Lbl"), "England");
}

// The bracket's own reaction to an emptied box is not under test here, so
// the round-of-16 boxes are detached from it.
class RoundOf16Emptying : public GroupStageBoard {
protected:
    TextChanges changes;

    void SetUp() override { h.board().addObserver(&changes); }
    void TearDown() override { h.board().removeObserver(&changes); }

    // Match 1 level after a shoot-out, match 3 won outright.
    void fillMatches13()
    {
        h.set("Final811", "2");
        h.set("Final812", "2");
        h.set("Final811pk", "3");
        h.set("Final812pk", "4");
        h.set("Final831", "5");
        h.set("Final832", "0");
        changes.ids.clear();
    }
    ControlId id(std::string_view name) { return h.board().id(name); }
};

TEST_F(RoundOf16Emptying, NewWinnerEmptiesItsMatchSide1FirstWithItsShootOut)
{
    // The design board shows Costa Rica and Ecuador; a reset table puts Germany first.
    fillMatches13();
    h.set("GA11", "2");
    EXPECT_EQ(h.text("Final811Lbl"), "Germany");
    EXPECT_EQ(h.text("Final832Lbl"), "Ecuador");
    std::vector<ControlId> emptied;
    for (const ControlId changed : changes.ids) {
        if (changed == id("Final811") || changed == id("Final812"))
            emptied.push_back(changed);
    }
    EXPECT_EQ(emptied, (std::vector<ControlId>{id("Final811"), id("Final812")}));
    EXPECT_EQ(h.text("Final811"), "");
    EXPECT_EQ(h.text("Final812"), "");
    EXPECT_EQ(h.text("Final811pk"), "");
    EXPECT_EQ(h.text("Final812pk"), "");
    EXPECT_EQ(h.text("Final831"), "5");
    EXPECT_EQ(h.text("Final832"), "0");
}

TEST_F(RoundOf16Emptying, SameRowsWithNewPointsKeepTheScores)
{
    h.set("GA11", "2");
    fillMatches13();
    h.set("GA12", "0");
    EXPECT_EQ(h.text("GAPts1"), "3");
    EXPECT_EQ(h.text("Final811Lbl"), "Germany");
    EXPECT_EQ(h.text("Final832Lbl"), "Ecuador");
    EXPECT_EQ(h.text("Final811"), "2");
    EXPECT_EQ(h.text("Final812"), "2");
    EXPECT_EQ(h.text("Final811pk"), "3");
    EXPECT_EQ(h.text("Final831"), "5");
    EXPECT_EQ(h.text("Final832"), "0");
}

TEST_F(RoundOf16Emptying, SwappedWinnerAndRunnerUpEmptyBothMatches)
{
    h.set("GA11", "2");
    h.set("GA12", "0");
    fillMatches13();
    h.set("GA51", "3");
    h.set("GA52", "0");  // Ecuador beat Germany: level on points, ahead head-to-head
    EXPECT_EQ(h.text("Final811Lbl"), "Ecuador");
    EXPECT_EQ(h.text("Final832Lbl"), "Germany");
    for (const char* box : {"Final811", "Final812", "Final811pk", "Final812pk", "Final831", "Final832"})
        EXPECT_EQ(h.text(box), "") << box;
}

TEST_F(GroupStageBoard, RecomputationWithTheSameOutcomeChangesNothingElse)
{
    h.set("GA11", "2");
    const auto before = testing::boardState(h.board());
    h.set("GA21", "1");  // still no complete match: same table, same slots
    // With no favourite only empty boxes match it, so the box loses that colour.
    const unsigned textAndColour = static_cast<unsigned>(ControlProperty::Text) | static_cast<unsigned>(ControlProperty::Colour);
    EXPECT_EQ(testing::differences(before, h.board()), (std::vector<ControlChange>{{h.board().id("GA21"), textAndColour}}));
    const testing::ActionRecorder recorder(h.board());
    h.set("GA21", "1");  // no change, no recomputation
    EXPECT_TRUE(recorder.actions.empty());
}

TEST_F(GroupStageBoard, NonNumberEndsTheRecomputationAndIsReported)
{
    enter('A', {{{"4", "2"}, {"0", "2"}, {"1", "0"}, {"3", "0"}, {"0", "3"}, {"1", "2"}}});
    const Texts before = {row('A', 1)[8], row('A', 2)[8], row('A', 3)[8], row('A', 4)[8]};
    h.set("GA11", "x");
    EXPECT_EQ(h.messages.errors, Texts{"'x' is not a valid integer value"});
    EXPECT_EQ(order('A'), (Texts{"Germany", "Ecuador", "Poland", "Costa Rica"}));
    EXPECT_EQ((Texts{row('A', 1)[8], row('A', 2)[8], row('A', 3)[8], row('A', 4)[8]}), before);
    EXPECT_EQ(h.text("GAPts1"), "9");
    EXPECT_EQ(h.text("Final811Lbl"), "Germany");

    // The group recovers with the next valid entry.
    h.set("GA11", "0");
    EXPECT_EQ(h.messages.errors.size(), 1u);
    EXPECT_EQ(row('A', 1), (Texts{"Germany", "6", "3", "2", "0", "1", "4", "2", "+2"}));
    EXPECT_EQ(row('A', 3), (Texts{"Poland", "3", "3", "1", "0", "2", "2", "4", "-2"}));
}

TEST_F(GroupStageBoard, FavouriteTurnsBlueWhereTheGroupChangeMovesIt)
{
    chooseFavourite("Poland");
    const Board& board = h.board();

    h.set("GA11", "0");
    EXPECT_EQ(board.control("GAName4").colour, TextColour::Blue);
    EXPECT_EQ(board.control("Final811Lbl").colour, TextColour::Default);

    h.set("GA12", "1");
    h.set("GA21", "4");
    ASSERT_EQ(h.text("Final811Lbl"), "Costa Rica");
    h.set("GA22", "0");  // this keystroke puts Poland first
    EXPECT_EQ(h.text("Final811Lbl"), "Poland");
    EXPECT_EQ(board.control("Final811Lbl").colour, TextColour::Blue);
    EXPECT_EQ(board.control("GAName1").colour, TextColour::Blue);
    EXPECT_EQ(board.control("GA21Lbl").colour, TextColour::Blue);
    EXPECT_EQ(board.control("GAName4").colour, TextColour::Default);
    EXPECT_EQ(h.text("Final832Lbl"), "Costa Rica");
    EXPECT_EQ(board.control("Final832Lbl").colour, TextColour::Default);
}

TEST_F(GroupStageBoard, AbortedBookingLeavesTheLastWrittenTableColoured)
{
    chooseFavourite("Poland");
    const Board& board = h.board();

    h.set("GA22", "1");  // nothing complete: the reset table is written
    h.set("GA21", "x");
    h.set("GA11", "0");
    EXPECT_EQ(h.messages.errors.size(), 2u);
    EXPECT_EQ(board.control("GAName4").colour, TextColour::Blue);

    h.set("GA12", "1");  // the group is not ranked again while a box holds no number
    EXPECT_EQ(h.messages.errors, Texts(3, "'x' is not a valid integer value"));
    EXPECT_EQ(order('A'), (Texts{"Germany", "Ecuador", "Costa Rica", "Poland"}));
    EXPECT_EQ(h.text("GAPts1"), "0");
    EXPECT_EQ(board.control("GAName4").colour, TextColour::Blue);
    EXPECT_EQ(h.text("Final811Lbl"), "Germany");
    EXPECT_EQ(h.text("Final832Lbl"), "Ecuador");
}

TEST_F(GroupStageBoard, TranslationPassRunsOnlyWhenPending)
{
    Board& board = h.board();
    h.main.highlighter().HighlightPressedTeam("Germany");
    ASSERT_EQ(board.control("GAName3").colour, TextColour::Red);

    h.main.preferences().teamNamesPending = false;
    h.main.SetFirstTimeGroups();
    EXPECT_EQ(board.control("GAName3").colour, TextColour::Red);

    h.main.preferences().teamNamesPending = true;
    h.main.language().SetPreviousTeamNamesEnglish();
    h.main.SetFirstTimeGroups();
    EXPECT_FALSE(h.main.preferences().teamNamesPending);
    EXPECT_EQ(board.control("GAName3").colour, TextColour::Default);
    EXPECT_EQ(order('A'), (Texts{"Costa Rica", "Ecuador", "Germany", "Poland"}));
    EXPECT_EQ(h.text("Final811Lbl"), "Costa Rica");
    EXPECT_EQ(h.text("Final411Lbl"), Placeholder);
    EXPECT_EQ(h.text("Champion"), Placeholder);
}

}  // namespace
}  // namespace tiplark
