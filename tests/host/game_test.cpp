// Starting games and rounds, the deal, and the play rules, as exact transcripts.

#include "host_fixture.h"

#include "game/bones.h"

#include <algorithm>

using namespace hosttest;

// Hands below were worked out from the rules by tests/host/golden_start.py, which shares no code
// with the host: the generator, the shuffle and the round-robin deal read afresh.

TEST_F(HostTest, StartGameClampsRoundsButAnnouncesThemAsReceived)
{
    table(2);
    for (const auto& [rounds, option, clamped, game] :
         {std::tuple{"12", "5", 10, 1}, {"1", "2", 3, 2}, {"x", "3", 3, 3}, {"7", "", 7, 1}}) {
        start(rounds, option);
        EXPECT_EQ(io.take()[0], std::string("1 CMD_startgame+P1+") + rounds + "+");
        EXPECT_EQ(state().roundsToPlay * 10 + state().gameOption, clamped * 10 + game) << rounds << option;
    }
    feed(2, "CMD_startgame+X+3+1+");  // only the hosting table starts a game
    EXPECT_EQ(io.take(), (Transcript{}));
}

TEST_F(HostTest, TwoSeatsGetSixteenBonesRoundRobinFromAShuffledDeck)
{
    table(1);
    start();
    const auto& deck = state().deck;
    // Seed 1 puts bone 1 at place 2, bone 2 at 48, bone 3 at 12 (worked out from the generator's formula).
    EXPECT_EQ(std::find(deck.begin(), deck.end(), 1) - deck.begin(), 1);
    EXPECT_EQ(std::find(deck.begin(), deck.end(), 2) - deck.begin(), 47);
    EXPECT_EQ(std::find(deck.begin(), deck.end(), 3) - deck.begin(), 11);
    EXPECT_EQ(deck[54], 55);  // the spinner is never dealt
    auto sorted = deck;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(sorted[0], 1);
    EXPECT_EQ(std::adjacent_find(sorted.begin(), sorted.end(), [](int a, int b) { return b != a + 1; }), sorted.end());

    // Seat 2 has no player: it is dealt but not told.
    EXPECT_EQ(io.take(), (Transcript{"1 CMD_startgame+P1+3+", "1 CMD_startround+1+55+16+1+t+2+t+3+f+4+f+5+f+6+f",
                                     "1 CMD_dealmybones+1+1+28+2+51+3+10+4+50+5+7+6+36+7+47+8+42+9+14+10+17+11+8+12+"
                                     "49+13+46+14+11+15+33+16+30",
                                     "1 CMD_nextplayer+1+1+t+t+t+1+1+1+"}));
    const std::array<int, 20> computers = {1, 12, 38, 26, 41, 3, 21, 4, 6, 52, 54, 9, 20, 25, 40, 34};
    EXPECT_EQ(seat(2).hand, computers);
    EXPECT_EQ(state().dealPosition, 32);  // 22 stay undealt besides the spinner
    EXPECT_EQ(state().spinner, 9);
}

TEST_F(HostTest, SixSeatsGetSevenBonesEachToTheirOwnConnection)
{
    table(6);
    start();
    // The first deal takes deck places 1 to 6 for slot 1 of seats 1 to 6, and so on.
    EXPECT_EQ(io.take(), (toAll("CMD_startgame+P1+3+", 6) + toAll("CMD_startround+1+55+7+1+t+2+t+3+t+4+t+5+t+6+t", 6) +
                             Transcript{"1 CMD_dealmybones+1+1+28+2+50+3+47+4+17+5+46+6+30+7+5",
                                        "2 CMD_dealmybones+2+1+1+2+26+3+21+4+52+5+20+6+34+7+31",
                                        "3 CMD_dealmybones+3+1+51+2+7+3+42+4+8+5+11+6+27+7+18",
                                        "4 CMD_dealmybones+4+1+12+2+41+3+4+4+54+5+25+6+43+7+19",
                                        "5 CMD_dealmybones+5+1+10+2+36+3+14+4+49+5+33+6+39+7+44",
                                        "6 CMD_dealmybones+6+1+38+2+3+3+6+4+9+5+40+6+29+7+35"} +
                             toAll("CMD_nextplayer+1+1+t+t+t+1+1+1+", 6)));
}

