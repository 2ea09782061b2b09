#pragma once

#include <QtGlobal>

// The measures every shape of the board shares, in design units: its fonts
// (pixels at scale 1), the line of a team with its score box, the small
// buttons and the panels' margin.
namespace tiplark::board_metrics {

inline constexpr qreal NormalFont = 11;
inline constexpr qreal HeadingFont = 12;
inline constexpr qreal SmallFont = 10;

inline constexpr qreal Margin = 6;
inline constexpr qreal LineHeight = 18;
inline constexpr qreal BoxWidth = 21;
inline constexpr qreal ClearButtonSize = 15;
inline constexpr qreal LevelMarkSize = 17;

}  // namespace tiplark::board_metrics
