#include "document/UndoHistory.h"

#include "RecordingServices.h"
#include "document/OptionsModel.h"
#include "document/PredictionsFile.h"
#include "i18n/LanguageTables.h"
#include "TemporaryFolder.h"

#include <gtest/gtest.h>

#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace tiplark {
namespace {

using testing::BoardHarness;

// Everything a window could show of the board, control by control.
std::string boardBytes(const Board& board)
{
    std::string bytes;
    for (ControlId id = 0; id < board.size(); ++id) {
        const Control& c = board.control(id);
        bytes += c.name + '\x1f' + c.text + '\x1f' + c.hint + '\x1f' + char('0' + c.visible) + char('0' + c.enabled)
                 + char('0' + c.bold) + char('0' + static_cast<int>(c.colour)) + '\n';
    }
    return bytes;
}

// The first line in which two boardBytes differ, or "" when they agree.
std::string firstDifference(const std::string& expected, const std::string& actual)
{
    std::istringstream a(expected);
    std::istringstream b(actual);
    std::string lineA;
    std::string lineB;
    while (true) {
        const bool moreA = static_cast<bool>(std::getline(a, lineA));
        const bool moreB = static_cast<bool>(std::getline(b, lineB));
        if (!moreA && !moreB)
            return "";
        if (moreA != moreB || lineA != lineB)
            return "expected " + (moreA ? lineA : "nothing") + ", found " + (moreB ? lineB : "nothing");
    }
}

class History : public ::testing::Test {
protected:
    BoardHarness h;
    UndoHistory& history = h.main.history();

    ControlId box(std::string_view name) { return h.board().id(name); }
    void type(std::string_view name, std::string_view text) { h.main.userEdit(box(name), text); }

    int undoAll()
    {
        int steps = 0;
        for (; history.canUndo(); ++steps)
            h.main.Undo1Click();
        return steps;
    }
    int redoAll()
    {
        int steps = 0;
        for (; history.canRedo(); ++steps)
            h.main.Redo1Click();
        return steps;
    }

