#pragma once

#include <string>
#include <vector>

namespace tiplark {

class MainBoard;

// The printed report of the board in its language: the 2006 board's own
// report copied from its boxes, any other tournament's from its prediction
// (TournamentReportLines).
std::vector<std::string> boardReportLines(const MainBoard& main);

// The schedule window's lines in the time zone of the board's preferences:
// the 2006 board's own schedule, any other tournament's from its kick-offs
// and venues (TournamentScheduleLines).
std::vector<std::string> boardScheduleLines(const MainBoard& main);

}  // namespace tiplark
