#pragma once
// What a message from the host changed at the table, in the order it happened. The mirror has
// already changed its state when an event is read; views, sounds and announcements react to the
// events and draw from the mirror. Texts are as they came over the wire.

#include <string>
#include <variant>
#include <vector>

namespace mirror {

// The host numbered this connection: the table logs in with its version and name.
struct LoggedIn {
    int seat;
};
// A relayed chat or action line, for the chat to show, with the name this table holds for the
// connection it names (empty when none): the host puts that name before the text in the bytes
// the sender's table logged in with, which may be another encoding than the text's.
struct ChatLine {
    std::string payload;
    std::string sender;
};
// Someone took a seat or joined the spectators (connection numbers above 6), this table included.
struct Connected {
    int number;
    std::string name;
    bool own;
};
// The end of a list of arrivals that named anyone.
struct ArrivalsDone {};
// A seated player left; the seat shows the computer again. `shownBefore` is who the seat showed.
struct SeatLeft {
    int seat;
    std::string shownBefore;
};
struct SpectatorLeft {
    int number;
    std::string name;
};
struct WatchChanged {
    int seat;
    bool watching;
};
struct OtherVersion {
    std::string name;
};
struct WrongVersion {};
struct GameFull {};
struct GameStarted {
    std::string starter;
    bool ownStart;
};
struct RoundStarted {
    int round;
};
// The board was wiped for a new spinner after a blocked start.
struct SpinnerReloaded {};
struct TurnChanged {
    int seat;
};
// A bone went on the board (or became the spinner); a double loads a new spinner.
struct Played {
    int seat, slot, bone, toe, position;
    bool isDouble;
};
struct Passed {
    int seat;
};
// The host refused this table's play: the turn is the player's again.
struct Refused {};
struct SeatScore {
    int seat, score, total;
};
struct RoundEnded {
    int out; // the seat that went out, 0 when everyone passed
    std::vector<SeatScore> scores;
};
struct GameWon {
    std::string name;
    bool ownWin;
};
// The state of a running game, for a table that joined late.
struct GameInProgress {
    bool ownTurn;
};
// This table's bones for the round arrived.
struct BonesDealt {};
// The host holds this table back until the round in progress ends.
struct RoundInProgress {};
struct ChatterSound {
    int seat;
    std::string sound;
};

using Event = std::variant<LoggedIn, ChatLine, Connected, ArrivalsDone, SeatLeft, SpectatorLeft, WatchChanged,
                           OtherVersion, WrongVersion, GameFull, GameStarted, RoundStarted, SpinnerReloaded,
                           TurnChanged, Played, Passed, Refused, RoundEnded, GameWon, GameInProgress, BonesDealt,
                           RoundInProgress, ChatterSound>;
using Events = std::vector<Event>;

} // namespace mirror
