#include "scoring/TournamentPool.h"

#include "document/TournamentPredictionsFile.h"
#include "scoring/Pool.h"
#include "scoring/PredictionFiles.h"
#include "scoring/QuietBoard.h"
#include "tournament/TournamentMap.h"

#include <exception>
#include <map>
#include <memory>

namespace tiplark {
namespace {

// The board's score of a file in the terms of the board's tournament.
class BoardScores {
public:
    explicit BoardScores(const Tournament& tournament)
        : m_tournament(tournament)
        , m_map(tournament, m_layout.main.controls())
    {
    }

    void score(ScoredFile& entry) const
    {
        const PoolEntry board = scorePredictionFile(entry.name);
        entry.load = board.load;
        if (!board.readable())
            return;
        entry.champion = board.champion == 0 ? NoTeam : m_map.team(board.champion);
        TournamentScore& score = entry.score;
        score.group.assign(m_tournament.groupMatches.size(), 0);
        score.knockout.assign(m_tournament.knockout.size(), 0);
        for (int m = 0; m < MatchCount; ++m) {
            const MatchPlace place = matchPlace(m);
            const int points = board.score.match[static_cast<size_t>(m)];
            if (place.group >= 0)
                score.group[static_cast<size_t>(m_map.groupMatch(place.group, place.match))] = points;
            else
                score.knockout[static_cast<size_t>(m_map.knockout()[static_cast<size_t>(m - GroupMatchCount)].match)] = points;
        }
        score.advance.assign(board.score.advance.begin(), board.score.advance.end());
        score.matchTotal = board.score.matchTotal;
        score.advanceTotal = board.score.advanceTotal;
        score.total = board.score.total;
        score.exact = board.score.exact;
    }

private:
    const Tournament& m_tournament;
    QuietBoard m_layout;  // whose controls lay the board onto the tournament
    TournamentMap m_map;
};

}  // namespace

std::vector<ScoredFile> scoreFiles(const TournamentCatalog& catalog, const std::vector<std::string>& paths)
{
    std::map<const Tournament*, PlayedPrediction> real;
    std::unique_ptr<BoardScores> boardScores;
    std::vector<ScoredFile> scored;
    scored.reserve(paths.size());
    for (const std::string& path : paths) {
        ScoredFile& entry = scored.emplace_back();
        entry.name = path;
        try {
            SettingsFile file;
            const SettingsFileState state = file.load(path);
            if (state != SettingsFileState::Loaded) {
                entry.load = state == SettingsFileState::Missing ? PredictionsLoad::Missing : PredictionsLoad::Unreadable;
                continue;
            }
            const Tournament* tournament = predictionsTournament(catalog, file);
            if (!tournament) {
                entry.tournament = &catalogTournament(catalog, BoardTournamentId);
                entry.boardFile = true;
                if (!boardScores)
                    boardScores = std::make_unique<BoardScores>(*entry.tournament);
                boardScores->score(entry);
                continue;
            }
            entry.tournament = tournament;
            const TournamentPredictions read = readTournamentPredictions(*tournament, file);
            auto found = real.find(tournament);
            if (found == real.end())
                found = real.emplace(tournament, playPrediction(*tournament, Prediction::real(*tournament))).first;
            const PlayedPrediction played = playPrediction(*tournament, read.prediction);
            entry.score = scoreTournament(*tournament, played, found->second);
            entry.champion = played.known.champion;
        } catch (const std::exception& error) {
            entry.error = error.what();
        }
    }
    return scored;
}

}  // namespace tiplark
