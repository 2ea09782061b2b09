#pragma once

#include "i18n/Preferences.h"
#include "storage/SettingsFile.h"

#include <functional>
#include <string>
#include <string_view>

namespace tiplark {

class MainBoard;

// The file of a board is the one its tournament's PredictionFormat reads:
// Tiplark.ini's keys for the default tournament, the tournament predictions
// file for any other; a file of another tournament is never read into it.

// SaveAll: writes every score, penalty and preference of the board into the
// predictions file at `path`, with "FirstTime" as no, through the board's
// document file (SettingsDocument::save): the file is replaced as a whole, so
// a failed save leaves the previous file as it was; a file changed elsewhere
// or made read-only is asked about; what a save would lose is first kept in a
// numbered backup ("<path>.1.bak") and a message names it. A failure is shown
// as "Unable to write to <path>", the result is false, and the caller's
// action must not go on. A save to a file other than the one loaded (an
// export) leaves the document's file as it was.
bool SaveAll(MainBoard& main, const std::string& path);

// Whether the board holds anything its last load or save did not.
bool hasUnsavedChanges(const MainBoard& main);

// The bytes SaveAll writes over a file holding `previous`: the program's own
// sections in their fixed order (Tiplark.ini's fourteen, or a tournament
// file's), every other line of `previous`
// byte for byte and in place, and comments within the program's sections
// where they stood.
std::string predictionsFileText(const MainBoard& main, const std::string& previous);

// ReadAll: start-up load. Removes what killed saves left beside the file,
// then loads it: the preferences are read, the language is applied and the
// boxes are filled group by group and round by round, so that their change
// events rebuild the tables and the bracket. Damaged values leave their box
// empty or their preference at its default, a damaged line is skipped alone;
// loading never stops. The file becomes the board's document file; when it
// is read-only a message says so. A file without "FirstTime" as no (also a
// missing, unreadable or too large file, which a message names) is a first
// run: after the load, which keeps any scores the file holds,
// `showFirstRunOptions` runs (the options dialog, which stores the
// preferences and saves).
void ReadAll(MainBoard& main, const std::string& path, const std::function<void()>& showFirstRunOptions);

// ReadAll on a file's bytes already in memory, for checks that need no disk.
void ReadAllText(MainBoard& main, std::string_view text, const std::function<void()>& showFirstRunOptions);

enum class PredictionsLoad {
    Loaded,
    Missing,     // no file at the path
    Unreadable,  // something at the path that cannot be read as a file
    TooLarge,    // larger than SettingsFile::MaximumSize; not read
    FirstRun,    // a file without "FirstTime" as no; nothing was loaded
    OtherTournament,  // a prediction of another tournament than the board's; nothing was loaded
};

// The load state of a file as the settings reader found it.
PredictionsLoad predictionsLoad(SettingsFileState state);


// ReadAll for a program without dialogs: tells the cases that would have
// shown the options dialog apart instead, leaving the board as it was, and
// refuses a file of another tournament.
PredictionsLoad LoadPredictions(MainBoard& main, const std::string& path);

// A prediction the user starts for a tournament whose file at `path` does not
// exist yet or holds no saved prediction: not a first run, no options dialog.
// The board takes the file's scores, if any, and the language, time zone and
// daylight saving of the board the user comes from (`carried`), and the file
// is written at once. False when that save failed (its message was shown).
bool StartPrediction(MainBoard& main, const std::string& path, const Preferences& carried);

// Puts the scores of another predictions file on the board through setBoxes,
// keeping the board's own preferences and language, whatever the file's
// "FirstTime". A file that is missing, unreadable, too large, of another
// tournament, or that holds neither a score nor "FirstTime" as no (FirstRun)
// leaves the board as it was.
PredictionsLoad ImportPrediction(MainBoard& main, const std::string& path);

}  // namespace tiplark
