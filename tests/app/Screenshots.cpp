// Renders the main window (empty and complete, in each language), every
// dialog, the comparison and pool windows and both celebration layouts to PNG files, for people to look at.
//   tiplark_screenshots OUTPUT_FOLDER
#include "windows/MainForm.h"

#include "RecordingServices.h"
#include "TemporaryFolder.h"
#include "document/PredictionsFile.h"
#include "document/TournamentPredictionsFile.h"
#include "i18n/LanguageTables.h"
#include "report/ScheduleLines.h"
#include "storage/PoolSettings.h"
#include "venues/Celebration.h"
#include "windows/AboutForm.h"
#include "windows/CompareForm.h"
#include "windows/DonationForm.h"
#include "windows/OptionsForm.h"
#include "windows/PictureForm.h"
#include "windows/PoolForm.h"
#include "windows/MainWindowHost.h"
#include "windows/PredictionDialogs.h"
#include "windows/ScheduleForm.h"
#include "windows/StadiumForm.h"
#include "windows/StandingsRulesForm.h"
#include "windows/ThanksForm.h"
#include "windows/WinnerForm.h"

#include <QApplication>
#include <QMenu>
#include <QPalette>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <cstdio>
#include <utility>

namespace tiplark {
namespace {

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

constexpr const char* LanguageNames[] = {"English", "Spanish", "French", "German"};

QPalette darkPalette()
{
    QPalette dark;
    for (const auto& [role, colour] : {std::pair{QPalette::Window, QColor(0x35, 0x35, 0x35)},
                                       {QPalette::Base, QColor(0x2a, 0x2a, 0x2a)},
                                       {QPalette::Button, QColor(0x35, 0x35, 0x35)},
                                       {QPalette::Highlight, QColor(0x2a, 0x82, 0xda)},
                                       {QPalette::WindowText, QColor(Qt::white)},
                                       {QPalette::Text, QColor(Qt::white)},
                                       {QPalette::ButtonText, QColor(Qt::white)},
                                       {QPalette::HighlightedText, QColor(Qt::white)}})
        dark.setColor(role, colour);
    return dark;
}

class Renderer {
public:
    explicit Renderer(QString output) : m_output(std::move(output)) { QDir().mkpath(m_output); }

    bool save(QWidget& window, const QString& name)
    {
        window.show();
        QApplication::processEvents();
        const QString file = m_output + "/" + name + ".png";
        const bool saved = window.grab().save(file);
        std::printf("%s %s\n", saved ? "wrote" : "FAILED", qPrintable(file));
        window.hide();
        return saved;
    }

    // The main window on a predictions file from the test data, in a language.
    bool mainWindow(const char* dataFile, int language, const QString& name)
    {
        QFile source(QStringLiteral(TIPLARK_TEST_DATA "/predictions/") + dataFile);
        if (!source.open(QIODevice::ReadOnly))
            return false;
        QString text = QString::fromUtf8(source.readAll());
        text.replace(QRegularExpression("Language=\\d+"), QStringLiteral("Language=%1").arg(language));
        QTemporaryDir folder;
        QFile predictions(folder.filePath("Tiplark.ini"));
        if (!predictions.open(QIODevice::WriteOnly) || predictions.write(text.toUtf8()) < 0)
            return false;
        predictions.close();

        testing::BoardHarness h;
        TMainForm form(h.main, m_browser, (folder.path() + "/").toStdString());
        form.FormCreate();
        form.resize(1280, 740);
        return save(form, name);
    }

    // The window of another tournament, chosen in File > New Prediction for
    // over its real results, and that menu open.
    bool otherTournaments()
    {
        const testing::TemporaryFolder folder;
        testing::writeBytes(folder.file("Tiplark.ini"),
                            testing::readBytes(testing::testData("predictions/complete-board.ini")));
        testing::RecordingMessageService messages;
        testing::RecordingCursorService cursor;
        FixedDateTimeFormat dates;
        MainWindowHost host(TournamentCatalog({TIPLARK_TOURNAMENTS}), Services{messages, cursor, dates}, m_browser,
                            folder.path().string() + "/");
        if (!host.start())
            return false;
        bool saved = true;
        for (const char* id : {"worldcup-2022", "worldcup-2026"}) {
            const Tournament& tournament = *host.catalog().find(id);
            TournamentPredictions real{Prediction::real(tournament), {}, {}};
            real.preferences.firstRun = false;
            real.preferences.languageIndex = LanguageEnglish;
            testing::writeBytes(folder.file("Tiplark-" + std::to_string(tournament.year) + ".ini"),
                                tournamentPredictionsText(tournament, real, ""));
            saved &= host.newPrediction(id);
            host.window().resize(1280, 740);
            saved &= save(host.window(), QStringLiteral("Main%1").arg(tournament.year));
        }
        host.window().show();
        auto* file = host.window().findChild<QMenu*>(QStringLiteral("File1"));
        auto* choices = host.window().findChild<QMenu*>(QStringLiteral("NewPredictionFor1"));
        file->popup(host.window().mapToGlobal(QPoint(0, 20)));
        choices->popup(host.window().mapToGlobal(QPoint(file->width(), 20)));
        QApplication::processEvents();
        saved &= choices->grab().save(m_output + "/FileNewPredictionFor.png") && file->grab().save(m_output + "/FileMenu.png");
        return saved;
    }

