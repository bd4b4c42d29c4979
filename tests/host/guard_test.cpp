// The away guard: with a turn time limit set on the hosting table, a seated player whose turn runs
// out has that one move made by the computer, and after two in a row is set to "Just Watch".
#include "host_fixture.h"

#include <algorithm>

using namespace hosttest;

namespace {

bool has(const Transcript& lines, const std::string& line)
{
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

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
    EXPECT_EQ(io.take().back(), "turn 30000");  // seat 1 leads
    arrange(1, 1, 9);
    seat(1).hand = {12, 40, 54};  // 1|2, 4|9, 8|9
    seat(2).hand = {10, 54, 5};   // 0|9, 8|9, 0|4
    seat(3).hand = {19, 21, 30};  // 1|9, 2|3, 3|5

    // Only messages every table knows: the play as if seat 1 had made it, then the next turn.
    engine.turntimerTimer();
    EXPECT_EQ(io.take(), (Transcript{"turn stop"} + toAll("CMD_heplayed+1+2+40+1+1+t+2+", 3) +
                             toAll("CMD_nextplayer+2+1+f+t+t+1+1+1+", 3) + Transcript{"turn 30000"}));
    EXPECT_EQ(engine.missedTurns(1), 1);
    EXPECT_FALSE(seat(1).watching);

    // Seat 2 plays in time: its clock stops, seat 3's starts. A late tick changes nothing.
    feed(2, "CMD_playbone+2+1+2+1+");
    EXPECT_EQ(io.take(), (Transcript{"turn stop"} + toAll("CMD_heplayed+2+1+10+2+1+t+2+", 3) +
                             toAll("CMD_nextplayer+3+1+f+f+t+1+1+1+", 3) + Transcript{"turn 30000"}));
    feed(3, "CMD_playbone+3+1+3+1+");
    io.take();

    // Chat, a refused play and a sound are not moves: the clock runs on and the count stays.
    feed(1, "CMD_chat+1+back in a second");
    feed(1, "CMD_playbone+1+1+1+5+");
    feed(1, "CMD_playasound+1+3");
    EXPECT_FALSE(anyStartsWith(io.take(), "turn"));
    EXPECT_EQ(engine.missedTurns(1), 1);

    // Back at the table: a pass of their own is a move, and the count starts again.
    passes({1});
    EXPECT_EQ(engine.missedTurns(1), 0);
    feed(2, "CMD_playbone+2+3+2+2+");
    passes({3});
    io.take();
    engine.turntimerTimer();  // seat 1 misses again, once only since its last own move
    const auto missed = io.take();
    EXPECT_TRUE(anyStartsWith(missed, "1 CMD_heplayed+1+1+12+") || has(missed, "1 CMD_hepassed+1+"));
    EXPECT_EQ(engine.missedTurns(1), 1);
    EXPECT_FALSE(seat(1).watching);
    EXPECT_FALSE(anyStartsWith(missed, "1 CMD_justwatching"));
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
    io.take();
    engine.turntimerTimer();  // seat 2's first miss: 0|9 on the lowest empty toe
    EXPECT_TRUE(has(io.take(), "2 CMD_heplayed+2+1+10+2+1+t+2+"));
    feed(3, "CMD_playbone+3+1+3+1+");
    feed(1, "CMD_playbone+1+2+1+2+");  // toes now end in 5, 0 and 1
    io.take();

    engine.turntimerTimer();  // the second in a row: 1|2 is all that fits, then Just Watch
    const auto second = io.take();
    ASSERT_GE(second.size(), 3u);
    EXPECT_TRUE(second[1].starts_with("1 CMD_heplayed+2+2+12+3+2+")) << second[1];
    EXPECT_EQ(Transcript(second.end() - 4, second.end()),
              (Transcript{"turn 60000"} + toAll("CMD_justwatching+2+1", 3)));
    EXPECT_TRUE(seat(2).watching);
    EXPECT_EQ(engine.missedTurns(2), 2);

    // From then on the computer plays the seat at its own pace; no clock runs for it.
    passes({3, 1});
    const auto watched = io.take();
    EXPECT_EQ(watched.back(), "computer 1000");
    EXPECT_FALSE(io.turnOn);
    engine.turntimerTimer();
    EXPECT_EQ(io.take(), Transcript{});

    // The player takes the seat back with "Just Watch" during that turn: the turn is theirs
    // again, timed, and the computer's pending move leaves it alone.
    feed(2, "CMD_justwatch+2+2");
    EXPECT_EQ(io.take(), (toAll("CMD_justwatching+2+2", 3) + Transcript{"turn 60000"}));
    EXPECT_EQ(engine.missedTurns(2), 0);
    engine.computertimerTimer();
    EXPECT_EQ(io.take(), Transcript{"computer stop"});
    feed(2, "CMD_justwatch+2+2");  // asking again does not wind the clock back
    EXPECT_EQ(io.take(), toAll("CMD_justwatching+2+2", 3));
}

TEST_F(HostTest, TheGuardNeverMovesForAComputerSeatAWatchingSeatOrASpectator)
{
    io.limit = 30;
    // A solo game: seat 2 is the computer's, with its own timer.
    table(1);
    start();
    arrange(1, 1, 9);
    seat(1).hand = {12};
    seat(2).hand = {10, 12};
    passes({1});
    const auto solo = io.take();
    EXPECT_EQ(solo.front(), "turn stop");
    EXPECT_EQ(solo.back(), "computer 1000");
    EXPECT_FALSE(io.turnOn);
    engine.turntimerTimer();
    EXPECT_EQ(io.take(), Transcript{});
}

// Six players and a spectator, nobody at the keyboard: the guard moves seat after seat until
// every seat watches; the spectator is never touched, and the game plays out.
TEST_F(HostTest, EverySeatedPlayerAwayEndsOnJustWatchAndTheSpectatorIsLeftAlone)
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
        else
            break;
    }
    const auto log = io.take();
    EXPECT_FALSE(state().gameRunning) << "the game must play out to its winner";
    EXPECT_EQ(guardMoves, 12);  // two per seat, then the computer plays them
    for (int s = 1; s <= 6; ++s) {
        EXPECT_TRUE(seat(s).watching) << s;
        EXPECT_EQ(std::count(log.begin(), log.end(), "7 CMD_justwatching+" + std::to_string(s) + "+1"), 1) << s;
    }
    EXPECT_FALSE(seat(7).watching);
    EXPECT_FALSE(anyStartsWith(log, "1 CMD_justwatching+7"));
}

