#pragma once

#include "document/PredictionsFile.h"
#include "scoring/TournamentScoring.h"

#include <string>
#include <vector>

namespace tiplark {

class MainBoard;

// The real results of a tournament as scoring counts them. A window plays
// them once and keeps them for all it scores.
PlayedPrediction realPlayed(const Tournament& tournament);

// The board's prediction as it stands, played for scoring.
PlayedPrediction boardPlayed(const MainBoard& main);

// One prediction of the window's pool: the board, or a predictions file of
// the board's tournament.
struct PoolMember {
    std::string name;  // the path, or a title for the board
    PredictionsLoad load = PredictionsLoad::Loaded;  // anything else: not scored
    // The id of the tournament a file predicts when it is not the board's:
    // its points would not compare, so it is not scored.
    std::string otherTournament;
    // The file gives scores and not one of them could be read: its 0 points
    // would say nothing about the prediction.
    bool noValidScores = false;
    PlayedPrediction played;
    TournamentScore score;
    int champion = NoTeam;
    int rank = 0;  // set by rankEntries; 0 for a member that is not ranked

    bool readable() const { return load == PredictionsLoad::Loaded && otherTournament.empty(); }
    bool ranked() const { return readable() && !noValidScores; }
};

// `real` is realPlayed of the board's tournament.
PoolMember scoreBoardMember(const std::string& name, const MainBoard& main, const PlayedPrediction& real);
// Reads the file as a prediction of the tournament (readFilePrediction) and
// scores it against the tournament's real results, `real`.
PoolMember scoreFileMember(const std::string& path, const Tournament& tournament, const PlayedPrediction& real);

}  // namespace tiplark
