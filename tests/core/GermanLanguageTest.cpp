#include "document/OptionsModel.h"
#include "document/PredictionsFile.h"
#include "i18n/FavoriteTable.h"
#include "i18n/LanguageTables.h"
#include "i18n/TeamNameTables.h"
#include "i18n/TimeZoneTable.h"
#include "platform/Cp1252.h"
#include "report/ReportLines.h"
#include "report/TextLookup.h"
#include "scoring/RealResults.h"
#include "BoardChanges.h"
#include "BracketPlay.h"
#include "RecordingServices.h"
#include "TemporaryFolder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tiplark {
namespace {

using testing::BoardHarness;

// The board translation finds a team by its caption alone, so a name may
// stand for one team only, whichever language it comes from.
TEST(GermanLanguage, NoTeamNameStandsForAnotherTeamInAnyLanguage)
{
    for (int a = 0; a < LanguageCount; ++a)
        for (int b = 0; b < LanguageCount; ++b)
            for (int team = 1; team <= TeamCount; ++team)
                for (int other = 1; other <= TeamCount; ++other) {
                    if (team != other) {
                        EXPECT_NE(teamNameIn(a, team), teamNameIn(b, other))
                            << "team " << team << " in " << a << ", team " << other << " in " << b;
                    }
                }
}

struct SwitchCase {
    int language;
    const char* caption;
    const char* group;
    const char* roundOf16;
    const char* opener;  // GA11Lbl
    const char* hintCity;
};

TEST(GermanLanguage, BoardWordsFollowEachLanguage)
{
    const SwitchCase cases[] = {
        {LanguageEnglish, "Tiplark - Germany", "Group A", "1/8 Finals", "Germany", "Munich\r"},
        {LanguageSpanish, "Tiplark - Alemania", "Grupo A", "1/8 Finales", "Alemania", "Múnich\r"},
        {LanguageFrench, "Tiplark - Allemagne", "Groupe A", "1/8 Finales", "Allemagne", "Munich\r"},
        {LanguageGerman, "Tiplark - Deutschland", "Gruppe A", "1/8 Finale", "Deutschland", "München\r"},
    };
    BoardHarness h;
    for (const SwitchCase& c : cases) {
        h.main.preferences().languageIndex = c.language;
        h.main.ApplyLanguage();
        EXPECT_EQ(h.main.caption(), c.caption);
        EXPECT_EQ(h.text("GroupALbl"), c.group);
        EXPECT_EQ(h.text("Final8Lbl"), c.roundOf16);
        EXPECT_EQ(h.text("GA11Lbl"), c.opener);
        EXPECT_EQ(h.board().control("GA11Lbl").hint.rfind(c.hintCity, 0), 0u) << c.language;
    }
}

TEST(GermanLanguage, KnownIndexIsKeptAndUnknownFallsBackToEnglish)
{
    for (const auto& [stored, applied] : std::vector<std::pair<int, int>>{{3, 3}, {4, 0}, {-1, 0}, {2, 2}}) {
        BoardHarness h;
        h.main.preferences().languageIndex = stored;
        h.main.ApplyLanguage();
        EXPECT_EQ(h.main.preferences().languageIndex, applied) << stored;
        EXPECT_EQ(h.main.language().index(), applied) << stored;
    }
}

TEST(GermanLanguage, StoredIndexThreeOpensInGermanAndIsWrittenBack)
{
    const testing::TemporaryFolder folder;
    const std::string path = folder.file("Tiplark.ini");
    for (const auto& [stored, opened] : std::vector<std::pair<const char*, int>>{{"3", 3}, {"4", 0}, {"2", 2}}) {
        testing::writeBytes(path, std::string("[PREFERENCES]\nLanguage=") + stored +
                                      "\nFirstTime=0\n[GROUP A]\nGame1=2-1\n");
        BoardHarness h;
        ReadAll(h.main, path, [] {});
        EXPECT_EQ(h.main.preferences().languageIndex, opened) << stored;
        ASSERT_TRUE(SaveAll(h.main, path));
        EXPECT_NE(testing::readBytes(path).find("Language=" + std::to_string(opened) + "\n"), std::string::npos);
        if (opened == LanguageGerman) {
            EXPECT_EQ(h.text("GAName1"), "Deutschland");
            EXPECT_EQ(h.text("GA11Lbl"), "Deutschland");
        }
    }
}

// Switches the way the options dialog's OK does: from the names on the board.
void switchLanguage(BoardHarness& h, int language)
{
    h.main.language().CopyTeamNamesToPrevious();
    h.main.preferences().teamNamesPending = true;
    h.main.preferences().languageIndex = language;
    h.main.ApplyLanguage();
    h.main.SetFirstTimeGroups();
}

void fillGroups(BoardHarness& h)
{
    // Varied, repeatable scores so that every group ranks its own way.
    unsigned seed = 7;
    for (const GroupInfo& group : groups())
        for (int match = 1; match <= MatchesPerGroup; ++match)
            for (int side = 1; side <= 2; ++side) {
                seed = seed * 1103515245u + 12345u;
                h.set(groupScoreName(group.letter, match, side), std::to_string((seed >> 16) % 4));
            }
}

TEST(GermanLanguage, SwitchingBetweenAnyTwoLanguagesRestoresTheBoard)
{
    for (int from = 0; from < LanguageCount; ++from) {
        for (int to = 0; to < LanguageCount; ++to) {
            BoardHarness h;
            fillGroups(h);
            testing::playBracket(h);
            switchLanguage(h, from);
            const std::vector<testing::ControlState> before = testing::boardState(h.board());
            switchLanguage(h, to);
            if (from != to) {
                EXPECT_FALSE(testing::differences(before, h.board()).empty()) << from << " -> " << to;
            }
            switchLanguage(h, from);
            EXPECT_TRUE(testing::differences(before, h.board()).empty()) << from << " -> " << to << " -> " << from;
        }
    }
}

TEST(GermanLanguage, ReportOfTheRealResults)
{
    BoardHarness h;
    h.main.preferences().languageIndex = LanguageGerman;
    h.main.ApplyLanguage();
    FillInRealResults(h.main);
    const std::string golden = testing::readBytes(testing::testData("scoring/real-2006-report-de.txt"));
    std::string report;
    for (const std::string& line : BuildReportLines(LanguageGerman, boardTexts(h.board())))
        report += line + '\n';
    EXPECT_EQ(report, golden);
}

TEST(GermanLanguage, TimeZoneTextsKeepTheOffsetColumn)
{
    for (int entry = 0; entry < TimeZoneCount; ++entry) {
        const std::string shared = timeZoneText(LanguageEnglish, entry);
        const std::string german = timeZoneText(LanguageGerman, entry);
        EXPECT_EQ(german.substr(0, 9), shared.substr(0, 9)) << entry;
        EXPECT_EQ(shared, timeZones()[static_cast<size_t>(entry)].text);
        EXPECT_EQ(timeZoneText(LanguageFrench, entry), shared);
    }
    EXPECT_STREQ(timeZoneText(LanguageGerman, 13), "(GMT+1)  Amsterdam, Berlin, Rom, Stockholm, Wien");
    EXPECT_STREQ(timeZoneText(LanguageGerman, 30), "");
}

TEST(GermanLanguage, SpecialLettersBecomeSingleWindowsBytes)
{
    EXPECT_EQ(toCp1252(teamNameIn(LanguageGerman, 15)), "Elfenbeink\xFCste");
    EXPECT_EQ(toCp1252(languageText(LanguageGerman, "city.Cologne")), "K\xF6ln");
    EXPECT_EQ(toCp1252(languageText(LanguageGerman, "schedule.close")), "&Schlie\xDF" "en");
    EXPECT_EQ(toCp1252(languageText(LanguageGerman, "menu.about")), "\xDC" "be&r");
}

class GermanOptionsTest : public ::testing::Test {
protected:
    OptionsModel makeModel()
    {
        return OptionsModel(h.main, [] { return true; });
    }
    BoardHarness h;
};

TEST_F(GermanOptionsTest, GermanFavouritePositionsReopenTheSameEntry)
{
    Preferences& p = h.main.preferences();
    p.firstRun = false;
    p.languageIndex = LanguageGerman;
    p.favoriteIndex = 11;
    p.zoneShift = zoneShiftOf(13);
    p.zoneCode = timeZones()[13].code;
    h.main.ApplyLanguage();

    OptionsModel model = makeModel();
    model.FormShow();
    EXPECT_EQ(model.languageSelection(), LanguageGerman);
    EXPECT_EQ(OptionsModel::languageEntries()[LanguageGerman], "Deutsch");
    EXPECT_EQ(model.favoriteEntries()[static_cast<size_t>(model.favoriteSelection())], "Deutschland");
    EXPECT_EQ(model.captions().favorite, "Ihre Lieblingsmannschaft:");
    EXPECT_EQ(model.timeZoneEntries()[18], "(GMT+2)  Athen, Kairo, Helsinki, Pretoria");

    // Ivory Coast sits under E in German, far from its English place.
    const int ivoryCoast = favoritePosition(LanguageGerman, 15);
    EXPECT_EQ(favoriteList(LanguageGerman)[static_cast<size_t>(ivoryCoast)], "Elfenbeinküste");
    model.setFavoriteSelection(ivoryCoast);
    model.FavCBChange();
    ASSERT_TRUE(model.OKButtonClick());
    EXPECT_EQ(p.favoriteIndex, 15);
    EXPECT_EQ(h.main.language().favoriteName(), "Elfenbeinküste");

    OptionsModel reopened = makeModel();
    reopened.FormShow();
    EXPECT_EQ(reopened.favoriteSelection(), ivoryCoast);
    reopened.setLanguageSelection(LanguageSpanish);
    reopened.LangCBChange();
    EXPECT_EQ(reopened.favoriteEntries()[static_cast<size_t>(reopened.favoriteSelection())], "Costa De Marfil");
    EXPECT_EQ(reopened.timeZoneEntries()[18], "(GMT+2)  Athens, Cairo, Helsinki, Pretoria");
}

TEST(GermanLanguage, FavouriteListIsInGermanAlphabeticalOrder)
{
    // Umlauts sort as their base letter, as in a German dictionary.
    const auto& list = favoriteList(LanguageGerman);
    const auto key = [](std::string name) {
        for (const auto& [umlaut, base] : std::vector<std::pair<std::string, std::string>>{
                 {"ü", "u"}, {"ö", "o"}, {"ä", "a"}, {"Ü", "U"}, {"Ö", "O"}, {"Ä", "A"}})
            for (std::size_t at; (at = name.find(umlaut)) != std::string::npos;)
                name.replace(at, umlaut.size(), base);
        for (char& c : name)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return name;
    };
    EXPECT_EQ(list[0], "keine");
    for (std::size_t position = 2; position < list.size(); ++position)
        EXPECT_LT(key(list[position - 1]), key(list[position])) << list[position];
}

}  // namespace
}  // namespace tiplark
