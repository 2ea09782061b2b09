#include "i18n/FavoriteTable.h"
#include "i18n/KickoffTable.h"
#include "i18n/KickoffTime.h"
#include "i18n/Language.h"
#include "i18n/LanguageTables.h"
#include "i18n/TeamNameTables.h"
#include "i18n/TimeZoneTable.h"
#include "RecordingServices.h"
#include "tournament/Highlighter.h"

#include <gtest/gtest.h>

#include <set>
#include <stdexcept>
#include <string>
#include <type_traits>

namespace tiplark {
namespace {

using testing::BoardHarness;

TEST(LanguageTables, EveryKeyHasATextInEveryLanguage)
{
    EXPECT_EQ(languageTextKeys().size(), 157u);
    for (const std::string& key : languageTextKeys())
        for (int language = 0; language < LanguageCount; ++language)
            EXPECT_FALSE(languageText(language, key).empty()) << key << " in language " << language;
}

// The backup message receives the backup's path in place of its one "%s".
TEST(LanguageTables, BackupMessageHasOnePlaceForThePath)
{
    for (int language = 0; language < LanguageCount; ++language) {
        const std::string& text = languageText(language, "msg.backupKept");
        const size_t place = text.find("%s");
        EXPECT_NE(place, std::string::npos) << language;
        EXPECT_EQ(text.find('%', place + 1), std::string::npos) << language;
    }
}

TEST(LanguageTables, TextsKeepAccentsAndLineBreaks)
{
    EXPECT_EQ(languageText(LanguageSpanish, "msg.selectTimeZone"), "Por favor seleccione una zona horaria");
    EXPECT_EQ(languageText(LanguageFrench, "msg.selectTimeZone"), "SVP, sélectionnez votre fuseau horaire");
    EXPECT_EQ(languageText(LanguageEnglish, "msg.cancelChanges"),
              "All changes made since you last clicked on 'Exit' or 'Save' will be lost.\rAre you sure you want to cancel?");
    EXPECT_EQ(languageText(LanguageFrench, "rules.c5"), "la différence de buts à l’issue des matches de groupes ;");
    EXPECT_EQ(languageText(LanguageSpanish, "city.Munich"), "Múnich");
    EXPECT_EQ(languageText(LanguageFrench, "city.Stuttgart"), "Stuttgart");
    EXPECT_EQ(languageText(LanguageEnglish, "board.group"), "Group ");
    EXPECT_EQ(languageText(LanguageFrench, "thanks.body"),
              "Aux testeurs des versions anglaise, espagnole et française,\rà tous ceux qui ont envoyé un score qui ne "
              "tombait pas juste,\ret à tous ceux qui ont demandé une fonction de plus.");
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
    for (int slot = 1; slot <= MatchSlotCount; ++slot)
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
    EXPECT_EQ(formatKickoff(shownKickoff(opening, preferences), format), "Friday, 09/06/2006 18:00");
    preferences.zoneShift = zoneShiftOf(7);
    EXPECT_EQ(formatKickoff(shownKickoff(opening, preferences), format), "Friday, 09/06/2006 12:00");
    preferences.zoneShift = zoneShiftOf(25);
    preferences.daylightShift = 0;
    EXPECT_EQ(formatKickoff(shownKickoff(opening, preferences), format), "Saturday, 10/06/2006 01:00");
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

TEST(LanguageTranslation, TranslatesFromThePreviousNames)
{
    Language language;
    language.select(LanguageSpanish);
    EXPECT_EQ(language.translate("Germany"), "Alemania");
    EXPECT_EQ(language.translate("Costa Rica"), "Costa Rica");
    EXPECT_EQ(language.translate(Placeholder), std::nullopt);
    EXPECT_EQ(language.translate("germany"), std::nullopt);

    language.CopyTeamNamesToPrevious();
    language.select(LanguageEnglish);
    EXPECT_EQ(language.previousTeamName(11), "Alemania");
    EXPECT_EQ(language.translate("Alemania"), "Germany");
    EXPECT_EQ(language.translate("Germany"), std::nullopt);

    language.SetPreviousTeamNamesEnglish();
    language.select(LanguageFrench);
    EXPECT_EQ(language.translate("USA"), "États-Unis");
}

TEST(LanguageTranslation, SameLanguageLeavesEveryNameUnchanged)
{
    Language language;
    language.select(LanguageFrench);
    language.CopyTeamNamesToPrevious();
    language.select(LanguageFrench);
    for (int team = 1; team <= TeamCount; ++team)
        EXPECT_EQ(language.translate(language.teamName(team)), language.teamName(team));
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
