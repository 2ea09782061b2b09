#include "windows/MainForm.h"

#include "tournament/MainBoard.h"
#include "windows/BoardView.h"
#include "windows/MainMenu.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScrollArea>

namespace tiplark {

TMainForm::TMainForm(MainBoard& main, BrowserLauncher& browser, QWidget* parent)
    : QMainWindow(parent)
    , m_main(main)
    , m_browser(browser)
    , m_view(new BoardView(main.board(), main.controls()))
    , m_menu(new MainMenu(menuBar()))
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
    connectMenu();
    watchTeamLabels();
    m_view->widget(main.controls().groups[0].score[0][0])->setFocus();
}

TMainForm::~TMainForm() = default;

void TMainForm::connectMenu()
{
    const auto on = [this](const char* item, void (TMainForm::*slot)()) {
        connect(m_menu->action(item), &QAction::triggered, this, slot);
    };
    on("Clear1", &TMainForm::ClearAllButtonClick);
    on("Save1", &TMainForm::SaveButtonClick);
    on("Report1", &TMainForm::Report1Click);
    on("Exit1", &TMainForm::OKButtonClick);
    on("Schedule1", &TMainForm::Schedule1Click);
    on("RankingCriteria1", &TMainForm::RankingCriteria1Click);
    on("Options1", &TMainForm::Options1Click);
    on("About1", &TMainForm::About1Click);
    on("MakeaDonation1", &TMainForm::MakeaDonation1Click);
    for (QAction* city : m_menu->cityActions())
        connect(city, &QAction::triggered, this, [this, city] { VenueFormSetup(city->data().toInt()); });
    for (QAction* link : m_menu->linkActions())
        connect(link, &QAction::triggered, this, [this, link] { CountryWebLink(link->data().toInt()); });
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
    const ControlId id = m_view->controlOf(watched);
    if (id == NoControl)
        return QMainWindow::eventFilter(watched, event);
    const bool champion = id == m_main.controls().champion;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        m_main.highlighter().GAName1MouseDown(id);
        break;
    case QEvent::MouseButtonRelease:
        m_main.highlighter().GAName1MouseUp(id);
        if (champion && m_championClickable
            && static_cast<QWidget*>(watched)->rect().contains(static_cast<QMouseEvent*>(event)->position().toPoint()))
            ChampionClick();
        break;
    case QEvent::MouseMove:
    case QEvent::Enter:
        if (champion)
            ChampionMouseMove();
        break;
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}

void TMainForm::ChampionMouseMove()
{
    // A click means something only once the final has a winner.
    const ControlId champion = m_main.controls().champion;
    m_championClickable = m_main.board().text(champion) != Placeholder;
    m_view->widget(champion)->setCursor(m_championClickable ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void TMainForm::onButton(int control)
{
    const BoardControls& controls = m_main.controls();
    if (control == controls.saveButton)
        SaveButtonClick();
    else if (control == controls.okButton)
        OKButtonClick();
    else if (control == controls.clearAllButton)
        ClearAllButtonClick();
    else
        GroupADelButtonClick(m_main.board().control(control).parent);
}

void TMainForm::languageApplied()
{
    const Language& language = m_main.language();
    m_menu->applyLanguage(language);
    setWindowTitle(QString::fromStdString(language.text("title.prefix") + language.text("country.host")));
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
    return true;
}

void TMainForm::FormCreate() {}
void TMainForm::SaveButtonClick() {}
void TMainForm::ClearAllButtonClick() {}
void TMainForm::GroupADelButtonClick(ControlId) {}
void TMainForm::Report1Click() {}
void TMainForm::Schedule1Click() {}
void TMainForm::RankingCriteria1Click() {}
void TMainForm::VenueFormSetup(int) {}
void TMainForm::Options1Click() {}
void TMainForm::About1Click() {}
void TMainForm::MakeaDonation1Click() {}
void TMainForm::CountryWebLink(int) {}
void TMainForm::ChampionClick() {}

}  // namespace tiplark