    bool dialogs(int language)
    {
        testing::BoardHarness h;
        h.main.preferences().languageIndex = language;
        h.main.preferences().firstRun = false;
        h.main.ApplyLanguage();
        const Language& texts = h.main.language();
        WebLinkLauncher links(m_browser, h.messages, h.cursor);
        const QString suffix = QLatin1String(LanguageNames[language]);
        bool saved = true;

        TOptionsForm options(h.main, [] { return true; });
        saved &= save(options, "Options" + suffix);
        TAboutForm about(nullptr, texts, links, m_assets);
        saved &= save(about, "About" + suffix);
        TDonationForm donation(nullptr, texts, links, m_assets);
        saved &= save(donation, "Donation" + suffix);
        const Preferences& preferences = h.main.preferences();
        TScheduleForm schedule(texts, BuildScheduleLines(preferences.zoneShift, preferences.daylightShift,
                                                         boardTexts(h.board()), h.dates));
        saved &= save(schedule, "Schedule" + suffix);
        TStadiumForm stadium(nullptr, texts, 100, links, m_assets);
        saved &= save(stadium, "Stadium" + suffix);
        TStandingsRulesForm rules(nullptr, texts);
        saved &= save(rules, "RankingCriteria" + suffix);
        TThanksForm thanks(nullptr, texts);
        saved &= save(thanks, "Thanks" + suffix);
        return saved;
    }

    // The comparison of the complete test board and a pool of the test files.
    bool scoring(int language)
    {
        QTemporaryDir folder;
        const std::string board = folder.filePath("board.ini").toStdString();
        QFile source(QStringLiteral(TIPLARK_TEST_DATA "/predictions/complete-board.ini"));
        if (!source.open(QIODevice::ReadOnly))
            return false;
        QString text = QString::fromUtf8(source.readAll());
        text.replace(QRegularExpression("Language=\\d+"), QStringLiteral("Language=%1").arg(language));
        QFile predictions(QString::fromStdString(board));
        if (!predictions.open(QIODevice::WriteOnly) || predictions.write(text.toUtf8()) < 0)
            return false;
        predictions.close();
        testing::BoardHarness h;
        if (LoadPredictions(h.main, board) != PredictionsLoad::Loaded)
            return false;
        const QString suffix = QLatin1String(LanguageNames[language]);
        TCompareForm compare(h.main.language());
        compare.followBoard(h.main);
        bool saved = save(compare, "Compare" + suffix);

        const std::string settings = folder.filePath("Tiplark.ini").toStdString();
        const std::string data = TIPLARK_TEST_DATA;
        writePoolChoice(settings, PoolChoice{{data + "/scoring/real-2006.ini", data + "/report/good.ini",
                                              data + "/report/damaged.ini", data + "/report/first-run.ini",
                                              data + "/scoring/no-valid-scores.ini"},
                                             true});
        NoDialogs dialogs;
        TPoolForm pool(h.main, dialogs, settings);
        saved &= save(pool, "Pool" + suffix);
        if (language == LanguageEnglish) {
            // The points bars on a dark desktop.
            const QPalette light = QApplication::palette();
            QApplication::setPalette(darkPalette());
            saved &= save(pool, "PoolDark");
            QApplication::setPalette(light);
        }
        return saved;
    }

    bool pictures()
    {
        TValenciaForm valencia(nullptr, m_assets);
        TDedicationForm dedication(nullptr, m_assets);
        // The favourite cheered, and another champion booed.
        TWinnerForm cheered(nullptr, ChampionClick("Germany", "Germany", "CONGRATULATIONS"), m_assets, false);
        TWinnerForm booed(nullptr, ChampionClick("Brazil", "Germany", "CONGRATULATIONS"), m_assets, false);
        return save(valencia, "Valencia") & save(dedication, "Dedication") & save(cheered, "CelebrationFavourite")
               & save(booed, "CelebrationOther");
    }

private:
    QString m_output;
    NoBrowser m_browser;
    AssetLocator m_assets;
};

}  // namespace
}  // namespace tiplark

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: tiplark_screenshots OUTPUT_FOLDER\n");
        return 2;
    }
    tiplark::Renderer renderer(QString::fromLocal8Bit(argv[1]));
    bool saved = true;
    for (int language = 0; language < tiplark::LanguageCount; ++language) {
        const QString suffix = QLatin1String(tiplark::LanguageNames[language]);
        saved &= renderer.mainWindow("empty-board.ini", language, "MainEmpty" + suffix);
        saved &= renderer.mainWindow("complete-board.ini", language, "MainComplete" + suffix);
        saved &= renderer.dialogs(language);
        saved &= renderer.scoring(language);
    }
    saved &= renderer.pictures();
    saved &= renderer.otherTournaments();
    return saved ? 0 : 1;
}
