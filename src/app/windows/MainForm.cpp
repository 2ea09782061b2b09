#include "windows/MainForm.h"

#include "document/BoardReports.h"
#include "document/BoxTexts.h"
#include "document/ExitPrompt.h"
#include "document/LoadFailure.h"
#include "document/MainBoard.h"
#include "document/PredictionsFile.h"
#include "engine/TournamentFolders.h"
#include "scoring/RealResults.h"
#include "storage/PredictionsLocation.h"
#include "venues/Celebration.h"
#include "windows/AboutForm.h"
#include "windows/BoardView.h"
#include "windows/CompareForm.h"
#include "windows/DonationForm.h"
#include "windows/LevelOrderForm.h"
#include "windows/MainMenu.h"
#include "windows/OptionsForm.h"
#include "windows/PoolForm.h"
#include "windows/ScheduleForm.h"
#include "windows/StadiumForm.h"
#include "windows/StandingsRulesForm.h"
#include "windows/VenueListForm.h"
#include "windows/WinnerForm.h"

#include <QAction>
#include <QCloseEvent>
#include <QFileInfo>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScrollArea>

#include <utility>

namespace tiplark {

TMainForm::TMainForm(MainBoard& main, BrowserLauncher& browser, const std::string& programFolder, QWidget* parent)
    : TMainForm(main, browser, PredictionsPath{predictionsFilePath(programFolder)}, parent)
{
}

TMainForm::TMainForm(MainBoard& main, BrowserLauncher& browser, PredictionsPath predictionsPath, QWidget* parent)
    : QMainWindow(parent)
    , m_main(main)
    , m_predictionsPath(std::move(predictionsPath.path))
    , m_view(new BoardView(main))
    , m_menu(new MainMenu(menuBar(), main.tournament()))
    , m_links(browser, main.services().messages, main.services().cursor)
    , m_reportDialogs(this)
    // Reports are offered where the predictions are kept: the program's
    // folder, or the user's own when the program's cannot be written.
    , m_report(m_reportDialogs, main.services().messages,
               QFileInfo(QString::fromStdString(m_predictionsPath)).absolutePath())
    , m_qtPredictionDialogs(this)
    , m_predictionDialogs(&m_qtPredictionDialogs)
{
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QStringLiteral("Tiplark - Germany"));

    // Below the board's smallest scale the window scrolls.
    auto* scroller = new QScrollArea;
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setWidgetResizable(true);
    scroller->setWidget(m_view);
    setCentralWidget(scroller);

    connect(m_view, &BoardView::buttonClicked, this, &TMainForm::onButton);
    connect(m_view, &BoardView::boxEdited, this,
            [this](int box, const QString& text) { m_main.userEdit(box, text.toStdString()); });
    connectMenu();
    watchTeamLabels();
    m_main.setLanguageListener([this] { languageApplied(); });
    m_main.history().setListener([this] { historyChanged(); });
    // A save its own file cannot take (changed elsewhere, read-only) goes where the user exports to.
    m_main.setOtherFileChooser([this] { return chooseExportFile(); });
    historyChanged();
    m_view->widget(main.controls().groups[0].score[0][0])->setFocus();
}

TMainForm::~TMainForm()
{
    m_main.setLanguageListener({});
    m_main.history().setListener({});
    m_main.setOtherFileChooser({});
}

void TMainForm::connectMenu()
{
    const auto on = [this](const char* item, void (TMainForm::*slot)()) {
        connect(m_menu->action(item), &QAction::triggered, this, slot);
    };
    on("Clear1", &TMainForm::ClearAllButtonClick);
    on("Undo1", &TMainForm::Undo1Click);
    on("Redo1", &TMainForm::Redo1Click);
    on("Save1", &TMainForm::SaveButtonClick);
    on("Report1", &TMainForm::Report1Click);
    on("Exit1", &TMainForm::OKButtonClick);
    on("Schedule1", &TMainForm::Schedule1Click);
    on("RankingCriteria1", &TMainForm::RankingCriteria1Click);
    on("Options1", &TMainForm::Options1Click);
    on("About1", &TMainForm::About1Click);
    on("MakeaDonation1", &TMainForm::MakeaDonation1Click);
    on("ExportPrediction1", &TMainForm::ExportPrediction1Click);
    on("ImportPrediction1", &TMainForm::ImportPrediction1Click);
    on("FillInRealResults1", &TMainForm::FillInRealResults1Click);
    on("CompareRealResults1", &TMainForm::CompareRealResults1Click);
    on("PredictionPool1", &TMainForm::PredictionPool1Click);
    on("OpenPrediction1", &TMainForm::OpenPrediction1Click);
    for (QAction* city : m_menu->cityActions())
        connect(city, &QAction::triggered, this, [this, city] { VenueFormSetup(city->data().toInt()); });
    for (QAction* link : m_menu->linkActions())
        connect(link, &QAction::triggered, this, [this, link] { CountryWebLink(link->data().toInt()); });
    if (QAction* site = m_menu->tournamentSite())
        connect(site, &QAction::triggered, this, [this] { m_links.OpenInDefaultBrowser(m_main.tournament().link); });
}

