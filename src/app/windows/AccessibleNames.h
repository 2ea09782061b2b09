#pragma once

#include "board/Board.h"
#include "tournament/BoardControls.h"

#include <QString>

#include <functional>
#include <vector>

namespace tiplark {

// What a screen reader announces for each board control. Score boxes quote
// the current team names of their match ("Germany – Costa Rica, goals of
// Germany"), so their names follow the labels whenever a team changes.
class AccessibleNames {
public:
    AccessibleNames(const Board& board, const BoardControls& controls);

    // Empty when the control's own text says enough (headings, team labels).
    QString nameOf(ControlId id) const;
    // The controls whose names quote the text or hint of this one.
    const std::vector<ControlId>& dependents(ControlId id) const { return m_dependents[static_cast<size_t>(id)]; }

private:
    using Namer = std::function<QString()>;

    void nameGroup(const GroupControls& group, const QString& title);
    void nameRound(const RoundControls& round, const QString& title);
    void nameClearButton(ControlId button, ControlId heading);
    void nameLevelMark(ControlId mark, ControlId heading);
    void set(ControlId id, Namer namer, std::initializer_list<ControlId> quoted = {});
    QString team(ControlId label) const;

    const Board& m_board;
    std::vector<Namer> m_namers;
    std::vector<std::vector<ControlId>> m_dependents;
};

}  // namespace tiplark
