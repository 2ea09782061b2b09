#include "i18n/Language.h"
#include "i18n/LanguageTables.h"
#include "services/AssetLocator.h"
#include "venues/Celebration.h"
#include "venues/VenueTable.h"
#include "venues/WebLinkLauncher.h"
#include "windows/AboutForm.h"
#include "windows/DonationForm.h"
#include "windows/LinkButton.h"
#include "windows/PictureForm.h"
#include "windows/StadiumForm.h"
#include "windows/StandingsRulesForm.h"
#include "windows/ThanksForm.h"
#include "windows/WinnerForm.h"

#include "NextModal.h"
#include "RecordingServices.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSoundEffect>
#include <QTemporaryDir>
#include <QTest>

#include <QRegularExpression>

#include <array>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <vector>

using namespace tiplark;

namespace {

class StubBrowser : public BrowserLauncher {
public:
    bool open(const std::string& address) override
    {
        opened.push_back(address);
        return starts;
    }
    std::vector<std::string> opened;
    bool starts = true;
};

QString text(QWidget* window, const char* name)
{
    if (auto* label = window->findChild<QLabel*>(QLatin1String(name)))
        return label->text();
    if (auto* button = window->findChild<QAbstractButton*>(QLatin1String(name)))
        return button->text();
    return QStringLiteral("<no %1>").arg(QLatin1String(name));
}

// Saves what the window looks like, for a person to look at.
void screenshot(QWidget* window, const QString& name)
{
    QDir().mkpath(QStringLiteral(TIPLARK_SCREENSHOT_DIR));
    QVERIFY(window->grab().save(QStringLiteral(TIPLARK_SCREENSHOT_DIR "/%1.png").arg(name)));
}

// Runs a modal call and hands the window it opened to inspect before closing it.
bool whileModal(const std::function<void()>& call, const std::function<void(QWidget*)>& inspect)
{
    const testing::NextModal answer([&](QWidget* modal) {
        inspect(modal);
        modal->close();
    });
    call();
    return answer.answered();
}

}  // namespace

class ExtrasWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void init();

    void venueWindowOpensOnTheClickedCity();
    void venueArrowsStepRoundAndWrap();
    void venueWindowFollowsTheLanguage();
    void venueWebSitesOpenTheBrowser();
    void browserFailureIsReportedAndTheWindowStays();
    void damagedOrMissingPicturesLeaveWindowsUsable();

    void rankingCriteriaSpeakEveryLanguage();
    void venueWindowSpeaksTheLanguageToTheScreenReader();

    void celebrationCheersTheFavourite();
    void celebrationBoosAnyOtherChampion();
    void celebrationWithoutSoundFileIsSilent();
    void celebrationClosesOnClickButNotOnTheTrophy();
    void championClickOpensNothingUntilDecided();

    void aboutWindowLinksAndWindows();
    void donationPicturesOpenTheDonationPage();

private:
    void useLanguage(int index);

    std::unique_ptr<testing::BoardHarness> m_h;
    StubBrowser m_browser;
    std::unique_ptr<WebLinkLauncher> m_links;
    AssetLocator m_assets;
};

void ExtrasWindowsTest::init()
{
    m_h = std::make_unique<testing::BoardHarness>();
    m_browser = StubBrowser();
    m_links = std::make_unique<WebLinkLauncher>(m_browser, m_h->messages, m_h->cursor);
    m_h->main.ApplyLanguage();
}

void ExtrasWindowsTest::useLanguage(int index)
{
    m_h->main.preferences().languageIndex = index;
    m_h->main.ApplyLanguage();
}

