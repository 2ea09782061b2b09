#include "windows/PointsBarDelegate.h"

#include <QPainter>

namespace tiplark {
namespace {

// Halfway between the cell's background and the selection colour: the bar
// stands out in any palette, light or dark, and the number in the palette's
// text colour stays readable on it.
QColor barColour(const QPalette& palette)
{
    const QColor base = palette.color(QPalette::Base);
    const QColor highlight = palette.color(QPalette::Highlight);
    return QColor((base.red() + highlight.red()) / 2, (base.green() + highlight.green()) / 2,
                  (base.blue() + highlight.blue()) / 2);
}

}  // namespace

PointsBarDelegate::PointsBarDelegate(int maximum, QObject* parent)
    : QStyledItemDelegate(parent)
    , m_maximum(maximum)
{
}

void PointsBarDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const QVariant value = index.data(Qt::DisplayRole);
    // Text in the cell (an unreadable file's reason) gets no bar.
    if (value.typeId() == QMetaType::Int && m_maximum > 0) {
        const int points = std::clamp(value.toInt(), 0, m_maximum);
        QRect bar = option.rect.adjusted(2, 3, -2, -3);
        bar.setWidth(bar.width() * points / m_maximum);
        painter->save();
        painter->fillRect(bar, barColour(option.palette));
        painter->restore();
    }
    QStyledItemDelegate::paint(painter, option, index);
}

}  // namespace tiplark
