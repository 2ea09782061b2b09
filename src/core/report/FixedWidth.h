#pragma once

#include <string>
#include <string_view>

namespace tiplark {

// Fixed-width helpers of the report and the schedule. Widths count
// characters, not bytes: the texts are UTF-8 and a name such as "Équateur"
// must take as many columns as it has letters.
std::size_t characterCount(std::string_view text);

// text padded on the left to width characters; a longer text stays whole.
std::string right(std::string_view text, std::size_t width);
// The same, appended to a line being built, which saves a temporary per column.
void appendRight(std::string& line, std::string_view text, std::size_t width);
void appendLeft(std::string& line, std::string_view text, std::size_t width);
// text padded on the right to width characters; a longer text stays whole.
std::string left(std::string_view text, std::size_t width);
// Only a to z are raised; accented letters keep their case ("3èME PLACE").
std::string upper(std::string_view text);
// a to z and the accented letters of Latin-1 raised ("3ÈME PLACE", "ESPAÑA"),
// for the reports of tournaments other than the board's own.
std::string capitals(std::string_view text);

}  // namespace tiplark
