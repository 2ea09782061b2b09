#include "tournament/BoardRules.h"

#include "BracketPlay.h"
#include "RecordingServices.h"

#include <gtest/gtest.h>

#include <string>

namespace tiplark {
namespace {

using testing::BoardHarness;
using testing::playBracket;

class KnockoutTest : public ::testing::Test {
protected:
    BoardHarness h;

    const Control& control(std::string_view name) { return h.board().control(name); }
    bool bold(std::string_view name) { return control(name).bold; }
    bool enabled(std::string_view name) { return control(name).enabled; }
    bool visible(std::string_view name) { return control(name).visible; }
    // Copied: later edits must not change what a test remembers.
    std::string team(std::string_view label) { return h.text(label); }

    void play(std::string_view a, std::string_view aText, std::string_view b, std::string_view bText)
    {
        h.set(a, aText);
        h.set(b, bText);
    }

    void expectOpenSlot(std::string_view label, std::string_view score)
    {
        EXPECT_EQ(h.text(label), Placeholder) << label;
        EXPECT_FALSE(enabled(label)) << label;
        EXPECT_EQ(h.text(score), "") << score;
        EXPECT_FALSE(enabled(score)) << score;
    }

    void expectPenaltyBoxes(std::string_view a, std::string_view b, bool shown, std::string_view aText = "",
                            std::string_view bText = "")
    {
        EXPECT_EQ(visible(a), shown) << a;
        EXPECT_EQ(visible(b), shown) << b;
        EXPECT_EQ(h.text(a), aText) << a;
        EXPECT_EQ(h.text(b), bText) << b;
    }
};

// Round of 16, quarter- and semi-finals

TEST_F(KnockoutTest, WinInPlayFillsTheNextSlot)
{
    const std::string costaRica = team("Final811Lbl");
    ASSERT_NE(costaRica, Placeholder);
    play("Final811", "2", "Final812", "1");

    EXPECT_EQ(h.text("Final411Lbl"), costaRica);
    EXPECT_TRUE(enabled("Final411Lbl"));
    EXPECT_TRUE(enabled("Final411"));
    EXPECT_TRUE(bold("Final811Lbl"));
    EXPECT_FALSE(bold("Final812Lbl"));
    expectPenaltyBoxes("Final811pk", "Final812pk", false);
    expectOpenSlot("Final412Lbl", "Final412");
}

TEST_F(KnockoutTest, SideTwoWinsIntoTheMappedSlot)
{
    // Round-of-16 match 5 feeds quarter-final 2, side 1.
    play("Final851", "0", "Final852", "3");
    EXPECT_EQ(h.text("Final421Lbl"), h.text("Final852Lbl"));
    EXPECT_TRUE(bold("Final852Lbl"));
    EXPECT_FALSE(bold("Final851Lbl"));
    expectOpenSlot("Final431Lbl", "Final431");
}

TEST_F(KnockoutTest, LevelScoreOpensEmptyPenaltyBoxes)
{
    play("Final811", "2", "Final812", "1");
    h.set("Final811", "1");

    expectPenaltyBoxes("Final811pk", "Final812pk", true);
    expectOpenSlot("Final411Lbl", "Final411");
    EXPECT_FALSE(bold("Final811Lbl"));
    EXPECT_FALSE(bold("Final812Lbl"));
}

TEST_F(KnockoutTest, ShootOutDecidesALevelMatch)
{
    const std::string paraguay = team("Final812Lbl");
    play("Final811", "1", "Final812", "1");
    play("Final811pk", "4", "Final812pk", "3");

    EXPECT_EQ(h.text("Final411Lbl"), team("Final811Lbl"));
    EXPECT_TRUE(enabled("Final411"));
    EXPECT_TRUE(bold("Final811Lbl"));
    expectPenaltyBoxes("Final811pk", "Final812pk", true, "4", "3");

    h.set("Final811pk", "3");
    expectOpenSlot("Final411Lbl", "Final411");
    EXPECT_FALSE(bold("Final811Lbl"));
    EXPECT_FALSE(bold("Final812Lbl"));
    expectPenaltyBoxes("Final811pk", "Final812pk", true, "3", "3");

    h.set("Final812pk", "5");
    EXPECT_EQ(h.text("Final411Lbl"), paraguay);
    EXPECT_TRUE(bold("Final812Lbl"));
    EXPECT_FALSE(bold("Final811Lbl"));
}

TEST_F(KnockoutTest, LeavingALevelScoreDiscardsThePenalties)
{
    play("Final811", "1", "Final812", "1");
    play("Final811pk", "4", "Final812pk", "3");
    h.set("Final812", "2");

    expectPenaltyBoxes("Final811pk", "Final812pk", false);
    EXPECT_EQ(h.text("Final411Lbl"), team("Final812Lbl"));
    EXPECT_TRUE(bold("Final812Lbl"));
    EXPECT_FALSE(bold("Final811Lbl"));
}

TEST_F(KnockoutTest, EmptiedScoreDiscardsPenaltiesAndLevelAgainStartsAfresh)
{
    play("Final811", "1", "Final812", "1");
    play("Final811pk", "4", "Final812pk", "3");

    h.set("Final811", "");
    expectPenaltyBoxes("Final811pk", "Final812pk", false);
    expectOpenSlot("Final411Lbl", "Final411");
    EXPECT_FALSE(bold("Final811Lbl"));

    h.set("Final811", "1");
    expectPenaltyBoxes("Final811pk", "Final812pk", true);
    expectOpenSlot("Final411Lbl", "Final411");
}

TEST_F(KnockoutTest, ScoresCompareAsWholeNumbers)
{
    play("Final811", "02", "Final812", "2");
    expectPenaltyBoxes("Final811pk", "Final812pk", true);
    expectOpenSlot("Final411Lbl", "Final411");

    // "10" against "9" is a win, not a text comparison.
    h.set("Final812", "10");
    h.set("Final811", "9");
    EXPECT_EQ(h.text("Final411Lbl"), team("Final812Lbl"));
}

TEST_F(KnockoutTest, NonNumberEndsTheActionAndKeepsTheBoard)
{
    play("Final811", "2", "Final812", "1");
    const std::string winner = team("Final411Lbl");

    h.set("Final812", "1a");

    ASSERT_EQ(h.messages.errors.size(), 1u);
    EXPECT_EQ(h.messages.errors[0], "'1a' is not a valid integer value");
    EXPECT_EQ(h.text("Final411Lbl"), winner);
    EXPECT_TRUE(bold("Final811Lbl"));
}

TEST_F(KnockoutTest, EmptyingAScoreOpensEveryLaterSlotItFed)
{
    playBracket(h);
    const std::string secondSemiWinner = team("Final12Lbl");
    ASSERT_EQ(h.text("Champion"), h.text("Final811Lbl"));
    ASSERT_EQ(h.text("Third11Lbl"), h.text("Final851Lbl"));

    h.set("Final812", "");

    expectOpenSlot("Final411Lbl", "Final411");
    expectOpenSlot("Final211Lbl", "Final211");
    expectOpenSlot("Final11Lbl", "Final11");
    expectOpenSlot("Third11Lbl", "Third11");
    EXPECT_EQ(h.text("Champion"), Placeholder);
    EXPECT_FALSE(bold("Third11Lbl"));
    EXPECT_FALSE(bold("Third12Lbl"));
    // The other half of the bracket stays as played.
    EXPECT_EQ(h.text("Final412"), "1");
    EXPECT_EQ(h.text("Final212"), "1");
    EXPECT_EQ(h.text("Final12Lbl"), secondSemiWinner);
    EXPECT_EQ(h.text("Final12"), "1");
    EXPECT_EQ(h.text("Third12"), "1");
}

TEST_F(KnockoutTest, ChangedWinnerFlowsOnToTheChampionKeepingScores)
{
    playBracket(h);
    const std::string paraguay = team("Final812Lbl");

    h.set("Final812", "3");

    EXPECT_TRUE(bold("Final812Lbl"));
    EXPECT_EQ(h.text("Final411Lbl"), paraguay);
    EXPECT_EQ(h.text("Final211Lbl"), paraguay);
    EXPECT_EQ(h.text("Final11Lbl"), paraguay);
    EXPECT_EQ(h.text("Champion"), paraguay);
    for (const char* score : {"Final411", "Final211", "Final11", "Third11"})
        EXPECT_EQ(h.text(score), "2") << score;
    EXPECT_TRUE(enabled("Final411"));
    EXPECT_TRUE(bold("Final411Lbl"));
    EXPECT_TRUE(h.messages.errors.empty());
}

TEST_F(KnockoutTest, ChangedWinnerReplacesTheSemiFinalLoserInThirdPlace)
{
    playBracket(h);
    h.set("Final211", "0");  // semi-final 1 now goes to side 2
    const std::string finalist = team("Final212Lbl");
    ASSERT_EQ(h.text("Final11Lbl"), finalist);
    ASSERT_EQ(h.text("Third11Lbl"), h.text("Final811Lbl"));

    h.set("Final812", "3");

    const std::string paraguay = team("Final812Lbl");
    EXPECT_EQ(h.text("Final211Lbl"), paraguay);
    EXPECT_EQ(h.text("Third11Lbl"), paraguay);
    EXPECT_EQ(h.text("Third11"), "2");
    EXPECT_TRUE(bold("Third11Lbl"));
    EXPECT_EQ(h.text("Final11Lbl"), finalist);
    EXPECT_EQ(h.text("Champion"), finalist);
}

TEST_F(KnockoutTest, ChangedWinnerKeepsALaterShootOut)
{
    play("Final811", "2", "Final812", "1");
    play("Final821", "2", "Final822", "1");
    play("Final411", "1", "Final412", "1");
    play("Final411pk", "5", "Final412pk", "4");
    ASSERT_EQ(h.text("Final211Lbl"), h.text("Final811Lbl"));

    h.set("Final812", "3");

    EXPECT_EQ(h.text("Final211Lbl"), h.text("Final812Lbl"));
    expectPenaltyBoxes("Final411pk", "Final412pk", true, "5", "4");
    EXPECT_TRUE(bold("Final411Lbl"));
}

// Final and third place

TEST_F(KnockoutTest, FinalThroughShootOutAndBackToPlay)
{
    playBracket(h);
    const std::string first = team("Final11Lbl");
    const std::string second = team("Final12Lbl");
    ASSERT_EQ(h.text("Champion"), first);

    h.set("Final11", "1");
    EXPECT_EQ(h.text("Champion"), Placeholder);
    EXPECT_TRUE(enabled("FinalPKLbl"));
    expectPenaltyBoxes("Final11pk", "Final12pk", true);

    play("Final11pk", "5", "Final12pk", "4");
    EXPECT_EQ(h.text("Champion"), first);
    expectPenaltyBoxes("Final11pk", "Final12pk", true, "5", "4");

    h.set("Final12", "2");
    EXPECT_EQ(h.text("Champion"), second);
    EXPECT_FALSE(enabled("FinalPKLbl"));
    expectPenaltyBoxes("Final11pk", "Final12pk", false);
    // The final's labels are bold whoever wins.
    EXPECT_TRUE(bold("Final11Lbl"));
    EXPECT_TRUE(bold("Final12Lbl"));
}

TEST_F(KnockoutTest, LevelFinalPenaltiesLeaveNoChampion)
{
    playBracket(h);
    h.set("Final11", "1");
    play("Final11pk", "3", "Final12pk", "3");
    EXPECT_EQ(h.text("Champion"), Placeholder);
    EXPECT_TRUE(enabled("FinalPKLbl"));

    h.set("Final11pk", "");
    EXPECT_EQ(h.text("Champion"), Placeholder);
    h.set("Final11", "");
    EXPECT_FALSE(enabled("FinalPKLbl"));
    expectPenaltyBoxes("Final11pk", "Final12pk", false);
}

TEST_F(KnockoutTest, SemiFinalLosersFillTheThirdPlaceSlots)
{
    play("Final811", "2", "Final812", "1");
    play("Final821", "2", "Final822", "1");
    play("Final411", "2", "Final412", "1");
    expectOpenSlot("Third11Lbl", "Third11");
    play("Final851", "2", "Final852", "1");
    play("Final861", "2", "Final862", "1");
    play("Final421", "2", "Final422", "1");

    play("Final211", "2", "Final212", "1");
    EXPECT_EQ(h.text("Third11Lbl"), h.text("Final212Lbl"));
    EXPECT_TRUE(enabled("Third11"));
    EXPECT_TRUE(enabled("Third11Lbl"));

    h.set("Final212", "2");
    expectOpenSlot("Third11Lbl", "Third11");
    play("Final211pk", "3", "Final212pk", "4");
    EXPECT_EQ(h.text("Third11Lbl"), h.text("Final211Lbl"));
    EXPECT_EQ(h.text("Final11Lbl"), h.text("Final212Lbl"));
}

TEST_F(KnockoutTest, ThirdPlaceStates)
{
    playBracket(h);
    ASSERT_TRUE(bold("Third11Lbl"));

    play("Third11", "0", "Third12", "2");
    EXPECT_TRUE(bold("Third12Lbl"));
    EXPECT_FALSE(bold("Third11Lbl"));

    h.set("Third11", "2");
    EXPECT_TRUE(enabled("ThirdPKLbl"));
    expectPenaltyBoxes("Third11pk", "Third12pk", true);
    EXPECT_FALSE(bold("Third11Lbl"));
    EXPECT_FALSE(bold("Third12Lbl"));

    play("Third11pk", "3", "Third12pk", "4");
    EXPECT_TRUE(bold("Third12Lbl"));
    EXPECT_FALSE(bold("Third11Lbl"));
    h.set("Third11pk", "4");
    EXPECT_FALSE(bold("Third12Lbl"));

    // An emptied semi-final empties its third-place slot and leaves penalty mode.
    h.set("Final221", "");
    expectOpenSlot("Third12Lbl", "Third12");
    EXPECT_FALSE(bold("Third11Lbl"));
    EXPECT_FALSE(bold("Third12Lbl"));
    EXPECT_FALSE(enabled("ThirdPKLbl"));
    expectPenaltyBoxes("Third11pk", "Third12pk", false);
    EXPECT_EQ(h.text("Third11"), "2");
}

// Highlighting interplay

TEST_F(KnockoutTest, EveryKnockoutHandlerEndsWithTheHighlightingRefresh)
{
    playBracket(h);
    const std::string champion = team("Champion");
    for (const char* box : {"Final811", "Third11", "Final11"}) {
        h.main.highlighter().HighlightPressedTeam(champion);
        ASSERT_EQ(control("Final811Lbl").colour, TextColour::Red);
        h.set(box, "3");
        EXPECT_EQ(control("Final811Lbl").colour, TextColour::Default) << box;
        EXPECT_EQ(control("Final411Lbl").colour, TextColour::Default) << box;
        EXPECT_EQ(control("Champion").colour, TextColour::Red) << box;
    }
    EXPECT_EQ(h.text("Champion"), champion);
}

}  // namespace
}  // namespace tiplark
