// Round scores, totals, newcomers' credits, the end of the game, and the computer players.

#include "host_fixture.h"

#include <algorithm>

using namespace hosttest;

TEST_F(HostTest, GoingOutScoresMinusTwentyAndTheOthersTheirPips)
{
    table(3);
    start();
    arrange(1, 1, 9);
    seat(1).hand = {10};     // 0|9
    seat(2).hand = {29, 1};  // 3|4 and 0|0
    feed(1, "CMD_playbone+1+1+1+1+");
    EXPECT_EQ(io.take(), (toAll("CMD_heplayed+1+1+10+1+1+t+0+", 3) + toAll("CMD_endround+1+1+-20+-20+2+7+7+3+0+0", 3) +
                             Transcript{"timer1 1000"}));

    // Going out with a double ends the round at once, without a new board.
    tick1(5);
    arrange(3, 2, 8);
    state().board.place(1, 1, 47, true);  // 6|7 showing 6
    state().board.place(2, 1, 47, true);
    state().board.place(3, 1, 47, true);
    seat(3).hand[19] = 46;  // 6|6 in the last slot
    seat(1).hand = {55};
    feed(3, "CMD_playbone+3+20+2+2+");
    EXPECT_EQ(io.take(), (toAll("CMD_double+3+20+46+2+2+f+0+", 3) + toAll("CMD_endround+3+1+18+-2+2+0+7+3+-20+-20", 3) +
                             Transcript{"timer1 1000"}));

    // A game started during the pause does not inherit it: no second round 1 five ticks later.
    start();
    EXPECT_EQ(io.take()[3], "timer1 stop");
    tick1(5);
    EXPECT_EQ(io.take(), Transcript{});
}

class CreditTest : public HostTest, public testing::WithParamInterface<std::pair<int, int>> {};

TEST_P(CreditTest, AWaitingNewcomerStartsLevelWithTheTable)
{
    const auto [option, credit] = GetParam();
    table(4);
    engine.connectionLost(4);
    start("3", std::to_string(option));
    io.take();
    connect();
    feed(4, "CMD_logininfo+4+1.0.4+Dee");
    EXPECT_EQ(io.take()[6], "4 CMD_youplay+" + std::to_string(option) + "+4");
    arrange(1, 1, 9);
    seat(1).total = 10;
    seat(2).total = 21;
    seat(3).total = 5;
    passes({1, 2, 3});
    const std::string entries = "CMD_endround+0+1+0+10+2+0+21+3+0+5+4+" + std::to_string(credit) + "+" + std::to_string(credit);
    EXPECT_EQ(io.take(), (toAll("CMD_hepassed+1+", 4) + toAll("CMD_nextplayer+2+1+t+t+t+1+1+1+", 4) +
                             toAll("CMD_hepassed+2+", 4) + toAll("CMD_nextplayer+3+1+t+t+t+1+1+1+", 4) +
                             toAll("CMD_hepassed+3+", 4) + toAll(entries, 4) + Transcript{"timer1 1000"}));
    tick1(5);
    const auto next = io.take();
    EXPECT_EQ(next[1], "1 CMD_startround+2+53+11+1+t+2+t+3+t+4+t+5+f+6+f");
    EXPECT_EQ(std::count_if(next.begin(), next.end(), [](const std::string& line) { return line.starts_with("4 CMD_dealmybones+4+"); }), 1);
}

INSTANTIATE_TEST_SUITE_P(Options, CreditTest, testing::Values(std::pair{2, 21}, std::pair{3, 12}));

TEST_F(HostTest, ATieReplaysTheLastRoundThenTheLowestTotalWins)
{
    table(3);
    start("3");
    state().round = 3;
    arrange(1, 1, 9);
    seat(1).total = 40;
    seat(2).total = 35;
    seat(3).total = 35;
    passes({1, 2, 3});
    io.take();
    tick1(5);
    const auto replay = io.take();
    ASSERT_GE(replay.size(), 7u);
    EXPECT_EQ(Transcript(replay.begin(), replay.begin() + 7),
              Transcript{"timer1 stop"} + toAll("CMD_tiegame+", 3) + toAll("CMD_startround+3+50+14+1+t+2+t+3+t+4+f+5+f+6+f", 3));

    arrange(1, 1, 7);
    seat(2).total = 30;
    passes({1, 2, 3});
    io.take();
    tick1(5);
    EXPECT_EQ(io.take(), (Transcript{"timer1 stop"} + toAll("CMD_winner+P2+", 3)));
    EXPECT_FALSE(state().gameRunning);
    feed(1, "CMD_hepasses+1+");
    EXPECT_EQ(io.take(), (Transcript{}));
}

