#pragma once

#include "RecordingServices.h"
#include "document/PredictionsFile.h"
#include "storage/SettingValues.h"

#include <string>

namespace tiplark::testing {

// Describes the first difference between two boards (every control's text,
// hint, visibility, enabled state, boldness and colour) and their preferences, or
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
        if (x.hint != y.hint)
            return x.name + " hint '" + x.hint + "' became '" + y.hint + "'";
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

// Loads `bytes` as a predictions file into `loaded`, saves that board over
// them as SaveAll would, loads the saved text into `reloaded` and returns
// boardDifference of the two. Nothing touches the disk.
inline std::string roundTripDifference(BoardHarness& loaded, BoardHarness& reloaded, const std::string& bytes)
{
    startUp(loaded.main, bytes);
    const std::string saved = predictionsFileText(loaded.main, bytes);
    startUp(reloaded.main, saved);
    if (!loaded.messages.errors.empty() || !reloaded.messages.errors.empty())
        return "loading showed an error";
    return boardDifference(loaded.main, reloaded.main);
}

// The round trip through two boards built for it alone.
inline std::string roundTripDifference(const std::string& bytes)
{
    BoardHarness loaded;
    BoardHarness reloaded;
    return roundTripDifference(loaded, reloaded, bytes);
}

// The round trip through two boards built once and put back to their built
// state before every input: a fuzzer would otherwise spend most of its time
// building boards.
class RepeatedRoundTrip {
public:
    std::string difference(const std::string& bytes)
    {
        putBack(m_loaded, m_loadedLanguage);
        putBack(m_reloaded, m_reloadedLanguage);
        return roundTripDifference(m_loaded, m_reloaded, bytes);
    }
    const MainBoard& loaded() const { return m_loaded.main; }

private:
    // Everything a load may change; the group tables are left, since every
    // group change rebuilds its table before anything reads it.
    void putBack(BoardHarness& harness, const Language& language) const
    {
        harness.main.restore(m_built);
        harness.main.preferences() = Preferences();
        harness.main.language() = language;
        harness.main.history().clear();
        harness.messages.errors.clear();
        harness.messages.information.clear();
    }

    // A fresh language that has already built the kick-off texts of the
    // default zone in the harness's formats, as the first language applied
    // to most inputs would.
    static Language primedLanguage(const BoardHarness& harness)
    {
        Language language(worldCup2006());
        language.rebuildKickoffTexts(Preferences(), harness.dates);
        return language;
    }

    BoardHarness m_loaded;
    BoardHarness m_reloaded;
    const std::vector<Control> m_built = m_loaded.board().states();
    const Language m_loadedLanguage = primedLanguage(m_loaded);
    const Language m_reloadedLanguage = primedLanguage(m_reloaded);
};

}  // namespace tiplark::testing
