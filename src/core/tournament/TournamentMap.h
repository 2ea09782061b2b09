#pragma once

#include "board/Board.h"
#include "engine/Prediction.h"
#include "engine/Tournament.h"
#include "tournament/BoardControls.h"

#include <array>
#include <vector>

namespace tiplark {

// The tournament file the board plays: its predictions file is Tiplark.ini.
inline constexpr const char* BoardTournamentId = "worldcup-2006";

// Board team number 1..32 of a team index of the board's tournament, by its
// group and its place in the draw; 0 for a team the board does not have.
int boardTeamNumber(const Tournament& tournament, int team);

// Where each part of the 2006 board stands in the 2006 tournament file, found
// from the board's structure alone: groups by letter, teams by their place in
// the draw, group matches by their order, knockout matches by the slots that
// feed them. Throws std::logic_error when the file describes another bracket.
class TournamentMap {
public:
    TournamentMap(const Tournament& tournament, const BoardControls& controls);

    // Team index of board team number 1..32.
    int team(int number) const { return m_teams.at(static_cast<size_t>(number)); }
    // Board team number of a team index; 0 for none.
    int number(int team) const;
    // Group match index of group g, match m (0-based, board order).
    int groupMatch(int group, int match) const;

    struct KnockoutPlace {
        const MatchControls* boxes;
        int match;  // index into the tournament's knockout
    };
    // The board's knockout matches in round order, each with its match.
    const std::vector<KnockoutPlace>& knockout() const { return m_knockout; }

    // The board's boxes as a prediction of the tournament.
    Prediction prediction(const Board& board) const;

private:
    const Tournament& m_tournament;
    const BoardControls& m_controls;
    std::array<int, TeamCount + 1> m_teams{};
    std::vector<KnockoutPlace> m_knockout;
};

}  // namespace tiplark
