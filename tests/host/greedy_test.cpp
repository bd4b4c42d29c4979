// The duel's greedy player: the heaviest bone that fits, the first of equals, a pass only when
// nothing fits, and moves the host accepts as a table's.

#include "greedy.h"
#include "host_fixture.h"

#include "game/bones.h"

#include <algorithm>

using namespace hosttest;
using host::ComputerMove;
using host::SeatView;

namespace {

int bone(int a, int b) { return game::boneNumber(a, b); }

bool contains(const Transcript& log, const std::string& line)
{
    return std::find(log.begin(), log.end(), line) != log.end();
}

} // namespace

TEST(GreedyPlayer, LaysTheHeaviestBoneThatFitsAndPassesOnlyWhenNoneDoes)
{
    SeatView view;
    view.seat = 1;
    view.spinnerPip = 9;
    view.board.place(1, 1, bone(0, 9), true);
    // Foot phase: 8|8 weighs most but shows no 9; of the nines 6|9 is heaviest.
    view.hand = {bone(8, 8), bone(1, 9), bone(6, 9), bone(3, 9)};
    EXPECT_EQ(benchgreedy::greedyMove(view), (ComputerMove{false, 3, 2, 1}));

    // Toe phase, ends 0, 4 and 3. 3|6 and 4|5 both weigh 9: the lower slot wins.
    view.board.place(2, 1, bone(4, 9), true);
    view.board.place(3, 1, bone(3, 9), true);
    view.hand = {bone(8, 8), bone(0, 1), bone(3, 6), 0, bone(4, 5)};
    EXPECT_EQ(benchgreedy::greedyMove(view), (ComputerMove{false, 3, 3, 2}));
    // A bone that fits two toes goes to the lower.
    view.hand = {bone(0, 1), bone(3, 4)};
    EXPECT_EQ(benchgreedy::greedyMove(view), (ComputerMove{false, 2, 2, 2}));

    view.hand = {bone(8, 8), bone(1, 2)};
    EXPECT_TRUE(benchgreedy::greedyMove(view).pass);
}

TEST_F(HostTest, TheGreedyPlayersMovesAreTakenAsATablesPlayAndPass)
{
    table(2);
    start();
    arrange(1, 2, 9);
    state().board.place(1, 1, bone(0, 9), true);  // end 0
    state().board.place(2, 1, bone(4, 9), true);  // end 4
    state().board.place(2, 2, bone(4, 5), false);  // end 5
    state().board.place(3, 1, bone(3, 9), true);  // end 3
    seat(1).hand = {bone(0, 1), bone(5, 7), bone(2, 3)};
    seat(2).hand = {bone(8, 8), bone(1, 2)};

    benchgreedy::sendMove(engine, 1, benchgreedy::greedyMove(engine.seatView(1)));
    const auto played = io.take();
    EXPECT_TRUE(contains(played, "2 CMD_heplayed+1+2+" + std::to_string(bone(5, 7)) + "+2+3+f+2+"));
    EXPECT_EQ(seat(1).hand[1], 0);

    benchgreedy::sendMove(engine, 2, benchgreedy::greedyMove(engine.seatView(2)));
    EXPECT_TRUE(contains(io.take(), "1 CMD_hepassed+2+"));
    EXPECT_EQ(state().turnSeat, 1);
}
