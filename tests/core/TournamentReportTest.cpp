#include "report/TournamentReportLines.h"
#include "report/TournamentTsv.h"

#include "TournamentFiles.h"
#include "i18n/LanguageTables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace tiplark {
namespace {

using testing::shippedTournament;

std::vector<std::string> fields(const std::string& line)
{
    std::vector<std::string> result;
    std::istringstream in(line);
    for (std::string field; std::getline(in, field, '\t');)
        result.push_back(field);
    if (!line.empty() && line.back() == '\t')
        result.emplace_back();
    return result;
}

// "2006 49" -> {"GER", "SWE"}, kept apart from the tournament files.
std::map<std::string, std::vector<std::string>> realPairings()
{
    std::ifstream in(TIPLARK_TEST_DATA "/tournaments/real-knockout.tsv");
    std::map<std::string, std::vector<std::string>> pairings;
    std::string line;
    std::getline(in, line);
    while (std::getline(in, line)) {
        const std::vector<std::string> row = fields(line);
        pairings[row[0] + " " + row[1]] = {row[2], row[3]};
    }
    return pairings;
}

// The standings and bracket of each edition's real results, as scripts read
// them, against the real pairings kept apart from the tournament files: each
// knockout match's two teams, a group place feeding a match is the team
// that played it, and every winner goes on to the match its slot names.
TEST(TournamentReportTest, TsvOfTheRealResultsGivesTheRealBracket)
{
    const auto pairings = realPairings();
    for (const char* id : {"worldcup-2006", "worldcup-2010", "worldcup-2014", "worldcup-2018", "worldcup-2022",
                           "worldcup-2026"}) {
        const Tournament tournament = shippedTournament(id);
        const Prediction real = Prediction::real(tournament);
        const Outcome outcome = evaluate(tournament, real);
        const std::vector<std::string> bracket = bracketTsv(tournament, knownTeams(tournament, real, outcome));
        const std::vector<std::string> standings = standingsTsv(tournament, outcome);
        ASSERT_EQ(bracket.front(), "match\tteam1\tteam2\twinner");
        ASSERT_EQ(standings.front(), "group\tpos\tteam\tplayed\twon\tdrawn\tlost\tgoals_for\tgoals_against\tpoints");
        ASSERT_EQ(bracket.size(), tournament.knockout.size() + 1) << id;
        ASSERT_EQ(standings.size(), tournament.teams.size() + 1) << id;

        std::map<std::string, std::string> place;  // "1A" -> team
        std::string previousGroup;
        for (size_t l = 1; l < standings.size(); ++l) {
            const std::vector<std::string> row = fields(standings[l]);
            ASSERT_EQ(row.size(), 10u) << standings[l];
            EXPECT_LE(previousGroup, row[0]) << id << ": groups by letter";
            previousGroup = row[0];
            place[row[1] + row[0]] = row[2];
        }
        std::map<std::string, std::string> winners;  // "57" -> team
        int previousNumber = 0;
        for (size_t l = 1; l < bracket.size(); ++l) {
            const std::vector<std::string> row = fields(bracket[l]);
            ASSERT_EQ(row.size(), 4u) << bracket[l];
            const std::string year = std::to_string(tournament.year);
            EXPECT_EQ((std::vector<std::string>{row[1], row[2]}), pairings.at(year + " " + row[0])) << id << " match " << row[0];
            EXPECT_TRUE(row[3] == row[1] || row[3] == row[2]) << bracket[l];
            EXPECT_LT(previousNumber, std::stoi(row[0])) << id << ": matches by number";
            previousNumber = std::stoi(row[0]);
            winners[row[0]] = row[3];
            const KnockoutMatch& match = tournament.knockout[static_cast<size_t>(tournament.knockoutIndex(previousNumber))];
            for (size_t side = 0; side < 2; ++side) {
                const std::string& slot = match.sides[side].text;
                if (match.sides[side].kind == Slot::Kind::GroupPlace) {
                    EXPECT_EQ(place.at(slot), row[1 + side]) << id << " slot " << slot;
                } else if (match.sides[side].kind == Slot::Kind::Winner) {
                    EXPECT_EQ(winners.at(slot.substr(1)), row[1 + side]) << id << " slot " << slot;
                }
            }
        }
    }
}

// Nothing predicted: the tables stand in the order of the draw with nothing
// played, and every knockout slot is still open, shown as its file writes it.
TEST(TournamentReportTest, EmptyPredictionShowsOpenSlots)
{
    const Tournament tournament = shippedTournament("worldcup-2026");
    const Prediction empty = Prediction::empty(tournament);
    const Outcome outcome = evaluate(tournament, empty);
    const KnownTeams known = knownTeams(tournament, empty, outcome);
    EXPECT_EQ(bracketTsv(tournament, known)[1], "73\t\t\t");
    EXPECT_EQ(standingsTsv(tournament, outcome)[1], "A\t1\tMEX\t0\t0\t0\t0\t0\t0\t0");
    const std::vector<std::string> lines = bracketLines(LanguageEnglish, tournament, empty, known);
    EXPECT_NE(std::find_if(lines.begin(), lines.end(), [](const std::string& line) {
                  return line.find(" 2A - 2B ") != std::string::npos && line.starts_with(" 73  ");
              }), lines.end());
    EXPECT_EQ(lines[lines.size() - 2], "Champion: ");
}

struct LanguageCase {
    int language;
    std::vector<std::string> lines;  // each found whole in the report of the real 2026 results
    std::string shootOut;            // within match 74's line
};

const LanguageCase LanguageCases[] = {
    {LanguageEnglish, {"GROUP L:", "BEST THIRD-PLACED TEAMS:", "ROUND OF 32:", "MATCH FOR THIRD PLACE:", "Champion: SPAIN"}, "pen. (3-4)"},
    {LanguageSpanish, {"GRUPO L:", "MEJORES TERCEROS:", "DIECISEISAVOS DE FINAL:", "PARTIDO POR EL TERCER PUESTO:", "Campeon: ESPAÑA"}, "pen. (3-4)"},
    {LanguageFrench, {"GROUPE L:", "MEILLEURS TROISIÈMES:", "SEIZIÈMES DE FINALE:", "MATCH POUR LA TROISIÈME PLACE:", "Champion: ESPAGNE"}, "t.a.b. (3-4)"},
    {LanguageGerman, {"GRUPPE L:", "BESTE GRUPPENDRITTE:", "SECHZEHNTELFINALE:", "SPIEL UM PLATZ 3:", "Weltmeister: SPANIEN"}, "i.E. (3-4)"},
};

// The report of the real 2026 results in each language: its headings come
// from that language, every match is there once, and the eight best
// third-placed teams stand above the rule that parts them from the rest.
TEST(TournamentReportTest, ReportSpeaksTheFilesLanguage)
{
    const Tournament tournament = shippedTournament("worldcup-2026");
    const Prediction real = Prediction::real(tournament);
    const Outcome outcome = evaluate(tournament, real);
    const KnownTeams known = knownTeams(tournament, real, outcome);
    for (const LanguageCase& language : LanguageCases) {
        const std::vector<std::string> lines = tournamentReportLines(language.language, tournament, real, outcome, known);
        EXPECT_EQ(lines.front(), "Tiplark - World Cup 2026");
        for (const std::string& expected : language.lines)
            EXPECT_NE(std::find(lines.begin(), lines.end(), expected), lines.end()) << expected;
        const auto scoreLines = std::count_if(lines.begin(), lines.end(), [](const std::string& line) {
            return line.find(" - ") != std::string::npos && line.find(':') != std::string::npos;
        });
        EXPECT_EQ(scoreLines, tournament.matchCount()) << language.language;
        const auto match74 = std::find_if(lines.begin(), lines.end(), [](const std::string& line) { return line.starts_with(" 74  "); });
        ASSERT_NE(match74, lines.end());
        EXPECT_TRUE(match74->ends_with(" 1 - 1 " + language.shootOut)) << *match74;
    }
    const std::vector<std::string> standings = standingsLines(LanguageEnglish, tournament, outcome);
    const auto rule = std::find_if(standings.begin(), standings.end(), [](const std::string& line) { return line.starts_with("    ---"); });
    ASSERT_NE(rule, standings.end());
    EXPECT_TRUE((rule - 1)->starts_with(" 8. ")) << *(rule - 1);
    EXPECT_TRUE((rule + 1)->starts_with(" 9. ")) << *(rule + 1);
}

}  // namespace
}  // namespace tiplark
