#include "windows/ScreenCentre.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace tiplark {
namespace {

// A desktop's usual frame, for a window whose frame is not known yet: the
// window manager draws it only once the window is shown.
constexpr QMargins UsualFrame(4, 30, 4, 4);

const QScreen* screenOf(const QWidget* window)
{
    return window->screen() ? window->screen() : QGuiApplication::primaryScreen();
}

QMargins frameOf(const QWidget* window)
{
    if (window->windowFlags().testFlag(Qt::FramelessWindowHint))
        return {};
    const QRect frame = window->frameGeometry();
    const QRect inner = window->geometry();
    const QMargins known(inner.left() - frame.left(), inner.top() - frame.top(), frame.right() - inner.right(),
                         frame.bottom() - inner.bottom());
    return known.isNull() ? UsualFrame : known;
}

}  // namespace

QSize roomOnScreen(const QWidget* window)
{
    const QScreen* screen = screenOf(window);
    if (!screen)
        return QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    return screen->availableGeometry().size().shrunkBy(frameOf(window));
}

void fitOnScreen(QWidget* window)
{
    const QScreen* screen = screenOf(window);
    if (!screen)
        return;
    // A window the toolkit would size at show time gets that size now, so
    // that it can be measured.
    if (!window->testAttribute(Qt::WA_Resized))
        window->adjustSize();
    window->resize(window->size().boundedTo(roomOnScreen(window)).expandedTo(window->minimumSize()));

    const QRect available = screen->availableGeometry();
    QRect frame = QRect(QPoint(), window->size()).marginsAdded(frameOf(window));
    frame.moveCenter(available.center());
    frame.moveTopLeft(QPoint(std::max(frame.left(), available.left()), std::max(frame.top(), available.top())));
    window->move(frame.topLeft());
}

}  // namespace tiplark
