#include "windows/MainMenu.h"

#include "engine/Tournament.h"
#include "engine/TournamentFolders.h"
#include "i18n/Language.h"
#include "i18n/LanguageTables.h"
#include "services/AssetLocator.h"
#include "tournament/TournamentData.h"
#include "venues/VenueTable.h"
#include "venues/WebLinkTable.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

#include <stdexcept>
#include <string>

namespace tiplark {
namespace {

QString englishText(const char* key)
{
    return QString::fromStdString(languageText(LanguageEnglish, key));
}

// "World Cup 2026 – 48 teams": the year is added to a name that lacks it.
QString tournamentCaption(const Tournament& tournament, const Language& language)
{
    const std::string year = std::to_string(tournament.year);
    std::string name = tournament.name;
    if (name.find(year) == std::string::npos)
        name += " " + year;
    return QString::fromStdString(fillIn(language.text("menu.tournamentChoice"), name, std::to_string(tournament.teams.size())))
        .replace(QLatin1Char('&'), QStringLiteral("&&"));
}

}  // namespace

MainMenu::MainMenu(QMenuBar* bar, const Tournament& tournament)
    : QObject(bar)
    , m_bar(bar)
    , m_tournament(tournament)
{
    QMenu* file = addMenu(bar, nullptr, "File1", "menu.file");
    m_newPrediction = addMenu(nullptr, file, "NewPredictionFor1", "menu.newPredictionFor");
    m_newPrediction->menuAction()->setEnabled(false);
    addAction(file, "OpenPrediction1", "menu.openPrediction");
    file->addSeparator();
    addAction(file, "Clear1", "menu.clear");
    addAction(file, "Save1", "menu.save");
    addAction(file, "Report1", "menu.printReport");
    file->addSeparator();
    addAction(file, "ExportPrediction1", "menu.exportPrediction");
    addAction(file, "ImportPrediction1", "menu.importPrediction");
    addAction(file, "FillInRealResults1", "menu.fillInReal");
    file->addSeparator();
    addAction(file, "Exit1", "menu.exit");

    QMenu* edit = addMenu(bar, nullptr, "Edit1", "menu.edit");
    QAction* undo = addAction(edit, "Undo1", "menu.undo");
    undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    QAction* redo = addAction(edit, "Redo1", "menu.redo");
    // Both of the usual keys, whatever the desktop's own habit.
    redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});

    QMenu* view = addMenu(bar, nullptr, "View1", "menu.view");
    addAction(view, "Schedule1", "menu.schedule");
    addAction(view, "RankingCriteria1", "menu.rankingCriteria");
    addAction(view, "CompareRealResults1", "menu.compare");
    addAction(view, "PredictionPool1", "menu.pool");

    addAction(bar, "Options1", "menu.options");
    QMenu* internet = addMenu(bar, nullptr, "Internet1", "menu.internetLinks");
    if (tournament.id == DefaultTournamentId)
        addOwnVenuesAndLinks(view, internet);
    else
        addTournamentVenuesAndLinks(view, internet);

    addAction(bar, "About1", "menu.about");
    addAction(bar, "MakeaDonation1", "menu.donate");
}

void MainMenu::addOwnVenuesAndLinks(QMenu* view, QMenu* internet)
{
    const AssetLocator assets;
    QMenu* stadiums = addMenu(nullptr, view, "Stadiums1", "menu.stadiums");
    for (const VenueInfo& venue : venues()) {
        QAction* city = addAction(stadiums, venue.menuItem, venue.cityKey);
        city->setData(venue.number);
        m_cities.push_back(city);
    }

    // The organiser's items: FIFA1 on the menu itself, the other three under
    // the tournament-site submenu.
    QMenu* worldCup = nullptr;
    for (const OrganizerLink& link : organizerLinks()) {
        QMenu* parent = internet;
        if (link.tag != organizerLinks().front().tag) {
            if (!worldCup) {
                worldCup = addMenu(nullptr, internet, "WorldCup1", "menu.worldCupSite");
                worldCup->menuAction()->setIcon(assets.picture(QString::fromLatin1(WorldCupSitePicture)));
            }
            parent = worldCup;
        }
        QAction* item = addAction(parent, link.menuItem, link.captionKey);
        addLink(item, link.tag);
        if (link.picture)
            item->setIcon(assets.picture(QString::fromLatin1(link.picture)));
    }
    QMenu* federations = addMenu(nullptr, internet, "OfficialFootballSites1", "menu.federationSites");
    federations->menuAction()->setIcon(assets.picture(QString::fromLatin1(FederationSitesPicture)));
    for (const FederationLink& link : federationLinks()) {
        QAction* item = newAction(federations, link.menuItem, QString::fromUtf8(englishTeamName(link.tag)));
        addLink(item, link.tag);
        item->setIcon(assets.picture(QString::fromLatin1(link.picture)));
        // Angola's federation has no page to open.
        item->setEnabled(link.address != nullptr);
        m_teams.push_back(item);
    }
}

