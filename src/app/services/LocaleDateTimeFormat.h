#pragma once

#include "platform/DateTime.h"

#include <QLocale>

namespace tiplark {

// Weekday names and the short date and time formats of the user's regional
// settings, whatever the program's language. The time shows hours and
// minutes only, also where the locale's short format has seconds.
class LocaleDateTimeFormat : public DateTimeFormat {
public:
    explicit LocaleDateTimeFormat(QLocale locale = QLocale::system());

    std::string longWeekday(const CivilDateTime& moment) const override;
    std::string shortDate(const CivilDateTime& moment) const override;
    std::string shortTime(const CivilDateTime& moment) const override;

private:
    QLocale m_locale;
    QString m_timeFormat;
};

}  // namespace tiplark
