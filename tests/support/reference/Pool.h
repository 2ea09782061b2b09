#pragma once

#include "document/PredictionsFile.h"
#include "reference/Scoring.h"

#include <string>
#include <vector>

namespace tiplark {

class MainBoard;

// One prediction of a pool: a predictions file, or the board on screen.
struct PoolEntry {
    std::string name;  // as the caller gave it: the path, or a title for the board
    PredictionsLoad load = PredictionsLoad::Loaded;  // anything else: not scored
    TournamentOutcome outcome;
    PredictionScore score;
    int language = 0;  // the file's language, for showing it
    int champion = 0;  // predicted champion's team number, 0 for none
    int rank = 0;      // set by rankPool; 0 for an entry that is not ranked
    // The file gives scores, and not one of them could be read: its 0 points
    // would say nothing about the prediction.
    bool noValidScores = false;

    bool readable() const { return load == PredictionsLoad::Loaded; }
    bool ranked() const { return readable() && !noValidScores; }
};

// Loads a saved predictions file on a board of its own and scores it
// against the real results; an unreadable file comes back as such, and so
// does one whose every score is damaged.
PoolEntry scorePredictionFile(const std::string& path, const Tournament& tournament);
// Scores a board as it stands.
PoolEntry scoreBoard(const std::string& name, const MainBoard& main);

// Best first: by points, then by exact scores; entries level on both keep
// the order they came in and share a rank (1, 1, 3). Entries that are not
// ranked (unreadable, or without a valid score) follow, in their order.
std::vector<PoolEntry> rankPool(std::vector<PoolEntry> entries);

}  // namespace tiplark
