// The hint: the strong player asked from the seat's own view, its answer put on the markers.
#include "mirror/hint.h"

#include "game/bones.h"

#include <algorithm>

namespace mirror {
namespace {

bool shows(int bone, int pip) { return game::gettopnum(bone) == pip || game::getbotnum(bone) == pip; }

// Offered: the marker shows at the place the play goes to.
bool offered(const TableState& state, int toe, int position)
{
    return game::Board::isValidToe(toe) && state.markers[toe].shown && state.markers[toe].position == position;
}

Hint playHint(int slot, int bone, int toe, int position)
{
    // Players name a bone by its larger end first.
    const int high = std::max(game::gettopnum(bone), game::getbotnum(bone));
    const int low = std::min(game::gettopnum(bone), game::getbotnum(bone));
    return {false, slot, bone, toe, position,
            "Hint: " + std::to_string(high) + "|" + std::to_string(low) + " on toe " + std::to_string(toe), 0, high, low};
}

} // namespace

bool canMove(const TableMirror& mirror)
{
    const TableState& state = mirror.state();
    if (!state.loggedIn || !isSeat(state.ownSeat) || !mirror.ownTurn())
        return false;
    bool marker = false;
    for (int toe = 1; toe <= kToes; ++toe)
        marker = marker || state.markers[toe].shown;
    return marker || state.passShown;
}

std::optional<HintQuestion> askHint(const TableMirror& mirror)
{
    if (!canMove(mirror))
        return std::nullopt;
    const TableState& state = mirror.state();
    return HintQuestion{mirror.seatView(), static_cast<std::uint64_t>(std::max(0, state.ownTurns - 1)), state.position};
}

HintThought thinkHint(const HintQuestion& question)
{
    host::StrongPlayer strong;
    HintThought thought;
    thought.move = strong.choose(question.view, question.decision);
    thought.scores = strong.lastScores();
    return thought;
}

std::optional<Hint> readHint(const TableMirror& mirror, const HintQuestion& question, const HintThought& thought)
{
    if (!canMove(mirror) || mirror.state().position != question.position)
        return std::nullopt;
    const TableState& state = mirror.state();
    const host::ComputerMove& move = thought.move;
    std::optional<Hint> hint;
    const auto boneIn = [&](int slot) { return slot >= 1 && slot <= host::SeatView::kSlots ? question.view.hand[slot - 1] : 0; };
    if (!move.pass && state.hand.placeOf(move.slot) != 0) {
        const int bone = boneIn(move.slot);
        if (offered(state, move.toe, move.position)) {
            hint = playHint(move.slot, bone, move.toe, move.position);
        } else if (const auto end = question.view.board.openEnd(move.toe)) {
            // The same play on another toe that ends alike and has a marker.
            for (int toe = 1; toe <= kToes && !hint; ++toe)
                if (state.markers[toe].shown && mirror.markerPip(toe) == *end && shows(bone, *end))
                    hint = playHint(move.slot, bone, toe, state.markers[toe].position);
        }
        if (!hint) {
            const auto plays = host::legalPlays(question.view);
            long long best = 0;
            for (std::size_t k = 0; k < plays.size() && plays.size() == thought.scores.size(); ++k)
                if (offered(state, plays[k].toe, plays[k].position) && (!hint || thought.scores[k] > best)) {
                    best = thought.scores[k];
                    hint = playHint(plays[k].slot, boneIn(plays[k].slot), plays[k].toe, plays[k].position);
                }
        }
    }
    if (!hint)
        hint = Hint{true, -1, 0, 0, 0, "Hint: pass"};
    hint->at = question.position;
    return hint;
}

std::optional<Hint> hintNow(const TableMirror& mirror)
{
    const auto question = askHint(mirror);
    if (!question)
        return std::nullopt;
    return readHint(mirror, *question, thinkHint(*question));
}

} // namespace mirror
