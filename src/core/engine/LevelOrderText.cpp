#include "engine/LevelOrderText.h"

#include <algorithm>

namespace tiplark {
namespace {

constexpr char LevelOrderSeparator = ',';

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

}  // namespace

std::string levelOrderText(const Tournament& tournament, std::span<const int> teams)
{
    std::string text;
    for (const int team : teams) {
        if (!text.empty())
            text += LevelOrderSeparator;
        text += tournament.teams[static_cast<size_t>(team)].code;
    }
    return text;
}

LevelOrderRead readLevelOrder(const Tournament& tournament, std::string_view text, int group)
{
    LevelOrderRead read;
    if (trimmed(text).empty())
        return read;
    while (true) {
        const size_t separator = text.find(LevelOrderSeparator);
        const std::string_view code = trimmed(text.substr(0, separator));
        const int team = tournament.teamIndex(code);
        const bool member = team >= 0 && (group < 0 || tournament.teams[static_cast<size_t>(team)].group == group);
        if (member && std::find(read.teams.begin(), read.teams.end(), team) == read.teams.end())
            read.teams.push_back(team);
        else
            read.taken = false;
        if (separator == std::string_view::npos)
            break;
        text.remove_prefix(separator + 1);
    }
    return read;
}

}  // namespace tiplark
