// Turn order and the play rules: foot plays, toe plays, a double on a toe end, passes.
// The tables only propose; every play is judged here against the host's own board and hands.

#include "game/bones.h"
#include "host/engine.h"

#include <algorithm>

namespace host {

using game::FieldReader;
using game::Message;

void Engine::findplayer()
{
    int seat = state_.turnSeat;
    bool found = false;
    for (int step = 0; step < kSeats && !found; ++step) {
        seat = seat % kSeats + 1;
        found = state_.seat(seat).inGame;
    }
    if (!found)
        return;
    state_.turnSeat = seat;
    state_.seat(seat).passed = false;
    state_.turnOpen = true;
    noteChange();

    sendAll(turnOffer());

    const auto& record = state_.seat(seat);
    if (!record.open || record.watching)
        armComputer();
    armTurnClock();
}

// "CMD_nextplayer" for the turn seat: the toes it may play on and where.
game::Message Engine::turnOffer() const
{
    const int seat = state_.turnSeat;
    std::array<bool, game::kToes + 1> offered{};
    std::array<int, game::kToes + 1> position{0, 1, 1, 1};
    const auto& board = state_.board;
    if (board.anyToeEmpty()) {
        for (int toe = 1; toe <= game::kToes; ++toe)
            offered[toe] = board.isToeEmpty(toe);
    } else {
        // Tables show markers up to position 20 only; the computer may go further.
        for (int toe = 1; toe <= game::kToes; ++toe)
            if (const int free = board.firstEmpty(toe, 20)) {
                offered[toe] = true;
                position[toe] = free;
            }
    }
    Message next("CMD_nextplayer");
    next.field(seat).field(state_.phase);
    for (int toe = 1; toe <= game::kToes; ++toe)
        next.flag(offered[toe]);
    for (int toe = 1; toe <= game::kToes; ++toe)
        next.field(position[toe]);
    return next.field("");
}

// The seat field of a play or pass, when that seat may move now; nothing otherwise (no game, a
// pause, another seat's turn, or not a number).
std::optional<int> Engine::takeTurnSeat(FieldReader& fields) const
{
    if (!state_.gameRunning || !state_.turnOpen)
        return std::nullopt;
    const auto seat = fields.nextInt();
    if (!seat || *seat != state_.turnSeat)
        return std::nullopt;
    return seat;
}

void Engine::playbone(std::string_view payload)
{
    FieldReader fields(payload);
    const auto seat = takeTurnSeat(fields);
    if (!seat)
        return;
    const auto slot = fields.nextInt();
    const auto toe = fields.nextInt();
    const auto position = fields.nextInt();
    if (!slot || !toe || !position)
        return;

    bool accepted = false;
    if (*slot >= 1 && *slot <= kHandSlots && state_.seat(*seat).hand[*slot - 1] != 0) {
        if (state_.phase == 1)
            accepted = playingfoots(*seat, *slot, *toe);
        else if (state_.phase == 2)
            accepted = playingtoes(*seat, *slot, *toe, *position);
    }
    if (!accepted)
        sendTo(*seat, Message("CMD_noplay").field(*seat).field(""));
}

bool Engine::playingfoots(int seat, int slot, int toe)
{
    auto& hand = state_.seat(seat).hand;
    const int bone = hand[slot - 1];
    const auto flip = game::matchFlip(bone, state_.spinner);
    if (!flip || !game::Board::isValidToe(toe) || !state_.board.isToeEmpty(toe))
        return false;
    moveMade(seat);
    // A new toe always starts next to the spinner, whatever position the table named.
    state_.board.place(toe, 1, bone, *flip);
    hand[slot - 1] = 0;
    state_.gone[bone] = true;
    state_.phase = state_.board.anyToeEmpty() ? 1 : 2;
    afterPlay(seat, slot, toe, 1);
    return true;
}

bool Engine::playingtoes(int seat, int slot, int toe, int position)
{
    // Only the first empty place of a toe can be played on; position 1 would have no neighbour.
    if (!game::Board::isValidToe(toe) || position < 2 || position > game::kToePositions ||
        state_.board.firstEmpty(toe) != position)
        return false;
    const int openEnd = game::outwardPip(state_.board.cell(toe, position - 1));
    auto& hand = state_.seat(seat).hand;
    const int bone = hand[slot - 1];
    const auto flip = game::matchFlip(bone, openEnd);
    if (!flip)
        return false;
    moveMade(seat);

    if (game::isDouble(bone)) {
        // The double is not laid on the toe: it becomes the centre of a new board after a pause.
        state_.spinner = bone;
        hand[slot - 1] = 0;
        state_.gone[bone] = true;
        state_.phase = 1;
        const int left = state_.seat(seat).bonesLeft();
        sendAll(Message("CMD_double").field(seat).field(slot).field(bone).field(toe).field(position).flag(false)
                    .field(left).field(""));
        state_.turnOpen = false;
        noteChange();
        if (left > 0)
            startTimer1(Timer1Action::BeginAgain, 3);
        else
            endround(seat);
        return true;
    }

    state_.board.place(toe, position, bone, *flip);
    hand[slot - 1] = 0;
    state_.gone[bone] = true;
    afterPlay(seat, slot, toe, position);
    return true;
}

void Engine::afterPlay(int seat, int slot, int toe, int position)
{
    noteChange();
    for (int s = 1; s <= kSeats; ++s)
        state_.seat(s).passed = false;
    const auto& cell = state_.board.cell(toe, position);
    const int left = state_.seat(seat).bonesLeft();
    sendAll(Message("CMD_heplayed").field(seat).field(slot).field(cell.bone).field(toe).field(position).flag(cell.flip)
                .field(left).field(""));
    if (left > 0)
        findplayer();
    else
        endround(seat);
}

void Engine::hepasses(std::string_view payload)
{
    FieldReader fields(payload);
    const auto seat = takeTurnSeat(fields);
    if (!seat)
        return;
    moveMade(*seat);
    auto& record = state_.seat(*seat);
    record.passed = true;
    noteChange();
    // Every table sees which ends were open: the seat holds no bone for any of them.
    if (state_.phase == 1 && state_.spinner >= 0 && state_.spinner <= game::kHighestPip) {
        record.passedOn |= static_cast<std::uint16_t>(1u << state_.spinner);
    } else if (state_.phase == 2) {
        for (int toe = 1; toe <= game::kToes; ++toe)
            if (const int free = state_.board.firstEmpty(toe); free >= 2)
                record.passedOn |= static_cast<std::uint16_t>(1u << game::outwardPip(state_.board.cell(toe, free - 1)));
    }
    sendAll(Message("CMD_hepassed").field(*seat).field(""));
    for (int s = 1; s <= kSeats; ++s)
        if (state_.seat(s).inGame && !state_.seat(s).passed) {
            findplayer();
            return;
        }
    endround(0);  // everyone in the game passed since the last play
}

void Engine::moveMade(int seat)
{
    stopTurnClock();
    if (mover_ == Mover::Guard)
        ++missedTurns_[seat];
    else if (mover_ == Mover::Table)
        missedTurns_[seat] = 0;  // back at the table: the count starts again
}

void Engine::armTurnClock()
{
    stopTurnClock();
    const int seat = state_.turnSeat;
    if (!state_.gameRunning || !state_.turnOpen || seat < 1 || seat > kSeats)
        return;
    const auto& record = state_.seat(seat);
    // A seat nobody plays, or whose player watches, has the computer's own timer.
    if (!record.open || record.watching)
        return;
    const int limit = io_.turnLimit();
    if (limit <= 0)
        return;
    turnClockSeat_ = seat;
    turntimerRunning_ = true;
    // An hour at most, so no setting can overflow the milliseconds.
    io_.startTurntimer(std::min(limit, 3600) * turnLimitSecond_);
}

void Engine::stopTurnClock()
{
    if (!turntimerRunning_)
        return;
    turntimerRunning_ = false;
    io_.stopTurntimer();
}

void Engine::turntimerTimer()
{
    Entry entry(*this);
    if (!turntimerRunning_)
        return;
    stopTurnClock();
    const int seat = turnClockSeat_;
    if (!state_.gameRunning || !state_.turnOpen || seat != state_.turnSeat)
        return;
    const auto& record = state_.seat(seat);
    if (!record.open || record.watching)
        return;
    mover_ = Mover::Guard;
    computerplay(seat);
    mover_ = Mover::Table;
    // Through the same request the hosting table's seat menu sends: every table, older ones
    // too, shows the seat as watching, and the player takes it back with "Just Watch".
    if (missedTurns_[seat] >= kMissedTurnsBeforeWatching && state_.gameRunning && state_.seat(seat).open)
        justwatch(1, std::to_string(seat) + "+1");
}

void Engine::startTimer1(Timer1Action action, int ticks)
{
    state_.pending = action;
    state_.countdown = ticks;
    timer1Running_ = true;
    io_.startTimer1(timer1Interval_);
}

} // namespace host
