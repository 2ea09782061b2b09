#include "windows/PagedBoardShape.h"

#include "windows/BoardLayout.h"
#include "windows/BoardMetrics.h"

#include <algorithm>
#include <map>

namespace tiplark {
namespace {

using namespace board_metrics;

constexpr int GroupsPageIndex = 0;
constexpr int KnockoutPageIndex = 1;

constexpr qreal PageMargin = 3;
constexpr qreal LinePitch = 19;
constexpr qreal RowPitch = 18;
// A flag of 4:3 in the middle of a line, a little gap before the name.
constexpr qreal FlagWidth = 16;
constexpr qreal FlagHeight = 12;
constexpr qreal FlagGap = 3;
// The longest board name, fourteen characters, at the normal font.
constexpr qreal NameWidth = 104;

// The groups page: cards four to a row.
constexpr int CardsPerRow = 4;
constexpr qreal CardWidth = 330;
constexpr qreal CardGap = 8;
constexpr qreal CardRowGap = 6;
constexpr qreal TablesGap = 3;  // between a group's matches and its table
constexpr qreal MatchesTop = 22;
constexpr qreal TableRowsTop = 20;
// Room kept free at the right end of a table's heading row.
constexpr qreal HeadingMarkRoom = 20;
// Points and matches hold "Pkt" and "Sp"; goals three digits; the
// difference four ("+297").
constexpr qreal StandingsWidths[StandingsColumnCount] = {20, 18, 13, 13, 13, 25, 25, 31};

constexpr qreal standingsWidth()
{
    qreal sum = 0;
    for (const qreal width : StandingsWidths)
        sum += width;
    return sum;
}

// The knockout page.
constexpr qreal RoundWidth = 182;
constexpr qreal RoundGap = 8;
constexpr qreal FirstMatchTop = 38;
constexpr qreal MatchBlock = LinePitch + LineHeight;  // a match's two lines
constexpr qreal MaximumMatchPitch = 42;
constexpr qreal FinalWidth = 280;
constexpr qreal FinalHeight = 105;
constexpr qreal ThirdPlaceHeight = 81;
constexpr qreal ButtonHeight = 25;
constexpr qreal ThirdsWidth = 296;
constexpr qreal ThirdsRowsTop = 40;
constexpr qreal ThirdsCutGap = 6;  // sets the teams that go through apart

QRectF flagBeside(qreal left, qreal top)
{
    return {left, top + (LineHeight - FlagHeight) / 2, FlagWidth, FlagHeight};
}

size_t mostOf(const std::vector<GroupControls>& groups, size_t (*count)(const GroupControls&))
{
    size_t most = 1;
    for (const GroupControls& group : groups)
        most = std::max(most, count(group));
    return most;
}

class GroupsPage {
public:
    GroupsPage(BoardLayout& layout, const BoardControls& controls)
        : m_layout(layout)
        , m_matchesHeight(MatchesTop + static_cast<qreal>(mostOf(controls.groups, [](const GroupControls& g) {
                              return g.score.size();
                          })) * LinePitch + 2)
        , m_tableHeight(TableRowsTop + static_cast<qreal>(mostOf(controls.groups, [](const GroupControls& g) {
                            return g.name.size();
                        })) * RowPitch + 2)
    {
        const qreal cardHeight = m_matchesHeight + TablesGap + m_tableHeight;
        for (size_t g = 0; g < controls.groups.size(); ++g) {
            const auto column = static_cast<qreal>(g % CardsPerRow);
            const auto row = static_cast<qreal>(g / CardsPerRow);
            const QPointF corner(PageMargin + column * (CardWidth + CardGap), PageMargin + row * (cardHeight + CardRowGap));
            placeMatches(controls.groups[g], corner);
            placeTable(controls.groups[g], corner + QPointF(0, m_matchesHeight + TablesGap));
        }
        const auto rows = static_cast<qreal>((controls.groups.size() + CardsPerRow - 1) / CardsPerRow);
        const auto columns = static_cast<qreal>(std::min<size_t>(controls.groups.size(), CardsPerRow));
        layout.placeOnPage(controls.panel21, GroupsPageIndex, {});
        layout.addPage("board.pageGroups", {0, 0, 2 * PageMargin + columns * CardWidth + (columns - 1) * CardGap,
                                            2 * PageMargin + rows * cardHeight + (rows - 1) * CardRowGap});
    }

private:
    void placeMatches(const GroupControls& group, QPointF corner)
    {
        BoardLayout& l = m_layout;
        l.placeOnPage(group.panel, GroupsPageIndex, {corner, QSizeF(CardWidth, m_matchesHeight)});
        l.place(group.heading, {Margin, 3, 160, LineHeight}, HeadingFont);
        l.place(group.clearButton, {CardWidth - Margin - ClearButtonSize, 4, ClearButtonSize, ClearButtonSize});
        l.emphasise(group.heading);
        l.emphasise(group.clearButton);

        // Flag, name to the right, box – box, name to the left, flag: the
        // line reads across its middle.
        const qreal middle = CardWidth / 2;
        const qreal homeBox = middle - 5 - BoxWidth;
        const qreal awayBox = middle + 5;
        const qreal homeName = homeBox - 3 - NameWidth;
        const qreal awayName = awayBox + BoxWidth + 3;
        for (size_t m = 0; m < group.score.size(); ++m) {
            const qreal top = MatchesTop + static_cast<qreal>(m) * LinePitch;
            l.place(group.label[m][0], {homeName, top, NameWidth, LineHeight}, NormalFont);
            l.setAlignment(group.label[m][0], Qt::AlignRight | Qt::AlignVCenter);
            l.setFlag(group.label[m][0], flagBeside(homeName - FlagGap - FlagWidth, top));
            l.place(group.score[m][0], {homeBox, top, BoxWidth, LineHeight}, NormalFont);
            l.addSeparator(group.panel, {middle - 3, top + LineHeight / 2, 6, 1});
            l.place(group.score[m][1], {awayBox, top, BoxWidth, LineHeight}, NormalFont);
            l.place(group.label[m][1], {awayName, top, NameWidth, LineHeight}, NormalFont);
            l.setFlag(group.label[m][1], flagBeside(awayName + NameWidth + FlagGap, top));
        }
    }

