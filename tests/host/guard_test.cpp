// The away guard: with a turn time limit set on the hosting table, a seated player whose turn runs
// out has that one move made by the computer, and after two in a row is set to "Just Watch".
#include "host_fixture.h"

#include <algorithm>

using namespace hosttest;

namespace {

bool anyStartsWith(const Transcript& lines, const std::string& start)
{
    return std::any_of(lines.begin(), lines.end(), [&](const std::string& line) { return line.starts_with(start); });
}

} // namespace

TEST_F(HostTest, AMissedTurnIsMovedForTheSeatAndAMoveOfTheirOwnStartsTheCountAgain)
{
    io.limit = 30;
    table(3);
    start();
    arrange(1, 1, 9);
    seat(1).hand = {12, 40, 54};  // 1|2, 4|9, 8|9
    seat(2).hand = {10, 54, 5};   // 0|9, 8|9, 0|4
    seat(3).hand = {19, 21};      // 1|9, 2|3
    // Only messages every table knows: the play as if seat 1 had made it, then the next turn.
    engine.turntimerTimer();
    EXPECT_EQ(io.take(), (Transcript{"turn stop"} + toAll("CMD_heplayed+1+2+40+1+1+t+2+", 3) +
                             toAll("CMD_nextplayer+2+1+f+t+t+1+1+1+", 3) + Transcript{"turn 30000"}));
    EXPECT_EQ(engine.missedTurns(1), 1);
    feed(2, "CMD_playbone+2+1+2+1+");
    feed(3, "CMD_playbone+3+1+3+1+");
    // Chat and a refused play are not moves; a pass is, and the count starts again.
    feed(1, "CMD_chat+1+back in a second");
    feed(1, "CMD_playbone+1+1+1+5+");
    EXPECT_EQ(engine.missedTurns(1), 1);
    passes({1});
    EXPECT_EQ(engine.missedTurns(1), 0);
    feed(2, "CMD_playbone+2+3+2+2+");
    passes({3});
    engine.turntimerTimer();  // missed again, but not twice in a row
    EXPECT_EQ(engine.missedTurns(1), 1);
    EXPECT_FALSE(seat(1).watching);
    EXPECT_FALSE(anyStartsWith(io.take(), "1 CMD_justwatching"));
}

TEST_F(HostTest, TwoMissedTurnsInARowSetTheSeatToJustWatchUntilThePlayerTakesItBack)
{
    io.limit = 60;
    table(3);
    start();
    arrange(1, 1, 9);
    seat(1).hand = {40, 36, 53};  // 4|9, 4|5, 8|8
    seat(2).hand = {10, 12, 54};  // 0|9, 1|2, 8|9
    seat(3).hand = {19, 30};      // 1|9, 3|5
    feed(1, "CMD_playbone+1+1+1+1+");
    engine.turntimerTimer();
    feed(3, "CMD_playbone+3+1+3+1+");
    feed(1, "CMD_playbone+1+2+1+2+");  // the toes end in 5, 0 and 1
    io.take();
    engine.turntimerTimer();  // 1|2 is all that fits; then every table is told seat 2 watches
    const auto second = io.take();
    EXPECT_TRUE(second.at(1).starts_with("1 CMD_heplayed+2+2+12+3+2+")) << second.at(1);
    EXPECT_EQ(Transcript(second.end() - 4, second.end()), (Transcript{"turn 60000"} + toAll("CMD_justwatching+2+1", 3)));
    EXPECT_TRUE(seat(2).watching);

    // From then on the computer plays the seat at its own pace; no clock runs for it.
    passes({3, 1});
    EXPECT_EQ(io.take().back(), "computer 1000");
    EXPECT_FALSE(io.turnOn);
    // Taken back during that turn: the turn is the player's, timed, and the computer leaves it.
    feed(2, "CMD_justwatch+2+2");
    EXPECT_EQ(io.take(), (toAll("CMD_justwatching+2+2", 3) + Transcript{"turn 60000"}));
    EXPECT_EQ(engine.missedTurns(2), 0);
    engine.computertimerTimer();
    EXPECT_EQ(io.take(), Transcript{"computer stop"});
}

