#include "table/turncountdown.h"

#include <type_traits>
#include <variant>

TurnCountdown::TurnCountdown(const mirror::TableMirror& mirror, QObject* parent) : QObject(parent), mirror_(mirror)
{
    setObjectName(QStringLiteral("turnCountdown"));
    wait_.setSingleShot(true);
    second_.setInterval(1000);
    connect(&wait_, &QTimer::timeout, this, [this] { waitTimer(); });
    connect(&second_, &QTimer::timeout, this, [this] { secondTimer(); });
}

void TurnCountdown::react(const mirror::Event& event)
{
    std::visit(
        [this](const auto& happened) {
            using E = std::decay_t<decltype(happened)>;
            if constexpr (std::is_same_v<E, mirror::TurnChanged>) {
                if (happened.seat == mirror_.state().ownSeat)
                    start();
                else
                    stop();
            } else if constexpr (std::is_same_v<E, mirror::Played> || std::is_same_v<E, mirror::Passed> ||
                                 std::is_same_v<E, mirror::RoundEnded> || std::is_same_v<E, mirror::GameWon> ||
                                 std::is_same_v<E, mirror::GameStarted>) {
                stop();
            } else if constexpr (std::is_same_v<E, mirror::WatchChanged>) {
                // Watching, the computer has the seat and no limit applies.
                if (happened.seat == mirror_.state().ownSeat && happened.watching)
                    stop();
            }
        },
        event);
}

void TurnCountdown::start()
{
    stop();
    const int seconds = limit ? limit() : 0;
    if (!mirror_.state().hosting || seconds <= 0)
        return;
    if (seconds > kShownSeconds) {
        wait_.start((seconds - kShownSeconds) * 1000);
        return;
    }
    left_ = seconds;
    show();
}

void TurnCountdown::stop()
{
    wait_.stop();
    second_.stop();
    left_ = 0;
}

void TurnCountdown::waitTimer()
{
    wait_.stop();
    left_ = kShownSeconds;
    show();
}

void TurnCountdown::secondTimer()
{
    if (left_ <= 1) {
        stop();  // the host moves now
        return;
    }
    --left_;
    if (onShow)
        onShow(left_);
}

void TurnCountdown::show()
{
    second_.start();
    if (onShow)
        onShow(left_);
}
