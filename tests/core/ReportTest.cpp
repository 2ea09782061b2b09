#include "report/ReportLines.h"

#include "LanguageBoard.h"
#include "board/Board.h"
#include "platform/Cp1252.h"
#include "report/ReportFile.h"
#include "tournament/BoardControls.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace tiplark {
namespace {

// Line numbers (0-based) of the section headings in the 193-line report.
constexpr int GroupAHeading = 3;
constexpr int Final8Heading = 3 + 8 * 19;
constexpr int ThirdHeading = Final8Heading + 12 + 8 + 6;
constexpr int FinalHeading = ThirdHeading + 5;
constexpr int ChampionLine = FinalHeading + 5;

class ReportTest : public ::testing::Test {
protected:
    std::vector<std::string> report(int languageIndex = 0) { return BuildReportLines(languageIndex, boardTexts(board)); }

    void set(std::string_view name, std::string_view text) { board.setText(name, text); }

    void setRow(int row, const char* team, std::vector<const char*> cells)
    {
        const std::string r = std::to_string(row);
        set("GAName" + r, team);
        for (std::size_t c = 0; c < StandingsColumnCount; ++c)
            set(std::string("GA") + StandingsColumns[c] + r, cells[c]);
    }

    testing::LanguageBoard m_board;
    Board& board = m_board.board;
};

TEST_F(ReportTest, GroupAOfTheWorkedExample)
{
    const char* scores[6][2] = {{"4", "2"}, {"0", "2"}, {"1", "0"}, {"3", "0"}, {"0", "3"}, {"1", "2"}};
    for (int m = 0; m < 6; ++m) {
        set(groupScoreName('A', m + 1, 1), scores[m][0]);
        set(groupScoreName('A', m + 1, 2), scores[m][1]);
    }
    setRow(1, "Germany", {"9", "3", "3", "0", "0", "8", "2", "+6"});
    setRow(2, "Ecuador", {"6", "3", "2", "0", "1", "5", "3", "+2"});
    setRow(3, "Poland", {"3", "3", "1", "0", "2", "2", "4", "-2"});
    setRow(4, "Costa Rica", {"0", "3", "0", "0", "3", "3", "9", "-6"});

    const std::vector<std::string> lines = report();
    const std::vector<std::string> expected = {
        "Tiplark - Germany",
        "-------------------------------",
        "",
        "GROUP A:",
        "",
        "        Germany - Costa Rica     :  4 - 2 ",
        "         Poland - Ecuador        :  0 - 2 ",
        "        Germany - Poland         :  1 - 0 ",
        "        Ecuador - Costa Rica     :  3 - 0 ",
        "        Ecuador - Germany        :  0 - 3 ",
        "     Costa Rica - Poland         :  1 - 2 ",
        "",
        "",
        "                   Pts P W T L GF GA Dif",
        "                   --- - - - - -- -- ---",
        "1. Germany          9  3 3 0 0  8  2  +6",
        "2. Ecuador          6  3 2 0 1  5  3  +2",
        "3. Poland           3  3 1 0 2  2  4  -2",
        "4. Costa Rica       0  3 0 0 3  3  9  -6",
        "",
        "",
        "",
        "GROUP B:",
    };
    ASSERT_EQ(lines.size(), 193u);
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 23), expected);
}

TEST_F(ReportTest, SectionsComeInBoardOrder)
{
    const std::vector<std::string> lines = report();
    ASSERT_EQ(lines.size(), static_cast<std::size_t>(ReportLineCount));
    const std::string letters = "ABCDEFGH";
    for (int g = 0; g < 8; ++g)
        EXPECT_EQ(lines[GroupAHeading + 19 * g], std::string("GROUP ") + letters[g] + ":");
    EXPECT_EQ(lines[Final8Heading], "1/8 FINALS:");
    EXPECT_EQ(lines[Final8Heading + 12], "1/4 FINALS:");
    EXPECT_EQ(lines[Final8Heading + 20], "1/2 FINALS:");
    EXPECT_EQ(lines[ThirdHeading], "3RD PLACE:");
    EXPECT_EQ(lines[FinalHeading], "FINAL:");
    EXPECT_EQ(lines[ChampionLine], "Champion: XXXXXXXXXX");
    EXPECT_EQ(lines.back(), "");
    EXPECT_EQ(lines[ChampionLine - 1], "");
    EXPECT_EQ(lines[ChampionLine - 2], "");
}

