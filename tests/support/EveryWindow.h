#pragma once

#include "RecordingServices.h"
#include "document/BoardReports.h"
#include "services/AssetLocator.h"
#include "services/FlagPictures.h"
#include "storage/PoolSettings.h"
#include "tournament/TournamentData.h"
#include "venues/Celebration.h"
#include "venues/VenueTable.h"
#include "venues/WebLinkLauncher.h"
#include "windows/AboutForm.h"
#include "windows/CompareForm.h"
#include "windows/DonationForm.h"
#include "windows/LevelOrderForm.h"
#include "windows/MainForm.h"
#include "windows/OptionsForm.h"
#include "windows/PictureForm.h"
#include "windows/PoolForm.h"
#include "windows/PredictionDialogs.h"
#include "windows/ScheduleForm.h"
#include "windows/StadiumForm.h"
#include "windows/StandingsRulesForm.h"
#include "windows/ThanksForm.h"
#include "windows/VenueListForm.h"
#include "windows/WinnerForm.h"

#include <QString>
#include <QTemporaryDir>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace tiplark::testing {

class NoBrowser : public BrowserLauncher {
public:
    bool open(const std::string&) override { return true; }
};

class NoDialogs : public PredictionDialogs {
public:
    QString chooseExportFile(const QString&, const QString&) override { return {}; }
    QString chooseImportFile(const QString&, const QString&) override { return {}; }
    QStringList choosePoolFiles(const QString&, const QString&, const QStringList&) override { return {}; }
};

// A window of the program and how to build it.
struct WindowMaker {
    QString name;
    std::function<std::unique_ptr<QWidget>()> make;
};

// Every window of the program on one board, in the board's current language,
// for the checks that must hold in each of them: the main window, each
// dialog, each venue, the celebration of the longest champions' names
// cheered and booed, the comparison, and a pool of ranked files, a file never
// saved and a missing one.
class EveryWindow {
public:
    explicit EveryWindow(BoardHarness& h)
        : m_h(h)
        , m_links(m_browser, h.messages, h.cursor)
    {
        const std::string data = TIPLARK_TEST_DATA;
        writePoolChoice(settingsPath(), PoolChoice{{data + "/scoring/real-2006.ini", data + "/report/damaged.ini",
                                                    data + "/report/first-run.ini", data + "/report/gone.ini"},
                                                   true});
    }

    std::vector<WindowMaker> makers()
    {
        MainBoard& main = m_h.main;
        const Language& language = main.language();
        std::vector<WindowMaker> windows = {
            {"main", [&] { return std::make_unique<TMainForm>(main, m_browser, m_folder.path().toStdString() + "/"); }},
            {"options", [&] { return std::make_unique<TOptionsForm>(main, [] { return true; }); }},
            {"schedule",
             [&] {
                 return std::make_unique<TScheduleForm>(language, boardScheduleLines(main));
             }},
            {"ranking criteria", [&] { return std::make_unique<TStandingsRulesForm>(nullptr, language); }},
            {"about", [&] { return std::make_unique<TAboutForm>(nullptr, language, m_links, m_assets); }},
            {"donation", [&] { return std::make_unique<TDonationForm>(nullptr, language, m_links, m_assets); }},
            {"thanks", [&] { return std::make_unique<TThanksForm>(nullptr, language); }},
            {"Valencia", [&] { return std::make_unique<TValenciaForm>(nullptr, m_assets); }},
            {"dedication", [&] { return std::make_unique<TDedicationForm>(nullptr, m_assets); }},
            {"compare",
             [&] {
                 auto compare = std::make_unique<TCompareForm>(language, main.tournament());
                 compare->followBoard(main);
                 return compare;
             }},
            {"pool", [&] { return std::make_unique<TPoolForm>(main, m_dialogs, settingsPath()); }},
            {"level order", [&] { return levelOrderForm(main.preferences().languageIndex); }},
        };
        for (const VenueInfo& venue : venues()) {
            windows.push_back({QStringLiteral("venue %1").arg(venue.number), [&, number = venue.number] {
                                   return std::make_unique<TStadiumForm>(nullptr, language, number, m_links, m_assets);
                               }});
        }
        // Another tournament's venues, which have no pictures, and its champion under a flag.
        windows.push_back({QStringLiteral("venues of 2026"), [&] {
                               return std::make_unique<TVenueListForm>(nullptr, language, m_2026, 0);
                           }});
        windows.push_back({QStringLiteral("celebration with a flag"), [&] {
                               const std::string team = "Bosnia and Herzegovina";
                               const Celebration celebration =
                                   ChampionClick(team, team, language.text("champion.congratulations"));
                               return std::make_unique<TWinnerForm>(
                                   nullptr, celebration, m_assets, false, QString::fromStdString(language.text("champion.trophy")),
                                   FlagPictures(m_assets).pixmap(QStringLiteral("BIH"), QSize(96, 64)),
                                   QString::fromStdString(team));
                           }});
        for (const std::string& team : longestTeamNames(language, 3)) {
            for (const bool favourite : {true, false}) {
                const QString mood = favourite ? QStringLiteral("cheering ") : QStringLiteral("booing ");
                windows.push_back({mood + QString::fromStdString(team), [&, team, favourite] {
                                       const Celebration celebration = ChampionClick(
                                           team, favourite ? team : "", language.text("champion.congratulations"));
                                       return std::make_unique<TWinnerForm>(
                                           nullptr, celebration, m_assets, false,
                                           QString::fromStdString(language.text("champion.trophy")));
                                   }});
            }
        }
        return windows;
    }

    WebLinkLauncher& links() { return m_links; }
    const AssetLocator& assets() const { return m_assets; }

private:
    std::string settingsPath() const { return m_folder.filePath(QStringLiteral("Tiplark.ini")).toStdString(); }

    static std::vector<std::string> longestTeamNames(const Language& language, size_t count)
    {
        std::vector<std::string> names;
        for (int team = 1; team <= TeamCount; ++team)
            names.push_back(language.teamName(team));
        std::stable_sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
            return QString::fromStdString(a).size() > QString::fromStdString(b).size();
        });
        names.resize(count);
        return names;
    }

    // The order of 2018's group H, Senegal and Japan level on the real
    // scores, on a board of that edition in the same language.
    std::unique_ptr<QWidget> levelOrderForm(int language)
    {
        if (!m_levelBoard) {
            m_levelBoard = std::make_unique<EditionHarness>("worldcup-2018");
            m_levelBoard->typeRealGroupScores();
        }
        MainBoard& main = m_levelBoard->main;
        main.preferences().languageIndex = language;
        main.ApplyLanguage();
        return std::make_unique<TLevelOrderForm>(
            main.language(), *LevelOrderModel::forMark(main, main.controls().groups[7].levelMark));
    }

    BoardHarness& m_h;
    const Tournament m_2026 = shippedTournament("worldcup-2026");
    std::unique_ptr<EditionHarness> m_levelBoard;
    NoBrowser m_browser;
    NoDialogs m_dialogs;
    WebLinkLauncher m_links;
    AssetLocator m_assets;
    QTemporaryDir m_folder;
};

}  // namespace tiplark::testing
