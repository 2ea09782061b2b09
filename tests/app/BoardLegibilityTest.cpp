#include "windows/MainForm.h"

#include "RecordingServices.h"
#include "i18n/LanguageTables.h"
#include "windows/BoardView.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <memory>
#include <optional>
#include <string>

namespace tiplark {
namespace {

class NoBrowser : public BrowserLauncher {
public:
    bool open(const std::string&) override { return true; }
};

bool near(QColor painted, QColor wanted)
{
    return std::abs(painted.red() - wanted.red()) < 90 && std::abs(painted.green() - wanted.green()) < 90
           && std::abs(painted.blue() - wanted.blue()) < 90;
}

// How many pixels of the widget, as painted, are about `wanted`.
int paintedPixels(QWidget* widget, QColor wanted)
{
    const QImage image = widget->grab().toImage();
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += near(image.pixelColor(x, y), wanted) ? 1 : 0;
    return count;
}

// The lightness of the darkest painted pixel: the text's colour at its core.
int darkest(QWidget* widget)
{
    const QImage image = widget->grab().toImage();
    int lightness = 255;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            lightness = std::min(lightness, image.pixelColor(x, y).lightness());
    return lightness;
}

Qt::Alignment alignmentOf(QWidget* widget)
{
    if (auto* edit = qobject_cast<QLineEdit*>(widget))
        return edit->alignment();
    return qobject_cast<QLabel*>(widget)->alignment();
}

// The columns a widget's text is painted in, in its parent's coordinates;
// nothing when no text shows.
struct Ink {
    int left;
    int right;
};

std::optional<Ink> inkOf(QWidget* widget)
{
    const QImage image = widget->grab().toImage();
    const QColor background = image.pixelColor(0, 0);
    const auto isInk = [&background](QColor c) {
        return std::max({std::abs(c.red() - background.red()), std::abs(c.green() - background.green()),
                         std::abs(c.blue() - background.blue())})
               > 48;
    };
    std::optional<Ink> ink;
    for (int x = 0; x < image.width(); ++x) {
        for (int y = 0; y < image.height(); ++y) {
            if (isInk(image.pixelColor(x, y))) {
                if (!ink)
                    ink = Ink{x, x};
                ink->right = x;
                break;
            }
        }
    }
    if (ink) {
        ink->left += widget->x();
        ink->right += widget->x();
    }
    return ink;
}

}  // namespace

// What the board shows as painted, not only what its widgets hold.
class BoardLegibilityTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_folder;
    std::unique_ptr<testing::BoardHarness> m_harness;
    NoBrowser m_browser;
    std::unique_ptr<TMainForm> m_form;

    Board& board() { return m_harness->board(); }
    QWidget* widget(const char* name) { return m_form->boardView().widget(board().id(name)); }
    QWidget* widget(ControlId id) { return m_form->boardView().widget(id); }
    void show(QSize size)
    {
        m_form->resize(size);
        m_form->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
    }

private slots:
    void init()
    {
        m_folder = std::make_unique<QTemporaryDir>();
        m_harness = std::make_unique<testing::BoardHarness>();
        m_form = std::make_unique<TMainForm>(m_harness->main, m_browser, m_folder->path().toStdString() + "/");
        m_harness->main.ApplyLanguage();
    }
    void cleanup()
    {
        m_form.reset();
        m_harness.reset();
    }

    void pressingAnOpenSlotPaintsEveryOpenSlotRed()
    {
        show({1280, 740});
        QWidget* slot = widget("Final411Lbl");
        QVERIFY(!slot->isEnabled());
        QCOMPARE(paintedPixels(slot, Qt::red), 0);

        QTest::mousePress(widget("Champion"), Qt::LeftButton);
        QVERIFY2(paintedPixels(slot, Qt::red) > 10, "a pressed open slot shows red");
        QVERIFY(paintedPixels(widget("Final12Lbl"), Qt::red) > 10);
        QTest::mouseRelease(widget("Champion"), Qt::LeftButton);
        QCOMPARE(paintedPixels(slot, Qt::red), 0);
    }

