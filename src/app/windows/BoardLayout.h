#pragma once

#include "board/Board.h"
#include "tournament/BoardControls.h"

#include <QRectF>
#include <QSizeF>

#include <vector>

namespace tiplark {

// Where each control of the board stands, in design units: panels and the
// controls lying on the window relative to the board, the others relative to
// their panel. The view multiplies everything, fonts included, by one scale
// factor, so the board keeps its proportions on every screen.
class BoardLayout {
public:
    struct Placement {
        QRectF rect;
        qreal fontSize = 11;  // pixels at scale 1
        Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;  // of a label's text
        bool emphasised = false;  // bold whatever the board says: headings, the clear buttons' "x"
    };

    BoardLayout(const Board& board, const BoardControls& controls);

    const Placement& placement(ControlId id) const { return m_placements[static_cast<size_t>(id)]; }
    // The design area the whole board needs, margins included.
    static QRectF canvas();

private:
    void placeGroup(const GroupControls& group, int index);
    void placeStandings(const GroupControls& group, int index);
    void placeRound(const RoundControls& round, const QRectF& panel);
    void place(ControlId id, const QRectF& rect, qreal fontSize = 11);
    void centre(ControlId id) { m_placements[static_cast<size_t>(id)].alignment = Qt::AlignCenter; }
    void emphasise(ControlId id) { m_placements[static_cast<size_t>(id)].emphasised = true; }

    std::vector<Placement> m_placements;
};

}  // namespace tiplark
