#include "windows/MainMenu.h"

#include "i18n/Language.h"
#include "tournament/TournamentData.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include <array>
#include <stdexcept>
#include <string>

namespace tiplark {
namespace {

constexpr int FirstVenueTag = 100;
constexpr std::array<const char*, 12> Cities = {
    "Berlin", "Cologne", "Dortmund", "Frankfurt", "Gelsenkirchen", "Hamburg",
    "Hanover", "Kaiserslautern", "Leipzig", "Munich", "Nuremberg", "Stuttgart"};

// Federation items by team number 1..32.
constexpr std::array<const char*, TeamCount> TeamItems = {
    "ANGOLA1", "Argentina1", "Australia1", "Brazil1", "CostaRica1", "Croatia1", "CzechRepublic1", "Ecuador1",
    "England1", "France1", "Germany1", "Ghana1", "Iran1", "Italy1", "IvoryCoast1", "Japan1",
    "KoreaRepublic1", "Mexico1", "Netherlands1", "Paraguay1", "Poland1", "Portugal1", "SaudiArabia1", "Serbia1",
    "Spain1", "Sweeden1", "Switzerland1", "Togo1", "Trinidad1", "Tunisia1", "Ukraine1", "Usa1"};

// Angola's federation has no page to open.
constexpr int TeamWithoutSite = 1;

}  // namespace

MainMenu::MainMenu(QMenuBar* bar)
    : QObject(bar)
    , m_bar(bar)
{
    QMenu* file = addMenu(bar, nullptr, "File1", "menu.file", "&File");
    addAction(file, "Clear1", "menu.clear", "&Clear");
    addAction(file, "Save1", "menu.save", "&Save");
    addAction(file, "Report1", "menu.printReport", "&Print Report");
    file->addSeparator();
    addAction(file, "Exit1", "menu.exit", "&Exit");

    QMenu* view = addMenu(bar, nullptr, "View1", "menu.view", "&View");
    addAction(view, "Schedule1", "menu.schedule", "&Game Schedule");
    addAction(view, "RankingCriteria1", "menu.rankingCriteria", "Ranking &Criteria");
    QMenu* stadiums = addMenu(nullptr, view, "Stadiums1", "menu.stadiums", "S&tadiums");
    for (size_t i = 0; i < Cities.size(); ++i) {
        QAction* city = stadiums->addAction(QString::fromLatin1(Cities[i]));
        city->setObjectName(QString::fromLatin1(Cities[i]) + QLatin1Char('1'));
        city->setData(FirstVenueTag + static_cast<int>(i));
        m_cities.push_back(city);
    }

    addAction(bar, "Options1", "menu.options", "O&ptions");

    QMenu* internet = addMenu(bar, nullptr, "Internet1", "menu.internetLinks", "&Internet Links");
    addLink(internet, "FIFA1", "menu.fifaSite", "F&IFA Official Site", 50);
    QMenu* worldCup = addMenu(nullptr, internet, "WorldCup1", "menu.worldCupSite", "2006 FIFA &World Cup Germany");
    addLink(worldCup, "OfficialSite1", "menu.officialSite", "Offi&cial Site", 51);
    addLink(worldCup, "Rules1", "menu.regulations", "Re&gulations", 52);
    addLink(worldCup, "OrganizingCommittee1", "menu.organizingCommittee", "&Organizing Committee", 53);
    QMenu* federations = addMenu(nullptr, internet, "OfficialFootballSites1", "menu.federationSites",
                                 "Official Footba&ll Federations Sites");
    for (int team = 1; team <= TeamCount; ++team) {
        QAction* item = addLink(federations, TeamItems[static_cast<size_t>(team - 1)], nullptr, englishTeamName(team), team);
        item->setEnabled(team != TeamWithoutSite);
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
    for (size_t i = 0; i < m_cities.size(); ++i)
        m_cities[i]->setText(QString::fromStdString(language.text(std::string("city.") + Cities[i])));
    for (int team = 1; team <= TeamCount; ++team)
        m_teams[static_cast<size_t>(team - 1)]->setText(QString::fromStdString(language.teamName(team)));
}

}  // namespace tiplark
