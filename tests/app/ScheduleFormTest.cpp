#include "windows/ScheduleForm.h"

#include "LanguageBoard.h"
#include "report/ScheduleLines.h"

#include <QFontMetrics>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

namespace tiplark {

class ScheduleFormTest : public QObject {
    Q_OBJECT

private slots:
    void showsTheLinesInTheLanguageOfTheBoard();
    void listIsFixedPitchWithSingleSelection();
    void closesFromTheKeyboard();

private:
    static std::vector<std::string> lines(const testing::LanguageBoard& board)
    {
        const FixedDateTimeFormat dates;
        return BuildScheduleLines(0, 1.0 / 24, boardTexts(board.board), dates);
    }
};

void ScheduleFormTest::showsTheLinesInTheLanguageOfTheBoard()
{
    testing::LanguageBoard french(2);
    TScheduleForm form(french.language, lines(french));
    QCOMPARE(form.windowTitle(), QStringLiteral("Tiplark - Calendrier des Matches"));

    auto* list = form.findChild<QListWidget*>("ScheduleLB");
    auto* close = form.findChild<QPushButton*>("CloseButton");
    QVERIFY(list && close);
    QCOMPARE(close->text(), QStringLiteral("&Fermer"));
    QCOMPARE(close->accessibleName(), QStringLiteral("Fermer"));
    QVERIFY(!list->accessibleName().isEmpty());
    QCOMPARE(list->count(), 64);
    QCOMPARE(list->item(0)->text(), QStringLiteral("1 :  09/06/2006 (Friday) 18:00     :  Allemagne - Costa Rica"));
    QCOMPARE(list->item(63)->text(), QStringLiteral("64:  09/07/2006 (Sunday) 20:00     :  1-61 - 1-62"));

    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QVERIFY(form.grab().save(QStringLiteral(TIPLARK_GRAB_DIR "/schedule.png")));
}

void ScheduleFormTest::listIsFixedPitchWithSingleSelection()
{
    testing::LanguageBoard english;
    TScheduleForm form(english.language, lines(english));
    auto* list = form.findChild<QListWidget*>("ScheduleLB");
    // The pairings line up only when every character is as wide as any other.
    const QFontMetrics metrics(list->font());
    QCOMPARE(metrics.horizontalAdvance(QStringLiteral("iiii")), metrics.horizontalAdvance(QStringLiteral("MMMM")));
    QCOMPARE(list->selectionMode(), QAbstractItemView::SingleSelection);
    list->item(3)->setSelected(true);
    list->item(5)->setSelected(true);
    QCOMPARE(list->selectedItems().size(), 1);
}

void ScheduleFormTest::closesFromTheKeyboard()
{
    testing::LanguageBoard english;
    TScheduleForm form(english.language, lines(english));
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    auto* list = form.findChild<QListWidget*>("ScheduleLB");
    QCOMPARE(QApplication::focusWidget(), list);
    QTest::keyClick(list, Qt::Key_Down);
    QCOMPARE(list->currentRow(), 1);

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    auto* close = form.findChild<QPushButton*>("CloseButton");
    QCOMPARE(QApplication::focusWidget(), close);
    QCOMPARE(close->text(), QStringLiteral("&Close"));
    QTest::keyClick(close, Qt::Key_Space);
    QVERIFY(!form.isVisible());

    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QTest::keyClick(&form, Qt::Key_Escape);
    QVERIFY(!form.isVisible());
}

}  // namespace tiplark

QTEST_MAIN(tiplark::ScheduleFormTest)
#include "ScheduleFormTest.moc"
