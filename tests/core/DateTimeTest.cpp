#include "platform/DateTime.h"

#include <gtest/gtest.h>

namespace tiplark {
namespace {

TEST(DateTime, EncodesDaysSince1899)
{
    EXPECT_DOUBLE_EQ(encodeDateTime(1899, 12, 30, 0, 0), 0.0);
    EXPECT_DOUBLE_EQ(encodeDateTime(2006, 6, 9, 18, 0), 38877.75);
}

TEST(DateTime, ShiftsCrossMidnightWithWeekday)
{
    // 23 June 2006 21:00 plus twelve hours is Saturday 24 June, 09:00.
    const CivilDateTime moment = decodeDateTime(encodeDateTime(2006, 6, 23, 21, 0) + 12.0 / 24);
    EXPECT_EQ(moment.day, 24);
    EXPECT_EQ(moment.month, 6);
    EXPECT_EQ(moment.hour, 9);
    EXPECT_EQ(moment.weekday, 6);
}

TEST(DateTime, HourShiftsLandOnWholeMinutes)
{
    // Thirteen hours back from 18:00 is 05:00, however 1/24 rounds.
    const CivilDateTime moment = decodeDateTime(encodeDateTime(2006, 6, 9, 18, 0) - 13 * (1.0 / 24));
    EXPECT_EQ(moment.hour, 5);
    EXPECT_EQ(moment.minute, 0);
    FixedDateTimeFormat format;
    EXPECT_EQ(format.longWeekday(moment), "Friday");
    EXPECT_EQ(format.shortDate(moment), "09/06/2006");
    EXPECT_EQ(format.shortTime(moment), "05:00");
}

}  // namespace
}  // namespace tiplark
