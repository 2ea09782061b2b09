#include "document/PredictionsFile.h"

#include "RecordingServices.h"
#include "TemporaryFolder.h"
#include "storage/PredictionsLocation.h"
#include "storage/SettingValues.h"
#include "tournament/TournamentData.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <clocale>
#include <cmath>
#include <filesystem>
#include <memory>
#include <optional>
#include <set>

namespace tiplark {
namespace {

using testing::BoardHarness;
using testing::readBytes;
using testing::TemporaryFolder;
using testing::testData;
using testing::writeBytes;

// ---------------------------------------------------------------- values

TEST(ScorePairText, SplitsAtTheFirstMinusSign)
{
    struct Case {
        const char* text;
        const char* first;
        const char* second;
    };
    const Case cases[] = {
        {"2-1", "2", "1"}, {"0-0", "0", "0"}, {"2-", "2", ""},  {"-1", "", "1"},    {"-", "", ""},
        {"", "", ""},      {"12", "", "12"},  {"123", "", "12"}, {"1-234", "1", "23"}, {"10-11", "10", "11"},
        {"-1-2", "", "1-"},
    };
    for (const Case& c : cases) {
        const ScorePair pair = splitScorePair(c.text);
        EXPECT_EQ(pair.first, c.first) << c.text;
        EXPECT_EQ(pair.second, c.second) << c.text;
    }
}

TEST(IntegerText, ReadsDecimalAndHexadecimal)
{
    EXPECT_EQ(readInteger("0"), 0);
    EXPECT_EQ(readInteger("32"), 32);
    EXPECT_EQ(readInteger("-7"), -7);
    EXPECT_EQ(readInteger("0x1F"), 31);
    EXPECT_EQ(readInteger("0X1f"), 31);
    EXPECT_EQ(readInteger("0xFFFFFFFF"), -1);
    EXPECT_EQ(readInteger("2147483647"), 2147483647);
}

TEST(IntegerText, RefusesWhatIsNotAWholeNumber)
{
    for (const char* text : {"", "0x", "0xG", "0x100000000", "12a", "1.0", "+3", " 3", "2147483648", "x35"})
        EXPECT_FALSE(readInteger(text).has_value()) << text;
}

TEST(RealText, WritesShortestFormWithFifteenDigits)
{
    EXPECT_EQ(writeReal(0.0), "0");
    EXPECT_EQ(writeReal(-0.0), "0");
    EXPECT_EQ(writeReal(-13.0 / 24), "-0.541666666666667");
    EXPECT_EQ(writeReal(1.0 / 24), "0.0416666666666667");
    EXPECT_EQ(writeReal(-6.0 / 24), "-0.25");
    EXPECT_EQ(writeReal(12.0 / 24), "0.5");
    EXPECT_EQ(writeReal(1.0), "1");
}

TEST(RealText, ReadsPointOrComma)
{
    EXPECT_EQ(readReal("-0.25"), -0.25);
    EXPECT_EQ(readReal("-0,25"), -0.25);
    EXPECT_EQ(readReal("0"), 0.0);
    EXPECT_NEAR(*readReal("0.0416666666666667"), 1.0 / 24, 1e-15);
    for (const char* text : {"", "nan", "inf", "-inf", "1e400", "0.5x", "1.2.3", "1,2,3", "abc"})
        EXPECT_FALSE(readReal(text).has_value()) << text;
}

TEST(RealText, WritesPointUnderACommaLocale)
{
    const std::string previous = std::setlocale(LC_NUMERIC, nullptr);
    const char* comma = nullptr;
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "fr_FR.utf8"}) {
        if (std::setlocale(LC_NUMERIC, name)) {
            comma = name;
            break;
        }
    }
    if (!comma)
        GTEST_SKIP() << "no locale with a decimal comma is installed";
    ASSERT_EQ(std::string(std::localeconv()->decimal_point), ",");

    TemporaryFolder folder;
    BoardHarness h;
    h.main.preferences().zoneShift = -0.25;
    h.main.preferences().daylightShift = 1.0 / 24;
    const std::string path = folder.file("Tiplark.ini");
    const bool saved = SaveAll(h.main, path);
    std::setlocale(LC_NUMERIC, previous.c_str());

    ASSERT_TRUE(saved);
    const std::string text = readBytes(path);
    EXPECT_NE(text.find("TimeZone=-0.25\n"), std::string::npos) << text;
    EXPECT_NE(text.find("Daylight=0.0416666666666667\n"), std::string::npos) << text;
}

