#pragma once

#include "services/AssetLocator.h"

#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>

namespace tiplark {

// The teams' flags, flags/<FIFA code>.svg among the assets, drawn with Qt's
// SVG module at the size asked for. Each code, size and pixel ratio is drawn
// once per program and kept, so that a board rebuilt for another tournament
// finds its flags ready. For the GUI thread only.
class FlagPictures {
public:
    FlagPictures() = default;
    explicit FlagPictures(AssetLocator locator);

    // The flag fitted into `size` (device-independent pixels) in its own
    // proportions, centred on a transparent ground, drawn for a screen of
    // `devicePixelRatio`. A null pixmap for a code without a readable flag.
    QPixmap pixmap(const QString& code, QSize size, qreal devicePixelRatio = 1.0) const;
    // The flag at `size` for ordinary screens and, where it differs, for the
    // application's pixel ratio; an empty icon for a code without a flag.
    QIcon icon(const QString& code, QSize size) const;

private:
    QPixmap draw(const QString& code, QSize size, qreal devicePixelRatio) const;

    AssetLocator m_locator;
};

}  // namespace tiplark