void MainMenu::addTournamentVenuesAndLinks(QMenu* view, QMenu* internet)
{
    // The venues by city, as the file names them in every language.
    QMenu* stadiums = addMenu(nullptr, view, "Stadiums1", "menu.stadiums");
    for (size_t v = 0; v < m_tournament.venues.size(); ++v) {
        const Venue& venue = m_tournament.venues[v];
        const std::string name = "Venue" + std::to_string(v + 1);
        QAction* city = newAction(stadiums, name.c_str(), QString::fromStdString(venue.city));
        city->setData(static_cast<int>(v));
        m_cities.push_back(city);
    }
    const OrganizerLink& fifa = organizerLinks().front();
    addLink(addAction(internet, fifa.menuItem, fifa.captionKey), fifa.tag);
    m_tournamentSite = newAction(internet, "TournamentSite1", tournamentSiteCaption(LanguageEnglish));
    m_tournamentSite->setData(QString::fromStdString(m_tournament.link));
    m_tournamentSite->setEnabled(!m_tournament.link.empty());
}

QString MainMenu::tournamentSiteCaption(int languageIndex) const
{
    return QString::fromStdString(fillIn(languageText(languageIndex, "menu.tournamentSite"), std::to_string(m_tournament.year)));
}

QMenu* MainMenu::addMenu(QMenuBar* bar, QMenu* parent, const char* name, const char* key)
{
    QMenu* menu = bar ? bar->addMenu(englishText(key)) : parent->addMenu(englishText(key));
    menu->setObjectName(QString::fromLatin1(name));
    menu->menuAction()->setObjectName(QString::fromLatin1(name));
    m_captioned.push_back({menu->menuAction(), key});
    return menu;
}

QAction* MainMenu::addAction(QWidget* parent, const char* name, const char* key)
{
    QAction* action = newAction(parent, name, englishText(key));
    m_captioned.push_back({action, key});
    return action;
}

QAction* MainMenu::newAction(QWidget* parent, const char* name, const QString& caption)
{
    auto* action = new QAction(caption, parent);
    action->setObjectName(QString::fromLatin1(name));
    parent->addAction(action);
    return action;
}

void MainMenu::addLink(QAction* action, int tag)
{
    action->setData(tag);
    m_links.push_back(action);
}

QAction* MainMenu::action(const char* name) const
{
    auto* found = m_bar->findChild<QAction*>(QString::fromLatin1(name));
    if (!found)
        throw std::out_of_range(std::string("unknown menu item ") + name);
    return found;
}

std::vector<QAction*> MainMenu::offerTournaments(const std::vector<Tournament>& tournaments, const Language& language)
{
    std::vector<QAction*> items;
    for (const Tournament& tournament : tournaments) {
        auto* item = new QAction(tournamentCaption(tournament, language), m_newPrediction);
        item->setObjectName(QString::fromStdString("NewPrediction-" + tournament.id));
        item->setData(QString::fromStdString(tournament.id));
        m_newPrediction->addAction(item);
        m_tournaments.emplace_back(item, &tournament);
        items.push_back(item);
    }
    m_newPrediction->menuAction()->setEnabled(!items.empty());
    return items;
}

void MainMenu::applyLanguage(const Language& language)
{
    for (const auto& [item, tournament] : m_tournaments)
        item->setText(tournamentCaption(*tournament, language));
    for (const Captioned& item : m_captioned)
        item.action->setText(QString::fromStdString(language.text(item.key)));
    for (size_t i = 0; i < m_teams.size(); ++i)
        m_teams[i]->setText(QString::fromStdString(language.teamName(federationLinks()[i].tag)));
    if (m_tournamentSite)
        m_tournamentSite->setText(tournamentSiteCaption(language.index()));
}

}  // namespace tiplark
