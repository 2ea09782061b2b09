#pragma once

#include "i18n/FavoriteTable.h"
#include "i18n/LanguageTables.h"
#include "i18n/TimeZoneTable.h"

#include <array>
#include <functional>
#include <string>
#include <vector>

namespace tiplark {

class MainBoard;

// The captions of the options dialog's window and controls.
struct OptionsCaptions {
    std::string title;     // window
    std::string panel;     // OptionsPanel
    std::string language;  // LangLbl
    std::string favorite;  // FavLbl
    std::string timeZone;  // TimeZoneLbl
    std::string daylight;  // DaylightCheckBox
    std::string ok;        // OKButton
    std::string cancel;    // CancelButton
};

// The options dialog without the window: the selections of LangCB, FavCB and
// TimeZoneCB (-1 for none), the daylight tick, the captions, and the dialog's
// handlers. A view writes the user's pick with a setter, runs the control's
// handler and mirrors the model back. Preferences change only on a
// successful OK, so Cancel leaves them as they were when the dialog opened.
class OptionsModel {
public:
    // SaveAll: writes every prediction and preference; false when it failed.
    using SaveAll = std::function<bool()>;

    OptionsModel(MainBoard& main, SaveAll save);

    // The LangCB entries: "English", "Español", "Français", "Deutsch".
    static const std::array<std::string, LanguageCount>& languageEntries();

    // First-run mode while the preferences were never stored: nothing
    // selected, design-time English captions, Cancel disabled. Otherwise
    // the stored preferences are selected and the captions follow them.
    void FormShow();
    // Refills FavCB and the captions in the language picked in LangCB,
    // keeping the pending favourite selected if FavCB had a selection.
    void LangCBChange();
    // Makes the picked entry the pending favourite.
    void FavCBChange();
    // Validates, stores the preferences, saves and applies the language.
    // True when the dialog may close; a failed save leaves every
    // preference as it was and keeps the dialog open.
    bool OKButtonClick();
    // True when the dialog may close: never in first-run mode until a save
    // has failed; from then on closing the first-run dialog ends the program,
    // which cannot run without a file it can write.
    bool CancelButtonClick();
    // True when the dialog is in first-run mode and a save has failed.
    bool closeEndsProgram() const { return m_firstRunSaveFailed; }

    int languageSelection() const { return m_languageSelection; }
    void setLanguageSelection(int entry) { m_languageSelection = entry; }
    int favoriteSelection() const { return m_favoriteSelection; }
    void setFavoriteSelection(int entry) { m_favoriteSelection = entry; }
    int timeZoneSelection() const { return m_timeZoneSelection; }
    void setTimeZoneSelection(int entry) { m_timeZoneSelection = entry; }
    bool daylight() const { return m_daylight; }
    void setDaylight(bool ticked) { m_daylight = ticked; }

    // The TimeZoneCB entries in the language the dialog's captions show.
    std::array<std::string, TimeZoneCount> timeZoneEntries() const;
    // The FavCB entries in the order of the language they are shown in:
    // "none", then the board's tournament's teams.
    std::vector<std::string> favoriteEntries() const;
    // The favourite the dialog would store: the team number (from 1 in the
    // tournament's list), 0 for none.
    int pendingFavorite() const { return m_pendingFavorite; }
    const OptionsCaptions& captions() const { return m_captions; }
    bool cancelEnabled() const { return m_cancelEnabled; }

private:
    void setCaptions(int languageIndex);
    void storePreferences();
    // Team number at a FavCB position (-1 outside the list), and back (0
    // for a number outside the teams); 2006 keeps its own list's order.
    int favoriteAt(int position) const;
    int favoritePosition(int favorite) const;
    // The team numbers in FavCB order of the current language, "none" first.
    std::vector<int> favoriteOrder() const;

    MainBoard& m_main;
    SaveAll m_save;
    int m_languageSelection = -1;
    int m_favoriteSelection = -1;
    int m_timeZoneSelection = -1;
    bool m_daylight = false;
    int m_favoriteLanguage = 0;  // the language whose order FavCB shows
    int m_pendingFavorite = 0;
    bool m_cancelEnabled = true;
    bool m_firstRunSaveFailed = false;
    OptionsCaptions m_captions;
};

}  // namespace tiplark
