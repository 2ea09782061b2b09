#pragma once

#include "board/Board.h"

#include <cstddef>
#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace tiplark {

// The user's changes of the board as steps that can be taken back and done
// again. A step records what the user's boxes held before and after one
// action, cascade included. Undo and redo set every box in the order a load
// fills them, so the change events rebuild tables and bracket as a load
// would; nothing derived is stored.
class UndoHistory {
public:
    static constexpr std::size_t Limit = 1000;  // the oldest step goes first

    // boxes: every box the user can type into, in the order a load fills them.
    UndoHistory(Board& board, std::vector<ControlId> boxes);

    // Opens a step before a user action and closes it after; only the
    // outermost pair records. A step that changed no box is not kept. Steps
    // naming the same mergeBox, one right after the other, become one:
    // keystrokes in one box are one step.
    void begin(ControlId mergeBox = NoControl);
    void end();

    bool canUndo() const { return m_done > 0; }
    bool canRedo() const { return m_done < m_steps.size(); }
    // Nothing happens when there is nothing to undo (redo), or inside a step.
    void undo();
    void redo();
    // Forgets every step, as after a load.
    void clear();

    // Runs whenever canUndo() or canRedo() may have changed.
    void setListener(std::function<void()> listener) { m_listener = std::move(listener); }

private:
    struct BoxChange {
        std::size_t box;  // index into m_boxes
        std::string before;
        std::string after;
    };
    struct Step {
        std::vector<BoxChange> changes;
        ControlId mergeBox;
    };

    std::vector<std::string> texts() const;
    void record(ControlId mergeBox);
    static void mergeInto(Step& earlier, const Step& later);
    void restore(const Step& step, bool toAfter);
    void changed();

    Board& m_board;
    std::vector<ControlId> m_boxes;
    std::deque<Step> m_steps;
    std::size_t m_done = 0;  // the steps before this index are done, the rest undone
    bool m_topMergeable = false;  // the last step may take the next keystroke in its box
    int m_depth = 0;
    ControlId m_mergeBox = NoControl;
    std::vector<std::string> m_before;
    std::function<void()> m_listener;
};

// One user action as one step of the history: construct it before the
// action changes the board, let it end with the action's scope. Nested steps
// join the outermost one, so a command made of other commands (an import,
// the real results) is still one step.
class UserStep {
public:
    explicit UserStep(UndoHistory& history, ControlId mergeBox = NoControl)
        : m_history(history)
    {
        m_history.begin(mergeBox);
    }
    ~UserStep() { m_history.end(); }
    UserStep(const UserStep&) = delete;
    UserStep& operator=(const UserStep&) = delete;

private:
    UndoHistory& m_history;
};

}  // namespace tiplark
