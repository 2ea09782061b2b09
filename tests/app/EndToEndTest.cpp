// A whole program run through the real windows under the offscreen platform,
// in a fresh program folder: first run, typing a tournament, saving, closing,
// starting again, switching language and printing the report.
#include "windows/MainForm.h"

#include "NextModal.h"
#include "RecordingServices.h"
#include "RoundTrip.h"
#include "document/BoardReports.h"
#include "platform/Cp1252.h"
#include "report/ReportLines.h"
#include "tournament/TournamentData.h"
#include "windows/BoardView.h"
#include "windows/OptionsForm.h"
#include "windows/ReportPrinter.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <functional>
#include <memory>
#include <set>
#include <string>

namespace tiplark {
namespace {

class NoBrowser : public BrowserLauncher {
public:
    bool open(const std::string&) override { return true; }
};

// The report command's questions answered: to a file at a fixed path.
class FileReportDialogs : public ReportDialogs {
public:
    explicit FileReportDialogs(QString path) : m_path(std::move(path)) {}
    PrintChoice choosePrinter(QPrinter&) override { return PrintChoice::File; }
    QString chooseFile(const QString&, const QString&) override { return m_path; }

private:
    QString m_path;
};

// A run of the program: recording services and the real main window.
struct ProgramRun {
    explicit ProgramRun(const QString& folder) : form(h.main, browser, (folder + "/").toStdString()) {}
    testing::BoardHarness h;
    NoBrowser browser;
    TMainForm form;
};

// Group A as it was played: Germany 9, Ecuador 6, Poland 3, Costa Rica 0.
// Every other group match ends 1-0; every knockout match 2-1 except the
// final, 1-1 and 4-3 on penalties. Side 1 always goes through.
constexpr const char* GroupAResults[MatchesPerGroup][2] = {
    {"4", "2"}, {"0", "2"}, {"1", "0"}, {"3", "0"}, {"0", "3"}, {"1", "2"}};

QColor textColour(QWidget* w)
{
    return w->palette().color(qobject_cast<QLineEdit*>(w) ? QPalette::Text : QPalette::WindowText);
}

}  // namespace

class EndToEndTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_folder;

    QString path(const char* name) const { return m_folder.filePath(QLatin1String(name)); }

    // Runs `script` on the modal dialog that `open` brings up; a script that
    // fails still ends the dialog, so that the test reports instead of hanging.
    static void answerModal(const std::function<void(TOptionsForm&)>& script, const std::function<void()>& open)
    {
        bool answered = false;
        const testing::NextModal answer([&](QWidget* window) {
            auto* dialog = qobject_cast<TOptionsForm*>(window);
            if (!dialog) {
                window->close();
                QFAIL("no options dialog");
            }
            script(*dialog);
            answered = true;
            if (dialog->isVisible())
                dialog->done(QDialog::Rejected);
        });
        open();
        QVERIFY(answer.answered());
        QVERIFY(answered);
    }

    // Steps down a list with the arrow key until it shows `entry`.
    static void choose(QComboBox* box, const QString& entry)
    {
        for (int press = 0; press <= box->count() && box->currentText() != entry; ++press)
            QTest::keyClick(box, Qt::Key_Down);
        QCOMPARE(box->currentText(), entry);
    }

    static void type(ProgramRun& run, ControlId box, const char* text)
    {
        auto* edit = qobject_cast<QLineEdit*>(run.form.boardView().widget(box));
        QVERIFY(edit && edit->isVisible() && edit->isEnabled());
        edit->setFocus();
        QTest::keyClicks(edit, QLatin1String(text));
    }

    static QWidget* widget(ProgramRun& run, const std::string& name)
    {
        return run.form.boardView().widget(run.h.board().id(name));
    }
    static QString labelText(ProgramRun& run, ControlId id)
    {
        return qobject_cast<QLabel*>(run.form.boardView().widget(id))->text();
    }

    void typeTournament(ProgramRun& run)
    {
        const BoardControls& controls = run.h.main.controls();
        for (int g = 0; g < GroupCount; ++g) {
            for (int m = 0; m < MatchesPerGroup; ++m) {
                for (int side = 0; side < 2; ++side)
                    type(run, controls.groups[g].score[m][side], g == 0 ? GroupAResults[m][side] : side == 0 ? "1" : "0");
            }
        }
        for (const RoundControls& round : controls.rounds) {
            for (const MatchControls& match : round.matches) {
                const bool final = &match == &controls.finalMatch();
                type(run, match.score[0], final ? "1" : "2");
                type(run, match.score[1], "1");
                if (final) {
                    type(run, match.penalty[0], "4");
                    type(run, match.penalty[1], "3");
                }
            }
        }
    }

