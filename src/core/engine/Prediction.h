#pragma once

#include "engine/MatchScore.h"
#include "engine/Tournament.h"

#include <vector>

namespace tiplark {

// What a user predicts, or what really happened: a score per group match and
// per knockout match (indexes as in the tournament), and the order chosen
// for teams that scores leave level.
struct Prediction {
    std::vector<MatchScore> group;
    std::vector<MatchScore> knockout;
    LevelOrder levelOrder;

    bool operator==(const Prediction&) const = default;

    // Nothing predicted yet.
    static Prediction empty(const Tournament& tournament);
    // The real results as far as the tournament file has them, with the real
    // order of teams their scores left level.
    static Prediction real(const Tournament& tournament);
};

}  // namespace tiplark
