#include "services/LocaleDateTimeFormat.h"

#include <QDate>
#include <QTime>

namespace tiplark {

LocaleDateTimeFormat::LocaleDateTimeFormat(QLocale locale)
    : m_locale(std::move(locale))
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
    return m_locale.toString(QTime(moment.hour, moment.minute), QLocale::ShortFormat).toStdString();
}

}  // namespace tiplark