TEST_F(HostTest, TheClockStopsWhenTheTurnMovesOnAndRestartsInFullForEachTurn)
{
    // Off, the default: no clock at all.
    table(3);
    start();
    EXPECT_FALSE(anyStartsWith(io.take(), "turn"));
    arrange(1, 2, 9);
    for (int toe = 1; toe <= 3; ++toe)
        state().board.place(toe, 1, 49, false);  // every toe shows 9
    state().board.place(1, 2, 49, true);         // toe 1 shows 6
    seat(1).hand = {46, 12};                     // 6|6, 1|2
    seat(2).hand = {12, 48, 54};                 // 1|2, 6|8, 8|9
    seat(3).hand = {12, 21};

    // A limit chosen mid-game counts from the next turn.
    io.limit = 120;
    passes({1});
    EXPECT_EQ(io.take().back(), "turn 120000");
    // Seat 2 starts watching on its own turn: its clock stops, seat 3's starts.
    feed(2, "CMD_justwatch+2+1");
    EXPECT_EQ(io.take(), (toAll("CMD_justwatching+2+1", 3) + toAll("CMD_nextplayer+3+2+t+t+t+3+2+2+", 3) +
                             Transcript{"turn stop", "turn 120000"}));
    // Seat 3 leaves on its turn: the clock stops; the computer plays the seat from now on.
    engine.connectionLost(3);
    const auto left = io.take();
    EXPECT_EQ(Transcript(left.end() - 4, left.end()),
              (Transcript{"1 CMD_nextplayer+1+2+t+t+t+3+2+2+", "2 CMD_nextplayer+1+2+t+t+t+3+2+2+", "turn stop",
                          "turn 120000"}));
    feed(2, "CMD_justwatch+2+2");
    io.take();

    // A double: nobody's clock runs in the pause, and the next seat's turn gets the whole limit.
    feed(1, "CMD_playbone+1+1+1+3+");
    EXPECT_EQ(io.take(), (Transcript{"turn stop"} + toAll("CMD_double+1+1+46+1+3+f+1+", 2) + Transcript{"timer1 1000"}));
    tick1(3);
    EXPECT_EQ(io.take().back(), "turn 120000");
    EXPECT_EQ(state().turnSeat, 2);

    // The player of seat 3 comes back on their turn: they are offered it, and it is timed.
    feed(2, "CMD_playbone+2+2+1+1+");
    io.take();
    EXPECT_EQ(state().turnSeat, 3);
    EXPECT_TRUE(io.computerOn);
    EXPECT_EQ(connect(), 3);
    feed(3, "CMD_logininfo+3+1.0.4+P3");
    EXPECT_EQ(io.take().back(), "turn 120000");
    engine.computertimerTimer();
    EXPECT_EQ(state().turnSeat, 3);

    // A play that ends the round stops the clock; none runs until the next round's first turn.
    seat(3).hand.fill(0);
    seat(3).hand[19] = 47;  // 6|7 alone, in slot 20
    io.take();
    feed(3, "CMD_playbone+3+20+2+1+");
    const auto out = io.take();
    EXPECT_EQ(out.front(), "turn stop");
    EXPECT_TRUE(anyStartsWith(out, "1 CMD_endround+3+"));
    EXPECT_FALSE(io.turnOn);
    engine.turntimerTimer();
    EXPECT_FALSE(anyStartsWith(io.take(), "1 CMD_"));
    tick1(5);
    EXPECT_TRUE(io.turnOn);
}