    void checkTournament(ProgramRun& run)
    {
        const BoardControls& controls = run.h.main.controls();
        const GroupControls& a = controls.groups[0];
        const char* names[] = {"Alemania", "Ecuador", "Polonia", "Costa Rica"};
        const char* points[] = {"9", "6", "3", "0"};
        for (int row = 0; row < TeamsPerGroup; ++row) {
            QCOMPARE(labelText(run, a.name[row]), QString::fromUtf8(names[row]));
            QCOMPARE(qobject_cast<QLineEdit*>(run.form.boardView().widget(a.cell[row][0]))->text(),
                     QLatin1String(points[row]));
        }
        for (const RoundControls& round : controls.rounds) {
            for (const MatchControls& match : round.matches) {
                QVERIFY(!labelText(run, match.label[0]).isEmpty());
                // The final's two names are always bold; elsewhere only the winner's.
                const bool final = &match == &controls.finalMatch();
                QVERIFY(run.form.boardView().widget(match.label[0])->font().bold());
                QCOMPARE(run.form.boardView().widget(match.label[1])->font().bold(), final);
            }
        }
        const MatchControls& final = controls.finalMatch();
        QVERIFY(run.form.boardView().widget(final.penalty[0])->isVisible());
        QCOMPARE(labelText(run, controls.champion), labelText(run, final.label[0]));
        // Germany, the favourite, is blue wherever its name stands, and
        // only there.
        int blue = 0;
        for (QLabel* label : run.form.findChildren<QLabel*>()) {
            const bool favourite = label->text() == QLatin1String("Alemania");
            if (run.form.boardView().controlOf(label) == NoControl || label->objectName() == "Champion")
                continue;
            QCOMPARE(textColour(label) == QColor(0, 0, 255), favourite);
            blue += favourite ? 1 : 0;
        }
        QVERIFY(blue >= 5);  // fixtures, table row and the round of 16 at least
    }

private slots:
    void wholeProgramRun()
    {
        QVERIFY(m_folder.isValid());
        auto first = std::make_unique<ProgramRun>(m_folder.path());

        // First run: Spanish, a zone further down the list, Germany.
        answerModal(
            [](TOptionsForm& dialog) {
                choose(dialog.findChild<QComboBox*>("LangCB"), QString::fromUtf8("Español"));
                QComboBox* zones = dialog.findChild<QComboBox*>("TimeZoneCB");
                choose(zones, zones->itemText(3));
                choose(dialog.findChild<QComboBox*>("FavCB"), QStringLiteral("Alemania"));
                QTest::mouseClick(dialog.findChild<QPushButton*>("OKButton"), Qt::LeftButton);
            },
            [&] { first->form.FormCreate(); });
        QVERIFY(QFileInfo::exists(path("Tiplark.ini")));
        const Preferences chosen = first->h.main.preferences();
        QCOMPARE(chosen.languageIndex, 1);
        QCOMPARE(chosen.favoriteIndex, 11);
        QVERIFY(qFuzzyCompare(chosen.zoneShift, -10.0 / 24));  // Alaska, GMT-9
        first->form.resize(1280, 740);
        first->form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&first->form));

        typeTournament(*first);
        checkTournament(*first);
        if (QTest::currentTestFailed())
            return;
        QVERIFY(first->h.messages.errors.empty());

        QTest::mouseClick(qobject_cast<QPushButton*>(widget(*first, "SaveButton")), Qt::LeftButton);
        const QByteArray saved = [&] {
            QFile file(path("Tiplark.ini"));
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        }();
        first->h.messages.answers.push_back(DialogResult::No);
        QVERIFY(first->form.close());
        QCOMPARE(first->h.messages.questions.size(), size_t{1});
        QFile file(path("Tiplark.ini"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), saved);

        // Starting again finds the same board, without the options dialog.
        ProgramRun second(m_folder.path());
        second.form.FormCreate();
        second.form.resize(1280, 740);
        second.form.show();
        QCOMPARE(testing::boardDifference(first->h.main, second.h.main), std::string());
        checkTournament(second);
        if (QTest::currentTestFailed())
            return;
        first.reset();

        // French through the options dialog: every team label follows.
        answerModal(
            [](TOptionsForm& dialog) {
                choose(dialog.findChild<QComboBox*>("LangCB"), QString::fromUtf8("Français"));
                QTest::mouseClick(dialog.findChild<QPushButton*>("OKButton"), Qt::LeftButton);
            },
            [&] { second.form.findChild<QAction*>("Options1")->trigger(); });
        QCOMPARE(second.h.main.preferences().languageIndex, 2);
        std::set<QString> french;
        for (int team = 1; team <= TeamCount; ++team)
            french.insert(QString::fromStdString(second.h.main.language().teamName(team)));
        const QRegularExpression teamLabel("^(G[A-H]Name[1-4]|G[A-H][1-6][12]Lbl|Final(8|4|2)?[1-8][12]Lbl|Third[12]{2}Lbl)$");
        int teamLabels = 0;
        for (QLabel* label : second.form.findChildren<QLabel*>(teamLabel)) {
            QVERIFY2(french.count(label->text()), qPrintable(label->objectName() + ": " + label->text()));
            ++teamLabels;
        }
        QCOMPARE(teamLabels, 32 + 96 + 32);
        QCOMPARE(labelText(second, second.h.main.controls().groups[0].name[0]), QLatin1String("Allemagne"));

        // The printed report file agrees with tiplark-report on the saved file.
        FileReportDialogs dialogs(path("report.txt"));
        ReportPrinter printer(dialogs, second.h.messages, m_folder.path() + "/");
        printer.Report1Click(boardReportLines(second.h.main));
        QFile report(path("report.txt"));
        QVERIFY(report.open(QIODevice::ReadOnly));
        QProcess command;
        command.start(QStringLiteral(TIPLARK_REPORT_PROGRAM), {path("Tiplark.ini")});
        QVERIFY(command.waitForFinished(30000));
        QCOMPARE(command.exitCode(), 0);
        std::string expected = toCp1252(command.readAllStandardOutput().toStdString());
        for (size_t at = expected.find('\n'); at != std::string::npos; at = expected.find('\n', at + 2))
            expected.replace(at, 1, "\r\n");
        QCOMPARE(std::count(expected.begin(), expected.end(), '\n'), std::ptrdiff_t{ReportLineCount});
        QCOMPARE(report.readAll().toStdString(), expected);
        QVERIFY(second.h.messages.errors.empty());
    }
};

}  // namespace tiplark

QTEST_MAIN(tiplark::EndToEndTest)
#include "EndToEndTest.moc"
