#include "windows/MainMenu.h"

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

// The design-time caption of an item whose caption follows the language.
const char* englishText(const char* key)
{
    return languageText(LanguageEnglish, key).c_str();
}

}  // namespace

MainMenu::MainMenu(QMenuBar* bar)
    : QObject(bar)
    , m_bar(bar)
{
    const AssetLocator assets;
    QMenu* file = addMenu(bar, nullptr, "File1", "menu.file", "&File");
    addAction(file, "Clear1", "menu.clear", "&Clear");
    addAction(file, "Save1", "menu.save", "&Save");
    addAction(file, "Report1", "menu.printReport", "&Print Report");
    file->addSeparator();
    addAction(file, "ExportPrediction1", "menu.exportPrediction", englishText("menu.exportPrediction"));
    addAction(file, "ImportPrediction1", "menu.importPrediction", englishText("menu.importPrediction"));
    addAction(file, "FillInRealResults1", "menu.fillInReal", englishText("menu.fillInReal"));
    file->addSeparator();
    addAction(file, "Exit1", "menu.exit", "&Exit");

    QMenu* edit = addMenu(bar, nullptr, "Edit1", "menu.edit", englishText("menu.edit"));
    QAction* undo = addAction(edit, "Undo1", "menu.undo", "&Undo");
    undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    QAction* redo = addAction(edit, "Redo1", "menu.redo", "&Redo");
    // Both of the usual keys, whatever the desktop's own habit.
    redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});

    QMenu* view = addMenu(bar, nullptr, "View1", "menu.view", "&View");
    addAction(view, "Schedule1", "menu.schedule", "&Game Schedule");
    addAction(view, "RankingCriteria1", "menu.rankingCriteria", "Ranking &Criteria");
    addAction(view, "CompareRealResults1", "menu.compare", englishText("menu.compare"));
    addAction(view, "PredictionPool1", "menu.pool", englishText("menu.pool"));
    QMenu* stadiums = addMenu(nullptr, view, "Stadiums1", "menu.stadiums", "S&tadiums");
    for (const VenueInfo& venue : venues()) {
        QAction* city = addAction(stadiums, venue.menuItem, venue.cityKey, englishText(venue.cityKey));
        city->setData(venue.number);
        m_cities.push_back(city);
    }

    addAction(bar, "Options1", "menu.options", "O&ptions");

    // The organiser's items: FIFA1 on the menu itself, the other three under
    // the tournament-site submenu.
    QMenu* internet = addMenu(bar, nullptr, "Internet1", "menu.internetLinks", "&Internet Links");
    QMenu* worldCup = nullptr;
    for (const OrganizerLink& link : organizerLinks()) {
        QMenu* parent = internet;
        if (link.tag != organizerLinks().front().tag) {
            if (!worldCup) {
                worldCup = addMenu(nullptr, internet, "WorldCup1", "menu.worldCupSite", "2006 FIFA &World Cup Germany");
                worldCup->menuAction()->setIcon(assets.picture(QString::fromLatin1(WorldCupSitePicture)));
            }
            parent = worldCup;
        }
        QAction* item = addLink(parent, link.menuItem, link.captionKey, englishText(link.captionKey), link.tag);
        if (link.picture)
            item->setIcon(assets.picture(QString::fromLatin1(link.picture)));
    }
    QMenu* federations = addMenu(nullptr, internet, "OfficialFootballSites1", "menu.federationSites",
                                 "Official Footba&ll Federations Sites");
    federations->menuAction()->setIcon(assets.picture(QString::fromLatin1(FederationSitesPicture)));
    for (const FederationLink& link : federationLinks()) {
        QAction* item = addLink(federations, link.menuItem, nullptr, englishTeamName(link.tag), link.tag);
        item->setIcon(assets.picture(QString::fromLatin1(link.picture)));
        // Angola's federation has no page to open.
        item->setEnabled(link.address != nullptr);
        m_teams.push_back(item);
    }

    addAction(bar, "About1", "menu.about", "&About");
    addAction(bar, "MakeaDonation1", "menu.donate", "Make a &Donation!");
}

QMenu* MainMenu::addMenu(QMenuBar* bar, QMenu* parent, const char* name, const char* key, const char* caption)
{
    QMenu* menu = bar ? bar->addMenu(QString::fromUtf8(caption)) : parent->addMenu(QString::fromUtf8(caption));
    menu->setObjectName(QString::fromLatin1(name));
    menu->menuAction()->setObjectName(QString::fromLatin1(name));
    m_captioned.push_back({menu->menuAction(), key});
    return menu;
}

QAction* MainMenu::addAction(QWidget* parent, const char* name, const char* key, const char* caption)
{
    auto* action = new QAction(QString::fromUtf8(caption), parent);
    action->setObjectName(QString::fromLatin1(name));
    parent->addAction(action);
    if (key)
        m_captioned.push_back({action, key});
    return action;
}

QAction* MainMenu::addLink(QMenu* menu, const char* name, const char* key, const char* caption, int tag)
{
    QAction* action = addAction(menu, name, key, caption);
    action->setData(tag);
    m_links.push_back(action);
    return action;
}

QAction* MainMenu::action(const char* name) const
{
    auto* found = m_bar->findChild<QAction*>(QString::fromLatin1(name));
    if (!found)
        throw std::out_of_range(std::string("unknown menu item ") + name);
    return found;
}

void MainMenu::applyLanguage(const Language& language)
{
    for (const Captioned& item : m_captioned)
        item.action->setText(QString::fromStdString(language.text(item.key)));
    for (size_t i = 0; i < m_teams.size(); ++i)
        m_teams[i]->setText(QString::fromStdString(language.teamName(federationLinks()[i].tag)));
}

}  // namespace tiplark
