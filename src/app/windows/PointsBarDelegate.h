#pragma once

#include <QStyledItemDelegate>

namespace tiplark {

// Draws a cell's number over a bar as long as its share of the maximum, so
// that a leaderboard shows the gaps between players at a glance.
class PointsBarDelegate : public QStyledItemDelegate {
public:
    PointsBarDelegate(int maximum, QObject* parent);
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    int m_maximum;
};

}  // namespace tiplark
