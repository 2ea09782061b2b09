// The windows around the board on a board of every shipped tournament:
// the comparison, the pool, the schedule, the venues, the celebration and
// the menu's venues and links.
#include "windows/CompareForm.h"
#include "windows/MainMenu.h"
#include "windows/PoolForm.h"
#include "windows/PredictionDialogs.h"
#include "windows/ScheduleForm.h"
#include "windows/VenueListForm.h"
#include "windows/WinnerForm.h"

#include "NextModal.h"
#include "RecordingServices.h"
#include "document/BoardReports.h"
#include "i18n/LanguageTables.h"
#include "i18n/TournamentNames.h"
#include "scoring/PredictionFiles.h"
#include "scoring/RealResults.h"
#include "storage/PoolSettings.h"

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <fstream>
#include <memory>
#include <string>
#include <vector>

namespace tiplark {
namespace {

struct Edition {
    const char* id;
    const char* champion;  // its code
    int maximum;
    int venues;
};

const Edition Editions[] = {
    {"worldcup-2006", "ITA", 314, 12}, {"worldcup-2010", "ESP", 314, 10}, {"worldcup-2014", "GER", 314, 12},
    {"worldcup-2018", "FRA", 314, 12}, {"worldcup-2022", "ARG", 314, 8},  {"worldcup-2026", "ESP", 536, 16},
};

class FileDialogs : public PredictionDialogs {
public:
    QString chooseExportFile(const QString&, const QString&) override { return {}; }
    QString chooseImportFile(const QString&, const QString&) override { return {}; }
    QStringList choosePoolFiles(const QString&, const QString&, const QStringList&) override { return files; }
    QStringList files;
};

void write(const QString& path, const std::string& text)
{
    std::ofstream(path.toStdString(), std::ios::binary) << text;
}

}  // namespace

class EditionWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void compareFollowsTheBoardOfEveryEdition();
    void poolRanksItsOwnFilesAndRefusesOthers();
    void scheduleShowsTheKickOffInTheChosenZone();
    void venuesAndLinksOfAnotherEdition();
    void celebrationOfEveryRealChampion();
};

void EditionWindowsTest::compareFollowsTheBoardOfEveryEdition()
{
    for (const Edition& edition : Editions) {
        testing::EditionHarness h(edition.id);
        TCompareForm compare(h.main.language(), h.tournament);
        compare.followBoard(h.main);
        auto* table = compare.findChild<QTableWidget*>(QStringLiteral("CompareTable"));
        auto* total = compare.findChild<QLabel*>(QStringLiteral("CompareTotal"));
        QCOMPARE(table->rowCount(), h.tournament.matchCount());
        QCOMPARE(total->text(), QStringLiteral("Total: 0 of %1").arg(edition.maximum));
        FillInRealResults(h.main);
        QCOMPARE(total->text(), QStringLiteral("Total: %1 of %1").arg(edition.maximum));
        QCOMPARE(table->item(table->rowCount() - 1, 0)->text(), QStringLiteral("Final"));
        QCOMPARE(table->item(table->rowCount() - 1, 3)->text(), QStringLiteral("4"));
        // One label per stage, the champion's last with its six points.
        const int stages = edition.maximum == 536 ? 6 : 5;
        auto* champion = compare.findChild<QLabel*>(QStringLiteral("CompareStage%1").arg(stages));
        QVERIFY2(champion, edition.id);
        QCOMPARE(champion->text(), QStringLiteral("6 / 6"));
        QVERIFY(!compare.findChild<QLabel*>(QStringLiteral("CompareStage%1").arg(stages + 1)));
    }
}

void EditionWindowsTest::poolRanksItsOwnFilesAndRefusesOthers()
{
    QTemporaryDir folder;
    const QString real2022 = folder.filePath(QStringLiteral("real-2022.ini"));
    const QString real2026 = folder.filePath(QStringLiteral("real-2026.ini"));
    const QString real2006 = folder.filePath(QStringLiteral("real-2006.ini"));
    testing::EditionHarness h("worldcup-2022");
    write(real2022, realPredictionsText(h.tournament));
    write(real2026, realPredictionsText(testing::shippedTournament("worldcup-2026")));
    write(real2006, realPredictionsText(testing::worldCup2006()));

    FileDialogs dialogs;
    dialogs.files = {real2026, real2022, real2006};
    const std::string settings = folder.filePath(QStringLiteral("settings.ini")).toStdString();
    for (int language = 0; language < LanguageCount; ++language) {
        writePoolChoice(settings, PoolChoice{{}, true});
        h.main.preferences().languageIndex = language;
        h.main.ApplyLanguage();
        TPoolForm pool(h.main, dialogs, settings);
        pool.findChild<QPushButton*>(QStringLiteral("ChooseButton"))->click();
        auto* table = pool.findChild<QTableWidget*>(QStringLiteral("PoolTable"));
        QCOMPARE(table->rowCount(), 4);
        QCOMPARE(table->item(0, 1)->text(), QStringLiteral("real-2022"));
        QCOMPARE(table->item(0, 2)->data(Qt::DisplayRole).toInt(), 314);
        QCOMPARE(table->item(0, 4)->text(),
                 QString::fromStdString(tournamentTeamName(language, h.tournament, h.tournament.teamIndex("ARG"))));
        QCOMPARE(table->item(1, 0)->data(Qt::DisplayRole).toInt(), 2);
        // The files of other tournaments follow, unranked, saying which they are.
        for (const int row : {2, 3}) {
            const QString id = table->item(row, 1)->text() == QLatin1String("real-2026") ? QStringLiteral("worldcup-2026")
                                                                                         : QStringLiteral("worldcup-2006");
            QCOMPARE(table->item(row, 0)->text(), QStringLiteral("-"));
            QCOMPARE(table->item(row, 2)->text(),
                     QString::fromStdString(fillIn(languageText(language, "pool.otherTournament"), id.toStdString())));
        }
    }
}

