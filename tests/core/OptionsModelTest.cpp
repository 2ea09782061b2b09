#include "document/OptionsModel.h"

#include "i18n/LanguageTables.h"
#include "i18n/TimeZoneTable.h"
#include "RecordingServices.h"

#include <gtest/gtest.h>

namespace tiplark {
namespace {

using testing::BoardHarness;

class OptionsModelTest : public ::testing::Test {
protected:
    OptionsModel makeModel()
    {
        return OptionsModel(h.main, [this] {
            ++saves;
            savedPreferences = h.main.preferences();
            return saveSucceeds;
        });
    }
    // Preferences of a user who has been through the first run.
    void storePreferences(int language, int favorite, int zoneEntry, bool daylight)
    {
        Preferences& p = h.main.preferences();
        p.firstRun = false;
        p.languageIndex = language;
        p.favoriteIndex = favorite;
        p.zoneShift = zoneShiftOf(zoneEntry);
        p.zoneCode = timeZones()[static_cast<size_t>(zoneEntry)].code;
        p.daylightShift = daylight ? 1.0 / 24 : 0.0;
        h.main.ApplyLanguage();
    }
    // Shows a dialog, picks a zone and confirms.
    void chooseZone(int entry)
    {
        OptionsModel model = makeModel();
        model.FormShow();
        model.setTimeZoneSelection(entry);
        ASSERT_TRUE(model.OKButtonClick());
    }
    static void expectSame(const Preferences& a, const Preferences& b)
    {
        EXPECT_EQ(a.languageIndex, b.languageIndex);
        EXPECT_EQ(a.favoriteIndex, b.favoriteIndex);
        EXPECT_EQ(a.zoneShift, b.zoneShift);
        EXPECT_EQ(a.zoneCode, b.zoneCode);
        EXPECT_EQ(a.daylightShift, b.daylightShift);
        EXPECT_EQ(a.firstRun, b.firstRun);
        EXPECT_EQ(a.teamNamesPending, b.teamNamesPending);
    }

