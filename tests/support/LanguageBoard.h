#pragma once

#include "TournamentFiles.h"
#include "board/Board.h"
#include "document/LanguageSwitch.h"
#include "i18n/Language.h"
#include "i18n/Preferences.h"
#include "platform/DateTime.h"
#include "tournament/BoardControls.h"

namespace tiplark::testing {

// A bare board in its design state with one language's captions and
// group-match team names, without the rules bound to its boxes: tests of
// the report and the schedule set every text they need directly.
struct LanguageBoard {
    explicit LanguageBoard(int languageIndex = 0)
        : controls(buildBoard(board, worldCup2006()))
    {
        apply(languageIndex);
    }

    void apply(int languageIndex)
    {
        Preferences preferences;
        preferences.languageIndex = languageIndex;
        const FixedDateTimeFormat dates;
        applyLanguageToBoard(board, controls, preferences, language, dates);
    }

    Board board;
    BoardControls controls;
    Language language{worldCup2006()};
};

}  // namespace tiplark::testing