// ---------------------------------------------------------------- saving

class PredictionsFileTest : public ::testing::Test {
protected:
    std::string path() const { return m_folder.file("Tiplark.ini"); }
    void load(BoardHarness& h, const std::string& file)
    {
        ReadAll(h.main, file, [this] { ++m_firstRunDialogs; });
    }

    TemporaryFolder m_folder;
    BoardHarness m_board;
    int m_firstRunDialogs = 0;
};

TEST_F(PredictionsFileTest, EmptyBoardWritesEveryKeyInOrder)
{
    ASSERT_TRUE(SaveAll(m_board.main, path()));
    EXPECT_EQ(readBytes(path()), readBytes(testData("predictions/empty-board.ini")));
    EXPECT_TRUE(m_board.messages.errors.empty());
}

TEST_F(PredictionsFileTest, WritesHalfEnteredPairsAndPenalties)
{
    m_board.set("GB31", "2");
    m_board.set("GB62", "1");
    m_board.set("Final821", "3");
    m_board.set("Final822", "3");
    m_board.board().setText("Final822pk", "4");
    ASSERT_TRUE(SaveAll(m_board.main, path()));

    const std::string text = readBytes(path());
    EXPECT_NE(text.find("[GROUP B]\nGame1=-\nGame2=-\nGame3=2-\nGame4=-\nGame5=-\nGame6=-1\n"), std::string::npos) << text;
    EXPECT_NE(text.find("Game2=3-3\nGame2Apk=\nGame2Bpk=4\n"), std::string::npos) << text;
}

TEST_F(PredictionsFileTest, KeepsOtherLinesInPlaceAndRewritesItsOwnSections)
{
    writeBytes(path(), readBytes(testData("predictions/other-sections.ini")));
    ASSERT_TRUE(SaveAll(m_board.main, path()));

    // The foreign lines stay where they were, with the comment, repeated keys
    // and Windows-1252 bytes; the program's sections are rewritten where they
    // stood, the missing ones follow in their fixed order, and nothing is
    // left of what they held before.
    const std::string empty = readBytes(testData("predictions/empty-board.ini"));
    const size_t groupA = empty.find("[GROUP A]");
    const size_t groupB = empty.find("[GROUP B]");
    const std::string expected = "; window placement, kept by hand\n[Window]\nLeft=10\nTop=20\n\n" +
                                 empty.substr(0, groupA - 2) +
                                 "\n[Notes]\nText=caf\xe9 cr\xe8me\nText=second line\n\n" +
                                 empty.substr(groupA, groupB - groupA - 2) + "\n\n" + empty.substr(groupB);
    EXPECT_EQ(readBytes(path()), expected);
    ASSERT_TRUE(SaveAll(m_board.main, path()));
    EXPECT_EQ(readBytes(path()), expected);
}

TEST_F(PredictionsFileTest, SavingLeavesNoTemporaryFiles)
{
    ASSERT_TRUE(SaveAll(m_board.main, path()));
    m_board.set("GA11", "1");
    ASSERT_TRUE(SaveAll(m_board.main, path()));
    int files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(m_folder.path()))
        ++files;
    EXPECT_EQ(files, 1);
}

