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
    control.text.assign(text);
    notify(id, ControlProperty::Text);
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
    m_controls[id].hint.assign(hint);
    notify(id, ControlProperty::Hint);
}

void Board::setVisible(ControlId id, bool visible)
{
    if (m_controls[checked(id)].visible == visible)
        return;
    m_controls[id].visible = visible;
    notify(id, ControlProperty::Visible);
}

void Board::setEnabled(ControlId id, bool enabled)
{
    if (m_controls[checked(id)].enabled == enabled)
        return;
    m_controls[id].enabled = enabled;
    notify(id, ControlProperty::Enabled);
}

void Board::setBold(ControlId id, bool bold)
{
    if (m_controls[checked(id)].bold == bold)
        return;
    m_controls[id].bold = bold;
    notify(id, ControlProperty::Bold);
}

void Board::setColour(ControlId id, TextColour colour)
{
    if (m_controls[checked(id)].colour == colour)
        return;
    m_controls[id].colour = colour;
    notify(id, ControlProperty::Colour);
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
    // Erasing while a notification walks the list would skip or repeat an
    // observer; the slot is emptied now and dropped when the walk ends.
    if (m_notifyDepth > 0) {
        std::replace(m_observers.begin(), m_observers.end(), observer, static_cast<BoardObserver*>(nullptr));
        m_observerRemoved = true;
        return;
    }
    m_observers.erase(std::remove(m_observers.begin(), m_observers.end(), observer), m_observers.end());
}

void Board::notify(ControlId id, ControlProperty property)
{
    ++m_notifyDepth;
    // By index: an observer added meanwhile may grow the list.
    for (size_t i = 0; i < m_observers.size(); ++i) {
        if (BoardObserver* observer = m_observers[i])
            observer->controlChanged(id, property);
    }
    if (--m_notifyDepth == 0 && m_observerRemoved) {
        m_observerRemoved = false;
        std::erase(m_observers, nullptr);
    }
}

}  // namespace tiplark
