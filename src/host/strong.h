#pragma once
// The strong computer player. It decides from what its seat could know at a real table (its own
// hand, the board, how many bones each seat holds, the bones already played and which ends each
// seat has passed on) and nothing else: it is handed a SeatView, never the host state, so it
// cannot see another hand or the deck.
//
// How it decides: for every distinct legal play it deals the unseen bones to the other seats many
// times over, at random but consistent with what is known (a seat that passed on an end holds no
// bone showing that pip), plays each deal out to the end of the round, every seat moving by the
// standard computer's rules or laying its heaviest fitting bone at even odds, and keeps the play
// with the best average outcome: the others' mean round score minus its own. Every play is tried on the same deals, so the comparison is not
// drowned in the luck of the deal. The deals are drawn from a generator seeded with a hash of the
// view and the number of the decision, and their number is fixed, so a decision is a function of
// those two alone: nothing the seat cannot see (the game's own generator, which dealt the hands,
// included) can steer it, and each decision of a seat draws deals of its own.

#include "game/board.h"
#include "game/bones.h"

#include <array>
#include <cstdint>
#include <vector>

namespace host {

enum class ComputerSkill { Standard = 0, Strong = 1 };

struct SeatView {
    static constexpr int kSeats = 6;
    static constexpr int kSlots = 20;

    int seat = 0;                         // 1..6, the seat to move
    std::array<int, kSlots> hand{};       // its own hand by slot (slot j at index j - 1), 0 = empty
    std::array<bool, kSeats + 1> inGame{};
    std::array<int, kSeats + 1> bonesLeft{};
    std::array<bool, kSeats + 1> passed{};  // pass marks as the tables saw them announced
    // Pips each seat has shown it does not hold, by passing while they were open (bit p = pip p).
    std::array<std::uint16_t, kSeats + 1> lacks{};
    // Bones that are in no hand: those played this round and the double the round started on.
    std::array<bool, game::kBoneCount + 1> gone{};
    int phase = 1;       // 1 while a toe is empty, 2 after
    int spinnerPip = 0;  // the pip the toes of the foot phase must start with
    game::Board board;
};

struct ComputerMove {
    bool pass = true;
    int slot = 0;
    int toe = 0;
    int position = 0;

    friend bool operator==(const ComputerMove&, const ComputerMove&) = default;
};

// Every distinct play the seat can make now, in hand slot order. In the foot phase a bone goes to
// the lowest empty toe (the empty toes are alike); in the toe phase toes with the same open end
// count once. Empty when the seat must pass.
std::vector<ComputerMove> legalPlays(const SeatView& view);

class StrongPlayer {
public:
    // Round play-outs per decision, shared among the candidate plays, and the fewest deals each
    // candidate is tried on. Sized so a decision takes a few milliseconds.
    static constexpr int kPlayouts = 2000;
    static constexpr int kMinDeals = 100;

    // The play (or pass) for the view's seat. `decision` tells the seat's decisions apart (the
    // host counts them per seat and game), so two decisions from one view still draw different
    // deals. The same view and decision give the same move.
    ComputerMove choose(const SeatView& view, std::uint64_t decision);

    // The number of deals the last choose() played each candidate out on; 0 when the move was
    // forced. For the benchmark's account of decisions.
    int lastDeals() const { return lastDeals_; }
    // What each candidate of the last decision scored over all deals, in the order of
    // legalPlays(): the whole of what the choice was made from.
    const std::vector<long long>& lastScores() const { return scores_; }
    // The view the last choose() was given, so a check can hold it against what the seat's
    // table was told.
    const SeatView& lastView() const { return lastView_; }

private:
    int lastDeals_ = 0;
    std::vector<long long> scores_;
    SeatView lastView_;
};

} // namespace host
