#include "board/Board.h"
#include "platform/ScoreText.h"

#include <gtest/gtest.h>

#include <array>
#include <stdexcept>
#include <string>
#include <vector>

namespace tiplark {
namespace {

class RecordingObserver : public BoardObserver {
public:
    void controlChanged(ControlId id, ControlProperty property) override { changes.emplace_back(id, property); }
    std::vector<std::pair<ControlId, ControlProperty>> changes;
};

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

TEST_F(BoardModel, ObserverHearsOnlyRealChanges)
{
    RecordingObserver observer;
    board.addObserver(&observer);
    board.setBold(label, false);
    board.setColour(label, TextColour::Default);
    board.setVisible(edit, true);
    board.setBold(label, true);
    board.setColour(label, TextColour::Blue);
    board.setEnabled(edit, false);
    board.setHint(label, "Munich");
    board.setHint(label, "Munich");
    ASSERT_EQ(observer.changes.size(), 4u);
    EXPECT_EQ(observer.changes[0], std::make_pair(label, ControlProperty::Bold));
    EXPECT_EQ(observer.changes[3], std::make_pair(label, ControlProperty::Hint));
    board.removeObserver(&observer);
    board.setText(label, "x");
    EXPECT_EQ(observer.changes.size(), 4u);
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

// Observers that leave while a change is being told: the window closing
// from inside a notification, or one observer dropping another.
TEST_F(BoardModel, ObserversMayLeaveDuringANotification)
{
    struct Leaving : BoardObserver {
        Board* board = nullptr;
        BoardObserver* leaves = nullptr;
        int heard = 0;
        void controlChanged(ControlId, ControlProperty) override
        {
            ++heard;
            if (leaves)
                board->removeObserver(leaves);
        }
    };
    struct Case {
        const char* name;
        int leaver;      // which of the three observers removes someone
        int removed;     // whom it removes
        std::array<int, 3> heardFirst;   // calls each heard of the first change
        std::array<int, 3> heardSecond;  // and of the second
    };
    const Case cases[] = {
        {"itself, first in line", 0, 0, {1, 1, 1}, {1, 2, 2}},
        {"itself, in the middle", 1, 1, {1, 1, 1}, {2, 1, 2}},
        {"a later one, before it is told", 0, 2, {1, 1, 0}, {2, 2, 0}},
        {"an earlier one", 2, 0, {1, 1, 1}, {1, 2, 2}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Board local;
        const ControlId box = local.add("Box", ControlKind::Label);
        std::array<Leaving, 3> observers;
        for (Leaving& o : observers) {
            o.board = &local;
            local.addObserver(&o);
        }
        observers[static_cast<size_t>(c.leaver)].leaves = &observers[static_cast<size_t>(c.removed)];
        local.setText(box, "1");
        observers[static_cast<size_t>(c.leaver)].leaves = nullptr;
        for (size_t i = 0; i < 3; ++i)
            EXPECT_EQ(observers[i].heard, c.heardFirst[i]) << "observer " << i;
        local.setText(box, "2");
        for (size_t i = 0; i < 3; ++i)
            EXPECT_EQ(observers[i].heard, c.heardSecond[i]) << "observer " << i;
    }
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
