#pragma once
// The game host's rules and state, in plain C++: connections and login, seats and spectators, the
// deal, the play rules, the score and the computer players. It talks to the world only through
// HostIo, so the host form drives it with sockets and QTimers and tests and simulators drive it
// directly, calling the timer handlers themselves.
//
// Contract: every byte a connection sends is untrusted. The engine never indexes outside its
// arrays, never throws for network input, and takes the sender of a message from the connection
// it came from: a message whose sender or seat field names another connection is dropped.

#include "game/board.h"
#include "game/bones.h"
#include "game/message.h"
#include "game/random.h"
#include "host/hostio.h"
#include "host/strong.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <string_view>

namespace host {

constexpr int kConnections = 9;   // 1..6 are seats, 7..9 spectators
constexpr int kRefused = 10;      // the number a connection gets while it is turned away
constexpr int kSeats = 6;
constexpr int kHandSlots = 20;
constexpr std::size_t kMaxNameLength = 32;

struct ConnectionRecord {
    std::string name;  // from the login; empty while free or not yet logged in
    // Whose seat this is in the running game; kept when they leave, so they can have it back.
    std::string holder;
    bool open = false;
    int total = 0;
    int roundScore = 0;
    bool watching = false;     // "Just Watch": the computer plays the seat
    std::string computerName;  // seats 2..6 only
    std::array<int, kHandSlots> hand{};  // slot j at index j - 1; 0 = empty
    bool passed = false;
    // Pips the seat has passed on this round (bit p = pip p): what every table could tell from
    // its passes, so the strong computer may use it.
    std::uint16_t passedOn = 0;
    bool inGame = false;
    bool waitingNewcomer = false;  // joins the running game at the next round (options 2 and 3)

    int bonesLeft() const;
};

// What timer1 does when its countdown runs out.
enum class Timer1Action { None = 0, StartRound = 2, BeginAgain = 3 };

struct HostState {
    // Index 0 is unused so that connection n is records[n]; 10 only ever refuses.
    std::array<ConnectionRecord, kRefused + 1> records;
    bool gameRunning = false;
    int highestNumber = 0;
    int seatCount = kSeats;
    int turnSeat = 0;
    // A seat may play or pass now. Closed during the pauses after a double and after a round,
    // and while no game runs.
    bool turnOpen = false;
    int round = 0;
    int roundsToPlay = 0;
    int gameOption = 0;
    std::array<int, game::kBoneCount> deck{};  // place p at index p - 1
    int dealPosition = 0;
    int phase = 0;  // 1 foot phase, 2 toe phase
    // The spinner's bone number while it is announced, its pip count while play goes on.
    int spinner = 0;
    game::Board board;
    // Bones in no hand this round: played ones and the double the round started on. Public.
    std::array<bool, game::kBoneCount + 1> gone{};
    int countdown = 0;
    Timer1Action pending = Timer1Action::None;

    ConnectionRecord& seat(int n) { return records[n]; }
    const ConnectionRecord& seat(int n) const { return records[n]; }
};

struct JournalState;

// Where the engine writes its journal: the whole state after each change it announces, and word
// when the game is over.
class JournalSink {
public:
    virtual ~JournalSink() = default;
    virtual void save(const std::string& text) = 0;
    virtual void finished() = 0;
};

class Engine {
public:
    static constexpr int kDispatchInterval = 10;
    static constexpr int kTimer1Interval = 1000;
    static constexpr std::size_t kMaxQueuedLines = 100;
    // A connection that has not sent its login this long after being accepted is closed.
    static constexpr int kLoginDeadline = 15000;
    // A connection with more than this waiting to be sent is not reading: it is closed.
    static constexpr std::size_t kMaxUnsentBytes = std::size_t{1} << 20;
    // How long a game taken up from its journal waits for the player to move before the computer does.
    static constexpr int kResumeGrace = 15000;

    explicit Engine(HostIo& io, std::uint32_t seed = 0);
    Engine(const Engine&) = delete;
    Engine& operator=(const Engine&) = delete;

