#include "document/PredictionsFile.h"

#include "RecordingServices.h"
#include "TemporaryFolder.h"
#include "document/LoadFailure.h"
#include "i18n/LanguageTables.h"
#include "reference/Pool.h"
#include "storage/PredictionsLocation.h"
#include "storage/SettingsFile.h"
#include "storage/SettingValues.h"
#include "tournament/TournamentData.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <clocale>
#include <cmath>
#include <filesystem>
#include <memory>
#include <optional>
#include <set>

namespace tiplark {
namespace {

using namespace std::string_literals;  // for texts holding NUL bytes
using testing::BoardHarness;
using testing::readBytes;
using testing::withCrLf;
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
    EXPECT_NE(text.find("TimeZone=-0.25\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find("Daylight=0.0416666666666667\r\n"), std::string::npos) << text;
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
    EXPECT_EQ(readBytes(path()), withCrLf(readBytes(testData("predictions/empty-board.ini"))));
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
    EXPECT_NE(text.find("[GROUP B]\r\nGame1=-\r\nGame2=-\r\nGame3=2-\r\nGame4=-\r\nGame5=-\r\nGame6=-1\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find("Game2=3-3\r\nGame2Apk=\r\nGame2Bpk=4\r\n"), std::string::npos) << text;
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
        // A first run loads the scores, and its save keeps them.
        {"FirstTime deleted", noFirstTime, false},
        {"NUL bytes within its sections", readBytes(testData("fuzz-regressions/nul-lines.ini")), true},
        {"damaged values", readBytes(testData("predictions/damaged-values.ini")), true},
        {"unknown key in a group", complete + "[GROUP A]\nGame7=1-1\n", true},
        {"normal file", complete, false},
        {"no file", std::nullopt, false},
    };
    for (const Case& c : cases) {
        TemporaryFolder folder;
        const std::string file = folder.file("Tiplark.ini");
        const std::string backup = file + ".1.bak";
        if (c.file)
            writeBytes(file, *c.file);
        // The backup of an older version of the program is never replaced.
        writeBytes(file + ".bak", "older backup");
        BoardHarness h;
        // The first run's dialog saves as its OK does.
        ReadAll(h.main, file, [&] { EXPECT_TRUE(SaveAll(h.main, file)) << c.what; });
        if (!h.main.preferences().firstRun) {
            ASSERT_TRUE(SaveAll(h.main, file)) << c.what;
        }
        h.set("GA11", "5");
        ASSERT_TRUE(SaveAll(h.main, file)) << c.what;

        EXPECT_EQ(readBytes(file + ".bak"), "older backup") << c.what;
        EXPECT_EQ(std::filesystem::exists(backup), c.backup) << c.what;
        ASSERT_EQ(h.messages.information.size(), c.backup ? 1u : 0u) << c.what;
        if (c.backup) {
            EXPECT_EQ(readBytes(backup), *c.file) << c.what;
            EXPECT_TRUE(h.messages.information[0].ends_with(" " + backup)) << c.what;
        }
        EXPECT_TRUE(h.messages.errors.empty()) << c.what;
    }
}

// The contents of every backup beside `path`, newest first: "<name>.1.bak"
// to "<name>.5.bak", and "<name>.bak" as older versions named it.
std::vector<std::string> backupsOf(const std::string& path)
{
    const std::filesystem::path file(path);
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(file.parent_path())) {
        const std::string name = entry.path().filename().string();
        if (name.starts_with(file.filename().string()) && name.ends_with(".bak"))
            names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    std::vector<std::string> contents;
    for (const std::string& name : names)
        contents.push_back(readBytes((file.parent_path() / name).string()));
    return contents;
}

bool anyHolds(const std::vector<std::string>& backups, const std::string& text)
{
    return std::any_of(backups.begin(), backups.end(),
                       [&](const std::string& backup) { return backup.find(text) != std::string::npos; });
}

// An export writes another file: the loaded file still needs its backup.
TEST_F(PredictionsFileTest, ExportLeavesTheLoadedFileItsBackup)
{
    std::string text = readBytes(testData("predictions/complete-board.ini"));
    text.insert(text.find("[GROUP A]\n") + 10, "Note=my only copy\n");
    writeBytes(path(), text);
    load(m_board, path());
    ASSERT_TRUE(SaveAll(m_board.main, m_folder.file("exported.ini")));
    EXPECT_TRUE(m_board.messages.information.empty());
    ASSERT_TRUE(SaveAll(m_board.main, path()));

    EXPECT_EQ(readBytes(path()).find("my only copy"), std::string::npos);
    EXPECT_EQ(backupsOf(path()), std::vector<std::string>{text});
    ASSERT_EQ(m_board.messages.information.size(), 1u);
    EXPECT_TRUE(m_board.messages.information[0].ends_with(path() + ".1.bak"));
}

// Each run that drops something keeps it in a backup of its own: what earlier
// runs kept survives, up to five backups, and a line the save keeps (a NUL
// line outside the program's sections) calls for none.
TEST_F(PredictionsFileTest, BackupsOfEarlierRunsAreKept)
{
    const std::string complete = readBytes(testData("predictions/complete-board.ini"));
    const auto run = [&](const std::string& text) {
        writeBytes(path(), text);
        BoardHarness h;
        load(h, path());
        EXPECT_TRUE(SaveAll(h.main, path()));
        return h.messages.information.size();
    };
    std::vector<std::string> runs;
    for (int n = 1; n <= 7; ++n) {
        runs.push_back(complete + "[GROUP A]\nNote=run " + std::to_string(n) + "\n");
        EXPECT_EQ(run(runs.back()), 1u) << n;
    }
    // The newest five, newest first; the first two went.
    EXPECT_EQ(backupsOf(path()), (std::vector<std::string>{runs[6], runs[5], runs[4], runs[3], runs[2]}));

    const std::string kept = complete + "[Notes]\nbad\0line\n"s;
    for (int n = 0; n < 3; ++n)
        EXPECT_EQ(run(kept), 0u) << "run " << n << " of a file with a NUL line it keeps";
    EXPECT_EQ(readBytes(path()), kept);
    EXPECT_EQ(backupsOf(path()).size(), 5u);
}

// Whatever a save drops, it keeps in the backup first and says so: comments
// of a repeated or misplaced section, text after a header, a broken header's
// lines (which are read into no section) and lines another program added
// to the program's sections while it ran.
TEST_F(PredictionsFileTest, WhatASaveWouldDropGoesToTheBackupFirst)
{
    const std::string complete = readBytes(testData("predictions/complete-board.ini"));
    const auto edited = [&](const std::string& find, const std::string& replacement) {
        std::string text = complete;
        text.replace(text.find(find), find.size(), replacement);
        return text;
    };
    struct Case {
        const char* what;
        std::string file;
        std::string dropped;
        std::string addedMeanwhile;
    };
    const Case cases[] = {
        {"comment in a repeated section", complete + "[GROUP A]\n; my note\n", "; my note", ""},
        {"comment in a misplaced section", "[GROUP B]\n; about B\nGame1=3-0\n" + complete, "; about B", ""},
        {"comment after a header", edited("[GROUP B]\n", "[GROUP B] ; my comment\n"), "; my comment", ""},
        {"key after a header", edited("[GROUP A]\n", "[GROUP A]Game9=5-5 keep me\n"), "keep me", ""},
        {"broken header", edited("[GROUP B]\n", "[GROUP B\n"), "[GROUP B\nGame1=3-0", ""},
        {"line added meanwhile", complete, "Note=added meanwhile", "[GROUP C]\nNote=added meanwhile\n"},
    };
    for (const Case& c : cases) {
        TemporaryFolder folder;
        const std::string file = folder.file("Tiplark.ini");
        writeBytes(file, c.file);
        BoardHarness h;
        load(h, file);
        EXPECT_EQ(h.text("GA11"), "2") << c.what;
        if (!c.addedMeanwhile.empty()) {
            writeBytes(file, c.file + c.addedMeanwhile);
            h.messages.answers.push_back(DialogResult::Yes);  // replace what another program changed
        }
        ASSERT_TRUE(SaveAll(h.main, file)) << c.what;

        EXPECT_EQ(readBytes(file).find(c.dropped), std::string::npos) << c.what;
        EXPECT_TRUE(anyHolds(backupsOf(file), c.dropped)) << c.what;
        ASSERT_EQ(h.messages.information.size(), 1u) << c.what;
        EXPECT_TRUE(h.messages.information[0].ends_with(file + ".1.bak")) << c.what;
    }
}

// A file changed on disk since it was loaded, in the lines a save rewrites,
// is asked about as an editor would: replace it, keep it and save in another
// file, or do not save. Changes in lines the save keeps are merged unasked.
TEST_F(PredictionsFileTest, FileChangedElsewhereIsAskedAbout)
{
    const std::string complete = readBytes(testData("predictions/complete-board.ini"));
    std::string theirs = complete;
    theirs.replace(theirs.find("Game1=2-1"), 9, "Game1=0-9");
    struct Case {
        const char* what;
        std::string onDisk;  // written by another program after the load
        std::optional<DialogResult> answer;  // none: no question
        bool saved;
        bool mineInFile;
        bool mineElsewhere;
    };
    const Case cases[] = {
        {"unchanged", complete, std::nullopt, true, true, false},
        {"another section added", complete + "[POOL]\nFile1=/pool/a.ini\n", std::nullopt, true, true, false},
        {"score changed, replace it", theirs, DialogResult::Yes, true, true, false},
        {"score changed, save elsewhere", theirs, DialogResult::No, true, false, true},
        {"score changed, do not save", theirs, DialogResult::Cancel, false, false, false},
        {"file deleted, replace it", "", DialogResult::Yes, true, true, false},
    };
    for (const Case& c : cases) {
        TemporaryFolder folder;
        const std::string file = folder.file("Tiplark.ini");
        const std::string other = folder.file("mine.ini");
        writeBytes(file, complete);
        BoardHarness h;
        load(h, file);
        h.main.setOtherFileChooser([&] { return other; });
        h.set("GA21", "7");
        if (c.onDisk.empty())
            std::filesystem::remove(file);
        else
            writeBytes(file, c.onDisk);
        if (c.answer)
            h.messages.answers.push_back(*c.answer);

        EXPECT_EQ(SaveAll(h.main, file), c.saved) << c.what;
        EXPECT_EQ(h.messages.questions.size(), c.answer ? 1u : 0u) << c.what;
        const std::string now = readBytes(file);
        EXPECT_EQ(now.find("Game2=7-0") != std::string::npos, c.mineInFile) << c.what;
        if (!c.mineInFile && !c.onDisk.empty()) {
            EXPECT_EQ(now, c.onDisk) << c.what;
        }
        EXPECT_EQ(readBytes(other).find("Game2=7-0") != std::string::npos, c.mineElsewhere) << c.what;
        // What another program wrote in lines the save keeps stays.
        EXPECT_EQ(now.find("File1=/pool/a.ini") != std::string::npos, c.onDisk.find("[POOL]") != std::string::npos)
            << c.what;
        if (c.answer == DialogResult::Yes && !c.onDisk.empty()) {
            EXPECT_TRUE(anyHolds(backupsOf(file), "Game1=0-9")) << c.what;
        }
    }
}

// Two boards on one file, as two windows: the second save asks, and once
// answered the file is its own again, so the next save does not.
TEST_F(PredictionsFileTest, SecondWindowOnOneFileAsksOnce)
{
    writeBytes(path(), readBytes(testData("predictions/complete-board.ini")));
    BoardHarness first;
    BoardHarness second;
    load(first, path());
    load(second, path());
    first.set("GA11", "9");
    ASSERT_TRUE(SaveAll(first.main, path()));
    ASSERT_TRUE(SaveAll(first.main, path()));
    EXPECT_TRUE(first.messages.questions.empty());

    second.set("GA12", "8");
    second.messages.answers = {DialogResult::Yes};
    ASSERT_TRUE(SaveAll(second.main, path()));
    ASSERT_TRUE(SaveAll(second.main, path()));
    EXPECT_EQ(second.messages.questions.size(), 1u);
    EXPECT_NE(readBytes(path()).find("Game1=2-8\n"), std::string::npos);
}

// Import takes the scores of any predictions file, whatever its "FirstTime".
TEST_F(PredictionsFileTest, ImportTakesScoresWhateverFirstTime)
{
    for (const char* preferences : {"FirstTime=1\n", "Language=2\n", "FirstTime=0\n"}) {
        writeBytes(path(), std::string("[PREFERENCES]\n") + preferences + "[GROUP A]\nGame1=2-1\n");
        BoardHarness h;
        h.set("GA11", "5");
        EXPECT_EQ(ImportPrediction(h.main, path()), PredictionsLoad::Loaded) << preferences;
        EXPECT_EQ(h.text("GA11"), "2") << preferences;
        EXPECT_EQ(h.text("GA12"), "1") << preferences;
    }
    // A file with neither a score nor "FirstTime=0" holds no prediction.
    writeBytes(path(), "[PREFERENCES]\nLanguage=2\n");
    EXPECT_EQ(ImportPrediction(m_board.main, path()), PredictionsLoad::FirstRun);
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
    // The longest name whose temporary file fits the file system's limit of
    // 255 bytes, while its backup's temporary file does not: even as root
    // the backup fails and the file itself could be written.
    const std::string target = m_folder.file(std::string(235, 'p'));
    writeBytes(target, readBytes(testData("fuzz-regressions/nul-lines.ini")));
    load(m_board, target);
    const std::string before = readBytes(target);
    EXPECT_FALSE(SaveAll(m_board.main, target));
    EXPECT_EQ(m_board.messages.errors, std::vector<std::string>{"Unable to write to " + target + ".1.bak"});
    EXPECT_EQ(readBytes(target), before);
    EXPECT_TRUE(m_board.messages.information.empty());
}

// The failure speaks the user's language.
TEST_F(FailedSaveTest, MessageInTheUsersLanguage)
{
    const std::string target = m_folder.file("missing/Tiplark.ini");
    const std::pair<int, std::string> messages[] = {{LanguageSpanish, "No se puede escribir en " + target},
                                                    {LanguageFrench, "Impossible d'écrire dans " + target},
                                                    {LanguageGerman, target + " kann nicht geschrieben werden"}};
    for (const auto& [language, message] : messages) {
        m_board.main.preferences().languageIndex = language;
        m_board.messages.errors.clear();
        EXPECT_FALSE(SaveAll(m_board.main, target));
        EXPECT_EQ(m_board.messages.errors, std::vector<std::string>{message});
    }
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

// A file the user made read-only is not replaced, also by root.
TEST_F(FailedSaveTest, ReadOnlyFile)
{
    writeBytes(path(), m_old);
    ASSERT_EQ(::chmod(path().c_str(), 0444), 0);
    expectRefused(path());
    expectFileUntouched(path(), m_old);
}

// ---------------------------------------------------------------- links and permissions

// A link planted under a backup's name is replaced, never written through,
// as root too; the backup takes the mode of the file it keeps.
TEST_F(PredictionsFileTest, BackupsNeverFollowPlantedLinks)
{
    const std::string victim = m_folder.file("victim");
    writeBytes(victim, "victim");
    std::string text = readBytes(testData("predictions/complete-board.ini")) + "[GROUP A]\nNote=dropped\n";
    writeBytes(path(), text);
    ASSERT_EQ(::chmod(path().c_str(), 0640), 0);
    for (const char* name : {".bak", ".1.bak", ".2.bak", ".3.bak", ".4.bak", ".5.bak"})
        std::filesystem::create_symlink(victim, path() + name);
    load(m_board, path());
    ASSERT_TRUE(SaveAll(m_board.main, path()));

    EXPECT_EQ(readBytes(victim), "victim");
    const std::string backup = path() + ".1.bak";
    EXPECT_FALSE(std::filesystem::is_symlink(backup));
    EXPECT_EQ(readBytes(backup), text);
    struct stat info {};
    ASSERT_EQ(::stat(backup.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
}

// A file the user made read-only is said so at start-up and never saved
// over, as root too; the save offers another file instead.
TEST_F(PredictionsFileTest, ReadOnlyFileIsNotSavedOver)
{
    const std::string text = readBytes(testData("predictions/complete-board.ini"));
    struct Case {
        DialogResult answer;
        bool saved;
    };
    for (const Case c : {Case{DialogResult::No, false}, Case{DialogResult::Yes, true}}) {
        TemporaryFolder folder;
        const std::string file = folder.file("Tiplark.ini");
        const std::string other = folder.file("other.ini");
        writeBytes(file, text);
        ASSERT_EQ(::chmod(file.c_str(), 0444), 0);
        BoardHarness h;
        load(h, file);
        // In the file's language, French.
        ASSERT_EQ(h.messages.information.size(), 1u);
        EXPECT_NE(h.messages.information[0].find(file + " est en lecture seule"), std::string::npos);
        h.main.setOtherFileChooser([&] { return other; });
        h.set("GA11", "7");
        h.messages.answers.push_back(c.answer);

        EXPECT_EQ(SaveAll(h.main, file), c.saved);
        ASSERT_EQ(h.messages.questions.size(), 1u);
        EXPECT_NE(h.messages.questions[0].find(file + " est en lecture seule"), std::string::npos);
        EXPECT_EQ(readBytes(file), text);
        EXPECT_EQ(readBytes(other).find("Game1=7-1") != std::string::npos, c.saved);
        EXPECT_TRUE(h.messages.errors.empty());
    }
}

// Whose file a save replaces, and through whose link. The file keeps its
// owner and mode and its backup takes them; a link is followed, and the file
// it leads to replaced where it lies, only when the link belongs to the user
// or to that file's owner. Rows giving a file or a link to another user need
// root: CI runs them as root under the sanitizers, the others both ways.
TEST_F(PredictionsFileTest, SavesKeepOwnersAndFollowOnlyTrustedLinks)
{
    const bool root = ::geteuid() == 0;
    const uid_t me = ::geteuid();
    constexpr uid_t Other = 65534;  // nobody, given files by root
    struct Case {
        const char* what;
        bool linked;  // Tiplark.ini is a link to data/real.ini
        uid_t fileOwner;
        uid_t linkOwner;
        bool saved;
    };
    const Case cases[] = {
        {"own file", false, me, me, true},
        {"own link to own file", true, me, me, true},
        {"another user's file", false, Other, me, true},
        {"another user's link to that user's file", true, Other, Other, true},
        {"another user's link to my file", true, me, Other, false},
    };
    const std::string text = readBytes(testData("predictions/complete-board.ini")) + "[GROUP A]\nNote=dropped\n";
    for (const Case& c : cases) {
        if (!root && (c.fileOwner == Other || c.linkOwner == Other))
            continue;
        TemporaryFolder folder;
        std::filesystem::create_directory(folder.file("data"));
        const std::string real = folder.file("data/real.ini");
        const std::string file = c.linked ? folder.file("Tiplark.ini") : real;
        writeBytes(real, text);
        ASSERT_EQ(::chmod(real.c_str(), 0600), 0);
        ASSERT_EQ(::chown(real.c_str(), c.fileOwner, static_cast<gid_t>(-1)), 0);
        if (c.linked) {
            std::filesystem::create_symlink("data/real.ini", file);
            ASSERT_EQ(::lchown(file.c_str(), c.linkOwner, static_cast<gid_t>(-1)), 0);
        }
        BoardHarness h;
        load(h, file);
        h.set("GA11", "7");

        EXPECT_EQ(SaveAll(h.main, file), c.saved) << c.what;
        EXPECT_EQ(std::filesystem::is_symlink(file), c.linked) << c.what;
        EXPECT_EQ(readBytes(real).find("Game1=7-1\n") != std::string::npos, c.saved) << c.what;
        if (!c.saved) {
            EXPECT_EQ(readBytes(real), text) << c.what;
            EXPECT_EQ(h.messages.errors, std::vector<std::string>{"Impossible d'écrire dans " + file}) << c.what;
            continue;
        }
        EXPECT_EQ(readBytes(file + ".1.bak"), text) << c.what;
        for (const std::string& written : {real, file + ".1.bak"}) {
            struct stat info {};
            ASSERT_EQ(::stat(written.c_str(), &info), 0) << c.what << " " << written;
            EXPECT_EQ(info.st_uid, c.fileOwner) << c.what << " " << written;
            EXPECT_EQ(info.st_mode & 07777, 0600u) << c.what << " " << written;
        }
    }
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
    EXPECT_EQ(readBytes(path()), withCrLf(readBytes(golden)));
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

// One size check for every reader: start-up, import, report and pool refuse
// a file above the limit and say why, and leave the board as it was.
TEST_F(PredictionsFileTest, FilesAboveTheLimitAreRefusedEverywhere)
{
    const std::string text = "[PREFERENCES]\nFirstTime=0\n[GROUP A]\nGame1=1-0\n" + std::string(SettingsFile::MaximumSize, '\n');
    writeBytes(path(), text);
    const std::string why = "Unable to read " + path() + ": larger than 8 MB, the limit for a predictions file";
    m_board.set("GA11", "5");
    EXPECT_EQ(LoadPredictions(m_board.main, path()), PredictionsLoad::TooLarge);
    EXPECT_EQ(ImportPrediction(m_board.main, path()), PredictionsLoad::TooLarge);
    EXPECT_EQ(scorePredictionFile(path(), testing::worldCup2006()).load, PredictionsLoad::TooLarge);
    EXPECT_EQ(loadFailureMessage(LanguageEnglish, path(), PredictionsLoad::TooLarge), why);
    EXPECT_EQ(m_board.text("GA11"), "5");

    BoardHarness started;
    load(started, path());
    EXPECT_EQ(started.messages.errors, std::vector<std::string>{why});
    EXPECT_EQ(started.text("GA11"), "");
    // Nor is it saved over: it holds what the user has not seen.
    EXPECT_FALSE(SaveAll(started.main, path()));
    EXPECT_EQ(readBytes(path()), text);
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
