#include "tournament/Clearing.h"

#include "BracketPlay.h"
#include "RecordingServices.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

namespace tiplark {
namespace {

using testing::BoardHarness;
using testing::playBracket;

class TextRecorder : public BoardObserver {
public:
    void boardChanged(const std::vector<ControlChange>& changed) override
    {
        ++actions;
        for (const ControlChange& change : changed) {
            if (change.has(ControlProperty::Text))
                texts.push_back(change.id);
        }
    }
    int actions = 0;
    std::vector<ControlId> texts;
};

class ClearingTest : public ::testing::Test {
protected:
    BoardHarness h;
    const BoardControls& controls = h.main.controls();
    Clearing& clearing = h.main.clearing();

    const Control& control(std::string_view name) { return h.board().control(name); }
    void clearPanel(std::string_view panel) { clearing.GroupADelButtonClick(h.board().id(panel)); }

    std::vector<std::tuple<std::string, bool, bool, bool, TextColour>> snapshot()
    {
        std::vector<std::tuple<std::string, bool, bool, bool, TextColour>> state;
        for (ControlId id = 0; id < h.board().size(); ++id) {
            const Control& c = h.board().control(id);
            state.emplace_back(c.text, c.visible, c.enabled, c.bold, c.colour);
        }
        return state;
    }

