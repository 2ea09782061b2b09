// Every caption of every window fits its widget, in each language: a text
// cut off by a box sized for English is the risk of a translated window.
#include "services/AssetLocator.h"
#include "tournament/TournamentData.h"
#include "venues/Celebration.h"
#include "venues/VenueTable.h"
#include "venues/WebLinkLauncher.h"
#include "windows/AboutForm.h"
#include "windows/DonationForm.h"
#include "windows/MainForm.h"
#include "windows/OptionsForm.h"
#include "windows/ScheduleForm.h"
#include "windows/StadiumForm.h"
#include "windows/StandingsRulesForm.h"
#include "windows/ThanksForm.h"
#include "windows/WinnerForm.h"

#include "RecordingServices.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

namespace tiplark {
namespace {

class NoBrowser : public BrowserLauncher {
public:
    bool open(const std::string&) override { return true; }
};

// The text as drawn: a mnemonic's ampersand takes no room.
QString drawn(const QString& caption, bool mnemonic)
{
    if (!mnemonic)
        return caption;
    QString text = caption;
    return text.replace(QLatin1String("&&"), QLatin1String("\x01")).remove(QLatin1Char('&')).replace(QLatin1Char('\x01'), QLatin1Char('&'));
}

int widestLine(const QFontMetrics& metrics, const QString& text)
{
    int widest = 0;
    for (const QString& line : text.split(QLatin1Char('\n')))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    return widest;
}

// Whether every ancestor up to the window shows the whole of `widget`.
bool wholeInWindow(const QWidget* widget, const QWidget* window)
{
    QRect area = widget->rect();
    for (const QWidget* w = widget; w != window; w = w->parentWidget()) {
        area.translate(w->pos());
        if (!w->parentWidget()->rect().contains(area))
            return false;
    }
    return true;
}

// What does not fit in `window`, one line per widget.
QStringList clipped(QWidget* window)
{
    QStringList problems;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        const bool captioned = (qobject_cast<QLabel*>(w) && !static_cast<QLabel*>(w)->text().isEmpty())
                            || (qobject_cast<QAbstractButton*>(w) && !static_cast<QAbstractButton*>(w)->text().isEmpty());
        if (captioned && w->isVisibleTo(window) && !wholeInWindow(w, window))
            problems << QStringLiteral("%1 reaches out of its window").arg(w->objectName());
    }
    const auto report = [&problems](const QWidget* w, const QString& text, const QString& need, const QSize& has) {
        problems << QStringLiteral("%1 \"%2\" needs %3, has %4x%5")
                        .arg(w->objectName(), text, need)
                        .arg(has.width())
                        .arg(has.height());
    };
    for (QLabel* label : window->findChildren<QLabel*>()) {
        if (!label->isVisibleTo(window) || label->text().isEmpty() || label->textFormat() == Qt::RichText)
            continue;
        const QFontMetrics metrics(label->font());
        const QString text = drawn(label->text(), label->buddy() != nullptr);
        const int margin = 2 * (label->margin() + std::max(0, label->indent()));
        const QRect room = label->contentsRect().adjusted(0, 0, -margin, 0);
        if (label->wordWrap()) {
            const QRect needed = metrics.boundingRect(QRect(0, 0, room.width(), 100000), Qt::TextWordWrap, text);
            if (needed.height() > room.height() || needed.width() > room.width())
                report(label, text, QStringLiteral("%1 high").arg(needed.height()), room.size());
            continue;
        }
        const int width = widestLine(metrics, text);
        const int height = static_cast<int>(text.count(QLatin1Char('\n')) + 1) * metrics.height();
        if (width > room.width() || height > room.height())
            report(label, text, QStringLiteral("%1x%2").arg(width).arg(height), room.size());
    }
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
        if (!button->isVisibleTo(window) || button->text().isEmpty())
            continue;
        const QFontMetrics metrics(button->font());
        const QString text = drawn(button->text(), true);
        int needed = metrics.horizontalAdvance(text);
        if (!button->icon().isNull())
            needed += button->iconSize().width() + 4;
        if (qobject_cast<QCheckBox*>(button))
            needed += button->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, button)
                    + button->style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, button);
        else
            needed += 6;  // frame and the least padding of a flat button
        if (needed > button->width() || metrics.height() > button->height())
            report(button, text, QStringLiteral("%1x%2").arg(needed).arg(metrics.height()), button->size());
    }
    for (QGroupBox* box : window->findChildren<QGroupBox*>()) {
        if (!box->isVisibleTo(window) || box->title().isEmpty())
            continue;
        const QString text = drawn(box->title(), true);
        const int needed = QFontMetrics(box->font()).horizontalAdvance(text) + 16;
        if (needed > box->width())
            report(box, text, QString::number(needed), box->size());
    }
    return problems;
}