    // --- Connections ---
    // The number a pending connection would get: the lowest free one, or kRefused when all nine
    // are taken. Changes nothing, so a failed accept leaves no trace.
    int numberForNewConnection() const;
    // The accepted socket is in place under that number: greet it, or turn it away with
    // "CMD_full+" when the number is kRefused.
    void connectionAccepted(int n);
    // Bytes received on connection n: cut into lines and queued. A connection that overflows
    // the line length or the queue is closed and handled as lost, and what it queued is dropped.
    void Sock1Read(int n, std::string_view bytes);
    // The socket of connection n reported "Socket Closed" (or the host closed it for not reading
    // or not logging in). Lines it sent before it went are still handled, in their turn, then the
    // loss; until then its number stays taken and nothing more is sent to it. Safe to call more
    // than once and from inside HostIo::close.
    void connectionLost(int n);

    // --- Timer handlers ---
    void socktimerTimer();      // handles one queued line
    void timer1Timer();         // the pauses after a round and after a double
    void computertimerTimer();  // one computer move
    void loginTimerTimer(int n);  // connection n's login deadline
    // A seated player's turn has lasted the hosting table's limit: the computer makes that one
    // move for them, and after two such moves in a row the seat is set to "Just Watch".
    void turntimerTimer();

    // --- State and settings ---
    const HostState& state() const { return state_; }
    // Lets tests arrange hands and boards; nothing else writes through it.
    HostState& stateForTest() { return state_; }
    std::size_t queuedLines() const { return queue_.size(); }
    // Bytes of an unfinished message waiting on connection n.
    std::size_t pendingBytes(int n) const { return n >= 1 && n <= kConnections ? framers_[n].pendingSize() : 0; }
    game::Random& random() { return *random_; }
    // The program has one generator: the hosting table's, seeded when its window was made.
    void useRandom(game::Random& shared) { random_ = &shared; }
    // The generator's state when the latest game started: seeding the generator with it replays
    // that game from its first deal.
    std::uint32_t gameSeed() const { return gameSeed_; }
    // timer1's tick length; the game uses 1000 ms, real-socket tests shorten it.
    void setTimer1Interval(int milliseconds) { timer1Interval_ = milliseconds; }
    int timer1Interval() const { return timer1Interval_; }
    // How long one second of the turn time limit lasts; real-program tests shorten it (never lengthen).
    void setTurnLimitSecond(int milliseconds)
    {
        turnLimitSecond_ = milliseconds > 0 && milliseconds < 1000 ? milliseconds : 1000;
    }
    // Turns in a row the computer has made for the seat's player because the limit ran out.
    int missedTurns(int seat) const { return seat >= 1 && seat <= kSeats ? missedTurns_[seat] : 0; }
    static constexpr int kMissedTurnsBeforeWatching = 2;
    // What a seat could know at its turn: the strong computer decides from this alone.
    SeatView seatView(int seat) const;
    const StrongPlayer& strongPlayer() const { return strong_; }

    // --- Journal ---
    // From now on the state goes to `sink` after every announced change (nullptr: nowhere).
    void setJournal(JournalSink* sink) { journal_ = sink; }
    JournalState journalState() const;
    // Takes up a journaled game before anyone has connected: the seats wait for their players and
    // the computer moves for those who are not back when their turn comes. False, changing
    // nothing, when a connection is already open or no game is in the journal.
    bool resume(const JournalState& journal);

private:
    struct QueuedLine {
        int n;
        std::string line;
        bool loss = false;  // not a line: connection n went away here
    };
    // Marks a call from outside; when the outermost one ends, connections that stopped reading
    // are closed (never in the middle of a handler).
    class Entry;

    // Sending (connections.cpp)
    void sendTo(int n, const game::Message& message);
    void sendAll(const game::Message& message);
    void deliver(int n, const std::string& wire);
    // Closes connection n as lost. dropQueued: the host removes it, so nothing it queued is heard.
    void disconnectsock(int n, bool dropQueued = false);
    void lose(int n);
    void finishLoss(int n);
    void closeOverfull();
    void noteChange() { journalDue_ = true; }
    void flushJournal();
    void wakeDispatcher();
    void dispatch(int n, std::string_view line);

