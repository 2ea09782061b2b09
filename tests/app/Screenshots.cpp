// Renders the main window (empty and complete, in each language), the 2026
// board's pages at a laptop's and a desktop's size in each language and a
// complete 32-team edition, every dialog, the comparison and pool windows,
// both celebration layouts, and the windows around a 2026 board (comparison,
// pool, schedule, venues, celebration) to PNG files, for people to look at.
//   tiplark_screenshots OUTPUT_FOLDER
#include "windows/MainForm.h"

#include "NextModal.h"
#include "RecordingServices.h"
#include "TemporaryFolder.h"
#include "document/BoardReports.h"
#include "document/LevelOrderModel.h"
#include "document/PredictionsFile.h"
#include "document/TournamentPredictionsFile.h"
#include "engine/TournamentCatalog.h"
#include "i18n/LanguageTables.h"
#include "scoring/PredictionFiles.h"
#include "scoring/RealResults.h"
#include "storage/PoolSettings.h"
#include "venues/Celebration.h"
#include "windows/AboutForm.h"
#include "windows/BoardView.h"
#include "windows/CompareForm.h"
#include "windows/DonationForm.h"
#include "windows/LevelOrderForm.h"
#include "windows/OptionsForm.h"
#include "windows/PictureForm.h"
#include "windows/MainWindowHost.h"
#include "windows/PoolForm.h"
#include "windows/PredictionDialogs.h"
#include "windows/ScheduleForm.h"
#include "windows/StadiumForm.h"
#include "windows/StandingsRulesForm.h"
#include "windows/ThanksForm.h"
#include "windows/VenueListForm.h"
#include "windows/WinnerForm.h"

#include <QApplication>
#include <QMenu>
#include <QPalette>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QToolTip>
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

    // A shipped tournament's board complete with its real results, each of
    // its pages at a window size.
    bool tournamentWindow(const std::string& id, int language, QSize size, const QString& name)
    {
        testing::EditionHarness board(id);
        QTemporaryDir folder;
        TMainForm form(board.main, m_browser, (folder.path() + "/").toStdString());
        board.main.preferences().languageIndex = language;
        board.main.preferences().firstRun = false;
        board.main.ApplyLanguage();
        board.fillRealResults();
        form.resize(size);
        BoardView& view = form.boardView();
        bool saved = true;
        for (int page = 0; page < view.pageCount(); ++page) {
            view.showPage(page);
            saved &= save(form, view.pageCount() > 1 ? name + QStringLiteral("Page%1").arg(page + 1) : name);
        }
        return saved;
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
        TScheduleForm schedule(texts, boardScheduleLines(h.main));
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
        TCompareForm compare(h.main.language(), h.main.tournament());
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
        TWinnerForm cheered(nullptr, ChampionClick("Germany", "Germany", "CONGRATULATIONS"), m_assets, false, QStringLiteral("Trophy"));
        TWinnerForm booed(nullptr, ChampionClick("Brazil", "Germany", "CONGRATULATIONS"), m_assets, false, QStringLiteral("Trophy"));
        return save(valencia, "Valencia") & save(dedication, "Dedication") & save(cheered, "CelebrationFavourite")
               & save(booed, "CelebrationOther");
    }

    // The windows of a 2026 board: the real results with one group match
    // and the final changed, in a language, the schedule in UTC.
    bool edition2026(int language)
    {
        testing::EditionHarness h("worldcup-2026");
        h.main.preferences().languageIndex = language;
        h.main.preferences().firstRun = false;
        h.main.preferences().zoneShift = -1.0 / 24;
        h.main.ApplyLanguage();
        FillInRealResults(h.main);
        const GroupControls& groupA = h.main.controls().groups.front();
        h.main.userEdit(groupA.score[0][1], "1");
        h.main.userEdit(h.main.controls().finalMatch().score[1], "2");
        const QString suffix = QLatin1String(LanguageNames[language]);
        TCompareForm compare(h.main.language(), h.tournament);
        compare.followBoard(h.main);
        bool saved = save(compare, "Compare2026" + suffix);
        TScheduleForm schedule(h.main.language(), boardScheduleLines(h.main));
        saved &= save(schedule, "Schedule2026" + suffix);
        TVenueListForm venues(nullptr, h.main.language(), h.tournament, 9);
        saved &= save(venues, "Venues2026" + suffix);
        if (language != LanguageEnglish)
            return saved;

        QTemporaryDir folder;
        const QString real = folder.filePath("real-2026.ini");
        QFile file(real);
        const std::string text = realPredictionsText(h.tournament);
        if (!file.open(QIODevice::WriteOnly) || file.write(text.data(), static_cast<qint64>(text.size())) < 0)
            return false;
        file.close();
        const QString other = folder.filePath("real-2006.ini");
        QFile::copy(QStringLiteral(TIPLARK_TEST_DATA "/scoring/real-2006.ini"), other);
        const std::string settings = folder.filePath("Tiplark.ini").toStdString();
        writePoolChoice(settings, PoolChoice{{real.toStdString(), other.toStdString()}, true});
        NoDialogs dialogs;
        TPoolForm pool(h.main, dialogs, settings);
        saved &= save(pool, "Pool2026");

        h.main.userEdit(h.main.controls().finalMatch().score[1], "0");
        testing::NextModal celebrate([&](QWidget* window) {
            saved &= save(*window, "Celebration2026");
            static_cast<QDialog*>(window)->accept();
        });
        showCelebrationWindow(nullptr, h.main);
        return saved && celebrate.answered();
    }

    // The 2018 board on the real group scores, which leave Senegal and
    // Japan level on everything they decide: group H's mark, its hint, and
    // the choice of order it opens.
    bool levelOrder()
    {
        const TournamentCatalog catalog({TIPLARK_TOURNAMENTS});
        const Tournament* tournament = catalog.find("worldcup-2018");
        if (!tournament)
            return false;
        testing::EditionHarness h(*tournament);
        h.typeRealGroupScores();
        h.main.ApplyLanguage();
        QTemporaryDir folder;
        TMainForm form(h.main, m_browser, (folder.path() + "/").toStdString());
        form.resize(1280, 740);
        bool saved = save(form, "Main2018LevelMark");

        const ControlId mark = h.main.controls().groups[7].levelMark;
        form.show();
        QWidget* button = form.boardView().widget(mark);
        QToolTip::showText(button->mapToGlobal(QPoint(0, button->height())), button->toolTip(), button);
        QApplication::processEvents();
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window->inherits("QTipLabel") && window->isVisible())
                saved &= save(*window, "Main2018LevelMarkHint");
        }
        QToolTip::hideText();
        form.hide();

        TLevelOrderForm dialog(h.main.language(), *LevelOrderModel::forMark(h.main, mark));
        return save(dialog, "LevelOrder") && saved;
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
        for (const QSize size : {QSize(1366, 768), QSize(1920, 1080)})
            saved &= renderer.tournamentWindow("worldcup-2026", language, size,
                                               QStringLiteral("Main2026%1x%2").arg(size.width()).arg(size.height()) + suffix);
        saved &= renderer.dialogs(language);
        saved &= renderer.scoring(language);
        saved &= renderer.edition2026(language);
    }
    saved &= renderer.tournamentWindow("worldcup-2022", tiplark::LanguageEnglish, QSize(1280, 740), "Main2022English");
    saved &= renderer.pictures();
    saved &= renderer.levelOrder();
    saved &= renderer.otherTournaments();
    return saved ? 0 : 1;
}
