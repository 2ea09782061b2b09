#include "windows/BoardLayout.h"

#include "windows/ClassicBoardShape.h"
#include "windows/PagedBoardShape.h"

#include <algorithm>

namespace tiplark {

BoardLayout::BoardLayout(const Board& board, const BoardControls& controls, const Tournament& tournament)
    : m_placements(static_cast<size_t>(board.size()))
{
    if (fitsClassicBoard(controls))
        layOutClassicBoard(*this, controls);
    else
        layOutPagedBoard(*this, controls, tournament);
}

QSizeF BoardLayout::canvasSize() const
{
    QSizeF size;
    for (const Page& page : m_pages)
        size = size.expandedTo(page.canvas.size());
    return size;
}

void BoardLayout::place(ControlId id, const QRectF& rect, qreal fontSize)
{
    Placement placement;
    placement.rect = rect;
    placement.fontSize = fontSize;
    at(id) = placement;
}

void BoardLayout::placeOnPage(ControlId id, int page, const QRectF& rect, qreal fontSize)
{
    place(id, rect, fontSize);
    at(id).page = page;
}

}  // namespace tiplark
