#include "document/LanguageSwitch.h"

#include "i18n/Language.h"
#include "i18n/Preferences.h"

#include <array>
#include <string>

namespace tiplark {
namespace {

// Text keys of the standings columns, in the order of StandingsColumns.
constexpr std::array<const char*, StandingsColumnCount> ColumnKeys = {
    "board.colPts", "board.colPlayed", "board.colWon", "board.colTied",
    "board.colLost", "board.colGoalsFor", "board.colGoalsAgainst", "board.colDiff"};

void writeMatchHints(Board& board, const BoardControls& controls, const Language& language)
{
    for (int match = 1; match <= language.tournament().matchCount(); ++match) {
        for (const ControlId label : controls.matchLabels(match))
            board.setHint(label, language.matchHint(match));
    }
}

void writeGroups(Board& board, const BoardControls& controls, const Language& language)
{
    const Tournament& tournament = language.tournament();
    for (const GroupControls& group : controls.groups) {
        const TournamentGroup& info = tournament.groups[static_cast<size_t>(group.group)];
        const std::string heading = language.text("board.group") + info.letter;
        board.setText(group.heading, heading);
        board.setText(group.standingsHeading, heading);
        for (size_t c = 0; c < StandingsColumnCount; ++c)
            board.setText(group.columnHeading[c], language.text(ColumnKeys[c]));
        for (size_t m = 0; m < group.label.size(); ++m) {
            const GroupMatch& match = tournament.groupMatches[static_cast<size_t>(info.matches[m])];
            for (size_t side = 0; side < 2; ++side)
                board.setText(group.label[m][side], language.teamName(match.teams[side] + 1));
        }
        board.setHint(group.clearButton, language.text("hint.clearScores"));
    }
}

// "1/8 Finals" for a round of eight matches; the match for third place and
// the final have their own words.
std::string roundHeading(const RoundControls& round, const BoardControls& controls, const Language& language)
{
    if (&round == &controls.finalRound())
        return language.text("board.final");
    if (&round == controls.thirdPlaceRound())
        return language.text("board.third");
    return "1/" + std::to_string(round.matches.size()) + " " + language.text("board.finals");
}

void writeRounds(Board& board, const BoardControls& controls, const Language& language)
{
    for (const RoundControls& round : controls.rounds) {
        board.setText(round.heading, roundHeading(round, controls, language));
        board.setHint(round.clearButton, language.text("hint.clearScores"));
    }
    board.setText(controls.championHeading, language.text("board.champion"));
}

void writeThirds(Board& board, const BoardControls& controls, const Language& language)
{
    for (const ThirdsControls& thirds : controls.thirds) {
        board.setText(thirds.heading, language.text("board.thirds"));
        const std::array<const char*, 4> columns = {"board.colGroup", "board.colPts", "board.colDiff", "board.colGoalsFor"};
        for (size_t c = 0; c < columns.size(); ++c)
            board.setText(thirds.columnHeading[c], language.text(columns[c]));
    }
}

void writeButtons(Board& board, const BoardControls& controls, const Language& language)
{
    board.setText(controls.saveButton, language.text("menu.save"));
    board.setText(controls.okButton, language.text("button.exit"));
    board.setText(controls.cancelButton, language.text("button.cancel"));
    board.setText(controls.clearAllButton, language.text("button.clearAll"));
    board.setHint(controls.clearAllButton, language.text("hint.clearAllScores"));
}

}  // namespace

void applyLanguageToBoard(Board& board, const BoardControls& controls, Preferences& preferences, Language& language,
                          const DateTimeFormat& dates)
{
    preferences.languageIndex = language.select(preferences.languageIndex);
    language.rebuildKickoffTexts(preferences, dates);
    writeMatchHints(board, controls, language);
    writeGroups(board, controls, language);
    writeRounds(board, controls, language);
    writeThirds(board, controls, language);
    language.setFavorite(preferences.favoriteIndex);
    writeButtons(board, controls, language);
}

}  // namespace tiplark
