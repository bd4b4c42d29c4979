#pragma once
// The last ten seconds of this table's own turn under the hosting table's Turn Time Limit,
// counted down second by second. Only the hosting table knows the limit (it goes to no other
// table), so joined tables show nothing. Nothing ticks outside those ten seconds.

#include "mirror/events.h"
#include "mirror/tablemirror.h"

#include <QObject>
#include <QTimer>

#include <functional>

class TurnCountdown : public QObject {
public:
    static constexpr int kShownSeconds = 10;

    TurnCountdown(const mirror::TableMirror& mirror, QObject* parent);

    // The limit in seconds, 0 for none; read as each own turn begins.
    std::function<int()> limit;
    // Seconds left, from 10 down to 1.
    std::function<void(int secondsLeft)> onShow;

    void react(const mirror::Event& event);

    // The timers' handlers; tests call them directly.
    void waitTimer();    // the quiet part of the turn is over
    void secondTimer();  // one of the last seconds has passed
    bool waiting() const { return wait_.isActive(); }
    bool counting() const { return second_.isActive(); }

private:
    void start();
    void stop();
    void show();

    const mirror::TableMirror& mirror_;
    QTimer wait_;
    QTimer second_;
    int left_ = 0;
};
