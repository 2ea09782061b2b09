#include "document/MainBoard.h"

#include "RecordingServices.h"
#include "reference/ReferenceBoard.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace tiplark {
namespace {

using testing::BoardHarness;
using testing::ReferenceBoard;

// The boxes a user types into, with what the program lets them type.
struct TypingBox {
    ControlId box;
    bool penalty;
};

std::vector<TypingBox> typingBoxes(const BoardControls& controls)
{
    std::vector<TypingBox> boxes;
    for (const GroupControls& group : controls.groups) {
        for (const auto& match : group.score)
            boxes.insert(boxes.end(), {{match[0], false}, {match[1], false}});
    }
    for (const RoundControls& round : controls.rounds) {
        for (const MatchControls& match : round.matches) {
            boxes.insert(boxes.end(), {{match.score[0], false}, {match.score[1], false}});
            boxes.insert(boxes.end(), {{match.penalty[0], true}, {match.penalty[1], true}});
        }
    }
    return boxes;
}

// One random board typed into the engine's board and, key for key, into the
// 2006 program's own board; a box is typed only while the 2006 board lets
// the user type into it (enabled, and a penalty box shown).
class DifferentialRun {
public:
    DifferentialRun(BoardHarness& engine, ReferenceBoard& reference, const std::vector<TypingBox>& boxes,
                    std::mt19937& random)
        : m_engine(engine)
        , m_reference(reference)
        , m_boxes(boxes)
        , m_random(random)
    {
    }

    // Every box in load order, each filled in with the given chance.
    void typeBoard(double chance)
    {
        for (const TypingBox& box : m_boxes) {
            if (happens(chance))
                type(box, randomGoals());
        }
    }

    // Any box the user could type into, with a score or emptied.
    void typeAnywhere()
    {
        const TypingBox& box = m_boxes[std::uniform_int_distribution<size_t>(0, m_boxes.size() - 1)(m_random)];
        type(box, happens(0.2) ? std::string() : randomGoals());
    }

    // Every control's text and state.
    void expectSame(const std::string& when) const
    {
        const Board& engine = m_engine.board();
        const Board& reference = m_reference.board;
        ASSERT_EQ(engine.size(), reference.size());
        for (ControlId id = 0; id < engine.size(); ++id) {
            const Control& mine = engine.control(id);
            const Control& theirs = reference.control(id);
            ASSERT_EQ(mine.text, theirs.text) << when << ": text of " << mine.name;
            ASSERT_EQ(mine.visible, theirs.visible) << when << ": visibility of " << mine.name;
            ASSERT_EQ(mine.enabled, theirs.enabled) << when << ": enabling of " << mine.name;
            ASSERT_EQ(mine.bold, theirs.bold) << when << ": bold of " << mine.name;
            ASSERT_EQ(mine.colour, theirs.colour) << when << ": colour of " << mine.name;
        }
    }

private:
    bool happens(double chance) { return std::bernoulli_distribution(chance)(m_random); }
    // Mostly small scores, so that teams are often level; now and then a
    // leading zero, which counts as the number.
    std::string randomGoals()
    {
        const int goals = happens(0.9) ? std::uniform_int_distribution<int>(0, 2)(m_random)
                                       : std::uniform_int_distribution<int>(3, 12)(m_random);
        return (goals < 10 && happens(0.03) ? "0" : "") + std::to_string(goals);
    }

    void type(const TypingBox& box, const std::string& text)
    {
        const Control& control = m_reference.board.control(box.box);
        if (!control.enabled || (box.penalty && !control.visible))
            return;
        m_reference.board.setText(box.box, text);
        m_engine.main.userEdit(box.box, text);
    }

    BoardHarness& m_engine;
    ReferenceBoard& m_reference;
    const std::vector<TypingBox>& m_boxes;
    std::mt19937& m_random;
};

// The board on the engine, reading the 2006 tournament file, against the
// 2006 program's own rules on 10,000 random boards, complete and partial,
// and after random edits that change groups under a filled-in bracket:
// every control alike, tables, bracket, emptied boxes, penalty boxes shown,
// winners in bold and the champion.
TEST(EngineDifferentialTest, BoardAgreesWithThe2006RulesOnRandomBoards)
{
    BoardHarness engine;
    ReferenceBoard reference;
    const std::vector<Control> engineBuilt = engine.board().states();
    const std::vector<Control> referenceBuilt = reference.board.states();
    ASSERT_EQ(engineBuilt.size(), referenceBuilt.size());
    const std::vector<TypingBox> boxes = typingBoxes(engine.main.controls());
    std::mt19937 random(2006);
    const double chances[] = {1.0, 0.97, 0.85, 0.5};
    for (int board = 0; board < 10'000; ++board) {
        engine.main.restore(engineBuilt);
        engine.main.history().clear();
        reference.board.restore(referenceBuilt);
        DifferentialRun run(engine, reference, boxes, random);
        run.typeBoard(chances[board % 4]);
        const std::string name = "board " + std::to_string(board);
        ASSERT_NO_FATAL_FAILURE(run.expectSame(name));
        if (board % 10 != 0)
            continue;
        for (int edit = 0; edit < 8; ++edit) {
            run.typeAnywhere();
            ASSERT_NO_FATAL_FAILURE(run.expectSame(name + ", edit " + std::to_string(edit)));
        }
    }
}

}  // namespace
}  // namespace tiplark
