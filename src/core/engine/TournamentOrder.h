#pragma once

#include "engine/Tournament.h"

#include <vector>

namespace tiplark {

// The orders in which a tournament is shown and written, whatever the order
// of its file: group indexes by letter, knockout match indexes by number.
std::vector<int> groupsByLetter(const Tournament& tournament);
std::vector<int> knockoutByNumber(const Tournament& tournament);
// The matches of a round by number.
std::vector<int> roundByNumber(const Tournament& tournament, int round);

}  // namespace tiplark