TEST_F(PredictionsFileTest, ReplacedFileKeepsItsPermissions)
{
    writeBytes(path(), "[PREFERENCES]\nFirstTime=0\n");
    ASSERT_EQ(::chmod(path().c_str(), 0640), 0);
    ASSERT_TRUE(SaveAll(m_board.main, path()));
    struct stat info {};
    ASSERT_EQ(::stat(path().c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
}

// A save that would replace a file holding what the load did not take keeps
// the old file beside it first, and says so once.
TEST_F(PredictionsFileTest, KeepsABackupOfAFileItCouldNotLoadWhole)
{
    const std::string complete = readBytes(testData("predictions/complete-board.ini"));
    std::string brokenHeader = complete;
    brokenHeader.replace(brokenHeader.find("[PREFERENCES]"), 13, "[PREFERENCES");
    std::string noFirstTime = complete;
    noFirstTime.erase(noFirstTime.find("FirstTime=0\n"), 12);
    struct Case {
        const char* what;
        std::optional<std::string> file;
        bool backup;
    };
    const Case cases[] = {
        {"damaged header", brokenHeader, true},
        {"FirstTime deleted", noFirstTime, true},
        {"NUL bytes", readBytes(testData("fuzz-regressions/nul-lines.ini")), true},
        {"damaged values", readBytes(testData("predictions/damaged-values.ini")), true},
        {"unknown key in a group", complete + "[GROUP A]\nGame7=1-1\n", true},
        {"normal file", complete, false},
        {"no file", std::nullopt, false},
    };
    for (const Case& c : cases) {
        TemporaryFolder folder;
        const std::string file = folder.file("Tiplark.ini");
        const std::string backup = file + ".bak";
        if (c.file)
            writeBytes(file, *c.file);
        writeBytes(backup, "older backup");
        BoardHarness h;
        // The first run's dialog saves as its OK does.
        ReadAll(h.main, file, [&] { EXPECT_TRUE(SaveAll(h.main, file)) << c.what; });
        if (!h.main.preferences().firstRun) {
            ASSERT_TRUE(SaveAll(h.main, file)) << c.what;
        }
        h.set("GA11", "5");
        ASSERT_TRUE(SaveAll(h.main, file)) << c.what;

        EXPECT_EQ(readBytes(backup), c.backup ? *c.file : "older backup") << c.what;
        ASSERT_EQ(h.messages.information.size(), c.backup ? 1u : 0u) << c.what;
        if (c.backup) {
            EXPECT_TRUE(h.messages.information[0].ends_with(" " + backup)) << c.what;
        }
        EXPECT_TRUE(h.messages.errors.empty()) << c.what;
    }
}

// Every failure must name the full path and leave what was there alone.
class FailedSaveTest : public PredictionsFileTest {
protected:
    void expectRefused(const std::string& target)
    {
        EXPECT_FALSE(SaveAll(m_board.main, target));
        ASSERT_EQ(m_board.messages.errors.size(), 1u);
        EXPECT_EQ(m_board.messages.errors[0], "Unable to write to " + target);
    }
    void expectFileUntouched(const std::string& target, const std::string& before)
    {
        EXPECT_EQ(readBytes(target), before);
        int files = 0;
        for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(m_folder.path()))
            ++files;
        EXPECT_EQ(files, 1) << "a temporary file was left behind";
    }
    std::string m_old = readBytes(testData("predictions/complete-board.ini"));
};

TEST_F(FailedSaveTest, BackupThatCannotBeWritten)
{
    writeBytes(path(), readBytes(testData("fuzz-regressions/nul-lines.ini")));
    load(m_board, path());
    std::filesystem::create_directory(path() + ".bak");
    const std::string before = readBytes(path());
    EXPECT_FALSE(SaveAll(m_board.main, path()));
    EXPECT_EQ(m_board.messages.errors, std::vector<std::string>{"Unable to write to " + path() + ".bak"});
    EXPECT_EQ(readBytes(path()), before);
    EXPECT_TRUE(m_board.messages.information.empty());
}

TEST_F(FailedSaveTest, FolderThatDoesNotExist)
{
    const std::string target = m_folder.file("missing/Tiplark.ini");
    expectRefused(target);
    EXPECT_FALSE(std::filesystem::exists(m_folder.file("missing")));
}

TEST_F(FailedSaveTest, FolderInPlaceOfTheFile)
{
    std::filesystem::create_directory(path());
    writeBytes(path() + "/inside", "kept");
    expectRefused(path());
    EXPECT_TRUE(std::filesystem::is_directory(path()));
    EXPECT_EQ(readBytes(path() + "/inside"), "kept");
}

TEST_F(FailedSaveTest, NoRoomForTheNewFileBesideTheOldOne)
{
    // A name so long that the temporary name beside it exceeds the file
    // system's limit: the new text cannot be written even as root.
    const std::string target = m_folder.file(std::string(250, 'p'));
    writeBytes(target, m_old);
    expectRefused(target);
    expectFileUntouched(target, m_old);
}

TEST_F(FailedSaveTest, ReadOnlyFile)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "permissions do not stop the superuser";
    writeBytes(path(), m_old);
    ASSERT_EQ(::chmod(path().c_str(), 0444), 0);
    expectRefused(path());
    expectFileUntouched(path(), m_old);
}

