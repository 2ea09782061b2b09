#pragma once

#include "document/PredictionsFile.h"
#include "scoring/Scoring.h"

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
    int rank = 0;      // set by rankPool; 0 for an entry that could not be read

    bool readable() const { return load == PredictionsLoad::Loaded; }
};

// Loads a saved predictions file on a board of its own and scores it
// against the real results; an unreadable file comes back as such.
PoolEntry scorePredictionFile(const std::string& path, const Tournament& tournament);
// Scores a board as it stands.
PoolEntry scoreBoard(const std::string& name, const MainBoard& main);

// Best first: by points, then by exact scores; entries level on both keep
// the order they came in and share a rank (1, 1, 3). Unreadable entries
// follow, in their order, unranked.
std::vector<PoolEntry> rankPool(std::vector<PoolEntry> entries);

}  // namespace tiplark
