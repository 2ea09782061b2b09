#pragma once

#include <string>
#include <string_view>

namespace tiplark {

// A file name as the command line prints it: one line that no terminal
// reads as a command and no tab-separated reader splits. The backslash,
// tab, line feed and carriage return become \\, \t, \n and \r; other
// control characters (C0, DEL and C1) and bytes that are not UTF-8 become
// \xHH per byte. Every other character stays as it is, so the escaped form
// can be turned back into the bytes of the name.
std::string printableName(std::string_view name);

}  // namespace tiplark
