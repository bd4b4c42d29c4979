// The strong computer: what a seat may know, the plays it may choose from, that its choice never
// depends on bones it cannot see, and that it plays whole games by the rules.

#include "host_fixture.h"
#include "seat_view_difference.h"

#include "game/bones.h"

#include <algorithm>
#include <memory>
#include <random>

using namespace hosttest;
using host::ComputerMove;
using host::SeatView;

namespace {

// Bone numbers worked out by hand from the numbering (top pip, then bottom pip).
constexpr int k0_1 = 2, k0_6 = 7, k0_9 = 10, k1_2 = 12, k1_6 = 16, k2_6 = 24, k3_4 = 29, k3_9 = 34, k4_5 = 36,
              k4_9 = 40, k6_6 = 46, k6_9 = 49, k7_9 = 52, k8_9 = 54, k9_9 = 55;

// A whole table of computer-played seats, driven move by move.
struct Duel {
    Recorder io;
    host::Engine engine;
    Transcript opening;  // the logins, the game's start and the first deal

    Duel(int seats, std::uint32_t seed) : engine(io, seed)
    {
        io.engine = &engine;
        for (int n = 1; n <= seats; ++n) {
            engine.connectionAccepted(engine.numberForNewConnection());
            feed(n, "CMD_logininfo+" + std::to_string(n) + "+1.0.4+P" + std::to_string(n));
        }
        feed(1, "CMD_startgame+P1+3+1+");
        for (int s = seats; s >= 1; --s)
            feed(1, "CMD_justwatch+" + std::to_string(s) + "+1");
        opening = io.take();
    }
    void feed(int n, const std::string& line)
    {
        engine.Sock1Read(n, line + '\xFF');
        while (engine.queuedLines() > 0)
            engine.socktimerTimer();
    }
    // One computer move, or the end of a pause; a timer that is not running ignores its tick.
    void step()
    {
        engine.computertimerTimer();
        engine.timer1Timer();
    }
    bool moveDue() const { return engine.state().gameRunning && engine.state().turnOpen; }
};

bool contains(const Transcript& log, const std::string& part)
{
    return std::any_of(log.begin(), log.end(), [&](const std::string& line) { return line.find(part) != std::string::npos; });
}

// What one seat's table has been told of the round, rebuilt from the messages sent to its
// connection and nothing else: all a strong player in that seat may decide from.
class TableView {
public:
    explicit TableView(int seat) { view_.seat = seat; }
    const SeatView& view() const { return view_; }

    void heard(const std::string& line)
    {
        const auto [verb, payload] = game::splitLine(line);
        game::FieldReader f(payload);
        const auto num = [&f] { return f.nextInt().value_or(-1); };
        auto& v = view_;
        if (verb == "CMD_startround") {
            num();
            const int spinner = num(), count = num();
            const int me = seat();
            v = SeatView{};
            v.seat = me;
            v.spinnerPip = game::gettopnum(spinner);
            v.gone.at(spinner) = true;
            for (int s = 1; s <= host::kSeats; ++s) {
                EXPECT_EQ(num(), s) << line;
                v.inGame[s] = f.next() == "t";
                v.bonesLeft[s] = v.inGame[s] ? count : 0;
            }
        } else if (verb == "CMD_dealmybones") {
            if (num() != seat())
                return;
            v.hand = {};
            while (!f.empty()) {
                const int slot = num();
                v.hand.at(slot - 1) = num();
            }
        } else if (verb == "CMD_nextplayer") {
            const int s = num();
            v.passed.at(s) = false;
            v.phase = num();
        } else if (verb == "CMD_heplayed" || verb == "CMD_double") {
            const int s = num(), slot = num(), bone = num(), toe = num(), position = num();
            const bool flip = f.next() == "t";
            v.bonesLeft.at(s) = num();
            v.gone.at(bone) = true;
            if (s == seat())
                v.hand.at(slot - 1) = 0;
            if (verb == "CMD_heplayed") {
                v.board.place(toe, position, bone, flip);
                v.passed.fill(false);
            }
        } else if (verb == "CMD_beginagain") {
            v.board.clear();
            v.spinnerPip = game::gettopnum(num());
        } else if (verb == "CMD_hepassed") {
            const int s = num();
            v.passed.at(s) = true;
            // A pass shows the seat holds nothing for any end that was open.
            if (v.phase == 1)
                v.lacks.at(s) |= static_cast<std::uint16_t>(1u << v.spinnerPip);
            else
                for (int toe = 1; toe <= game::kToes; ++toe)
                    if (const int free = v.board.firstEmpty(toe); free >= 2)
                        v.lacks.at(s) |= static_cast<std::uint16_t>(1u << game::outwardPip(v.board.cell(toe, free - 1)));
        }
    }

private:
    int seat() const { return view_.seat; }
    SeatView view_;
};

// Lines of a recorder's log as "<connection> <message>"; the timer notes have no number.
void tell(std::array<std::unique_ptr<TableView>, host::kSeats + 1>& tables, const Transcript& log)
{
    for (const auto& entry : log) {
        const auto space = entry.find(' ');
        const auto n = game::parseInt(std::string_view(entry).substr(0, space));
        if (n && *n >= 1 && *n <= host::kSeats && tables[*n])
            tables[*n]->heard(entry.substr(space + 1));
    }
}

} // namespace

