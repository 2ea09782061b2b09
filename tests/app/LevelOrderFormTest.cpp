// The choice of order for level teams: opened from a table's mark on the
// 2018 board, worked from the keyboard, written as one step of the history.
#include "windows/LevelOrderForm.h"

#include "NextModal.h"
#include "RecordingServices.h"
#include "windows/BoardView.h"
#include "windows/MainForm.h"

#include <QAbstractButton>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace tiplark;

namespace {

class NoBrowser : public BrowserLauncher {
public:
    bool open(const std::string&) override { return true; }
};

std::string name(const MainBoard& main, const char* code)
{
    return main.language().teamName(main.tournament().teamIndex(code) + 1);
}

}  // namespace

class LevelOrderFormTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<testing::EditionHarness> m_h;

    MainBoard& main() { return m_h->main; }
    ControlId markH() { return main().controls().groups[7].levelMark; }
    const std::string& secondOfH() { return main().board().text(main().controls().groups[7].name[1]); }

private slots:
    void init()
    {
        m_h = std::make_unique<testing::EditionHarness>("worldcup-2018");
        m_h->typeRealGroupScores();
        main().ApplyLanguage();
    }

    void cleanup() { m_h.reset(); }

    // Arrows choose a team, Ctrl+Up/Down and the buttons' Alt keys move it
    // within its run, and the keys stay in the list.
    void theKeyboardMovesTheChosenTeam()
    {
        TLevelOrderForm form(main().language(), *LevelOrderModel::forMark(main(), markH()));
        form.show();
        form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        auto* list = form.findChild<QListWidget*>(QStringLiteral("TeamList"));
        auto* up = form.findChild<QPushButton*>(QStringLiteral("MoveUpButton"));
        auto* down = form.findChild<QPushButton*>(QStringLiteral("MoveDownButton"));
        QCOMPARE(QApplication::focusWidget(), list);
        QCOMPARE(list->count(), 2);
        QCOMPARE(list->item(0)->text(), QString::fromStdString("2. " + name(main(), "SEN")));
        QVERIFY(!up->isEnabled());
        QVERIFY(down->isEnabled());

        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(list->currentRow(), 1);
        QVERIFY(up->isEnabled() && !down->isEnabled());
        QTest::keyClick(list, Qt::Key_Up, Qt::ControlModifier);
        QCOMPARE(form.model().levelOrderText(), std::string("JPN,SEN"));
        QCOMPARE(list->currentRow(), 0);
        QCOMPARE(list->item(0)->text(), QString::fromStdString("2. " + name(main(), "JPN")));

        // Alt+D is "Move &down" in English; the list keeps the keys.
        QTest::keyClick(list, Qt::Key_D, Qt::AltModifier);
        // The toolkit clicks a button by its Alt key a moment later.
        QTRY_COMPARE(form.model().levelOrderText(), std::string("SEN,JPN"));
        QCOMPARE(list->currentRow(), 1);
        QTRY_COMPARE(QApplication::focusWidget(), list);
        // Nothing moves past the run's end.
        QTest::keyClick(list, Qt::Key_Down, Qt::ControlModifier);
        QCOMPARE(form.model().levelOrderText(), std::string("SEN,JPN"));
    }

    // The mark on the board opens the dialog, worked by the mouse here; OK
    // writes the order as one step, Cancel writes nothing.
    void theMarkOpensTheChoiceAndOkIsOneStep()
    {
        NoBrowser browser;
        QTemporaryDir folder;
        TMainForm window(main(), browser, (folder.path() + "/").toStdString());
        window.resize(1280, 740);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto* mark = qobject_cast<QAbstractButton*>(window.boardView().widget(markH()));
        QVERIFY(mark && mark->isVisible());
        QVERIFY(!mark->size().isEmpty());
        QVERIFY(mark->accessibleName().startsWith(QStringLiteral("Group H: ")));
        QVERIFY(mark->accessibleName().contains(QString::fromStdString(name(main(), "JPN"))));
        QVERIFY(!window.boardView().widget(main().controls().groups[0].levelMark)->isVisible());
        QCOMPARE(secondOfH(), name(main(), "SEN"));

        for (const bool ok : {false, true}) {
            testing::NextModal answer([ok](QWidget* dialog) {
                QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("MoveDownButton")), Qt::LeftButton);
                auto* button = dialog->findChild<QPushButton*>(ok ? QStringLiteral("OKButton") : QStringLiteral("CancelButton"));
                QTest::mouseClick(button, Qt::LeftButton);
            });
            QTest::mouseClick(mark, Qt::LeftButton);
            QVERIFY(answer.answered());
            QCOMPARE(QString::fromStdString(secondOfH()), QString::fromStdString(name(main(), ok ? "JPN" : "SEN")));
            QCOMPARE(main().history().canUndo(), ok);
        }
        // The main window's Undo and Redo take it back and do it again.
        window.Undo1Click();
        QCOMPARE(secondOfH(), name(main(), "SEN"));
        window.Redo1Click();
        QCOMPARE(secondOfH(), name(main(), "JPN"));
    }
};

QTEST_MAIN(LevelOrderFormTest)
#include "LevelOrderFormTest.moc"