// Six players and a spectator, nobody at the keyboard: two guard moves per seat, then the
// computer plays every seat to the end.
TEST_F(HostTest, TheGuardNeverMovesForAComputerSeatAWatchingSeatOrASpectator)
{
    io.limit = 30;
    table(7);
    start("3");
    int guardMoves = 0;
    for (int step = 0; step < 2000 && state().gameRunning; ++step) {
        if (io.turnOn) {
            ++guardMoves;
            engine.turntimerTimer();
        } else if (io.computerOn)
            engine.computertimerTimer();
        else if (io.timer1On)
            engine.timer1Timer();
    }
    const auto log = io.take();
    EXPECT_FALSE(state().gameRunning);
    EXPECT_EQ(guardMoves, 12);
    for (int s = 1; s <= 6; ++s)
        EXPECT_EQ(std::count(log.begin(), log.end(), "7 CMD_justwatching+" + std::to_string(s) + "+1"), 1) << s;
    EXPECT_FALSE(anyStartsWith(log, "1 CMD_justwatching+7"));
}

TEST_F(HostTest, NoClockRunsWithTheLimitOffNorForTheComputersSeatInASoloGame)
{
    table(1);
    start();
    EXPECT_FALSE(anyStartsWith(io.take(), "turn"));  // Off: no clock at all
    io.limit = 120;
    passes({1});  // seat 2 is the computer's: its own timer, no clock
    EXPECT_FALSE(io.turnOn);
    EXPECT_TRUE(io.computerOn);
}

TEST_F(HostTest, TurnChangesStopTheClockAndNoneRunsInThePauses)
{
    io.limit = 120;
    table(3);
    start();
    arrange(1, 2, 9);
    for (int toe = 1; toe <= 3; ++toe)
        state().board.place(toe, 1, 49, false);  // every toe shows 9
    state().board.place(1, 2, 49, true);         // toe 1 shows 6
    seat(1).hand = {46, 12};                     // 6|6, 1|2
    seat(2).hand = {12, 48};                     // 1|2, 6|8
    seat(3).hand = {12, 21};
    passes({1});
    feed(2, "CMD_justwatch+2+1");  // on its own turn: seat 3's clock replaces seat 2's
    EXPECT_EQ(Transcript(io.log.end() - 2, io.log.end()), (Transcript{"turn stop", "turn 120000"}));
    engine.connectionLost(3);  // leaving on one's turn: likewise, for seat 1
    EXPECT_EQ(io.take().back(), "turn 120000");
    feed(2, "CMD_justwatch+2+2");
    io.take();

    // A double: nobody's clock runs in the pause; the next seat gets the whole limit.
    feed(1, "CMD_playbone+1+1+1+3+");
    EXPECT_EQ(io.take().front(), "turn stop");
    EXPECT_FALSE(io.turnOn);
    tick1(3);
    EXPECT_EQ(io.take().back(), "turn 120000");
    // The player of seat 3 comes back on their turn: it is timed again.
    feed(2, "CMD_playbone+2+2+1+1+");
    EXPECT_FALSE(io.turnOn);
    EXPECT_EQ(connect(), 3);
    feed(3, "CMD_logininfo+3+1.0.4+P3");
    EXPECT_TRUE(io.turnOn);
    // Going out ends the round and the clock; the next round's first turn starts one.
    seat(3).hand.fill(0);
    seat(3).hand[19] = 47;  // 6|7 alone, in slot 20
    feed(3, "CMD_playbone+3+20+2+1+");
    EXPECT_FALSE(io.turnOn);
    tick1(5);
    EXPECT_TRUE(io.turnOn);
}
