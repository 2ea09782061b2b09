#include "reference/Comparison.h"

#include "i18n/LanguageTables.h"
#include "i18n/TeamNameTables.h"

#include <array>

namespace tiplark {
namespace {

constexpr std::array<const char*, RoundCount> RoundTitleKeys = {"compare.roundOf16", "compare.quarterFinal",
                                                                "compare.semiFinal", "board.third", "board.final"};
constexpr std::array<const char*, StageCount> StageKeys = {"compare.roundOf16", "compare.quarterFinals",
                                                           "compare.semiFinals", "board.final", "board.champion"};

std::string teamText(int languageIndex, int team)
{
    return team == 0 ? "?" : teamNameIn(languageIndex, team);
}

std::string scoreText(const MatchRecord& match)
{
    if (match.score[0].empty() && match.score[1].empty())
        return "-";
    std::string text = match.score[0] + "-" + match.score[1];
    if (!match.penalty[0].empty() || !match.penalty[1].empty())
        text += " (" + match.penalty[0] + "-" + match.penalty[1] + ")";
    return text;
}

}  // namespace

std::string matchTitle(int languageIndex, int index)
{
    const MatchPlace place = matchPlace(index);
    const std::string number = std::to_string(place.match + 1);
    if (place.group >= 0)
        return languageText(languageIndex, "board.group") + groups()[static_cast<size_t>(place.group)].letter + " "
               + number;
    const RoundInfo& round = rounds()[static_cast<size_t>(place.round)];
    const std::string& title = languageText(languageIndex, RoundTitleKeys[static_cast<size_t>(place.round)]);
    return round.matchCount > 1 ? title + " " + number : title;
}

std::string matchText(int languageIndex, const MatchRecord& match)
{
    return teamText(languageIndex, match.team[0]) + " " + scoreText(match) + " " + teamText(languageIndex, match.team[1]);
}

std::string stageName(int languageIndex, Stage stage)
{
    return languageText(languageIndex, StageKeys[static_cast<size_t>(stage)]);
}

std::vector<ComparisonRow> comparisonRows(int languageIndex, const TournamentOutcome& predicted,
                                          const TournamentOutcome& real, const PredictionScore& score)
{
    std::vector<ComparisonRow> rows;
    for (size_t m = 0; m < MatchCount; ++m) {
        rows.push_back({matchTitle(languageIndex, static_cast<int>(m)), matchText(languageIndex, predicted.matches[m]),
                        matchText(languageIndex, real.matches[m]), score.match[m]});
    }
    return rows;
}

}  // namespace tiplark