void EditionWindowsTest::scheduleShowsTheKickOffInTheChosenZone()
{
    testing::EditionHarness h("worldcup-2026");
    // GMT-0: the opening match in Mexico City at 13:00 local time is 19:00 UTC.
    h.main.preferences().zoneShift = -1.0 / 24;
    TScheduleForm schedule(h.main.language(), boardScheduleLines(h.main));
    auto* list = schedule.findChild<QListWidget*>(QStringLiteral("ScheduleLB"));
    QCOMPARE(list->count(), 104);
    const QString opening = list->item(0)->text();
    QVERIFY2(opening.contains(QLatin1String("11/06/2026 (Thursday) 19:00")), qPrintable(opening));
    QVERIFY2(opening.contains(QLatin1String("Mexico - South Africa")), qPrintable(opening));
    QVERIFY2(opening.endsWith(QLatin1String("Mexico City")), qPrintable(opening));
    QVERIFY(!list->accessibleName().isEmpty());
}

void EditionWindowsTest::venuesAndLinksOfAnotherEdition()
{
    for (const Edition& edition : Editions) {
        testing::EditionHarness h(edition.id);
        QMenuBar bar;
        MainMenu menu(&bar, h.tournament);
        menu.applyLanguage(h.main.language());
        QCOMPARE(static_cast<int>(menu.cityActions().size()), edition.venues);
        if (h.tournament.id == "worldcup-2006") {
            QVERIFY(!menu.tournamentSite());
            continue;
        }
        QVERIFY(menu.tournamentSite());
        QCOMPARE(menu.tournamentSite()->text(),
                 QStringLiteral("&Official Page of the %1 World Cup").arg(h.tournament.year));
        QCOMPARE(menu.cityActions().front()->text(), QString::fromStdString(h.tournament.venues.front().city));

        TVenueListForm venues(nullptr, h.main.language(), h.tournament, edition.venues - 1);
        auto* table = venues.findChild<QTableWidget*>(QStringLiteral("VenueTable"));
        QCOMPARE(table->rowCount(), edition.venues);
        QCOMPARE(table->currentRow(), edition.venues - 1);
        QVERIFY(!table->accessibleName().isEmpty());
        QVERIFY(!venues.findChild<QPushButton*>(QStringLiteral("CloseButton"))->accessibleName().isEmpty());
        int matches = 0;
        for (int row = 0; row < table->rowCount(); ++row) {
            QVERIFY(!table->item(row, 0)->text().isEmpty());
            matches += table->item(row, 3)->text().toInt();
        }
        QCOMPARE(matches, h.tournament.matchCount());
    }
}

void EditionWindowsTest::celebrationOfEveryRealChampion()
{
    for (const Edition& edition : Editions) {
        testing::EditionHarness h(edition.id);
        FillInRealResults(h.main);
        const std::string champion =
            tournamentTeamName(LanguageEnglish, h.tournament, h.tournament.teamIndex(edition.champion));
        QString winner;
        bool flag = false;
        QString flagName;
        testing::NextModal answer([&](QWidget* window) {
            winner = window->findChild<QLabel*>(QStringLiteral("WinnerLbl"))->text();
            if (auto* picture = window->findChild<QLabel*>(QStringLiteral("FlagImage"))) {
                flag = !picture->pixmap().isNull();
                flagName = picture->accessibleName();
            }
            static_cast<QDialog*>(window)->accept();
        });
        showCelebrationWindow(nullptr, h.main);
        QVERIFY2(answer.answered(), edition.id);
        QVERIFY2(winner.startsWith(QString::fromStdString(champion).toUpper()), qPrintable(winner));
        // The 2006 board celebrates with its trophies alone, every other with the champion's flag.
        QCOMPARE(flag, h.tournament.id != "worldcup-2006");
        if (flag)
            QCOMPARE(flagName, QStringLiteral("Flag of %1").arg(QString::fromStdString(champion)));
    }
}

}  // namespace tiplark

QTEST_MAIN(tiplark::EditionWindowsTest)
#include "EditionWindowsTest.moc"
