#pragma once
// Feeding a mirror the host's lines and reading back what it made of them: the events by name, and
// the whole state as one text, so that "nothing changed" is a comparison of two texts.

#include "mirror/tablemirror.h"

#include <initializer_list>
#include <sstream>
#include <string>
#include <variant>

namespace mirrortest {

inline mirror::Events feed(mirror::TableMirror& table, std::initializer_list<std::string> lines)
{
    mirror::Events all;
    for (const std::string& line : lines) {
        auto events = table.handle(line);
        all.insert(all.end(), events.begin(), events.end());
    }
    return all;
}

// The events' kinds in order, separated by blanks.
inline std::string names(const mirror::Events& events)
{
    static const char* const kinds[] = {
        "LoggedIn",       "ChatLine",      "Connected",   "ArrivalsDone",   "SeatLeft",   "SpectatorLeft",
        "WatchChanged",   "OtherVersion",  "WrongVersion", "GameFull",      "GameStarted", "RoundStarted",
        "SpinnerReloaded", "TurnChanged",  "Played",      "Passed",         "Refused",    "RoundEnded",
        "GameWon",        "GameInProgress", "BonesDealt", "RoundInProgress", "ChatterSound"};
    static_assert(std::size(kinds) == std::variant_size_v<mirror::Event>);
    std::string text;
    for (const auto& event : events)
        text += (text.empty() ? "" : " ") + std::string(kinds[event.index()]);
    return text;
}

inline std::string snapshot(const mirror::TableMirror& table)
{
    const mirror::TableState& s = table.state();
    std::ostringstream out;
    out << s.ownSeat << s.loggedIn << ' ' << s.turnSeat << ' ' << s.round << '/' << s.rounds << ' ' << s.phase << ' '
        << s.spinnerBone << ' ' << s.passOffered << s.passShown << s.sittingOut << s.waitingForRound << '\n';
    for (int n = 1; n <= mirror::kSeatCount; ++n) {
        const mirror::SeatState& seat = s.seats[n];
        out << seat.name << ' ' << seat.watching << seat.turn << seat.inGame << seat.passed << ' ' << seat.lacks << ' '
            << seat.bonesLeft.value_or(-99) << ' ' << seat.total << ' ' << seat.roundScore.value_or(-99) << '\n';
    }
    for (const mirror::Spectator& spy : s.spectators)
        out << spy.number << ':' << spy.name << ' ';
    for (int toe = 1; toe <= mirror::kToes; ++toe) {
        out << "\ntoe " << toe << ": " << s.markers[toe].position << s.markers[toe].shown << s.markers[toe].placedAt
            << s.offeredToes[toe];
        for (int position = 1; position <= game::kToePositions; ++position)
            out << ' ' << s.board.cell(toe, position).bone << s.board.cell(toe, position).flip;
    }
    out << "\ngone";
    for (bool gone : s.gone)
        out << gone;
    out << "\nhand " << s.hand.selectedSlot();
    for (int place = 1; place <= mirror::kHandPlaces; ++place) {
        const mirror::HandPlace& held = s.hand.place(place);
        out << ' ' << held.free << held.slot << ':' << held.bone << held.raised;
    }
    return out.str();
}

} // namespace mirrortest
