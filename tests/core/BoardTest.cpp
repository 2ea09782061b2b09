#include "board/Board.h"
#include "platform/ScoreText.h"

#include "BoardChanges.h"

#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <stdexcept>
#include <string>
#include <vector>

namespace tiplark {
namespace {

using testing::ActionRecorder;

unsigned bits(std::initializer_list<ControlProperty> properties)
{
    unsigned result = 0;
    for (const ControlProperty property : properties)
        result |= static_cast<unsigned>(property);
    return result;
}

class BoardModel : public ::testing::Test {
protected:
    Board board;
    ControlId panel = board.add("Panel", ControlKind::Panel);
    ControlId edit = board.add("Edit", ControlKind::Edit, panel);
    ControlId label = board.add("Label", ControlKind::Label, panel);
    std::vector<std::string> seen;

    void SetUp() override
    {
        board.bindChange(edit, [this](ControlId id) { seen.push_back(board.text(id)); });
    }
};

TEST_F(BoardModel, ChangeEventOnlyOnRealChange)
{
    board.setText(edit, "2");
    board.setText(edit, "2");
    board.setText(edit, "");
    board.setText(edit, "");
    EXPECT_EQ(seen, (std::vector<std::string>{"2", ""}));
}

TEST_F(BoardModel, ChangeEventSeesTheNewTextBeforeSetterReturns)
{
    std::string during;
    board.bindChange(edit, [&](ControlId id) { during = board.text(id); });
    board.setText("Edit", "7");
    EXPECT_EQ(during, "7");
}

TEST_F(BoardModel, LabelsRaiseNoChangeEvent)
{
    bool raised = false;
    board.bindChange(label, [&](ControlId) { raised = true; });
    board.setText(label, "Germany");
    EXPECT_FALSE(raised);
    EXPECT_EQ(board.text("Label"), "Germany");
}

// A panel with an edit box and a label, as the cases below change them.
struct SmallBoard {
    Board board;
    ControlId panel = board.add("Panel", ControlKind::Panel);
    ControlId edit = board.add("Edit", ControlKind::Edit, panel);
    ControlId label = board.add("Label", ControlKind::Label, panel);
};

TEST(BoardObservers, HearOneActionWithItsNetChangesInFirstChangeOrder)
{
    using P = ControlProperty;
    enum Which { Edit, Label };
    struct Case {
        const char* name;
        std::function<void(SmallBoard&)> steps;                // run inside one Batch
        std::vector<std::pair<Which, unsigned>> heard;         // empty: the observers hear nothing
    };
    const std::vector<Case> cases = {
        {"values equal to the current ones",
         [](SmallBoard& t) {
             t.board.setBold(t.label, false);
             t.board.setColour(t.label, TextColour::Default);
             t.board.setVisible(t.edit, true);
             t.board.setText(t.label, "");
         },
         {}},
        {"several properties of one control, one set twice",
         [](SmallBoard& t) {
             t.board.setBold(t.label, true);
             t.board.setColour(t.label, TextColour::Blue);
             t.board.setHint(t.label, "Munich");
             t.board.setHint(t.label, "Munich");
         },
         {{Label, bits({P::Hint, P::Bold, P::Colour})}}},
        {"a text changed and set back",
         [](SmallBoard& t) {
             t.board.setText(t.label, "Germany");
             t.board.setText(t.label, "Ecuador");
             t.board.setText(t.label, "");
         },
         {}},
        {"a colour set back while another property stays changed",
         [](SmallBoard& t) {
             t.board.setColour(t.label, TextColour::Red);
             t.board.setEnabled(t.label, false);
             t.board.setColour(t.label, TextColour::Default);
         },
         {{Label, bits({P::Enabled})}}},
        {"two controls, in the order they first changed",
         [](SmallBoard& t) {
             t.board.setText(t.label, "x");
             t.board.setVisible(t.edit, false);
             t.board.setText(t.label, "y");
             t.board.setText(t.edit, "1");
         },
         {{Label, bits({P::Text})}, {Edit, bits({P::Text, P::Visible})}}},
    };
    for (const Case& c : cases) {
        SmallBoard t;
        ActionRecorder recorder(t.board);
        {
            const Board::Batch action(t.board);
            c.steps(t);
            EXPECT_TRUE(recorder.actions.empty()) << c.name << ": heard before the action ended";
        }
        std::vector<std::vector<ControlChange>> expected;
        if (!c.heard.empty()) {
            expected.emplace_back();
            for (const auto& [which, properties] : c.heard)
                expected.back().push_back({which == Edit ? t.edit : t.label, properties});
        }
        EXPECT_EQ(recorder.actions, expected) << c.name;
    }
}

TEST_F(BoardModel, SettersOutsideABatchAreActionsOfTheirOwn)
{
    ActionRecorder recorder(board);
    board.setBold(label, true);
    board.setText(edit, "3");
    ASSERT_EQ(recorder.actions.size(), 2u);
    EXPECT_EQ(recorder.actions[0], (std::vector<ControlChange>{{label, bits({ControlProperty::Bold})}}));
    EXPECT_EQ(recorder.actions[1], (std::vector<ControlChange>{{edit, bits({ControlProperty::Text})}}));
}

TEST_F(BoardModel, ACascadeIsOneActionAndItsChangeEventsStaySynchronous)
{
    const ControlId second = board.add("Second", ControlKind::Edit, panel);
    std::vector<std::string> secondSeen;
    board.bindChange(edit, [&](ControlId) {
        const Board::Batch nested(board);  // nesting does not end the action early
        board.setText(second, "4");
        board.setText(label, "after " + secondSeen.back());
    });
    board.bindChange(second, [&](ControlId id) { secondSeen.push_back(board.text(id)); });
    ActionRecorder recorder(board);
    board.setText(edit, "1");
    EXPECT_EQ(secondSeen, std::vector<std::string>{"4"});
    EXPECT_EQ(board.text(label), "after 4");
    const unsigned text = bits({ControlProperty::Text});
    EXPECT_EQ(recorder.actions,
              (std::vector<std::vector<ControlChange>>{{{edit, text}, {second, text}, {label, text}}}));
}

TEST_F(BoardModel, SettleTasksRunOnceAtTheEndAndTheirChangesBelongToTheAction)
{
    // A task colouring the label by its final text, as the highlighting does.
    int runs = 0;
    board.addSettleTask([&] {
        ++runs;
        board.setColour(label, board.text(label) == "Brazil" ? TextColour::Blue : TextColour::Default);
    });
    board.bindChange(edit, [&](ControlId) {
        board.setText(label, "Brazil");
        board.setText(label, "Spain");
        board.setText(label, "Brazil");
    });
    ActionRecorder recorder(board);
    board.setText(edit, "2");
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(board.control(label).colour, TextColour::Blue);
    EXPECT_EQ(recorder.actions,
              (std::vector<std::vector<ControlChange>>{
                  {{edit, bits({ControlProperty::Text})}, {label, bits({ControlProperty::Text, ControlProperty::Colour})}}}));
}

TEST_F(BoardModel, ObserversMayLeaveWhileTheyHear)
{
    struct Leaving : BoardObserver {
        Board& board;
        std::vector<BoardObserver*> leave;
        int heard = 0;
        explicit Leaving(Board& b) : board(b) {}
        void boardChanged(const std::vector<ControlChange>&) override
        {
            ++heard;
            for (BoardObserver* observer : leave)
                board.removeObserver(observer);
        }
    };
    Leaving first(board);
    Leaving second(board);
    board.addObserver(&first);
    board.addObserver(&second);
    first.leave = {&first, &second};
    board.setText(label, "x");
    board.setText(label, "y");
    EXPECT_EQ(first.heard, 1);
    EXPECT_EQ(second.heard, 0);
}

TEST_F(BoardModel, ChildrenKeepCreationOrder)
{
    EXPECT_EQ(board.topLevel(), std::vector<ControlId>{panel});
    EXPECT_EQ(board.children(panel), (std::vector<ControlId>{edit, label}));
    EXPECT_EQ(board.find("Nothing"), NoControl);
    EXPECT_THROW(board.id("Nothing"), std::out_of_range);
    EXPECT_THROW(board.add("Edit", ControlKind::Edit), std::logic_error);
}

TEST_F(BoardModel, ConversionFailureEndsTheWholeCascadeAndIsReported)
{
    const ControlId second = board.add("Second", ControlKind::Edit, panel);
    std::vector<std::string> reported;
    bool after = false;
    board.setErrorReporter([&](const std::string& message) { reported.push_back(message); });
    board.bindChange(edit, [&](ControlId) {
        board.setText(second, "x");
        after = true;  // never reached: the nested failure ends the action
    });
    board.bindChange(second, [&](ControlId id) { scoreValue(board.text(id)); });
    board.setText(edit, "1");
    EXPECT_FALSE(after);
    EXPECT_EQ(reported, std::vector<std::string>{"'x' is not a valid integer value"});
    EXPECT_EQ(board.text(second), "x");
    // The board is usable afterwards and the next failure is reported again.
    board.setText(edit, "2");
    EXPECT_EQ(reported.size(), 1u);  // second already holds "x": no change, no event
    board.setText(second, "y");
    EXPECT_EQ(reported.size(), 2u);
}

TEST_F(BoardModel, IdsTheBoardDidNotGiveOutAreRefused)
{
    for (const ControlId wrong : {NoControl, board.size(), board.size() + 100}) {
        SCOPED_TRACE(wrong);
        EXPECT_THROW(board.control(wrong), std::out_of_range);
        EXPECT_THROW(board.text(wrong), std::out_of_range);
        EXPECT_THROW(board.setText(wrong, "1"), std::out_of_range);
        EXPECT_THROW(board.setColour(wrong, TextColour::Blue), std::out_of_range);
        EXPECT_THROW(board.children(wrong), std::out_of_range);
    }
    EXPECT_THROW(board.add("Orphan", ControlKind::Label, board.size() + 1), std::out_of_range);
    EXPECT_EQ(board.find("Orphan"), NoControl);
    EXPECT_THROW(board.control(board.find("Nothing")), std::out_of_range);
}

TEST(ScoreText, WholeNumbersAndRefusals)
{
    EXPECT_EQ(scoreValue("02"), 2);
    EXPECT_EQ(scoreValue("0"), 0);
    EXPECT_EQ(scoreValue("99"), 99);
    EXPECT_THROW(scoreValue(""), ActionAborted);
    EXPECT_THROW(scoreValue("1a"), ActionAborted);
    EXPECT_THROW(scoreValue(" 1"), ActionAborted);
    EXPECT_TRUE(isScoreText(""));
    EXPECT_TRUE(isScoreText("07"));
    EXPECT_FALSE(isScoreText("123"));
    EXPECT_FALSE(isScoreText("-1"));
    EXPECT_FALSE(isScoreText("a"));
}

}  // namespace
}  // namespace tiplark
