#include "scoring/TournamentComparison.h"

#include "engine/TournamentOrder.h"
#include "i18n/LanguageTables.h"
#include "i18n/TournamentNames.h"

#include <string_view>

namespace tiplark {
namespace {

// A row names one match of a round: "Quarter-final 2" where the round's
// name is a plural. A round without an entry is named as the round.
struct MatchTitle {
    std::string_view round;
    const char* key;
};
constexpr MatchTitle MatchTitles[] = {
    {"round-of-16", "compare.roundOf16"}, {"quarter-finals", "compare.quarterFinal"},
    {"semi-finals", "compare.semiFinal"}, {"third-place", "board.third"},
    {"final", "board.final"},
};

const std::string& roundMatchTitle(int languageIndex, const Tournament& tournament, int round)
{
    const std::string& id = tournament.rounds[static_cast<size_t>(round)].id;
    for (const MatchTitle& title : MatchTitles) {
        if (title.round == id)
            return languageText(languageIndex, title.key);
    }
    return roundName(languageIndex, tournament, round);
}

std::string teamText(int languageIndex, const Tournament& tournament, int team)
{
    return team == NoTeam ? "?" : tournamentTeamName(languageIndex, tournament, team);
}

std::string matchText(int languageIndex, const Tournament& tournament, const std::array<int, 2>& teams,
                      const MatchScore& score)
{
    std::string text = teamText(languageIndex, tournament, teams[0]);
    text += ' ';
    text += score.empty() ? "-" : formatMatchScore(score);
    text += ' ';
    text += teamText(languageIndex, tournament, teams[1]);
    return text;
}

}  // namespace

std::vector<ComparisonRow> tournamentComparisonRows(int languageIndex, const Tournament& tournament,
                                                    const PlayedPrediction& predicted, const PlayedPrediction& real,
                                                    const TournamentScore& score)
{
    std::vector<ComparisonRow> rows;
    rows.reserve(static_cast<size_t>(tournament.matchCount()));
    const std::string& groupWord = languageText(languageIndex, "board.group");
    for (const int g : groupsByLetter(tournament)) {
        const TournamentGroup& group = tournament.groups[static_cast<size_t>(g)];
        for (size_t k = 0; k < group.matches.size(); ++k) {
            const auto m = static_cast<size_t>(group.matches[k]);
            const auto& teams = tournament.groupMatches[m].teams;
            rows.push_back({groupWord + group.letter + " " + std::to_string(k + 1),
                            matchText(languageIndex, tournament, teams, predicted.prediction.group[m]),
                            matchText(languageIndex, tournament, teams, real.prediction.group[m]), score.group[m]});
        }
    }
    for (size_t r = 0; r < tournament.rounds.size(); ++r) {
        const std::vector<int>& matches = tournament.rounds[r].matches;
        const std::string& title = roundMatchTitle(languageIndex, tournament, static_cast<int>(r));
        for (size_t k = 0; k < matches.size(); ++k) {
            const auto m = static_cast<size_t>(matches[k]);
            rows.push_back({matches.size() > 1 ? title + " " + std::to_string(k + 1) : title,
                            matchText(languageIndex, tournament, predicted.known.knockout[m], predicted.prediction.knockout[m]),
                            matchText(languageIndex, tournament, real.known.knockout[m], real.prediction.knockout[m]),
                            score.knockout[m]});
        }
    }
    return rows;
}

std::string stageName(int languageIndex, const Tournament& tournament, const ScoringStage& stage)
{
    return stage.round < 0 ? languageText(languageIndex, "board.champion")
                           : roundName(languageIndex, tournament, stage.round);
}

}  // namespace tiplark