    void placeTable(const GroupControls& group, QPointF corner)
    {
        BoardLayout& l = m_layout;
        l.placeOnPage(group.standingsPanel, GroupsPageIndex, {corner, QSizeF(CardWidth, m_tableHeight)});
        constexpr qreal numberWidth = 14;
        constexpr qreal flagLeft = Margin + numberWidth + 1;
        constexpr qreal nameLeft = flagLeft + FlagWidth + FlagGap;
        constexpr qreal cellsLeft = nameLeft + NameWidth;
        static_assert(cellsLeft + standingsWidth() + HeadingMarkRoom <= CardWidth - Margin, "the heading row keeps room at its end");
        l.place(group.standingsHeading, {Margin, 2, cellsLeft - Margin - 2, 17}, HeadingFont);
        l.emphasise(group.standingsHeading);

        qreal columnLeft = cellsLeft;
        for (int c = 0; c < StandingsColumnCount; ++c) {
            l.place(group.columnHeading[c], {columnLeft, 2, StandingsWidths[c], 17}, SmallFont);
            l.centre(group.columnHeading[c]);
            for (size_t row = 0; row < group.cell.size(); ++row)
                l.place(group.cell[row][c], {columnLeft, TableRowsTop + static_cast<qreal>(row) * RowPitch, StandingsWidths[c], LineHeight},
                        SmallFont);
            columnLeft += StandingsWidths[c];
        }
        if (group.levelMark != NoControl) {
            l.place(group.levelMark, {columnLeft + (HeadingMarkRoom - LevelMarkSize) / 2, 1, LevelMarkSize, LevelMarkSize}, SmallFont);
            l.emphasise(group.levelMark);
        }
        for (size_t row = 0; row < group.name.size(); ++row) {
            const qreal top = TableRowsTop + static_cast<qreal>(row) * RowPitch;
            l.place(group.rowNumber[row], {Margin, top, numberWidth, LineHeight}, NormalFont);
            l.place(group.name[row], {nameLeft, top, NameWidth, LineHeight}, NormalFont);
            l.setFlag(group.name[row], flagBeside(flagLeft, top));
        }
    }