TEST_F(FailedSaveTest, ReadOnlyFolder)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "permissions do not stop the superuser";
    writeBytes(path(), m_old);
    ASSERT_EQ(::chmod(m_folder.path().c_str(), 0555), 0);
    expectRefused(path());
    expectFileUntouched(path(), m_old);
}

// ---------------------------------------------------------------- loading

TEST_F(PredictionsFileTest, LoadedCompleteFileSavesBackIdentically)
{
    const std::string golden = testData("predictions/complete-board.ini");
    load(m_board, golden);
    EXPECT_EQ(m_firstRunDialogs, 0);
    EXPECT_EQ(m_board.main.preferences().languageIndex, 2);
    EXPECT_EQ(m_board.main.preferences().favoriteIndex, 11);
    EXPECT_DOUBLE_EQ(m_board.main.preferences().zoneShift, -13.0 / 24);
    // Fifteen digits bring 1/24 back within a few units of the last place.
    EXPECT_NEAR(m_board.main.preferences().daylightShift, 1.0 / 24, 1e-15);
    EXPECT_EQ(m_board.text("GA11"), "2");
    EXPECT_EQ(m_board.text("GB31"), "10");
    EXPECT_EQ(m_board.text("Final881pk"), "10");

    ASSERT_TRUE(SaveAll(m_board.main, path()));
    EXPECT_EQ(readBytes(path()), readBytes(golden));
}

TEST_F(PredictionsFileTest, SetsScoreBoxesBeforePenaltyBoxes)
{
    // Record the order in which score and penalty boxes receive text while
    // loading: their change events stand in for the rules, which are not
    // under test here.
    Board& board = m_board.board();
    std::vector<std::string> names;
    const Board::ChangeHandler record = [&](ControlId id) {
        if (!board.text(id).empty())
            names.push_back(board.control(id).name);
    };
    const BoardControls& controls = m_board.main.controls();
    for (const GroupControls& group : controls.groups)
        for (const auto& match : group.score)
            for (const ControlId box : match)
                board.bindChange(box, record);
    for (const RoundControls& round : controls.rounds) {
        for (const MatchControls& match : round.matches) {
            for (int side = 0; side < 2; ++side) {
                board.bindChange(match.score[side], record);
                board.bindChange(match.penalty[side], record);
            }
        }
    }
    load(m_board, testData("predictions/complete-board.ini"));

    std::vector<std::string> expected;
    for (const GroupInfo& group : groups()) {
        for (int match = 1; match <= MatchesPerGroup; ++match) {
            expected.push_back(groupScoreName(group.letter, match, 1));
            expected.push_back(groupScoreName(group.letter, match, 2));
        }
    }
    const std::vector<std::pair<Round, std::vector<int>>> drawn = {
        {Round::Final8, {2, 5, 8}}, {Round::Final4, {3}}, {Round::Final2, {2}}, {Round::Third, {}}, {Round::Final, {}}};
    for (const auto& [round, shootOuts] : drawn) {
        for (int match = 1; match <= rounds()[static_cast<size_t>(round)].matchCount; ++match) {
            expected.push_back(knockoutScoreName(round, match, 1));
            expected.push_back(knockoutScoreName(round, match, 2));
        }
        for (int match : shootOuts) {
            expected.push_back(knockoutPenaltyName(round, match, 1));
            expected.push_back(knockoutPenaltyName(round, match, 2));
        }
    }
    EXPECT_EQ(names, expected);
}

TEST_F(PredictionsFileTest, HalfEnteredPairFillsOneBox)
{
    writeBytes(path(), "[PREFERENCES]\nFirstTime=0\n[GROUP B]\nGame3=2-\nGame4=12\n[FINAL 4]\nGame1=1-234\n");
    load(m_board, path());
    EXPECT_EQ(m_board.text("GB31"), "2");
    EXPECT_EQ(m_board.text("GB32"), "");
    EXPECT_EQ(m_board.text("GB41"), "");
    EXPECT_EQ(m_board.text("GB42"), "12");
    EXPECT_EQ(m_board.text("Final411"), "1");
    EXPECT_EQ(m_board.text("Final412"), "23");
}