TEST(StrongPlays, AreTheDistinctFittingPlaysOfTheSeat)
{
    SeatView view;
    view.seat = 1;
    view.spinnerPip = 9;
    view.hand = {k1_2, k4_9, 0, k6_9, k3_4};
    // Foot phase with toe 1 started: the fitting bones go to the lowest empty toe, toe 2.
    view.board.place(1, 1, k0_9, true);
    EXPECT_EQ(host::legalPlays(view), (std::vector<ComputerMove>{{false, 2, 2, 1}, {false, 4, 2, 1}}));

    // Toe phase. Toe 1 ends in 0, toe 2 in 4; toe 3 is 20 long and ends in 4 as well.
    view.board.place(2, 1, k4_9, true);
    view.board.place(3, 1, k3_9, true);
    for (int position = 2; position <= 20; ++position)
        view.board.place(3, position, k3_4, position % 2 != 0);
    view.hand = {k1_2, k0_1, k3_4, 0, k6_6};
    // 3|4 fits toes 2 and 3 alike, so it is offered once, on the lower toe.
    EXPECT_EQ(host::legalPlays(view), (std::vector<ComputerMove>{{false, 2, 1, 2}, {false, 3, 2, 2}}));

    // Toe 2 now ends in 5: 3|4 fits toe 3 only, at position 21, beyond the places a table offers.
    view.board.place(2, 2, k4_5, false);
    view.hand = {k3_4};
    EXPECT_EQ(host::legalPlays(view), (std::vector<ComputerMove>{{false, 1, 3, 21}}));
    view.hand = {k6_6};
    EXPECT_TRUE(host::legalPlays(view).empty());
}

TEST(StrongPlays, PlaysTheDoubleThatLocksOutASeatWithoutItsPip)
{
    // Round 1, toe phase, ends 6, 7 and 8. Seat 2 has shown it holds no 6. The double 6|6 starts
    // a new board on 6 which seat 2 cannot touch, and the three other sixes then go out one by
    // one. Any other bone first turns the 6 end away and may leave the sixes stuck. The standard
    // computer would take slot 1.
    SeatView view;
    view.seat = 1;
    view.spinnerPip = 9;
    view.phase = 2;
    view.inGame[1] = view.inGame[2] = true;
    view.bonesLeft[1] = 4;
    view.bonesLeft[2] = 10;
    view.lacks[2] = 1u << 6;
    view.board.place(1, 1, k6_9, true);
    view.board.place(2, 1, k7_9, true);
    view.board.place(3, 1, k8_9, true);
    for (int bone : {k9_9, k6_9, k7_9, k8_9})
        view.gone[bone] = true;
    view.hand = {k1_6, k2_6, k0_6, k6_6};
    host::StrongPlayer strong;
    for (std::uint64_t seed : {1u, 2u, 77u})
        EXPECT_EQ(strong.choose(view, seed), (ComputerMove{false, 4, 1, 2})) << seed;
    EXPECT_GT(strong.lastDeals(), 0);
}