TEST_F(HostTest, AWinnerWhosePlayerLeftIsNamedByTheComputer)
{
    table(2);
    start("3");
    engine.connectionLost(2);
    state().round = 3;
    arrange(1, 1, 9);
    seat(1).total = 1;
    passes({1});
    engine.computertimerTimer();  // seat 2 has nothing to play
    tick1(5);
    EXPECT_EQ(io.take(), (Transcript{"1 CMD_hepassed+1+", "1 CMD_nextplayer+2+1+t+t+t+1+1+1+", "computer 1000",
                                     "computer stop", "1 CMD_hepassed+2+", "1 CMD_endround+0+1+0+1+2+0+0",
                                     "timer1 1000", "timer1 stop", "1 CMD_winner+Klot+"}));
}

TEST_F(HostTest, TheComputerStartsTheFirstEmptyToeWithItsFirstFittingBone)
{
    table(1);
    start();
    arrange(1, 1, 9);
    state().board.place(2, 1, 10, true);
    seat(2).hand = {12, 0, 30, 19, 0, 0, 0, 0, 54};  // 1|9 in slot 4 and 8|9 in slot 9 fit
    io.speed = 2000;
    passes({1});
    engine.computertimerTimer();
    EXPECT_EQ(io.take(), (Transcript{"1 CMD_hepassed+1+", "1 CMD_nextplayer+2+1+t+f+t+1+1+1+", "computer 2000",
                                     "computer stop", "1 CMD_heplayed+2+4+19+1+1+t+3+",
                                     "1 CMD_nextplayer+1+1+f+f+t+1+1+1+"}));
}

TEST_F(HostTest, TheComputerExtendsAToePastTheTwentiethPlace)
{
    table(1);
    start();
    arrange(1, 2, 9);
    for (int position = 1; position <= 20; ++position)
        state().board.place(1, position, 41, false);  // 5|5 all along toe 1
    state().board.place(2, 1, 49, false);             // toes 2 and 3 show 9
    state().board.place(3, 1, 49, false);
    seat(2).hand = {12, 30};  // 1|2, 3|5
    passes({1});
    engine.computertimerTimer();
    EXPECT_EQ(io.take(), (Transcript{"1 CMD_hepassed+1+", "1 CMD_nextplayer+2+2+f+t+t+1+2+2+", "computer 1000",
                                     "computer stop", "1 CMD_heplayed+2+2+30+1+21+t+1+",
                                     "1 CMD_nextplayer+1+2+f+t+t+1+2+2+"}));

}

