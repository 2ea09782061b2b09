#include "platform/QtDateTimeFormat.h"

#include <QDate>
#include <QLocale>
#include <QTime>

namespace tiplark {

std::string QtDateTimeFormat::longWeekday(const CivilDateTime& moment) const
{
    // CivilDateTime counts from Sunday = 0, Qt from Monday = 1 to Sunday = 7.
    const int qtDay = moment.weekday == 0 ? 7 : moment.weekday;
    return QLocale::system().dayName(qtDay, QLocale::LongFormat).toStdString();
}

std::string QtDateTimeFormat::shortDate(const CivilDateTime& moment) const
{
    return QLocale::system().toString(QDate(moment.year, moment.month, moment.day), QLocale::ShortFormat).toStdString();
}

std::string QtDateTimeFormat::shortTime(const CivilDateTime& moment) const
{
    return QLocale::system().toString(QTime(moment.hour, moment.minute), QLocale::ShortFormat).toStdString();
}

}  // namespace tiplark
