#pragma once

#include <algorithm>
#include <vector>

namespace tiplark {

// Best first: by points, then by exact scores; entries level on both keep
// the order they came in and share a rank (1, 1, 3). Entries that are not
// ranked follow, in their order, with rank 0. An entry has ranked(),
// score.total, score.exact and rank.
template <typename Entry>
std::vector<Entry> rankEntries(std::vector<Entry> entries)
{
    std::stable_sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
        if (a.ranked() != b.ranked())
            return a.ranked();
        if (a.score.total != b.score.total)
            return a.score.total > b.score.total;
        return a.score.exact > b.score.exact;
    });
    const auto level = [](const Entry& a, const Entry& b) {
        return a.score.total == b.score.total && a.score.exact == b.score.exact;
    };
    for (size_t i = 0; i < entries.size(); ++i) {
        if (!entries[i].ranked())
            entries[i].rank = 0;
        else if (i > 0 && level(entries[i], entries[i - 1]))
            entries[i].rank = entries[i - 1].rank;
        else
            entries[i].rank = static_cast<int>(i) + 1;
    }
    return entries;
}

}  // namespace tiplark
