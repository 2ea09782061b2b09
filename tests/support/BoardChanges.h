#pragma once

#include "board/Board.h"

#include <string>
#include <vector>

namespace tiplark::testing {

// Every control's observable state, to compare a board before and after an action.
struct ControlState {
    std::string text;
    std::string hint;
    bool visible;
    bool enabled;
    bool bold;
    TextColour colour;
};

inline std::vector<ControlState> boardState(const Board& board)
{
    std::vector<ControlState> state;
    for (ControlId id = 0; id < board.size(); ++id) {
        const Control& c = board.control(id);
        state.push_back({c.text, c.hint, c.visible, c.enabled, c.bold, c.colour});
    }
    return state;
}

// The controls whose state differs from `before`, with the properties that do, by id.
inline std::vector<ControlChange> differences(const std::vector<ControlState>& before, const Board& board)
{
    std::vector<ControlChange> changes;
    for (ControlId id = 0; id < board.size(); ++id) {
        const ControlState& was = before[static_cast<size_t>(id)];
        const Control& now = board.control(id);
        ControlChange change{id, 0};
        const auto mark = [&change](bool differs, ControlProperty property) {
            if (differs)
                change.properties |= static_cast<unsigned>(property);
        };
        mark(was.text != now.text, ControlProperty::Text);
        mark(was.hint != now.hint, ControlProperty::Hint);
        mark(was.visible != now.visible, ControlProperty::Visible);
        mark(was.enabled != now.enabled, ControlProperty::Enabled);
        mark(was.bold != now.bold, ControlProperty::Bold);
        mark(was.colour != now.colour, ControlProperty::Colour);
        if (change.properties != 0)
            changes.push_back(change);
    }
    return changes;
}

// Keeps what the board told its observers, one entry per action.
class ActionRecorder : public BoardObserver {
public:
    explicit ActionRecorder(Board& board) : m_board(board) { m_board.addObserver(this); }
    ~ActionRecorder() override { m_board.removeObserver(this); }
    ActionRecorder(const ActionRecorder&) = delete;
    ActionRecorder& operator=(const ActionRecorder&) = delete;

    void boardChanged(const std::vector<ControlChange>& changes) override { actions.push_back(changes); }

    std::vector<std::vector<ControlChange>> actions;

private:
    Board& m_board;
};

}  // namespace tiplark::testing
