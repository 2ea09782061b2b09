#include "document/UndoHistory.h"

#include <algorithm>

namespace tiplark {

UndoHistory::UndoHistory(Board& board, std::vector<ControlId> boxes)
    : m_board(board)
    , m_boxes(std::move(boxes))
{
}

std::vector<std::string> UndoHistory::texts() const
{
    std::vector<std::string> texts;
    texts.reserve(m_boxes.size());
    for (const ControlId box : m_boxes)
        texts.push_back(m_board.text(box));
    return texts;
}

void UndoHistory::begin(ControlId mergeBox)
{
    if (m_depth++ > 0)
        return;
    m_mergeBox = mergeBox;
    m_before = texts();
}

void UndoHistory::end()
{
    if (--m_depth > 0)
        return;
    record(m_mergeBox);
    m_before.clear();
}

void UndoHistory::record(ControlId mergeBox)
{
    Step step{{}, mergeBox};
    const std::vector<std::string> after = texts();
    for (std::size_t i = 0; i < after.size(); ++i) {
        if (after[i] != m_before[i])
            step.changes.push_back({i, std::move(m_before[i]), after[i]});
    }
    const bool merge = m_topMergeable && mergeBox != NoControl && canUndo() && !canRedo()
                       && m_steps.back().mergeBox == mergeBox;
    if (merge) {
        mergeInto(m_steps.back(), step);
        // Typing a box back to what it held leaves nothing to undo.
        if (m_steps.back().changes.empty()) {
            m_steps.pop_back();
            m_done = m_steps.size();
            m_topMergeable = false;
        }
        changed();
        return;
    }
    if (step.changes.empty())
        return;
    m_steps.erase(m_steps.begin() + static_cast<std::ptrdiff_t>(m_done), m_steps.end());
    m_steps.push_back(std::move(step));
    if (m_steps.size() > Limit)
        m_steps.pop_front();
    m_done = m_steps.size();
    m_topMergeable = mergeBox != NoControl;
    changed();
}

void UndoHistory::mergeInto(Step& earlier, const Step& later)
{
    for (const BoxChange& change : later.changes) {
        const auto same = std::find_if(earlier.changes.begin(), earlier.changes.end(),
                                       [&](const BoxChange& c) { return c.box == change.box; });
        if (same == earlier.changes.end())
            earlier.changes.push_back(change);
        else
            same->after = change.after;
    }
    std::erase_if(earlier.changes, [](const BoxChange& c) { return c.before == c.after; });
}

void UndoHistory::undo()
{
    if (m_depth > 0 || !canUndo())
        return;
    --m_done;
    restore(m_steps[m_done], false);
}

void UndoHistory::redo()
{
    if (m_depth > 0 || !canRedo())
        return;
    ++m_done;
    restore(m_steps[m_done - 1], true);
}

void UndoHistory::restore(const Step& step, bool toAfter)
{
    std::vector<std::string> target = texts();
    for (const BoxChange& change : step.changes)
        target[change.box] = toAfter ? change.after : change.before;
    // In load order: a box's cascade only ever empties boxes later in that
    // order, which are then set to their own texts in turn.
    for (std::size_t i = 0; i < m_boxes.size(); ++i)
        m_board.setText(m_boxes[i], target[i]);
    m_topMergeable = false;
    changed();
}

void UndoHistory::clear()
{
    m_steps.clear();
    m_done = 0;
    m_topMergeable = false;
    changed();
}

void UndoHistory::changed()
{
    if (m_listener)
        m_listener();
}

}  // namespace tiplark
