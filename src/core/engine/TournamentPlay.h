#pragma once

#include "engine/Prediction.h"
#include "engine/TableRanking.h"
#include "engine/Tournament.h"

#include <array>
#include <vector>

namespace tiplark {

// The third-placed teams ranked, and where the best of them go.
struct ThirdsTable {
    RankedTable table;
    std::vector<int> groups;     // the group of each row of the table
    // Per entry of the rule's `against`, the group whose third-placed team
    // meets that group's winner.
    std::vector<int> opponents;
};

struct KnockoutTeams {
    std::array<int, 2> teams{NoTeam, NoTeam};
    int winner = NoSide;

    int winningTeam() const { return winner == NoSide ? NoTeam : teams[static_cast<size_t>(winner)]; }
    int losingTeam() const { return winner == NoSide ? NoTeam : teams[static_cast<size_t>(1 - winner)]; }
    bool operator==(const KnockoutTeams&) const = default;
};

// Everything a prediction decides: every group table, the third-placed
// teams, the teams and winner of every knockout match, and the champion.
struct Outcome {
    std::vector<RankedTable> groups;
    ThirdsTable thirds;  // empty without third-placed teams going through
    std::vector<KnockoutTeams> knockout;
    int champion = NoTeam;
};

// A prediction being played: the scores and what they decide, kept in step.
// Every edit re-derives what it can change and, as a user would expect from
// a wallchart, empties the knockout scores that were typed for other teams:
// a match whose group slot (1A, 3ABCDF) gets another team loses its score,
// and a side whose winner or loser slot loses its team loses its goals. A
// shoot-out stands only after a level score. A group is ranked from its
// first score on (a load ranks the groups it gives any score); before, its
// table stands in team-list order and feeds the knockout from there.
class TournamentPlay {
public:
    explicit TournamentPlay(const Tournament& tournament);

    const Tournament& tournament() const { return m_tournament; }
    const Prediction& prediction() const { return m_prediction; }
    const Outcome& outcome() const { return m_outcome; }

    // A whole prediction as a load puts it: the scores stay as given (a
    // shoot-out only after a level score), nothing is emptied. Vectors of the
    // wrong size are refused with std::invalid_argument.
    void load(Prediction prediction);
    // A group match's goals (its shoot-out is ignored); ranks the group.
    void setGroupScore(int match, const MatchScore& score);
    void setKnockoutScore(int match, const MatchScore& score);
    // The order chosen for level teams of a group, or of the third-placed
    // teams for group -1.
    void setLevelOrder(int group, std::vector<int> teams);

private:
    void rankGroup(int group);
    void rankThirds();
    // Derives the bracket; with `emptyChanged`, empties what the changes of
    // teams no longer let stand.
    void playKnockout(bool emptyChanged);
    int slotTeam(int match, int side) const;

    const Tournament& m_tournament;
    Prediction m_prediction;
    Outcome m_outcome;
};

// The outcome of a whole prediction, loaded as a file would be.
Outcome evaluate(const Tournament& tournament, const Prediction& prediction);

}  // namespace tiplark
