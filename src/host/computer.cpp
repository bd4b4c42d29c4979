// Computer players: they move for every seat in the game that nobody holds or whose player just
// watches, through the same play and pass handlers a table's messages reach.

#include "game/bones.h"
#include "host/engine.h"

#include <algorithm>

namespace host {
namespace {

bool hasPip(int bone, int pip) { return game::gettopnum(bone) == pip || game::getbotnum(bone) == pip; }

std::string playPayload(int seat, int slot, int toe, int position)
{
    return std::to_string(seat) + "+" + std::to_string(slot) + "+" + std::to_string(toe) + "+" +
           std::to_string(position) + "+";
}

} // namespace

void Engine::armComputer()
{
    computertimerRunning_ = true;
    io_.startComputertimer(std::max(0, io_.botSpeed()));
}

void Engine::computertimerTimer()
{
    Entry entry(*this);
    if (!computertimerRunning_)
        return;
    io_.stopComputertimer();  // one move per arming
    computertimerRunning_ = false;
    if (!state_.gameRunning || !state_.turnOpen)
        return;
    // The player may have come back or stopped watching since the timer was armed.
    const auto& record = state_.seat(state_.turnSeat);
    if (!record.open || record.watching) {
        mover_ = Mover::Computer;
        computerplay(state_.turnSeat);
        mover_ = Mover::Table;
    }
}

void Engine::computerplay(int seat)
{
    if (io_.computerSkill() == static_cast<int>(ComputerSkill::Strong) && (state_.phase == 1 || state_.phase == 2))
        strongplay(seat);
    else if (state_.phase == 1)
        computerfoots(seat);
    else if (state_.phase == 2)
        computertoes(seat);
    else
        hepasses(std::to_string(seat) + "+");
}

void Engine::computerfoots(int seat)
{
    const auto& hand = state_.seat(seat).hand;
    for (int slot = 1; slot <= kHandSlots; ++slot) {
        const int bone = hand[slot - 1];
        if (bone == 0 || !hasPip(bone, state_.spinner))
            continue;
        for (int toe = 1; toe <= game::kToes; ++toe)
            if (state_.board.isToeEmpty(toe)) {
                playbone(playPayload(seat, slot, toe, 1));
                return;
            }
        break;
    }
    hepasses(std::to_string(seat) + "+");
}

void Engine::computertoes(int seat)
{
    const auto& hand = state_.seat(seat).hand;
    // Which toe comes first is the only choice the computer leaves to chance.
    const int start = static_cast<int>(random_->random(3)) + 1;
    for (int step = 0; step < game::kToes; ++step) {
        const int toe = (start + step) % game::kToes + 1;
        const int position = state_.board.firstEmpty(toe);
        if (position < 2)
            continue;  // full (0) or, which the toe phase rules out, empty (1)
        const int openEnd = game::outwardPip(state_.board.cell(toe, position - 1));
        for (int slot = 1; slot <= kHandSlots; ++slot) {
            const int bone = hand[slot - 1];
            if (bone != 0 && hasPip(bone, openEnd)) {
                playbone(playPayload(seat, slot, toe, position));
                return;
            }
        }
    }
    hepasses(std::to_string(seat) + "+");
}

SeatView Engine::seatView(int seat) const
{
    SeatView view;
    view.seat = seat;
    if (seat >= 1 && seat <= kSeats)
        view.hand = state_.seat(seat).hand;
    for (int s = 1; s <= kSeats; ++s) {
        const auto& record = state_.seat(s);
        view.inGame[s] = record.inGame;
        view.bonesLeft[s] = record.bonesLeft();
        view.passed[s] = record.passed;
        view.lacks[s] = record.passedOn;
    }
    view.gone = state_.gone;
    view.phase = state_.phase;
    view.spinnerPip = state_.spinner;
    view.board = state_.board;
    return view;
}

void Engine::strongplay(int seat)
{
    // Counted per game, so a seeded game replays its strong moves as well; the shared generator,
    // which dealt the hidden hands, stays out of the decision.
    const ComputerMove move = strong_.choose(seatView(seat), strongDecisions_[seat]++);
    if (move.pass)
        hepasses(std::to_string(seat) + "+");
    else
        playbone(playPayload(seat, move.slot, move.toe, move.position));
}

} // namespace host
