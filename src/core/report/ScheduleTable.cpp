#include "report/ScheduleTable.h"

namespace tiplark {
namespace {

const std::array<ScheduleEntry, ScheduleMatchCount> Schedule = {{
    {1, 6, 9, 18, "GA11Lbl", "GA12Lbl", nullptr},
    {2, 6, 9, 21, "GA21Lbl", "GA22Lbl", nullptr},
    {3, 6, 10, 15, "GB11Lbl", "GB12Lbl", nullptr},
    {4, 6, 10, 18, "GB21Lbl", "GB22Lbl", nullptr},
    {5, 6, 10, 21, "GC11Lbl", "GC12Lbl", nullptr},
    {6, 6, 11, 15, "GC21Lbl", "GC22Lbl", nullptr},
    {7, 6, 11, 18, "GD11Lbl", "GD12Lbl", nullptr},
    {8, 6, 11, 21, "GD21Lbl", "GD22Lbl", nullptr},
    {12, 6, 12, 15, "GF21Lbl", "GF22Lbl", nullptr},
    {10, 6, 12, 18, "GE21Lbl", "GE22Lbl", nullptr},
    {9, 6, 12, 21, "GE11Lbl", "GE12Lbl", nullptr},
    {14, 6, 13, 15, "GG21Lbl", "GG22Lbl", nullptr},
    {13, 6, 13, 18, "GG11Lbl", "GG12Lbl", nullptr},
    {11, 6, 13, 21, "GF11Lbl", "GF12Lbl", nullptr},
    {15, 6, 14, 15, "GH11Lbl", "GH12Lbl", nullptr},
    {16, 6, 14, 18, "GH21Lbl", "GH22Lbl", nullptr},
    {17, 6, 14, 21, "GA31Lbl", "GA32Lbl", nullptr},
    {18, 6, 15, 15, "GA41Lbl", "GA42Lbl", nullptr},
    {19, 6, 15, 18, "GB31Lbl", "GB32Lbl", nullptr},
    {20, 6, 15, 21, "GB41Lbl", "GB42Lbl", nullptr},
    {21, 6, 16, 15, "GC31Lbl", "GC32Lbl", nullptr},
    {22, 6, 16, 18, "GC41Lbl", "GC42Lbl", nullptr},
    {23, 6, 16, 21, "GD31Lbl", "GD32Lbl", nullptr},
    {24, 6, 17, 15, "GD41Lbl", "GD42Lbl", nullptr},
    {26, 6, 17, 18, "GE41Lbl", "GE42Lbl", nullptr},
    {25, 6, 17, 21, "GE31Lbl", "GE32Lbl", nullptr},
    {28, 6, 18, 15, "GF41Lbl", "GF42Lbl", nullptr},
    {27, 6, 18, 18, "GF31Lbl", "GF32Lbl", nullptr},
    {29, 6, 18, 21, "GG31Lbl", "GG32Lbl", nullptr},
    {30, 6, 19, 15, "GG41Lbl", "GG42Lbl", nullptr},
    {32, 6, 19, 18, "GH41Lbl", "GH42Lbl", nullptr},
    {31, 6, 19, 21, "GH31Lbl", "GH32Lbl", nullptr},
    {33, 6, 20, 16, "GA51Lbl", "GA52Lbl", nullptr},
    {34, 6, 20, 16, "GA61Lbl", "GA62Lbl", nullptr},
    {36, 6, 20, 21, "GB61Lbl", "GB62Lbl", nullptr},
    {35, 6, 20, 21, "GB51Lbl", "GB52Lbl", nullptr},
    {40, 6, 21, 16, "GD61Lbl", "GD62Lbl", nullptr},
    {39, 6, 21, 16, "GD51Lbl", "GD52Lbl", nullptr},
    {37, 6, 21, 21, "GC51Lbl", "GC52Lbl", nullptr},
    {38, 6, 21, 21, "GC61Lbl", "GC62Lbl", nullptr},
    {41, 6, 22, 16, "GE51Lbl", "GE52Lbl", nullptr},
    {42, 6, 22, 16, "GE61Lbl", "GE62Lbl", nullptr},
    {43, 6, 22, 21, "GF51Lbl", "GF52Lbl", nullptr},
    {44, 6, 22, 21, "GF61Lbl", "GF62Lbl", nullptr},
    {48, 6, 23, 16, "GH61Lbl", "GH62Lbl", nullptr},
    {47, 6, 23, 16, "GH51Lbl", "GH52Lbl", nullptr},
    {45, 6, 23, 21, "GG51Lbl", "GG52Lbl", nullptr},
    {46, 6, 23, 21, "GG61Lbl", "GG62Lbl", nullptr},
    {49, 6, 24, 17, "Final811Lbl", "Final812Lbl", nullptr},
    {50, 6, 24, 21, "Final821Lbl", "Final822Lbl", nullptr},
    {51, 6, 25, 17, "Final831Lbl", "Final832Lbl", nullptr},
    {52, 6, 25, 21, "Final841Lbl", "Final842Lbl", nullptr},
    {53, 6, 26, 17, "Final851Lbl", "Final852Lbl", nullptr},
    {54, 6, 26, 21, "Final861Lbl", "Final862Lbl", nullptr},
    {55, 6, 27, 17, "Final871Lbl", "Final872Lbl", nullptr},
    {56, 6, 27, 21, "Final881Lbl", "Final882Lbl", nullptr},
    {57, 6, 30, 17, "Final411Lbl", "Final412Lbl", ":  49 - 50"},
    {58, 6, 30, 21, "Final421Lbl", "Final422Lbl", ":  53 - 54"},
    {59, 7, 1, 17, "Final431Lbl", "Final432Lbl", ":  51 - 52"},
    {60, 7, 1, 21, "Final441Lbl", "Final442Lbl", ":  55 - 56"},
    {61, 7, 4, 21, "Final211Lbl", "Final212Lbl", ":  57 - 58"},
    {62, 7, 5, 21, "Final221Lbl", "Final222Lbl", ":  59 - 60"},
    {63, 7, 8, 21, "Third11Lbl", "Third12Lbl", ":  2-61 - 2-62"},
    {64, 7, 9, 20, "Final11Lbl", "Final12Lbl", ":  1-61 - 1-62"},
}};

}  // namespace

const std::array<ScheduleEntry, ScheduleMatchCount>& scheduleTable()
{
    return Schedule;
}

}  // namespace tiplark