void TMainForm::watchTeamLabels()
{
    const BoardControls& controls = m_main.controls();
    const auto watch = [this](ControlId id) { m_view->widget(id)->installEventFilter(this); };
    for (const GroupControls& group : controls.groups) {
        for (const auto& match : group.label)
            for (const ControlId label : match)
                watch(label);
        for (const ControlId name : group.name)
            watch(name);
    }
    for (const RoundControls& round : controls.rounds)
        for (const MatchControls& match : round.matches)
            for (const ControlId label : match.label)
                watch(label);
    watch(controls.champion);
    m_view->widget(controls.champion)->setMouseTracking(true);
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick && type != QEvent::MouseButtonRelease
        && type != QEvent::MouseMove && type != QEvent::Enter)
        return QMainWindow::eventFilter(watched, event);
    const ControlId id = m_view->controlOf(watched);
    const bool champion = id == m_main.controls().champion;
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        // The champion may have changed under a resting mouse.
        if (champion)
            ChampionMouseMove();
        m_main.highlighter().GAName1MouseDown(id);
        break;
    case QEvent::MouseButtonRelease:
        m_main.highlighter().GAName1MouseUp(id);
        if (champion && m_championClickable
            && static_cast<QWidget*>(watched)->rect().contains(static_cast<QMouseEvent*>(event)->position().toPoint()))
            ChampionClick();
        break;
    default:
        if (champion)
            ChampionMouseMove();
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}

