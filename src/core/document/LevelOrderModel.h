#pragma once

#include "board/Board.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace tiplark {

class MainBoard;
struct Tournament;

// The choice of order for the teams a table's scores leave level, behind the
// dialog that a table's level mark opens: the teams of each level run in
// their table order, moved up and down within their run, then written to
// the table's level-order box as one step of the history.
class LevelOrderModel {
public:
    struct Entry {
        size_t row = 0;    // in the table; it stays while the teams change places
        size_t run = 0;    // entries of one run stand together
        int team = 0;      // in the tournament
        std::string name;  // as the table shows it
    };

    // The model of the table whose level mark `mark` is; std::nullopt for a
    // control that is no level mark, or a table with no level teams now.
    static std::optional<LevelOrderModel> forMark(const MainBoard& main, ControlId mark);

    // The table's heading: "Group H".
    const std::string& title() const { return m_title; }
    const std::vector<Entry>& entries() const { return m_entries; }

    // An entry moves only within its run.
    bool canMoveUp(size_t entry) const;
    bool canMoveDown(size_t entry) const;
    // Swap the entry with its neighbour; false, changing nothing, where it cannot.
    bool moveUp(size_t entry);
    bool moveDown(size_t entry);

    // The level-order box's text for the order as it stands ("JPN,SEN"):
    // the runs' teams, then those of the earlier choice not level now, so
    // that it still holds should they be level again.
    std::string levelOrderText() const;
    // Writes it through MainBoard::chooseLevelOrder.
    void apply(MainBoard& main) const;

private:
    LevelOrderModel() = default;

    ControlId m_box = NoControl;
    std::string m_title;
    std::vector<Entry> m_entries;
    std::vector<int> m_earlier;  // the order chosen before
    const Tournament* m_tournament = nullptr;
};

}  // namespace tiplark
