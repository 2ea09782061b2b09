#include "scoring/TournamentPool.h"

#include "scoring/PredictionFiles.h"

#include <exception>
#include <map>

namespace tiplark {

std::vector<ScoredFile> scoreFiles(const TournamentCatalog& catalog, const std::vector<std::string>& paths)
{
    std::map<const Tournament*, PlayedPrediction> real;
    std::vector<ScoredFile> scored;
    scored.reserve(paths.size());
    for (const std::string& path : paths) {
        ScoredFile& entry = scored.emplace_back();
        entry.name = path;
        try {
            const FilePrediction read = readFilePrediction(catalog, path);
            entry.load = read.load;
            entry.boardFile = read.boardFile;
            entry.tournament = read.tournament;
            if (!read.loaded())
                continue;
            const Tournament& tournament = *read.tournament;
            auto found = real.find(&tournament);
            if (found == real.end())
                found = real.emplace(&tournament, playPrediction(tournament, Prediction::real(tournament))).first;
            const PlayedPrediction played = playPrediction(tournament, read.prediction);
            entry.score = scoreTournament(tournament, played, found->second);
            entry.champion = played.known.champion;
        } catch (const std::exception& error) {
            entry.error = error.what();
        }
    }
    return scored;
}

}  // namespace tiplark