TEST_F(PredictionsFileTest, PreferencesOnlyFileLoadsDefaultsAndEmptyBoxes)
{
    writeBytes(path(), "[PREFERENCES]\nFirstTime=0\n");
    m_board.main.preferences().zoneCode = "GMTP1A";
    m_board.main.preferences().favoriteIndex = 5;
    load(m_board, path());
    EXPECT_EQ(m_firstRunDialogs, 0);
    const Preferences& p = m_board.main.preferences();
    EXPECT_EQ(p.languageIndex, 0);
    EXPECT_EQ(p.favoriteIndex, 0);
    EXPECT_EQ(p.zoneShift, 0.0);
    EXPECT_EQ(p.zoneCode, "x35");
    EXPECT_EQ(p.daylightShift, 0.0);
    EXPECT_FALSE(p.firstRun);
    ASSERT_TRUE(SaveAll(m_board.main, path()));
    EXPECT_EQ(readBytes(path()), readBytes(testData("predictions/empty-board.ini")));
}

TEST_F(PredictionsFileTest, DamagedValuesLeaveBoxesEmptyAndPreferencesAtDefaults)
{
    load(m_board, testData("predictions/damaged-values.ini"));
    EXPECT_EQ(m_firstRunDialogs, 0);
    const Preferences& p = m_board.main.preferences();
    EXPECT_EQ(p.languageIndex, 0);  // 7
    EXPECT_EQ(p.favoriteIndex, 0);  // 99
    EXPECT_EQ(p.zoneShift, 0.0);    // nan
    EXPECT_EQ(p.daylightShift, 0.0);  // inf
    EXPECT_EQ(p.zoneCode, "GMTP2B");

    const std::vector<std::pair<const char*, const char*>> boxes = {
        {"GA11", ""},  {"GA12", "1"},  // ab-1
        {"GA21", ""},  {"GA22", "4"},  // 123-4
        {"GA31", "1"}, {"GA32", ""},   // 1-x7
        {"GA41", ""},  {"GA42", ""},   // 2 - 1
        {"GA51", ""},  {"GA52", "0"},  // -0
        {"GA61", "99"}, {"GA62", "99"},
        {"GB11", "1"}, {"GB12", "1"},  // the first of a repeated section's values
        {"GB21", "3"}, {"GB22", "0"},  // found in the repeated section
        {"GC11", ""},  {"GC12", ""},   // no section at all
        {"Final811", "0"}, {"Final812", "0"}, {"Final811pk", ""}, {"Final812pk", ""},
        {"Final821", ""},  {"Final822", ""},  {"Final822pk", ""},
        {"Final11", ""},   {"Final12", ""},
    };
    for (const auto& [name, text] : boxes)
        EXPECT_EQ(m_board.text(name), text) << name;
    EXPECT_TRUE(m_board.messages.errors.empty());
}

TEST_F(PredictionsFileTest, HexadecimalIntegersAndCommaReals)
{
    load(m_board, testData("predictions/numbers.ini"));
    EXPECT_EQ(m_firstRunDialogs, 0);  // FirstTime=0x0 is no
    const Preferences& p = m_board.main.preferences();
    EXPECT_EQ(p.languageIndex, 2);   // 0x2
    EXPECT_EQ(p.favoriteIndex, 0);   // -5
    EXPECT_EQ(p.zoneShift, -0.25);   // -0,25
    EXPECT_EQ(p.daylightShift, 0.0); // 1e400
}

TEST_F(PredictionsFileTest, RandomBytesAreAFirstRun)
{
    load(m_board, testData("predictions/random-bytes.bin"));
    EXPECT_EQ(m_firstRunDialogs, 1);
    for (const GroupControls& group : m_board.main.controls().groups)
        EXPECT_EQ(m_board.board().text(group.score[0][0]), "");
}

TEST_F(PredictionsFileTest, GarbageAndVeryLongLinesAmongValidKeys)
{
    const std::string noise = readBytes(testData("predictions/random-bytes.bin"));
    std::string text = "[PREFERENCES]\nFirstTime=0\nGMT=" + std::string(100000, 'G') + "\n" + noise;
    text += "\n[GROUP A]\nGame1=" + std::string(3000000, '7') + "-1\nGame2=" + std::string(5000, '-') + "\nGame3=3-0\n";
    writeBytes(path(), text);
    load(m_board, path());

    EXPECT_EQ(m_firstRunDialogs, 0);
    EXPECT_EQ(m_board.text("GA11"), "");
    EXPECT_EQ(m_board.text("GA12"), "1");
    EXPECT_EQ(m_board.text("GA21"), "");
    EXPECT_EQ(m_board.text("GA22"), "");
    EXPECT_EQ(m_board.text("GA31"), "3");
    EXPECT_EQ(m_board.text("GA32"), "0");
    ASSERT_TRUE(SaveAll(m_board.main, path()));
}

