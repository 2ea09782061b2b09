#pragma once

#include "board/Board.h"
#include "document/UndoHistory.h"
#include "i18n/Language.h"
#include "i18n/Preferences.h"
#include "platform/DateTime.h"
#include "platform/Services.h"
#include "storage/PredictionKeys.h"
#include "storage/SettingsDocument.h"
#include "tournament/BoardControls.h"
#include "tournament/Clearing.h"
#include "tournament/BoardRules.h"
#include "tournament/Highlighter.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tiplark {

// What the rules need from the window system and the operating system.
struct Services {
    MessageService& messages;
    CursorService& cursor;
    const DateTimeFormat& dates;
};

// The open prediction, the main window's logic without the window: the board
// of named controls, the preferences and language, the rules bound to the
// board's change events, and the history of the user's changes. A window
// mirrors board() and forwards the user's edits and commands here, so that
// each becomes one step of the history.
class MainBoard {
public:
    // The tournament must outlive the board.
    MainBoard(Services services, const Tournament& tournament);
    MainBoard(Services services, const Tournament&& tournament) = delete;
    MainBoard(const MainBoard&) = delete;
    MainBoard& operator=(const MainBoard&) = delete;

    Board& board() { return m_board; }
    const Board& board() const { return m_board; }
    const BoardControls& controls() const { return m_controls; }
    // The keys of the predictions file, resolved to this board's controls.
    const std::vector<PredictionKey>& keys() const { return m_keys; }
    Preferences& preferences() { return m_preferences; }
    const Preferences& preferences() const { return m_preferences; }
    Language& language() { return m_language; }
    const Language& language() const { return m_language; }
    Highlighter& highlighter() { return m_highlighter; }
    const Tournament& tournament() const { return m_tournament; }
    BoardRules& rules() { return m_rules; }
    const BoardRules& rules() const { return m_rules; }
    Clearing& clearing() { return m_clearing; }
    Services& services() { return m_services; }
    const Services& services() const { return m_services; }
    UndoHistory& history() { return m_history; }
    // The predictions file the board was loaded from, as saves compare it.
    SettingsDocument& file() { return m_file; }
    const SettingsDocument& file() const { return m_file; }
    // Where a save goes when its own file cannot take it: a window lets the
    // user choose a file; without one ("" too) such a save is not made.
    void setOtherFileChooser(std::function<std::string()> chooser) { m_chooseOtherFile = std::move(chooser); }
    // Messages and questions of loading and saving, in the current language.
    UserDialogs userDialogs() { return {m_services.messages, m_preferences.languageIndex, m_chooseOtherFile}; }

    // Puts the board back to a copy of its states (Board::restore) and the
    // rules with it.
    void restore(const std::vector<Control>& states);

    // What the user typed into a score or penalty box; keystrokes in one box
    // one after the other are one step.
    void userEdit(ControlId box, std::string_view text);
    // The order the user chose for a table's level teams, written to its
    // level-order box as one step of its own: choosing twice in a row is
    // two steps, unlike keystrokes.
    void chooseLevelOrder(ControlId levelOrderBox, std::string_view text);
    // One handler for the clear buttons of all 13 panels (GroupPanelA .. GPFinal).
    void GroupADelButtonClick(ControlId panel);
    // ClearAllButton and the File menu's Clear1.
    void ClearAllButtonClick();
    void Undo1Click() { m_history.undo(); }
    void Redo1Click() { m_history.redo(); }

    // Writes the current language's texts, team names, headings and match
    // hints into the board, refreshes the highlighting, then tells the
    // language listener, so that the window can renew its caption and menus.
    void ApplyLanguage();
    // The main window's caption in the current language.
    std::string caption() const { return m_language.mainCaption(); }
    void setLanguageListener(std::function<void()> listener) { m_languageListener = std::move(listener); }
    // Translates the team names of tables and bracket once after a change of
    // language or a load, when the preferences say names are pending.
    void SetFirstTimeGroups();

private:
    Services m_services;
    const Tournament& m_tournament;
    Board m_board;
    BoardControls m_controls;
    std::vector<PredictionKey> m_keys;
    Preferences m_preferences;
    Language m_language;
    Highlighter m_highlighter;
    BoardRules m_rules;
    Clearing m_clearing;
    UndoHistory m_history;
    SettingsDocument m_file;
    std::function<void()> m_languageListener;
    std::function<std::string()> m_chooseOtherFile;
};

}  // namespace tiplark