TEST_F(HostTest, ASeatsViewHoldsItsOwnHandAndWhatPlaysAndPassesShowed)
{
    table(3);
    start();
    // The round's double is out of every hand from the deal on; the hand is the seat's own.
    auto view = engine.seatView(1);
    EXPECT_EQ(view.hand, seat(1).hand);
    EXPECT_EQ(std::count(view.gone.begin(), view.gone.end(), true), 1);
    EXPECT_TRUE(view.gone[k9_9]);
    EXPECT_EQ(view.bonesLeft[2], 14);
    EXPECT_EQ(view.bonesLeft[4], 0);

    arrange(1, 1, 9);
    seat(1).hand = {k4_9, k1_2};
    seat(2).hand = {k1_2, k0_1};
    seat(3).hand = {k0_9, k3_4};
    feed(1, "CMD_playbone+1+1+1+1+");  // 4|9 on toe 1: its end is 4
    feed(2, "CMD_hepasses+2+");         // foot phase: seat 2 has no 9
    EXPECT_EQ(io.take().back(), "3 CMD_nextplayer+3+1+f+t+t+1+1+1+");
    view = engine.seatView(3);
    EXPECT_EQ(view.lacks[2], 1u << 9);
    EXPECT_EQ(view.lacks[1] | view.lacks[3], 0u);
    EXPECT_TRUE(view.passed[2]);
    EXPECT_TRUE(view.gone[k4_9]);
    EXPECT_EQ(view.hand, (std::array<int, 20>{k0_9, k3_4}));
    EXPECT_EQ(view.bonesLeft[1], 1);
    EXPECT_EQ(view.board.cell(1, 1).bone, k4_9);

    // A pass in the toe phase shows every open end; what a seat lacks adds up over the round.
    arrange(2, 2, 9);
    state().board.place(1, 1, k0_9, true);  // end 0
    state().board.place(2, 1, k4_9, true);  // end 4
    state().board.place(3, 1, k3_9, true);  // end 3
    seat(2).hand = {k1_2};
    seat(3).hand = {k0_1};
    feed(2, "CMD_hepasses+2+");
    EXPECT_EQ(engine.seatView(3).lacks[2], (1u << 9) | (1u << 0) | (1u << 4) | (1u << 3));

    // A new round forgets it all.
    start();
    view = engine.seatView(2);
    EXPECT_EQ(view.lacks[2], 0u);
    EXPECT_EQ(std::count(view.gone.begin(), view.gone.end(), true), 1);
}

TEST(StrongPlays, EachDecisionOfAViewDrawsDealsOfItsOwn)
{
    // Toe phase of a three-seat round, ends 0, 5 and 8: six plays to choose from, each weighed
    // over deals of the 45 bones the seat cannot see.
    SeatView view;
    view.seat = 2;
    view.spinnerPip = 9;
    view.phase = 2;
    view.inGame[1] = view.inGame[2] = view.inGame[3] = true;
    view.bonesLeft = {0, 13, 5, 13};
    view.board.place(1, 1, k0_9, true);
    view.board.place(2, 1, k4_9, true);
    view.board.place(2, 2, k4_5, false);
    view.board.place(3, 1, k8_9, true);
    for (int bone : {k9_9, k0_9, k4_9, k4_5, k8_9})
        view.gone[bone] = true;
    view.hand = {k0_1, k0_6, game::boneNumber(5, 5), game::boneNumber(0, 7), game::boneNumber(5, 8)};
    ASSERT_EQ(host::legalPlays(view).size(), 6u);

    host::StrongPlayer first, again;
    const auto move = first.choose(view, 0);
    const auto scores = first.lastScores();
    EXPECT_EQ(again.choose(view, 0), move);
    EXPECT_EQ(again.lastScores(), scores);
    // The seat's later decisions from the same view must not replay the same deals.
    std::vector<std::vector<long long>> seen{scores};
    for (std::uint64_t decision = 1; decision <= 4; ++decision) {
        again.choose(view, decision);
        EXPECT_EQ(std::count(seen.begin(), seen.end(), again.lastScores()), 0) << decision;
        seen.push_back(again.lastScores());
    }
}

