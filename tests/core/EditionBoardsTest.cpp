// What the windows show of a board of every shipped tournament, without the
// windows: the real results filled in, their comparison and pool, the
// schedule in a chosen zone, the report and the venues.
#include "RecordingServices.h"
#include "TemporaryFolder.h"
#include "document/BoardReports.h"
#include "document/OptionsModel.h"
#include "document/TournamentPredictionsFile.h"
#include "i18n/TimeZoneTable.h"
#include "i18n/TournamentNames.h"
#include "scoring/BoardScoring.h"
#include "scoring/PredictionFiles.h"
#include "scoring/RealResults.h"
#include "scoring/TournamentComparison.h"
#include "venues/TournamentVenues.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

namespace tiplark {
namespace {

using testing::EditionHarness;
using testing::TemporaryFolder;
using testing::writeBytes;

struct Edition {
    const char* id;
    const char* champion;  // its code
    int maximum;
    size_t venues;
};

const Edition Editions[] = {
    {"worldcup-2006", "ITA", 314, 12}, {"worldcup-2010", "ESP", 314, 10}, {"worldcup-2014", "GER", 314, 12},
    {"worldcup-2018", "FRA", 314, 12}, {"worldcup-2022", "ARG", 314, 8},  {"worldcup-2026", "ESP", 536, 16},
};

// File -> Fill In the Real Results fills every box of every match, the
// bracket reaches the real champion, and the comparison of the board with
// the real results gives every match its four points and the maximum.
TEST(EditionBoards, RealResultsFillTheBoardAndScoreTheMaximum)
{
    for (const Edition& edition : Editions) {
        EditionHarness h(edition.id);
        FillInRealResults(h.main);
        const BoardControls& controls = h.main.controls();
        for (const GroupControls& group : controls.groups)
            for (const auto& match : group.score)
                for (const ControlId box : match)
                    EXPECT_FALSE(h.main.board().text(box).empty()) << edition.id << " " << h.main.board().control(box).name;
        for (const RoundControls& round : controls.rounds)
            for (const MatchControls& match : round.matches)
                for (const ControlId box : match.score)
                    EXPECT_FALSE(h.main.board().text(box).empty()) << edition.id << " " << h.main.board().control(box).name;

        const Tournament& tournament = h.tournament;
        const int champion = tournament.teamIndex(edition.champion);
        EXPECT_EQ(h.main.board().text(controls.champion), tournamentTeamName(LanguageEnglish, tournament, champion))
            << edition.id;

        const PlayedPrediction played = boardPlayed(h.main);
        const PlayedPrediction real = realPlayed(tournament);
        const TournamentScore score = scoreTournament(tournament, played, real);
        EXPECT_EQ(played.known.champion, champion) << edition.id;
        EXPECT_EQ(score.total, edition.maximum) << edition.id;
        EXPECT_EQ(score.exact, tournament.matchCount()) << edition.id;
        const std::vector<ComparisonRow> rows =
            tournamentComparisonRows(LanguageGerman, tournament, played, real, score);
        ASSERT_EQ(rows.size(), static_cast<size_t>(tournament.matchCount())) << edition.id;
        for (const ComparisonRow& row : rows) {
            EXPECT_EQ(row.prediction, row.real) << edition.id << " " << row.match;
            EXPECT_EQ(row.points, ExactScorePoints) << edition.id << " " << row.match;
            EXPECT_EQ(row.real.find('?'), std::string::npos) << edition.id << " " << row.match;
        }
        EXPECT_EQ(rows.back().match, "Finale") << edition.id;
    }
}

// The pool of a board ranks files of its own tournament and lists, without
// ranking, a file of any other: the board's own 2006 file too.
TEST(EditionBoards, PoolScoresOnlyFilesOfTheBoardsTournament)
{
    const TemporaryFolder folder;
    std::vector<std::string> paths;
    for (const Edition& edition : Editions) {
        EditionHarness real(edition.id);
        paths.push_back(folder.file(std::string(edition.id) + ".ini"));
        writeBytes(paths.back(), realPredictionsText(real.tournament));
    }
    for (size_t e = 0; e < std::size(Editions); ++e) {
        EditionHarness h(Editions[e].id);
        const PlayedPrediction real = realPlayed(h.tournament);
        for (size_t f = 0; f < paths.size(); ++f) {
            const PoolMember member = scoreFileMember(paths[f], h.tournament, real);
            if (f == e) {
                EXPECT_TRUE(member.ranked()) << Editions[e].id;
                EXPECT_EQ(member.score.total, Editions[e].maximum) << Editions[e].id;
                EXPECT_EQ(member.champion, h.tournament.teamIndex(Editions[e].champion)) << Editions[e].id;
            } else {
                EXPECT_FALSE(member.readable()) << Editions[e].id << " with " << paths[f];
                EXPECT_EQ(member.otherTournament, Editions[f].id) << Editions[e].id;
            }
        }
        // The board left empty scores nothing and is ranked.
        const PoolMember board = scoreBoardMember("board", h.main, real);
        EXPECT_TRUE(board.ranked()) << Editions[e].id;
        EXPECT_EQ(board.score.total, 0) << Editions[e].id;
        EXPECT_EQ(scoreFileMember(folder.file("missing.ini"), h.tournament, real).load, PredictionsLoad::Missing);
    }
}

int zoneEntry(const char* text)
{
    for (int entry = 0; entry < TimeZoneCount; ++entry)
        if (std::string(timeZones()[static_cast<size_t>(entry)].text).find(text) != std::string::npos)
            return entry;
    throw std::invalid_argument(text);
}

// The opening match of 2026, Mexico-South Africa in Mexico City on 11 June
// at 13:00 local time (UTC-6), 19:00 UTC, in the zone the options chose.
TEST(EditionBoards, ScheduleShowsKickOffsInTheChosenZone)
{
    struct Case {
        const char* zone;
        double daylight;  // days
        const char* kickoff;
    };
    const Case cases[] = {
        {"(GMT-0)", 0, "11/06/2026 (Thursday) 19:00"},
        {"(GMT+1)", 0, "11/06/2026 (Thursday) 20:00"},
        {"(GMT+1)", 1.0 / 24, "11/06/2026 (Thursday) 21:00"},
        {"(GMT-6)", 0, "11/06/2026 (Thursday) 13:00"},
        {"(GMT+9)", 0, "12/06/2026 (Friday) 04:00"},
    };
    EditionHarness h("worldcup-2026");
    for (const Case& c : cases) {
        h.main.preferences().zoneShift = zoneShiftOf(zoneEntry(c.zone));
        h.main.preferences().daylightShift = c.daylight;
        const std::vector<std::string> lines = boardScheduleLines(h.main);
        ASSERT_EQ(lines.size(), 104u);
        EXPECT_EQ(lines.front().substr(0, 6), "  1:  ") << lines.front();
        EXPECT_NE(lines.front().find(c.kickoff), std::string::npos) << c.zone << ": " << lines.front();
        EXPECT_NE(lines.front().find(":  Mexico - South Africa"), std::string::npos) << lines.front();
        EXPECT_TRUE(lines.front().ends_with("Mexico City")) << lines.front();
    }
    // Before a prediction the final names the slots it takes its teams from.
    EXPECT_TRUE(boardScheduleLines(h.main).back().starts_with("104:  ")) << boardScheduleLines(h.main).back();
    EXPECT_NE(boardScheduleLines(h.main).back().find("W101 - W102"), std::string::npos);
    FillInRealResults(h.main);
    EXPECT_NE(boardScheduleLines(h.main).back().find("Spain - Argentina"), std::string::npos);
}

// The schedule of every edition: every match once, in kick-off order, each
// number once; the report names the tournament and its champion.
TEST(EditionBoards, ScheduleAndReportOfEveryEdition)
{
    for (const Edition& edition : Editions) {
        EditionHarness h(edition.id);
        FillInRealResults(h.main);
        const std::vector<std::string> lines = boardScheduleLines(h.main);
        ASSERT_EQ(lines.size(), static_cast<size_t>(h.tournament.matchCount())) << edition.id;
        std::vector<int> numbers;
        for (const std::string& line : lines)
            numbers.push_back(std::stoi(line));
        std::sort(numbers.begin(), numbers.end());
        for (size_t n = 0; n < numbers.size(); ++n)
            EXPECT_EQ(numbers[n], static_cast<int>(n) + 1) << edition.id;

        const std::vector<std::string> report = boardReportLines(h.main);
        ASSERT_FALSE(report.empty()) << edition.id;
        const std::string champion = tournamentTeamName(LanguageEnglish, h.tournament, h.tournament.teamIndex(edition.champion));
        EXPECT_TRUE(std::any_of(report.begin(), report.end(), [&champion](const std::string& line) {
            return line.find(champion) != std::string::npos || line.find("ITALY") != std::string::npos;
        })) << edition.id;
    }
}

// The options list the board's own teams in the chosen language, sorted,
// and the favourite picked there is highlighted on the board.
TEST(EditionBoards, FavouriteOfAnyEditionIsListedAndHighlighted)
{
    EditionHarness h("worldcup-2026");
    FillInRealResults(h.main);
    h.main.preferences().firstRun = false;
    OptionsModel model(h.main, [] { return true; });
    model.FormShow();
    model.setLanguageSelection(LanguageGerman);
    model.LangCBChange();
    const std::vector<std::string> entries = model.favoriteEntries();
    ASSERT_EQ(entries.size(), 49u);
    EXPECT_EQ(entries.front(), "keine");
    EXPECT_TRUE(std::is_sorted(entries.begin() + 1, entries.end()));
    const auto spain = std::find(entries.begin(), entries.end(), "Spanien");
    ASSERT_NE(spain, entries.end());
    model.setFavoriteSelection(static_cast<int>(spain - entries.begin()));
    model.FavCBChange();
    model.setTimeZoneSelection(0);
    ASSERT_TRUE(model.OKButtonClick());
    // As the dialog does once it closes: the tables and bracket in German.
    h.main.SetFirstTimeGroups();
    EXPECT_EQ(h.main.preferences().favoriteTeam, "ESP");
    EXPECT_EQ(h.main.preferences().favoriteIndex, h.tournament.teamIndex("ESP") + 1);
    EXPECT_EQ(h.main.language().favoriteName(), "Spanien");
    EXPECT_EQ(h.main.board().text(h.main.controls().champion), "Spanien");
    // Spain's labels stand in blue, Argentina's in the final does not.
    const auto& final = h.main.controls().finalMatch().label;
    EXPECT_EQ(h.main.board().control(final[0]).text, "Spanien");
    EXPECT_EQ(h.main.board().control(final[0]).colour, TextColour::Blue);
    EXPECT_EQ(h.main.board().control(final[1]).colour, TextColour::Default);
    const auto& opening = h.main.controls().groups.front().label.front();
    EXPECT_EQ(h.main.board().control(opening[0]).colour, TextColour::Default);

    // Reopened, the dialog shows the favourite chosen.
    OptionsModel again(h.main, [] { return true; });
    again.FormShow();
    EXPECT_EQ(again.favoriteEntries()[static_cast<size_t>(again.favoriteSelection())], "Spanien");
}

TEST(EditionBoards, VenuesOfEveryEdition)
{
    for (const Edition& edition : Editions) {
        EditionHarness h(edition.id);
        const std::vector<VenueRow> rows = venueRows(h.tournament);
        EXPECT_EQ(rows.size(), edition.venues) << edition.id;
        int matches = 0;
        for (const VenueRow& row : rows) {
            EXPECT_FALSE(row.stadium.empty() || row.city.empty()) << edition.id;
            EXPECT_TRUE(row.zone.starts_with("UTC")) << edition.id;
            matches += row.matches;
        }
        EXPECT_EQ(matches, h.tournament.matchCount()) << edition.id;
    }
    const std::vector<VenueRow> rows = venueRows(testing::shippedTournament("worldcup-2026"));
    const auto azteca = std::find_if(rows.begin(), rows.end(), [](const VenueRow& row) { return row.city == "Mexico City"; });
    ASSERT_NE(azteca, rows.end());
    EXPECT_EQ(azteca->zone, "UTC-06:00");
}

}  // namespace
}  // namespace tiplark
