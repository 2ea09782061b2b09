#include "report/ScheduleTable.h"

namespace tiplark {
namespace {

// Match number, kick-off slot, bracket pairing.
const std::array<ScheduleEntry, MatchCount> Schedule = {{
    {1, 1, nullptr},
    {2, 2, nullptr},
    {3, 7, nullptr},
    {4, 8, nullptr},
    {5, 13, nullptr},
    {6, 14, nullptr},
    {7, 19, nullptr},
    {8, 20, nullptr},
    {12, 32, nullptr},
    {10, 26, nullptr},
    {9, 25, nullptr},
    {14, 38, nullptr},
    {13, 37, nullptr},
    {11, 31, nullptr},
    {15, 43, nullptr},
    {16, 44, nullptr},
    {17, 3, nullptr},
    {18, 4, nullptr},
    {19, 9, nullptr},
    {20, 10, nullptr},
    {21, 15, nullptr},
    {22, 16, nullptr},
    {23, 21, nullptr},
    {24, 22, nullptr},
    {26, 28, nullptr},
    {25, 27, nullptr},
    {28, 34, nullptr},
    {27, 33, nullptr},
    {29, 39, nullptr},
    {30, 40, nullptr},
    {32, 46, nullptr},
    {31, 45, nullptr},
    {33, 5, nullptr},
    {34, 6, nullptr},
    {36, 12, nullptr},
    {35, 11, nullptr},
    {40, 24, nullptr},
    {39, 23, nullptr},
    {37, 17, nullptr},
    {38, 18, nullptr},
    {41, 29, nullptr},
    {42, 30, nullptr},
    {43, 35, nullptr},
    {44, 36, nullptr},
    {48, 48, nullptr},
    {47, 47, nullptr},
    {45, 41, nullptr},
    {46, 42, nullptr},
    {49, 49, nullptr},
    {50, 50, nullptr},
    {51, 51, nullptr},
    {52, 52, nullptr},
    {53, 53, nullptr},
    {54, 54, nullptr},
    {55, 55, nullptr},
    {56, 56, nullptr},
    {57, 57, ":  49 - 50"},
    {58, 58, ":  53 - 54"},
    {59, 59, ":  51 - 52"},
    {60, 60, ":  55 - 56"},
    {61, 61, ":  57 - 58"},
    {62, 62, ":  59 - 60"},
    {63, 63, ":  2-61 - 2-62"},
    {64, 64, ":  1-61 - 1-62"},
}};

}  // namespace

const std::array<ScheduleEntry, MatchCount>& scheduleTable()
{
    return Schedule;
}

}  // namespace tiplark
