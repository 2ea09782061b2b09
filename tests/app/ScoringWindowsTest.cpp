#include "windows/CompareForm.h"
#include "windows/MainForm.h"
#include "windows/PoolForm.h"

#include "RecordingServices.h"
#include "TemporaryFolder.h"
#include "i18n/LanguageTables.h"
#include "storage/PoolSettings.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <string>
#include <vector>

namespace tiplark {
namespace {

class NoBrowser : public BrowserLauncher {
public:
    bool open(const std::string&) override { return true; }
};

// Answers the file dialogs with prepared paths and counts the questions.
class ScriptedDialogs : public PredictionDialogs {
public:
    QString chooseExportFile(const QString&, const QString&) override { return exportPath; }
    QString chooseImportFile(const QString&, const QString&) override { return importPath; }
    QStringList choosePoolFiles(const QString&, const QString&, const QStringList&) override { return poolFiles; }
    QString exportPath;
    QString importPath;
    QStringList poolFiles;
};

QString realFile()
{
    return QString::fromStdString(testing::testData("scoring/real-2006.ini"));
}

}  // namespace

class ScoringWindowsTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_folder;
    std::unique_ptr<testing::BoardHarness> m_harness;
    NoBrowser m_browser;
    ScriptedDialogs m_dialogs;
    std::unique_ptr<TMainForm> m_form;

    testing::BoardHarness& h() { return *m_harness; }
    void trigger(const char* action) { m_form->findChild<QAction*>(QLatin1String(action))->trigger(); }
    void type(const char* box, const char* text)
    {
        auto* edit = m_form->findChild<QLineEdit*>(QLatin1String(box));
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, QLatin1String(text));
    }
    std::string settingsPath() const { return m_folder->filePath(QStringLiteral("Tiplark.ini")).toStdString(); }

