#include "windows/ClassicBoardShape.h"

#include "windows/BoardLayout.h"
#include "windows/BoardMetrics.h"

#include <algorithm>
#include <iterator>

namespace tiplark {
namespace {

using namespace board_metrics;

constexpr qreal GroupPanelWidth = 113;
constexpr qreal GroupPanelHeight = 273;
constexpr qreal StandingsWidth = 265;
constexpr qreal StandingsHeight = 97;
constexpr qreal StandingsPitch = 104;

constexpr int ClassicGroupCount = 8;

// Knockout panels in round order: GPFinal8, GPFinal4, GPFinal2, GPThird, GPFinal.
constexpr QRectF RoundPanels[] = {
    {560, 280, 145, 377}, {712, 280, 145, 209}, {864, 280, 137, 121}, {864, 408, 137, 81}, {712, 496, 289, 105},
};

qreal groupPanelLeft(int index)
{
    // Panel21 separates groups A-D from E-H.
    return index < 4 ? 16 + 120 * index : 528 + 120 * (index - 4);
}

void placeGroup(BoardLayout& layout, const GroupControls& group, int index)
{
    layout.place(group.panel, {groupPanelLeft(index), 0, GroupPanelWidth, GroupPanelHeight});
    layout.place(group.heading, {Margin, 3, 80, LineHeight}, HeadingFont);
    layout.place(group.clearButton, {GroupPanelWidth - Margin - ClearButtonSize, 5, ClearButtonSize, ClearButtonSize});
    layout.emphasise(group.heading);
    layout.emphasise(group.clearButton);

    const qreal labelWidth = GroupPanelWidth - 2 * Margin - BoxWidth - 2;
    for (size_t m = 0; m < group.score.size(); ++m) {
        for (size_t side = 0; side < 2; ++side) {
            const qreal top = 26 + m * 41 + side * 19;
            layout.place(group.label[m][side], {Margin, top, labelWidth, LineHeight}, NormalFont);
            layout.place(group.score[m][side], {Margin + labelWidth + 2, top, BoxWidth, LineHeight}, NormalFont);
        }
    }
}

void placeStandings(BoardLayout& layout, const GroupControls& group, int index)
{
    const qreal left = index < 4 ? 16 : 288;
    layout.place(group.standingsPanel, {left, 280 + StandingsPitch * (index % 4), StandingsWidth, StandingsHeight});
    layout.place(group.standingsHeading, {Margin, 2, 96, 17}, HeadingFont);
    layout.emphasise(group.standingsHeading);

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
        layout.place(group.columnHeading[c], {columnLeft, 2, columnWidths[c], 17}, SmallFont);
        layout.centre(group.columnHeading[c]);
        for (size_t row = 0; row < group.cell.size(); ++row)
            layout.place(group.cell[row][c], {columnLeft, rowTop + row * rowPitch, columnWidths[c], LineHeight}, SmallFont);
        columnLeft += columnWidths[c];
    }
    for (size_t row = 0; row < group.name.size(); ++row) {
        const qreal top = rowTop + static_cast<qreal>(row) * rowPitch;
        layout.place(group.rowNumber[row], {Margin, top, 14, LineHeight}, NormalFont);
        layout.place(group.name[row], {Margin + 14, top, cellsLeft - Margin - 16, LineHeight}, NormalFont);
    }
    // The level mark ends the heading's part of the row, right of its short
    // caption: the columns take the row up to the panel's edge.
    if (group.levelMark != NoControl) {
        layout.place(group.levelMark, {cellsLeft - 4 - LevelMarkSize, 2, LevelMarkSize, LevelMarkSize}, SmallFont);
        layout.emphasise(group.levelMark);
    }
}

void placeRound(BoardLayout& layout, const RoundControls& round, const QRectF& panel)
{
    layout.place(round.panel, panel);
    const qreal width = panel.width();
    layout.place(round.heading, {Margin, 3, width - 2 * Margin - ClearButtonSize, LineHeight}, HeadingFont);
    layout.place(round.clearButton, {width - Margin - ClearButtonSize, 5, ClearButtonSize, ClearButtonSize});
    layout.emphasise(round.heading);
    layout.emphasise(round.clearButton);

    // Columns: team name, score, penalty score under the "Pen." heading.
    const qreal penaltyLeft = width - Margin - BoxWidth;
    const qreal scoreLeft = penaltyLeft - 3 - BoxWidth;
    const qreal labelWidth = scoreLeft - 2 - Margin;
    layout.place(round.penaltyHeading, {penaltyLeft - 4, 21, BoxWidth + 8, 15}, SmallFont);
    layout.centre(round.penaltyHeading);

    const auto matchCount = static_cast<int>(round.matches.size());
    constexpr qreal firstTop = 38;
    const qreal pitch = std::min<qreal>(42, (panel.height() - firstTop) / matchCount);
    // A panel with room to spare centres its matches below the headings.
    const qreal top0 = firstTop + std::max<qreal>(0, (panel.height() - firstTop - matchCount * pitch) / 2);
    for (int m = 0; m < matchCount; ++m) {
        const MatchControls& match = round.matches[static_cast<size_t>(m)];
        for (int side = 0; side < 2; ++side) {
            const qreal top = top0 + m * pitch + side * 19;
            layout.place(match.label[side], {Margin, top, labelWidth, LineHeight}, NormalFont);
            layout.place(match.score[side], {scoreLeft, top, BoxWidth, LineHeight}, NormalFont);
            layout.place(match.penalty[side], {penaltyLeft, top, BoxWidth, LineHeight}, NormalFont);
        }
    }
}

}  // namespace

bool fitsClassicBoard(const BoardControls& controls)
{
    return controls.groups.size() == ClassicGroupCount && controls.rounds.size() == std::size(RoundPanels)
           && controls.thirds.empty();
}

void layOutClassicBoard(BoardLayout& layout, const BoardControls& controls)
{
    layout.addPage(nullptr, {0, -8, 1017, 705});
    for (size_t g = 0; g < controls.groups.size(); ++g) {
        placeGroup(layout, controls.groups[g], static_cast<int>(g));
        placeStandings(layout, controls.groups[g], static_cast<int>(g));
    }
    layout.place(controls.panel21, {496, 0, 25, GroupPanelHeight});
    for (size_t r = 0; r < controls.rounds.size(); ++r)
        placeRound(layout, controls.rounds[r], RoundPanels[r]);

    layout.place(controls.championHeading, {712, 604, 289, 22}, 15);
    layout.place(controls.champion, {712, 626, 289, 36}, 26);
    layout.centre(controls.championHeading);
    layout.centre(controls.champion);
    layout.emphasise(controls.championHeading);
    // Three buttons share the final's width below the champion, in the
    // order Clear All, Save, Exit.
    const qreal buttonWidth = (289 - 2 * Margin) / 3;
    layout.place(controls.clearAllButton, {712, 666, buttonWidth, 25});
    layout.place(controls.saveButton, {712 + buttonWidth + Margin, 666, buttonWidth, 25});
    layout.place(controls.okButton, {712 + 2 * (buttonWidth + Margin), 666, buttonWidth, 25});
    layout.place(controls.cancelButton, {0, 0, 0, 0});
}

}  // namespace tiplark
