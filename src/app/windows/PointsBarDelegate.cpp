#include "windows/PointsBarDelegate.h"

#include <QPainter>

namespace tiplark {

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
        painter->fillRect(bar, QColor(0x9c, 0xc3, 0xe6));
        painter->restore();
    }
    QStyledItemDelegate::paint(painter, option, index);
}

}  // namespace tiplark
