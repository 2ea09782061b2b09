#include "board/Board.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace tiplark {

ControlId Board::add(std::string name, ControlKind kind, ControlId parent)
{
    if (parent != NoControl)
        checked(parent);
    const auto id = static_cast<ControlId>(m_controls.size());
    if (!m_byName.emplace(name, id).second)
        throw std::logic_error("duplicate control name " + name);
    Control control;
    control.name = std::move(name);
    control.kind = kind;
    control.parent = parent;
    m_controls.push_back(std::move(control));
    m_handlers.emplace_back();
    m_children.emplace_back();
    m_beforeIndex.push_back(-1);
    if (parent == NoControl)
        m_topLevel.push_back(id);
    else
        m_children[parent].push_back(id);
    return id;
}

ControlId Board::id(std::string_view name) const
{
    const ControlId found = find(name);
    if (found == NoControl)
        throw std::out_of_range("unknown control " + std::string(name));
    return found;
}

size_t Board::checked(ControlId id) const
{
    if (id < 0 || id >= size())
        throw std::out_of_range("no control " + std::to_string(id));
    return static_cast<size_t>(id);
}

ControlId Board::find(std::string_view name) const
{
    const auto it = m_byName.find(name);
    return it == m_byName.end() ? NoControl : it->second;
}

void Board::setText(ControlId id, std::string_view text)
{
    Control& control = m_controls[checked(id)];
    if (control.text == text)
        return;
    const Batch batch(*this);
    recordChange(id);
    control.text.assign(text);
    if (control.kind == ControlKind::Edit)
        raiseChange(id);
}

void Board::raiseChange(ControlId id)
{
    if (!m_handlers[id])
        return;
    struct DepthGuard {
        int& depth;
        explicit DepthGuard(int& d) : depth(d) { ++depth; }
        ~DepthGuard() { --depth; }
    };
    const bool outermost = m_changeDepth == 0;
    DepthGuard guard(m_changeDepth);
    if (!outermost) {
        m_handlers[id](id);
        return;
    }
    // A failed conversion ends the whole action, however deep the cascade;
    // what was set before it stays, as with any interrupted user action.
    try {
        m_handlers[id](id);
    } catch (const ActionAborted& aborted) {
        if (m_reportError)
            m_reportError(aborted.message);
    }
}

void Board::setHint(ControlId id, std::string_view hint)
{
    if (m_controls[checked(id)].hint == hint)
        return;
    const Batch batch(*this);
    recordChange(id);
    m_controls[id].hint.assign(hint);
}

void Board::setVisible(ControlId id, bool visible)
{
    if (m_controls[checked(id)].visible == visible)
        return;
    const Batch batch(*this);
    recordChange(id);
    m_controls[id].visible = visible;
}

void Board::setEnabled(ControlId id, bool enabled)
{
    if (m_controls[checked(id)].enabled == enabled)
        return;
    const Batch batch(*this);
    recordChange(id);
    m_controls[id].enabled = enabled;
}

void Board::setBold(ControlId id, bool bold)
{
    if (m_controls[checked(id)].bold == bold)
        return;
    const Batch batch(*this);
    recordChange(id);
    m_controls[id].bold = bold;
}

void Board::setColour(ControlId id, TextColour colour)
{
    if (m_controls[checked(id)].colour == colour)
        return;
    const Batch batch(*this);
    recordChange(id);
    m_controls[id].colour = colour;
}

void Board::restore(const std::vector<Control>& states)
{
    if (!m_observers.empty() || inBatch())
        throw std::logic_error("a board is put back only while nobody observes it");
    if (states.size() != m_controls.size())
        throw std::logic_error("states of another board");
    // Only what the setters change; names and build-time properties stay.
    for (size_t id = 0; id < states.size(); ++id) {
        const Control& state = states[id];
        Control& control = m_controls[id];
        control.text = state.text;
        control.hint = state.hint;
        control.visible = state.visible;
        control.enabled = state.enabled;
        control.bold = state.bold;
        control.colour = state.colour;
    }
}

void Board::bindChange(ControlId id, ChangeHandler handler)
{
    m_handlers[checked(id)] = std::move(handler);
}

void Board::addObserver(BoardObserver* observer)
{
    m_observers.push_back(observer);
}

void Board::removeObserver(BoardObserver* observer)
{
    m_observers.erase(std::remove(m_observers.begin(), m_observers.end(), observer), m_observers.end());
}

void Board::recordChange(ControlId id)
{
    if (m_observers.empty() || m_beforeIndex[id] >= 0)
        return;
    m_beforeIndex[id] = static_cast<int>(m_before.size());
    const Control& c = m_controls[id];
    m_before.push_back({id, c.text, c.hint, c.visible, c.enabled, c.bold, c.colour});
}

std::vector<ControlChange> Board::takeChanges()
{
    std::vector<ControlChange> changes;
    for (const Before& before : m_before) {
        const Control& now = m_controls[before.id];
        const auto bit = [](bool differs, ControlProperty property) {
            return differs ? static_cast<unsigned>(property) : 0u;
        };
        const unsigned properties = bit(now.text != before.text, ControlProperty::Text)
                                  | bit(now.hint != before.hint, ControlProperty::Hint)
                                  | bit(now.visible != before.visible, ControlProperty::Visible)
                                  | bit(now.enabled != before.enabled, ControlProperty::Enabled)
                                  | bit(now.bold != before.bold, ControlProperty::Bold)
                                  | bit(now.colour != before.colour, ControlProperty::Colour);
        if (properties != 0)
            changes.push_back({before.id, properties});
        m_beforeIndex[before.id] = -1;
    }
    m_before.clear();
    return changes;
}

void Board::endBatch()
{
    struct Leave {
        int& depth;
        ~Leave() { --depth; }
    };
    {
        const Leave leave{m_batchDepth};
        if (m_batchDepth > 1)
            return;
        // Still inside the action, so that what the tasks change belongs to it.
        for (const SettleTask& task : m_settleTasks)
            task();
    }
    if (m_before.empty())
        return;
    const std::vector<ControlChange> changes = takeChanges();
    if (changes.empty())
        return;
    // An observer may remove itself or another one while it hears.
    const std::vector<BoardObserver*> observers = m_observers;
    for (BoardObserver* observer : observers) {
        if (std::find(m_observers.begin(), m_observers.end(), observer) != m_observers.end())
            observer->boardChanged(changes);
    }
}

}  // namespace tiplark
