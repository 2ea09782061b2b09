#pragma once

#include "RecordingServices.h"
#include "document/PredictionsFile.h"
#include "storage/SettingValues.h"

#include <string>

namespace tiplark::testing {

// Describes the first difference between two boards (every control's text,
// visibility, enabled state, boldness and colour) and their preferences, or
// returns "" when they agree. Real preferences are compared as the file
// writes them, since the file holds fifteen significant digits; "FirstTime"
// is left out because saving always writes it as no.
inline std::string boardDifference(const MainBoard& first, const MainBoard& second)
{
    const Board& a = first.board();
    const Board& b = second.board();
    if (a.size() != b.size())
        return "control counts differ";
    for (ControlId id = 0; id < a.size(); ++id) {
        const Control& x = a.control(id);
        const Control& y = b.control(id);
        if (x.text != y.text)
            return x.name + " text '" + x.text + "' became '" + y.text + "'";
        if (x.visible != y.visible || x.enabled != y.enabled || x.bold != y.bold || x.colour != y.colour)
            return x.name + " visible/enabled/bold/colour changed";
    }
    const Preferences& p = first.preferences();
    const Preferences& q = second.preferences();
    if (p.languageIndex != q.languageIndex || p.favoriteIndex != q.favoriteIndex || p.zoneCode != q.zoneCode
        || writeReal(p.zoneShift) != writeReal(q.zoneShift) || writeReal(p.daylightShift) != writeReal(q.daylightShift)
        || p.teamNamesPending != q.teamNamesPending)
        return "preferences changed";
    return "";
}

// Start-up as the main window's creation does it, without the first-run
// dialog, from the file's bytes.
inline void startUp(MainBoard& main, const std::string& bytes)
{
    ReadAllText(main, bytes, [] {});
    main.ApplyLanguage();
}

// Loads `bytes` as a predictions file into a fresh board, saves that board
// over them as SaveAll would, loads the saved text into a second fresh board
// and returns boardDifference of the two. Nothing touches the disk.
inline std::string roundTripDifference(const std::string& bytes)
{
    BoardHarness loaded;
    startUp(loaded.main, bytes);
    const std::string saved = predictionsFileText(loaded.main, bytes);
    BoardHarness reloaded;
    startUp(reloaded.main, saved);
    if (!loaded.messages.errors.empty() || !reloaded.messages.errors.empty())
        return "loading showed an error";
    return boardDifference(loaded.main, reloaded.main);
}

}  // namespace tiplark::testing
