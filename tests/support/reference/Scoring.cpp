#include "reference/Scoring.h"

#include "platform/ScoreText.h"

#include <algorithm>
#include <optional>

namespace tiplark {
namespace {

struct Goals {
    int first;
    int second;
};

std::optional<Goals> result(const MatchRecord& match)
{
    const auto first = scoreNumber(match.score[0]);
    const auto second = scoreNumber(match.score[1]);
    if (!first || !second)
        return std::nullopt;
    return Goals{*first, *second};
}

int sign(int value)
{
    return (value > 0) - (value < 0);
}

}  // namespace

int matchPoints(const MatchRecord& predicted, const MatchRecord& real)
{
    if (predicted.team != real.team || predicted.team[0] == 0 || predicted.team[1] == 0)
        return 0;
    const auto guess = result(predicted);
    const auto actual = result(real);
    if (!guess || !actual)
        return 0;
    const int guessDifference = guess->first - guess->second;
    const int actualDifference = actual->first - actual->second;
    if (guess->first == actual->first && guess->second == actual->second)
        return ExactPoints;
    if (sign(guessDifference) != sign(actualDifference))
        return 0;
    return guessDifference == actualDifference && actualDifference != 0 ? 3 : 2;
}

PredictionScore scorePrediction(const TournamentOutcome& predicted, const TournamentOutcome& real)
{
    PredictionScore score;
    for (size_t m = 0; m < MatchCount; ++m) {
        score.match[m] = matchPoints(predicted.matches[m], real.matches[m]);
        score.matchTotal += score.match[m];
        score.exact += score.match[m] == ExactPoints;
    }
    for (size_t s = 0; s < StageCount; ++s) {
        const std::vector<int>& reached = real.reached[s];
        for (const int team : predicted.reached[s])
            score.advance[s] += std::count(reached.begin(), reached.end(), team) > 0 ? StagePoints[s] : 0;
        score.advanceTotal += score.advance[s];
    }
    score.total = score.matchTotal + score.advanceTotal;
    return score;
}

}  // namespace tiplark