private slots:
    void init()
    {
        m_folder = std::make_unique<QTemporaryDir>();
        m_harness = std::make_unique<testing::BoardHarness>();
        m_dialogs = ScriptedDialogs();
        m_form = std::make_unique<TMainForm>(h().main, m_browser, m_folder->path().toStdString() + "/");
        m_form->setPredictionDialogs(m_dialogs);
        m_form->show();
    }
    void cleanup()
    {
        m_form.reset();
        m_harness.reset();
    }

    void compareWindowFollowsTyping()
    {
        trigger("CompareRealResults1");
        TCompareForm* compare = m_form->compareWindow();
        QVERIFY(compare && compare->isVisible());
        auto* table = compare->findChild<QTableWidget*>(QStringLiteral("CompareTable"));
        auto* total = compare->findChild<QLabel*>(QStringLiteral("CompareTotal"));
        QCOMPARE(table->rowCount(), 64);
        QCOMPARE(total->text(), QStringLiteral("Total: 0 of 314"));

        type("GA11", "4");
        type("GA12", "2");
        QTRY_COMPARE(table->item(0, 3)->text(), QStringLiteral("4"));
        QCOMPARE(table->item(0, 1)->text(), QStringLiteral("Germany 4-2 Costa Rica"));
        QTRY_COMPARE(total->text(), QStringLiteral("Total: 4 of 314"));
        // 4-1 against 4-2: the right winner only.
        type("GA12", "1");
        QTRY_COMPARE(table->item(0, 3)->text(), QStringLiteral("2"));
        QTRY_COMPARE(total->text(), QStringLiteral("Total: 2 of 314"));
        // Different points look different even without colour: the number differs too.
        QVERIFY(table->item(0, 3)->background() != table->item(1, 3)->background());
    }

    void fillInExportAndImportAskBeforeReplacing()
    {
        trigger("FillInRealResults1");
        QVERIFY(h().messages.questions.empty());
        QCOMPARE(h().text("Champion"), std::string("Italy"));

        m_dialogs.exportPath = m_folder->filePath(QStringLiteral("mine.ini"));
        trigger("ExportPrediction1");
        QVERIFY(QFileInfo::exists(m_dialogs.exportPath));

        h().set("GA11", "0");
        m_dialogs.importPath = m_dialogs.exportPath;
        h().messages.answers = {DialogResult::No};
        trigger("ImportPrediction1");
        QCOMPARE(h().messages.questions.size(), size_t{1});
        QCOMPARE(h().text("GA11"), std::string("0"));

        h().messages.answers = {DialogResult::Yes};
        trigger("ImportPrediction1");
        QCOMPARE(h().text("GA11"), std::string("4"));

        m_dialogs.importPath = m_folder->filePath(QStringLiteral("missing.ini"));
        h().messages.answers = {DialogResult::Yes};
        trigger("ImportPrediction1");
        QCOMPARE(h().messages.errors.size(), size_t{1});
        QVERIFY(h().messages.errors.back().find("missing.ini") != std::string::npos);
        QCOMPARE(h().text("GA11"), std::string("4"));
    }

    void poolRanksRemembersAndListsUnreadableFiles()
    {
        const QString missing = m_folder->filePath(QStringLiteral("gone.ini"));
        m_dialogs.poolFiles = {missing, realFile()};
        {
            TPoolForm pool(h().main, m_dialogs, settingsPath());
            pool.findChild<QPushButton*>(QStringLiteral("ChooseButton"))->click();
            auto* table = pool.findChild<QTableWidget*>(QStringLiteral("PoolTable"));
            QCOMPARE(table->rowCount(), 3);
            QCOMPARE(table->item(0, 1)->text(), QStringLiteral("real-2006"));
            QCOMPARE(table->item(0, 0)->data(Qt::DisplayRole).toInt(), 1);
            QCOMPARE(table->item(0, 2)->data(Qt::DisplayRole).toInt(), 314);
            QCOMPARE(table->item(0, 4)->text(), QStringLiteral("Italy"));
            QCOMPARE(table->item(1, 1)->text(), QStringLiteral("(current board)"));
            QCOMPARE(table->item(1, 2)->data(Qt::DisplayRole).toInt(), 0);
            QCOMPARE(table->item(2, 1)->text(), QStringLiteral("gone"));
            QCOMPARE(table->item(2, 2)->text(), QStringLiteral("no such file"));

            // Sorting by name keeps each row's entry, also for its comparison.
            table->sortByColumn(1, Qt::AscendingOrder);
            QCOMPARE(table->item(0, 1)->text(), QStringLiteral("(current board)"));
            QCOMPARE(table->item(2, 2)->data(Qt::DisplayRole).toInt(), 314);
            QString title;
            QString total;
            QTimer::singleShot(50, [&] {
                if (auto* compare = qobject_cast<TCompareForm*>(QApplication::activeModalWidget())) {
                    title = compare->windowTitle();
                    total = compare->findChild<QLabel*>(QStringLiteral("CompareTotal"))->text();
                    compare->reject();
                }
            });
            pool.openComparison(2);
            QVERIFY2(title.endsWith(realFile()), qPrintable(title));
            QCOMPARE(total, QStringLiteral("Total: 314 of 314"));

            pool.findChild<QCheckBox*>(QStringLiteral("IncludeBoardCheck"))->setChecked(false);
            QCOMPARE(table->rowCount(), 2);
        }
        const PoolChoice remembered = readPoolChoice(settingsPath());
        QCOMPARE(remembered.files.size(), size_t{2});
        QCOMPARE(QString::fromStdString(remembered.files[1]), realFile());
        QVERIFY(!remembered.includeBoard);

        TPoolForm again(h().main, m_dialogs, settingsPath());
        QCOMPARE(again.entries().size(), size_t{2});
        QCOMPARE(again.entries().front().score.total, 314);
    }

    // A second choice adds to the list, a file leaves it by the Remove button
    // or the Delete key, and a file of damaged scores is marked, not ranked.
    void poolAddsRemovesAndMarksFiles()
    {
        const QString noScores = QString::fromStdString(testing::testData("scoring/no-valid-scores.ini"));
        const QString empty = QString::fromStdString(testing::testData("scoring/empty-board.ini"));
        TPoolForm pool(h().main, m_dialogs, settingsPath());
        pool.show();
        QVERIFY(QTest::qWaitForWindowExposed(&pool));
        pool.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&pool));
        auto* table = pool.findChild<QTableWidget*>(QStringLiteral("PoolTable"));
        auto* remove = pool.findChild<QPushButton*>(QStringLiteral("RemoveButton"));
        QVERIFY(remove);
        const auto row = [table](const char* name) {
            for (int r = 0; r < table->rowCount(); ++r)
                if (table->item(r, 1)->text() == QLatin1String(name))
                    return r;
            return -1;
        };
        pool.findChild<QCheckBox*>(QStringLiteral("IncludeBoardCheck"))->setChecked(false);
        m_dialogs.poolFiles = {realFile(), noScores};
        pool.findChild<QPushButton*>(QStringLiteral("ChooseButton"))->click();
        m_dialogs.poolFiles = {empty, realFile()};
        pool.findChild<QPushButton*>(QStringLiteral("ChooseButton"))->click();
        QCOMPARE(table->rowCount(), 3);
        // A prediction left empty scores nothing and is ranked; damaged scores say so.
        QCOMPARE(table->item(row("empty-board"), 0)->data(Qt::DisplayRole).toInt(), 2);
        QCOMPARE(table->item(row("no-valid-scores"), 0)->text(), QStringLiteral("-"));
        QCOMPARE(table->item(row("no-valid-scores"), 2)->text(), QStringLiteral("no valid scores"));

        table->setCurrentCell(row("empty-board"), 1);
        remove->click();
        QCOMPARE(table->rowCount(), 2);
        QCOMPARE(row("empty-board"), -1);
        table->setFocus();
        table->setCurrentCell(row("no-valid-scores"), 1);
        QTest::keyClick(table, Qt::Key_Delete);
        QCOMPARE(table->rowCount(), 1);
        QCOMPARE(readPoolChoice(settingsPath()).files, std::vector<std::string>{realFile().toStdString()});

        // The board's row is no file to remove.
        pool.findChild<QCheckBox*>(QStringLiteral("IncludeBoardCheck"))->setChecked(true);
        table->setFocus();
        table->setCurrentCell(row("(current board)"), 1);
        QVERIFY(!remove->isEnabled());
        QTest::keyClick(table, Qt::Key_Delete);
        QCOMPARE(table->rowCount(), 2);
    }

    void newControlsHaveAccessibleNames()
    {
        trigger("CompareRealResults1");
        TPoolForm pool(h().main, m_dialogs, settingsPath());
        for (QWidget* window : {static_cast<QWidget*>(m_form->compareWindow()), static_cast<QWidget*>(&pool)}) {
            for (QWidget* w : window->findChildren<QWidget*>()) {
                // The table's own corner button is the toolkit's.
                const bool insideTable = qobject_cast<QTableWidget*>(w->parentWidget());
                if ((qobject_cast<QAbstractButton*>(w) && !insideTable) || qobject_cast<QTableWidget*>(w))
                    QVERIFY2(!w->accessibleName().isEmpty(), qPrintable(w->objectName()));
            }
        }
        for (const char* key : {"menu.compare", "menu.pool", "menu.exportPrediction", "menu.importPrediction",
                                "menu.fillInReal", "compare.legendExact", "pool.includeBoard"})
            for (int language = 0; language < LanguageCount; ++language)
                QVERIFY2(!languageText(language, key).empty(), key);
    }
};

}  // namespace tiplark

QTEST_MAIN(tiplark::ScoringWindowsTest)
#include "ScoringWindowsTest.moc"
