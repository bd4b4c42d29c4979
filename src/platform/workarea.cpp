#include "platform/workarea.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

QRect desktopWorkArea(const QWidget* window)
{
    QScreen* screen = window ? window->screen() : nullptr;
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}