    BoardLayout& m_layout;
    qreal m_matchesHeight;
    qreal m_tableHeight;
};

class KnockoutPage {
public:
    KnockoutPage(BoardLayout& layout, const BoardControls& controls, const Tournament& tournament, qreal height)
        : m_layout(layout)
        , m_tournament(tournament)
        , m_height(height)
    {
        // The rounds of the bracket stand in columns; the final and the
        // match for third place beside them.
        int column = 0;
        for (size_t r = 0; r < controls.rounds.size(); ++r) {
            if (static_cast<int>(r) == controls.finalRoundIndex || static_cast<int>(r) == controls.thirdPlaceRoundIndex)
                continue;
            for (const MatchControls& match : controls.rounds[r].matches)
                m_column[match.match] = column;
            m_columns.push_back(&controls.rounds[r]);
            ++column;
        }
        // Matches of the first column follow the bracket from the final
        // down, so that every later match stands level with its two.
        const auto matchCount = static_cast<qreal>(m_columns.empty() ? 1 : m_columns.front()->matches.size());
        m_pitch = std::min(MaximumMatchPitch, (bracketHeight() - FirstMatchTop - 4) / matchCount);
        m_firstTop = FirstMatchTop + std::max<qreal>(0, (bracketHeight() - FirstMatchTop - matchCount * m_pitch) / 2);
        const qreal finalCentre = centreOf(controls.finalMatch().match);
        for (size_t c = 0; c < m_columns.size(); ++c)
            placeColumn(*m_columns[c], static_cast<int>(c));

        const qreal right = PageMargin + static_cast<qreal>(m_columns.size()) * (RoundWidth + RoundGap);
        placeFinals(controls, right, finalCentre);
        placeButtons(controls, right + FinalWidth + RoundGap);
        for (const ThirdsControls& thirds : controls.thirds)
            placeThirds(thirds, right + FinalWidth + RoundGap, tournament.thirds ? tournament.thirds->advance : 0);
        layout.addPage("board.pageKnockout", {0, 0, right + FinalWidth + RoundGap + ThirdsWidth + PageMargin, m_height});
    }

private:
    qreal bracketHeight() const { return m_height - 2 * PageMargin; }

    // The middle of a match's two lines, on its column: a match of the
    // first column takes the next free place, a later one the middle of the
    // matches that send it its teams.
    qreal centreOf(int match)
    {
        if (const auto known = m_centre.find(match); known != m_centre.end())
            return known->second;
        const auto column = m_column.find(match);
        std::vector<qreal> feeders;
        for (const Slot& side : m_tournament.knockout[static_cast<size_t>(match)].sides) {
            const auto from = m_column.find(side.match);
            if (side.kind == Slot::Kind::Winner && from != m_column.end()
                && (column == m_column.end() || from->second == column->second - 1))
                feeders.push_back(centreOf(side.match));
        }
        qreal centre = 0;
        if (feeders.size() == 2)
            centre = (feeders[0] + feeders[1]) / 2;
        else if (feeders.size() == 1)
            centre = feeders[0];
        else
            centre = m_firstTop + static_cast<qreal>(m_leaves++) * m_pitch + MatchBlock / 2;
        m_centre[match] = centre;
        return centre;
    }

    void placeColumn(const RoundControls& round, int column)
    {
        const QRectF panel(PageMargin + column * (RoundWidth + RoundGap), PageMargin, RoundWidth, bracketHeight());
        placeRound(round, panel, [this](const MatchControls& match) { return centreOf(match.match); });
    }

