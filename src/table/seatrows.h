#pragma once
// The six seat rows under the hand: who sits there (a player, the computer or "<Waiting>"), the
// bones they hold, their total and last round score, the turn indicator and the watching mark;
// and the list of spectators for the spy list window. Everything is drawn from the mirror.

#include "mirror/tablemirror.h"

#include <QObject>
#include <QStringListModel>

#include <array>
#include <optional>
#include <vector>
#include <functional>

class QLabel;
class QPoint;
class QWidget;
struct Artwork;

class SeatRows : public QObject {
public:
    SeatRows(const mirror::TableMirror& mirror, const Artwork& artwork, QWidget* panel);

    // Brings every row and the spectator list up to what the mirror knows.
    void refresh();
    // What the seat's name label shows (seats 1 to 6; empty for any other number).
    QString caption(int seat) const;
    QLabel* nameLabel(int seat) const { return label_playername[seat]; }
    // Spectators as "<n>: <name>", for the spy list window.
    QStringListModel* spectators() { return &spectators_; }
    // A right click on a seat's name: where, and on which seat.
    std::function<void(int seat, const QPoint& global)> onSeatMenu;

private:
    void buildRow(int seat, const Artwork& artwork, QWidget* panel);

    const mirror::TableMirror& mirror_;
    // What the rows show, so that a row is only touched when its seat changed.
    std::array<std::optional<mirror::SeatState>, mirror::kSeatCount + 1> drawn_{};
    std::vector<mirror::Spectator> drawnSpectators_;
    QStringListModel spectators_;
    std::array<QLabel*, mirror::kSeatCount + 1> label_playername{};
    std::array<QLabel*, mirror::kSeatCount + 1> label_score{};
    std::array<QLabel*, mirror::kSeatCount + 1> label_bonus{};
    std::array<QLabel*, mirror::kSeatCount + 1> label_bones{};
    std::array<QLabel*, mirror::kSeatCount + 1> image_turn{};
    std::array<QLabel*, mirror::kSeatCount + 1> image_eyes{};
};

// A round score with its sign: "+12", "-20", "0".
QString signedScore(int score);
// A text from the wire as the table shows it.
QString shown(const std::string& wire);
