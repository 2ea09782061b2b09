#include "tournament/LevelRuns.h"

#include <algorithm>

namespace tiplark {
namespace {

bool groupFinished(const TournamentPlay& play, int group)
{
    const std::vector<int>& matches = play.tournament().groups[static_cast<size_t>(group)].matches;
    return std::all_of(matches.begin(), matches.end(),
                       [&play](int m) { return play.prediction().group[static_cast<size_t>(m)].complete(); });
}

bool byDefaultOrChoice(const Separation& separation)
{
    return separation.source == OrderSource::DrawOrder || separation.source == OrderSource::ChosenOrder;
}

// Runs of rows joined by the default or the chosen order, each kept only
// when every row of it is settled.
template <typename Settled>
std::vector<LevelRun> runsOf(const RankedTable& table, Settled settled)
{
    std::vector<LevelRun> runs;
    if (!table.ranked)
        return runs;
    for (size_t first = 0; first < table.rows.size();) {
        size_t last = first;
        bool chosen = true;
        while (last < table.below.size() && byDefaultOrChoice(table.below[last])) {
            chosen = chosen && table.below[last].source == OrderSource::ChosenOrder;
            ++last;
        }
        bool allSettled = true;
        for (size_t row = first; row <= last; ++row)
            allSettled = allSettled && settled(row);
        if (last > first && allSettled)
            runs.push_back({first, last - first + 1, chosen});
        first = last + 1;
    }
    return runs;
}

}  // namespace

std::vector<LevelRun> groupLevelRuns(const TournamentPlay& play, int group)
{
    if (!groupFinished(play, group))
        return {};
    return runsOf(play.outcome().groups[static_cast<size_t>(group)], [](size_t) { return true; });
}

std::vector<LevelRun> thirdsLevelRuns(const TournamentPlay& play)
{
    const ThirdsTable& thirds = play.outcome().thirds;
    return runsOf(thirds.table, [&](size_t row) { return groupFinished(play, thirds.groups[row]); });
}

std::vector<std::vector<int>> levelRunTeams(const RankedTable& table, const std::vector<LevelRun>& runs)
{
    std::vector<std::vector<int>> teams;
    for (const LevelRun& run : runs) {
        std::vector<int>& members = teams.emplace_back();
        for (size_t row = run.first; row < run.first + run.count; ++row)
            members.push_back(table.rows[row].team);
    }
    return teams;
}

}  // namespace tiplark
