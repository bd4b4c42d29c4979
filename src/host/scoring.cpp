// The end of a round, the credits for newcomers, the pauses of timer1 and the end of the game.

#include "game/bones.h"
#include "host/engine.h"

#include <algorithm>

namespace host {

using game::Message;

void Engine::endround(int out)
{
    noteChange();
    state_.turnOpen = false;
    std::string entries;
    const auto entry = [&entries](int seat, int score, int total) {
        entries += "+" + std::to_string(seat) + "+" + std::to_string(score) + "+" + std::to_string(total);
    };
    for (int seat = 1; seat <= kSeats; ++seat) {
        auto& record = state_.seat(seat);
        if (!record.inGame)
            continue;
        int score = seat == out ? -20 : 0;
        for (int bone : record.hand)
            score += game::pipTotal(bone);
        record.roundScore = score;
        record.total += score;
        entry(seat, score, record.total);
    }
    // Newcomers waiting for the next round start level with the others.
    for (int seat = 3; seat <= kSeats; ++seat) {
        auto& record = state_.seat(seat);
        if (record.inGame || !record.waitingNewcomer)
            continue;
        int credit;
        if (state_.gameOption == 2)
            credit = gethighest();
        else if (state_.gameOption == 3)
            credit = getaverage();
        else
            continue;
        record.roundScore = credit;
        record.total += credit;
        entry(seat, credit, record.total);
    }
    sendAll(Message("CMD_endround").field(out).raw(entries));
    startTimer1(Timer1Action::StartRound, 5);
}

int Engine::gethighest() const
{
    int highest = state_.seat(1).total;
    for (int seat = 2; seat <= kSeats; ++seat)
        highest = std::max(highest, state_.seat(seat).total);
    return highest;
}

int Engine::getaverage() const
{
    long long sum = 0;
    int count = 0;
    for (int seat = 1; seat <= kSeats; ++seat)
        if (state_.seat(seat).inGame) {
            sum += state_.seat(seat).total;
            ++count;
        }
    return count == 0 ? 0 : static_cast<int>(sum / count);  // truncated toward zero
}

void Engine::timer1Timer()
{
    Entry entry(*this);
    if (!timer1Running_)
        return;
    if (--state_.countdown >= 1)
        return;
    io_.stopTimer1();
    timer1Running_ = false;
    const auto action = state_.pending;
    state_.pending = Timer1Action::None;
    if (action == Timer1Action::StartRound)
        startround();
    else if (action == Timer1Action::BeginAgain)
        beginagain();
}

void Engine::checkforwin()
{
    int best = 1;
    for (int seat = 2; seat <= kSeats; ++seat)
        if (state_.seat(seat).inGame && state_.seat(seat).total < state_.seat(best).total)
            best = seat;
    for (int seat = 1; seat <= kSeats; ++seat)
        if (seat != best && state_.seat(seat).inGame && state_.seat(seat).total == state_.seat(best).total) {
            // A shared lowest total: the last round is played again.
            sendAll(Message("CMD_tiegame").field(""));
            state_.round = state_.roundsToPlay - 1;
            startround();
            return;
        }
    const auto& winner = state_.seat(best);
    sendAll(Message("CMD_winner").field(winner.name.empty() ? winner.computerName : winner.name).field(""));
    state_.gameRunning = false;
    state_.turnOpen = false;
    noteChange();
}

} // namespace host
