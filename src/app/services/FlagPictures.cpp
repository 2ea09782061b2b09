#include "services/FlagPictures.h"

#include <QGuiApplication>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

namespace tiplark {
namespace {

// A flag is an opaque rectangle, but where two of its shapes meet inside a
// pixel, antialiasing lets the ground show through the seam (a pale line
// between the bands of a tricolour): such pixels keep their colour at full
// strength. A pixel nothing was drawn on stays clear.
QImage closeSeams(QImage image, const QRect& frame)
{
    for (int y = frame.top(); y <= frame.bottom(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = frame.left(); x <= frame.right(); ++x) {
            if (qAlpha(line[x]) != 0)
                line[x] |= 0xff000000u;
        }
    }
    return image;
}

QHash<QString, QPixmap>& drawnFlags()
{
    static QHash<QString, QPixmap> drawn;
    return drawn;
}

}  // namespace

FlagPictures::FlagPictures(AssetLocator locator)
    : m_locator(std::move(locator))
{
}

QPixmap FlagPictures::pixmap(const QString& code, QSize size, qreal devicePixelRatio) const
{
    // The asset folders are part of the key: another locator may find
    // another picture, or none.
    const QString key = QStringLiteral("%1 %2 %3x%4 %5")
                            .arg(m_locator.folders().join(QLatin1Char('|')), code)
                            .arg(size.width())
                            .arg(size.height())
                            .arg(devicePixelRatio);
    QHash<QString, QPixmap>& drawn = drawnFlags();
    const auto found = drawn.constFind(key);
    if (found != drawn.constEnd())
        return *found;
    const QPixmap flag = draw(code, size, devicePixelRatio);
    drawn.insert(key, flag);
    return flag;
}

QIcon FlagPictures::icon(const QString& code, QSize size) const
{
    const QPixmap flag = pixmap(code, size);
    if (flag.isNull())
        return {};
    QIcon icon(flag);
    const qreal screenRatio = qApp ? qApp->devicePixelRatio() : 1.0;
    if (screenRatio != 1.0)
        icon.addPixmap(pixmap(code, size, screenRatio));
    return icon;
}

QPixmap FlagPictures::draw(const QString& code, QSize size, qreal devicePixelRatio) const
{
    const QString path = m_locator.find(QStringLiteral("flags/%1.svg").arg(code));
    if (path.isEmpty() || size.isEmpty() || devicePixelRatio <= 0)
        return {};
    QSvgRenderer renderer(path);
    if (!renderer.isValid())
        return {};
    const QSize device = (QSizeF(size) * devicePixelRatio).toSize();
    const QSize fitted = renderer.defaultSize().scaled(device, Qt::KeepAspectRatio);
    // On whole pixels, so that the flag's edges stay sharp; clipped, since
    // some flags draw past their frame and rely on a clip path to trim them.
    const QRect frame(QPoint((device.width() - fitted.width()) / 2, (device.height() - fitted.height()) / 2), fitted);
    QImage image(device, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setClipRect(frame);
        renderer.render(&painter, frame);
    }
    QPixmap flag = QPixmap::fromImage(closeSeams(image.convertToFormat(QImage::Format_ARGB32), frame));
    flag.setDevicePixelRatio(devicePixelRatio);
    return flag;
}

}  // namespace tiplark
