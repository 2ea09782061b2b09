#include "document/LevelOrderModel.h"

#include "document/MainBoard.h"
#include "storage/TournamentKeys.h"
#include "tournament/LevelRuns.h"

#include <algorithm>
#include <utility>

namespace tiplark {

std::optional<LevelOrderModel> LevelOrderModel::forMark(const MainBoard& main, ControlId mark)
{
    if (mark == NoControl)
        return std::nullopt;
    const TournamentPlay& play = main.rules().play();
    const Board& board = main.board();
    LevelOrderModel model;
    model.m_tournament = &main.tournament();
    const RankedTable* table = nullptr;
    std::vector<LevelRun> runs;
    for (const GroupControls& group : main.controls().groups) {
        if (group.levelMark == mark) {
            table = &play.outcome().groups[static_cast<size_t>(group.group)];
            runs = groupLevelRuns(play, group.group);
            model.m_box = group.levelOrder;
            model.m_title = board.text(group.standingsHeading);
            model.m_earlier = play.prediction().levelOrder.groups[static_cast<size_t>(group.group)];
        }
    }
    for (const ThirdsControls& thirds : main.controls().thirds) {
        if (thirds.levelMark == mark) {
            table = &play.outcome().thirds.table;
            runs = thirdsLevelRuns(play);
            model.m_box = thirds.levelOrder;
            model.m_title = board.text(thirds.heading);
            model.m_earlier = play.prediction().levelOrder.thirds;
        }
    }
    if (table == nullptr || runs.empty())
        return std::nullopt;
    const Language& language = main.language();
    for (size_t r = 0; r < runs.size(); ++r) {
        for (size_t row = runs[r].first; row < runs[r].first + runs[r].count; ++row) {
            const int team = table->rows[row].team;
            model.m_entries.push_back({row, r, team, language.teamName(team + 1)});
        }
    }
    return model;
}

bool LevelOrderModel::canMoveUp(size_t entry) const
{
    return entry > 0 && entry < m_entries.size() && m_entries[entry - 1].run == m_entries[entry].run;
}

bool LevelOrderModel::canMoveDown(size_t entry) const
{
    return entry + 1 < m_entries.size() && m_entries[entry + 1].run == m_entries[entry].run;
}

bool LevelOrderModel::moveUp(size_t entry)
{
    if (!canMoveUp(entry))
        return false;
    Entry& upper = m_entries[entry - 1];
    Entry& lower = m_entries[entry];
    std::swap(upper.team, lower.team);
    std::swap(upper.name, lower.name);
    return true;
}

bool LevelOrderModel::moveDown(size_t entry)
{
    return canMoveDown(entry) && moveUp(entry + 1);
}

std::string LevelOrderModel::levelOrderText() const
{
    std::vector<int> teams;
    for (const Entry& entry : m_entries)
        teams.push_back(entry.team);
    for (const int team : m_earlier) {
        if (std::find(teams.begin(), teams.end(), team) == teams.end())
            teams.push_back(team);
    }
    return tiplark::levelOrderText(*m_tournament, teams);
}

void LevelOrderModel::apply(MainBoard& main) const
{
    main.chooseLevelOrder(m_box, levelOrderText());
}

}  // namespace tiplark
