#pragma once

#include "scoring/BoardScoring.h"

#include <QDialog>

#include <string>
#include <vector>

class QCheckBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace tiplark {

class Language;
class MainBoard;
class PredictionDialogs;

// The prediction pool: several predictions files of the board's tournament,
// and the board if the user wants, ranked against the real results in a
// sortable leaderboard. A file of another tournament is listed, not ranked. Files
// chosen are added to the list and removed one at a time (the Remove button
// or the Delete key); the list is remembered in the settings file. A file
// that cannot be read, or holds no valid score, stays in the list with the
// reason. Double-clicking a row opens its comparison.
class TPoolForm : public QDialog {
    Q_OBJECT

public:
    TPoolForm(MainBoard& main, PredictionDialogs& dialogs, std::string settingsPath, QWidget* parent = nullptr);

    const std::vector<PoolMember>& entries() const { return m_entries; }
    // The row's comparison, modal.
    void openComparison(int row);

private:
    void ChooseButtonClick();
    void RemoveButtonClick();
    // The file of the row the user selected; empty for the board or no row.
    std::string selectedFile() const;
    void rebuild();
    void remember();

    MainBoard& m_main;
    PredictionDialogs& m_dialogs;
    std::string m_settingsPath;
    std::vector<std::string> m_files;
    std::vector<PoolMember> m_entries;
    QPushButton* m_chooseButton;
    QPushButton* m_removeButton;
    QCheckBox* m_includeBoard;
    QTableWidget* m_table;
    QPushButton* m_closeButton;
};

}  // namespace tiplark