    // A complete, decided tournament to start from.
    void loadCompleteBoard()
    {
        ASSERT_EQ(LoadPredictions(h.main, TIPLARK_TEST_DATA "/predictions/complete-board.ini"), PredictionsLoad::Loaded);
        ASSERT_NE(h.text("Champion"), "xxxxxxxxxx");
    }
};

// The user's own moves: type one or two digits (or delete) in a box the
// window lets them reach, clear one panel, or clear everything.
TEST_F(History, TwoHundredRandomEditsUndoToTheStartAndRedoToTheEnd)
{
    loadCompleteBoard();
    ASSERT_FALSE(history.canUndo());
    const std::string start = boardBytes(h.board());

    std::vector<ControlId> boxes;
    std::vector<ControlId> panels;
    for (const GroupControls& group : h.main.controls().groups) {
        panels.push_back(group.panel);
        for (const auto& match : group.score)
            boxes.insert(boxes.end(), match.begin(), match.end());
    }
    for (const RoundControls& round : h.main.controls().rounds) {
        panels.push_back(round.panel);
        for (const MatchControls& match : round.matches) {
            boxes.insert(boxes.end(), match.score.begin(), match.score.end());
            boxes.insert(boxes.end(), match.penalty.begin(), match.penalty.end());
        }
    }

    std::mt19937 random(20060709);
    const std::vector<std::string> texts = {"", "0", "1", "2", "3", "5", "10", "03"};
    int clearAlls = 0;
    for (int edit = 0; edit < 200; ++edit) {
        const unsigned roll = random() % 100;
        if (roll < 2) {
            h.messages.answers.push_back(DialogResult::Yes);
            h.main.ClearAllButtonClick();
            ++clearAlls;
        } else if (roll < 8) {
            h.main.GroupADelButtonClick(panels[random() % panels.size()]);
        } else {
            std::vector<ControlId> reachable;
            for (const ControlId b : boxes) {
                if (h.board().control(b).visible && h.board().control(b).enabled)
                    reachable.push_back(b);
            }
            h.main.userEdit(reachable[random() % reachable.size()], texts[random() % texts.size()]);
        }
    }
    ASSERT_GT(clearAlls, 0);
    const std::string end = boardBytes(h.board());
    ASSERT_NE(end, start);

    const int steps = undoAll();
    EXPECT_GT(steps, 100);
    EXPECT_EQ(firstDifference(start, boardBytes(h.board())), "");
    EXPECT_EQ(redoAll(), steps);
    EXPECT_EQ(firstDifference(end, boardBytes(h.board())), "");
}

TEST_F(History, KeystrokesInOneBoxAreOneStep)
{
    struct Case {
        const char* name;
        std::vector<std::pair<const char*, const char*>> edits;  // box, text after the keystroke
        int steps;
    };
    const std::vector<Case> cases = {
        {"two digits in one box", {{"GA11", "1"}, {"GA11", "12"}}, 1},
        {"typed and corrected", {{"GA11", "1"}, {"GA11", ""}, {"GA11", "2"}}, 1},
        {"typed and taken back entirely", {{"GA11", "1"}, {"GA11", ""}}, 0},
        {"two boxes", {{"GA11", "1"}, {"GA12", "0"}}, 2},
        {"back to the first box", {{"GA11", "1"}, {"GA12", "0"}, {"GA11", "13"}}, 3},
        {"one box, then a penalty", {{"Final811", "1"}, {"Final812", "1"}, {"Final811pk", "4"}}, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        BoardHarness fresh;
        for (const auto& [name, text] : c.edits)
            fresh.main.userEdit(fresh.board().id(name), text);
        int steps = 0;
        for (; fresh.main.history().canUndo(); ++steps)
            fresh.main.Undo1Click();
        EXPECT_EQ(steps, c.steps);
        for (const auto& [name, text] : c.edits)
            EXPECT_EQ(fresh.text(name), "") << name;
    }
}

TEST_F(History, UndoneKeystrokeIsNotMergedIntoByTheNextOne)
{
    type("GA11", "1");
    h.main.Undo1Click();
    type("GA11", "2");
    type("GA11", "23");
    h.main.Undo1Click();
    EXPECT_EQ(h.text("GA11"), "");
    EXPECT_FALSE(history.canUndo());
    EXPECT_TRUE(history.canRedo());
    h.main.Redo1Click();
    EXPECT_EQ(h.text("GA11"), "23");
}

TEST_F(History, NewStepDropsWhatWasUndone)
{
    type("GA11", "1");
    type("GA12", "2");
    h.main.Undo1Click();
    ASSERT_TRUE(history.canRedo());
    type("GA21", "3");
    EXPECT_FALSE(history.canRedo());
    h.main.Redo1Click();  // nothing to redo: the board stays
    EXPECT_EQ(h.text("GA12"), "");
    EXPECT_EQ(h.text("GA21"), "3");
}

TEST_F(History, ClearingIsOneStepAndTheCascadeComesBack)
{
    loadCompleteBoard();
    const std::string loaded = boardBytes(h.board());
    const std::string champion = h.text("Champion");

    h.main.GroupADelButtonClick(h.main.controls().groups[0].panel);
    EXPECT_EQ(h.text("GA11"), "");
    h.main.Undo1Click();
    EXPECT_EQ(firstDifference(loaded, boardBytes(h.board())), "");

    h.messages.answers.push_back(DialogResult::No);
    h.main.ClearAllButtonClick();  // refused: nothing happened, nothing to undo
    EXPECT_FALSE(history.canUndo());

    h.messages.answers.push_back(DialogResult::Yes);
    h.main.ClearAllButtonClick();
    EXPECT_EQ(h.text("Champion"), "xxxxxxxxxx");
    h.main.Undo1Click();
    EXPECT_EQ(h.text("Champion"), champion);
    EXPECT_EQ(firstDifference(loaded, boardBytes(h.board())), "");
    EXPECT_FALSE(history.canUndo());
}

TEST_F(History, NestedUserStepsAreOneStep)
{
    {
        const UserStep outer(history);
        type("GA11", "2");
        type("GA12", "0");
        h.main.GroupADelButtonClick(h.main.controls().groups[1].panel);
        type("GB11", "1");
    }
    EXPECT_EQ(undoAll(), 1);
    EXPECT_EQ(h.text("GA11"), "");
    EXPECT_EQ(h.text("GB11"), "");
}

TEST_F(History, KeepsTheLatestThousandSteps)
{
    // Alternating boxes, so that no two keystrokes merge.
    for (int i = 0; i <= static_cast<int>(UndoHistory::Limit); ++i)
        type(i % 2 ? "GA12" : "GA11", std::to_string(i % 100));
    EXPECT_EQ(undoAll(), static_cast<int>(UndoHistory::Limit));
    EXPECT_EQ(h.text("GA11"), "0");  // the first step can no longer be undone
    EXPECT_EQ(h.text("GA12"), "");
}

TEST_F(History, LoadSaveAndOptionsAreNoSteps)
{
    testing::TemporaryFolder folder;
    const std::string path = folder.file("Tiplark.ini");
    type("GA11", "1");
    ASSERT_TRUE(history.canUndo());
    ASSERT_EQ(LoadPredictions(h.main, TIPLARK_TEST_DATA "/predictions/complete-board.ini"), PredictionsLoad::Loaded);
    EXPECT_FALSE(history.canUndo());

    ASSERT_TRUE(SaveAll(h.main, path));
    OptionsModel options(h.main, [&] { return SaveAll(h.main, path); });
    options.FormShow();
    options.setLanguageSelection(LanguageSpanish);
    options.LangCBChange();
    ASSERT_TRUE(options.OKButtonClick());
    h.main.SetFirstTimeGroups();
    EXPECT_FALSE(history.canUndo());
    EXPECT_FALSE(history.canRedo());
}

TEST_F(History, ListenerHearsEveryChangeOfWhatCanBeDone)
{
    std::vector<std::pair<bool, bool>> heard;
    history.setListener([&] { heard.emplace_back(history.canUndo(), history.canRedo()); });
    type("GA11", "1");
    type("GA11", "12");
    h.main.Undo1Click();
    h.main.Redo1Click();
    history.clear();
    const std::vector<std::pair<bool, bool>> expected = {
        {true, false}, {true, false}, {false, true}, {true, false}, {false, false}};
    EXPECT_EQ(heard, expected);
}

}  // namespace
}  // namespace tiplark
