#include "services/AssetLocator.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QtTest>

#include <cstdlib>

namespace tiplark {
namespace {

// One pixel of each picture that comes with the program, in an area the
// generator (scripts/make-assets) fills with one colour.
struct KnownPixel {
    const char* file;  // below assets/
    int x;
    int y;
    QRgb colour;
};

const KnownPixel KnownPixels[] = {
        {"data/arrow-left.png", 13, 12, 0x1a73e8},
        {"data/arrow-right.png", 10, 12, 0x1a73e8},
        {"data/donate-dollar.png", 30, 8, 0xffc439},
        {"data/donate-euro.png", 30, 8, 0xffc439},
        {"data/flag-angola.png", 2, 4, 0xcc092f},
        {"data/flag-argentina.png", 2, 4, 0x74acdf},
        {"data/flag-australia.png", 13, 11, 0x00247d},
        {"data/flag-brazil.png", 8, 8, 0x002776},
        {"data/flag-costarica.png", 8, 7, 0xce1126},
        {"data/flag-croatia.png", 2, 4, 0xff0000},
        {"data/flag-czechrepublic.png", 2, 8, 0x11457e},
        {"data/flag-ecuador.png", 8, 4, 0xffdd00},
        {"data/flag-england.png", 7, 7, 0xce1124},
        {"data/flag-france.png", 2, 8, 0x0055a4},
        {"data/flag-germany.png", 8, 8, 0xdd0000},
        {"data/flag-ghana.png", 8, 11, 0x006b3f},
        {"data/flag-iran.png", 2, 4, 0x239f40},
        {"data/flag-italy.png", 2, 8, 0x009246},
        {"data/flag-ivorycoast.png", 2, 8, 0xf77f00},
        {"data/flag-japan.png", 8, 8, 0xbc002d},
        {"data/flag-korearepublic.png", 8, 6, 0xcd2e3a},
        {"data/flag-mexico.png", 2, 8, 0x006847},
        {"data/flag-netherlands.png", 2, 4, 0xae1c28},
        {"data/flag-paraguay.png", 2, 4, 0xd52b1e},
        {"data/flag-poland.png", 8, 10, 0xdc143c},
        {"data/flag-portugal.png", 2, 4, 0x006600},
        {"data/flag-saudiarabia.png", 2, 4, 0x006c35},
        {"data/flag-serbia.png", 2, 4, 0x0c4076},
        {"data/flag-spain.png", 8, 8, 0xf1bf00},
        {"data/flag-sweden.png", 2, 4, 0x006aa7},
        {"data/flag-switzerland.png", 2, 4, 0xda291c},
        {"data/flag-togo.png", 11, 4, 0x006a4e},
        {"data/flag-trinidad.png", 13, 4, 0xce1126},
        {"data/flag-tunisia.png", 2, 4, 0xe70013},
        {"data/flag-ukraine.png", 2, 4, 0x0057b7},
        {"data/flag-usa.png", 11, 11, 0xb22234},
        {"data/menu-federations.png", 3, 5, 0x1e88e5},
        {"data/menu-fifa.png", 4, 4, 0xffffff},
        {"data/menu-worldcup.png", 8, 5, 0xd4a017},
        {"data/tiplark.png", 20, 128, 0x2e7d32},
        {"icons/tiplark-256.png", 20, 128, 0x2e7d32},
        {"icons/tiplark-48.png", 4, 24, 0x2e7d32},
        {"data/stadium-berlin.jpg", 36, 148, 0x1f3f8f},
        {"data/stadium-cologne.jpg", 36, 148, 0xc62828},
        {"data/stadium-dortmund.jpg", 36, 148, 0xf9c800},
        {"data/stadium-frankfurt.jpg", 36, 148, 0x1b1b1b},
        {"data/stadium-gelsenkirchen.jpg", 36, 148, 0x1565c0},
        {"data/stadium-hamburg.jpg", 36, 148, 0x0d47a1},
        {"data/stadium-hanover.jpg", 36, 148, 0x2e7d32},
        {"data/stadium-kaiserslautern.jpg", 36, 148, 0xb71c1c},
        {"data/stadium-leipzig.jpg", 36, 148, 0x283593},
        {"data/stadium-munich.jpg", 36, 148, 0xd32f2f},
        {"data/stadium-nuremberg.jpg", 36, 148, 0x8e1b1b},
        {"data/stadium-stuttgart.jpg", 36, 148, 0xc62828},
        {"data/trophy-tall.jpg", 104, 462, 0x8d6e1a},
        {"data/trophy-small.jpg", 30, 132, 0x8d6e1a},
        {"data/valencia.jpg", 200, 150, 0xff6f00},
        {"data/dedication.jpg", 170, 130, 0xc62828},
};

// Generous enough for JPEG's rounding and for scaled-down drawings; a
// picture drawn as noise or in the wrong colours misses it.
constexpr int Tolerance = 16;

bool near(QRgb seen, QRgb expected)
{
    return std::abs(qRed(seen) - qRed(expected)) <= Tolerance && std::abs(qGreen(seen) - qGreen(expected)) <= Tolerance
        && std::abs(qBlue(seen) - qBlue(expected)) <= Tolerance;
}

QString assetFolder(const QString& sub)
{
    return QStringLiteral(TIPLARK_ASSET_SOURCE_DIR) + QLatin1Char('/') + sub;
}

}  // namespace

class ShippedPicturesTest : public QObject {
    Q_OBJECT

private slots:
    // Each picture as the windows show it: loaded the program's way and
    // painted by Qt over a background none of them uses.
    void everyPictureShowsItsKnownPixel_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::addColumn<uint>("colour");
        for (const KnownPixel& pixel : KnownPixels)
            QTest::newRow(pixel.file) << QString::fromLatin1(pixel.file) << pixel.x << pixel.y << uint(pixel.colour);
    }