// Three tables dealt alike reach the same position. Then, in the second, the bones the strong
// seat cannot see (the other hands and the undealt rest) are shuffled among themselves, keeping
// every count and every pass record; in the third, the game's generator, which dealt them, is
// set somewhere else. Its move must come out the same in all three.
TEST(StrongComputer, ChoosesTheSameWhateverTheHiddenBonesAndTheDealersGeneratorAre)
{
    int positions = 0;
    std::mt19937 shuffler(5);
    for (int seats = 2; seats <= 4; ++seats)
        for (std::uint32_t seed = 1; seed <= 30; ++seed) {
            auto a = std::make_unique<Duel>(seats, seed), b = std::make_unique<Duel>(seats, seed),
                 c = std::make_unique<Duel>(seats, seed);
            // Standard moves up to a point that differs from game to game, then a real choice.
            int moves = static_cast<int>(seed * 7 % 40);
            bool found = false;
            for (int steps = 0; steps < 2000 && !found && a->engine.state().gameRunning; ++steps) {
                const int turn = a->engine.state().turnSeat;
                if (a->moveDue() && moves-- <= 0 && host::legalPlays(a->engine.seatView(turn)).size() > 1) {
                    found = true;
                    break;
                }
                a->step();
                b->step();
                c->step();
            }
            if (!found)
                continue;
            const int turn = a->engine.state().turnSeat;
            ASSERT_EQ(a->engine.random().state(), b->engine.random().state());

            auto& hidden = b->engine.stateForTest();
            std::vector<int*> places;
            for (int s = 1; s <= host::kSeats; ++s)
                if (s != turn && hidden.seat(s).inGame)
                    for (int& bone : hidden.seat(s).hand)
                        if (bone != 0)
                            places.push_back(&bone);
            for (int p = hidden.dealPosition; p < game::kBoneCount - 1; ++p)
                places.push_back(&hidden.deck[p]);
            std::vector<int> bones;
            for (int* place : places)
                bones.push_back(*place);
            const auto before = bones;
            std::shuffle(bones.begin(), bones.end(), shuffler);
            ASSERT_NE(bones, before);
            for (std::size_t k = 0; k < places.size(); ++k)
                *places[k] = bones[k];
            c->engine.random().seed(a->engine.random().state() ^ (0x9E3779B9u * seed));

            a->io.skill = b->io.skill = c->io.skill = 1;
            a->engine.computertimerTimer();
            b->engine.computertimerTimer();
            c->engine.computertimerTimer();
            const auto moveA = a->io.take(), moveB = b->io.take(), moveC = c->io.take();
            ASSERT_FALSE(moveA.empty());
            // The move itself, as every table hears it (what follows may differ with the hands).
            EXPECT_EQ(moveA[1], moveB[1]) << seats << " seats, seed " << seed;
            // With the same hands nothing that follows may differ either.
            EXPECT_EQ(moveA, moveC) << seats << " seats, seed " << seed;
            // Finer than the choice: every candidate's score over all deals, to the last point.
            const auto& scores = a->engine.strongPlayer().lastScores();
            EXPECT_EQ(b->engine.strongPlayer().lastScores(), scores);
            EXPECT_EQ(c->engine.strongPlayer().lastScores(), scores);
            EXPECT_GT(scores.size(), 1u);
            ++positions;
        }
    EXPECT_GE(positions, 60);
}

// Whole games with the strong player in every seat. At each of its moves: the view it decided
// from must be exactly what that seat's table was told; a fresh player given only that view and
// the seat's count of moves this game must weigh every play the same; and a second host, whose
// generator is moved elsewhere before each move (and put back after, so the games stay alike),
// must decide alike, so the games end with the same scores.
TEST(StrongComputer, DecidesFromWhatItsTableWasToldAtEveryMove)
{
    for (int seats = 2; seats <= 6; ++seats)
        for (std::uint32_t seed = 11; seed <= (seats <= 4 ? 12u : 11u); ++seed) {
            SCOPED_TRACE(std::to_string(seats) + " seats, seed " + std::to_string(seed));
            auto a = std::make_unique<Duel>(seats, seed), b = std::make_unique<Duel>(seats, seed);
            a->io.skill = b->io.skill = 1;
            std::array<std::unique_ptr<TableView>, host::kSeats + 1> tables;
            for (int s = 1; s <= seats; ++s)
                tables[s] = std::make_unique<TableView>(s);
            tell(tables, a->opening);
            ASSERT_EQ(a->opening, b->opening);

            std::array<std::uint64_t, host::kSeats + 1> moves{};
            int choices = 0;
            Transcript all;
            for (int steps = 0; steps < 20000 && a->engine.state().gameRunning; ++steps) {
                if (!a->moveDue()) {
                    a->step();
                    b->step();
                } else {
                    const int seat = a->engine.state().turnSeat;
                    const SeatView told = tables.at(seat)->view();
                    b->engine.random().seed(a->engine.random().state() ^ (0x85EBCA6Bu + static_cast<std::uint32_t>(steps)));
                    a->engine.computertimerTimer();
                    b->engine.computertimerTimer();
                    b->engine.random().seed(a->engine.random().state());
                    a->engine.timer1Timer();
                    b->engine.timer1Timer();

                    const auto& strong = a->engine.strongPlayer();
                    ASSERT_EQ(difference(strong.lastView(), told), "") << "move " << moves[seat] << " of seat " << seat;
                    host::StrongPlayer fresh;
                    const ComputerMove move = fresh.choose(told, moves[seat]++);
                    EXPECT_EQ(fresh.lastScores(), strong.lastScores());
                    EXPECT_EQ(b->engine.strongPlayer().lastScores(), strong.lastScores());
                    choices += strong.lastScores().size() > 1;

                    const std::string who = std::to_string(seat) + " ";
                    if (move.pass) {
                        EXPECT_TRUE(contains(a->io.log, who + "CMD_hepassed+" + std::to_string(seat) + "+"));
                    } else {
                        const std::string fields = "+" + std::to_string(seat) + "+" + std::to_string(move.slot) + "+" +
                                                   std::to_string(told.hand[move.slot - 1]) + "+" +
                                                   std::to_string(move.toe) + "+" + std::to_string(move.position) + "+";
                        EXPECT_TRUE(contains(a->io.log, who + "CMD_heplayed" + fields) ||
                                    contains(a->io.log, who + "CMD_double" + fields))
                            << fields;
                    }
                }
                const auto log = a->io.take();
                ASSERT_EQ(b->io.take(), log);
                tell(tables, log);
                all.insert(all.end(), log.begin(), log.end());
            }
            EXPECT_FALSE(a->engine.state().gameRunning);
            EXPECT_TRUE(contains(all, "CMD_winner+"));
            EXPECT_GE(choices, 10);
        }
}