TEST_F(HostTest, FootAndToePlaysAreJudgedAgainstTheHostsBoard)
{
    table(3);
    start();
    arrange(1, 1, 9);
    seat(1).hand = {40, 12, 36};         // 4|9, 1|2, 4|5
    seat(2).hand = {0, 10, 54};          // -, 0|9, 8|9
    seat(3).hand = {19, 21, 0, 0, 30};   // 1|9, 2|3, -, -, 3|5
    feed(1, "CMD_playbone+1+2+1+1+");    // does not fit the spinner
    feed(1, "CMD_playbone+1+1+2+1+");    // 4|9 on toe 2: its bottom pip touches
    feed(2, "CMD_playbone+2+1+1+1+");    // empty slot
    feed(2, "CMD_playbone+2+2+2+1+");    // toe 2 is taken
    feed(2, "CMD_playbone+2+2+4+1+");    // no toe 4
    feed(2, "CMD_playbone+2+21+1+1+");   // no slot 21
    feed(2, "CMD_playbone+2+2+1+7+");    // the position is not used in the foot phase
    feed(3, "CMD_playbone+3+1+3+1+");    // the third toe: the toe phase begins
    EXPECT_EQ(io.take(), (Transcript{"1 CMD_noplay+1+"} + toAll("CMD_heplayed+1+1+40+2+1+t+2+", 3) +
                             toAll("CMD_nextplayer+2+1+t+f+t+1+1+1+", 3) +
                             Transcript{"2 CMD_noplay+2+", "2 CMD_noplay+2+", "2 CMD_noplay+2+", "2 CMD_noplay+2+"} +
                             toAll("CMD_heplayed+2+2+10+1+1+t+1+", 3) + toAll("CMD_nextplayer+3+1+f+f+t+1+1+1+", 3) +
                             toAll("CMD_heplayed+3+1+19+3+1+t+2+", 3) + toAll("CMD_nextplayer+1+2+t+t+t+2+2+2+", 3)));

    // Toe 2 ends in 4: only its first empty place, and only with a bone showing a 4.
    for (const char* refused : {"CMD_playbone+1+3+2+3+", "CMD_playbone+1+3+2+1+", "CMD_playbone+1+3+2+41+",
                                "CMD_playbone+1+3+1+2+", "CMD_playbone+1+3+0+2+"})
        feed(1, refused);
    feed(1, "CMD_playbone+1+3+2+2+");
    feed(2, "CMD_playbone+2+3+1+2+");  // 8|9 on toe 1, whose 0|9 shows 0: no
    passes({2});
    feed(3, "CMD_playbone+3+5+2+3+");  // 3|5 on the 5 of 4|5: flipped
    EXPECT_EQ(io.take(), (Transcript(5, "1 CMD_noplay+1+") + toAll("CMD_heplayed+1+3+36+2+2+f+1+", 3) +
                             toAll("CMD_nextplayer+2+2+t+t+t+2+3+2+", 3) + Transcript{"2 CMD_noplay+2+"} +
                             toAll("CMD_hepassed+2+", 3) + toAll("CMD_nextplayer+3+2+t+t+t+2+3+2+", 3) +
                             toAll("CMD_heplayed+3+5+30+2+3+t+1+", 3) + toAll("CMD_nextplayer+1+2+t+t+t+2+4+2+", 3)));
}

