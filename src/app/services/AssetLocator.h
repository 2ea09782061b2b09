#pragma once

#include <QPixmap>
#include <QString>
#include <QStringList>

namespace tiplark {

// Finds the pictures and sounds that come with the program: in the program's
// own folder first, then in the installed data folder (found both beside the
// program's bin folder, for a moved installation, and at its configured place).
class AssetLocator {
public:
    AssetLocator();
    explicit AssetLocator(QStringList folders);

    // The full path of an asset, or an empty text when no folder has it.
    QString find(const QString& fileName) const;
    // A picture asset; JPEG pictures are read with libjpeg. A missing or
    // damaged file gives a null pixmap.
    QPixmap picture(const QString& fileName) const;

    const QStringList& folders() const { return m_folders; }

private:
    QStringList m_folders;
};

}  // namespace tiplark
