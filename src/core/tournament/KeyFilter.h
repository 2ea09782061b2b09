#pragma once

namespace tiplark {

// The key filter of every score and penalty box: true when the typed
// character may reach the box (a digit or backspace). Keys that type no
// character (arrows, delete) never come here.
bool myKeyPress(char32_t character);

}  // namespace tiplark
