#include "services/LocaleDateTimeFormat.h"

#include "LanguageBoard.h"
#include "i18n/LanguageTables.h"
#include "report/ScheduleLines.h"

#include <QRegularExpression>
#include <QtTest>

namespace tiplark {

class LocaleDateTimeFormatTest : public QObject {
    Q_OBJECT

private slots:
    void followsTheRegionalSettingsNotTheProgramLanguage_data();
    void followsTheRegionalSettingsNotTheProgramLanguage();
    void scheduleColumnsStayInPlace_data();
    void scheduleColumnsStayInPlace();
};

void LocaleDateTimeFormatTest::followsTheRegionalSettingsNotTheProgramLanguage_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("weekday");
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("time");
    QTest::newRow("British") << "en_GB" << "Sunday" << "09/07/2006" << "20:00";
    QTest::newRow("German") << "de_DE" << "Sonntag" << "09.07.06" << "20:00";
    QTest::newRow("American 12-hour") << "en_US" << "Sunday" << "7/9/06" << "8:00 PM";
    // The C locale's short time has seconds; a kick-off shows none.
    QTest::newRow("C") << "C" << "Sunday" << "9 Jul 2006" << "20:00";
    QTest::newRow("French") << "fr_FR" << "dimanche" << "09/07/2006" << "20:00";
    QTest::newRow("Spanish") << "es_ES" << "domingo" << "9/7/06" << "20:00";
    QTest::newRow("Canadian French, quoted literal") << "fr_CA" << "dimanche" << "2006-07-09" << "20 h 00";
}

void LocaleDateTimeFormatTest::followsTheRegionalSettingsNotTheProgramLanguage()
{
    QFETCH(QString, locale);
    // The final: Sunday 9 July 2006, 20:00.
    const CivilDateTime final = decodeDateTime(encodeDateTime(2006, 7, 9, 20, 0));
    const LocaleDateTimeFormat format{QLocale(locale)};
    QTEST(QString::fromStdString(format.longWeekday(final)), "weekday");
    QTEST(QString::fromStdString(format.shortDate(final)), "date");
    // Newer locale data puts a narrow no-break space before "PM".
    QTEST(QString::fromStdString(format.shortTime(final)).replace(QChar(0x202F), QLatin1Char(' ')), "time");
}

void LocaleDateTimeFormatTest::scheduleColumnsStayInPlace_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<int>("zoneHours");
    for (const char* locale : {"C", "en_GB", "fr_FR", "es_ES"}) {
        // Berlin in summer, and the zone that moves late kick-offs to the next day.
        QTest::addRow("%s, German time", locale) << locale << 1;
        QTest::addRow("%s, (GMT+13)", locale) << locale << 13;
    }
}

void LocaleDateTimeFormatTest::scheduleColumnsStayInPlace()
{
    QFETCH(QString, locale);
    QFETCH(int, zoneHours);
    const testing::LanguageBoard board(LanguageFrench);
    const LocaleDateTimeFormat format{QLocale(locale)};
    const std::vector<std::string> lines =
        BuildScheduleLines((zoneHours - 1) / 24.0, 1 / 24.0, boardTexts(board.board), format);
    QCOMPARE(lines.size(), size_t(64));
    static const QRegularExpression time(QStringLiteral("\\) \\d{1,2}:\\d\\d +:  "));
    for (const std::string& line : lines) {
        const QString shown = QString::fromStdString(line);
        // Match number and date take 35 characters; the pairing follows.
        QVERIFY2(shown.indexOf(QStringLiteral(":  "), 5) == 35, line.c_str());
        QVERIFY2(time.match(shown).hasMatch(), line.c_str());
    }
}

}  // namespace tiplark

QTEST_GUILESS_MAIN(tiplark::LocaleDateTimeFormatTest)
#include "LocaleDateTimeFormatTest.moc"
