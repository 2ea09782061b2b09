// Choosing a tournament or a predictions file in the running program: the
// board and window swapped, each tournament's own file, the last one
// reopened at the next start, and nothing changed for a user who never chooses.
#include "windows/MainWindowHost.h"

#include "RecordingServices.h"
#include "TemporaryFolder.h"
#include "TournamentFiles.h"
#include "document/BoxTexts.h"
#include "document/TournamentPredictionsFile.h"
#include "engine/TournamentFolders.h"
#include "i18n/LanguageTables.h"
#include "storage/LastPrediction.h"
#include "windows/MainForm.h"

#include <QAction>
#include <QApplication>
#include <QtTest>

#include <filesystem>
#include <memory>
#include <string>

namespace tiplark {
namespace {

using testing::readBytes;
using testing::writeBytes;

class NoBrowser : public BrowserLauncher {
public:
    bool open(const std::string&) override { return true; }
};

// File > Open Prediction answered with a prepared file.
class OpenAnswer : public PredictionDialogs {
public:
    QString chooseExportFile(const QString&, const QString&) override { return {}; }
    QString chooseImportFile(const QString&, const QString&) override { return path; }
    QStringList choosePoolFiles(const QString&, const QString&, const QStringList&) override { return {}; }
    QString path;
};

// A tournament's real results as its predictions file, favourite and all.
std::string realResultsFile(const Tournament& tournament, const std::string& favorite)
{
    TournamentPredictions real{Prediction::real(tournament), {}, {}};
    real.preferences.firstRun = false;
    real.preferences.favoriteTeam = favorite;
    return tournamentPredictionsText(tournament, real, "");
}

}  // namespace

class MainWindowHostTest : public QObject {
    Q_OBJECT

private:
    testing::RecordingMessageService m_messages;
    testing::RecordingCursorService m_cursor;
    FixedDateTimeFormat m_dates;
    NoBrowser m_browser;
    OpenAnswer m_dialogs;
    std::unique_ptr<testing::TemporaryFolder> m_folder;
    std::unique_ptr<MainWindowHost> m_host;
    std::string m_tiplarkIni;

    std::string file(const std::string& name) const { return m_folder->file(name); }
    bool start()
    {
        m_host = std::make_unique<MainWindowHost>(TournamentCatalog({TIPLARK_TOURNAMENTS}),
                                                  Services{m_messages, m_cursor, m_dates}, m_browser,
                                                  m_folder->path().string() + "/");
        m_host->setPredictionDialogs(m_dialogs);
        return m_host->start();
    }
    // Picks a menu item of the window as the user does; the host swaps
    // windows once the item's handler has returned.
    void trigger(const QString& item)
    {
        auto* action = m_host->window().findChild<QAction*>(item);
        QVERIFY2(action, qPrintable(item));
        action->trigger();
        QCoreApplication::processEvents();
    }
    const Tournament& tournament(const char* id) const { return *m_host->catalog().find(id); }
    std::string sessionFile() const { return lastPredictionSessionPath(m_tiplarkIni); }

private slots:
    void init()
    {
        m_folder = std::make_unique<testing::TemporaryFolder>();
        m_tiplarkIni = file("Tiplark.ini");
        writeBytes(m_tiplarkIni, readBytes(testing::testData("predictions/complete-board.ini")));
        m_messages = {};
        m_dialogs.path.clear();
    }
    void cleanup() { m_host.reset(); }

    void aUserWhoNeverChoosesFindsEverythingAsEver()
    {
        const std::string before = readBytes(m_tiplarkIni);
        QVERIFY(start());
        QCOMPARE(m_host->board().tournament().id, std::string(DefaultTournamentId));
        QCOMPARE(m_host->window().predictionsPath(), m_tiplarkIni);
        QCOMPARE(m_host->window().windowTitle(), QStringLiteral("Tiplark - Allemagne"));
        m_host.reset();
        QCOMPARE(readBytes(m_tiplarkIni), before);
        QVERIFY(!std::filesystem::exists(sessionFile()));
        QCOMPARE(std::distance(std::filesystem::directory_iterator(m_folder->path()), {}), 1);
    }

    void choosingATournamentOpensItsBoardAndItsFile_data()
    {
        QTest::addColumn<QString>("id");
        QTest::addColumn<QString>("fileName");
        for (const std::string& id : testing::shippedTournamentIds()) {
            const std::string year = id.substr(id.size() - 4);
            QTest::newRow(id.c_str()) << QString::fromStdString(id)
                                      << QString::fromStdString(id == DefaultTournamentId ? "Tiplark.ini" : "Tiplark-" + year + ".ini");
        }
    }
    void choosingATournamentOpensItsBoardAndItsFile()
    {
        QFETCH(QString, id);
        QFETCH(QString, fileName);
        QVERIFY(start());
        trigger("NewPrediction-" + id);
        const std::string path = file(fileName.toStdString());
        QCOMPARE(QString::fromStdString(m_host->board().tournament().id), id);
        QCOMPARE(m_host->window().predictionsPath(), path);
        QVERIFY(m_host->window().windowTitle().startsWith(QStringLiteral("Tiplark - ")));
        QCOMPARE(readLastPrediction(m_tiplarkIni), std::optional<std::string>(path));
        if (id.toStdString() == DefaultTournamentId)
            return;
        // Written at once, in the language of the board the user came from.
        const std::string written = readBytes(path);
        QVERIFY(written.rfind("[TOURNAMENT]\r\nId=" + id.toStdString() + "\r\n", 0) == 0);
        QVERIFY(written.find("\r\nLanguage=2\r\n") != std::string::npos);
        QVERIFY(written.find("\r\nFirstTime=0\r\n") != std::string::npos);
        QVERIFY(m_host->window().windowTitle().endsWith(QString::number(m_host->board().tournament().year)));
        QVERIFY(m_messages.errors.empty());
    }

