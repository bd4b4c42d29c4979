// The strong computer player: many deals of the unseen bones, each played out to the end of the
// round, decide between the plays it has.

#include "host/strong.h"

#include <algorithm>

namespace host {
namespace {

constexpr int kSeats = SeatView::kSeats;
constexpr int kSlots = SeatView::kSlots;
constexpr int kToes = game::kToes;
constexpr int kToeLength = game::kToePositions;

struct BoneFacts {
    int top = 0;
    int bottom = 0;
    unsigned mask = 0;  // bit p set when the bone shows pip p
    int pips = 0;
};

const std::array<BoneFacts, game::kBoneCount + 1> kBones = [] {
    std::array<BoneFacts, game::kBoneCount + 1> facts{};
    for (int bone = 1; bone <= game::kBoneCount; ++bone) {
        const int top = game::gettopnum(bone), bottom = game::getbotnum(bone);
        facts[bone] = {top, bottom, (1u << top) | (1u << bottom), top + bottom};
    }
    return facts;
}();

// A view built by a table from the host's messages may know no spinner (pip -1): nothing shows it.
bool shows(int bone, int pip)
{
    return static_cast<unsigned>(pip) <= game::kHighestPip && ((kBones[bone].mask >> pip) & 1u);
}
// The pip a bone laid against `pip` shows outward.
int otherPip(int bone, int pip) { return kBones[bone].top == pip ? kBones[bone].bottom : kBones[bone].top; }

constexpr std::uint64_t kGolden = 0x9E3779B97F4A7C15ull;

// splitmix64's finaliser: every input bit reaches every output bit.
std::uint64_t scramble(std::uint64_t z)
{
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

// splitmix64: small, fast, and its own, so the game's shared generator is never advanced here.
class Rng {
public:
    explicit Rng(std::uint64_t seed) : state_(seed) {}
    std::uint64_t next() { return scramble(state_ += kGolden); }
    // 0 .. n - 1
    unsigned below(unsigned n) { return static_cast<unsigned>(((next() >> 32) * n) >> 32); }

private:
    std::uint64_t state_;
};

// One round in the small, with the host's rules: hands as bone lists in slot order, each toe as
// its length and open end, the pass marks, whose turn it is. Seats are indexed in turn order.
struct Round {
    int seats = 0;
    std::array<std::array<int, kSlots>, kSeats> hand{};
    std::array<int, kSeats> count{};
    std::array<bool, kSeats> passed{};
    std::array<int, kToes> length{};
    std::array<int, kToes> end{};
    int spinner = 0;
    int turn = 0;
    int out = -1;  // the seat that went out, once the round is over
    bool over = false;

    bool footPhase() const { return length[0] == 0 || length[1] == 0 || length[2] == 0; }

    void nextTurn()
    {
        turn = (turn + 1) % seats;
        passed[turn] = false;  // a seat's mark is cleared when the turn comes to it
    }

    // Lays bone k of seat i on a toe (0-based); the caller has checked that it fits.
    void play(int i, int k, int toe)
    {
        const int bone = hand[i][k];
        std::copy(hand[i].begin() + k + 1, hand[i].begin() + count[i], hand[i].begin() + k);
        --count[i];
        if (length[toe] == 0) {
            length[toe] = 1;
            end[toe] = otherPip(bone, spinner);
            passed.fill(false);
        } else if (kBones[bone].top == kBones[bone].bottom) {
            // A double on a toe end: the board starts again around it; the pass marks stay.
            spinner = kBones[bone].top;
            length.fill(0);
        } else {
            ++length[toe];
            end[toe] = otherPip(bone, end[toe]);
            passed.fill(false);
        }
        if (count[i] == 0) {
            over = true;
            out = i;
            return;
        }
        nextTurn();
    }

    void pass(int i)
    {
        passed[i] = true;
        for (int s = 0; s < seats; ++s)
            if (!passed[s]) {
                nextTurn();
                return;
            }
        over = true;  // everyone passed since the last ordinary play
    }

    // The standard computer's move for the seat whose turn it is.
    void standardMove(Rng& rng)
    {
        const int i = turn;
        if (footPhase()) {
            const int toe = length[0] == 0 ? 0 : length[1] == 0 ? 1 : 2;
            for (int k = 0; k < count[i]; ++k)
                if (shows(hand[i][k], spinner))
                    return play(i, k, toe);
            return pass(i);
        }
        const unsigned start = rng.below(3) + 1;
        for (unsigned step = 0; step < kToes; ++step) {
            const int toe = static_cast<int>((start + step) % kToes);
            if (length[toe] >= kToeLength)
                continue;
            for (int k = 0; k < count[i]; ++k)
                if (shows(hand[i][k], end[toe]))
                    return play(i, k, toe);
        }
        pass(i);
    }

    // The heaviest fitting bone of the seat whose turn it is; among the toes it fits, the first
    // from a random start.
    void greedyMove(Rng& rng)
    {
        const int i = turn;
        int bestK = -1, bestToe = 0, bestPips = -1;
        if (footPhase()) {
            const int toe = length[0] == 0 ? 0 : length[1] == 0 ? 1 : 2;
            for (int k = 0; k < count[i]; ++k)
                if (shows(hand[i][k], spinner) && kBones[hand[i][k]].pips > bestPips) {
                    bestK = k;
                    bestToe = toe;
                    bestPips = kBones[hand[i][k]].pips;
                }
        } else {
            const unsigned start = rng.below(3);
            for (int k = 0; k < count[i]; ++k) {
                const int bone = hand[i][k];
                if (kBones[bone].pips <= bestPips)
                    continue;
                for (unsigned step = 0; step < kToes; ++step) {
                    const int toe = static_cast<int>((start + step) % kToes);
                    if (length[toe] < kToeLength && shows(bone, end[toe])) {
                        bestK = k;
                        bestToe = toe;
                        bestPips = kBones[bone].pips;
                        break;
                    }
                }
            }
        }
        if (bestK < 0)
            return pass(i);
        play(i, bestK, bestToe);
    }

    // Each move of a play-out, the own seat's included, is the heaviest fitting bone or the
    // standard computer's at even odds. Real opponents are neither: the standard computer ignores
    // weight, people and the greedy player shed heavy bones first, and a mix scores plays well
    // against both where either rule alone misjudges the other kind of table.
    void playOut(Rng& rng)
    {
        // Every move takes a bone or sets a mark, so a round ends long before this.
        for (int moves = 0; !over && moves < 4096; ++moves) {
            if (rng.below(2) == 0)
                greedyMove(rng);
            else
                standardMove(rng);
        }
    }

    int score(int i) const
    {
        int total = i == out ? -20 : 0;
        for (int k = 0; k < count[i]; ++k)
            total += kBones[hand[i][k]].pips;
        return total;
    }
};

// The play-outs' seed: everything the seat sees, and which of its decisions this is. Nothing
// else may enter it, or a hidden hand could steer the deals through it.
std::uint64_t playoutSeed(const SeatView& view, std::uint64_t decision)
{
    std::uint64_t h = 0x243F6A8885A308D3ull;
    const auto add = [&h](std::uint64_t word) { h = scramble((h ^ word) + kGolden); };
    add(static_cast<std::uint64_t>(view.seat));
    for (int bone : view.hand)
        add(static_cast<std::uint64_t>(bone));
    for (int seat = 0; seat <= kSeats; ++seat) {
        add(view.inGame[seat]);
        add(static_cast<std::uint64_t>(view.bonesLeft[seat]));
        add(view.passed[seat]);
        add(view.lacks[seat]);
    }
    for (bool gone : view.gone)
        add(gone);
    add(static_cast<std::uint64_t>(view.phase));
    add(static_cast<std::uint64_t>(view.spinnerPip));
    for (int toe = 1; toe <= kToes; ++toe)
        for (int position = 1; position <= kToeLength; ++position) {
            const auto& cell = view.board.cell(toe, position);
            add((static_cast<std::uint64_t>(cell.bone) << 1) | static_cast<std::uint64_t>(cell.flip));
        }
    add(decision);
    return h;
}

} // namespace

std::vector<ComputerMove> legalPlays(const SeatView& view)
{
    std::vector<ComputerMove> plays;
    const auto& board = view.board;
    if (board.anyToeEmpty()) {
        const int toe = board.isToeEmpty(1) ? 1 : board.isToeEmpty(2) ? 2 : 3;
        for (int slot = 1; slot <= kSlots; ++slot) {
            const int bone = view.hand[slot - 1];
            if (game::isValidBone(bone) && shows(bone, view.spinnerPip))
                plays.push_back({false, slot, toe, 1});
        }
        return plays;
    }
    for (int slot = 1; slot <= kSlots; ++slot) {
        const int bone = view.hand[slot - 1];
        if (!game::isValidBone(bone))
            continue;
        unsigned endsTried = 0;
        for (int toe = 1; toe <= kToes; ++toe) {
            const int position = board.firstEmpty(toe);
            if (position < 2)
                continue;
            const int openEnd = game::outwardPip(board.cell(toe, position - 1));
            if (!shows(bone, openEnd) || ((endsTried >> openEnd) & 1u))
                continue;
            endsTried |= 1u << openEnd;
            plays.push_back({false, slot, toe, position});
        }
    }
    return plays;
}

ComputerMove StrongPlayer::choose(const SeatView& view, std::uint64_t decision)
{
    lastView_ = view;
    lastDeals_ = 0;
    scores_.clear();
    const auto plays = legalPlays(view);
    if (plays.empty())
        return {};
    if (plays.size() == 1)
        return plays.front();

    // The round as this seat sees it; the other hands are filled in by each deal.
    Round base;
    std::array<int, kSeats + 1> indexOf{};
    std::array<int, kSeats> seatOf{};
    for (int seat = 1; seat <= kSeats; ++seat)
        if (view.inGame[seat] || seat == view.seat) {
            indexOf[seat] = base.seats;
            seatOf[base.seats++] = seat;
        }
    const int me = indexOf[view.seat];
    std::array<int, kSlots + 1> compactOf{};  // hand slot -> place in the bone list
    std::array<bool, game::kBoneCount + 1> known = view.gone;
    for (int slot = 1; slot <= kSlots; ++slot) {
        const int bone = view.hand[slot - 1];
        if (!game::isValidBone(bone))
            continue;
        compactOf[slot] = base.count[me];
        base.hand[me][base.count[me]++] = bone;
        known[bone] = true;
    }
    for (int i = 0; i < base.seats; ++i)
        base.passed[i] = view.passed[seatOf[i]];
    for (int toe = 1; toe <= kToes; ++toe) {
        const int free = view.board.firstEmpty(toe);
        base.length[toe - 1] = free == 0 ? kToeLength : free - 1;
        if (const auto openEnd = view.board.openEnd(toe))
            base.end[toe - 1] = *openEnd;
    }
    base.spinner = view.spinnerPip;
    base.turn = me;

    std::vector<int> unseen;
    for (int bone = 1; bone <= game::kBoneCount; ++bone)
        if (!known[bone])
            unseen.push_back(bone);

    // The other seats, the most constrained first, so a seat that has passed a lot is served
    // before the unconstrained ones take the bones it may hold.
    struct Other {
        int index;
        int want;
        unsigned lacks;
        int eligible;
    };
    std::vector<Other> others;
    for (int i = 0; i < base.seats; ++i) {
        if (i == me)
            continue;
        const int seat = seatOf[i];
        const unsigned lacks = view.lacks[seat];
        const int eligible = static_cast<int>(
            std::count_if(unseen.begin(), unseen.end(), [lacks](int bone) { return (kBones[bone].mask & lacks) == 0; }));
        others.push_back({i, std::clamp(view.bonesLeft[seat], 0, kSlots), lacks, eligible});
    }
    std::stable_sort(others.begin(), others.end(),
                     [](const Other& a, const Other& b) { return a.eligible < b.eligible; });

    const int candidates = static_cast<int>(plays.size());
    const int deals = std::max(kMinDeals, kPlayouts / candidates);
    lastDeals_ = deals;
    auto& gain = scores_;
    gain.assign(plays.size(), 0);
    Rng rng(playoutSeed(view, decision));
    std::vector<int> order = unseen;
    std::vector<bool> taken(order.size());
    for (int d = 0; d < deals; ++d) {
        Round dealt = base;
        for (std::size_t k = order.size(); k > 1; --k)
            std::swap(order[k - 1], order[rng.below(static_cast<unsigned>(k))]);
        std::fill(taken.begin(), taken.end(), false);
        for (const Other& other : others) {
            auto& count = dealt.count[other.index];
            // Bones it may hold first; if what passes revealed cannot all be true (a player may
            // pass with a bone that fits), the rest are dealt without regard to them.
            for (int strict = 1; strict >= 0 && count < other.want; --strict)
                for (std::size_t k = 0; k < order.size() && count < other.want; ++k)
                    if (!taken[k] && (!strict || (kBones[order[k]].mask & other.lacks) == 0)) {
                        taken[k] = true;
                        dealt.hand[other.index][count++] = order[k];
                    }
        }
        const std::uint64_t playSeed = rng.next();
        for (int c = 0; c < candidates; ++c) {
            Round round = dealt;
            const auto& move = plays[c];
            round.play(me, compactOf[move.slot], move.toe - 1);
            Rng playRng(playSeed);
            round.playOut(playRng);
            // The others' mean round score against its own, in sixtieths so sums stay exact.
            long long othersSum = 0;
            for (int i = 0; i < round.seats; ++i)
                if (i != me)
                    othersSum += round.score(i);
            const int opponents = round.seats - 1;
            gain[c] += (othersSum * 60) / std::max(1, opponents) - round.score(me) * 60LL;
        }
    }
    const auto best = std::max_element(gain.begin(), gain.end());  // the first of equals: lowest slot
    return plays[static_cast<std::size_t>(best - gain.begin())];
}

} // namespace host
