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

// "1/8 Finals" .. "1/2 Finals"; third place and final have their own words.
constexpr std::array<const char*, 3> FractionRounds = {"1/8 ", "1/4 ", "1/2 "};

void writeMatchHints(Board& board, const BoardControls& controls, const Language& language)
{
    for (int slot = 1; slot <= MatchCount; ++slot) {
        for (const ControlId label : controls.matchLabels(slot))
            board.setHint(label, language.matchHint(slot));
    }
}

void writeGroups(Board& board, const BoardControls& controls, const Language& language)
{
    for (int g = 0; g < GroupCount; ++g) {
        const GroupInfo& info = groups()[static_cast<size_t>(g)];
        const GroupControls& group = controls.groups[static_cast<size_t>(g)];
        const std::string heading = language.text("board.group") + info.letter;
        board.setText(group.heading, heading);
        board.setText(group.standingsHeading, heading);
        for (size_t c = 0; c < StandingsColumnCount; ++c)
            board.setText(group.columnHeading[c], language.text(ColumnKeys[c]));
        for (size_t m = 0; m < MatchesPerGroup; ++m)
            for (size_t side = 0; side < 2; ++side)
                board.setText(group.label[m][side], language.teamName(info.fixtureTeams[static_cast<size_t>(FixturePairs[m][side])]));
        board.setHint(group.clearButton, language.text("hint.clearScores"));
    }
}

void writeRounds(Board& board, const BoardControls& controls, const Language& language)
{
    for (size_t r = 0; r < FractionRounds.size(); ++r)
        board.setText(controls.rounds[r].heading, FractionRounds[r] + language.text("board.finals"));
    board.setText(controls.round(Round::Third).heading, language.text("board.third"));
    board.setText(controls.round(Round::Final).heading, language.text("board.final"));
    board.setText(controls.championHeading, language.text("board.champion"));
    for (const RoundControls& round : controls.rounds)
        board.setHint(round.clearButton, language.text("hint.clearScores"));
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
    language.setFavorite(preferences.favoriteIndex);
    writeButtons(board, controls, language);
}

}  // namespace tiplark
