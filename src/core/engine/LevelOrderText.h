#pragma once

#include "engine/Tournament.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tiplark {

// A level order as text, the one spelling of the predictions file's
// [LEVEL ORDER] values and the board's hidden level-order boxes: team codes
// separated by commas, "JPN,SEN".
std::string levelOrderText(const Tournament& tournament, std::span<const int> teams);

struct LevelOrderRead {
    std::vector<int> teams;
    bool taken = true;  // false when a code was left out
};

// The teams of a level order's text, each once, in its order: of the group,
// or of any group for group -1. A code of another team, a repeated or an
// empty entry is left out; blanks around a code are ignored.
LevelOrderRead readLevelOrder(const Tournament& tournament, std::string_view text, int group);

}  // namespace tiplark
