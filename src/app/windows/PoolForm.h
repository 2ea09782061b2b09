#pragma once

#include "scoring/Pool.h"

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

// The prediction pool: several predictions files, and the board if the user
// wants, ranked against the real results in a sortable leaderboard. The
// chosen files are remembered in the settings file; a file that cannot be
// read stays in the list with the reason. Double-clicking a row opens its
// comparison.
class TPoolForm : public QDialog {
    Q_OBJECT

public:
    TPoolForm(MainBoard& main, PredictionDialogs& dialogs, std::string settingsPath, QWidget* parent = nullptr);

    const std::vector<PoolEntry>& entries() const { return m_entries; }
    // The row's comparison, modal.
    void openComparison(int row);

private:
    void ChooseButtonClick();
    void rebuild();
    void remember();

    MainBoard& m_main;
    PredictionDialogs& m_dialogs;
    std::string m_settingsPath;
    std::vector<std::string> m_files;
    std::vector<PoolEntry> m_entries;
    QPushButton* m_chooseButton;
    QCheckBox* m_includeBoard;
    QTableWidget* m_table;
    QPushButton* m_closeButton;
};

}  // namespace tiplark