TEST_F(PredictionsFileTest, NulByteCostsOnlyItsOwnLine)
{
    struct Case {
        const char* file;
        const char* box;
        const char* text;
    };
    const Case cases[] = {
        {"nul-lines.ini", "GA11", "4"},      {"nul-lines.ini", "GA31", "1"}, {"nul-lines.ini", "GA41", "3"},
        {"nul-lines.ini", "GA62", "2"},      {"nul-lines.ini", "Final821pk", "4"}, {"nul-in-value.ini", "GB11", "1"},
        {"nul-in-value.ini", "GB21", ""},    {"nul-in-value.ini", "GB22", ""}, {"nul-in-value.ini", "GB31", "3"},
    };
    for (const Case& c : cases) {
        const std::string file = testData(std::string("fuzz-regressions/") + c.file);
        BoardHarness loaded;
        EXPECT_EQ(LoadPredictions(loaded.main, file), PredictionsLoad::Loaded) << c.file;
        EXPECT_EQ(loaded.text(c.box), c.text) << c.file << " " << c.box;

        // A save keeps what was loaded around the damaged line.
        writeBytes(path(), readBytes(file));
        BoardHarness saved;
        load(saved, path());
        ASSERT_TRUE(SaveAll(saved.main, path()));
        BoardHarness reloaded;
        load(reloaded, path());
        EXPECT_EQ(reloaded.text(c.box), c.text) << c.file << " " << c.box << " after a save";
    }
    EXPECT_EQ(m_firstRunDialogs, 0);
}

TEST_F(PredictionsFileTest, ReportLoaderTellsWhyNothingWasLoaded)
{
    EXPECT_EQ(LoadPredictions(m_board.main, path()), PredictionsLoad::Missing);
    std::filesystem::create_directory(m_folder.file("folder.ini"));
    EXPECT_EQ(LoadPredictions(m_board.main, m_folder.file("folder.ini")), PredictionsLoad::Unreadable);
    writeBytes(path(), "[PREFERENCES]\nLanguage=1\n[GROUP A]\nGame1=1-0\n");
    EXPECT_EQ(LoadPredictions(m_board.main, path()), PredictionsLoad::FirstRun);
    EXPECT_EQ(m_board.text("GA11"), "");
    writeBytes(path(), "[PREFERENCES]\nFirstTime=0\n[GROUP A]\nGame1=1-0\n");
    EXPECT_EQ(LoadPredictions(m_board.main, path()), PredictionsLoad::Loaded);
    EXPECT_EQ(m_board.text("GA11"), "1");
}

// Types a whole tournament: every group score, then the knockout rounds in
// board order, with shoot-outs where a match ends level.
void typeCompleteBoard(BoardHarness& h)
{
    const std::array<std::pair<const char*, const char*>, 7> scores = {
        {{"2", "1"}, {"0", "0"}, {"1", "3"}, {"10", "2"}, {"1", "1"}, {"0", "2"}, {"3", "3"}}};
    size_t next = 0;
    for (const GroupControls& group : h.main.controls().groups) {
        for (const auto& match : group.score) {
            const auto& [first, second] = scores[next++ % scores.size()];
            h.board().setText(match[0], first);
            h.board().setText(match[1], second);
        }
    }
    for (const RoundControls& round : h.main.controls().rounds) {
        for (const MatchControls& match : round.matches) {
            const auto& [first, second] = scores[next++ % scores.size()];
            h.board().setText(match.score[0], first);
            h.board().setText(match.score[1], second);
            if (std::string(first) == second) {
                h.board().setText(match.penalty[0], "5");
                h.board().setText(match.penalty[1], "4");
            }
        }
    }
}

