#pragma once

#include <QObject>

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
class MainMenu : public QObject {
    Q_OBJECT

public:
    explicit MainMenu(QMenuBar* bar);

    // Throws std::out_of_range for a name the menu does not have.
    QAction* action(const char* name) const;
    // Berlin1 .. Stuttgart1, tags 100 .. 111.
    const std::vector<QAction*>& cityActions() const { return m_cities; }
    // FIFA1, OfficialSite1, Rules1, OrganizingCommittee1 and the 32 team items.
    const std::vector<QAction*>& linkActions() const { return m_links; }

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

    QMenuBar* m_bar;
    std::vector<Captioned> m_captioned;
    std::vector<QAction*> m_cities;
    std::vector<QAction*> m_teams;
    std::vector<QAction*> m_links;
    QMenu* m_newPrediction = nullptr;
    std::vector<std::pair<QAction*, const Tournament*>> m_tournaments;
};

}  // namespace tiplark
