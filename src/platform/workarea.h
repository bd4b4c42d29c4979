#pragma once
// The desktop's work area: the screen without the task bar and the docks.

#include <QRect>

class QWidget;

// The work area of the screen `window` is on; of the primary screen when the window is null or
// not yet on a screen. An empty rectangle when there is no screen at all.
QRect desktopWorkArea(const QWidget* window = nullptr);
