// Starting a game and its rounds: the shuffle, the round-robin deal, and restarting the board
// around a new spinner after a double.

#include "game/bones.h"
#include "host/engine.h"

namespace host {

using game::FieldReader;
using game::Message;

void Engine::startgame(int n, std::string_view payload)
{
    if (n != 1)
        return;  // only the hosting table starts games
    FieldReader fields(payload);
    const auto name = fields.next();
    const auto roundsField = fields.next();
    const auto option = fields.next();

    gameSeed_ = random_->state();
    state_.gameRunning = true;
    state_.gameOption = option == "2" ? 2 : option == "3" ? 3 : 1;
    const int rounds = game::parseInt(roundsField).value_or(3);
    state_.roundsToPlay = rounds > 10 ? 10 : rounds < 3 ? 3 : rounds;

    sendAll(Message("CMD_startgame").field(name).field(roundsField).field(""));

    for (int seat = 1; seat <= kSeats; ++seat) {
        auto& record = state_.seat(seat);
        record.total = 0;
        record.roundScore = 0;
        record.watching = false;
        record.inGame = record.open || seat == 2;
        record.holder = record.open ? record.name : std::string();
    }
    state_.turnSeat = 0;
    state_.round = 0;
    strongDecisions_.fill(0);

    // A game started over a running one must not inherit its pending pause or computer move.
    state_.pending = Timer1Action::None;
    if (timer1Running_)
        io_.stopTimer1();
    timer1Running_ = false;
    if (computertimerRunning_)
        io_.stopComputertimer();
    computertimerRunning_ = false;
    stopTurnClock();
    missedTurns_.fill(0);

    startround();
}

int Engine::seatsInGame() const
{
    int count = 2;  // seats 1 and 2 always count
    for (int seat = 3; seat <= kSeats; ++seat)
        if (state_.seat(seat).inGame)
            ++count;
    return count;
}

namespace {

int bonesPerSeat(int seats)
{
    switch (seats) {
    case 2: return 16;
    case 3: return 14;
    case 4: return 11;
    case 5: return 9;
    default: return 7;
    }
}

} // namespace

void Engine::startround()
{
    ++state_.round;
    for (int seat = 3; seat <= kSeats; ++seat) {
        auto& record = state_.seat(seat);
        if (!record.inGame && record.waitingNewcomer) {
            record.inGame = true;
            record.waitingNewcomer = false;
        }
    }
    noteChange();
    if (state_.round == state_.roundsToPlay + 1) {
        checkforwin();
        return;
    }

    std::string seatList = "+1+t+2+t";
    for (int seat = 3; seat <= kSeats; ++seat)
        seatList += "+" + std::to_string(seat) + (state_.seat(seat).inGame ? "+t" : "+f");
    const int count = bonesPerSeat(seatsInGame());

    state_.phase = 1;
    if (const int spinner = game::spinnerForRound(state_.round))
        state_.spinner = spinner;
    state_.board.clear();
    for (int seat = 1; seat <= kSeats; ++seat) {
        state_.seat(seat).passed = false;
        state_.seat(seat).passedOn = 0;
    }
    state_.gone.fill(false);
    if (game::isValidBone(state_.spinner))
        state_.gone[state_.spinner] = true;  // the round's double is never dealt

    sendAll(Message("CMD_startround").field(state_.round).field(state_.spinner).field(count).raw(seatList));

    shufflebones();
    dealbones();
    findplayer();
    noteChange();
}

void Engine::shufflebones()
{
    auto& deck = state_.deck;
    deck.fill(0);
    deck[game::kBoneCount - 1] = state_.spinner;
    for (int bone = 1; bone <= game::kBoneCount; ++bone) {
        if (bone == state_.spinner)
            continue;
        int place;
        do
            place = static_cast<int>(random_->random(game::kBoneCount)) + 1;
        while (deck[place - 1] != 0);
        deck[place - 1] = bone;
    }
    state_.spinner = game::gettopnum(state_.spinner);
    state_.dealPosition = 0;
}

void Engine::dealbones()
{
    for (int seat = 1; seat <= kSeats; ++seat)
        state_.seat(seat).hand.fill(0);
    const int count = bonesPerSeat(seatsInGame());
    for (int slot = 1; slot <= count; ++slot)
        for (int seat = 1; seat <= kSeats; ++seat)
            if (state_.seat(seat).inGame && state_.dealPosition < game::kBoneCount)
                state_.seat(seat).hand[slot - 1] = state_.deck[state_.dealPosition++];
    for (int seat = 1; seat <= kSeats; ++seat)
        if (state_.seat(seat).inGame && state_.seat(seat).bonesLeft() > 0)
            sendHand(seat);  // a seat nobody holds receives nothing
}

void Engine::beginagain()
{
    state_.board.clear();
    sendAll(Message("CMD_beginagain").field(state_.spinner).field(""));
    state_.spinner = game::gettopnum(state_.spinner);
    findplayer();
    noteChange();
}

} // namespace host