TEST_F(ReportTest, EmptyBoardPrintsBlankScoresAndPlaceholders)
{
    const std::vector<std::string> lines = report();
    EXPECT_EQ(lines[GroupAHeading + 2], "        Germany - Costa Rica     :    -   ");
    // Group A's design table: alphabetical, cells empty.
    EXPECT_EQ(lines[GroupAHeading + 12], "1. Costa Rica" + std::string(27, ' '));
    // Quarter-final 1, both slots open.
    EXPECT_EQ(lines[Final8Heading + 14], "     xxxxxxxxxx - xxxxxxxxxx     :    -   ");
    EXPECT_EQ(lines[FinalHeading + 2], "     xxxxxxxxxx - xxxxxxxxxx     :    -   ");
}

TEST_F(ReportTest, PenaltyPartNeedsBothBoxes)
{
    set("Final811Lbl", "Germany");
    set("Final812Lbl", "Sweden");
    set("Final811", "2");
    set("Final812", "0");
    set("Final821Lbl", "Argentina");
    set("Final822Lbl", "Mexico");
    set("Final821", "1");
    set("Final822", "1");
    set("Final821pk", "4");
    set("Final822pk", "2");
    // Only one box of a shoot-out filled.
    set("Final831", "0");
    set("Final832", "0");
    set("Final831pk", "5");
    // A shoot-out typed on a match that is not level is printed all the same.
    set("Final841", "3");
    set("Final842", "10");
    set("Final841pk", "1");
    set("Final842pk", "0");

    const std::vector<std::string> lines = report();
    EXPECT_EQ(lines[Final8Heading + 2], "        Germany - Sweden         :  2 - 0 ");
    EXPECT_EQ(lines[Final8Heading + 3], "      Argentina - Mexico         :  1 - 1  pen.(4-2)");
    EXPECT_EQ(lines[Final8Heading + 4], "        England - Ecuador        :  0 - 0 ");
    EXPECT_EQ(lines[Final8Heading + 5], "         Angola - Ivory Coast    :  3 - 10 pen.(1-0)");
}

TEST_F(ReportTest, ChampionAndFinalShowDecidedTeams)
{
    set("Final11Lbl", "Italy");
    set("Final12Lbl", "France");
    set("Final11", "1");
    set("Final12", "1");
    set("Final11pk", "5");
    set("Final12pk", "3");
    set("Champion", "Italy");
    const std::vector<std::string> lines = report();
    EXPECT_EQ(lines[FinalHeading + 2], "          Italy - France         :  1 - 1  pen.(5-3)");
    EXPECT_EQ(lines[ChampionLine], "Champion: ITALY");
}

TEST_F(ReportTest, LongNamesPushTheLineRight)
{
    set("GA11Lbl", "Bosnia-Herzegovina");
    set("GA12Lbl", "Trinidad and Tobago");
    set("GAName1", "Bosnia-Herzegovina");
    set("GAPts1", "7");
    const std::vector<std::string> lines = report();
    EXPECT_EQ(lines[GroupAHeading + 2], "Bosnia-Herzegovina - Trinidad and Tobago: " "   -   ");
    EXPECT_EQ(lines[GroupAHeading + 12].substr(0, 25), "1. Bosnia-Herzegovina  7 ");
}