// The longest team names of the current language: the celebration's tightest fit.
std::vector<std::string> longestTeamNames(const Language& language, size_t count)
{
    std::vector<std::string> names;
    for (int team = 1; team <= TeamCount; ++team)
        names.push_back(language.teamName(team));
    std::sort(names.begin(), names.end(),
              [](const std::string& a, const std::string& b) { return QString::fromStdString(a).size() > QString::fromStdString(b).size(); });
    names.resize(count);
    return names;
}

}  // namespace

class CaptionFitTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        m_h = std::make_unique<testing::BoardHarness>();
        m_links = std::make_unique<WebLinkLauncher>(m_browser, m_h->messages, m_h->cursor);
    }
    void initTestCase() { m_font = QApplication::font(); }
    void cleanup()
    {
        QApplication::setFont(m_font);
        m_links.reset();
        m_h.reset();
    }

    void everyCaptionFits_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<qreal>("fontScale");
        // A larger desktop font is the other way a fixed box cuts a caption.
        for (const qreal scale : {1.0, 1.5}) {
            const char* size = scale > 1 ? " large font" : "";
            QTest::addRow("English%s", size) << 0 << scale;
            QTest::addRow("Spanish%s", size) << 1 << scale;
            QTest::addRow("French%s", size) << 2 << scale;
            QTest::addRow("German%s", size) << 3 << scale;
        }
    }

    void everyCaptionFits()
    {
        QFETCH(int, language);
        QFETCH(qreal, fontScale);
        QFont font = m_font;
        font.setPointSizeF(m_font.pointSizeF() * fontScale);
        QApplication::setFont(font);
        m_h->main.preferences().languageIndex = language;
        m_h->main.ApplyLanguage();
        const Language& lang = m_h->main.language();
        const AssetLocator assets;

        std::vector<std::pair<QString, std::function<std::unique_ptr<QWidget>()>>> windows = {
            {QStringLiteral("options"), [&] { return std::make_unique<TOptionsForm>(m_h->main, [] { return true; }); }},
            {QStringLiteral("schedule"), [&] { return std::make_unique<TScheduleForm>(lang, std::vector<std::string>{}); }},
            {QStringLiteral("ranking criteria"), [&] { return std::make_unique<TStandingsRulesForm>(nullptr, lang); }},
            {QStringLiteral("about"), [&] { return std::make_unique<TAboutForm>(nullptr, lang, *m_links, assets); }},
            {QStringLiteral("donation"), [&] { return std::make_unique<TDonationForm>(nullptr, lang, *m_links, assets); }},
            {QStringLiteral("thanks"), [&] { return std::make_unique<TThanksForm>(nullptr, lang); }},
        };
        for (const VenueInfo& venue : venues()) {
            windows.emplace_back(QStringLiteral("venue %1").arg(venue.number), [&, number = venue.number] {
                return std::make_unique<TStadiumForm>(nullptr, lang, number, *m_links, assets);
            });
        }
        for (const std::string& team : longestTeamNames(lang, 3)) {
            for (const bool favourite : {true, false}) {
                const QString mood = favourite ? QStringLiteral("cheering ") : QStringLiteral("booing ");
                windows.emplace_back(mood + QString::fromStdString(team), [&, team, favourite] {
                    const std::string congratulations = lang.text("champion.congratulations");
                    return std::make_unique<TWinnerForm>(nullptr, ChampionClick(team, favourite ? team : "", congratulations),
                                                         assets, false);
                });
            }
        }
        for (const auto& [name, make] : windows) {
            const std::unique_ptr<QWidget> window = make();
            window->show();
            QVERIFY(QTest::qWaitForWindowExposed(window.get()));
            const QStringList problems = clipped(window.get());
            QVERIFY2(problems.isEmpty(), qPrintable(name + QStringLiteral(": ") + problems.join(QStringLiteral("; "))));
            // For a person to look at: each kind of window once per language.
            if (!name.startsWith(QStringLiteral("venue ")) || name.endsWith(QStringLiteral("100"))) {
                QDir().mkpath(QStringLiteral(TIPLARK_SCREENSHOT_DIR));
                window->grab().save(QStringLiteral(TIPLARK_SCREENSHOT_DIR "/%1 %2.png").arg(QTest::currentDataTag(), name));
            }
        }
    }

private:
    std::unique_ptr<testing::BoardHarness> m_h;
    NoBrowser m_browser;
    std::unique_ptr<WebLinkLauncher> m_links;
    QFont m_font;
};

}  // namespace tiplark

QTEST_MAIN(tiplark::CaptionFitTest)
#include "CaptionFitTest.moc"
