#include "report/ScheduleLines.h"

#include "board/Board.h"
#include "report/ScheduleTable.h"
#include "tournament/BoardControls.h"

#include "TournamentFiles.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace tiplark {
namespace {

constexpr double Hour = 1.0 / 24;

class ScheduleTest : public ::testing::Test {
protected:
    ScheduleTest() { buildBoard(board, testing::worldCup2006()); }

    std::vector<std::string> schedule(double zoneShift, double daylightShift)
    {
        return BuildScheduleLines(zoneShift, daylightShift, boardTexts(board), format);
    }

    Board board;
    FixedDateTimeFormat format;
};

TEST_F(ScheduleTest, BerlinZoneWithoutDaylightSavingShowsWinterTime)
{
    const std::vector<std::string> lines = schedule(0, 0);
    ASSERT_EQ(lines.size(), 64u);
    EXPECT_EQ(lines[0], "1 :  09/06/2006 (Friday) 17:00     :  Germany - Costa Rica");
    EXPECT_EQ(lines[2], "3 :  10/06/2006 (Saturday) 14:00   :  England - Paraguay");
    EXPECT_EQ(lines[3], "4 :  10/06/2006 (Saturday) 17:00   :  Trinidad-Tob. - Sweden");
    EXPECT_EQ(lines[63], "64:  09/07/2006 (Sunday) 19:00     :  1-61 - 1-62");
}

TEST_F(ScheduleTest, DaylightSavingInBerlinShowsTheGermanKickOffs)
{
    const std::vector<std::string> lines = schedule(0, Hour);
    EXPECT_EQ(lines[0], "1 :  09/06/2006 (Friday) 18:00     :  Germany - Costa Rica");
    EXPECT_EQ(lines[63], "64:  09/07/2006 (Sunday) 20:00     :  1-61 - 1-62");
}

TEST_F(ScheduleTest, EasternZoneMovesLateMatchesToTheNextDay)
{
    const std::vector<std::string> lines = schedule(8 * Hour, 0);
    EXPECT_EQ(lines[0], "1 :  10/06/2006 (Saturday) 01:00   :  Germany - Costa Rica");
    EXPECT_EQ(lines[2], "3 :  10/06/2006 (Saturday) 22:00   :  England - Paraguay");
    EXPECT_EQ(lines[63], "64:  10/07/2006 (Monday) 03:00     :  1-61 - 1-62");
}

TEST_F(ScheduleTest, ExtremeZonesKeepOrMoveTheDate)
{
    // (GMT-12): the 15:00 kick-offs stay on their day, in the small hours.
    const std::vector<std::string> west = schedule(-13 * Hour, 0);
    EXPECT_EQ(west[0], "1 :  09/06/2006 (Friday) 04:00     :  Germany - Costa Rica");
    EXPECT_EQ(west[2], "3 :  10/06/2006 (Saturday) 01:00   :  England - Paraguay");
    // (GMT+13): the 21:00 kick-offs of 23 June fall on Saturday 24 June.
    const std::vector<std::string> east = schedule(12 * Hour, 0);
    EXPECT_EQ(east[46], "45:  24/06/2006 (Saturday) 08:00   :  Togo - France");
    EXPECT_EQ(east[47], "46:  24/06/2006 (Saturday) 08:00   :  Switzerland - Korea Rep.");
}

TEST_F(ScheduleTest, LinesKeepCalendarOrderAndAlignPairings)
{
    const std::vector<std::string> lines = schedule(0, 0);
    for (const std::string& line : lines)
        EXPECT_EQ(line.substr(35, 3), ":  ") << line;
    // 12 June: matches 12, 10 and 9, in that order.
    EXPECT_EQ(lines[8].substr(0, 5), "12:  ");
    EXPECT_EQ(lines[9].substr(0, 5), "10:  ");
    EXPECT_EQ(lines[10], "9 :  12/06/2006 (Monday) 20:00     :  Italy - Ghana");
}

TEST_F(ScheduleTest, RoundOfSixteenAlwaysShowsNames)
{
    // The design board carries each group's alphabetical first two.
    const std::vector<std::string> lines = schedule(0, 0);
    EXPECT_EQ(lines[48], "49:  24/06/2006 (Saturday) 16:00   :  Costa Rica - Paraguay");
    board.setText("Final811Lbl", "Germany");
    EXPECT_EQ(schedule(0, 0)[48], "49:  24/06/2006 (Saturday) 16:00   :  Germany - Paraguay");
}

TEST_F(ScheduleTest, LaterRoundsNeedBothSlotsDecided)
{
    EXPECT_EQ(schedule(0, 0)[56], "57:  30/06/2006 (Friday) 16:00     :  49 - 50");
    board.setText("Final411Lbl", "Germany");
    EXPECT_EQ(schedule(0, 0)[56], "57:  30/06/2006 (Friday) 16:00     :  49 - 50");
    board.setText("Final412Lbl", "Argentina");
    EXPECT_EQ(schedule(0, 0)[56], "57:  30/06/2006 (Friday) 16:00     :  Germany - Argentina");

    board.setText("Third12Lbl", "Portugal");
    EXPECT_EQ(schedule(0, 0)[62], "63:  08/07/2006 (Saturday) 20:00   :  2-61 - 2-62");
    board.setText("Third11Lbl", "Germany");
    EXPECT_EQ(schedule(0, 0)[62], "63:  08/07/2006 (Saturday) 20:00   :  Germany - Portugal");
}

// A regional format whose long weekday names make some date texts longer
// than the 30-character column.
class LongWeekdayFormat : public FixedDateTimeFormat {
public:
    std::string longWeekday(const CivilDateTime& moment) const override
    {
        return moment.weekday == 3 ? "Wednesday, the middle of the week" : FixedDateTimeFormat::longWeekday(moment);
    }
};

TEST_F(ScheduleTest, LongDateTextsWidenTheColumnForEveryLine)
{
    const LongWeekdayFormat wide;
    const std::vector<std::string> lines = BuildScheduleLines(0, Hour, boardTexts(board), wide);
    // 5 characters of prefix, then "14/06/2006 (Wednesday, the middle of the week) 21:00" and one space.
    const std::size_t pairing = 5 + 52 + 1;
    for (const std::string& line : lines)
        EXPECT_EQ(line.find(":  ", 5), pairing) << line;
    EXPECT_EQ(lines[0], "1 :  09/06/2006 (Friday) 18:00" + std::string(pairing - 30, ' ') + ":  Germany - Costa Rica");
}

TEST(ScheduleTable, EveryMatchOnceWithPlaceholdersFromTheQuarterFinals)
{
    std::set<int> numbers;
    std::set<int> slots;
    for (const ScheduleEntry& entry : scheduleTable()) {
        numbers.insert(entry.number);
        slots.insert(entry.slot);
        EXPECT_EQ(entry.placeholder != nullptr, entry.number >= 57) << entry.number;
    }
    EXPECT_EQ(numbers.size(), 64u);
    EXPECT_EQ(slots.size(), 64u);
    EXPECT_EQ(*slots.begin(), 1);
    EXPECT_EQ(*slots.rbegin(), 64);
}

}  // namespace
}  // namespace tiplark