    BoardHarness h;
    int saves = 0;
    bool saveSucceeds = true;
    Preferences savedPreferences;
};

TEST_F(OptionsModelTest, FirstRunStartsEmptyAndCannotBeCancelled)
{
    OptionsModel model = makeModel();
    model.FormShow();
    EXPECT_EQ(model.languageSelection(), -1);
    EXPECT_EQ(model.favoriteSelection(), -1);
    EXPECT_EQ(model.timeZoneSelection(), -1);
    EXPECT_FALSE(model.daylight());
    EXPECT_FALSE(model.cancelEnabled());
    EXPECT_FALSE(model.CancelButtonClick());
    EXPECT_EQ(model.captions().title, "Tiplark - Options");
    EXPECT_EQ(model.captions().panel, "Options...");
    EXPECT_EQ(model.favoriteEntries()[0], "none");
    EXPECT_EQ(model.favoriteEntries()[11], "Germany");
}

TEST_F(OptionsModelTest, FirstRunOkInsistsOnLanguageThenTimeZone)
{
    const Preferences before = h.main.preferences();
    OptionsModel model = makeModel();
    model.FormShow();
    EXPECT_FALSE(model.OKButtonClick());
    model.setLanguageSelection(LanguageSpanish);
    model.LangCBChange();
    EXPECT_EQ(model.captions().title, "Tiplark - Optiones");
    EXPECT_EQ(model.captions().language, "Su Idioma:");
    EXPECT_EQ(model.captions().cancel, "&Cancelar");
    EXPECT_FALSE(model.OKButtonClick());
    model.setLanguageSelection(LanguageFrench);
    model.LangCBChange();
    EXPECT_FALSE(model.OKButtonClick());
    EXPECT_EQ(h.messages.errors,
              (std::vector<std::string>{"Please select a default Language first", "Por favor seleccione una zona horaria",
                                        "SVP, sélectionnez votre fuseau horaire"}));
    EXPECT_EQ(saves, 0);
    expectSame(h.main.preferences(), before);
}

TEST_F(OptionsModelTest, FirstRunOkStoresSavesAndAppliesTheLanguage)
{
    OptionsModel model = makeModel();
    model.FormShow();
    model.setLanguageSelection(LanguageSpanish);
    model.LangCBChange();
    model.setTimeZoneSelection(7);
    model.setDaylight(true);
    ASSERT_TRUE(model.OKButtonClick());

    EXPECT_EQ(saves, 1);
    EXPECT_EQ(savedPreferences.languageIndex, LanguageSpanish);
    EXPECT_EQ(savedPreferences.favoriteIndex, 0);
    EXPECT_DOUBLE_EQ(savedPreferences.zoneShift, -0.25);
    EXPECT_EQ(savedPreferences.zoneCode, "x35");
    EXPECT_DOUBLE_EQ(savedPreferences.daylightShift, 1.0 / 24);
    EXPECT_TRUE(savedPreferences.teamNamesPending);
    const Preferences& p = h.main.preferences();
    EXPECT_FALSE(p.firstRun);
    EXPECT_EQ(h.text("GroupALbl"), "Grupo A");
    EXPECT_EQ(h.main.language().previousTeamName(11), "Germany");
    EXPECT_EQ(h.main.language().teamName(11), "Alemania");
    EXPECT_EQ(h.board().control("GA11Lbl").hint, "Múnich\rFriday, 09/06/2006 12:00");
}

TEST_F(OptionsModelTest, NormalShowSelectsTheStoredPreferences)
{
    storePreferences(LanguageFrench, 11, 20, true);
    OptionsModel model = makeModel();
    model.FormShow();
    EXPECT_TRUE(model.cancelEnabled());
    EXPECT_EQ(model.languageSelection(), LanguageFrench);
    EXPECT_EQ(model.favoriteSelection(), 2);
    EXPECT_EQ(model.favoriteEntries()[2], "Allemagne");
    EXPECT_EQ(model.timeZoneSelection(), 20);
    EXPECT_TRUE(model.daylight());
    EXPECT_EQ(model.captions().language, "Votre Langue:");
    EXPECT_EQ(model.captions().daylight, "Prise en compte de l'heure d'été");
    EXPECT_EQ(model.captions().title, "Tiplark - Options");
}

TEST_F(OptionsModelTest, ZoneCodesReopenTheChosenEntry)
{
    storePreferences(LanguageEnglish, 0, 13, false);
    const struct {
        int entry;
        double shift;
        const char* code;
    } cases[] = {{7, -0.25, "x35"}, {15, 0.0, "GMTP1C"}, {18, 1.0 / 24, "GMTP2B"}, {13, 0.0, "GMTP1A"}, {29, 0.5, "x35"}};
    for (const auto& c : cases) {
        chooseZone(c.entry);
        EXPECT_DOUBLE_EQ(h.main.preferences().zoneShift, c.shift) << c.entry;
        EXPECT_EQ(h.main.preferences().zoneCode, c.code) << c.entry;
        OptionsModel reopened = makeModel();
        reopened.FormShow();
        EXPECT_EQ(reopened.timeZoneSelection(), c.entry);
    }
}

TEST_F(OptionsModelTest, UnnamedGermanPlusOneHourOpensTheSecondEntry)
{
    storePreferences(LanguageEnglish, 0, 13, false);
    h.main.preferences().zoneShift = 1.0 / 24;
    h.main.preferences().zoneCode = "x35";
    OptionsModel model = makeModel();
    model.FormShow();
    EXPECT_EQ(model.timeZoneSelection(), 14);
}

TEST_F(OptionsModelTest, FavouriteFollowsTheTeamAcrossLanguageOrders)
{
    storePreferences(LanguageSpanish, 0, 13, false);
    OptionsModel model = makeModel();
    model.FormShow();
    model.setFavoriteSelection(1);
    model.FavCBChange();
    EXPECT_EQ(model.favoriteEntries()[1], "Alemania");
    EXPECT_EQ(model.pendingFavorite(), 11);
    model.setLanguageSelection(LanguageFrench);
    model.LangCBChange();
    EXPECT_EQ(model.favoriteSelection(), 2);
    EXPECT_EQ(model.favoriteEntries()[2], "Allemagne");
    ASSERT_TRUE(model.OKButtonClick());
    EXPECT_EQ(h.main.preferences().favoriteIndex, 11);
    EXPECT_EQ(h.main.language().favoriteName(), "Allemagne");

    OptionsModel french = makeModel();
    french.FormShow();
    french.setFavoriteSelection(1);
    french.FavCBChange();
    EXPECT_EQ(french.pendingFavorite(), 1);
    french.setLanguageSelection(LanguageSpanish);
    french.LangCBChange();
    EXPECT_EQ(french.favoriteSelection(), 2);
    EXPECT_EQ(french.favoriteEntries()[2], "Angola");
}

TEST_F(OptionsModelTest, FavouriteWithoutSelectionStaysUnselectedAndStoresNone)
{
    OptionsModel model = makeModel();
    model.FormShow();
    model.setLanguageSelection(LanguageFrench);
    model.LangCBChange();
    EXPECT_EQ(model.favoriteSelection(), -1);
    EXPECT_EQ(model.favoriteEntries()[0], "aucune");
    model.setTimeZoneSelection(0);
    ASSERT_TRUE(model.OKButtonClick());
    EXPECT_EQ(h.main.preferences().favoriteIndex, 0);
    EXPECT_DOUBLE_EQ(h.main.preferences().zoneShift, -13.0 / 24);
}

TEST_F(OptionsModelTest, CancelKeepsEveryPreference)
{
    storePreferences(LanguageFrench, 5, 15, true);
    const Preferences before = h.main.preferences();
    OptionsModel model = makeModel();
    model.FormShow();
    model.setLanguageSelection(LanguageSpanish);
    model.LangCBChange();
    model.setFavoriteSelection(1);
    model.FavCBChange();
    model.setTimeZoneSelection(3);
    model.setDaylight(false);
    EXPECT_TRUE(model.CancelButtonClick());
    expectSame(h.main.preferences(), before);
    EXPECT_EQ(saves, 0);
    EXPECT_EQ(h.main.language().favoriteName(), "Costa Rica");
    EXPECT_EQ(h.text("GroupALbl"), "Groupe A");
}

TEST_F(OptionsModelTest, FailedSaveKeepsTheDialogAndThePreferences)
{
    storePreferences(LanguageEnglish, 4, 13, false);
    const Preferences before = h.main.preferences();
    OptionsModel model = makeModel();
    model.FormShow();
    model.setLanguageSelection(LanguageSpanish);
    model.LangCBChange();
    saveSucceeds = false;
    EXPECT_FALSE(model.OKButtonClick());
    EXPECT_EQ(saves, 1);
    expectSame(h.main.preferences(), before);
    EXPECT_EQ(h.text("GroupALbl"), "Group A");
    saveSucceeds = true;
    EXPECT_TRUE(model.OKButtonClick());
    EXPECT_EQ(h.text("GroupALbl"), "Grupo A");
    EXPECT_EQ(h.main.language().favoriteName(), "Brasil");
}

// Only a first run whose save failed may be closed without OK, and closing
// it then ends the program; a failed save elsewhere changes nothing.
TEST_F(OptionsModelTest, FailedFirstRunSaveLetsTheDialogEndTheProgram)
{
    struct Case {
        bool firstRun;
        bool saveSucceeds;
        bool closes;
        bool endsProgram;
    };
    const Case cases[] = {
        {true, false, true, true},
        {true, true, false, false},  // OK closed it; a close before OK stays refused
        {false, false, true, false},
    };
    for (const Case& c : cases) {
        BoardHarness board;
        board.main.preferences().firstRun = c.firstRun;
        OptionsModel model(board.main, [&] { return c.saveSucceeds; });
        model.FormShow();
        EXPECT_EQ(model.CancelButtonClick(), !c.firstRun) << c.firstRun << c.saveSucceeds;
        model.setLanguageSelection(LanguageEnglish);
        model.setTimeZoneSelection(13);
        EXPECT_EQ(model.OKButtonClick(), c.saveSucceeds);
        if (!c.saveSucceeds) {
            EXPECT_EQ(model.CancelButtonClick(), c.closes) << c.firstRun;
        }
        EXPECT_EQ(model.closeEndsProgram(), c.endsProgram) << c.firstRun << c.saveSucceeds;
    }
}

TEST_F(OptionsModelTest, LaterOkTranslatesFromTheNamesOnTheBoard)
{
    storePreferences(LanguageSpanish, 0, 13, false);
    OptionsModel model = makeModel();
    model.FormShow();
    model.setLanguageSelection(LanguageFrench);
    model.LangCBChange();
    ASSERT_TRUE(model.OKButtonClick());
    EXPECT_EQ(h.main.language().previousTeamName(11), "Alemania");
    EXPECT_EQ(h.main.language().teamName(11), "Allemagne");
    EXPECT_TRUE(h.main.preferences().teamNamesPending);
}

}  // namespace
}  // namespace tiplark