void ExtrasWindowsTest::venueWindowOpensOnTheClickedCity()
{
    QVERIFY2(!m_assets.find(QStringLiteral("stadium-munich.jpg")).isEmpty(), "assets beside the program");
    const bool opened = whileModal([&] { showVenueWindow(nullptr, m_h->main.language(), 109, *m_links); },
                                   [](QWidget* window) {
                                       QCOMPARE(text(window, "StadiumNamePanel"), QStringLiteral("Munich Stadion"));
                                       QCOMPARE(text(window, "CapacityPanel"), QStringLiteral("66016"));
                                       QCOMPARE(window->windowTitle(), QStringLiteral("Tiplark - Stadiums"));
                                   });
    QVERIFY(opened);

    TStadiumForm form(nullptr, m_h->main.language(), 109, *m_links, m_assets);
    form.show();
    for (const VenueInfo& venue : venues()) {
        auto* picture = form.findChild<QLabel*>(QLatin1String(venue.picture));
        QVERIFY(picture);
        QCOMPARE(picture->isVisibleTo(&form), venue.number == 109);
        QVERIFY2(!picture->pixmap().isNull(), venue.pictureFile);
    }
    QCOMPARE(text(&form, "CityWebSitePanel"), QLatin1String(venue(109).cityAddress));
    QCOMPARE(form.findChild<QWidget*>(QStringLiteral("StadiumWebSitePanel"))->toolTip(),
             QLatin1String(venue(109).stadiumAddress));
    QCOMPARE(text(&form, "CityWebSiteStaticPanel"), QStringLiteral("City Web Site"));
    QCOMPARE(text(&form, "CloseButton"), QStringLiteral("&Close"));
    screenshot(&form, QStringLiteral("venue-munich"));
}

void ExtrasWindowsTest::venueArrowsStepRoundAndWrap()
{
    TStadiumForm form(nullptr, m_h->main.language(), 100, *m_links, m_assets);
    form.show();
    auto* right = form.findChild<QPushButton*>(QStringLiteral("RightButton"));
    auto* left = form.findChild<QPushButton*>(QStringLiteral("LeftButton"));
    QVERIFY(right && left);
    QVERIFY(!right->accessibleName().isEmpty() && !left->accessibleName().isEmpty());
    for (int step = 1; step <= 12; ++step) {
        QTest::mouseClick(right, Qt::LeftButton);
        QCOMPARE(form.currentVenue(), step == 12 ? 100 : 100 + step);
    }
    QCOMPARE(text(&form, "StadiumNamePanel"), QStringLiteral("Berlin Olympiastadion"));
    QTest::mouseClick(left, Qt::LeftButton);
    QCOMPARE(text(&form, "StadiumNamePanel"), QStringLiteral("Stuttgart Gottlieb-Daimler-Stadion"));
    QVERIFY(form.findChild<QLabel*>(QStringLiteral("StuttgartImage"))->isVisibleTo(&form));
    QVERIFY(!form.findChild<QLabel*>(QStringLiteral("BerlinImage"))->isVisibleTo(&form));
    QTest::mouseClick(right, Qt::LeftButton);
    QCOMPARE(form.currentVenue(), 100);

    // The arrow keys step as well, whichever button has the focus.
    QApplication::setActiveWindow(&form);
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    QCOMPARE(form.currentVenue(), 101);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
    QCOMPARE(form.currentVenue(), 111);
}

void ExtrasWindowsTest::venueWindowFollowsTheLanguage()
{
    useLanguage(1);
    TStadiumForm form(nullptr, m_h->main.language(), 101, *m_links, m_assets);
    QCOMPARE(text(&form, "StadiumNamePanel"), QStringLiteral("Colonia Stadium"));
    QCOMPARE(form.windowTitle(), QStringLiteral("Tiplark - Estadios"));
    QCOMPARE(text(&form, "CityWebSiteStaticPanel"), QStringLiteral("Pagina Web de la Ciudad"));
    QCOMPARE(text(&form, "StadiumWebSiteStaticPanel"), QStringLiteral("Pagina Web del Estadio"));
    QCOMPARE(text(&form, "CapacityStaticPanel"), QStringLiteral("Capacidad"));
    QCOMPARE(text(&form, "CloseButton"), QStringLiteral("&Cerrar"));
    for (int step = 0; step < 3; ++step)
        QTest::mouseClick(form.findChild<QPushButton*>(QStringLiteral("LeftButton")), Qt::LeftButton);
    QCOMPARE(text(&form, "StadiumNamePanel"), QStringLiteral("Núremberg Frankenstadion"));

    useLanguage(2);
    TStadiumForm french(nullptr, m_h->main.language(), 105, *m_links, m_assets);
    QCOMPARE(text(&french, "StadiumNamePanel"), QStringLiteral("Hambourg Stadium"));
    QCOMPARE(french.windowTitle(), QStringLiteral("Tiplark - Stades"));
    QCOMPARE(text(&french, "CapacityStaticPanel"), QStringLiteral("Capacité"));
}

