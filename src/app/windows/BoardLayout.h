#pragma once

#include "board/Board.h"
#include "engine/Tournament.h"
#include "tournament/BoardControls.h"

#include <QRectF>
#include <QSizeF>

#include <vector>

namespace tiplark {

// Where each control of the board stands, in design units: panels and the
// controls lying on the window relative to their page, the others relative
// to their panel. The view multiplies everything, fonts included, by one
// scale factor, so the board keeps its proportions on every screen.
//
// The shape of the tournament chooses the design: a board of eight groups
// and five rounds keeps the one page of the 2006 board (ClassicBoardShape);
// any other gets a page of groups and a page of the knockout
// (PagedBoardShape). The shapes fill the layout through the setters below.
class BoardLayout {
public:
    struct Placement {
        QRectF rect;
        qreal fontSize = 11;  // pixels at scale 1
        Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;  // of a label's text
        bool emphasised = false;  // bold whatever the board says: headings, the clear buttons' "x"
        // Where a team label shows its team's flag, on the label's parent;
        // empty where the design has no room for one.
        QRectF flag;
        int page = 0;  // of a control lying on the window
    };
    struct Page {
        const char* titleKey = nullptr;  // language key of its tab; none on a board of one page
        QRectF canvas;                   // the design area it needs, margins included
    };
    // A thin line on a panel that sets rows apart.
    struct Separator {
        ControlId panel = NoControl;
        QRectF rect;
    };

    BoardLayout(const Board& board, const BoardControls& controls, const Tournament& tournament);

    const Placement& placement(ControlId id) const { return m_placements[static_cast<size_t>(id)]; }
    const std::vector<Page>& pages() const { return m_pages; }
    const std::vector<Separator>& separators() const { return m_separators; }
    // The design size the largest page needs.
    QSizeF canvasSize() const;

    // Used by the shapes while they build the layout.
    void place(ControlId id, const QRectF& rect, qreal fontSize = 11);
    void placeOnPage(ControlId id, int page, const QRectF& rect, qreal fontSize = 11);
    void setAlignment(ControlId id, Qt::Alignment alignment) { at(id).alignment = alignment; }
    void centre(ControlId id) { setAlignment(id, Qt::AlignCenter); }
    void emphasise(ControlId id) { at(id).emphasised = true; }
    void setFlag(ControlId label, const QRectF& rect) { at(label).flag = rect; }
    void addPage(const char* titleKey, const QRectF& canvas) { m_pages.push_back({titleKey, canvas}); }
    void addSeparator(ControlId panel, const QRectF& rect) { m_separators.push_back({panel, rect}); }

private:
    Placement& at(ControlId id) { return m_placements[static_cast<size_t>(id)]; }

    std::vector<Placement> m_placements;
    std::vector<Page> m_pages;
    std::vector<Separator> m_separators;
};

}  // namespace tiplark
