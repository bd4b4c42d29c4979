#pragma once
// What the table says about the game: the status line under the board with the Pass button, the
// round counter, the winner banner and the Start Game button on the board.

#include "mirror/events.h"
#include "mirror/tablemirror.h"

#include <QObject>
#include <QString>

#include <functional>

class ClickImage;
class QFrame;
class QLabel;
class QWidget;
struct Artwork;

class StatusLine : public QObject {
public:
    // The round counter, the Start Game button and the banner go on the board.
    StatusLine(const mirror::TableMirror& mirror, const Artwork& artwork, QWidget* board);
    // The status line and the Pass button go under the hand, once the hand and the seats are made.
    void buildStatus(QWidget* panel);

    void react(const mirror::Event& event, bool hosting);
    // The Pass button as the mirror has it.
    void syncPass();
    // Start Game is for the hosting table, between games.
    void showStart(bool shown);
    // The last seconds of this table's own turn under the turn time limit.
    void showCountdown(int secondsLeft, const QString& hint = {});

    QString text() const;
    // A line of the table's own, such as a hint.
    void say(const QString& text) { setStatus(text); }
    QString roundText() const;
    QLabel* label() const { return label_status; }
    QLabel* roundCounter() const { return label_round; }
    ClickImage* passButton() const { return button_pass; }
    ClickImage* startButton() const { return button_start; }
    std::function<void()> onPass, onStart;

private:
    void setStatus(const QString& text);

    const mirror::TableMirror& mirror_;
    const Artwork& artwork_;
    QLabel* label_round = nullptr;
    ClickImage* button_start = nullptr;
    QFrame* panel_winner = nullptr;
    QLabel* label_winner1 = nullptr;
    QLabel* label_winner2 = nullptr;
    QLabel* label_status = nullptr;
    ClickImage* button_pass = nullptr;
};

// A bold label of the table: its name, caption and place.
QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, QRect geometry, bool bold = false);
// "You have Won the Game!" or "<name> has Won the Game!".
QString winnerBanner(const mirror::GameWon& won);
