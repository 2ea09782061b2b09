#include "i18n/FavoriteTable.h"
#include "i18n/KickoffTable.h"
#include "i18n/KickoffTime.h"
#include "i18n/Language.h"
#include "i18n/LanguageTables.h"
#include "i18n/TeamNameTables.h"
#include "i18n/TimeZoneTable.h"
#include "platform/Cp1252.h"
#include "RecordingServices.h"
#include "tournament/Highlighter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <set>
#include <stdexcept>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

namespace tiplark {
namespace {

using testing::BoardHarness;

TEST(LanguageTables, EveryKeyOnceWithATextInEveryLanguage)
{
    const std::vector<std::string>& keys = languageTextKeys();
    // A second row of a key would never be read.
    EXPECT_EQ(std::set<std::string>(keys.begin(), keys.end()).size(), keys.size());
    for (const std::string& key : keys)
        for (int language = 0; language < LanguageCount; ++language)
            EXPECT_FALSE(languageText(language, key).empty()) << key << " in language " << language;
}

size_t occurrences(const std::string& text, const std::regex& pattern)
{
    return static_cast<size_t>(std::distance(std::sregex_iterator(text.begin(), text.end(), pattern), std::sregex_iterator()));
}

// A translation keeps what the code acts on: the places "%1", "%2" and "%s"
// that are filled in, and an access key ("&", not "&&") where English has one.
TEST(LanguageTables, TranslationsKeepTheirPlacesAndAccessKeys)
{
    // The one caption given without its access key in one language.
    const std::set<std::pair<std::string, int>> withoutAccessKey = {{"about.donate", LanguageSpanish}};
    const std::regex accessKey("(^|[^&])&([^&]|$)");
    for (const std::string& key : languageTextKeys()) {
        const std::string& english = languageText(LanguageEnglish, key);
        for (int language = 1; language < LanguageCount; ++language) {
            const std::string& text = languageText(language, key);
            for (const char* place : {"%1", "%2", "%s"}) {
                const std::regex pattern(place);
                EXPECT_EQ(occurrences(text, pattern), occurrences(english, pattern)) << key << " in language " << language;
            }
            if (!withoutAccessKey.contains({key, language})) {
                EXPECT_EQ(occurrences(text, accessKey), occurrences(english, accessKey)) << key << " in language " << language;
            }
        }
    }
}

// Every text is well-formed UTF-8 of characters that Windows-1252, the
// saved report's character set, can carry: nothing turns into "?" there.
TEST(LanguageTables, TextsSurviveTheSavedReportsCharacterSet)
{
    for (const std::string& key : languageTextKeys()) {
        for (int language = 0; language < LanguageCount; ++language) {
            const std::string& text = languageText(language, key);
            EXPECT_EQ(std::count(text.begin(), text.end(), '?'), std::ranges::count(toCp1252(text), '?'))
                << key << " in language " << language;
        }
    }
}

// Every text key the sources name is in the table; the key of a missing one
// would show an empty caption. A key is a string literal "prefix.name" with
// one of the table's prefixes ("menu.", "msg." ...); keys built at run time
// are checked where they are built.
TEST(LanguageTables, EveryKeyTheSourcesNameExists)
{
    const std::set<std::string> keys(languageTextKeys().begin(), languageTextKeys().end());
    std::set<std::string> prefixes;
    for (const std::string& key : keys)
        prefixes.insert(key.substr(0, key.find('.') + 1));
    const std::regex literal(R"re("([a-z][A-Za-z0-9]*\.)([A-Za-z0-9.]+)")re");
    std::set<std::string> named;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(TIPLARK_SOURCE_DIR)) {
        const std::string extension = entry.path().extension().string();
        if (!entry.is_regular_file() || (extension != ".cpp" && extension != ".h"))
            continue;
        std::ifstream file(entry.path());
        const std::string source{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
        for (auto match = std::sregex_iterator(source.begin(), source.end(), literal); match != std::sregex_iterator();
             ++match) {
            if (!prefixes.contains((*match)[1].str()))
                continue;
            const std::string key = (*match)[1].str() + (*match)[2].str();
            EXPECT_TRUE(keys.contains(key)) << key << " in " << entry.path();
            named.insert(key);
        }
    }
    EXPECT_GT(named.size(), keys.size() / 2) << "the sources were not found in " << TIPLARK_SOURCE_DIR;
    for (int slot = 1; slot <= MatchCount; ++slot)
        EXPECT_TRUE(keys.contains(kickoffCityKey(slot))) << kickoffCityKey(slot);
}

// The backup message receives the backup's path in place of its one "%s".
TEST(LanguageTables, BackupMessageHasOnePlaceForThePath)
{
    for (const char* key : {"msg.backupKept", "msg.unableToWrite", "msg.changedElsewhere", "msg.readOnlySave",
                            "msg.readOnlyFile"}) {
        for (int language = 0; language < LanguageCount; ++language) {
            const std::string& text = languageText(language, key);
            const size_t place = text.find("%s");
            EXPECT_NE(place, std::string::npos) << key << " " << language;
            EXPECT_EQ(text.find('%', place + 1), std::string::npos) << key << " " << language;
        }
    }
}

TEST(LanguageTables, OtherIndicesReadEnglishAndUnknownKeysAreEmpty)
{
    EXPECT_EQ(languageText(5, "menu.file"), "&File");
    EXPECT_EQ(languageText(-1, "country.host"), "Germany");
    EXPECT_EQ(languageText(LanguageSpanish, "no.such.key"), "");
}

TEST(LanguageTables, TeamNamesAreDistinctWithinEachLanguage)
{
    // The board translation finds a team by its name alone.
    for (int language = 0; language < LanguageCount; ++language) {
        std::set<std::string> names;
        for (int team = 1; team <= TeamCount; ++team)
            names.insert(teamNameIn(language, team));
        EXPECT_EQ(names.size(), static_cast<size_t>(TeamCount));
    }
    EXPECT_EQ(teamNameIn(LanguageFrench, 32), "États-Unis");
    EXPECT_EQ(teamNameIn(LanguageSpanish, 0), "");
    for (int team = 1; team <= TeamCount; ++team)
        EXPECT_EQ(teamNameIn(LanguageEnglish, team), englishTeamName(team));
}

TEST(FavoriteTable, EachLanguageOrderIsAPermutation)
{
    for (int language = 0; language < LanguageCount; ++language) {
        for (int favorite = 0; favorite < FavoriteEntryCount; ++favorite)
            EXPECT_EQ(favoriteAt(language, favoritePosition(language, favorite)), favorite);
        EXPECT_EQ(std::set<std::string>(favoriteList(language).begin(), favoriteList(language).end()).size(),
                  static_cast<size_t>(FavoriteEntryCount));
    }
    EXPECT_EQ(favoriteAt(LanguageEnglish, 33), -1);
    EXPECT_EQ(favoritePosition(LanguageFrench, 40), 0);
}

TEST(FavoriteTable, PositionsDifferByLanguage)
{
    EXPECT_EQ(favoriteList(LanguageSpanish)[1], "Alemania");
    EXPECT_EQ(favoriteAt(LanguageSpanish, 1), 11);
    EXPECT_EQ(favoritePosition(LanguageFrench, 11), 2);
    EXPECT_EQ(favoriteList(LanguageFrench)[2], "Allemagne");
    EXPECT_EQ(favoriteAt(LanguageFrench, 1), 1);
    EXPECT_EQ(favoriteList(LanguageSpanish)[2], "Angola");
    EXPECT_EQ(favoriteList(LanguageEnglish)[0], "none");
    EXPECT_EQ(favoriteList(LanguageSpanish)[13], "Estados Unidos");
}

TEST(KickoffTable, LabelsCoverEveryMatchOfTheBoard)
{
    BoardHarness h;
    std::set<std::string> labels;
    for (int slot = 1; slot <= MatchCount; ++slot)
        for (const std::string& label : kickoffLabelNames(slot)) {
            EXPECT_EQ(h.board().control(label).kind, ControlKind::Label) << label;
            labels.insert(label);
        }
    EXPECT_EQ(labels.size(), 128u);
    EXPECT_EQ(kickoffLabelNames(1)[0], "GA11Lbl");
    EXPECT_EQ(kickoffLabelNames(48)[1], "GH62Lbl");
    EXPECT_EQ(kickoffLabelNames(49)[0], "Final811Lbl");
    EXPECT_EQ(kickoffLabelNames(60)[1], "Final442Lbl");
    EXPECT_EQ(kickoffLabelNames(63)[0], "Third11Lbl");
    EXPECT_EQ(kickoffLabelNames(64)[1], "Final12Lbl");
    EXPECT_THROW(kickoffLabelNames(65), std::out_of_range);
}

TEST(KickoffTable, LastGroupMatchesShareTheirKickoff)
{
    for (int group = 0; group < GroupCount; ++group) {
        const int fifth = group * MatchesPerGroup + 5;
        EXPECT_EQ(germanKickoff(fifth), germanKickoff(fifth + 1)) << "group " << group;
        EXPECT_NE(kickoffRow(fifth).city, std::string(kickoffRow(fifth + 1).city));
    }
}

TEST(KickoffTime, ShowsGermanSummerTimeInTheUsersZone)
{
    FixedDateTimeFormat format;
    Preferences preferences;
    const DateTimeValue opening = germanKickoff(1);
    // A GMT+1 zone in summer is German time itself.
    preferences.zoneShift = zoneShiftOf(13);
    preferences.daylightShift = 1.0 / 24;
    EXPECT_EQ(formatKickoff(shownKickoff(opening, GermanSummerTimeOffset, preferences), format), "Friday, 09/06/2006 18:00");
    preferences.zoneShift = zoneShiftOf(7);
    EXPECT_EQ(formatKickoff(shownKickoff(opening, GermanSummerTimeOffset, preferences), format), "Friday, 09/06/2006 12:00");
    preferences.zoneShift = zoneShiftOf(25);
    preferences.daylightShift = 0;
    EXPECT_EQ(formatKickoff(shownKickoff(opening, GermanSummerTimeOffset, preferences), format), "Saturday, 10/06/2006 01:00");
}

TEST(TimeZoneTable, StoredPreferencesReopenTheirEntry)
{
    for (int entry = 0; entry < TimeZoneCount; ++entry)
        EXPECT_EQ(timeZoneEntryFor(timeZones()[entry].code, zoneShiftOf(entry)), entry) << entry;
    EXPECT_DOUBLE_EQ(zoneShiftOf(7), -0.25);
    EXPECT_EQ(std::string(timeZones()[15].code), "GMTP1C");
    EXPECT_EQ(std::string(timeZones()[3].text), "(GMT-9)  Alaska");
    // Without a code, a German shift is the first GMT+1 entry and +1 hour the
    // second; the shared entries are skipped from +2 hours on.
    EXPECT_EQ(timeZoneEntryFor(NoZoneCode, 0.0), 13);
    EXPECT_EQ(timeZoneEntryFor(NoZoneCode, 1.0 / 24), 14);
    EXPECT_EQ(timeZoneEntryFor(NoZoneCode, 2.0 / 24), 19);
    EXPECT_EQ(timeZoneEntryFor(NoZoneCode, -13.0 / 24), 0);
    EXPECT_EQ(timeZoneEntryFor(NoZoneCode, 20.0 / 24), -1);
    EXPECT_DOUBLE_EQ(zoneShiftOf(30), 0.0);
}

// PopulateGroupTeamName, the board's translation of a team label: a caption
// that is exactly a previous-language name becomes the current name; any
// other caption stays as it is.
class LabelTranslation : public ::testing::Test {
protected:
    std::string translated(const std::string& caption)
    {
        h.board().setText(label, caption);
        h.main.rules().PopulateGroupTeamName(label);
        return h.text("GAName1");
    }
    BoardHarness h;
    Language& language = h.main.language();
    const ControlId label = h.board().id("GAName1");
};

TEST_F(LabelTranslation, TranslatesFromThePreviousNamesOnly)
{
    language.SetPreviousTeamNamesEnglish();
    language.select(LanguageSpanish);
    EXPECT_EQ(translated("Germany"), "Alemania");
    EXPECT_EQ(translated("Costa Rica"), "Costa Rica");
    EXPECT_EQ(translated(Placeholder), Placeholder);
    EXPECT_EQ(translated("germany"), "germany");

    language.CopyTeamNamesToPrevious();
    language.select(LanguageEnglish);
    EXPECT_EQ(language.previousTeamName(11), "Alemania");
    EXPECT_EQ(translated("Alemania"), "Germany");
    EXPECT_EQ(translated("Germany"), "Germany");

    language.SetPreviousTeamNamesEnglish();
    language.select(LanguageFrench);
    EXPECT_EQ(translated("USA"), "États-Unis");
}

TEST_F(LabelTranslation, SameLanguageLeavesEveryNameUnchanged)
{
    language.select(LanguageFrench);
    language.CopyTeamNamesToPrevious();
    for (int team = 1; team <= TeamCount; ++team)
        EXPECT_EQ(translated(language.teamName(team)), language.teamName(team));
}

class ApplyLanguageTest : public ::testing::Test {
protected:
    void apply(int languageIndex)
    {
        h.main.preferences().languageIndex = languageIndex;
        h.main.ApplyLanguage();
    }
    BoardHarness h;
};

TEST_F(ApplyLanguageTest, UnknownLanguageAppliesEnglishAndStoresZero)
{
    apply(LanguageSpanish);
    apply(5);
    EXPECT_EQ(h.main.preferences().languageIndex, 0);
    EXPECT_EQ(h.main.language().index(), LanguageEnglish);
    EXPECT_EQ(h.text("GroupALbl"), "Group A");
    EXPECT_EQ(h.text("GA11Lbl"), "Germany");
}

TEST_F(ApplyLanguageTest, RoundHeadingsTakeTheLanguagesPlural)
{
    apply(LanguageSpanish);
    EXPECT_EQ(h.text("Final8Lbl"), "1/8 Finales");
    EXPECT_EQ(h.text("Final4Lbl"), "1/4 Finales");
    EXPECT_EQ(h.text("Final2Lbl"), "1/2 Finales");
    EXPECT_EQ(h.text("ThirdLbl"), "Tercer");
    EXPECT_EQ(h.text("ChampionLbl"), "Campeon");
    apply(LanguageFrench);
    EXPECT_EQ(h.text("Final8Lbl"), "1/8 Finales");
    EXPECT_EQ(h.text("FinalLbl"), "Finale");
    apply(LanguageGerman);
    EXPECT_EQ(h.text("Final4Lbl"), "1/4 Finale");
    apply(LanguageEnglish);
    EXPECT_EQ(h.text("Final8Lbl"), "1/8 Finals");
    EXPECT_EQ(h.text("ThirdLbl"), "3rd Place");
}

TEST_F(ApplyLanguageTest, EveryGroupHeadingAndColumnFollowsTheLanguage)
{
    const char* words[] = {"Group ", "Grupo ", "Groupe ", "Gruppe "};
    for (int language : {LanguageSpanish, LanguageFrench, LanguageGerman, LanguageEnglish}) {
        apply(language);
        for (const GroupInfo& group : groups()) {
            const std::string letter(1, group.letter);
            EXPECT_EQ(h.text("Group" + letter + "Lbl"), words[language] + letter);
            EXPECT_EQ(h.text("Group" + letter + "StandLbl"), words[language] + letter);
        }
    }
    apply(LanguageSpanish);
    EXPECT_EQ(h.text("GAPLbl"), "J");
    EXPECT_EQ(h.text("GHTLbl"), "E");
    EXPECT_EQ(h.text("GDPMLbl"), "Avr");
    apply(LanguageGerman);
    EXPECT_EQ(h.text("GAPtsLbl"), "Pkt");
    EXPECT_EQ(h.text("GETLbl"), "U");
    EXPECT_EQ(h.text("GFPMLbl"), "Diff");
    apply(LanguageFrench);
    EXPECT_EQ(h.text("GBTLbl"), "N");
    EXPECT_EQ(h.text("GCGFLbl"), "BP");
    EXPECT_EQ(h.text("GAPMLbl"), "Dif");
}

TEST_F(ApplyLanguageTest, MatchLabelsFollowTheFixtures)
{
    apply(LanguageSpanish);
    EXPECT_EQ(h.text("GA11Lbl"), "Alemania");
    EXPECT_EQ(h.text("GA12Lbl"), "Costa Rica");
    EXPECT_EQ(h.text("GA41Lbl"), "Ecuador");
    EXPECT_EQ(h.text("GA51Lbl"), "Ecuador");
    EXPECT_EQ(h.text("GA52Lbl"), "Alemania");
    EXPECT_EQ(h.text("GC12Lbl"), "Costa-marfil");
    EXPECT_EQ(h.text("GE32Lbl"), "EEUU");
    EXPECT_EQ(h.text("GH62Lbl"), "Túnez");
}

TEST_F(ApplyLanguageTest, CaptionButtonsAndHintsFollowTheLanguage)
{
    int heard = 0;
    std::string captionHeard;
    h.main.setLanguageListener([&] {
        ++heard;
        captionHeard = h.main.caption();
    });
    EXPECT_EQ(h.main.caption(), "Tiplark - Germany");
    apply(LanguageSpanish);
    EXPECT_EQ(heard, 1);
    EXPECT_EQ(captionHeard, "Tiplark - Alemania");
    EXPECT_EQ(h.text("SaveButton"), "&Guardar");
    EXPECT_EQ(h.text("OKButton"), "&Salir");
    EXPECT_EQ(h.text("CancelButton"), "&Cancelar");
    EXPECT_EQ(h.text("ClearAllButton"), "&Borrar");
    EXPECT_EQ(h.board().control("ClearAllButton").hint, "Borrar todos los resultados");
    EXPECT_EQ(h.board().control("GroupHDelButton").hint, "Borrar resultados");
    EXPECT_EQ(h.board().control("FinalDelButton").hint, "Borrar resultados");
    EXPECT_EQ(h.main.language().text("menu.file"), "&Archivo");
    apply(LanguageFrench);
    EXPECT_EQ(captionHeard, "Tiplark - Allemagne");
    EXPECT_EQ(heard, 2);
}

TEST_F(ApplyLanguageTest, MatchHintsShowCityLineBreakAndShownKickoff)
{
    Preferences& preferences = h.main.preferences();
    preferences.zoneShift = zoneShiftOf(7);  // GMT-5
    preferences.daylightShift = 0;
    apply(LanguageEnglish);
    EXPECT_EQ(h.board().control("GA11Lbl").hint, "Munich\rFriday, 09/06/2006 11:00");
    EXPECT_EQ(h.board().control("GA12Lbl").hint, "Munich\rFriday, 09/06/2006 11:00");
    preferences.daylightShift = 1.0 / 24;
    apply(LanguageSpanish);
    EXPECT_EQ(h.board().control("GA11Lbl").hint, "Múnich\rFriday, 09/06/2006 12:00");
    EXPECT_EQ(h.board().control("Final11Lbl").hint, "Berlin\rSunday, 09/07/2006 14:00");
    EXPECT_EQ(h.board().control("GA51Lbl").hint.substr(h.board().control("GA51Lbl").hint.find('\r')),
              h.board().control("GA61Lbl").hint.substr(h.board().control("GA61Lbl").hint.find('\r')));
    EXPECT_EQ(h.main.language().kickoffText(5), h.main.language().kickoffText(6));
    EXPECT_EQ(h.board().control("Third12Lbl").hint, "Stuttgart\rSaturday, 08/07/2006 15:00");
}

TEST_F(ApplyLanguageTest, FavoriteIsNamedAndHighlightedInTheLanguage)
{
    h.main.preferences().favoriteIndex = 4;
    apply(LanguageSpanish);
    EXPECT_EQ(h.main.language().favoriteName(), "Brasil");
    EXPECT_EQ(h.board().control("GF11Lbl").colour, TextColour::Blue);
    EXPECT_EQ(h.board().control("GA11Lbl").colour, TextColour::Default);
    h.main.preferences().favoriteIndex = 33;
    apply(LanguageSpanish);
    EXPECT_EQ(h.main.language().favoriteName(), "");
    EXPECT_EQ(h.board().control("GF11Lbl").colour, TextColour::Default);
}

// The highlighter asks the language for the favourite at every refresh, so
// it cannot be handed a temporary to keep.
static_assert(!std::is_constructible_v<Highlighter, Board&, Language&&>);
static_assert(std::is_constructible_v<Highlighter, Board&, const Language&>);

TEST_F(ApplyLanguageTest, HighlighterFollowsTheFavouriteOfTheLanguageItWasGiven)
{
    apply(LanguageEnglish);
    ASSERT_EQ(h.board().control("GF11Lbl").colour, TextColour::Default);
    h.main.language().setFavorite(4);
    h.main.highlighter().HighlightFavorite();
    EXPECT_EQ(h.board().control("GF11Lbl").colour, TextColour::Blue);
    h.main.language().setFavorite(0);
    h.main.highlighter().HighlightFavorite();
    EXPECT_EQ(h.board().control("GF11Lbl").colour, TextColour::Default);
}

}  // namespace
}  // namespace tiplark
