#include "services/LocaleDateTimeFormat.h"

#include <QDate>
#include <QTime>

#include <algorithm>

namespace tiplark {
namespace {

bool isSeparator(QChar c)
{
    return !c.isLetter() && c != QLatin1Char('\'');
}

// The locale's short time without seconds, milliseconds or time zone: some
// locales (C among them) put seconds in their short format, and a kick-off
// is on the minute. A dropped field takes the separator before it along
// ("HH:mm:ss" gives "HH:mm"); quoted literals stay as they are.
QString hoursAndMinutes(const QString& format)
{
    QString result;
    qsizetype i = 0;
    while (i < format.size()) {
        const QChar c = format[i];
        qsizetype end = i + 1;
        if (c == QLatin1Char('\'')) {
            while (end < format.size() && format[end] != QLatin1Char('\''))
                ++end;
            end = std::min(end + 1, format.size());
        } else if (c.isLetter()) {
            while (end < format.size() && format[end] == c)
                ++end;
        }
        if (c == QLatin1Char('s') || c == QLatin1Char('z') || c == QLatin1Char('t')) {
            while (!result.isEmpty() && isSeparator(result.back()))
                result.chop(1);
        } else {
            result += format.mid(i, end - i);
        }
        i = end;
    }
    return result.trimmed();
}

}  // namespace

LocaleDateTimeFormat::LocaleDateTimeFormat(QLocale locale)
    : m_locale(std::move(locale))
    , m_timeFormat(hoursAndMinutes(m_locale.timeFormat(QLocale::ShortFormat)))
{
}

std::string LocaleDateTimeFormat::longWeekday(const CivilDateTime& moment) const
{
    const QDate date(moment.year, moment.month, moment.day);
    return m_locale.dayName(date.dayOfWeek(), QLocale::LongFormat).toStdString();
}

std::string LocaleDateTimeFormat::shortDate(const CivilDateTime& moment) const
{
    return m_locale.toString(QDate(moment.year, moment.month, moment.day), QLocale::ShortFormat).toStdString();
}

std::string LocaleDateTimeFormat::shortTime(const CivilDateTime& moment) const
{
    return m_locale.toString(QTime(moment.hour, moment.minute), m_timeFormat).toStdString();
}

}  // namespace tiplark
