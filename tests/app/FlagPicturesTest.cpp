// Before any Qt header, whose `slots` macro would rewrite the engine's KnockoutMatch::slots.
#include "TournamentFiles.h"

#include "services/FlagPictures.h"

#include <QImage>
#include <QSet>
#include <QtTest>

namespace tiplark {
namespace {

struct Coverage {
    int opaque = 0;
    int clear = 0;
    int colours = 0;
};

// Pixels fully covered and fully clear within a rectangle, and the colours seen there.
Coverage coverage(const QImage& image, const QRect& area)
{
    Coverage result;
    QSet<QRgb> colours;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            result.opaque += qAlpha(pixel) == 255;
            result.clear += qAlpha(pixel) == 0;
            colours.insert(pixel);
        }
    }
    result.colours = int(colours.size());
    return result;
}

}  // namespace

// The flags beside the test program, as the window finds them beside tiplark.
class FlagPicturesTest : public QObject {
    Q_OBJECT

private slots:
    void everyTeamOfEveryTournamentHasAFlag_data()
    {
        QTest::addColumn<QString>("code");
        const std::vector<std::string> ids = testing::shippedTournamentIds();
        QVERIFY(ids.size() >= 6);
        for (const std::string& id : ids)
            for (const TournamentTeam& team : testing::shippedTournament(id).teams)
                QTest::addRow("%s %s", id.c_str(), team.code.c_str()) << QString::fromStdString(team.code);
    }

    // A flag fills its 4:3 frame to the edges, in more than one colour: a
    // flag QtSvg cannot read, or draws in part, misses it.
    void everyTeamOfEveryTournamentHasAFlag()
    {
        QFETCH(QString, code);
        const QPixmap flag = m_flags.pixmap(code, QSize(32, 24));
        QVERIFY(!flag.isNull());
        QCOMPARE(flag.size(), QSize(32, 24));
        const QImage image = flag.toImage();
        const Coverage seen = coverage(image, image.rect());
        QCOMPARE(seen.opaque, 32 * 24);
        QVERIFY2(seen.colours >= 2, qPrintable(QString::number(seen.colours)));
    }

    void drawsTheFlagInItsOwnProportions_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<qreal>("ratio");
        QTest::addColumn<QSize>("pixels");
        QTest::addColumn<QRect>("frame");
        QTest::newRow("4:3 at its size") << QSize(32, 24) << 1.0 << QSize(32, 24) << QRect(0, 0, 32, 24);
        QTest::newRow("wide cell: margins left and right") << QSize(40, 24) << 1.0 << QSize(40, 24) << QRect(4, 0, 32, 24);
        QTest::newRow("tall cell: margins above and below") << QSize(32, 40) << 1.0 << QSize(32, 40) << QRect(0, 8, 32, 24);
        QTest::newRow("twice the pixels") << QSize(16, 12) << 2.0 << QSize(32, 24) << QRect(0, 0, 32, 24);
        QTest::newRow("one and a half") << QSize(40, 30) << 1.5 << QSize(60, 45) << QRect(0, 0, 60, 45);
    }

    void drawsTheFlagInItsOwnProportions()
    {
        QFETCH(QSize, size);
        QFETCH(qreal, ratio);
        QFETCH(QSize, pixels);
        QFETCH(QRect, frame);
        const QPixmap flag = m_flags.pixmap(QStringLiteral("GER"), size, ratio);
        QCOMPARE(flag.size(), pixels);
        QCOMPARE(flag.devicePixelRatio(), ratio);
        QCOMPARE(flag.deviceIndependentSize(), QSizeF(size));
        const QImage image = flag.toImage();
        QCOMPARE(coverage(image, frame).opaque, frame.width() * frame.height());
        QCOMPARE(coverage(image, image.rect()).clear, pixels.width() * pixels.height() - frame.width() * frame.height());
    }

    void nothingToDrawGivesANullPicture_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QSize>("size");
        QTest::newRow("code without a flag") << QStringLiteral("ATL") << QSize(32, 24);
        QTest::newRow("no size") << QStringLiteral("GER") << QSize(0, 24);
    }

    void nothingToDrawGivesANullPicture()
    {
        QFETCH(QString, code);
        QFETCH(QSize, size);
        QVERIFY(m_flags.pixmap(code, size).isNull());
        QVERIFY(m_flags.icon(code, size).isNull());
    }

    void aSizeIsDrawnOnce()
    {
        const QPixmap first = m_flags.pixmap(QStringLiteral("BRA"), QSize(20, 15), 2.0);
        QCOMPARE(m_flags.pixmap(QStringLiteral("BRA"), QSize(20, 15), 2.0).cacheKey(), first.cacheKey());
        QVERIFY(m_flags.pixmap(QStringLiteral("BRA"), QSize(20, 15)).cacheKey() != first.cacheKey());
    }

    void iconHoldsTheFlagAtItsSize()
    {
        const QIcon icon = m_flags.icon(QStringLiteral("ENG"), QSize(24, 18));
        QVERIFY(!icon.isNull());
        QCOMPARE(icon.pixmap(QSize(24, 18)).toImage(), m_flags.pixmap(QStringLiteral("ENG"), QSize(24, 18)).toImage());
    }

private:
    const FlagPictures m_flags;
};

}  // namespace tiplark

QTEST_MAIN(tiplark::FlagPicturesTest)
#include "FlagPicturesTest.moc"