    // Scores, shoot-outs, level orders and the favourite saved by the window
    // come back at the next start, which reopens the last tournament.
    void aPredictionRoundTripsThroughTheWindowAndTheNextStart()
    {
        QVERIFY(start());
        QVERIFY(m_host->newPrediction("worldcup-2026"));
        MainBoard& board = m_host->board();
        const Prediction real = Prediction::real(board.tournament());
        setBoxes(board.board(), predictionBoxTexts(board.controls(), board.tournament(), real));
        board.preferences().favoriteIndex = 5;
        m_host->window().SaveButtonClick();
        m_host.reset();

        QVERIFY(start());
        QCOMPARE(m_host->board().tournament().id, std::string("worldcup-2026"));
        QVERIFY(m_host->board().rules().play().prediction() == real);
        QCOMPARE(m_host->board().preferences().favoriteIndex, 5);
        QVERIFY(!m_host->board().history().canUndo());
    }

    void theLastFileIsReopenedOnlyWhileItLoads()
    {
        QVERIFY(rememberLastPrediction(m_tiplarkIni, file("Tiplark-2026.ini")));
        QVERIFY(start());
        QCOMPARE(m_host->board().tournament().id, std::string(DefaultTournamentId));
        QCOMPARE(m_host->window().predictionsPath(), m_tiplarkIni);
        QVERIFY(m_messages.errors.empty());
    }

    void aDamagedFileIsBackedUpAtTheWindowsSave()
    {
        const std::string path = file("Tiplark-2026.ini");
        QVERIFY(start());
        const std::string damaged =
            testing::replaced(realResultsFile(tournament("worldcup-2026"), "MEX"), "MEX-RSA=", "MEX-RSA=9:");
        writeBytes(path, damaged);
        QVERIFY(m_host->newPrediction("worldcup-2026"));
        m_host->window().SaveButtonClick();
        QCOMPARE(readBytes(path + ".1.bak"), damaged);
        QCOMPARE(m_messages.information.size(), size_t(1));
    }

    void openPredictionShowsTheTournamentTheFileNames()
    {
        const std::string elsewhere = file("friend's 2026.ini");
        QVERIFY(start());
        writeBytes(elsewhere, realResultsFile(tournament("worldcup-2026"), "CAN"));
        m_dialogs.path = QString::fromStdString(elsewhere);
        trigger("OpenPrediction1");
        QCOMPARE(m_host->board().tournament().id, std::string("worldcup-2026"));
        QCOMPARE(m_host->window().predictionsPath(), elsewhere);
        QVERIFY(m_host->board().rules().play().prediction() == Prediction::real(m_host->board().tournament()));
        QCOMPARE(readLastPrediction(m_tiplarkIni), std::optional<std::string>(elsewhere));

        // Tiplark.ini opens on the 2006 board again.
        m_dialogs.path = QString::fromStdString(m_tiplarkIni);
        trigger("OpenPrediction1");
        QCOMPARE(m_host->board().tournament().id, std::string(DefaultTournamentId));
    }

    void aFileThatCannotBeOpenedLeavesTheBoard()
    {
        const std::string unknown = file("unknown.ini");
        writeBytes(unknown, "[TOURNAMENT]\nId=worldcup-1930\n");
        QVERIFY(start());
        MainBoard* before = &m_host->board();
        for (const std::string& path : {unknown, file("missing.ini")}) {
            QVERIFY(!m_host->openPrediction(path));
            QCOMPARE(&m_host->board(), before);
        }
        QCOMPARE(m_messages.errors.size(), size_t(2));
        QVERIFY(m_messages.errors[0].find("worldcup-1930") != std::string::npos);
        QVERIFY(!std::filesystem::exists(sessionFile()));
    }

    // Unsaved changes are asked about as at exit: Cancel stays, Yes saves first.
    void switchingAsksToSaveUnsavedChanges()
    {
        QVERIFY(start());
        m_host->board().userEdit(m_host->board().controls().groups[0].score[0][0], "7");
        m_messages.answers = {DialogResult::Cancel};
        QVERIFY(!m_host->newPrediction("worldcup-2022"));
        QCOMPARE(m_host->board().tournament().id, std::string(DefaultTournamentId));
        QCOMPARE(m_messages.questions.size(), size_t(1));
        QCOMPARE(m_messages.questions[0], languageText(LanguageFrench, "msg.saveBeforeSwitch"));

        m_messages.answers = {DialogResult::Yes};
        QVERIFY(m_host->newPrediction("worldcup-2022"));
        QVERIFY(readBytes(m_tiplarkIni).find("\nGame1=7-1\n") != std::string::npos);
        // Nothing changed on the new board: back without a question.
        QVERIFY(m_host->newPrediction("worldcup-2006"));
        QCOMPARE(m_messages.questions.size(), size_t(2));
    }
};

}  // namespace tiplark

QTEST_MAIN(tiplark::MainWindowHostTest)
#include "MainWindowHostTest.moc"