TEST_F(HostTest, ADoubleOnAToeEndStartsANewBoardAfterThreeTicks)
{
    table(3);
    start();
    arrange(1, 2, 9);
    for (int toe = 1; toe <= 3; ++toe)
        state().board.place(toe, 1, 49, false);  // 6|9 flipped false: every toe shows 9
    state().board.place(1, 2, 49, true);         // toe 1 shows 6
    seat(1).hand = {46, 12};                     // 6|6, 1|2
    seat(2).hand = {12, 48};                     // 1|2, 6|8
    seat(3).passed = true;
    feed(1, "CMD_playbone+1+1+1+3+");
    EXPECT_EQ(io.take(), (toAll("CMD_double+1+1+46+1+3+f+1+", 3) + Transcript{"timer1 1000"}));
    EXPECT_TRUE(seat(3).passed);

    // Nobody moves during the pause, and a seat that starts watching then does not cost the
    // next seat its turn: the restart hands the turn on once.
    feed(1, "CMD_hepasses+1+");
    feed(1, "CMD_playbone+1+2+2+2+");
    feed(1, "CMD_justwatch+1+1");
    tick1(2);
    EXPECT_EQ(io.take(), toAll("CMD_justwatching+1+1", 3));
    tick1(1);
    EXPECT_EQ(io.take(), (Transcript{"timer1 stop"} + toAll("CMD_beginagain+46+", 3) +
                             toAll("CMD_nextplayer+2+1+t+t+t+1+1+1+", 3)));
    EXPECT_TRUE(state().board.isEmpty());

    // Every new toe must now show a 6.
    feed(2, "CMD_playbone+2+1+1+1+");
    feed(2, "CMD_playbone+2+2+1+1+");
    EXPECT_EQ(io.take(), (Transcript{"2 CMD_noplay+2+"} + toAll("CMD_heplayed+2+2+48+1+1+f+1+", 3) +
                             toAll("CMD_nextplayer+3+1+f+t+t+1+1+1+", 3)));
}

TEST_F(HostTest, EverySeatPassingEndsTheRoundButAPlayClearsTheMarks)
{
    table(3);
    start();
    arrange(1, 1, 9);
    seat(1).hand = {12};
    seat(2).hand = {10, 12};
    seat(3).hand = {12};
    passes({1});
    feed(2, "CMD_playbone+2+1+1+1+");
    EXPECT_FALSE(seat(1).passed);
    passes({3, 1});
    EXPECT_TRUE(seat(3).passed);
    passes({2});
    EXPECT_EQ(io.take(), (toAll("CMD_hepassed+1+", 3) + toAll("CMD_nextplayer+2+1+t+t+t+1+1+1+", 3) +
                             toAll("CMD_heplayed+2+1+10+1+1+t+1+", 3) + toAll("CMD_nextplayer+3+1+f+t+t+1+1+1+", 3) +
                             toAll("CMD_hepassed+3+", 3) + toAll("CMD_nextplayer+1+1+f+t+t+1+1+1+", 3) +
                             toAll("CMD_hepassed+1+", 3) + toAll("CMD_nextplayer+2+1+f+t+t+1+1+1+", 3) +
                             toAll("CMD_hepassed+2+", 3) + toAll("CMD_endround+0+1+3+3+2+3+3+3+3+3", 3) +
                             Transcript{"timer1 1000"}));
    // The pause after a round takes no moves either; five ticks later seat 3 leads round 2.
    passes({3});
    tick1(4);
    EXPECT_EQ(io.take(), (Transcript{}));
    tick1(1);
    const auto next = io.take();
    ASSERT_GE(next.size(), 4u);
    EXPECT_EQ(next[1], "1 CMD_startround+2+53+14+1+t+2+t+3+t+4+f+5+f+6+f");
    EXPECT_EQ(next.back(), "3 CMD_nextplayer+3+1+t+t+t+1+1+1+");
}

TEST_F(HostTest, ASeatWhosePlayerLeavesMidTurnIsPlayedByTheComputerFromThenOn)
{
    table(3);
    start();
    arrange(2, 1, 9);
    seat(1).hand = {12};
    seat(2).hand = {12, 10};
    seat(3).hand = {12};
    engine.connectionLost(2);
    engine.connectionLost(2);
    passes({3, 1});
    const auto others = [](const std::string& text) { return Transcript{"1 " + text, "3 " + text}; };
    EXPECT_EQ(io.take(), (others("CMD_playerdisconnected+2+P2") + others("CMD_nextplayer+3+1+t+t+t+1+1+1+") +
                             others("CMD_hepassed+3+") + others("CMD_nextplayer+1+1+t+t+t+1+1+1+") +
                             others("CMD_hepassed+1+") + others("CMD_nextplayer+2+1+t+t+t+1+1+1+") +
                             Transcript{"computer 1000"}));
    engine.computertimerTimer();
    EXPECT_EQ(io.take(), (Transcript{"computer stop"} + others("CMD_heplayed+2+2+10+1+1+t+1+") +
                             others("CMD_nextplayer+3+1+f+t+t+1+1+1+")));
}