// A seeded game with every seat played by the computer, from the deal through two doubles: the
// transcript was worked out from the rules by tests/host/golden_start.py, which shares no code
// with the host (generator, shuffle, deal, both strategies and the random first toe read afresh).
TEST_F(HostTest, ASeededComputerGameStartsExactlyAsTheRulesSay)
{
    const std::string golden = R"(1 CMD_startgame+P1+3+
1 CMD_startround+1+55+16+1+t+2+t+3+f+4+f+5+f+6+f
1 CMD_dealmybones+1+1+28+2+51+3+10+4+50+5+7+6+36+7+47+8+42+9+14+10+17+11+8+12+49+13+46+14+11+15+33+16+30
1 CMD_nextplayer+1+1+t+t+t+1+1+1+
1 CMD_justwatching+1+1
1 CMD_nextplayer+2+1+t+t+t+1+1+1+
computer 1000
computer stop
1 CMD_heplayed+2+10+52+1+1+t+15+
1 CMD_nextplayer+1+1+f+t+t+1+1+1+
computer 1000
computer stop
1 CMD_heplayed+1+3+10+2+1+t+15+
1 CMD_nextplayer+2+1+f+f+t+1+1+1+
computer 1000
computer stop
1 CMD_heplayed+2+11+54+3+1+t+14+
1 CMD_nextplayer+1+2+t+t+t+2+2+2+
computer 1000
computer stop
1 CMD_heplayed+1+2+51+3+2+t+14+
1 CMD_nextplayer+2+2+t+t+t+2+2+3+
computer 1000
computer stop
1 CMD_double+2+1+1+2+2+f+13+
timer1 1000
timer1 stop
1 CMD_beginagain+1+
1 CMD_nextplayer+1+1+t+t+t+1+1+1+
computer 1000
computer stop
1 CMD_heplayed+1+5+7+1+1+f+13+
1 CMD_nextplayer+2+1+f+t+t+1+1+1+
computer 1000
computer stop
1 CMD_heplayed+2+6+3+2+1+f+12+
1 CMD_nextplayer+1+1+f+f+t+1+1+1+
computer 1000
computer stop
1 CMD_heplayed+1+11+8+3+1+f+12+
1 CMD_nextplayer+2+2+t+t+t+2+2+2+
computer 1000
computer stop
1 CMD_heplayed+2+3+38+3+2+t+11+
1 CMD_nextplayer+1+2+t+t+t+2+2+3+
computer 1000
computer stop
1 CMD_heplayed+1+6+36+3+3+f+11+
1 CMD_nextplayer+2+2+t+t+t+2+2+4+
computer 1000
computer stop
1 CMD_double+2+5+41+3+4+f+10+
timer1 1000
timer1 stop
1 CMD_beginagain+41+
1 CMD_nextplayer+1+1+t+t+t+1+1+1+
computer 1000
computer stop
1 CMD_heplayed+1+8+42+1+1+f+10+
1 CMD_nextplayer+2+1+f+t+t+1+1+1+
computer 1000
computer stop
1 CMD_heplayed+2+9+6+2+1+t+9+
1 CMD_nextplayer+1+1+f+f+t+1+1+1+
computer 1000
computer stop
1 CMD_heplayed+1+16+30+3+1+t+9+
1 CMD_nextplayer+2+2+t+t+t+2+2+2+
computer 1000
computer stop
1 CMD_heplayed+2+8+4+2+2+f+8+
1 CMD_nextplayer+1+2+t+t+t+2+3+2+
computer 1000
computer stop
1 CMD_heplayed+1+7+47+1+2+f+8+
1 CMD_nextplayer+2+2+t+t+t+3+3+2+
computer 1000
computer stop
1 CMD_heplayed+2+7+21+3+2+t+7+
1 CMD_nextplayer+1+2+t+t+t+3+3+3+
computer 1000
computer stop
1 CMD_double+1+1+28+2+3+f+7+
timer1 1000
timer1 stop
1 CMD_beginagain+28+
1 CMD_nextplayer+2+1+t+t+t+1+1+1+
computer 1000
computer stop
1 CMD_heplayed+2+16+34+1+1+f+6+
1 CMD_nextplayer+1+1+f+t+t+1+1+1+
computer 1000
computer stop
1 CMD_heplayed+1+15+33+2+1+f+6+
1 CMD_nextplayer+2+1+f+f+t+1+1+1+
computer 1000
computer stop
1 CMD_hepassed+2+
1 CMD_nextplayer+1+1+f+f+t+1+1+1+
computer 1000)";
    table(1);
    start();
    feed(1, "CMD_justwatch+1+1");
    for (int step = 0; step < 24; ++step) {
        if (!io.log.empty() && io.log.back() == "timer1 1000")
            tick1(3);
        else
            engine.computertimerTimer();
    }
    Transcript expected;
    for (std::size_t at = 0; at < golden.size();) {
        const auto end = std::min(golden.find('\n', at), golden.size());
        expected.push_back(golden.substr(at, end - at));
        at = end + 1;
    }
    EXPECT_EQ(io.take(), expected);
}
