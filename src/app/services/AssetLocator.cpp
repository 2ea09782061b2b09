#include "services/AssetLocator.h"

#include "platform/JpegImage.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>

namespace tiplark {

AssetLocator::AssetLocator()
    : AssetLocator(QStringList{
          QCoreApplication::applicationDirPath(),
          QDir::cleanPath(QCoreApplication::applicationDirPath() + "/" + QStringLiteral(TIPLARK_DATA_DIR_FROM_BIN)),
          QStringLiteral(TIPLARK_DATA_DIR),
      })
{
}

AssetLocator::AssetLocator(QStringList folders)
    : m_folders(std::move(folders))
{
}

QString AssetLocator::find(const QString& fileName) const
{
    for (const QString& folder : m_folders) {
        const QFileInfo candidate(QDir(folder), fileName);
        if (candidate.isFile())
            return candidate.absoluteFilePath();
    }
    return {};
}

QPixmap AssetLocator::picture(const QString& fileName) const
{
    const QString path = find(fileName);
    if (path.isEmpty())
        return {};
    if (!fileName.endsWith(QLatin1String(".jpg"), Qt::CaseInsensitive))
        return QPixmap(path);
    const JpegImage jpeg = JpegImage::load(path.toStdString());
    if (jpeg.isEmpty())
        return {};
    // The view on jpeg's pixels is converted into an image of its own before jpeg goes.
    const QImage view(jpeg.rgb.data(), jpeg.width, jpeg.height, jpeg.width * 3, QImage::Format_RGB888);
    return QPixmap::fromImage(view.convertToFormat(QImage::Format_RGB32));
}

}  // namespace tiplark
