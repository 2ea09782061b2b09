#include "scoring/BoardScoring.h"

#include "document/MainBoard.h"
#include "scoring/PredictionFiles.h"


namespace tiplark {
namespace {

PoolMember scored(std::string name, const Tournament& tournament, const Prediction& prediction,
                  const PlayedPrediction& real)
{
    PoolMember member;
    member.name = std::move(name);
    member.played = playPrediction(tournament, prediction);
    member.score = scoreTournament(tournament, member.played, real);
    member.champion = member.played.known.champion;
    return member;
}

}  // namespace

PlayedPrediction realPlayed(const Tournament& tournament)
{
    return playPrediction(tournament, Prediction::real(tournament));
}

PlayedPrediction boardPlayed(const MainBoard& main)
{
    return playPrediction(main.tournament(), main.rules().play().prediction());
}

PoolMember scoreBoardMember(const std::string& name, const MainBoard& main, const PlayedPrediction& real)
{
    return scored(name, main.tournament(), main.rules().play().prediction(), real);
}

PoolMember scoreFileMember(const std::string& path, const Tournament& tournament, const PlayedPrediction& real)
{
    const OneTournamentFile file = readFilePrediction(tournament, path);
    if (!file.read.loaded() || !file.otherTournament.empty()) {
        PoolMember member;
        member.name = path;
        member.load = file.read.load;
        member.otherTournament = file.otherTournament;
        return member;
    }
    PoolMember member = scored(path, tournament, file.read.prediction, real);
    member.noValidScores = file.read.noValidScores;
    return member;
}

}  // namespace tiplark
