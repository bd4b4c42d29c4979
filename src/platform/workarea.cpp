#include "platform/workarea.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

QRect desktopWorkArea(const QWidget* window)
{
    QScreen* screen = window ? window->screen() : nullptr;
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

QList<QRect> desktopWorkAreas()
{
    QList<QRect> areas;
    if (QScreen* primary = QGuiApplication::primaryScreen())
        areas.append(primary->availableGeometry());
    for (QScreen* screen : QGuiApplication::screens())
        if (screen != QGuiApplication::primaryScreen())
            areas.append(screen->availableGeometry());
    return areas;
}

QRect placeOnScreens(const QRect& stored, const QList<QRect>& screens, const QRect& fallback)
{
    if (stored.width() <= 0 || stored.height() <= 0)
        return fallback;
    const QRect* best = nullptr;
    qint64 bestArea = 0;
    for (const QRect& screen : screens) {
        const QRect shared = screen.intersected(stored);
        if (shared == stored)
            return stored;
        const qint64 area = qint64(shared.width()) * shared.height();
        if (area > bestArea) {
            bestArea = area;
            best = &screen;
        }
    }
    if (!best)
        return fallback;
    // Moved the least that brings it inside; the top left corner wins when it cannot all fit.
    const int left = std::max(best->left(), std::min(stored.left(), best->right() + 1 - stored.width()));
    const int top = std::max(best->top(), std::min(stored.top(), best->bottom() + 1 - stored.height()));
    return QRect(QPoint(left, top), stored.size());
}