void ExtrasWindowsTest::venueWebSitesOpenTheBrowser()
{
    TStadiumForm form(nullptr, m_h->main.language(), 108, *m_links, m_assets);
    form.show();
    QTest::mouseClick(form.findChild<QPushButton*>(QStringLiteral("CityWebSitePanel")), Qt::LeftButton);
    auto* stadium = form.findChild<QPushButton*>(QStringLiteral("StadiumWebSitePanel"));
    stadium->setFocus();
    QTest::keyClick(stadium, Qt::Key_Space);
    QCOMPARE(m_browser.opened,
             (std::vector<std::string>{venue(108).cityAddress, venue(108).stadiumAddress}));
    QVERIFY(m_h->messages.errors.empty());
    QCOMPARE(stadium->accessibleName(), QStringLiteral("Stadium Web Site"));
}

void ExtrasWindowsTest::browserFailureIsReportedAndTheWindowStays()
{
    m_browser.starts = false;
    TStadiumForm form(nullptr, m_h->main.language(), 100, *m_links, m_assets);
    form.show();
    QTest::mouseClick(form.findChild<QPushButton*>(QStringLiteral("CityWebSitePanel")), Qt::LeftButton);
    QCOMPARE(m_h->messages.errors, std::vector<std::string>{"Sorry, but I can't start your default browser!"});
    QVERIFY(form.isVisible());

    // The menu's links show the hourglass and always take it away again.
    m_links->CountryWebLink(10, 2);
    QCOMPARE(m_h->cursor.changes, (std::vector<bool>{true, false}));
    QCOMPARE(m_h->messages.errors.size(), size_t(2));
}

void ExtrasWindowsTest::damagedOrMissingPicturesLeaveWindowsUsable()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    QFile damaged(folder.filePath(QStringLiteral("stadium-munich.jpg")));
    QVERIFY(damaged.open(QIODevice::WriteOnly));
    QFile good(m_assets.find(QStringLiteral("stadium-munich.jpg")));
    QVERIFY(good.open(QIODevice::ReadOnly));
    damaged.write(good.read(good.size() / 3));
    damaged.close();
    QVERIFY(QFile::copy(damaged.fileName(), folder.filePath(QStringLiteral("trophy-tall.jpg"))));
    const AssetLocator broken(QStringList{folder.path()});
    QVERIFY(broken.picture(QStringLiteral("stadium-munich.jpg")).isNull());

    TStadiumForm form(nullptr, m_h->main.language(), 109, *m_links, broken);
    form.show();
    QVERIFY(form.findChild<QLabel*>(QStringLiteral("MunichImage"))->pixmap().isNull());
    QTest::mouseClick(form.findChild<QPushButton*>(QStringLiteral("RightButton")), Qt::LeftButton);
    QCOMPARE(text(&form, "StadiumNamePanel"), QStringLiteral("Nuremberg Frankenstadion"));

    TWinnerForm winner(nullptr, ChampionClick("Italy", "Italy", "CONGRATULATIONS"), broken, true, QStringLiteral("Trophy"));
    winner.show();
    QVERIFY(winner.findChild<QLabel*>(QStringLiteral("FavoriteTrophyImage"))->pixmap().isNull());
}

