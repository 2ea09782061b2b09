#pragma once

#include <QSize>

class QWidget;

namespace tiplark {

// The room a top-level window has on its screen: the available area (the
// desktop's panels left out) less the window's frame.
QSize roomOnScreen(const QWidget* window);

// Keeps a top-level window within the available area of its screen: a
// window larger than the room there is shrunk to it, as far as its minimum
// size allows, and centred. One that still does not fit shows its title bar.
void fitOnScreen(QWidget* window);

}  // namespace tiplark