    template <typename Centre>
    void placeRound(const RoundControls& round, const QRectF& panel, Centre centre)
    {
        BoardLayout& l = m_layout;
        l.placeOnPage(round.panel, KnockoutPageIndex, panel);
        const qreal width = panel.width();
        l.place(round.heading, {Margin, 3, width - 2 * Margin - ClearButtonSize, LineHeight}, HeadingFont);
        l.place(round.clearButton, {width - Margin - ClearButtonSize, 5, ClearButtonSize, ClearButtonSize});
        l.emphasise(round.heading);
        l.emphasise(round.clearButton);

        // Columns: flag, team name, score, penalty score under "Pen.".
        const qreal penaltyLeft = width - Margin - BoxWidth;
        const qreal scoreLeft = penaltyLeft - 3 - BoxWidth;
        const qreal nameLeft = Margin + FlagWidth + FlagGap;
        l.place(round.penaltyHeading, {penaltyLeft - 4, 21, BoxWidth + 8, 15}, SmallFont);
        l.centre(round.penaltyHeading);
        for (const MatchControls& match : round.matches) {
            const qreal top0 = centre(match) - MatchBlock / 2;
            for (int side = 0; side < 2; ++side) {
                const qreal top = top0 + side * LinePitch;
                l.place(match.label[side], {nameLeft, top, scoreLeft - 2 - nameLeft, LineHeight}, NormalFont);
                l.setFlag(match.label[side], flagBeside(Margin, top));
                l.place(match.score[side], {scoreLeft, top, BoxWidth, LineHeight}, NormalFont);
                l.place(match.penalty[side], {penaltyLeft, top, BoxWidth, LineHeight}, NormalFont);
            }
        }
    }

    // The final level with the middle of the bracket, the champion above
    // it, the match for third place below.
    void placeFinals(const BoardControls& controls, qreal left, qreal finalCentre)
    {
        BoardLayout& l = m_layout;
        const qreal matchTop = FirstMatchTop + (FinalHeight - FirstMatchTop - MatchBlock) / 2;
        const qreal finalTop = std::clamp(finalCentre - matchTop - MatchBlock / 2, PageMargin + 70,
                                          m_height - PageMargin - FinalHeight - ThirdPlaceHeight - 8);
        const auto middle = [](const MatchControls&) { return FirstMatchTop + (FinalHeight - FirstMatchTop) / 2; };
        placeRound(controls.finalRound(), {left, finalTop, FinalWidth, FinalHeight}, middle);
        if (const RoundControls* third = controls.thirdPlaceRound()) {
            const auto thirdMiddle = [](const MatchControls&) {
                return FirstMatchTop + (ThirdPlaceHeight - FirstMatchTop) / 2;
            };
            placeRound(*third, {left, finalTop + FinalHeight + 8, FinalWidth, ThirdPlaceHeight}, thirdMiddle);
        }
        l.placeOnPage(controls.championHeading, KnockoutPageIndex, {left, finalTop - 66, FinalWidth, 22}, 15);
        l.placeOnPage(controls.champion, KnockoutPageIndex, {left, finalTop - 44, FinalWidth, 36}, 26);
        l.centre(controls.championHeading);
        l.centre(controls.champion);
        l.emphasise(controls.championHeading);
    }

    // Clear All, Save and Exit at the foot of the page's right-hand column.
    void placeButtons(const BoardControls& controls, qreal left)
    {
        BoardLayout& l = m_layout;
        const qreal width = (ThirdsWidth - 2 * Margin) / 3;
        const qreal top = m_height - PageMargin - ButtonHeight;
        l.placeOnPage(controls.clearAllButton, KnockoutPageIndex, {left, top, width, ButtonHeight});
        l.placeOnPage(controls.saveButton, KnockoutPageIndex, {left + width + Margin, top, width, ButtonHeight});
        l.placeOnPage(controls.okButton, KnockoutPageIndex, {left + 2 * (width + Margin), top, width, ButtonHeight});
        l.placeOnPage(controls.cancelButton, KnockoutPageIndex, {});
    }

