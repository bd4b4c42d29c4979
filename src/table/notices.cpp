#include "table/notices.h"

#include "table/seatrows.h"
#include "table/statusline.h"

#include <type_traits>

QStringList chatNotices(const mirror::Event& event, const mirror::TableMirror& mirror)
{
    const auto caption = [&mirror](int seat) { return shown(mirror.seat(seat).name); };
    return std::visit(
        [&](const auto& happened) -> QStringList {
            using E = std::decay_t<decltype(happened)>;
            if constexpr (std::is_same_v<E, mirror::Connected>) {
                const QString name = shown(happened.name);
                QStringList said{happened.own ? QStringLiteral("You are Connected.") : name + QStringLiteral(" is Connected.")};
                if (!mirror::isSeat(happened.number))
                    said.append(happened.own ? QStringLiteral("You are spying.") : name + QStringLiteral(" is spying."));
                return said;
            } else if constexpr (std::is_same_v<E, mirror::SeatLeft>) {
                if (happened.shownBefore == "<Waiting>" || happened.shownBefore == mirror::computerName(happened.seat))
                    return {};
                return {shown(happened.shownBefore) + QStringLiteral(" disconnected.")};
            } else if constexpr (std::is_same_v<E, mirror::SpectatorLeft>) {
                return {shown(happened.name) + QStringLiteral(" has left.")};
            } else if constexpr (std::is_same_v<E, mirror::WatchChanged>) {
                return {caption(happened.seat) +
                        (happened.watching ? QStringLiteral(" is just watching") : QStringLiteral(" is now playing again"))};
            } else if constexpr (std::is_same_v<E, mirror::OtherVersion>) {
                return {shown(happened.name) + QStringLiteral(" has a different version of the game then you.")};
            } else if constexpr (std::is_same_v<E, mirror::WrongVersion>) {
                return {QStringLiteral("You have a differnt version of the game then the host.")};
            } else if constexpr (std::is_same_v<E, mirror::GameStarted>) {
                return {happened.ownStart ? QStringLiteral("You have started a game.")
                                          : shown(happened.starter) + QStringLiteral(" has started a game.")};
            } else if constexpr (std::is_same_v<E, mirror::GameWon>) {
                return {winnerBanner(happened)};
            } else {
                return {};
            }
        },
        event);
}
