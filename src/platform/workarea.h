#pragma once
// The desktop's work area: the screen without the task bar and the docks.

#include <QList>
#include <QRect>

class QWidget;

// The work area of the screen `window` is on; of the primary screen when the window is null or
// not yet on a screen. An empty rectangle when there is no screen at all.
QRect desktopWorkArea(const QWidget* window = nullptr);

// The work areas of every screen, the primary one first.
QList<QRect> desktopWorkAreas();

// Where a window stored at `stored` goes on these screens. Within one screen: where it was.
// Partly on screens: at its stored size, moved into the screen that holds most of it (the first
// of equals; a window larger than that screen keeps its top left corner on it). On no screen at
// all, or with a size that is not positive: `fallback`.
QRect placeOnScreens(const QRect& stored, const QList<QRect>& screens, const QRect& fallback);