// What the window says in each language: every label and button text, the
// title and group title, and every accessible name, by widget.
std::map<QString, QString> windowTexts(QWidget* window)
{
    std::map<QString, QString> texts{{QStringLiteral("title"), window->windowTitle()}};
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->accessibleName().isEmpty())
            texts[w->objectName() + QStringLiteral(" (name)")] = w->accessibleName();
        const QString shown = text(window, qPrintable(w->objectName()));
        if (!w->objectName().isEmpty() && !shown.startsWith(QStringLiteral("<no ")))
            texts[w->objectName()] = shown;
        if (auto* box = qobject_cast<QGroupBox*>(w))
            texts[w->objectName()] = box->title();
    }
    return texts;
}

void ExtrasWindowsTest::rankingCriteriaSpeakEveryLanguage()
{
    std::array<std::map<QString, QString>, LanguageCount> said;
    for (int language = 0; language < LanguageCount; ++language) {
        useLanguage(language);
        TStandingsRulesForm form(nullptr, m_h->main.language());
        form.show();
        said[static_cast<size_t>(language)] = windowTexts(&form);
        QTest::keyClick(&form, Qt::Key_Return);
        QVERIFY(!form.isVisible());
    }
    // The numbers and letters of the criteria are the same in every language;
    // every other text is the language's own.
    const QRegularExpression sameEverywhere(QStringLiteral("^(\\d|\\([a-g]\\))$"));
    const std::map<QString, QString>& english = said[LanguageEnglish];
    QVERIFY(english.size() > 20);
    for (int language = 1; language < LanguageCount; ++language) {
        const std::map<QString, QString>& texts = said[static_cast<size_t>(language)];
        QCOMPARE(texts.size(), english.size());
        for (const auto& [widget, caption] : texts) {
            QVERIFY2(!caption.isEmpty(), qPrintable(widget));
            if (!sameEverywhere.match(caption).hasMatch())
                QVERIFY2(caption != english.at(widget), qPrintable(widget + QStringLiteral(": ") + caption));
        }
    }
    // The seven criteria are seven different texts, each named by its letter.
    std::set<QString> criteria;
    for (const char letter : std::string_view("abcdefg")) {
        const QString label = QStringLiteral("lbl5") + QLatin1Char(letter);
        criteria.insert(english.at(label));
        QVERIFY(english.at(label + QStringLiteral(" (name)")).endsWith(QStringLiteral("(%1)").arg(QLatin1Char(letter))));
    }
    QCOMPARE(criteria.size(), size_t{7});
    QVERIFY(said[LanguageFrench].at(QStringLiteral("lbl5a")).contains(QStringLiteral("ex \u00e6quo")));
}

void ExtrasWindowsTest::venueWindowSpeaksTheLanguageToTheScreenReader()
{
    useLanguage(LanguageEnglish);
    TStadiumForm english(nullptr, m_h->main.language(), 101, *m_links, m_assets);
    useLanguage(LanguageGerman);
    TStadiumForm german(nullptr, m_h->main.language(), 101, *m_links, m_assets);
    english.show();
    german.show();
    int named = 0;
    for (QWidget* w : english.findChildren<QWidget*>()) {
        if (!w->isVisibleTo(&english) || w->accessibleName().isEmpty())
            continue;
        ++named;
        auto* other = german.findChild<QWidget*>(w->objectName());
        QVERIFY2(other, qPrintable(w->objectName()));
        QVERIFY2(!other->accessibleName().isEmpty() && other->accessibleName() != w->accessibleName(),
                 qPrintable(w->objectName() + QStringLiteral(": ") + w->accessibleName()));
    }
    // The name, the picture, both arrows, both web sites and the capacity.
    QCOMPARE(named, 7);
}

