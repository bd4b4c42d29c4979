// Connections, login, seats and spectators, relays, and the receive queue with its dispatcher.

#include "host/engine.h"

#include "game/text.h"

#include <algorithm>
#include <cstdio>
#include <optional>
#include <utility>

namespace host {
namespace {

using game::FieldReader;
using game::Message;

constexpr std::array<const char*, kSeats + 1> kComputerNames = {"", "", "Klot", "Klock", "Kling", "Klick", "Krazy"};

bool isConnection(int n) { return n >= 1 && n <= kConnections; }
bool isSeat(int n) { return n >= 1 && n <= kSeats; }

// The sender field of a message: it must be a number and name the connection the line came from.
bool fromSender(FieldReader& fields, int n)
{
    const auto sender = fields.nextInt();
    return sender && *sender == n;
}

} // namespace

int ConnectionRecord::bonesLeft() const
{
    return static_cast<int>(std::count_if(hand.begin(), hand.end(), [](int bone) { return bone != 0; }));
}

std::string cleanPlayerName(std::string_view name)
{
    // A name in UTF-8 is cut after whole characters; in Latin-1 every byte is a character, "©"
    // and "µ" too, although their bytes would continue a UTF-8 character.
    const bool utf8 = game::isUtf8Text(name);
    std::string clean;
    std::size_t characters = 0;
    for (char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        const bool continuation = utf8 && (byte & 0xC0) == 0x80;
        if (!continuation && characters++ == kMaxNameLength)
            break;
        clean += (c == '+' || byte < 0x20 || byte == 0x7F) ? '_' : c;
    }
    return clean;
}

Engine::Engine(HostIo& io, std::uint32_t seed) : io_(io), ownRandom_(seed)
{
    for (int seat = 2; seat <= kSeats; ++seat)
        state_.seat(seat).computerName = kComputerNames[seat];
}

// --- Sending ---

namespace {

// Tables read messages through a 4096-byte buffer: a relay of a very long chat line would make
// every table drop its connection to the host, so such a line is not relayed at all.
bool fitsTables(const Message& message)
{
    if (message.text().size() <= game::Framer::kDefaultLimit)
        return true;
    std::fprintf(stderr, "host: message of %zu bytes not sent\n", message.text().size());
    return false;
}

} // namespace

void Engine::deliver(int n, const std::string& wire)
{
    // A connection that is gone, or that stopped reading, is skipped; the rest still get theirs.
    if (!isConnection(n) || !state_.records[n].open || closing_[n] || overfull_[n])
        return;
    io_.send(n, wire);
    if (io_.unsent(n) > kMaxUnsentBytes)
        overfull_[n] = true;
}

void Engine::sendTo(int n, const Message& message)
{
    if (isConnection(n) && fitsTables(message))
        deliver(n, message.wire());
}

void Engine::sendAll(const Message& message)
{
    if (!fitsTables(message))
        return;
    const std::string wire = message.wire();
    // Checked one by one: a connection lost while this goes out is skipped, the rest still get it.
    for (int n = 1; n <= kConnections; ++n)
        deliver(n, wire);
}

void Engine::disconnectsock(int n, bool dropQueued)
{
    if (!isConnection(n) || !state_.records[n].open)
        return;
    if (dropQueued) {
        std::erase_if(queue_, [n](const QueuedLine& queued) { return queued.n == n; });
        queuedPerConnection_[n] = 0;
        if (closing_[n]) {
            // Its loss was waiting behind the lines just dropped.
            finishLoss(n);
            return;
        }
    }
    if (closing_[n])
        return;
    io_.close(n);
    // The socket normally reports the loss from inside close; if it did not, handle it here.
    lose(n);
}

// Closes, as lost, every connection that has stopped reading what it is sent. Each loss is
// announced to the others, which may leave yet another one over the bound.
void Engine::closeOverfull()
{
    ++depth_;
    for (bool again = true; again;) {
        again = false;
        for (int n = 1; n <= kConnections; ++n)
            if (overfull_[n] && state_.records[n].open && !closing_[n]) {
                std::fprintf(stderr, "host: connection %d does not read what it is sent; closed\n", n);
                disconnectsock(n);
                again = true;
            }
    }
    --depth_;
}

// --- Accepting and losing connections ---

int Engine::numberForNewConnection() const
{
    for (int n = 1; n <= state_.highestNumber; ++n)
        if (!state_.records[n].open)
            return n;
    return state_.highestNumber >= kConnections ? kRefused : state_.highestNumber + 1;
}

void Engine::connectionAccepted(int n)
{
    Entry entry(*this);
    if (n == kRefused) {
        io_.send(kRefused, Message("CMD_full").field("").wire());
        io_.close(kRefused);
        return;
    }
    if (!isConnection(n) || state_.records[n].open)
        return;
    state_.highestNumber = std::max(state_.highestNumber, n);
    auto& record = state_.records[n];
    record.open = true;
    record.name.clear();
    framers_[n].clear();
    closing_[n] = false;
    overfull_[n] = false;
    loginSent_[n] = false;
    sendTo(n, Message("CMD_sendlogininfo").field(n));
    // A connection that never logs in would hold its seat, dealt into the game, with nobody to move.
    loginTimerRunning_[n] = true;
    io_.startLoginTimer(n, kLoginDeadline);
}

void Engine::loginTimerTimer(int n)
{
    Entry entry(*this);
    if (!isConnection(n) || !loginTimerRunning_[n])
        return;
    loginTimerRunning_[n] = false;
    io_.stopLoginTimer(n);
    if (state_.records[n].open && !closing_[n] && !loginSent_[n])
        disconnectsock(n);
}

void Engine::connectionLost(int n)
{
    Entry entry(*this);
    lose(n);
}

void Engine::lose(int n)
{
    if (!isConnection(n) || !state_.records[n].open || closing_[n])
        return;
    if (loginTimerRunning_[n]) {
        loginTimerRunning_[n] = false;
        io_.stopLoginTimer(n);
    }
    framers_[n].clear();  // an unfinished message never will be
    if (queuedPerConnection_[n] == 0) {
        finishLoss(n);
        return;
    }
    // What it said before it went (a goodbye, a last play) is still heard by the others, in its
    // turn; then they learn it left. The number stays taken until then, so no later holder of it
    // is credited with those lines.
    closing_[n] = true;
    queue_.push_back(QueuedLine{n, {}, true});
    wakeDispatcher();
}

void Engine::finishLoss(int n)
{
    auto& record = state_.records[n];
    // Marked closed before anything is sent, so a loss reported again from inside a send is a no-op.
    record.open = false;
    closing_[n] = false;
    overfull_[n] = false;
    loginSent_[n] = false;
    const std::string name = std::move(record.name);
    record.name.clear();
    record.watching = false;
    if (isSeat(n))
        missedTurns_[n] = 0;  // whoever sits down here next starts afresh

    sendAll(Message("CMD_playerdisconnected").field(n).field(name));
    if (state_.gameRunning)
        noteChange();

    // The hand, scores and in-game flag stay: the computer plays the seat from its next turn.
    // During a pause nobody holds the turn; the pending restart hands it on.
    if (state_.gameRunning && state_.turnOpen && n == state_.turnSeat && n != 1)
        findplayer();
}

// --- Receive queue and dispatcher ---

namespace {

// A login that names the connection it came from: the one thing a new connection must send.
bool isLoginFrom(std::string_view line, int n)
{
    const auto [verb, payload] = game::splitLine(line);
    FieldReader fields(payload);
    return verb == "CMD_logininfo" && fromSender(fields, n);
}

} // namespace

void Engine::Sock1Read(int n, std::string_view bytes)
{
    Entry entry(*this);
    if (!isConnection(n) || !state_.records[n].open || closing_[n])
        return;
    std::vector<std::string> lines;
    const bool fits = framers_[n].feed(bytes, lines);
    if (!fits || queuedPerConnection_[n] + lines.size() > kMaxQueuedLines) {
        // A line longer than any message of ours, or a flood: this connection goes, nobody else,
        // and its queued lines with it. A flooder that comes back again and again must not keep
        // the dispatcher busy with a hundred lines per visit while honest tables wait.
        disconnectsock(n, true);
        return;
    }
    if (lines.empty())
        return;
    queuedPerConnection_[n] += lines.size();
    for (auto& line : lines) {
        if (!loginSent_[n] && isLoginFrom(line, n)) {
            // Sent in time; it is handled in its turn.
            loginSent_[n] = true;
            if (loginTimerRunning_[n]) {
                loginTimerRunning_[n] = false;
                io_.stopLoginTimer(n);
            }
        }
        queue_.push_back(QueuedLine{n, std::move(line)});
    }
    wakeDispatcher();
}

void Engine::wakeDispatcher()
{
    if (!socktimerRunning_) {
        // An idle dispatcher sleeps; the first line wakes it at once.
        socktimerRunning_ = true;
        socktimerFirstTick_ = true;
        io_.startSocktimer(0);
    }
}

void Engine::socktimerTimer()
{
    Entry entry(*this);
    if (!queue_.empty()) {
        QueuedLine queued = std::move(queue_.front());
        queue_.pop_front();
        if (queued.loss)
            finishLoss(queued.n);
        else {
            --queuedPerConnection_[queued.n];
            dispatch(queued.n, queued.line);
        }
    }
    if (queue_.empty()) {
        if (socktimerRunning_)
            io_.stopSocktimer();
        socktimerRunning_ = false;
        socktimerFirstTick_ = false;
    } else if (socktimerFirstTick_ || !socktimerRunning_) {
        socktimerRunning_ = true;
        socktimerFirstTick_ = false;
        io_.startSocktimer(kDispatchInterval);
    }
}

void Engine::dispatch(int n, std::string_view line)
{
    const auto [verb, payload] = game::splitLine(line);
    if (verb == "CMD_logininfo")
        receivedlogininfo(n, payload);
    else if (verb == "CMD_chat")
        chat(n, payload);
    else if (verb == "CMD_action")
        action(n, payload);
    else if (verb == "CMD_playasound")
        playasound(n, payload);
    else if (verb == "CMD_startgame")
        startgame(n, payload);
    else if (verb == "CMD_justwatch")
        justwatch(n, payload);
    else if (verb == "CMD_kickhim")
        kickhim(n, payload);
    else if (verb == "CMD_hepasses") {
        FieldReader fields(payload);
        if (fromSender(fields, n))
            hepasses(payload);
    } else if (verb == "CMD_playbone") {
        FieldReader fields(payload);
        if (fromSender(fields, n))
            playbone(payload);
    }
    // "CMD_botspeed" changes nothing here: the computer's delay is the hosting table's own setting.
}

// --- Login ---

void Engine::receivedlogininfo(int n, std::string_view payload)
{
    FieldReader fields(payload);
    if (!fromSender(fields, n))
        return;
    const std::string version(fields.next());
    std::string name = cleanPlayerName(fields.rest());
    if (const int own = seatKeptFor(n, name)) {
        // Numbers are handed out before names are known: a player coming back is moved to their
        // own seat, hand and total, and logs in again under that number.
        moveConnection(n, own);
        return;
    }
    auto& record = state_.records[n];
    record.name = std::move(name);
    record.open = true;
    if (state_.gameRunning && isSeat(n))
        record.holder = record.name;

    sendAll(Message("CMD_newplayerinfo").field(n).field(record.name).field(0));

    std::string entries;
    for (int k = 1; k <= kConnections; ++k) {
        const auto& other = state_.records[k];
        if (k != n && other.open)
            entries += "+" + std::to_string(k) + "+" + other.name + (other.watching ? "+1" : "+0");
    }
    if (!entries.empty())
        sendTo(n, Message("CMD_existingplayers").raw(entries));

    if (version != io_.version()) {
        sendTo(1, Message("CMD_havewrongversion").field(record.name));
        sendTo(n, Message("CMD_wrongversion").field(""));
    }

    if (!state_.gameRunning)
        return;
    noteChange();
    record.waitingNewcomer = false;
    if (isSeat(n) && !record.inGame && (state_.gameOption == 2 || state_.gameOption == 3)) {
        record.waitingNewcomer = true;
        sendTo(n, Message("CMD_youplay").field(state_.gameOption).field(n));
    }
    sendGamestats(n);
    if (isSeat(n) && record.inGame && record.bonesLeft() > 0)
        sendHand(n);
    // A computer move may be pending for this seat: it finds the player back and leaves the turn
    // to them, so they must hear that it is theirs.
    if (isSeat(n) && record.inGame && state_.turnOpen && state_.turnSeat == n) {
        sendTo(n, turnOffer());
        armTurnClock();
    }
}

// The seat of the running game that is kept for this player and free, when it is not n itself.
int Engine::seatKeptFor(int n, const std::string& name) const
{
    if (!state_.gameRunning || name.empty() || closing_[n] || (isSeat(n) && state_.records[n].holder == name))
        return 0;
    for (int seat = 1; seat <= kSeats; ++seat) {
        const auto& record = state_.seat(seat);
        if (seat != n && !record.open && !closing_[seat] && record.holder == name &&
            (record.inGame || record.waitingNewcomer))
            return seat;
    }
    return 0;
}

void Engine::moveConnection(int from, int to)
{
    auto& was = state_.records[from];
    auto& now = state_.records[to];
    was.open = false;
    was.name.clear();
    now.open = true;
    now.name.clear();
    state_.highestNumber = std::max(state_.highestNumber, to);
    framers_[to] = std::move(framers_[from]);
    framers_[from].clear();
    for (auto& queued : queue_)
        if (queued.n == from)
            queued.n = to;
    queuedPerConnection_[to] = std::exchange(queuedPerConnection_[from], 0);
    overfull_[to] = std::exchange(overfull_[from], false);
    closing_[to] = std::exchange(closing_[from], false);
    loginSent_[from] = loginSent_[to] = false;
    if (loginTimerRunning_[from]) {
        loginTimerRunning_[from] = false;
        io_.stopLoginTimer(from);
    }
    io_.renumber(from, to);
    sendTo(to, Message("CMD_sendlogininfo").field(to));
    loginTimerRunning_[to] = true;
    io_.startLoginTimer(to, kLoginDeadline);
}

void Engine::sendGamestats(int n)
{
    Message stats("CMD_gamestats");
    stats.field(state_.turnSeat).field(state_.round).field(state_.roundsToPlay).field(state_.spinner);
    stats.flag(isSeat(n) && state_.records[n].inGame);
    for (int seat = 1; seat <= kSeats; ++seat)
        stats.field(state_.seat(seat).total);
    bool any = false;
    for (int toe = 1; toe <= game::kToes; ++toe)
        for (int position = 1; position <= game::kToePositions; ++position) {
            const auto& cell = state_.board.cell(toe, position);
            if (cell.bone == 0)
                continue;
            stats.field(toe).field(position).field(cell.bone).flag(cell.flip);
            any = true;
        }
    if (!any)
        stats.field("*");
    sendTo(n, stats);
}

void Engine::sendHand(int seat)
{
    Message hand("CMD_dealmybones");
    hand.field(seat);
    for (int slot = 1; slot <= kHandSlots; ++slot)
        if (const int bone = state_.seat(seat).hand[slot - 1])
            hand.field(slot).field(bone);
    sendTo(seat, hand);
}

// --- Relays and seat administration ---

void Engine::chat(int n, std::string_view payload)
{
    FieldReader fields(payload);
    if (!fromSender(fields, n))
        return;
    sendAll(Message("CMD_chat").field(n).field(state_.records[n].name + " chats: ").raw(fields.rest()));
}

void Engine::action(int n, std::string_view payload)
{
    FieldReader fields(payload);
    if (!fromSender(fields, n))
        return;
    sendAll(Message("CMD_action").field(n).field(state_.records[n].name + " ").raw(fields.rest()));
}

void Engine::playasound(int n, std::string_view payload)
{
    FieldReader fields(payload);
    if (!fromSender(fields, n))
        return;
    sendAll(Message("CMD_playasound").field(n).field(fields.rest()));
}

void Engine::kickhim(int n, std::string_view payload)
{
    // Only the hosting table removes players.
    FieldReader fields(payload);
    if (n != 1 || !fromSender(fields, n))
        return;
    const auto victim = fields.nextInt();
    // The hosting table removes the player: nothing more of theirs is shown, queued or not.
    if (victim && isConnection(*victim))
        disconnectsock(*victim, true);
}

void Engine::justwatch(int n, std::string_view payload)
{
    FieldReader fields(payload);
    const auto seat = fields.nextInt();
    // The hosting table may switch any seat; everyone else only their own.
    if (!seat || !isSeat(*seat) || (n != 1 && *seat != n))
        return;
    const auto rest = fields.rest();
    auto& record = state_.seat(*seat);
    if (rest == "2") {
        record.watching = false;
        missedTurns_[*seat] = 0;
        sendAll(Message("CMD_justwatching").field(*seat).field(2));
        // Back during their own turn: the computer's timer leaves it to them, so it is timed.
        if (*seat == state_.turnSeat && !turntimerRunning_)
            armTurnClock();
    } else if (rest == "1" && state_.gameRunning) {
        record.watching = true;
        sendAll(Message("CMD_justwatching").field(*seat).field(1));
        if (*seat == state_.turnSeat && state_.turnOpen)
            findplayer();
    }
}

} // namespace host