TEST_F(ReportTest, FrenchCapitalsLeaveAccentsAndCountCharacters)
{
    m_board.apply(2);
    set("GA21Lbl", "Équateur");
    set("GA22Lbl", "Côte D'Ivoire");
    set("GAName1", "Équateur");
    set("GAPts1", "3");
    set("Champion", "Côte D'Ivoire");
    const std::vector<std::string> lines = report(2);
    EXPECT_EQ(lines[0], "Tiplark - Allemagne");
    EXPECT_EQ(lines[GroupAHeading], "GROUPE A:");
    EXPECT_EQ(lines[GroupAHeading + 2], "      Allemagne - Costa Rica     :    -   ");
    // Widths are in characters: "É" and "ô" take one column each.
    EXPECT_EQ(lines[GroupAHeading + 3], "       Équateur - Côte D'Ivoire  :    -   ");
    EXPECT_EQ(lines[GroupAHeading + 10], "                   Pts J G N P BP BC Dif");
    const std::string row = "1. Équateur" + std::string(9, ' ') + "3 ";
    EXPECT_EQ(lines[GroupAHeading + 12].substr(0, row.size()), row);
    EXPECT_EQ(lines[Final8Heading], "1/8 FINALES:");
    EXPECT_EQ(lines[ThirdHeading], "3èME PLACE:");
    EXPECT_EQ(lines[FinalHeading], "FINALE:");
    EXPECT_EQ(lines[ChampionLine], "Champion: CôTE D'IVOIRE");
}

TEST_F(ReportTest, TitleAndUnderlineFollowTheLanguage)
{
    struct Case {
        int language;
        const char* title;
        std::size_t underline;
        const char* third;
        const char* champion;
    };
    const Case cases[] = {
        {0, "Tiplark - Germany", 31, "3RD PLACE:", "Champion: XXXXXXXXXX"},
        {1, "Tiplark - Alemania", 34, "TERCER:", "Campeon: XXXXXXXXXX"},
        {2, "Tiplark - Allemagne", 43, "3èME PLACE:", "Champion: XXXXXXXXXX"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.language);
        m_board.apply(c.language);
        const std::vector<std::string> lines = report(c.language);
        ASSERT_EQ(lines.size(), 193u);
        EXPECT_EQ(lines[0], c.title);
        EXPECT_EQ(lines[1], std::string(c.underline, '-'));
        EXPECT_EQ(lines[ThirdHeading], c.third);
        EXPECT_EQ(lines[ChampionLine], c.champion);
    }
    // An unknown language index prints the English title.
    EXPECT_EQ(BuildReportLines(7, boardTexts(board))[0], "Tiplark - Germany");
}

TEST(Cp1252, ConvertsWesternLettersToSingleBytes)
{
    EXPECT_EQ(toCp1252("3ème Place"), "3\xE8me Place");
    EXPECT_EQ(toCp1252("España, Túnez"), "Espa\xF1" "a, T\xFAnez");
    // Typographic apostrophe and the euro sign live in the 80-9F block.
    EXPECT_EQ(toCp1252("l’euro €"), "l\x92" "euro \x80");
    // Letters outside the set and broken sequences are not dropped silently.
    EXPECT_EQ(toCp1252("Łódź"), "?\xF3" "d?");
    EXPECT_EQ(toCp1252("a\xC3"), "a?");
}

class ReportFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_folder = std::filesystem::temp_directory_path() / ("tiplark-report-" + std::to_string(::getpid()));
        std::filesystem::create_directories(m_folder);
    }
    void TearDown() override { std::filesystem::remove_all(m_folder); }

    static std::string read(const std::filesystem::path& path)
    {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    std::filesystem::path m_folder;
};

TEST_F(ReportFileTest, WritesWindows1252WithCrLf)
{
    const std::filesystem::path path = m_folder / "Tiplark Report.txt";
    std::ofstream(path) << "an older, longer report that must disappear entirely\n";
    ASSERT_FALSE(writeReportFile(path.string(), {"3ème Place:", "", "Champion: CôTE D'IVOIRE"}));
    EXPECT_EQ(read(path), "3\xE8me Place:\r\n\r\nChampion: C\xF4TE D'IVOIRE\r\n");
}

TEST_F(ReportFileTest, FailureGivesTheSystemMessage)
{
    const std::filesystem::path path = m_folder / "no such folder" / "report.txt";
    EXPECT_EQ(writeReportFile(path.string(), {"line"}), std::optional<std::string>("No such file or directory"));
    EXPECT_FALSE(std::filesystem::exists(path));
}

}  // namespace
}  // namespace tiplark
