#include "tournament/TournamentData.h"

#include <stdexcept>

namespace tiplark {
namespace {

constexpr std::array<const char*, TeamCount + 1> EnglishNames = {
    "",
    "Angola", "Argentina", "Australia", "Brazil", "Costa Rica", "Croatia", "Czech Rep.", "Ecuador",
    "England", "France", "Germany", "Ghana", "Iran", "Italy", "Ivory Coast", "Japan",
    "Korea Rep.", "Mexico", "Netherlands", "Paraguay", "Poland", "Portugal", "Saudi Arabia", "Serbia Mont.",
    "Spain", "Sweden", "Switzerland", "Togo", "Trinidad-Tob.", "Tunisia", "Ukraine", "USA",
};

// Winner and runner-up slots cross between neighbouring groups: A1-B2, C1-D2,
// B1-A2, D1-C2, E1-F2, G1-H2, F1-E2, H1-G2.
const std::array<GroupInfo, GroupCount> Groups = {{
    {'A', {11, 8, 5, 21}, {11, 5, 21, 8}, 0, 0, 2, 1},
    {'B', {9, 26, 20, 29}, {9, 20, 29, 26}, 2, 0, 0, 1},
    {'C', {2, 24, 19, 15}, {2, 15, 24, 19}, 1, 0, 3, 1},
    {'D', {13, 22, 18, 1}, {18, 13, 1, 22}, 3, 0, 1, 1},
    {'E', {12, 32, 14, 7}, {14, 12, 32, 7}, 4, 0, 6, 1},
    {'F', {3, 4, 16, 6}, {4, 6, 3, 16}, 6, 0, 4, 1},
    {'G', {10, 28, 17, 27}, {10, 27, 17, 28}, 5, 0, 7, 1},
    {'H', {31, 25, 30, 23}, {25, 31, 30, 23}, 7, 0, 5, 1},
}};

constexpr std::array<RoundInfo, RoundCount> Rounds = {{
    {"Final8", "GPFinal8", 8},
    {"Final4", "GPFinal4", 4},
    {"Final2", "GPFinal2", 2},
    {"Third", "GPThird", 1},
    {"Final", "GPFinal", 1},
}};

static_assert(MatchCount == GroupMatchCount + [] {
    int knockout = 0;
    for (const RoundInfo& round : Rounds)
        knockout += round.matchCount;
    return knockout;
}());

// Quarter-finals pair round-of-16 matches 1-2, 5-6, 3-4 and 7-8.
constexpr std::array<NextSlot, 8> Final8Next = {{
    {0, 0}, {0, 1}, {2, 0}, {2, 1}, {1, 0}, {1, 1}, {3, 0}, {3, 1},
}};
constexpr std::array<NextSlot, 4> Final4Next = {{{0, 0}, {0, 1}, {1, 0}, {1, 1}}};
constexpr std::array<NextSlot, 2> Final2Next = {{{0, 0}, {0, 1}}};

// The names are built in place, without temporaries: the report looks up
// several hundred of them each time it is made.
void appendNumber(std::string& name, int number)
{
    if (number >= 0 && number <= 9)
        name += static_cast<char>('0' + number);
    else
        name += std::to_string(number);
}

std::string knockoutBase(Round round, int match, int side, const char* suffix = "")
{
    std::string name = rounds()[static_cast<size_t>(round)].prefix;
    appendNumber(name, match);
    appendNumber(name, side);
    name += suffix;
    return name;
}

std::string groupName(char letter, int match, int side, const char* suffix)
{
    std::string name{'G', letter};
    appendNumber(name, match);
    appendNumber(name, side);
    name += suffix;
    return name;
}

}  // namespace

const char* englishTeamName(int team)
{
    if (team < 1 || team > TeamCount)
        throw std::out_of_range("team number");
    return EnglishNames[static_cast<size_t>(team)];
}

const std::array<GroupInfo, GroupCount>& groups()
{
    return Groups;
}

const std::array<RoundInfo, RoundCount>& rounds()
{
    return Rounds;
}

MatchPlace matchPlace(int index)
{
    if (index >= 0 && index < GroupMatchCount)
        return {index / MatchesPerGroup, Round::Final8, index % MatchesPerGroup};
    int match = index - GroupMatchCount;
    for (int r = 0; index >= 0 && r < RoundCount; ++r) {
        const int count = Rounds[static_cast<size_t>(r)].matchCount;
        if (match < count)
            return {-1, static_cast<Round>(r), match};
        match -= count;
    }
    throw std::out_of_range("no match " + std::to_string(index));
}

NextSlot nextSlot(Round round, int match)
{
    switch (round) {
    case Round::Final8:
        return Final8Next.at(static_cast<size_t>(match));
    case Round::Final4:
        return Final4Next.at(static_cast<size_t>(match));
    case Round::Final2:
        return Final2Next.at(static_cast<size_t>(match));
    case Round::Third:
    case Round::Final:
        break;
    }
    throw std::out_of_range("no next round");
}

std::string groupScoreName(char letter, int match, int side)
{
    return groupName(letter, match, side, "");
}

std::string groupLabelName(char letter, int match, int side)
{
    return groupName(letter, match, side, "Lbl");
}

std::string standingsNameLabel(char letter, int row)
{
    std::string name{'G', letter};
    name += "Name";
    appendNumber(name, row);
    return name;
}

std::string knockoutScoreName(Round round, int match, int side)
{
    return knockoutBase(round, match, side);
}

std::string knockoutPenaltyName(Round round, int match, int side)
{
    return knockoutBase(round, match, side, "pk");
}

std::string knockoutLabelName(Round round, int match, int side)
{
    return knockoutBase(round, match, side, "Lbl");
}

}  // namespace tiplark
