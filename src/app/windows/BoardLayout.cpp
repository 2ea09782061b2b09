#include "windows/BoardLayout.h"

#include <algorithm>
#include <iterator>

namespace tiplark {
namespace {

constexpr qreal NormalFont = 11;
constexpr qreal HeadingFont = 12;
constexpr qreal SmallFont = 10;

constexpr qreal GroupPanelWidth = 113;
constexpr qreal GroupPanelHeight = 273;
constexpr qreal StandingsWidth = 265;
constexpr qreal StandingsHeight = 97;
constexpr qreal StandingsPitch = 104;

constexpr qreal LineHeight = 18;
constexpr qreal BoxWidth = 21;
constexpr qreal ClearButtonSize = 15;
constexpr qreal Margin = 6;

// Knockout panels in round order: GPFinal8, GPFinal4, GPFinal2, GPThird, GPFinal.
constexpr QRectF RoundPanels[] = {
    {560, 280, 145, 377}, {712, 280, 145, 209}, {864, 280, 137, 121}, {864, 408, 137, 81}, {712, 496, 289, 105},
};

qreal groupPanelLeft(int index)
{
    // Panel21 separates groups A-D from E-H.
    return index < 4 ? 16 + 120 * index : 528 + 120 * (index - 4);
}

}  // namespace

BoardLayout::BoardLayout(const Board& board, const BoardControls& controls)
    : m_placements(static_cast<size_t>(board.size()))
{
    for (size_t g = 0; g < controls.groups.size(); ++g) {
        placeGroup(controls.groups[g], static_cast<int>(g));
        placeStandings(controls.groups[g], static_cast<int>(g));
    }
    place(controls.panel21, {496, 0, 25, GroupPanelHeight});
    // A tournament with more rounds than these panels (a round of 32) puts
    // its last rounds on the final's panel until the layout has room for them.
    for (size_t r = 0; r < controls.rounds.size(); ++r)
        placeRound(controls.rounds[r], RoundPanels[std::min(r, std::size(RoundPanels) - 1)]);

    place(controls.championHeading, {712, 604, 289, 22}, 15);
    place(controls.champion, {712, 626, 289, 36}, 26);
    centre(controls.championHeading);
    centre(controls.champion);
    emphasise(controls.championHeading);
    // Three buttons share the final's width below the champion, in the
    // order Clear All, Save, Exit.
    const qreal buttonWidth = (289 - 2 * Margin) / 3;
    place(controls.clearAllButton, {712, 666, buttonWidth, 25});
    place(controls.saveButton, {712 + buttonWidth + Margin, 666, buttonWidth, 25});
    place(controls.okButton, {712 + 2 * (buttonWidth + Margin), 666, buttonWidth, 25});
    place(controls.cancelButton, {0, 0, 0, 0});
}

QRectF BoardLayout::canvas()
{
    return {0, -8, 1017, 705};
}

void BoardLayout::place(ControlId id, const QRectF& rect, qreal fontSize)
{
    m_placements[static_cast<size_t>(id)] = {rect, fontSize};
}

void BoardLayout::placeGroup(const GroupControls& group, int index)
{
    place(group.panel, {groupPanelLeft(index), 0, GroupPanelWidth, GroupPanelHeight});
    place(group.heading, {Margin, 3, 80, LineHeight}, HeadingFont);
    place(group.clearButton, {GroupPanelWidth - Margin - ClearButtonSize, 5, ClearButtonSize, ClearButtonSize});
    emphasise(group.heading);
    emphasise(group.clearButton);

    const qreal labelWidth = GroupPanelWidth - 2 * Margin - BoxWidth - 2;
    for (size_t m = 0; m < group.score.size(); ++m) {
        for (size_t side = 0; side < 2; ++side) {
            const qreal top = 26 + m * 41 + side * 19;
            place(group.label[m][side], {Margin, top, labelWidth, LineHeight});
            place(group.score[m][side], {Margin + labelWidth + 2, top, BoxWidth, LineHeight});
        }
    }
}

void BoardLayout::placeStandings(const GroupControls& group, int index)
{
    const qreal left = index < 4 ? 16 : 288;
    place(group.standingsPanel, {left, 280 + StandingsPitch * (index % 4), StandingsWidth, StandingsHeight});
    place(group.standingsHeading, {Margin, 2, 96, 17}, HeadingFont);
    emphasise(group.standingsHeading);

    constexpr qreal cellsLeft = 108;
    constexpr qreal rowTop = 21;
    constexpr qreal rowPitch = 18.5;
    // Each column as wide as its widest value: points and matches one
    // digit, goals three (99 a match), the difference four ("+297"); the
    // points and matches columns also hold the German headings "Pkt" and
    // "Sp" with room between them.
    constexpr qreal columnWidths[StandingsColumnCount] = {18, 17, 12, 12, 12, 25, 25, 31};
    qreal columnLeft = cellsLeft;
    for (int c = 0; c < StandingsColumnCount; ++c) {
        place(group.columnHeading[c], {columnLeft, 2, columnWidths[c], 17}, SmallFont);
        centre(group.columnHeading[c]);
        for (size_t row = 0; row < group.cell.size(); ++row)
            place(group.cell[row][c], {columnLeft, rowTop + row * rowPitch, columnWidths[c], LineHeight}, SmallFont);
        columnLeft += columnWidths[c];
    }
    for (size_t row = 0; row < group.name.size(); ++row) {
        const qreal top = rowTop + static_cast<qreal>(row) * rowPitch;
        place(group.rowNumber[row], {Margin, top, 14, LineHeight});
        place(group.name[row], {Margin + 14, top, cellsLeft - Margin - 16, LineHeight});
    }
}

void BoardLayout::placeRound(const RoundControls& round, const QRectF& panel)
{
    place(round.panel, panel);
    const qreal width = panel.width();
    place(round.heading, {Margin, 3, width - 2 * Margin - ClearButtonSize, LineHeight}, HeadingFont);
    place(round.clearButton, {width - Margin - ClearButtonSize, 5, ClearButtonSize, ClearButtonSize});
    emphasise(round.heading);
    emphasise(round.clearButton);

    // Columns: team name, score, penalty score under the "Pen." heading.
    const qreal penaltyLeft = width - Margin - BoxWidth;
    const qreal scoreLeft = penaltyLeft - 3 - BoxWidth;
    const qreal labelWidth = scoreLeft - 2 - Margin;
    place(round.penaltyHeading, {penaltyLeft - 4, 21, BoxWidth + 8, 15}, SmallFont);
    centre(round.penaltyHeading);

    const auto matchCount = static_cast<int>(round.matches.size());
    constexpr qreal firstTop = 38;
    const qreal pitch = std::min<qreal>(42, (panel.height() - firstTop) / matchCount);
    // A panel with room to spare centres its matches below the headings.
    const qreal top0 = firstTop + std::max<qreal>(0, (panel.height() - firstTop - matchCount * pitch) / 2);
    for (int m = 0; m < matchCount; ++m) {
        const MatchControls& match = round.matches[static_cast<size_t>(m)];
        for (int side = 0; side < 2; ++side) {
            const qreal top = top0 + m * pitch + side * 19;
            place(match.label[side], {Margin, top, labelWidth, LineHeight});
            place(match.score[side], {scoreLeft, top, BoxWidth, LineHeight});
            place(match.penalty[side], {penaltyLeft, top, BoxWidth, LineHeight});
        }
    }
}

}  // namespace tiplark
