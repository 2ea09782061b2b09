#pragma once

#include "board/Board.h"

#include <functional>
#include <string>
#include <string_view>

namespace tiplark {

// Read access to the texts of the board's controls by name. The report and
// the schedule take their input through it, so they run without a window.
using TextLookup = std::function<const std::string&(std::string_view)>;

inline TextLookup boardTexts(const Board& board)
{
    return [&board](std::string_view name) -> const std::string& { return board.text(name); };
}

}  // namespace tiplark