void ExtrasWindowsTest::celebrationCheersTheFavourite()
{
    m_h->main.preferences().favoriteIndex = 11;
    m_h->main.ApplyLanguage();
    m_h->set("Champion", "Germany");
    const bool opened = whileModal([&] { showCelebrationWindow(nullptr, m_h->main); }, [](QWidget* window) {
        QCOMPARE(text(window, "WinnerLbl"), QStringLiteral("GERMANY!!!"));
    });
    QVERIFY(opened);

    TWinnerForm form(nullptr, ChampionClick("Germany", "Germany", "CONGRATULATIONS"), m_assets, true, QStringLiteral("Trophy"));
    form.show();
    QCOMPARE(form.windowTitle(), QStringLiteral("Germany!!!!"));
    QVERIFY(form.windowFlags() & Qt::FramelessWindowHint);
    QVERIFY(form.windowFlags() & Qt::WindowStaysOnTopHint);
    QCOMPARE(text(&form, "WinnerLbl"), QStringLiteral("GERMANY!!!"));
    QCOMPARE(text(&form, "CongratulationsLbl"), QStringLiteral("CONGRATULATIONS"));
    QVERIFY(form.findChild<QLabel*>(QStringLiteral("YeehaLbl"))->isVisible());
    QVERIFY(form.findChild<QLabel*>(QStringLiteral("FavoriteTrophyImage"))->isVisible());
    QVERIFY(!form.findChild<QLabel*>(QStringLiteral("BooLbl"))->isVisible());
    QVERIFY(!form.findChild<QLabel*>(QStringLiteral("TrophyImage"))->isVisible());
    QVERIFY(!form.findChild<QLabel*>(QStringLiteral("FavoriteTrophyImage"))->pixmap().isNull());
    QVERIFY(form.activePlayer());
    QCOMPARE(form.activePlayer()->objectName(), QStringLiteral("FavMediaPlayer"));
    QVERIFY(form.activePlayer()->source().toLocalFile().endsWith(QStringLiteral("/Cheers.wav")));
    screenshot(&form, QStringLiteral("celebration-cheering"));
}

void ExtrasWindowsTest::celebrationBoosAnyOtherChampion()
{
    useLanguage(2);
    TWinnerForm form(nullptr, ChampionClick("Côte D'Ivoire", "", m_h->main.language().text("champion.congratulations")),
                     m_assets, true, QStringLiteral("Trophy"));
    form.show();
    QCOMPARE(text(&form, "WinnerLbl"), QStringLiteral("CôTE D'IVOIRE!!!"));
    QCOMPARE(text(&form, "CongratulationsLbl"), QStringLiteral("FÉLICITATIONS"));
    QVERIFY(form.findChild<QLabel*>(QStringLiteral("BooLbl"))->isVisible());
    QVERIFY(form.findChild<QLabel*>(QStringLiteral("TrophyImage"))->isVisible());
    QVERIFY(!form.findChild<QLabel*>(QStringLiteral("YeehaLbl"))->isVisible());
    QVERIFY(!form.findChild<QLabel*>(QStringLiteral("FavoriteTrophyImage"))->isVisible());
    QVERIFY(form.activePlayer());
    QCOMPARE(form.activePlayer()->objectName(), QStringLiteral("NonFavMediaPlayer"));
    QVERIFY(form.activePlayer()->source().toLocalFile().endsWith(QStringLiteral("/Boo.wav")));
    screenshot(&form, QStringLiteral("celebration-booing"));

    // Without a sound device nothing is loaded.
    TWinnerForm silent(nullptr, ChampionClick("Togo", "", "ENHORABUENA"), m_assets, false, QStringLiteral("Trophy"));
    QVERIFY(!silent.activePlayer());
}

void ExtrasWindowsTest::celebrationWithoutSoundFileIsSilent()
{
    QTemporaryDir empty;
    const AssetLocator noSounds(QStringList{empty.path()});
    TWinnerForm form(nullptr, ChampionClick("Spain", "Spain", "ENHORABUENA"), noSounds, true, QStringLiteral("Trophy"));
    form.show();
    QVERIFY(!form.activePlayer());
    QTest::keyClick(&form, Qt::Key_Escape);
    QVERIFY(!form.isVisible());
}