    void disabledLabelsShowBlueAndRedButStayGreyedOtherwise()
    {
        show({1280, 740});
        QWidget* slot = widget("Final411Lbl");
        QWidget* open = widget("Final811Lbl");
        QVERIFY(!slot->isEnabled() && open->isEnabled());
        // Greyed: its text is painted lighter than that of an enabled label.
        QVERIFY2(darkest(slot) > darkest(open) + 40,
                 qPrintable(QStringLiteral("%1 against %2").arg(darkest(slot)).arg(darkest(open))));

        board().setColour(board().id("Final411Lbl"), TextColour::Blue);
        QVERIFY(paintedPixels(slot, Qt::blue) > 10);
        board().setColour(board().id("Final411Lbl"), TextColour::Red);
        QVERIFY(paintedPixels(slot, Qt::red) > 10);
        board().setColour(board().id("Final411Lbl"), TextColour::Default);
        QCOMPARE(paintedPixels(slot, Qt::red), 0);
        QVERIFY(darkest(slot) > darkest(open) + 40);
    }

    void tableCellsShowTheirWidestValuesApart_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QSize>("window");
        const char* const languages[] = {"English", "Spanish", "French", "German"};
        for (int language = 0; language < LanguageCount; ++language) {
            // The smallest scale (the window scrolls below it), the usual one and a large one.
            QTest::addRow("%s, small", languages[language]) << language << QSize(700, 500);
            QTest::addRow("%s, 1280x740", languages[language]) << language << QSize(1280, 740);
            QTest::addRow("%s, 1920x1000", languages[language]) << language << QSize(1920, 1000);
        }
    }

    void tableCellsShowTheirWidestValuesApart()
    {
        QFETCH(int, language);
        QFETCH(QSize, window);
        m_harness->main.preferences().languageIndex = language;
        m_harness->main.ApplyLanguage();
        // Two-digit scores in three matches: up to 297 goals and a difference of "+297".
        const char* const widest[StandingsColumnCount] = {"9", "3", "3", "3", "3", "297", "297", "+297"};
        for (const GroupControls& group : m_harness->main.controls().groups) {
            for (int row = 0; row < TeamsPerGroup; ++row)
                for (int c = 0; c < StandingsColumnCount; ++c)
                    board().setText(group.cell[row][c], c == 7 && row % 2 ? "-297" : widest[c]);
        }
        show(window);

        const auto checkLine = [](const std::vector<QWidget*>& line) {
            std::optional<Ink> previous;
            for (QWidget* cell : line) {
                const QString name = cell->objectName();
                const std::optional<Ink> ink = inkOf(cell);
                QVERIFY2(ink, qPrintable(name + " shows nothing"));
                // Nothing scrolled away: a cell shows as many pixels as its text needs.
                if (auto* edit = qobject_cast<QLineEdit*>(cell)) {
                    const int textWidth = edit->fontMetrics().horizontalAdvance(edit->text());
                    QVERIFY2(ink->right - ink->left + 3 >= textWidth,
                             qPrintable(QStringLiteral("%1 cut: %2 of %3 pixels").arg(name).arg(ink->right - ink->left + 1).arg(textWidth)));
                }
                // Nothing clipped: the text keeps off the edges (a team name starts at its left one).
                const bool centred = alignmentOf(cell) & Qt::AlignHCenter;
                QVERIFY2((!centred || ink->left > cell->x()) && ink->right < cell->x() + cell->width() - 1,
                         qPrintable(name + " touches its edge"));
                if (previous)
                    QVERIFY2(ink->left - previous->right >= 3,
                             qPrintable(QStringLiteral("%1 runs into its neighbour: gap %2").arg(name).arg(ink->left - previous->right - 1)));
                previous = ink;
            }
        };
        for (const GroupControls& group : m_harness->main.controls().groups) {
            std::vector<QWidget*> headings;
            for (const ControlId heading : group.columnHeading)
                headings.push_back(widget(heading));
            checkLine(headings);
            for (int row = 0; row < TeamsPerGroup; ++row) {
                std::vector<QWidget*> line{widget(group.name[row])};
                for (const ControlId cell : group.cell[row])
                    line.push_back(widget(cell));
                checkLine(line);
            }
        }
        if (language == 2 && window.width() == 1280)
            QVERIFY(widget("GPStandB")->grab().save(QStringLiteral(TIPLARK_GRAB_DIR "/standings-widest.png")));
    }
};

}  // namespace tiplark

QTEST_MAIN(tiplark::BoardLegibilityTest)
#include "BoardLegibilityTest.moc"
