#pragma once

#include <string>

namespace tiplark {

class MainBoard;

// FormClose: every way of closing the main window asks whether to save
// first. Yes saves to `path` and closes, unless the save failed (its message
// has been shown, the window stays open); No closes without saving; Cancel
// keeps the program running. True when the window may close.
bool FormClose(MainBoard& main, const std::string& path);

// Before the window turns to another prediction: asked as FormClose asks,
// but only when the board holds changes not saved yet. True when the board
// may be left.
bool LeaveForAnotherPrediction(MainBoard& main, const std::string& path);

}  // namespace tiplark
