#include "document/ExitPrompt.h"

#include "RecordingServices.h"
#include "TemporaryFolder.h"
#include "document/OptionsModel.h"
#include "document/PredictionsFile.h"

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/wait.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <string>
#include <vector>

namespace tiplark {
namespace {

using testing::BoardHarness;
using testing::readBytes;
using testing::TemporaryFolder;
using testing::writeBytes;

class StartupTest : public ::testing::Test {
protected:
    std::string path() const { return m_folder.file("Tiplark.ini"); }

    TemporaryFolder m_folder;
    BoardHarness m_board;
};

TEST_F(StartupTest, MissingFileShowsTheOptionsAndLoadsNothing)
{
    int dialogs = 0;
    ReadAll(m_board.main, path(), [&] {
        ++dialogs;
        EXPECT_TRUE(m_board.main.preferences().firstRun);
    });
    EXPECT_EQ(dialogs, 1);
    EXPECT_FALSE(std::filesystem::exists(path())) << "only the dialog's OK saves";
}

// A file without "FirstTime" as no is still a first run, which asks for the
// preferences; but the scores it holds are loaded, and the first run's save
// keeps them in the file rather than only in a backup.
TEST_F(StartupTest, FileWithoutFirstTimeNoIsAFirstRunThatKeepsItsScores)
{
    for (const char* preferences : {"Language=1\n", "FirstTime=1\n", "FirstTime=yes\n", "FirstTime=\n"}) {
        BoardHarness h;
        writeBytes(path(), std::string("[PREFERENCES]\n") + preferences + "[GROUP A]\nGame1=2-1\n");
        int dialogs = 0;
        ReadAll(h.main, path(), [&] {
            ++dialogs;
            EXPECT_TRUE(h.main.preferences().firstRun) << preferences;
            EXPECT_EQ(h.text("GA11"), "2") << preferences;
            OptionsModel options(h.main, [&] { return SaveAll(h.main, path()); });
            options.FormShow();
            options.setLanguageSelection(2);
            options.LangCBChange();
            options.setTimeZoneSelection(7);
            EXPECT_TRUE(options.OKButtonClick()) << preferences;
        });
        EXPECT_EQ(dialogs, 1) << preferences;
        EXPECT_EQ(h.text("GA11"), "2") << preferences;
        EXPECT_EQ(h.text("GA12"), "1") << preferences;
        const std::string saved = readBytes(path());
        EXPECT_NE(saved.find("Language=2\n"), std::string::npos) << preferences;
        EXPECT_NE(saved.find("FirstTime=0\n"), std::string::npos) << preferences;
        EXPECT_NE(saved.find("[GROUP A]\nGame1=2-1\n"), std::string::npos) << preferences;
        EXPECT_TRUE(h.messages.errors.empty()) << preferences;
    }
}

// A save killed halfway leaves its temporary file behind, named so that the
// next start knows it for its own and removes it; nothing else beside the
// file goes, and no link is followed.
TEST_F(StartupTest, NextStartRemovesWhatAKilledSaveLeft)
{
    writeBytes(path(), readBytes(testing::testData("predictions/complete-board.ini")));
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // The file size limit stops the save in the middle of its write with SIGXFSZ.
        const rlimit small{512, 512};
        const rlimit noCore{0, 0};
        ::signal(SIGXFSZ, SIG_DFL);
        ::setrlimit(RLIMIT_CORE, &noCore);
        ::setrlimit(RLIMIT_FSIZE, &small);
        SaveAll(m_board.main, path());
        ::_exit(0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGXFSZ) << "the save was not killed";

    std::vector<std::string> left;
    for (const auto& entry : std::filesystem::directory_iterator(m_folder.path()))
        left.push_back(entry.path().filename().string());
    ASSERT_EQ(left.size(), 2u);
    const std::string killed = left[0] == "Tiplark.ini" ? left[1] : left[0];
    EXPECT_TRUE(killed.starts_with("Tiplark.ini.tiplark-save-")) << killed;

    const std::string victim = m_folder.file("victim");
    writeBytes(victim, "kept");
    const std::vector<std::string> kept = {
        "Tiplark.ini", "Tiplark.ini.1.bak", "Tiplark.ini.tiplark-save-12345", "Other.ini.tiplark-save-Ab12Cd",
        "Tiplark.ini.tiplark-save-Ab12Cd.txt", "victim", "Tiplark.ini.tiplark-save-Lnk123",
    };
    for (const char* name : {"Tiplark.ini.1.bak", "Tiplark.ini.tiplark-save-12345",
                                    "Other.ini.tiplark-save-Ab12Cd", "Tiplark.ini.tiplark-save-Ab12Cd.txt"})
        writeBytes(m_folder.file(name), "not ours");
    writeBytes(m_folder.file("Tiplark.ini.2.bak.tiplark-save-Zz09zZ"), "a backup's leftover");
    std::filesystem::create_symlink(victim, m_folder.file("Tiplark.ini.tiplark-save-Lnk123"));

    ReadAll(m_board.main, path(), [] {});
    std::vector<std::string> after;
    for (const auto& entry : std::filesystem::directory_iterator(m_folder.path()))
        after.push_back(entry.path().filename().string());
    std::sort(after.begin(), after.end());
    std::vector<std::string> expected = kept;
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(after, expected);
    EXPECT_EQ(readBytes(victim), "kept");
    EXPECT_EQ(m_board.text("GA11"), "2");
}

TEST_F(StartupTest, FirstRunChoiceIsSavedAndTheNextStartIsNormal)
{
    // The user picks Spanish and a time zone in the first-run options dialog.
    ReadAll(m_board.main, path(), [&] {
        OptionsModel options(m_board.main, [&] { return SaveAll(m_board.main, path()); });
        options.FormShow();
        options.setLanguageSelection(1);
        options.LangCBChange();
        options.setTimeZoneSelection(7);
        ASSERT_TRUE(options.OKButtonClick());
    });
    EXPECT_EQ(m_board.text("GAName3"), "Alemania");
    EXPECT_EQ(m_board.text("Final811Lbl"), "Costa Rica");
    EXPECT_EQ(m_board.text("GA11"), "");
    EXPECT_FALSE(m_board.main.preferences().teamNamesPending);
    EXPECT_EQ(readBytes(path()).find("FirstTime=0\r\n"), readBytes(path()).find("FirstTime="));

    // Leaving with No and starting again loads that file without the dialog.
    m_board.messages.answers.push_back(DialogResult::No);
    ASSERT_TRUE(FormClose(m_board.main, path()));
    BoardHarness next;
    int dialogs = 0;
    ReadAll(next.main, path(), [&] { ++dialogs; });
    EXPECT_EQ(dialogs, 0);
    EXPECT_FALSE(next.main.preferences().firstRun);
    EXPECT_EQ(next.main.preferences().languageIndex, 1);
    EXPECT_EQ(next.main.preferences().zoneShift, -0.25);
    EXPECT_EQ(next.text("GAName3"), "Alemania");
}

TEST_F(StartupTest, NormalStartReadsPreferencesAndScores)
{
    writeBytes(path(), "[PREFERENCES]\nLanguage=1\nFavorite=11\nTimeZone=-0.25\nGMT=x35\nDaylight=0.0416666666666667\n"
                       "FirstTime=0\n[GROUP A]\nGame1=0-2\n");
    bool dialog = false;
    ReadAll(m_board.main, path(), [&] { dialog = true; });
    EXPECT_FALSE(dialog);
    const Preferences& p = m_board.main.preferences();
    EXPECT_FALSE(p.firstRun);
    EXPECT_FALSE(p.teamNamesPending);
    EXPECT_EQ(p.languageIndex, 1);
    EXPECT_EQ(p.favoriteIndex, 11);
    EXPECT_EQ(p.zoneShift, -0.25);
    EXPECT_NEAR(p.daylightShift, 1.0 / 24, 1e-15);
    EXPECT_EQ(m_board.text("GA11"), "0");
    EXPECT_EQ(m_board.text("GA12"), "2");
    // Costa Rica beat Germany: the table and the round of 16 are rebuilt, and
    // every team label is in Spanish, including those still in design state.
    EXPECT_EQ(m_board.text("GAName1"), "Costa Rica");
    EXPECT_EQ(m_board.text("Final811Lbl"), "Costa Rica");
    EXPECT_EQ(m_board.text("Final831Lbl"), "Inglaterra");
    EXPECT_EQ(m_board.main.language().favoriteName(), "Alemania");
}

class ExitTest : public StartupTest {
protected:
    void SetUp() override { m_board.set("GA11", "3"); }
    void answer(DialogResult result) { m_board.messages.answers.push_back(result); }
};

TEST_F(ExitTest, AsksInTheCurrentLanguage)
{
    answer(DialogResult::Cancel);
    FormClose(m_board.main, path());
    m_board.main.preferences().languageIndex = 2;
    m_board.main.ApplyLanguage();
    answer(DialogResult::Cancel);
    FormClose(m_board.main, path());
    ASSERT_EQ(m_board.messages.questions.size(), 2u);
    EXPECT_EQ(m_board.messages.questions[0].rfind("Do you want to save the data before exiting?\r\r", 0), 0u);
    EXPECT_EQ(m_board.messages.questions[1].rfind("Voulez-vous sauvegarder les données avant de quitter?", 0), 0u);
}

TEST_F(ExitTest, YesSavesAndCloses)
{
    answer(DialogResult::Yes);
    EXPECT_TRUE(FormClose(m_board.main, path()));
    EXPECT_NE(readBytes(path()).find("[GROUP A]\r\nGame1=3-\r\n"), std::string::npos);
    EXPECT_TRUE(m_board.messages.errors.empty());
}

TEST_F(ExitTest, NoClosesWithoutSaving)
{
    writeBytes(path(), "[PREFERENCES]\nFirstTime=0\n");
    answer(DialogResult::No);
    EXPECT_TRUE(FormClose(m_board.main, path()));
    EXPECT_EQ(readBytes(path()), "[PREFERENCES]\nFirstTime=0\n");
}

TEST_F(ExitTest, CancelKeepsRunningAndChangesNothing)
{
    answer(DialogResult::Cancel);
    EXPECT_FALSE(FormClose(m_board.main, path()));
    EXPECT_FALSE(std::filesystem::exists(path()));
    EXPECT_EQ(m_board.text("GA11"), "3");
}

TEST_F(ExitTest, FailedSaveKeepsTheWindowOpen)
{
    const std::string unwritable = m_folder.file("missing/Tiplark.ini");
    answer(DialogResult::Yes);
    EXPECT_FALSE(FormClose(m_board.main, unwritable));
    ASSERT_EQ(m_board.messages.errors.size(), 1u);
    EXPECT_EQ(m_board.messages.errors[0], "Unable to write to " + unwritable);

    // Asked again, the user can still leave without saving.
    answer(DialogResult::No);
    EXPECT_TRUE(FormClose(m_board.main, unwritable));
}

}  // namespace
}  // namespace tiplark