// The game's seed replays it, strong moves included, though the host played games before it.
TEST(StrongComputer, ASecondGameReplaysFromItsSeed)
{
    const auto playOut = [](Duel& duel) {
        Transcript all;
        for (int steps = 0; steps < 20000 && duel.engine.state().gameRunning; ++steps) {
            duel.step();
            const auto log = duel.io.take();
            all.insert(all.end(), log.begin(), log.end());
        }
        return all;
    };
    Duel first(3, 21);
    first.io.skill = 1;
    ASSERT_TRUE(contains(playOut(first), "CMD_winner+"));
    first.feed(1, "CMD_startgame+P1+3+1+");
    for (int s = 3; s >= 1; --s)
        first.feed(1, "CMD_justwatch+" + std::to_string(s) + "+1");
    first.io.take();

    Duel replay(3, first.engine.gameSeed());
    replay.io.skill = 1;
    const auto game = playOut(first);
    EXPECT_TRUE(contains(game, "CMD_winner+"));
    EXPECT_EQ(playOut(replay), game);
}

TEST(StrongComputer, PlaysWholeGamesByTheRulesAndNeverPassesWithAPlay)
{
    for (int seats = 2; seats <= 4; ++seats)
        for (std::uint32_t seed = 1; seed <= 3; ++seed) {
            Duel duel(seats, seed);
            int strongMoves = 0;
            Transcript all;
            for (int steps = 0; steps < 5000 && duel.engine.state().gameRunning; ++steps) {
                const int turn = duel.engine.state().turnSeat;
                const bool strongTurn = duel.moveDue() && turn == 1;
                const bool canPlay = strongTurn && !host::legalPlays(duel.engine.seatView(turn)).empty();
                duel.io.skill = strongTurn ? 1 : 0;
                duel.step();
                const auto log = duel.io.take();
                if (strongTurn && (contains(log, "CMD_heplayed+1+") || contains(log, "CMD_double+1+") ||
                                   contains(log, "CMD_hepassed+1+"))) {
                    ++strongMoves;
                    EXPECT_EQ(contains(log, "CMD_hepassed+1+"), !canPlay) << seats << " seats, seed " << seed;
                }
                all.insert(all.end(), log.begin(), log.end());
            }
            EXPECT_FALSE(duel.engine.state().gameRunning);
            EXPECT_TRUE(contains(all, "CMD_winner+"));
            EXPECT_FALSE(contains(all, "CMD_noplay"));
            EXPECT_GE(strongMoves, 10);
        }
}

TEST(StrongPlays, ShedsItsHeaviestBoneWhenTheOtherSeatIsAboutToGoOut)
{
    // Toe phase of a two-seat round, ends 0, 5 and 8; seat 2 holds one bone. Whichever bone seat 1
    // lays, the other goes out next unless seat 2 goes out first: 5|8 must go now, wherever it fits.
    SeatView view;
    view.seat = 1;
    view.spinnerPip = 9;
    view.phase = 2;
    view.inGame[1] = view.inGame[2] = true;
    view.bonesLeft = {0, 2, 1};
    view.board.place(1, 1, k0_9, true);
    view.board.place(2, 1, k4_9, true);
    view.board.place(2, 2, k4_5, false);
    view.board.place(3, 1, k8_9, true);
    for (int bone : {k9_9, k0_9, k4_9, k4_5, k8_9})
        view.gone[bone] = true;
    view.hand = {k0_1, game::boneNumber(5, 8)};
    ASSERT_EQ(host::legalPlays(view).size(), 3u);
    host::StrongPlayer strong;
    for (std::uint64_t decision : {0u, 1u, 9u}) {
        const auto move = strong.choose(view, decision);
        EXPECT_FALSE(move.pass);
        EXPECT_EQ(move.slot, 2) << decision;
    }
}