    // Connection handlers (connections.cpp)
    void receivedlogininfo(int n, std::string_view payload);
    void kickhim(int n, std::string_view payload);
    void chat(int n, std::string_view payload);
    void action(int n, std::string_view payload);
    void playasound(int n, std::string_view payload);
    void justwatch(int n, std::string_view payload);
    void sendGamestats(int n);
    void sendHand(int seat);
    int seatKeptFor(int n, const std::string& name) const;
    void moveConnection(int from, int to);

    // Game and round setup (setup.cpp)
    void startgame(int n, std::string_view payload);
    void startround();
    void shufflebones();
    void dealbones();
    void beginagain();
    int seatsInGame() const;

    // Play rules (play.cpp)
    void findplayer();
    game::Message turnOffer() const;
    std::optional<int> takeTurnSeat(game::FieldReader& fields) const;
    void playbone(std::string_view payload);
    bool playingfoots(int seat, int slot, int toe);
    bool playingtoes(int seat, int slot, int toe, int position);
    void hepasses(std::string_view payload);
    void afterPlay(int seat, int slot, int toe, int position);
    void startTimer1(Timer1Action action, int ticks);
    // The turn seat moved, by its player, the computer or the guard: its clock stops.
    void moveMade(int seat);
    // Starts the clock of the turn seat when a seated player holds the turn and a limit is set.
    void armTurnClock();
    void stopTurnClock();

    // Scoring (scoring.cpp)
    void endround(int out);
    int gethighest() const;
    int getaverage() const;
    void checkforwin();

    // Computer players (computer.cpp)
    void armComputer();
    void computerplay(int seat);
    void computerfoots(int seat);
    void computertoes(int seat);
    void strongplay(int seat);

    HostIo& io_;
    HostState state_;
    game::Random ownRandom_;
    game::Random* random_ = &ownRandom_;
    std::uint32_t gameSeed_ = 0;
    int timer1Interval_ = kTimer1Interval;
    StrongPlayer strong_;
    std::array<std::uint64_t, kSeats + 1> strongDecisions_{};  // the strong moves of each seat this game

    std::array<game::Framer, kConnections + 1> framers_;
    std::array<std::size_t, kConnections + 1> queuedPerConnection_{};
    std::deque<QueuedLine> queue_;
    std::array<bool, kConnections + 1> loginSent_{};
    std::array<bool, kConnections + 1> loginTimerRunning_{};
    std::array<bool, kConnections + 1> closing_{};   // gone; its loss waits in the queue
    std::array<bool, kConnections + 1> overfull_{};  // stopped reading; closed at the next chance
    int depth_ = 0;
    bool socktimerRunning_ = false;
    bool socktimerFirstTick_ = false;
    bool timer1Running_ = false;
    bool computertimerRunning_ = false;
    bool turntimerRunning_ = false;
    int turnClockSeat_ = 0;
    int turnLimitSecond_ = 1000;
    // Who is making the move being handled: a table's message, the computer for a seat nobody
    // plays, or the computer standing in for a player whose time ran out.
    enum class Mover { Table, Computer, Guard };
    Mover mover_ = Mover::Table;
    std::array<int, kSeats + 1> missedTurns_{};
    JournalSink* journal_ = nullptr;
    bool journalDue_ = false;
};

class Engine::Entry {
public:
    explicit Entry(Engine& engine) : engine_(engine) { ++engine_.depth_; }
    ~Entry()
    {
        if (--engine_.depth_ == 0) {
            engine_.closeOverfull();
            engine_.flushJournal();
        }
    }
    Entry(const Entry&) = delete;
    Entry& operator=(const Entry&) = delete;

private:
    Engine& engine_;
};

// A login name as the host stores it: "+" and control bytes become "_" (they would break the seat
// lists), cut at 32 characters.
std::string cleanPlayerName(std::string_view name);

} // namespace host
