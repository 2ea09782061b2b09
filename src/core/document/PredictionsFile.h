#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace tiplark {

class MainBoard;

// SaveAll: writes every score, penalty and preference of the board into the
// predictions file at `path`, with "FirstTime" as no. The file is replaced
// as a whole, so a failed save leaves the previous file as it was; the
// failure is shown as "Unable to write to <path>" and the result is false,
// and the caller's action must not go on. When the file holds what the load
// did not take, it is first kept as "<path>.bak" and a message names it.
bool SaveAll(MainBoard& main, const std::string& path);

// The bytes SaveAll writes over a file holding `previous`: the program's own
// fourteen sections in their fixed order, every other line of `previous`
// byte for byte and in place, and comments within the program's sections
// where they stood.
std::string predictionsFileText(const MainBoard& main, const std::string& previous);

// ReadAll: start-up load. A file without "FirstTime" as no (also a missing
// or unreadable file) is a first run: `showFirstRunOptions` runs (the
// options dialog, which stores the preferences and saves) and the board
// stays empty. Otherwise the preferences are read, the language is applied
// and the boxes are filled group by group and round by round, so that their
// change events rebuild the tables and the bracket. Damaged values leave
// their box empty or their preference at its default, a damaged line is
// skipped alone; loading never stops.
void ReadAll(MainBoard& main, const std::string& path, const std::function<void()>& showFirstRunOptions);

// ReadAll on a file's bytes already in memory, for checks that need no disk.
void ReadAllText(MainBoard& main, std::string_view text, const std::function<void()>& showFirstRunOptions);

enum class PredictionsLoad {
    Loaded,
    Missing,     // no file at the path
    Unreadable,  // something at the path that cannot be read as a file
    FirstRun,    // a file without "FirstTime" as no; nothing was loaded
};

// ReadAll for a program without dialogs: tells the cases that would have
// shown the options dialog apart instead, leaving the board as it was.
PredictionsLoad LoadPredictions(MainBoard& main, const std::string& path);

// Puts the scores of another saved predictions file on the board through
// setBoxes, keeping the board's own preferences and language. A file that is
// missing, unreadable or never saved leaves the board as it was.
PredictionsLoad ImportPrediction(MainBoard& main, const std::string& path);

}  // namespace tiplark
