// The windows from the keyboard alone: Tab goes from control to control and
// leaves a table or list at once (the arrows move within it), and every
// button of the board, the small clear buttons of the panels too, is a stop
// of the main window's walk with a name a screen reader can say.
#include "EveryWindow.h"
#include "RecordingServices.h"
#include "TemporaryFolder.h"
#include "document/PredictionsFile.h"
#include "windows/BoardView.h"
#include "windows/MainForm.h"

#include <QAbstractItemView>
#include <QPushButton>
#include <QtTest>

#include <vector>

namespace tiplark {

class KeyboardWalkTest : public QObject {
    Q_OBJECT

private slots:
    void tabLeavesEveryTable()
    {
        testing::BoardHarness h;
        testing::EveryWindow every(h);
        QStringList trapped;
        for (const testing::WindowMaker& maker : every.makers()) {
            const std::unique_ptr<QWidget> window = maker.make();
            window->show();
            QVERIFY(QTest::qWaitForWindowExposed(window.get()));
            window->activateWindow();
            for (QAbstractItemView* view : window->findChildren<QAbstractItemView*>()) {
                if (!view->isVisibleTo(window.get()) || view->focusPolicy() == Qt::NoFocus)
                    continue;
                view->setFocus(Qt::TabFocusReason);
                QTest::keyClick(view, Qt::Key_Tab);
                const QWidget* focus = QApplication::focusWidget();
                if (focus == view || view->isAncestorOf(focus))
                    trapped << maker.name + QStringLiteral(" ") + view->objectName();
            }
        }
        QVERIFY2(trapped.isEmpty(), qPrintable(QStringLiteral("Tab stays in ") + trapped.join(QStringLiteral(", "))));
    }

    void clearButtonsAreStopsOfTheWalk_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("groupA");
        QTest::addColumn<QString>("final");
        QTest::newRow("English") << 0 << "Clear scores: Group A" << "Clear scores: Final";
        QTest::newRow("Spanish") << 1 << "Borrar resultados: Grupo A" << "Borrar resultados: Final";
        QTest::newRow("French") << 2 << "Effacer les resultats: Groupe A" << "Effacer les resultats: Finale";
        QTest::newRow("German") << 3 << "Ergebnisse löschen: Gruppe A" << "Ergebnisse löschen: Finale";
    }

    // Tab from the first score box round the whole window of a complete
    // prediction (every round open): each panel's clear button comes just
    // before its boxes, once, and says what it clears.
    void clearButtonsAreStopsOfTheWalk()
    {
        QFETCH(int, language);
        testing::BoardHarness h;
        QCOMPARE(LoadPredictions(h.main, testing::testData("predictions/complete-board.ini")), PredictionsLoad::Loaded);
        testing::NoBrowser browser;
        QTemporaryDir folder;
        TMainForm form(h.main, browser, folder.path().toStdString() + "/");
        h.main.preferences().languageIndex = language;
        h.main.ApplyLanguage();
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.activateWindow();
        BoardView& board = form.boardView();
        const BoardControls& controls = h.main.controls();
        board.widget(controls.groups[0].score[0][0])->setFocus(Qt::TabFocusReason);

        std::vector<QWidget*> walk;
        for (int stop = 0; stop < 500; ++stop) {
            QWidget* focus = QApplication::focusWidget();
            if (!walk.empty() && focus == walk.front())
                break;
            walk.push_back(focus);
            QTest::keyClick(focus, Qt::Key_Tab);
        }
        const auto position = [&walk](QWidget* w) { return std::find(walk.begin(), walk.end(), w) - walk.begin(); };
        std::vector<std::pair<ControlId, ControlId>> panels;  // clear button and first box
        for (const GroupControls& group : controls.groups)
            panels.emplace_back(group.clearButton, group.score[0][0]);
        for (const RoundControls& round : controls.rounds)
            panels.emplace_back(round.clearButton, round.matches.front().score[0]);
        for (const auto& [button, firstBox] : panels) {
            QWidget* clear = board.widget(button);
            QVERIFY2(std::count(walk.begin(), walk.end(), clear) == 1, qPrintable(clear->objectName()));
            // The walk starts at group A's first box and ends with group A's clear button.
            const auto expected = button == controls.groups[0].clearButton ? static_cast<long>(walk.size()) - 1
                                                                           : position(board.widget(firstBox)) - 1;
            QCOMPARE(position(clear), expected);
        }
        QTEST(board.widget(controls.groups[0].clearButton)->accessibleName(), "groupA");
        QTEST(board.widget(controls.rounds.back().clearButton)->accessibleName(), "final");

        // A clear button pressed from the keyboard clears its panel.
        QVERIFY(!h.text("GB11").empty());
        QWidget* clearB = board.widget(controls.groups[1].clearButton);
        clearB->setFocus(Qt::TabFocusReason);
        QTest::keyClick(clearB, Qt::Key_Space);
        QCOMPARE(h.text("GB11"), std::string());
    }
};

}  // namespace tiplark

QTEST_MAIN(tiplark::KeyboardWalkTest)
#include "KeyboardWalkTest.moc"
