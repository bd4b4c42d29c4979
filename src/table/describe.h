#pragma once
// The table as assistive technology reads it: a name and a description for every control the
// player uses, kept in step with the game after every message from the host and every action of
// the player, and announcements of turns, plays, passes, round ends and the winner on the status
// line, so a screen reader speaks them wherever the focus is.

#include "mirror/events.h"
#include "mirror/tablemirror.h"

#include <QObject>
#include <QString>

class BoardView;
class HandView;
class QLabel;
class QWidget;
class SeatRows;
class StatusLine;

class Describer : public QObject {
public:
    Describer(const mirror::TableMirror& mirror, const SeatRows& seats, const HandView& hand, const BoardView& board,
              const StatusLine& status, QWidget* panel);
    // Names for the controls that never change: the banner and the chat input.
    void nameControls(QWidget* banner, QWidget* chatInput);

    void react(const mirror::Event& event);
    void describeTable();
    void describeHand();
    // Speaks the text now, wherever the focus is.
    void announce(const QString& text);

private:
    void describeMarkers();
    void describeBoard();
    void describeSeats();
    QString seatSpoken(int seat) const;
    QString playSpoken(const mirror::Played& play) const;

    const mirror::TableMirror& mirror_;
    const SeatRows& seats_;
    const HandView& hand_;
    const BoardView& board_;
    const StatusLine& status_;
    QLabel* announcer_ = nullptr;
};
