#pragma once

#include "board/Board.h"
#include "engine/Tournament.h"
#include "tournament/BoardControls.h"

#include <QString>

#include <functional>
#include <vector>

namespace tiplark {

// What a screen reader announces for each board control, in the board's
// language. Score boxes quote the current team names of their match
// ("Germany – Costa Rica, goals of Germany"), so their names follow the
// labels whenever a team changes; a change of language renews them all.
class AccessibleNames {
public:
    // `language` gives the index of the language in force.
    AccessibleNames(const Board& board, const BoardControls& controls, const Tournament& tournament,
                    std::function<int()> language);

    // Empty when the control's own text says enough (headings, team labels).
    QString nameOf(ControlId id) const;
    // The controls whose names quote the text or hint of this one.
    const std::vector<ControlId>& dependents(ControlId id) const { return m_dependents[static_cast<size_t>(id)]; }

private:
    using Namer = std::function<QString()>;

    void nameGroup(const GroupControls& group);
    void nameRound(const RoundControls& round, int index);
    void nameThirds(const ThirdsControls& thirds);
    void nameClearButton(ControlId button, ControlId heading);
    void nameLevelMark(ControlId mark, ControlId heading);
    void set(ControlId id, Namer namer, std::initializer_list<ControlId> quoted = {});
    QString team(ControlId label) const;
    QString text(ControlId id) const { return QString::fromStdString(m_board.text(id)); }
    QString word(const char* key) const;

    const Board& m_board;
    const Tournament& m_tournament;
    std::function<int()> m_language;
    std::vector<Namer> m_namers;
    std::vector<std::vector<ControlId>> m_dependents;
};

}  // namespace tiplark
