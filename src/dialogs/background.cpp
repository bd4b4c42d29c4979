#include "dialogs/background.h"

#include <QBrush>
#include <QPalette>
#include <QPixmap>
#include <QWidget>

void setTiledBackground(QWidget* window, const QPixmap& picture)
{
    if (picture.isNull())
        return;
    QPalette palette = window->palette();
    palette.setBrush(QPalette::Window, QBrush(picture));
    window->setPalette(palette);
    window->setAutoFillBackground(true);
}
