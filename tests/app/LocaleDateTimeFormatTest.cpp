#include "services/LocaleDateTimeFormat.h"

#include <QtTest>

namespace tiplark {

class LocaleDateTimeFormatTest : public QObject {
    Q_OBJECT

private slots:
    void followsTheRegionalSettingsNotTheProgramLanguage_data();
    void followsTheRegionalSettingsNotTheProgramLanguage();
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

}  // namespace tiplark

QTEST_GUILESS_MAIN(tiplark::LocaleDateTimeFormatTest)
#include "LocaleDateTimeFormatTest.moc"
