#include "table/hintview.h"

#include "table/boardview.h"
#include "table/describe.h"
#include "table/handview.h"
#include "table/statusline.h"

#include <QAction>
#include <QCoreApplication>
#include <QString>

TableHint::TableHint(mirror::TableMirror& mirror, BoardView& board, HandView& hand, StatusLine& status,
                     Describer& describer, QAction* entry, QObject* parent)
    : QObject(parent), mirror_(mirror), board_(board), hand_(hand), status_(status), describer_(describer), entry_(entry)
{
    // One question at a time; the thread goes when idle.
    thinker_.setMaxThreadCount(1);
    entry_->setEnabled(false);
    connect(entry_, &QAction::triggered, this, [this] { ask(); });
}

TableHint::~TableHint()
{
    // The answer's queued delivery goes with this object; the thread must not post to it after.
    thinker_.waitForDone();
}

void TableHint::ask()
{
    const auto question = mirror::askHint(mirror_);
    if (!question) {
        if (onRefused)
            onRefused();
        return;
    }
    if (const mirror::Hint* shown = current()) {
        show(mirror::Hint(*shown)); // said again
        return;
    }
    if (asked_ == question->position && thinking_ != 0)
        return; // already on its way
    asked_ = question->position;
    ++thinking_;
    thinker_.start([this, question = *question] {
        const mirror::HintThought thought = mirror::thinkHint(question);
        QMetaObject::invokeMethod(
            this, [this, question, thought] { answered(question, thought); }, Qt::QueuedConnection);
    });
}

void TableHint::answered(const mirror::HintQuestion& question, const mirror::HintThought& thought)
{
    --thinking_;
    // None when the game moved on meanwhile: a late answer is dropped.
    if (const auto hint = mirror::readHint(mirror_, question, thought))
        show(*hint);
}

// The mirror's text is English; the player reads it in the table's language.
QString TableHint::hintText(const mirror::Hint& hint)
{
    if (hint.pass)
        return QCoreApplication::translate("TableHint", "Hint: pass");
    //: A bone named by its larger end first, then the toe marker to play it on
    return QCoreApplication::translate("TableHint", "Hint: %1|%2 on toe %3").arg(hint.high).arg(hint.low).arg(hint.toe);
}

void TableHint::show(const mirror::Hint& hint)
{
    if (!hint.pass)
        mirror_.raiseOnly(hint.slot);
    else
        mirror_.lowerHand();
    shown_ = hint;
    hand_.sync();
    board_.setHintedToe(hint.pass ? 0 : hint.toe);
    const QString text = hintText(hint);
    status_.say(text);
    describer_.announce(text);
    describer_.describeHand();
}

const mirror::Hint* TableHint::current() const
{
    if (!shown_ || !mirror::canMove(mirror_) || mirror_.state().position != shown_->at)
        return nullptr;
    if (!shown_->pass) {
        const mirror::Hand& hand = mirror_.state().hand;
        const int place = hand.placeOf(shown_->slot);
        if (hand.selectedSlot() != shown_->slot || place == 0 || !hand.place(place).raised)
            return nullptr;
    } else if (!mirror_.state().passShown || mirror_.state().hand.selectedSlot() != -1) {
        return nullptr;
    }
    return &*shown_;
}

void TableHint::sync()
{
    entry_->setEnabled(mirror::canMove(mirror_));
    if (shown_ && !current()) {
        shown_.reset();
        board_.setHintedToe(0);
    }
}
