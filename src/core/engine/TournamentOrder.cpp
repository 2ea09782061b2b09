#include "engine/TournamentOrder.h"

#include <algorithm>

namespace tiplark {
namespace {

std::vector<int> sortedByNumber(const Tournament& tournament, std::vector<int> matches)
{
    std::sort(matches.begin(), matches.end(), [&tournament](int a, int b) {
        return tournament.knockout[static_cast<size_t>(a)].number < tournament.knockout[static_cast<size_t>(b)].number;
    });
    return matches;
}

std::vector<int> indexes(size_t count)
{
    std::vector<int> all(count);
    for (size_t i = 0; i < count; ++i)
        all[i] = static_cast<int>(i);
    return all;
}

}  // namespace

std::vector<int> groupsByLetter(const Tournament& tournament)
{
    std::vector<int> order = indexes(tournament.groups.size());
    std::sort(order.begin(), order.end(), [&tournament](int a, int b) {
        return tournament.groups[static_cast<size_t>(a)].letter < tournament.groups[static_cast<size_t>(b)].letter;
    });
    return order;
}

std::vector<int> knockoutByNumber(const Tournament& tournament)
{
    return sortedByNumber(tournament, indexes(tournament.knockout.size()));
}

std::vector<int> roundByNumber(const Tournament& tournament, int round)
{
    return sortedByNumber(tournament, tournament.rounds.at(static_cast<size_t>(round)).matches);
}

}  // namespace tiplark
