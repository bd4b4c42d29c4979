#pragma once
// The table's background picture, tiled over a dialog the way the table shows it.

class QPixmap;
class QWidget;

// A null picture leaves the window's own background.
void setTiledBackground(QWidget* window, const QPixmap& picture);
