#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace tiplark {

inline constexpr int NoSide = -1;

// The goals of a match as typed or as played, each side possibly not given
// yet, and the shoot-out of a knockout match. A knockout score is the score
// after extra time where there was extra time.
struct MatchScore {
    static constexpr int Empty = -1;
    std::array<int, 2> goals{Empty, Empty};
    std::array<int, 2> penalties{Empty, Empty};

    bool complete() const { return goals[0] != Empty && goals[1] != Empty; }
    bool level() const { return complete() && goals[0] == goals[1]; }
    bool empty() const { return *this == MatchScore{}; }
    // The side that goes through: by goals, else by a shoot-out whose two
    // sides are given and differ; NoSide when undecided.
    int winner() const;
    // A shoot-out stands only after a level score: anything else drops it.
    void dropStaleShootOut();

    bool operator==(const MatchScore&) const = default;
};

// "2-1", "2-" (one side given), "" (nothing), and for a knockout match a
// shoot-out after it, "1-1 (4-3)"; blanks around the parts are allowed.
// Each number is one or two digits. std::nullopt for anything else, a
// shoot-out of a group match among it.
std::optional<MatchScore> parseMatchScore(std::string_view text, bool knockout);
// The text parseMatchScore reads back; "" for an empty score.
std::string formatMatchScore(const MatchScore& score);

}  // namespace tiplark
