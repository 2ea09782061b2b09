#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

// The 2006 program's own group ranking, kept beside the tests as the second
// implementation the tournament engine is checked against: team lines
// exchanged in place after every match, ties on points settled by the
// matches among the teams concerned.

namespace tiplark {

class TournamentTexts;
struct GroupInfo;

struct OpponentSlot {
    std::string name;
    int32_t goalsFor = 0;
    int32_t goalsAgainst = 0;

    bool operator==(const OpponentSlot&) const = default;
};

// One team's line of a group table; lines are exchanged as whole records.
struct GroupStandingsRecord {
    std::string teamName;
    int32_t points = 0;
    int32_t played = 0;
    int32_t won = 0;
    int32_t tied = 0;
    int32_t lost = 0;
    int32_t goalsFor = 0;
    int32_t goalsAgainst = 0;
    int32_t goalDifference = 0;
    bool levelOnPoints = false;
    std::array<OpponentSlot, 3> opponents;
    int32_t headToHeadPoints = 0;
    int32_t headToHeadGoalDifference = 0;
    int32_t headToHeadGoals = 0;

    bool operator==(const GroupStandingsRecord&) const = default;
};

using GroupTable = std::array<GroupStandingsRecord, 4>;

// Puts the group's teams in reset order, named in the current language, and
// clears every counter, flag and opponent slot. Reuses the lines' storage.
void InitializeGroupStandings(GroupTable& table, const GroupInfo& group, const TournamentTexts& texts);

// Books one complete match, found by the two team names as the match labels
// show them; the order of the lines is left alone. A name that matches no
// line skips the booking. Throws ActionAborted when a score is not a number.
void SetGroupScores(std::string_view score1, std::string_view score2, std::string_view team1, std::string_view team2,
                    GroupTable& table);

// Interim pass: points, goal difference, goals for. The rankings below all use
// the same in-place exchange procedure rather than a stable sort, so lines
// that nothing separates keep whatever order earlier passes left them in.
void SetGroupStandings(GroupTable& table);

// Final pass: points, then the teams level on points (at most two tie groups)
// are ordered among themselves by SortTiedTeams.
void SetGroupStandingsFinal(GroupTable& table);

// Adds up the matches among the given lines into their head-to-head counters
// and orders the lines by head-to-head points, goal difference and goals,
// then overall goal difference and goals for. Orders by exchanging the
// records the pointers designate, so the lines stay in the rows they came from.
void SortTiedTeams(std::span<GroupStandingsRecord* const> lines);

}  // namespace tiplark
