#pragma once

#include "engine/Criteria.h"
#include "engine/MatchScore.h"

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace tiplark {

// A tournament as its file describes it: teams, groups and their fixtures,
// the ranking rules, the knockout and the real results. Teams, groups,
// venues, rounds and matches are referred to by their index in the lists
// here; the file's codes, letters and match numbers are resolved at load.

inline constexpr int NoTeam = -1;

struct TournamentTeam {
    std::string code;  // FIFA's three letters
    std::string name;  // English
    // The file's own names by language code ("es"), where a board should not
    // show the usual country name.
    std::map<std::string, std::string, std::less<>> names;
    int group = -1;
};

struct TournamentGroup {
    char letter = 'A';
    std::vector<int> teams;       // in the order of the draw
    std::vector<int> tableOrder;  // the order an empty table shows
    std::vector<int> matches;     // its group matches in fixture order
};

struct Venue {
    std::string id;
    std::string stadium;
    std::string city;
    int utcOffsetMinutes = 0;
};

// Kick-off at the venue: its local time as the file gives it, and the same
// moment in minutes since 1970-01-01 00:00 UTC.
struct Kickoff {
    struct Local {
        int year = 0;
        int month = 0;
        int day = 0;
        int hour = 0;
        int minute = 0;
    };
    Local local;
    std::int64_t utcMinutes = 0;
    int venue = 0;
};

struct GroupMatch {
    int group = 0;
    std::array<int, 2> teams{};  // first-named team first
    Kickoff kickoff;
    std::optional<MatchScore> real;
};

// Where a knockout match takes a team from.
struct Slot {
    enum class Kind { GroupPlace, ThirdPlaced, Winner, Loser };
    Kind kind = Kind::GroupPlace;
    int group = 0;               // GroupPlace
    int place = 1;               // GroupPlace: 1 for the winner
    std::uint32_t groups = 0;    // ThirdPlaced: the groups allowed, bit per group index
    int match = 0;               // Winner, Loser: index into Tournament::knockout
    std::string text;            // as written: "1A", "3ABCDF", "W57"
};

struct KnockoutMatch {
    int number = 0;  // official
    int round = 0;
    std::array<Slot, 2> sides;  // where each side takes its team from
    Kickoff kickoff;
    std::optional<MatchScore> real;
};

struct KnockoutRound {
    std::string id;
    std::string name;
    std::vector<int> matches;
    // Its teams reach a stage: every round but the one that takes losers.
    bool stage = true;
};

// The third-placed teams that go through and whom each meets.
struct ThirdPlacedRule {
    int advance = 0;
    std::vector<Criterion> ranking;
    // The groups whose winners meet a third-placed team, in allocation order.
    std::vector<int> against;
    // For each set of qualifying groups (bit per group index): per entry of
    // `against`, the group whose third-placed team meets that winner.
    std::unordered_map<std::uint32_t, std::vector<int>> allocation;
};

// Teams that scores leave level, in an order chosen for them: per group,
// and among the third-placed teams. Team indexes.
struct LevelOrder {
    std::vector<std::vector<int>> groups;
    std::vector<int> thirds;

    bool operator==(const LevelOrder&) const = default;
};

struct Tournament {
    std::string id;
    std::string name;
    int year = 0;
    std::vector<std::string> hosts;  // team codes; a host need not play
    std::string link;
    std::vector<std::string> source;
    std::string licence;
    int winPoints = 3;
    int drawPoints = 1;

    std::vector<TournamentTeam> teams;
    std::vector<TournamentGroup> groups;
    std::vector<GroupMatch> groupMatches;
    std::vector<Criterion> ranking;
    std::optional<ThirdPlacedRule> thirds;
    std::vector<Venue> venues;
    std::vector<KnockoutRound> rounds;
    std::vector<KnockoutMatch> knockout;
    // Knockout matches ordered so that every match follows those it takes
    // teams from.
    std::vector<int> playOrder;
    int finalMatch = 0;
    // How the real tournament ordered teams its scores left level.
    LevelOrder realOrder;

    int matchCount() const { return static_cast<int>(groupMatches.size() + knockout.size()); }
    // NoTeam, or -1 for a code or number the tournament does not have.
    int teamIndex(std::string_view code) const;
    int knockoutIndex(int number) const;
};

}  // namespace tiplark
