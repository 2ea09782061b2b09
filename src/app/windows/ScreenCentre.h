#pragma once

class QWidget;

namespace tiplark {

// Moves a top-level window to the middle of the screen it is on.
void centreOnScreen(QWidget* window);

}  // namespace tiplark
