#include "scoring/TournamentScoring.h"

#include <algorithm>

namespace tiplark {
namespace {

int sign(int value)
{
    return (value > 0) - (value < 0);
}

}  // namespace

std::vector<ScoringStage> scoringStages(const Tournament& tournament)
{
    std::vector<ScoringStage> stages;
    for (size_t r = 0; r < tournament.rounds.size(); ++r) {
        const KnockoutRound& round = tournament.rounds[r];
        if (round.stage) {
            const int points = static_cast<int>(stages.size()) + 1;
            stages.push_back({static_cast<int>(r), points, 2 * static_cast<int>(round.matches.size())});
        }
    }
    stages.push_back({-1, ChampionPoints, 1});
    return stages;
}

int maximumPoints(const Tournament& tournament)
{
    int total = tournament.matchCount() * ExactScorePoints;
    for (const ScoringStage& stage : scoringStages(tournament))
        total += stage.points * stage.teams;
    return total;
}

PlayedPrediction playPrediction(const Tournament& tournament, Prediction prediction)
{
    PlayedPrediction played;
    played.outcome = evaluate(tournament, prediction);
    played.known = knownTeams(tournament, prediction, played.outcome);
    played.prediction = std::move(prediction);
    const std::vector<ScoringStage> stages = scoringStages(tournament);
    played.reached.resize(stages.size());
    for (size_t s = 0; s < stages.size(); ++s) {
        std::vector<int>& reached = played.reached[s];
        if (stages[s].round < 0) {
            if (played.known.champion != NoTeam)
                reached.push_back(played.known.champion);
            continue;
        }
        for (const int m : tournament.rounds[static_cast<size_t>(stages[s].round)].matches) {
            for (const int team : played.known.knockout[static_cast<size_t>(m)]) {
                if (team != NoTeam)
                    reached.push_back(team);
            }
        }
    }
    return played;
}

int matchPoints(const std::array<int, 2>& predictedTeams, const MatchScore& predicted,
                const std::array<int, 2>& realTeams, const MatchScore& real)
{
    if (predictedTeams != realTeams || predictedTeams[0] == NoTeam || predictedTeams[1] == NoTeam)
        return 0;
    if (!predicted.complete() || !real.complete())
        return 0;
    if (predicted.goals == real.goals)
        return ExactScorePoints;
    const int guessDifference = predicted.goals[0] - predicted.goals[1];
    const int actualDifference = real.goals[0] - real.goals[1];
    if (sign(guessDifference) != sign(actualDifference))
        return 0;
    return guessDifference == actualDifference && actualDifference != 0 ? 3 : 2;
}

TournamentScore scoreTournament(const Tournament& tournament, const PlayedPrediction& predicted,
                                const PlayedPrediction& real)
{
    TournamentScore score;
    const auto add = [&score](int points) {
        score.matchTotal += points;
        score.exact += points == ExactScorePoints;
        return points;
    };
    for (size_t m = 0; m < tournament.groupMatches.size(); ++m) {
        const auto& teams = tournament.groupMatches[m].teams;
        score.group.push_back(add(matchPoints(teams, predicted.prediction.group[m], teams, real.prediction.group[m])));
    }
    for (size_t m = 0; m < tournament.knockout.size(); ++m) {
        score.knockout.push_back(add(matchPoints(predicted.known.knockout[m], predicted.prediction.knockout[m],
                                                 real.known.knockout[m], real.prediction.knockout[m])));
    }
    const std::vector<ScoringStage> stages = scoringStages(tournament);
    score.advance.assign(stages.size(), 0);
    for (size_t s = 0; s < stages.size(); ++s) {
        const std::vector<int>& reached = real.reached[s];
        for (const int team : predicted.reached[s]) {
            if (std::find(reached.begin(), reached.end(), team) != reached.end())
                score.advance[s] += stages[s].points;
        }
        score.advanceTotal += score.advance[s];
    }
    score.total = score.matchTotal + score.advanceTotal;
    return score;
}

}  // namespace tiplark
