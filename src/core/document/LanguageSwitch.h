#pragma once

#include "board/Board.h"
#include "platform/DateTime.h"
#include "tournament/BoardControls.h"

namespace tiplark {

class Language;
struct Preferences;

// ApplyLanguage up to, not including, the highlighting refresh: makes the
// language of preferences.languageIndex current (writing 0 back for anything
// but Spanish or French), sets the favourite's name and the kick-off texts,
// and writes headings, column headings, the group-match team names, the
// match hints (city, line break, kick-off) and the buttons' captions and
// hints into the board. The team names of standings and bracket are left to
// the board's translation pass.
void applyLanguageToBoard(Board& board, const BoardControls& controls, Preferences& preferences, Language& language,
                          const DateTimeFormat& dates);

}  // namespace tiplark
