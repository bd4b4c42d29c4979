// What the player proposes from this table (plays, passes, the host's administration, chatter
// sounds), and the seat's view of the game for the strong computer player. The host judges every
// proposal; the table only holds back what it knows the host would refuse.
#include "game/bones.h"
#include "mirror/tablemirror.h"

namespace mirror {

std::optional<game::Message> TableMirror::playOn(int toe)
{
    if (!ownTurn() || !game::Board::isValidToe(toe))
        return std::nullopt;
    // Nothing more is accepted until the host answers with the play or with a refusal.
    state_.turnSeat = 0;
    if (!state_.loggedIn)
        return std::nullopt;
    return game::Message("CMD_playbone")
        .field(state_.ownSeat)
        .field(state_.hand.selectedSlot())
        .field(toe)
        .field(state_.markers[toe].position)
        .raw("+");
}

std::optional<game::Message> TableMirror::pass()
{
    state_.passShown = false;
    hideMarkers();
    if (!ownTurn() || !state_.loggedIn)
        return std::nullopt;
    return game::Message("CMD_hepasses").field(state_.ownSeat).raw("+");
}

std::optional<game::Message> TableMirror::kick(int number) const
{
    if (!state_.hosting || !state_.loggedIn || number < 1 || number > kMaxConnection)
        return std::nullopt;
    // The removed table hears no reason: it only loses its connection.
    return game::Message("CMD_kickhim").field(state_.ownSeat).field(number).raw("+");
}

std::optional<game::Message> TableMirror::justWatch(int seat, bool watch) const
{
    if (!state_.loggedIn || !isSeat(seat))
        return std::nullopt;
    return game::Message("CMD_justwatch").field(seat).field(watch ? 1 : 2);
}

std::optional<game::Message> TableMirror::botSpeed(int milliseconds) const
{
    // The computer follows the hosting table's choice only; the others tell the host anyway.
    if (!state_.loggedIn)
        return std::nullopt;
    return game::Message("CMD_botspeed").field(state_.ownSeat).field(milliseconds).raw("+");
}

std::optional<game::Message> TableMirror::chatterSound(int number) const
{
    // Spectators may chat, but the sounds are the seated players'.
    if (number < 1 || number > 20 || !state_.loggedIn || !isSeat(state_.ownSeat))
        return std::nullopt;
    return game::Message("CMD_playasound").field(state_.ownSeat).field("wave" + std::to_string(number)).raw("+");
}

int TableMirror::markerPip(int toe) const
{
    if (!game::Board::isValidToe(toe))
        return -1;
    const int position = state_.markers[toe].position;
    if (position == 1)
        return game::isValidBone(state_.spinnerBone) ? game::gettopnum(state_.spinnerBone) : -1;
    if (!game::Board::isValidPosition(position - 1) || state_.board.cell(toe, position - 1).bone == 0)
        return -1;
    return game::outwardPip(state_.board.cell(toe, position - 1));
}

int TableMirror::onlyFit() const
{
    const Hand& hand = state_.hand;
    const int place = hand.selectedSlot() == -1 ? 0 : hand.placeOf(hand.selectedSlot());
    if (place == 0 || !hand.place(place).raised)
        return 0;
    const int bone = hand.place(place).bone;
    int fit = 0;
    int fits = 0;
    for (int toe = 1; toe <= kToes; ++toe) {
        const int pip = markerPip(toe);
        if (state_.markers[toe].shown && pip >= 0 && (game::gettopnum(bone) == pip || game::getbotnum(bone) == pip)) {
            fit = toe;
            ++fits;
        }
    }
    return fits == 1 ? fit : 0;
}

BoneClick TableMirror::clickBone(int slot)
{
    if (!state_.loggedIn || !ownTurn())
        return BoneClick::Ignored;
    return state_.hand.click(slot);
}

bool TableMirror::raiseOnly(int slot)
{
    if (!state_.loggedIn || !ownTurn() || state_.hand.placeOf(slot) == 0)
        return false;
    state_.hand.lowerAll();
    return state_.hand.click(slot) == BoneClick::Raised;
}

host::SeatView TableMirror::seatView() const
{
    host::SeatView view;
    view.seat = state_.ownSeat;
    const Hand& hand = state_.hand;
    for (int place = 1; place <= hand.count(); ++place) {
        const HandPlace& held = hand.place(place);
        if (held.slot >= 1 && held.slot <= host::SeatView::kSlots)
            view.hand[held.slot - 1] = held.bone;
    }
    for (int n = 1; n <= kSeatCount; ++n) {
        const SeatState& seat = state_.seats[n];
        view.inGame[n] = seat.inGame;
        view.bonesLeft[n] = seat.bonesLeft.value_or(0);
        view.passed[n] = seat.passed;
        view.lacks[n] = seat.lacks;
    }
    view.gone = state_.gone;
    view.phase = state_.phase;
    view.spinnerPip = game::isValidBone(state_.spinnerBone) ? game::gettopnum(state_.spinnerBone) : -1;
    view.board = state_.board;
    return view;
}

} // namespace mirror
