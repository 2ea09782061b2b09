#pragma once

#include "board/Board.h"

#include <QMainWindow>

namespace tiplark {

class BoardView;
class BrowserLauncher;
class MainBoard;
class MainMenu;

// The main window: the board of the tournament, its menu bar and its
// commands. The rules live in MainBoard; the window mirrors the board,
// forwards the user's input and runs the commands of buttons and menus.
class TMainForm : public QMainWindow {
    Q_OBJECT

public:
    TMainForm(MainBoard& main, BrowserLauncher& browser, QWidget* parent = nullptr);
    ~TMainForm() override;

    BoardView& boardView() const { return *m_view; }

public slots:
    // Creation handler, run once the window exists and before it is shown:
    // loads the predictions and applies the language.
    void FormCreate();
    // Menu captions and window title in the current language.
    void languageApplied();

    void SaveButtonClick();
    void OKButtonClick();
    void ClearAllButtonClick();
    // The clear button of one panel (GroupPanelA .. GPFinal).
    void GroupADelButtonClick(tiplark::ControlId panel);
    void Report1Click();
    void Schedule1Click();
    void RankingCriteria1Click();
    void VenueFormSetup(int venue);
    void Options1Click();
    void About1Click();
    void MakeaDonation1Click();
    void CountryWebLink(int tag);
    void ChampionClick();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Asks before the window closes; false keeps it open.
    bool FormClose();
    void ChampionMouseMove();
    void connectMenu();
    void onButton(int control);
    void watchTeamLabels();

    MainBoard& m_main;
    BrowserLauncher& m_browser;
    BoardView* m_view;
    MainMenu* m_menu;
    bool m_championClickable = false;
};

}  // namespace tiplark