    // Every knockout match decided, quarter-final 3 and the final on penalties.
    void playBracketWithShootOuts()
    {
        playBracket(h);
        h.set("Final432", "2");
        h.set("Final431pk", "5");
        h.set("Final432pk", "3");
        h.set("Final221", "2");
        h.set("Final222", "1");
        h.set("Third11", "2");
        h.set("Third12", "1");
        h.set("Final12", "2");
        h.set("Final11pk", "4");
        h.set("Final12pk", "2");
        ASSERT_EQ(h.text("Champion"), h.text("Final11Lbl"));
        ASSERT_TRUE(control("Final431pk").visible);
    }
};

TEST_F(ClearingTest, ClearingAnEmptyPanelRaisesNothing)
{
    TextRecorder recorder;
    h.board().addObserver(&recorder);
    for (const GroupControls& group : controls.groups)
        clearing.GroupADelButtonClick(group.panel);
    for (const RoundControls& round : controls.rounds)
        clearing.GroupADelButtonClick(round.panel);
    h.board().removeObserver(&recorder);
    EXPECT_EQ(recorder.actions, 0);
}

TEST_F(ClearingTest, PanelClearEmptiesItsScoreBoxesInBoardOrder)
{
    const char* groupOrder[] = {"GC11", "GC12", "GC21", "GC22", "GC31", "GC32",
                                "GC41", "GC42", "GC51", "GC52", "GC61", "GC62"};
    for (const char* box : groupOrder)
        h.set(box, "1");
    h.set("GD11", "1");
    playBracket(h);

    TextRecorder recorder;
    h.board().addObserver(&recorder);
    // The round of 16 first: emptying group C afterwards changes its
    // round-of-16 teams, whose boxes are then already empty.
    clearPanel("GPFinal8");
    clearPanel("GroupPanelC");
    h.board().removeObserver(&recorder);

    // Other texts change in between: the cascades of each emptied box.
    std::vector<ControlId> watched;
    for (const auto& match : controls.groups[2].score)
        watched.insert(watched.end(), match.begin(), match.end());
    for (const MatchControls& match : controls.round(Round::Final8).matches)
        watched.insert(watched.end(), match.score.begin(), match.score.end());
    std::vector<std::string> cleared;
    for (const ControlId id : recorder.texts) {
        if (std::find(watched.begin(), watched.end(), id) != watched.end())
            cleared.push_back(h.board().control(id).name);
    }
    std::vector<std::string> expected = {"Final811", "Final812", "Final821", "Final822", "Final831", "Final832",
                                         "Final841", "Final842", "Final851", "Final852", "Final861", "Final862",
                                         "Final871", "Final872", "Final881", "Final882"};
    expected.insert(expected.end(), std::begin(groupOrder), std::end(groupOrder));
    EXPECT_EQ(cleared, expected);
    EXPECT_EQ(h.text("GD11"), "1");
}

TEST_F(ClearingTest, QuarterFinalClearKeepsItsTeamsAndOpensLaterSlots)
{
    playBracketWithShootOuts();
    std::vector<std::string> quarterTeams;
    for (const MatchControls& match : controls.round(Round::Final4).matches)
        for (const ControlId label : match.label)
            quarterTeams.push_back(h.board().text(label));

    clearPanel("GPFinal4");

    std::vector<std::string> after;
    for (const MatchControls& match : controls.round(Round::Final4).matches) {
        for (int side = 0; side < 2; ++side) {
            after.push_back(h.board().text(match.label[side]));
            EXPECT_FALSE(h.board().control(match.label[side]).bold);
            EXPECT_TRUE(h.board().control(match.score[side]).enabled);
            EXPECT_EQ(h.board().text(match.score[side]), "");
            EXPECT_FALSE(h.board().control(match.penalty[side]).visible);
            EXPECT_EQ(h.board().text(match.penalty[side]), "");
        }
    }
    EXPECT_EQ(after, quarterTeams);
    for (const char* label : {"Final211Lbl", "Final212Lbl", "Final221Lbl", "Final222Lbl", "Final11Lbl",
                              "Final12Lbl", "Third11Lbl", "Third12Lbl", "Champion"})
        EXPECT_EQ(h.text(label), Placeholder) << label;
    EXPECT_FALSE(control("FinalPKLbl").enabled);
    EXPECT_FALSE(control("Final11pk").visible);
    EXPECT_EQ(h.text("Final811"), "2");
}

TEST_F(ClearingTest, FinalClearOnAShootOutLeavesPenaltyMode)
{
    playBracketWithShootOuts();
    const std::string finalist = h.text("Final11Lbl");

    clearPanel("GPFinal");

    EXPECT_EQ(h.text("Final11"), "");
    EXPECT_EQ(h.text("Final12"), "");
    EXPECT_EQ(h.text("Final11pk"), "");
    EXPECT_EQ(h.text("Final12pk"), "");
    EXPECT_FALSE(control("Final11pk").visible);
    EXPECT_FALSE(control("Final12pk").visible);
    EXPECT_FALSE(control("FinalPKLbl").enabled);
    EXPECT_EQ(h.text("Champion"), Placeholder);
    EXPECT_EQ(h.text("Final11Lbl"), finalist);
    EXPECT_EQ(h.text("Third11"), "2");
}

TEST_F(ClearingTest, ThirdPlaceClearUnmarksTheWinner)
{
    playBracketWithShootOuts();
    ASSERT_TRUE(control("Third11Lbl").bold);
    clearPanel("GPThird");
    EXPECT_EQ(h.text("Third11"), "");
    EXPECT_EQ(h.text("Third12"), "");
    EXPECT_FALSE(control("Third11Lbl").bold);
    EXPECT_TRUE(control("Third11").enabled);
    EXPECT_EQ(h.text("Champion"), h.text("Final11Lbl"));
}

TEST_F(ClearingTest, OnlyPanelsWithAClearButtonAreCleared)
{
    EXPECT_THROW(clearPanel("GPStandA"), std::out_of_range);
}

TEST_F(ClearingTest, ClearAllConfirmedEmptiesTheWholeBoard)
{
    h.set("GA11", "3");
    h.set("GH62", "0");
    playBracketWithShootOuts();
    h.messages.answers.push_back(DialogResult::Yes);

    // The cursor is still busy when the window hears of the clearing, once.
    struct BusyWatch : BoardObserver {
        testing::RecordingCursorService& cursor;
        std::vector<bool> busy;
        explicit BusyWatch(testing::RecordingCursorService& c) : cursor(c) {}
        void boardChanged(const std::vector<ControlChange>&) override
        {
            busy.push_back(cursor.changes == std::vector<bool>{true});
        }
    } watch(h.cursor);
    h.board().addObserver(&watch);
    clearing.ClearAllButtonClick();
    h.board().removeObserver(&watch);

    EXPECT_EQ(watch.busy, std::vector<bool>{true});
    EXPECT_EQ(h.cursor.changes, (std::vector<bool>{true, false}));
    EXPECT_EQ(h.messages.questions, std::vector<std::string>{h.main.language().text("msg.clearAllConfirm")});
    for (const GroupControls& group : controls.groups) {
        for (const auto& match : group.score) {
            for (const ControlId box : match)
                EXPECT_EQ(h.board().text(box), "") << h.board().control(box).name;
        }
    }
    for (const Round round : {Round::Final8, Round::Final4, Round::Final2, Round::Third, Round::Final}) {
        for (const MatchControls& match : controls.round(round).matches) {
            for (int side = 0; side < 2; ++side) {
                const std::string& name = h.board().control(match.label[side]).name;
                EXPECT_EQ(h.board().text(match.score[side]), "") << name;
                EXPECT_EQ(h.board().text(match.penalty[side]), "") << name;
                EXPECT_FALSE(h.board().control(match.penalty[side]).visible) << name;
                if (round != Round::Final) {
                    EXPECT_FALSE(h.board().control(match.label[side]).bold) << name;
                }
                if (round != Round::Final8) {
                    EXPECT_EQ(h.board().text(match.label[side]), Placeholder) << name;
                }
            }
        }
    }
    EXPECT_EQ(h.text("Champion"), Placeholder);
    EXPECT_FALSE(control("FinalPKLbl").enabled);
    EXPECT_FALSE(control("ThirdPKLbl").enabled);
    EXPECT_TRUE(h.messages.errors.empty());
}

TEST_F(ClearingTest, ClearAllAnsweredOtherwiseChangesNothing)
{
    playBracketWithShootOuts();
    const auto before = snapshot();
    h.messages.answers = {DialogResult::No, DialogResult::Cancel};

    clearing.ClearAllButtonClick();
    clearing.ClearAllButtonClick();

    EXPECT_EQ(h.messages.questions.size(), 2u);
    EXPECT_TRUE(h.cursor.changes.empty());
    EXPECT_EQ(snapshot(), before);
}

}  // namespace
}  // namespace tiplark
