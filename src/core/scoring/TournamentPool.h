#pragma once

#include "document/PredictionsFile.h"
#include "engine/TournamentCatalog.h"
#include "scoring/TournamentScoring.h"

#include <string>
#include <vector>

namespace tiplark {

// One predictions file of a pool, of any tournament, scored against that
// tournament's real results.
struct ScoredFile {
    std::string name;  // the path as given
    PredictionsLoad load = PredictionsLoad::Loaded;
    std::string error;  // why the file was refused (an unknown tournament)
    const Tournament* tournament = nullptr;
    bool boardFile = false;  // the board's own Tiplark.ini
    TournamentScore score;
    int champion = NoTeam;  // the predicted champion, once known
    int rank = 0;           // set by rankEntries; 0 for a file not read

    bool readable() const { return error.empty() && load == PredictionsLoad::Loaded; }
    bool ranked() const { return readable(); }
};

// Reads and scores each file in turn (readFilePrediction) against the real
// results of its tournament, played once for all its files. A file that
// cannot be read comes back as such, with nothing scored.
std::vector<ScoredFile> scoreFiles(const TournamentCatalog& catalog, const std::vector<std::string>& paths);

}  // namespace tiplark
