#pragma once

#include "board/Board.h"
#include "services/StandardTranslations.h"
#include "venues/WebLinkLauncher.h"
#include "windows/PredictionDialogs.h"
#include "windows/ReportDialogs.h"
#include "windows/ReportPrinter.h"

#include <QMainWindow>

#include <string>
#include <vector>

namespace tiplark {

struct Tournament;
class BoardView;
class MainBoard;
class MainMenu;
class TCompareForm;

// The main window: the board of the tournament, its menu bar and its
// commands. The rules live in MainBoard; the window mirrors the board,
// forwards the user's input and runs the commands of buttons and menus.
class TMainForm : public QMainWindow {
    Q_OBJECT

public:
    // programFolder ends in a path separator; the predictions file and the
    // report's proposed folder are found from it.
    TMainForm(MainBoard& main, BrowserLauncher& browser, const std::string& programFolder, QWidget* parent = nullptr);
    // A window over the predictions file at `predictionsPath` itself.
    struct PredictionsPath {
        std::string path;
    };
    TMainForm(MainBoard& main, BrowserLauncher& browser, PredictionsPath predictionsPath, QWidget* parent = nullptr);
    ~TMainForm() override;

    BoardView& boardView() const { return *m_view; }
    const std::string& predictionsPath() const { return m_predictionsPath; }

public slots:
    // Creation handler, run once the window exists and before it is shown:
    // loads the predictions (or asks for the preferences on a first run) and
    // applies the language. False when the first run was left without a
    // save, after one had failed: the program must end without the window.
    bool FormCreate();

    void SaveButtonClick();
    void OKButtonClick();
    void ClearAllButtonClick();
    // One handler for the clear buttons of all 13 panels (GroupPanelA .. GPFinal).
    void GroupADelButtonClick(tiplark::ControlId panel);
    void Undo1Click();
    void Redo1Click();
    void Report1Click();
    void Schedule1Click();
    void RankingCriteria1Click();
    void VenueFormSetup(int venue);
    void Options1Click();
    void About1Click();
    void MakeaDonation1Click();
    void CountryWebLink(int tag);
    void ChampionClick();
    void ExportPrediction1Click();
    void ImportPrediction1Click();
    void FillInRealResults1Click();
    // Modeless: the comparison follows the board while the user types.
    void CompareRealResults1Click();
    void PredictionPool1Click();
    // File > Open Prediction: the file chosen is handed on by predictionFileChosen.
    void OpenPrediction1Click();

signals:
    // File > New Prediction for: a tournament of those offered (offerTournaments).
    void newPredictionChosen(const QString& tournamentId);
    void predictionFileChosen(const QString& path);

public:
    // The tournaments File > New Prediction for lists; they must outlive the window.
    void offerTournaments(const std::vector<Tournament>& tournaments);
    // Before the window turns to another prediction: asks to save the
    // board's unsaved changes as closing does. False: stay.
    bool leaveForAnotherPrediction();
    // Tests answer the file dialogs of export, import and the pool.
    void setPredictionDialogs(PredictionDialogs& dialogs) { m_predictionDialogs = &dialogs; }
    TCompareForm* compareWindow() const { return m_compare; }

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Asks before the window closes; false keeps it open.
    bool FormClose();
    void ChampionMouseMove();
    // Menu captions, window title and the toolkit's standard texts in the
    // language just applied.
    void languageApplied();
    // Undo and Redo are enabled only when there is something to take back or do again.
    void historyChanged();
    bool save();
    // The export dialog's file, "" when cancelled.
    std::string chooseExportFile();
    void connectMenu();
    void onButton(int control);
    void watchTeamLabels();

    MainBoard& m_main;
    std::string m_predictionsPath;
    BoardView* m_view;
    MainMenu* m_menu;
    WebLinkLauncher m_links;
    QtReportDialogs m_reportDialogs;
    ReportPrinter m_report;
    StandardTranslations m_standardTexts;
    QtPredictionDialogs m_qtPredictionDialogs;
    PredictionDialogs* m_predictionDialogs;
    TCompareForm* m_compare = nullptr;
    bool m_championClickable = false;
};

}  // namespace tiplark