    // Rank, group, flag, name, points, goal difference, goals, and the group
    // winner each qualifying team meets; the teams that go through above a
    // line, the others below it.
    void placeThirds(const ThirdsControls& thirds, qreal left, int advancing)
    {
        BoardLayout& l = m_layout;
        constexpr qreal groupLeft = Margin;
        constexpr qreal groupWidth = 24;
        constexpr qreal flagLeft = groupLeft + groupWidth;
        constexpr qreal nameLeft = flagLeft + FlagWidth + FlagGap;
        constexpr qreal nameWidth = NameWidth + 6;
        constexpr qreal cellWidths[3] = {28, 34, 28};
        constexpr qreal opponentWidth = 34;
        const auto rows = static_cast<qreal>(thirds.rows.size());
        const qreal height = ThirdsRowsTop + rows * RowPitch + ThirdsCutGap + 4;
        l.placeOnPage(thirds.panel, KnockoutPageIndex, {left, PageMargin, ThirdsWidth, height});
        l.place(thirds.heading, {Margin, 3, ThirdsWidth - 2 * Margin - HeadingMarkRoom, LineHeight}, HeadingFont);
        l.emphasise(thirds.heading);
        if (thirds.levelMark != NoControl) {
            l.place(thirds.levelMark, {ThirdsWidth - Margin - LevelMarkSize, 3, LevelMarkSize, LevelMarkSize}, SmallFont);
            l.emphasise(thirds.levelMark);
        }

        l.place(thirds.columnHeading[0], {groupLeft, 21, groupWidth, 15}, SmallFont);
        l.centre(thirds.columnHeading[0]);
        qreal cellLeft = nameLeft + nameWidth;
        for (size_t c = 0; c < 3; ++c) {
            l.place(thirds.columnHeading[c + 1], {cellLeft, 21, cellWidths[c], 15}, SmallFont);
            l.centre(thirds.columnHeading[c + 1]);
            cellLeft += cellWidths[c];
        }
        for (size_t row = 0; row < thirds.rows.size(); ++row) {
            const ThirdsControls::Row& line = thirds.rows[row];
            const qreal top = ThirdsRowsTop + static_cast<qreal>(row) * RowPitch
                              + (static_cast<int>(row) >= advancing ? ThirdsCutGap : 0);
            l.place(line.group, {groupLeft, top, groupWidth, LineHeight}, NormalFont);
            l.centre(line.group);
            l.place(line.name, {nameLeft, top, nameWidth, LineHeight}, NormalFont);
            l.setFlag(line.name, flagBeside(flagLeft, top));
            qreal rowCellLeft = nameLeft + nameWidth;
            for (size_t c = 0; c < line.cell.size(); ++c) {
                l.place(line.cell[c], {rowCellLeft, top, cellWidths[c], LineHeight}, SmallFont);
                l.centre(line.cell[c]);
                rowCellLeft += cellWidths[c];
            }
            l.place(line.opponent, {rowCellLeft, top, opponentWidth, LineHeight}, NormalFont);
            l.centre(line.opponent);
        }
        if (advancing > 0 && advancing < static_cast<int>(thirds.rows.size()))
            l.addSeparator(thirds.panel, {Margin, ThirdsRowsTop + advancing * RowPitch + ThirdsCutGap / 2 - 0.5,
                                          ThirdsWidth - 2 * Margin, 1});
    }

    BoardLayout& m_layout;
    const Tournament& m_tournament;
    qreal m_height;
    std::vector<const RoundControls*> m_columns;
    std::map<int, int> m_column;     // knockout match → its column
    std::map<int, qreal> m_centre;   // knockout match → the middle of its lines
    qreal m_pitch = MaximumMatchPitch;
    qreal m_firstTop = FirstMatchTop;
    int m_leaves = 0;
};

}  // namespace

void layOutPagedBoard(BoardLayout& layout, const BoardControls& controls, const Tournament& tournament)
{
    GroupsPage{layout, controls};
    // Both pages as high as the groups need, so that they share one scale.
    KnockoutPage{layout, controls, tournament, layout.pages().front().canvas.height()};
}

}  // namespace tiplark