    void everyPictureShowsItsKnownPixel()
    {
        QFETCH(QString, file);
        QFETCH(int, x);
        QFETCH(int, y);
        QFETCH(uint, colour);
        const QFileInfo path(assetFolder(file));
        const AssetLocator assets({path.absolutePath()});
        const QPixmap picture = assets.picture(path.fileName());
        QVERIFY(!picture.isNull());

        QImage painted(picture.size(), QImage::Format_RGB32);
        painted.fill(Qt::magenta);
        QPainter(&painted).drawPixmap(0, 0, picture);
        const QRgb seen = painted.pixel(x, y);
        QVERIFY2(near(seen, colour),
                 qPrintable(QStringLiteral("#%1 instead of #%2").arg(seen & 0xffffff, 6, 16, QLatin1Char('0')).arg(colour, 6, 16, QLatin1Char('0'))));
    }

    // Every picture file shipped has a row above, so none goes unchecked.
    void everyShippedPictureHasAKnownPixel()
    {
        QStringList listed;
        for (const KnownPixel& pixel : KnownPixels)
            listed << QString::fromLatin1(pixel.file);
        for (const QString& sub : {QStringLiteral("data"), QStringLiteral("icons")}) {
            const QStringList files = QDir(assetFolder(sub)).entryList({"*.png", "*.jpg"}, QDir::Files);
            QVERIFY(!files.isEmpty());
            for (const QString& name : files)
                QVERIFY2(listed.contains(sub + QLatin1Char('/') + name), qPrintable(name));
        }
    }

    // PNG keeps its bit depth in the header; 16-bit samples are drawn as
    // noise by some Qt versions, so every PNG holds 8 bits or fewer.
    void everyPngHasAtMostEightBitsPerChannel()
    {
        for (const KnownPixel& pixel : KnownPixels) {
            if (!QByteArray(pixel.file).endsWith(".png"))
                continue;
            QFile file(assetFolder(QString::fromLatin1(pixel.file)));
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QByteArray header = file.read(25);
            QVERIFY(header.startsWith("\x89PNG") && header.mid(12, 4) == "IHDR");
            QVERIFY2(quint8(header[24]) <= 8, pixel.file);
        }
    }
};

}  // namespace tiplark

QTEST_MAIN(tiplark::ShippedPicturesTest)
#include "ShippedPicturesTest.moc"
