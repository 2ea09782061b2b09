#include "engine/TournamentFile.h"

#include "TemporaryFolder.h"
#include "TournamentFiles.h"
#include "engine/TournamentCatalog.h"

#include <gtest/gtest.h>

#include <fstream>
#include <vector>

namespace tiplark {
namespace {

using testing::exampleCup;
using testing::exampleCupText;
using testing::replaced;

TEST(TournamentFileTest, ExampleFromTheFormatPageLoads)
{
    const Tournament cup = exampleCup();
    EXPECT_EQ(cup.id, "cup-2027");
    EXPECT_EQ(cup.teams.size(), 16u);
    ASSERT_EQ(cup.groups.size(), 4u);
    EXPECT_EQ(cup.groups[1].letter, 'B');
    EXPECT_EQ(cup.teams[static_cast<size_t>(cup.groups[1].teams[0])].code, "ISL");
    EXPECT_EQ(cup.groupMatches.size(), 24u);
    EXPECT_EQ(cup.groups[3].matches.size(), 6u);
    ASSERT_EQ(cup.knockout.size(), 8u);
    EXPECT_EQ(cup.knockout[static_cast<size_t>(cup.finalMatch)].number, 32);
    // The match for third place takes losers and earns no advancing points.
    EXPECT_FALSE(cup.rounds[2].stage);
    EXPECT_TRUE(cup.rounds[3].stage);
    // Every match is played after the matches it takes teams from.
    std::vector<bool> played(cup.knockout.size(), false);
    for (const int m : cup.playOrder) {
        for (const Slot& slot : cup.knockout[static_cast<size_t>(m)].sides) {
            if (slot.kind == Slot::Kind::Winner || slot.kind == Slot::Kind::Loser) {
                EXPECT_TRUE(played[static_cast<size_t>(slot.match)]) << cup.knockout[static_cast<size_t>(m)].number;
            }
        }
        played[static_cast<size_t>(m)] = true;
    }
    // 18:00 in Oslo at UTC+2 is 16:00 UTC: 2027-06-22 is day 20,991 since 1970.
    EXPECT_EQ(cup.knockout[0].kickoff.utcMinutes, 20991 * 1440 + 16 * 60);
}

struct Refusal {
    const char* from;
    const char* to;
    const char* message;
};

// Each damage names the field and the reason; none may load.
const Refusal Refusals[] = {
    {"\"tiplark-tournament 1\"", "\"tiplark-tournament 2\"", "cup-2027.json: format: is not"},
    {"{\n  \"format\"", "{\n  \"colour\": \"red\",\n  \"format\"", ": unknown field \"colour\""},
    {"\"teams\": [\"ISL\"", "\"teams\": [\"NOR\"", "groups[1].teams[0]: \"NOR\" is already in a group"},
    {"\"name\": \"A\"", "\"name\": \"a\"", "groups[0].name: \"a\" is no upper-case letter"},
    {"\"lots\"", "\"coin\"", "ranking[6]: \"coin\" is no ranking criterion"},
    {"\"ranking\": [\"points\"", "\"ranking\": [\"head-to-head-again\"", "must follow a head-to-head criterion"},
    {"\"teams\": [\"NOR\", \"SWE\"]", "\"teams\": [\"NOR\", \"ISL\"]", "matches[0].teams[1]: is not in group A"},
    {"\"W26\"", "\"W99\"", "matches[28].slots[1]: \"W99\" names no knockout match"},
    {"\"L29\"", "\"W29\"", "\"W29\" is taken by another match too"},
    {"\"2B\"", "\"5B\"", "\"5B\": group B has fewer teams"},
    {"\"2027-06-22 18:00\"", "\"2027-06-22 25:00\"", "matches[24].kickoff: \"2027-06-22 25:00\" is no local time"},
    {"\"venue\": \"oslo\"}", "\"venue\": \"rome\"}", "\"rome\" is no venue"},
    {"\"venue\": \"oslo\"}\n  ]", "\"venue\": \"oslo\", \"result\": \"1-1\"}\n  ]", "matches[31].result: \"1-1\" decides no winner"},
    {"\"+02:00\"", "\"+2\"", "venues[0].utcOffset: \"+2\" is no offset"},
    {"\"https://example.org", "\"ftp://example.org", "link: is no web address"},
    {"\"matches\": [", "\"matches\": [\n    {\"group\": \"A\", \"teams\": [\"NOR\", \"NOR\"], \"kickoff\": \"2027-06-01 12:00\", \"venue\": \"oslo\"},",
     "matches[0].teams: a team cannot play itself"},
};

TEST(TournamentFileTest, RefusesWhatCannotBePlayedNamingFieldAndReason)
{
    for (const Refusal& refusal : Refusals) {
        const std::string text = replaced(exampleCupText(), refusal.from, refusal.to);
        try {
            parseTournament(text, "cup-2027.json");
            ADD_FAILURE() << "loaded with " << refusal.to;
        } catch (const TournamentFileError& error) {
            EXPECT_NE(std::string(error.what()).find(refusal.message), std::string::npos)
                << refusal.to << "\n  gave: " << error.what();
        }
    }
}

TEST(TournamentFileTest, RefusesKnockoutSlotsThatGoRoundInACircle)
{
    std::string text = replaced(exampleCupText(), "[\"W25\", \"W26\"]", "[\"W25\", \"W30\"]");
    text = replaced(text, "[\"W27\", \"W28\"]", "[\"W27\", \"W29\"]");
    text = replaced(text, "[\"W29\", \"W30\"]", "[\"W26\", \"W28\"]");
    EXPECT_THROW(
        {
            try {
                parseTournament(text, "cup-2027.json");
            } catch (const TournamentFileError& error) {
                EXPECT_NE(std::string(error.what()).find("go round in a circle"), std::string::npos) << error.what();
                throw;
            }
        },
        TournamentFileError);
}

TEST(TournamentFileTest, RefusesWhatIsNotJson)
{
    const std::string text = exampleCupText();
    EXPECT_THROW(parseTournament(text.substr(0, text.size() / 2), "cut.json"), TournamentFileError);
}

// The first folder wins for an id; a file that cannot be played is left out
// with its message; the shipped editions are all there, oldest first.
TEST(TournamentFileTest, CatalogListsEveryPlayableFileOnce)
{
    testing::TemporaryFolder mine;
    const auto write = [&mine](const std::string& name, const std::string& text) {
        std::ofstream(mine.path() / name) << text;
    };
    write("cup-2027.json", exampleCupText());
    write("worldcup-2010.json", replaced(testing::readText(TIPLARK_TOURNAMENTS "/worldcup-2010.json"), "World Cup 2010", "Mine"));
    write("broken.json", "{");
    write("notes.txt", "{");
    const TournamentCatalog catalog({mine.path().string(), TIPLARK_TOURNAMENTS});
    std::string ids;
    for (const Tournament& tournament : catalog.tournaments())
        ids += tournament.id + " ";
    EXPECT_EQ(ids, "worldcup-2006 worldcup-2010 worldcup-2014 worldcup-2018 worldcup-2022 worldcup-2026 cup-2027 ");
    EXPECT_EQ(catalog.find("worldcup-2010")->name, "Mine");
    EXPECT_EQ(catalog.find("worldcup-2030"), nullptr);
    ASSERT_EQ(catalog.problems().size(), 1u);
    EXPECT_EQ(catalog.problems()[0].rfind("broken.json: not JSON", 0), 0u) << catalog.problems()[0];
}

}  // namespace
}  // namespace tiplark
