#include "platform/DateTime.h"

#include <array>
#include <cmath>
#include <cstdio>

namespace tiplark {
namespace {

// Days from 1970-01-01 of a proleptic Gregorian date (H. Hinnant's algorithm).
long long daysFromCivil(int year, int month, int day)
{
    year -= month <= 2 ? 1 : 0;
    const long long era = (year >= 0 ? year : year - 399) / 400;
    const unsigned yearOfEra = static_cast<unsigned>(year - era * 400);
    const unsigned dayOfYear = (153 * static_cast<unsigned>(month + (month > 2 ? -3 : 9)) + 2) / 5 + static_cast<unsigned>(day) - 1;
    const unsigned dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + static_cast<long long>(dayOfEra) - 719468;
}

void civilFromDays(long long days, int& year, int& month, int& day)
{
    days += 719468;
    const long long era = (days >= 0 ? days : days - 146096) / 146097;
    const unsigned dayOfEra = static_cast<unsigned>(days - era * 146097);
    const unsigned yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const unsigned dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const unsigned mp = (5 * dayOfYear + 2) / 153;
    day = static_cast<int>(dayOfYear - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(static_cast<long long>(yearOfEra) + era * 400 + (month <= 2 ? 1 : 0));
}

constexpr long long epochOffset = 25569;  // 1970-01-01 counted from 1899-12-30

}  // namespace

DateTimeValue encodeDateTime(int year, int month, int day, int hour, int minute)
{
    const long long days = daysFromCivil(year, month, day) + epochOffset;
    return static_cast<double>(days) + (hour * 60 + minute) / 1440.0;
}

CivilDateTime decodeDateTime(DateTimeValue value)
{
    const long long minutes = std::llround(value * 1440.0);
    long long days = minutes / 1440;
    long long minuteOfDay = minutes % 1440;
    if (minuteOfDay < 0) {
        minuteOfDay += 1440;
        --days;
    }
    CivilDateTime result;
    civilFromDays(days - epochOffset, result.year, result.month, result.day);
    result.hour = static_cast<int>(minuteOfDay / 60);
    result.minute = static_cast<int>(minuteOfDay % 60);
    // 1899-12-30 was a Saturday.
    result.weekday = static_cast<int>(((days % 7) + 7 + 6) % 7);
    return result;
}

std::string FixedDateTimeFormat::longWeekday(const CivilDateTime& moment) const
{
    static constexpr std::array<const char*, 7> names = {"Sunday", "Monday", "Tuesday", "Wednesday",
                                                         "Thursday", "Friday", "Saturday"};
    return names[static_cast<size_t>(moment.weekday)];
}

namespace {

// value in at least `width` digits with leading zeros; the fields are never negative.
void appendDigits(std::string& text, int value, int width)
{
    char digits[12];
    int count = 0;
    do {
        digits[count++] = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value > 0);
    text.append(width > count ? static_cast<size_t>(width - count) : 0, '0');
    while (count > 0)
        text += digits[--count];
}

}  // namespace

// Written by hand rather than with snprintf: the schedule formats 64 of them
// each time it is shown.
std::string FixedDateTimeFormat::shortDate(const CivilDateTime& moment) const
{
    std::string text;
    appendDigits(text, moment.day, 2);
    text += '/';
    appendDigits(text, moment.month, 2);
    text += '/';
    appendDigits(text, moment.year, 4);
    return text;
}

std::string FixedDateTimeFormat::shortTime(const CivilDateTime& moment) const
{
    std::string text;
    appendDigits(text, moment.hour, 2);
    text += ':';
    appendDigits(text, moment.minute, 2);
    return text;
}

}  // namespace tiplark
