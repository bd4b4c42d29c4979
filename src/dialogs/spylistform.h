#pragma once
// Tspylist: the spectators ("spys") this table knows of, one line each ("7: Ann"), and the
// hosting player's way to remove one from the game. The table keeps the lines in a model and
// fills and empties it from the host's messages; this window only shows them.

#include <QDialog>

#include <functional>

class QAbstractItemModel;
class QAction;
class QListView;
class QMenu;
class QPixmap;
class QPoint;

class Tspylist : public QDialog {
    Q_OBJECT
public:
    // `spys` stays the table's; `background` is the table's background picture, tiled.
    Tspylist(QAbstractItemModel* spys, const QPixmap& background, QWidget* parent = nullptr);

    // Called with the seat number of the spectator to remove. The table's `kicking` decides
    // whether anything is sent (only when it hosts and is logged in).
    void setKicking(std::function<void(int seat)> kicking) { kicking_ = std::move(kicking); }
    // "Remove From Game" is for the hosting player only: the table enables it when it starts
    // hosting.
    void setHosting(bool hosting);

    // The line under the mouse pointer, as last seen over the list (-1: no line). Kept in the
    // list's "tag" property.
    int lineUnderPointer() const;

    void popup_kickhimClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void notePointerAt(const QPoint& position);
    void popup_kickPopup(const QPoint& position);

    QListView* listbox_spys;
    QMenu* popup_kick;
    QAction* popup_kickhim;
    std::function<void(int)> kicking_;
};
