#pragma once
// The hint at the table. Options, Hint and the key H in the hand ask the strong computer player
// which play it would make from this seat; it thinks on a thread of its own, so the window never
// waits for it, and an answer that comes after the game moved on is dropped. The answer raises
// its bone in the hand, lights its toe marker, goes on the status line and to the screen reader,
// and sends nothing to the host. Enter right after it makes that play (or the pass).

#include "mirror/hint.h"
#include "mirror/tablemirror.h"

#include <QObject>
#include <QThreadPool>

#include <functional>
#include <optional>

class BoardView;
class Describer;
class HandView;
class QAction;
class StatusLine;

class TableHint : public QObject {
public:
    TableHint(mirror::TableMirror& mirror, BoardView& board, HandView& hand, StatusLine& status, Describer& describer,
              QAction* entry, QObject* parent);
    // Waits for an answer still being worked out: it never outlives the window.
    ~TableHint() override;

    // H, or the menu entry. Nothing happens but onRefused when the player may not move now.
    void ask();
    // After anything changed the game or the hand: the menu entry follows whether the player may
    // move, and a hint that no longer holds loses its light.
    void sync();
    // The hint shown, while it holds: the same position of the game and, for a play, its bone
    // still the raised one.
    const mirror::Hint* current() const;
    // The hint as the status line and the screen reader give it, in the table's language.
    static QString hintText(const mirror::Hint& hint);
    // Whether an answer is being worked out.
    bool thinking() const { return thinking_ != 0; }

    std::function<void()> onRefused;

private:
    void answered(const mirror::HintQuestion& question, const mirror::HintThought& thought);
    void show(const mirror::Hint& hint);

    mirror::TableMirror& mirror_;
    BoardView& board_;
    HandView& hand_;
    StatusLine& status_;
    Describer& describer_;
    QAction* entry_;
    QThreadPool thinker_;
    int thinking_ = 0; // questions asked and not yet answered
    std::optional<std::uint64_t> asked_; // the position of the latest question
    std::optional<mirror::Hint> shown_;
};