void ExtrasWindowsTest::celebrationClosesOnClickButNotOnTheTrophy()
{
    TWinnerForm form(nullptr, ChampionClick("Brazil", "Germany", "CONGRATULATIONS"), m_assets, false, QStringLiteral("Trophy"));
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QTest::mouseClick(form.findChild<QLabel*>(QStringLiteral("TrophyImage")), Qt::LeftButton);
    QVERIFY(form.isVisible());
    QTest::mouseClick(form.findChild<QLabel*>(QStringLiteral("WinnerLbl")), Qt::LeftButton);
    QVERIFY(!form.isVisible());

    TWinnerForm again(nullptr, ChampionClick("Brazil", "Germany", "CONGRATULATIONS"), m_assets, false, QStringLiteral("Trophy"));
    again.show();
    QVERIFY(QTest::qWaitForWindowExposed(&again));
    QTest::mouseClick(&again, Qt::LeftButton, {}, QPoint(200, 300));
    QVERIFY(!again.isVisible());
}

void ExtrasWindowsTest::championClickOpensNothingUntilDecided()
{
    QCOMPARE(m_h->text("Champion"), std::string("xxxxxxxxxx"));
    QVERIFY(!whileModal([&] { showCelebrationWindow(nullptr, m_h->main); }, [](QWidget*) {}));
}

void ExtrasWindowsTest::aboutWindowLinksAndWindows()
{
    TAboutForm form(nullptr, m_h->main.language(), *m_links, m_assets);
    form.show();
    QCOMPARE(form.windowTitle(), QStringLiteral("About Tiplark..."));
    QTest::mouseClick(form.findChild<QPushButton*>(QStringLiteral("EmailLbl")), Qt::LeftButton);
    QTest::mouseClick(form.findChild<QPushButton*>(QStringLiteral("WebSiteLbl")), Qt::LeftButton);
    QCOMPARE(m_browser.opened.size(), size_t(2));
    QCOMPARE(m_browser.opened[0].rfind("mailto:", 0), size_t(0));
    QCOMPARE(m_browser.opened[1].rfind("https://", 0), size_t(0));
    screenshot(&form, QStringLiteral("about"));

    const auto opens = [&form](const char* button, const char* window) {
        QTest::mouseClick(form.findChild<QPushButton*>(QLatin1String(button)), Qt::LeftButton);
        auto* opened = form.findChild<QDialog*>(QLatin1String(window));
        QVERIFY2(opened && opened->isVisible(), window);
        opened->close();
    };
    opens("ThanksLbl", "ThanksForm");
    opens("DonateLbl", "DonationForm");
    opens("TributeImage", "ValenciaForm");
    opens("DedicationImage", "DedicationForm");
    for (const char* name : {"EmailLbl", "WebSiteLbl", "TributeImage", "DedicationImage"})
        QVERIFY2(!form.findChild<QWidget*>(QLatin1String(name))->accessibleName().isEmpty(), name);
}

void ExtrasWindowsTest::donationPicturesOpenTheDonationPage()
{
    useLanguage(1);
    TDonationForm form(nullptr, m_h->main.language(), *m_links, m_assets);
    form.show();
    QCOMPARE(form.windowTitle(), QStringLiteral("Tiplark - ¡Haz una donación!"));
    QCOMPARE(text(&form, "donation.thanks"), QStringLiteral("¡Muchas gracias por tu colaboración!"));
    auto* euro = form.findChild<QPushButton*>(QStringLiteral("DonateEuroImage"));
    QVERIFY(!euro->icon().isNull());
    QTest::mouseClick(euro, Qt::LeftButton);
    QTest::mouseClick(form.findChild<QPushButton*>(QStringLiteral("DonateDollarImage")), Qt::LeftButton);
    QCOMPARE(m_browser.opened.size(), size_t(2));
    for (const std::string& address : m_browser.opened)
        QCOMPARE(address.rfind("https://", 0), size_t(0));
    screenshot(&form, QStringLiteral("donation-spanish"));
}

QTEST_MAIN(ExtrasWindowsTest)
#include "ExtrasWindowsTest.moc"