void TMainForm::ChampionMouseMove()
{
    // A click means something only once the final has a winner.
    const ControlId champion = m_main.controls().champion;
    m_championClickable = isChampionDecided(m_main.board().text(champion));
    m_view->widget(champion)->setCursor(m_championClickable ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void TMainForm::onButton(int control)
{
    const BoardControls& controls = m_main.controls();
    const ControlId panel = m_main.board().control(control).parent;
    if (controls.isLevelMark(control))
        TLevelOrderForm::showForMark(m_main, control, this);
    else if (control == controls.saveButton)
        SaveButtonClick();
    else if (control == controls.okButton)
        OKButtonClick();
    else if (control == controls.clearAllButton)
        ClearAllButtonClick();
    else if (panel != NoControl)
        GroupADelButtonClick(panel);
}

void TMainForm::languageApplied()
{
    const Language& language = m_main.language();
    m_menu->applyLanguage(language);
    m_view->applyLanguage();
    m_standardTexts.use(language.index());
    setWindowTitle(QString::fromStdString(m_main.caption()));
}

void TMainForm::OKButtonClick()
{
    close();
}

void TMainForm::closeEvent(QCloseEvent* event)
{
    if (FormClose())
        event->accept();
    else
        event->ignore();
}

bool TMainForm::FormClose()
{
    return tiplark::FormClose(m_main, m_predictionsPath);
}

bool TMainForm::leaveForAnotherPrediction()
{
    return LeaveForAnotherPrediction(m_main, m_predictionsPath);
}

void TMainForm::offerTournaments(const std::vector<Tournament>& tournaments)
{
    for (QAction* item : m_menu->offerTournaments(tournaments, m_main.language())) {
        connect(item, &QAction::triggered, this, [this, item] { emit newPredictionChosen(item->data().toString()); });
    }
}

bool TMainForm::FormCreate()
{
    // Qt hides a tool-tip after ten seconds already, the pause the match
    // hints need to be read.
    bool set = true;
    ReadAll(m_main, m_predictionsPath, [this, &set] {
        TOptionsForm options(m_main, [this] { return save(); }, this);
        set = options.exec() == QDialog::Accepted;
    });
    if (!set)
        return false;
    m_main.ApplyLanguage();
    return true;
}

bool TMainForm::save()
{
    return SaveAll(m_main, m_predictionsPath);
}

void TMainForm::SaveButtonClick()
{
    save();
}

void TMainForm::ClearAllButtonClick()
{
    m_main.ClearAllButtonClick();
}

void TMainForm::GroupADelButtonClick(ControlId panel)
{
    m_main.GroupADelButtonClick(panel);
}

void TMainForm::Undo1Click()
{
    m_main.Undo1Click();
}

void TMainForm::Redo1Click()
{
    m_main.Redo1Click();
}

void TMainForm::historyChanged()
{
    m_menu->action("Undo1")->setEnabled(m_main.history().canUndo());
    m_menu->action("Redo1")->setEnabled(m_main.history().canRedo());
}

void TMainForm::Report1Click()
{
    m_report.Report1Click(boardReportLines(m_main));
}

void TMainForm::Schedule1Click()
{
    TScheduleForm schedule(m_main.language(), boardScheduleLines(m_main), this);
    schedule.exec();
}

void TMainForm::Options1Click()
{
    TOptionsForm::showFromMenu(m_main, [this] { return save(); }, this);
}

void TMainForm::CountryWebLink(int tag)
{
    m_links.CountryWebLink(tag, m_main.preferences().languageIndex);
}

void TMainForm::RankingCriteria1Click()
{
    showRankingCriteriaWindow(this, m_main.language());
}

void TMainForm::VenueFormSetup(int venue)
{
    if (m_main.tournament().id == DefaultTournamentId)
        showVenueWindow(this, m_main.language(), venue, m_links);
    else
        showVenueList(this, m_main.language(), m_main.tournament(), venue);
}

void TMainForm::About1Click()
{
    showAboutWindow(this, m_main.language(), m_links);
}

void TMainForm::MakeaDonation1Click()
{
    showDonationWindow(this, m_main.language(), m_links);
}

void TMainForm::ChampionClick()
{
    showCelebrationWindow(this, m_main);
}

namespace {

QString menuCaption(const Language& language, const char* key)
{
    return QString::fromStdString(language.text(key)).remove(QLatin1Char('&')).remove(QStringLiteral("…"));
}

}  // namespace

std::string TMainForm::chooseExportFile()
{
    const Language& language = m_main.language();
    return m_predictionDialogs
        ->chooseExportFile(menuCaption(language, "menu.exportPrediction"),
                           QString::fromStdString(language.text("file.predictionsFilter")))
        .toStdString();
}

void TMainForm::ExportPrediction1Click()
{
    const std::string path = chooseExportFile();
    if (!path.empty())
        SaveAll(m_main, path);
}

void TMainForm::ImportPrediction1Click()
{
    const Language& language = m_main.language();
    if (!confirmReplaceBoard(m_main))
        return;
    const QString path = m_predictionDialogs->chooseImportFile(
        menuCaption(language, "menu.importPrediction"), QString::fromStdString(language.text("file.predictionsFilter")));
    if (path.isEmpty())
        return;
    const PredictionsLoad load = ImportPrediction(m_main, path.toStdString());
    if (load != PredictionsLoad::Loaded)
        m_main.services().messages.showError(loadFailureMessage(language.index(), path.toStdString(), load));
}

void TMainForm::OpenPrediction1Click()
{
    const Language& language = m_main.language();
    const QString path = m_predictionDialogs->chooseImportFile(
        menuCaption(language, "menu.openPrediction"), QString::fromStdString(language.text("file.predictionsFilter")));
    if (!path.isEmpty())
        emit predictionFileChosen(path);
}

void TMainForm::FillInRealResults1Click()
{
    if (confirmReplaceBoard(m_main))
        FillInRealResults(m_main);
}

void TMainForm::CompareRealResults1Click()
{
    // Built afresh so that it speaks the language now in force.
    delete m_compare;
    m_compare = new TCompareForm(m_main.language(), m_main.tournament(), this);
    m_compare->followBoard(m_main);
    m_compare->show();
    m_compare->raise();
    m_compare->activateWindow();
}

void TMainForm::PredictionPool1Click()
{
    TPoolForm pool(m_main, *m_predictionDialogs, m_predictionsPath, this);
    pool.exec();
}

}  // namespace tiplark
