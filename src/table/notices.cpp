#include "table/notices.h"

#include <QCoreApplication>

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
                QStringList said{happened.own ? QCoreApplication::translate("Notices", "You are Connected.") : QCoreApplication::translate("Notices", "%1 is Connected.").arg(name)};
                if (!mirror::isSeat(happened.number))
                    said.append(happened.own ? QCoreApplication::translate("Notices", "You are spying.") : QCoreApplication::translate("Notices", "%1 is spying.").arg(name));
                return said;
            } else if constexpr (std::is_same_v<E, mirror::SeatLeft>) {
                if (happened.shownBefore == "<Waiting>" || happened.shownBefore == mirror::computerName(happened.seat))
                    return {};
                return {QCoreApplication::translate("Notices", "%1 disconnected.").arg(shown(happened.shownBefore))};
            } else if constexpr (std::is_same_v<E, mirror::SpectatorLeft>) {
                return {QCoreApplication::translate("Notices", "%1 has left.").arg(shown(happened.name))};
            } else if constexpr (std::is_same_v<E, mirror::WatchChanged>) {
                return {(happened.watching ? QCoreApplication::translate("Notices", "%1 is just watching")
                                           : QCoreApplication::translate("Notices", "%1 is now playing again"))
                            .arg(caption(happened.seat))};
            } else if constexpr (std::is_same_v<E, mirror::OtherVersion>) {
                return {QCoreApplication::translate("Notices", "%1 has a different version of the game then you.").arg(shown(happened.name))};
            } else if constexpr (std::is_same_v<E, mirror::WrongVersion>) {
                return {QCoreApplication::translate("Notices", "You have a differnt version of the game then the host.")};
            } else if constexpr (std::is_same_v<E, mirror::GameStarted>) {
                return {happened.ownStart ? QCoreApplication::translate("Notices", "You have started a game.")
                                          : QCoreApplication::translate("Notices", "%1 has started a game.").arg(shown(happened.starter))};
            } else if constexpr (std::is_same_v<E, mirror::GameWon>) {
                return {winnerBanner(happened)};
            } else {
                return {};
            }
        },
        event);
}
