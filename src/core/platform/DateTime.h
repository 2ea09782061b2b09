#pragma once

#include <string>

namespace tiplark {

// A moment as days since 30 December 1899, the time of day as the fraction;
// time shifts are fractions of a day added to it.
using DateTimeValue = double;

struct CivilDateTime {
    int year = 1899;
    int month = 12;
    int day = 30;
    int hour = 0;
    int minute = 0;
    int weekday = 6;  // 0 Sunday .. 6 Saturday
};

DateTimeValue encodeDateTime(int year, int month, int day, int hour, int minute);
// Rounds to the nearest minute, so that shifts such as 1/24 land on whole hours.
CivilDateTime decodeDateTime(DateTimeValue value);

// The regional formats the kick-off texts use: the long weekday name, the
// short date and the short time. The window takes them from the system's
// locale; tests and the fallback use fixed ones. A format gives the same
// text for the same moment as long as it lives, so texts built once stay right.
class DateTimeFormat {
public:
    virtual ~DateTimeFormat() = default;
    virtual std::string longWeekday(const CivilDateTime& moment) const = 0;
    virtual std::string shortDate(const CivilDateTime& moment) const = 0;
    virtual std::string shortTime(const CivilDateTime& moment) const = 0;
};

// English weekday names, dd/MM/yyyy and a 24-hour HH:mm clock.
class FixedDateTimeFormat : public DateTimeFormat {
public:
    std::string longWeekday(const CivilDateTime& moment) const override;
    std::string shortDate(const CivilDateTime& moment) const override;
    std::string shortTime(const CivilDateTime& moment) const override;
};

}  // namespace tiplark
