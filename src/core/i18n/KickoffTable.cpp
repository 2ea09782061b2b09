#include "i18n/KickoffTable.h"

#include "tournament/TournamentData.h"

#include <stdexcept>

namespace tiplark {
namespace {

constexpr int Year = 2006;

constexpr std::array<KickoffRow, MatchCount> Rows = {{
    {6, 9, 18, "Munich"},  // 1
    {6, 9, 21, "Gelsenkirchen"},  // 2
    {6, 14, 21, "Dortmund"},  // 3
    {6, 15, 15, "Hamburg"},  // 4
    {6, 20, 16, "Berlin"},  // 5
    {6, 20, 16, "Hanover"},  // 6
    {6, 10, 15, "Frankfurt"},  // 7
    {6, 10, 18, "Dortmund"},  // 8
    {6, 15, 18, "Nuremberg"},  // 9
    {6, 15, 21, "Berlin"},  // 10
    {6, 20, 21, "Cologne"},  // 11
    {6, 20, 21, "Kaiserslautern"},  // 12
    {6, 10, 21, "Hamburg"},  // 13
    {6, 11, 15, "Leipzig"},  // 14
    {6, 16, 15, "Gelsenkirchen"},  // 15
    {6, 16, 18, "Stuttgart"},  // 16
    {6, 21, 21, "Frankfurt"},  // 17
    {6, 21, 21, "Munich"},  // 18
    {6, 11, 18, "Nuremberg"},  // 19
    {6, 11, 21, "Cologne"},  // 20
    {6, 16, 21, "Hanover"},  // 21
    {6, 17, 15, "Frankfurt"},  // 22
    {6, 21, 16, "Gelsenkirchen"},  // 23
    {6, 21, 16, "Leipzig"},  // 24
    {6, 12, 21, "Hanover"},  // 25
    {6, 12, 18, "Gelsenkirchen"},  // 26
    {6, 17, 21, "Kaiserslautern"},  // 27
    {6, 17, 18, "Cologne"},  // 28
    {6, 22, 16, "Hamburg"},  // 29
    {6, 22, 16, "Nuremberg"},  // 30
    {6, 13, 21, "Berlin"},  // 31
    {6, 12, 15, "Kaiserslautern"},  // 32
    {6, 18, 18, "Munich"},  // 33
    {6, 18, 15, "Nuremberg"},  // 34
    {6, 22, 21, "Dortmund"},  // 35
    {6, 22, 21, "Stuttgart"},  // 36
    {6, 13, 18, "Stuttgart"},  // 37
    {6, 13, 15, "Frankfurt"},  // 38
    {6, 18, 21, "Leipzig"},  // 39
    {6, 19, 15, "Dortmund"},  // 40
    {6, 23, 21, "Cologne"},  // 41
    {6, 23, 21, "Hanover"},  // 42
    {6, 14, 15, "Leipzig"},  // 43
    {6, 14, 18, "Munich"},  // 44
    {6, 19, 21, "Stuttgart"},  // 45
    {6, 19, 18, "Hamburg"},  // 46
    {6, 23, 16, "Kaiserslautern"},  // 47
    {6, 23, 16, "Berlin"},  // 48
    {6, 24, 17, "Munich"},  // 49
    {6, 24, 21, "Leipzig"},  // 50
    {6, 25, 17, "Stuttgart"},  // 51
    {6, 25, 21, "Nuremberg"},  // 52
    {6, 26, 17, "Kaiserslautern"},  // 53
    {6, 26, 21, "Cologne"},  // 54
    {6, 27, 17, "Dortmund"},  // 55
    {6, 27, 21, "Hanover"},  // 56
    {6, 30, 17, "Berlin"},  // 57
    {6, 30, 21, "Hamburg"},  // 58
    {7, 1, 17, "Gelsenkirchen"},  // 59
    {7, 1, 21, "Frankfurt"},  // 60
    {7, 4, 21, "Dortmund"},  // 61
    {7, 5, 21, "Munich"},  // 62
    {7, 8, 21, "Stuttgart"},  // 63
    {7, 9, 20, "Berlin"},  // 64
}};

void checkSlot(int slot)
{
    if (slot < 1 || slot > MatchCount)
        throw std::out_of_range("match slot");
}

}  // namespace

const KickoffRow& kickoffRow(int slot)
{
    checkSlot(slot);
    return Rows[static_cast<size_t>(slot - 1)];
}

DateTimeValue germanKickoff(int slot)
{
    const KickoffRow& row = kickoffRow(slot);
    return encodeDateTime(Year, row.month, row.day, row.hour, 0);
}

const std::string& kickoffCityKey(int slot)
{
    static const std::array<std::string, MatchCount> keys = [] {
        std::array<std::string, MatchCount> result;
        for (int s = 1; s <= MatchCount; ++s)
            result[static_cast<size_t>(s - 1)] = std::string("city.") + kickoffRow(s).city;
        return result;
    }();
    checkSlot(slot);
    return keys[static_cast<size_t>(slot - 1)];
}

std::array<std::string, 2> kickoffLabelNames(int slot)
{
    checkSlot(slot);
    const MatchPlace place = matchPlace(slot - 1);
    if (place.group >= 0) {
        const char letter = groups()[static_cast<size_t>(place.group)].letter;
        return {groupLabelName(letter, place.match + 1, 1), groupLabelName(letter, place.match + 1, 2)};
    }
    return {knockoutLabelName(place.round, place.match + 1, 1), knockoutLabelName(place.round, place.match + 1, 2)};
}

}  // namespace tiplark
