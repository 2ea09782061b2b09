// Every caption of every window fits its widget, in each language: a text
// cut off by a box sized for English is the risk of a translated window.
#include "EveryWindow.h"
#include "RecordingServices.h"
#include "i18n/TeamNameTables.h"
#include "windows/BoardView.h"
#include "windows/MainForm.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabBar>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QStyleOptionFrame>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <memory>

namespace tiplark {
namespace {

using testing::NoBrowser;

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
    // A list box shows its chosen entry: any of them must fit.
    for (QComboBox* box : window->findChildren<QComboBox*>()) {
        if (!box->isVisibleTo(window))
            continue;
        QStyleOptionComboBox option;
        option.initFrom(box);
        const QRect field = box->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, box);
        for (int i = 0; i < box->count(); ++i) {
            const int needed = QFontMetrics(box->font()).horizontalAdvance(box->itemText(i)) + 2;
            if (needed > field.width())
                report(box, box->itemText(i), QString::number(needed), field.size());
        }
    }
    return problems;
}

// The board's names, headings and table cells lie in boxes of a fixed
// design. A label's text needs a pixel to spare on either side, or it runs
// into its neighbour ("Pkt" and "Sp" read as one word); a box's text has
// the box's own margins around it.
QStringList boardClipped(QWidget* window)
{
    QStringList problems;
    const auto* board = window->findChild<BoardView*>();
    if (!board)
        return problems;
    for (QWidget* w : board->findChildren<QWidget*>()) {
        QString text;
        QRect room;
        int spare = 0;
        if (const auto* label = qobject_cast<QLabel*>(w)) {
            text = label->text();
            room = label->contentsRect();
            spare = 2;
        } else if (const auto* button = qobject_cast<QPushButton*>(w)) {
            text = drawn(button->text(), true);
            room = button->rect().adjusted(3, 0, -3, 0);  // frame and the least padding
        } else if (const auto* edit = qobject_cast<QLineEdit*>(w)) {
            text = edit->text();
            QStyleOptionFrame option;
            option.initFrom(edit);
            option.lineWidth = edit->hasFrame() ? edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth) : 0;
            // The line edit's own margin of two pixels on either side.
            room = edit->style()->subElementRect(QStyle::SE_LineEditContents, &option, edit).adjusted(2, 0, -2, 0);
        }
        if (text.isEmpty() || !w->isVisibleTo(window))
            continue;
        const QFontMetrics metrics(w->font());
        const int needed = metrics.horizontalAdvance(text) + spare;
        if (needed > room.width() || metrics.height() > room.height())
            problems << QStringLiteral("%1 \"%2\" needs %3x%4, has %5x%6")
                            .arg(w->objectName(), text)
                            .arg(needed)
                            .arg(metrics.height())
                            .arg(room.width())
                            .arg(room.height());
    }
    return problems;
}

}  // namespace

class CaptionFitTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { m_font = QApplication::font(); }
    void cleanup() { QApplication::setFont(m_font); }

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
        testing::BoardHarness h;
        h.main.preferences().languageIndex = language;
        h.main.ApplyLanguage();
        testing::EveryWindow every(h);
        for (const testing::WindowMaker& maker : every.makers()) {
            const std::unique_ptr<QWidget> window = maker.make();
            window->show();
            QVERIFY(QTest::qWaitForWindowExposed(window.get()));
            // The board is drawn to a fixed design, at a scale of the window's size.
            const QStringList problems = window->findChild<BoardView*>() ? boardClipped(window.get()) : clipped(window.get());
            QVERIFY2(problems.isEmpty(), qPrintable(maker.name + QStringLiteral(": ") + problems.join(QStringLiteral("; "))));
            // For a person to look at: each kind of window once per language.
            if (!maker.name.startsWith(QStringLiteral("venue ")) || maker.name.endsWith(QStringLiteral("100"))) {
                QDir().mkpath(QStringLiteral(TIPLARK_SCREENSHOT_DIR));
                window->grab().save(QStringLiteral(TIPLARK_SCREENSHOT_DIR "/%1 %2.png").arg(QTest::currentDataTag(), maker.name));
            }
        }
    }

    // The board's fixed boxes at the smallest scale before it scrolls and at
    // the design scale, on a complete prediction, with the longest team name
    // as the favourite so that it is also shown in bold.
    void boardTextsFit_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QSize>("size");
        for (const QSize size : {QSize(840, 620), QSize(1040, 760)}) {
            const char* which = size.width() < 1000 ? "smallest" : "design";
            QTest::addRow("English %s", which) << 0 << size;
            QTest::addRow("Spanish %s", which) << 1 << size;
            QTest::addRow("French %s", which) << 2 << size;
            QTest::addRow("German %s", which) << 3 << size;
        }
    }

    void boardTextsFit()
    {
        QFETCH(int, language);
        QFETCH(QSize, size);
        int longest = 1;
        for (int team = 1; team <= TeamCount; ++team) {
            if (QString::fromStdString(teamNameIn(language, team)).size()
                > QString::fromStdString(teamNameIn(language, longest)).size())
                longest = team;
        }
        QFile source(QStringLiteral(TIPLARK_TEST_DATA "/predictions/complete-board.ini"));
        QVERIFY(source.open(QIODevice::ReadOnly));
        QString text = QString::fromUtf8(source.readAll());
        text.replace(QRegularExpression("Language=\\d+"), QStringLiteral("Language=%1").arg(language));
        text.replace(QRegularExpression("Favorite=\\d+"), QStringLiteral("Favorite=%1").arg(longest));
        QTemporaryDir folder;
        QFile predictions(folder.filePath(QStringLiteral("Tiplark.ini")));
        QVERIFY(predictions.open(QIODevice::WriteOnly) && predictions.write(text.toUtf8()) > 0);
        predictions.close();

        testing::BoardHarness h;
        NoBrowser browser;
        TMainForm form(h.main, browser, folder.path().toStdString() + "/");
        QVERIFY(form.FormCreate());
        form.resize(size);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        const QStringList problems = boardClipped(&form);
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QStringLiteral("; "))));
    }

    // The 2026 board, complete with its real results, on each of its pages
    // at a laptop's and a desktop's size, at the desktop font and at one and
    // a half times it: every caption fits and the window needs no scrolling
    // sideways, so that a group is seen whole.
    void pagedBoardTextsFit_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<qreal>("fontScale");
        for (const QSize size : {QSize(1366, 768), QSize(1920, 1080)}) {
            for (const qreal scale : {1.0, 1.5}) {
                for (int language = 0; language < LanguageCount; ++language)
                    QTest::addRow("%s %dx%d%s", LanguageCodes[static_cast<size_t>(language)].data(), size.width(), size.height(),
                                  scale > 1 ? " large font" : "")
                        << language << size << scale;
            }
        }
    }

    void pagedBoardTextsFit()
    {
        QFETCH(int, language);
        QFETCH(QSize, size);
        QFETCH(qreal, fontScale);
        QFont font = m_font;
        font.setPointSizeF(m_font.pointSizeF() * fontScale);
        QApplication::setFont(font);
        testing::EditionHarness board("worldcup-2026");
        NoBrowser browser;
        QTemporaryDir folder;
        TMainForm form(board.main, browser, folder.path().toStdString() + "/");
        board.main.preferences().languageIndex = language;
        board.main.ApplyLanguage();
        board.fillRealResults();
        form.resize(size);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        auto& view = form.boardView();
        QCOMPARE(view.pageCount(), 2);
        for (int page = 0; page < view.pageCount(); ++page) {
            view.showPage(page);
            QApplication::processEvents();
            QStringList problems = boardClipped(&form);
            const QTabBar* tabs = view.pageTabs();
            for (int tab = 0; tab < tabs->count(); ++tab) {
                const int needed = QFontMetrics(tabs->font()).horizontalAdvance(tabs->tabText(tab));
                if (needed > tabs->tabRect(tab).width())
                    problems << QStringLiteral("tab \"%1\" needs %2").arg(tabs->tabText(tab)).arg(needed);
            }
            QVERIFY2(problems.isEmpty(), qPrintable(QStringLiteral("page %1: ").arg(page + 1) + problems.join(QStringLiteral("; "))));
        }
        const auto* scroller = form.findChild<QScrollArea*>();
        QVERIFY(scroller);
        QCOMPARE(scroller->horizontalScrollBar()->maximum(), 0);
        QCOMPARE(scroller->verticalScrollBar()->maximum(), 0);
    }

private:
    QFont m_font;
};

}  // namespace tiplark

QTEST_MAIN(tiplark::CaptionFitTest)
#include "CaptionFitTest.moc"