// Saved and loaded into a fresh board, a complete prediction must rebuild the
// same tables, bracket and champion, and show the same texts and visible
// penalty boxes everywhere, also in a language other than the board's design
// language.
TEST_F(PredictionsFileTest, CompleteBoardSurvivesSaveAndLoad)
{
    writeBytes(path(), "[PREFERENCES]\nLanguage=2\nFirstTime=0\n");
    load(m_board, path());
    typeCompleteBoard(m_board);
    ASSERT_NE(m_board.text("Champion"), Placeholder);
    ASSERT_TRUE(SaveAll(m_board.main, path()));

    BoardHarness fresh;
    load(fresh, path());
    EXPECT_EQ(fresh.text("Champion"), m_board.text("Champion"));
    for (int group = 0; group < GroupCount; ++group) {
        const auto g = static_cast<size_t>(group);
        EXPECT_EQ(fresh.main.rules().play().outcome().groups[g].rows, m_board.main.rules().play().outcome().groups[g].rows) << group;
    }
    const Board& before = m_board.board();
    const Board& after = fresh.board();
    ASSERT_EQ(before.size(), after.size());
    for (ControlId id = 0; id < before.size(); ++id) {
        EXPECT_EQ(after.text(id), before.text(id)) << before.control(id).name;
        EXPECT_EQ(after.control(id).visible, before.control(id).visible) << before.control(id).name;
    }
    EXPECT_EQ(fresh.text("Third11pk"), "5");
    EXPECT_TRUE(fresh.board().control("Third11pk").visible);
    EXPECT_TRUE(fresh.messages.errors.empty());
}

// ---------------------------------------------------------------- location

class PredictionsLocationTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char* name : {"XDG_CONFIG_HOME", "HOME"}) {
            const char* value = std::getenv(name);
            m_saved.emplace_back(name, value ? std::make_unique<std::string>(value) : nullptr);
        }
    }
    void TearDown() override
    {
        for (const auto& [name, value] : m_saved) {
            if (value)
                ::setenv(name.c_str(), value->c_str(), 1);
            else
                ::unsetenv(name.c_str());
        }
    }

    TemporaryFolder m_folder;
    std::vector<std::pair<std::string, std::unique_ptr<std::string>>> m_saved;
};

TEST_F(PredictionsLocationTest, WritableProgramFolderHoldsTheFile)
{
    const std::string folder = m_folder.path().string();
    EXPECT_EQ(predictionsFilePath(folder), folder + "/Tiplark.ini");
    EXPECT_EQ(predictionsFilePath(folder + "/"), folder + "/Tiplark.ini");
}

TEST_F(PredictionsLocationTest, UnwritableProgramFolderUsesTheUserConfiguration)
{
    ::setenv("XDG_CONFIG_HOME", m_folder.file("config").c_str(), 1);
    const std::string expected = m_folder.file("config/Tiplark/Tiplark.ini");
    EXPECT_EQ(predictionsFilePath(m_folder.file("no-such-folder")), expected);
    EXPECT_TRUE(std::filesystem::is_directory(m_folder.file("config/Tiplark")));

    // Loading and saving agree on the place.
    BoardHarness h;
    ASSERT_TRUE(SaveAll(h.main, predictionsFilePath(m_folder.file("no-such-folder"))));
    EXPECT_TRUE(std::filesystem::is_regular_file(expected));
}

TEST_F(PredictionsLocationTest, SystemProgramFoldersNeverHoldTheFile)
{
    // Run as root (as CI does) these folders are writable; the file must
    // still go to the user's configuration.
    ::setenv("XDG_CONFIG_HOME", m_folder.file("config").c_str(), 1);
    const std::string expected = m_folder.file("config/Tiplark/Tiplark.ini");
    for (const char* folder : {"/usr/bin/", "/usr/games", "/usr/local/bin/", "/bin/", "/sbin", "/usr/bin/../bin/"})
        EXPECT_EQ(predictionsFilePath(folder), expected) << folder;
    // Only the top folder counts: a user's folder named like a system one keeps the file.
    const std::string ownBin = m_folder.file("usr/bin");
    std::filesystem::create_directories(ownBin);
    EXPECT_EQ(predictionsFilePath(ownBin), ownBin + "/Tiplark.ini");
}

TEST_F(PredictionsLocationTest, ConfigurationFolderDefaultsToHome)
{
    ::unsetenv("XDG_CONFIG_HOME");
    ::setenv("HOME", m_folder.path().c_str(), 1);
    EXPECT_EQ(predictionsFilePath(""), m_folder.file(".config/Tiplark/Tiplark.ini"));
    ::setenv("XDG_CONFIG_HOME", "relative/config", 1);
    EXPECT_EQ(predictionsFilePath(""), m_folder.file(".config/Tiplark/Tiplark.ini"));
}

}  // namespace
}  // namespace tiplark
