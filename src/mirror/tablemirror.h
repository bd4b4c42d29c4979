#pragma once
// What this table knows of the game: who sits where, the hand, the board, whose turn it is, the
// round, the markers and Pass the host offered, the scores and the spectators. Only the host's
// messages change it; each message is checked field by field before anything changes, and what it
// changed comes back as events for the window to show. The player's own moves become proposals:
// messages for the host, which judges them and answers for every table.

#include "game/board.h"
#include "game/message.h"
#include "game/scoresheet.h"
#include "host/strong.h"
#include "mirror/events.h"
#include "mirror/hand.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace mirror {

constexpr int kSeatCount = 6;     // connection numbers above this are spectators
constexpr int kMaxConnection = 9;
constexpr int kToes = 3;

inline bool isSeat(int n) { return n >= 1 && n <= kSeatCount; }
// The computer's name on a seat nobody holds ("Klot" to "Krazy"; seat 1 has none).
std::string computerName(int seat);

struct SeatState {
    std::string name = "<Waiting>"; // what the seat row shows: a player, the computer or "<Waiting>"
    bool watching = false;
    std::optional<int> bonesLeft;   // unknown until the round deals the seat in
    int total = 0;
    std::optional<int> roundScore;  // shown from the end of a round until the next one starts
    bool turn = false;              // the turn indicator
    // What the strong player would know of the seat: dealt in, passed since the last play, the
    // pips it showed it lacks by passing (bit p = pip p).
    bool inGame = false;
    bool passed = false;
    std::uint16_t lacks = 0;
};

struct Spectator {
    int number;
    std::string name;
};

// A toe's marker: the position a play on it goes to, and whether the player may click it.
struct Marker {
    int position = 1;
    bool shown = false;
    int placedAt = 0; // the position of the bone last laid on the toe since the marker was offered
};

struct TableState {
    int ownSeat = 0;
    bool loggedIn = false;
    bool hosting = false; // this table started the host
    int turnSeat = 0;
    std::array<SeatState, kSeatCount + 1> seats{};
    std::vector<Spectator> spectators;
    game::Board board;
    int spinnerBone = -1;
    std::array<Marker, kToes + 1> markers{};
    // What the host offered with the player's turn, shown again when a play is refused.
    std::array<bool, kToes + 1> offeredToes{};
    bool passOffered = false;
    bool passShown = false;
    int round = 0;
    std::string rounds = "10"; // as the game's start named it
    int phase = 1;             // 1 while a toe is empty, 2 after
    // A table that arrives during a game sits out, with a notice in the hand, until it is dealt in;
    // the host may add that it waits for the round in progress to end.
    bool sittingOut = false;
    bool waitingForRound = false;
    std::array<bool, game::kBoneCount + 1> gone{}; // played this round, and the double it started on
    Hand hand;
    // This seat's turns in the game so far, as this table saw them offered: the hint numbers its
    // decisions with it, as the host numbers a computer seat's.
    int ownTurns = 0;
    // Goes up with every message that moves the game on, so an answer worked out for an earlier
    // position can be told from a current one.
    std::uint64_t position = 0;
};

class TableMirror {
public:
    // One line from the host, without its terminator. Anything malformed changes nothing.
    Events handle(std::string_view line);

    const TableState& state() const { return state_; }
    const SeatState& seat(int seat) const;
    game::ScoreSheet& scoreSheet() { return scoreSheet_; }
    const game::ScoreSheet& scoreSheet() const { return scoreSheet_; }
    // What this seat may know, as the strong computer player is given it: its own hand, the
    // board, the counts and the passes the table was told of; never another hand or the deck.
    host::SeatView seatView() const;
    // The seat names for the score sheet: the computer's name where no player sits.
    game::SheetSeatNames sheetNames() const;
    bool ownTurn() const { return state_.turnSeat == state_.ownSeat; }
    // The pip a bone must show to go on the toe's marker; -1 when it cannot be told.
    int markerPip(int toe) const;
    // The one toe whose marker shows and fits the raised bone; 0 when none does, or several.
    int onlyFit() const;
    void setHosting(bool hosting) { state_.hosting = hosting; }

    // ---- The player's proposals: what to send to the host, if anything -----------------------

    // A play of the raised bone on a toe's marker. Nothing more is accepted until the host answers.
    std::optional<game::Message> playOn(int toe);
    // Pass: the button and the markers go at once.
    std::optional<game::Message> pass();
    std::optional<game::Message> kick(int number) const;
    std::optional<game::Message> justWatch(int seat, bool watch) const;
    std::optional<game::Message> botSpeed(int milliseconds) const;
    std::optional<game::Message> chatterSound(int number) const;
    // A left click on a bone of the hand; only on the player's turn, once logged in.
    BoneClick clickBone(int slot);
    // Raises that bone alone, lowering any other (a hint shows its bone so): no swap, nothing sent.
    bool raiseOnly(int slot);
    void lowerHand() { state_.hand.lowerAll(); }
    void sortHand() { state_.hand.sort(); }

private:
    using Handler = void (TableMirror::*)(std::string_view payload);
    struct Route {
        std::string_view verb;
        Handler handler;
    };
    static const std::array<Route, 24> kRoutes;

    // login and seat list
    void sendloginfo(std::string_view payload);
    void newplayerinfo(std::string_view payload);
    void playerdisconnected(std::string_view payload);
    void justwatching(std::string_view payload);
    void havewrongversion(std::string_view payload);
    void wrongversion(std::string_view payload);
    void gameisfull(std::string_view payload);
    void chatrecieved(std::string_view payload);
    void playasound(std::string_view payload);
    // the course of a game
    void startthegame(std::string_view payload);
    void startround(std::string_view payload);
    void beginagain(std::string_view payload);
    void dealmybones(std::string_view payload);
    void getnextplayer(std::string_view payload);
    void heplayed(std::string_view payload);
    void doubleplayed(std::string_view payload); // the handler of "CMD_double" (a C++ keyword)
    void hepassed(std::string_view payload);
    void noplay(std::string_view payload);
    void endround(std::string_view payload);
    void winner(std::string_view payload);
    void gamestats(std::string_view payload);
    void youplay(std::string_view payload);

    void clearall();
    void hideMarkers();
    void resetMarkers();
    void advanceMarker(int toe, int position);
    void newBoard(int spinner);
    void place(int toe, int position, int bone, bool flip);
    bool isOwnSeat(std::string_view name) const;

    TableState state_;
    game::ScoreSheet scoreSheet_;
    Events events_;
};

} // namespace mirror
