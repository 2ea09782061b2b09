#pragma once

#include <QObject>
#include <QString>

#include <utility>
#include <vector>

class QAction;
class QMenu;
class QMenuBar;

namespace tiplark {

class Language;
struct Tournament;

// The main window's menu bar: File (with New Prediction for, the tournaments
// offered), Edit (Undo, Redo), View (with the venues), Options, Internet
// Links (with the organiser and federation pages), About and the donation
// item. Every action and submenu is named after its item (Save1, Stadiums1,
// OfficialFootballSites1); city and link items carry their tag as data.
// Another tournament than 2006 lists its own venues (Venue1 .., the venue's
// index as data) and links its official page (TournamentSite1) instead of
// the 2006 pages.
class MainMenu : public QObject {
    Q_OBJECT

public:
    // The tournament must outlive the menu.
    MainMenu(QMenuBar* bar, const Tournament& tournament);

    // Throws std::out_of_range for a name the menu does not have.
    QAction* action(const char* name) const;
    // Berlin1 .. Stuttgart1, tags 100 .. 111; Venue1 .. for another tournament.
    const std::vector<QAction*>& cityActions() const { return m_cities; }
    // FIFA1, OfficialSite1, Rules1, OrganizingCommittee1 and the 32 team items.
    const std::vector<QAction*>& linkActions() const { return m_links; }
    // The official page of another tournament than 2006; nullptr for 2006.
    QAction* tournamentSite() const { return m_tournamentSite; }

    // Fills File > New Prediction for with one item per tournament (its
    // name, year and number of teams), each with the tournament's id as data,
    // and returns them; the tournaments must outlive the menu.
    std::vector<QAction*> offerTournaments(const std::vector<Tournament>& tournaments, const Language& language);

    // Captions from the current language's texts (city names among them) and team names.
    void applyLanguage(const Language& language);

private:
    struct Captioned {
        QAction* action;
        const char* key;
    };

    // Items whose caption is the text of `key`, English until a language is applied.
    QMenu* addMenu(QMenuBar* bar, QMenu* parent, const char* name, const char* key);
    QAction* addAction(QWidget* parent, const char* name, const char* key);
    QAction* newAction(QWidget* parent, const char* name, const QString& caption);
    void addLink(QAction* action, int tag);
    void addOwnVenuesAndLinks(QMenu* view, QMenu* internet);
    void addTournamentVenuesAndLinks(QMenu* view, QMenu* internet);
    QString tournamentSiteCaption(int languageIndex) const;

    QMenuBar* m_bar;
    const Tournament& m_tournament;
    QAction* m_tournamentSite = nullptr;
    std::vector<Captioned> m_captioned;
    std::vector<QAction*> m_cities;
    std::vector<QAction*> m_teams;
    std::vector<QAction*> m_links;
    QMenu* m_newPrediction = nullptr;
    std::vector<std::pair<QAction*, const Tournament*>> m_tournaments;
};

}  // namespace tiplark
