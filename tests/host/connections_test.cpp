// Login during a game, relays, seats and the receive queue, as exact transcripts. (Numbering and
// the plain login transcripts are tested over real sockets in server_test.cpp.)

#include "host_fixture.h"

#include "game/message.h"

#include <algorithm>

using namespace hosttest;

TEST_F(HostTest, LoginDuringAGameSendsTheGameAndOffersASeat)
{
    table(3);
    engine.connectionLost(3);
    start();
    state().board.place(2, 1, 40, true);
    seat(1).total = 7;
    io.take();
    connect();  // 3 again, not in this game; option 1: it watches. Its name is cleaned and cut.
    feed(3, "CMD_logininfo+3+1.0.4+C\x01+y" + std::string(40, 'x'));
    const std::string name = "C__y" + std::string(28, 'x');
    EXPECT_EQ(io.take(), (Transcript{"3 CMD_sendlogininfo+3"} + toAll("CMD_newplayerinfo+3+" + name + "+0", 3) +
                             Transcript{"3 CMD_existingplayers+1+P1+0+2+P2+0",
                                        "3 CMD_gamestats+1+1+3+9+f+7+0+0+0+0+0+2+1+40+t"}));
    EXPECT_EQ(host::cleanPlayerName("\xC3\xA9" + std::string(40, 'e')), "\xC3\xA9" + std::string(31, 'e'));
    // In Latin-1 every byte is a letter, those that would continue a UTF-8 character too.
    EXPECT_EQ(host::cleanPlayerName(std::string(40, '\xB5')), std::string(32, '\xB5'));
    EXPECT_EQ(host::cleanPlayerName("Zo\xEB" + std::string(40, '\xA9')), "Zo\xEB" + std::string(29, '\xA9'));

    // Option 2: offered the seat from the next round. Seat 2 comes back to its hand.
    state().gameOption = 2;
    engine.connectionLost(2);
    engine.connectionLost(3);
    io.take();
    connect();
    feed(2, "CMD_logininfo+2+1.0.4+Bo");
    connect();
    feed(3, "CMD_logininfo+3+1.0.4+Cy");
    std::string hand = "2 CMD_dealmybones+2";
    for (int slot = 1; slot <= 16; ++slot)
        hand += "+" + std::to_string(slot) + "+" + std::to_string(seat(2).hand[slot - 1]);
    EXPECT_EQ(io.take(), (Transcript{"2 CMD_sendlogininfo+2"} + toAll("CMD_newplayerinfo+2+Bo+0", 2) +
                             Transcript{"2 CMD_existingplayers+1+P1+0", "2 CMD_gamestats+1+1+3+9+t+7+0+0+0+0+0+2+1+40+t",
                                        hand, "3 CMD_sendlogininfo+3"} +
                             toAll("CMD_newplayerinfo+3+Cy+0", 3) +
                             Transcript{"3 CMD_existingplayers+1+P1+0+2+Bo+0", "3 CMD_youplay+2+3",
                                        "3 CMD_gamestats+1+1+3+9+f+7+0+0+0+0+0+2+1+40+t"}));
}

TEST_F(HostTest, ChatActionAndSoundAreRelayedToEveryone)
{
    table(2);
    feed(2, "CMD_chat+2+hi+all");
    feed(2, "CMD_action+2+waves");
    feed(1, "CMD_playasound+1+wave3+");
    feed(1, "CMD_botspeed+1+500+");
    EXPECT_EQ(io.take(), toAll("CMD_chat+2+P2 chats: hi+all", 2) + toAll("CMD_action+2+P2 waves", 2) +
                             toAll("CMD_playasound+1+wave3+", 2));

    // A relay must fit the tables' 4096-byte message buffer, or it is not sent at all.
    const std::string longest(4096 - std::string("CMD_chat+2+P2 chats: ").size(), 'w');
    feed(2, "CMD_chat+2+" + longest + "w");
    EXPECT_EQ(io.take(), (Transcript{}));
    feed(2, "CMD_chat+2+" + longest);
    EXPECT_EQ(io.take(), toAll("CMD_chat+2+P2 chats: " + longest, 2));
}

TEST_F(HostTest, MessagesNamingAnotherSenderOrBadNumbersChangeNothing)
{
    table(3);
    start();
    const auto before = state();
    io.take();
    for (const char* line : {"CMD_chat+1+I am P1", "CMD_action+3+x", "CMD_playasound+1+wave1+", "CMD_kickhim+1+3+",
                             "CMD_kickhim+2+3+", "CMD_justwatch+1+1", "CMD_justwatch+3+2", "CMD_startgame+P2+3+1+",
                             "CMD_logininfo+1+1.0.4+Mallory", "CMD_playbone+1+1+1+1+", "CMD_hepasses+1+",
                             "CMD_chat+x+hi", "CMD_chat+-2+hi", "CMD_justwatch+02x+2", "CMD_hepasses+2+"})
        feed(2, line);
    for (const char* line : {"CMD_kickhim+1+99+", "CMD_kickhim+1+-1+", "CMD_kickhim+1+x+", "CMD_justwatch+7+2",
                             "CMD_justwatch+0+2", "CMD_playbone+1+x+1+1+", "CMD_playbone+1+1+1+", "CMD_nosuchverb+1+",
                             "nothing", ""})
        feed(1, line);
    EXPECT_EQ(io.take(), (Transcript{}));
    EXPECT_EQ(seat(1).name, "P1");
    EXPECT_EQ(seat(1).hand, before.seat(1).hand);
    EXPECT_EQ(state().turnSeat, 1);

    // The same requests from the right connections are obeyed.
    feed(1, "CMD_justwatch+3+1");
    feed(1, "CMD_kickhim+1+2+");
    EXPECT_EQ(io.take(), (toAll("CMD_justwatching+3+1", 3) +
                             Transcript{"close 2", "1 CMD_playerdisconnected+2+P2", "3 CMD_playerdisconnected+2+P2"}));
}

TEST_F(HostTest, WhatALostConnectionSentIsHeardBeforeItsLoss)
{
    table(3);
    start();
    arrange(2, 1, 9);
    seat(2).hand = {10, 12};  // 0|9 fits the spinner
    // A goodbye and a last play are queued, then the connection drops, half a message pending.
    engine.Sock1Read(2, "CMD_chat+2+bye\xFF" "CMD_playbone+2+1+1+1+\xFF" "CMD_chat+2+half");
    engine.Sock1Read(3, "CMD_chat+3+hi\xFF");
    engine.connectionLost(2);
    engine.connectionLost(2);
    EXPECT_EQ(io.take(), (Transcript{}));
    EXPECT_EQ(engine.numberForNewConnection(), 4);  // still taken: nobody else can speak as 2 yet
    drain();
    const auto others = [](const std::string& text) { return Transcript{"1 " + text, "3 " + text}; };
    EXPECT_EQ(io.take(), (others("CMD_chat+2+P2 chats: bye") + others("CMD_heplayed+2+1+10+1+1+t+1+") +
                             others("CMD_nextplayer+3+1+f+t+t+1+1+1+") + others("CMD_chat+3+P3 chats: hi") +
                             others("CMD_playerdisconnected+2+P2")));
    // The next holder of the number starts clean: not logged in, no half line of the last one.
    EXPECT_EQ(connect(), 2);
    feed(2, "CMD_chat+2+x");
    EXPECT_EQ(io.take(), (Transcript{"2 CMD_sendlogininfo+2"} + toAll("CMD_chat+2+ chats: x", 3)));
}

TEST_F(HostTest, AFloodOrAKickClosesOnlyThatConnectionAndDropsWhatItMust)
{
    table(4);
    // A flood: nothing it queued is heard, not even what came before the read that broke the bound.
    engine.Sock1Read(3, "CMD_chat+3+before\xFF");
    engine.Sock1Read(1, "CMD_chat+1+mine\xFF");
    std::string flood;
    for (int i = 0; i < 100; ++i)
        flood += "CMD_chat+3+x\xFF";
    engine.Sock1Read(3, flood);
    drain();
    const auto others = [](int gone, const std::string& text) {
        Transcript lines;
        for (int n = 1; n <= 4; ++n)
            if (n != gone)
                lines.push_back(std::to_string(n) + " " + text);
        return lines;
    };
    EXPECT_EQ(io.take(), (Transcript{"close 3"} + others(3, "CMD_playerdisconnected+3+P3") +
                             others(3, "CMD_chat+1+P1 chats: mine")));
    EXPECT_EQ(engine.queuedLines(), 0u);

    // A line longer than any message: the same.
    engine.Sock1Read(2, "CMD_chat+2+ok\xFF");
    engine.Sock1Read(2, std::string(5000, 'x'));
    drain();
    EXPECT_EQ(io.take(), (Transcript{"close 2", "1 CMD_playerdisconnected+2+P2", "4 CMD_playerdisconnected+2+P2"}));

    // The hosting table removes a player: nothing more of theirs is shown, queued or not.
    engine.Sock1Read(1, "CMD_kickhim+1+4+\xFF");
    engine.Sock1Read(4, "CMD_chat+4+spam\xFF" "CMD_chat+4+spam\xFF");
    drain();
    EXPECT_EQ(io.take(), (Transcript{"close 4", "1 CMD_playerdisconnected+4+P4"}));
    EXPECT_EQ(engine.queuedLines(), 0u);
}

TEST_F(HostTest, AConnectionThatNeverLogsInIsClosedAtItsDeadline)
{
    table(1);
    EXPECT_EQ(connect(), 2);
    EXPECT_EQ(io.login[2], 15000);
    start();
    passes({1});
    // Seat 2 is dealt in and holds the turn, and nobody moves for it.
    const auto sent = io.take();
    ASSERT_GE(sent.size(), 3u);
    EXPECT_EQ(sent[3], "1 CMD_startround+1+55+16+1+t+2+t+3+f+4+f+5+f+6+f");
    EXPECT_EQ(Transcript(sent.end() - 4, sent.end()),
              toAll("CMD_hepassed+1+", 2) + toAll("CMD_nextplayer+2+1+t+t+t+1+1+1+", 2));

    // One that has logged in, or whose login is in the queue, is left alone at its deadline.
    EXPECT_EQ(connect(), 3);
    feed(3, "CMD_logininfo+3+1.0.4+Cy");
    EXPECT_EQ(io.login[3], -1);
    EXPECT_EQ(connect(), 4);
    engine.Sock1Read(4, "CMD_logininfo+4+1.0.4+Dee\xFF");
    EXPECT_EQ(io.login[4], -1);
    engine.loginTimerTimer(3);
    engine.loginTimerTimer(4);
    EXPECT_TRUE(seat(4).open);
    drain();
    io.take();

    // Seat 2's silence ends like a lost connection: the turn moves on, then the computer plays it.
    engine.loginTimerTimer(2);
    engine.loginTimerTimer(2);
    passes({1});
    const auto others = [](const std::string& text) { return Transcript{"1 " + text, "3 " + text, "4 " + text}; };
    EXPECT_EQ(io.take(), (Transcript{"close 2"} + others("CMD_playerdisconnected+2+") +
                             others("CMD_nextplayer+1+1+t+t+t+1+1+1+") + others("CMD_hepassed+1+") +
                             others("CMD_nextplayer+2+1+t+t+t+1+1+1+") + Transcript{"computer 1000"}));
    EXPECT_EQ(io.login[2], -1);
}

TEST_F(HostTest, AConnectionThatStopsReadingIsClosedAndTheOthersGoOn)
{
    table(3);
    io.backlog[2] = host::Engine::kMaxUnsentBytes;  // 1 MiB waiting: still within the bound
    feed(1, "CMD_chat+1+a");
    io.backlog[2] = host::Engine::kMaxUnsentBytes + 1;
    feed(1, "CMD_chat+1+b");
    feed(1, "CMD_chat+1+c");
    EXPECT_EQ(io.take(), (toAll("CMD_chat+1+P1 chats: a", 3) + toAll("CMD_chat+1+P1 chats: b", 3) +
                             Transcript{"close 2", "1 CMD_playerdisconnected+2+P2", "3 CMD_playerdisconnected+2+P2",
                                        "1 CMD_chat+1+P1 chats: c", "3 CMD_chat+1+P1 chats: c"}));
}

TEST_F(HostTest, TheDispatcherHandlesOneLinePerTickAndSleepsWhenIdle)
{
    table(2);
    EXPECT_EQ(io.socktimer, -1);
    engine.Sock1Read(2, "CMD_chat+2+a\xFF" "CMD_chat+2+b\xFF" "CMD_chat+2+");
    EXPECT_EQ(io.socktimer, 0);  // the first tick comes at once
    engine.socktimerTimer();
    EXPECT_EQ(io.take(), toAll("CMD_chat+2+P2 chats: a", 2));
    EXPECT_EQ(io.socktimer, 10);
    engine.socktimerTimer();
    EXPECT_EQ(io.take(), toAll("CMD_chat+2+P2 chats: b", 2));
    EXPECT_EQ(io.socktimer, -1);
    engine.Sock1Read(2, "c");  // still no whole line
    EXPECT_EQ(io.socktimer, -1);
    engine.Sock1Read(2, "\xFF");
    EXPECT_EQ(io.socktimer, 0);
}

TEST_F(HostTest, JustWatchHandsTheTurnToTheComputer)
{
    table(3);
    feed(3, "CMD_justwatch+3+1");  // outside a game: nothing
    feed(3, "CMD_justwatch+3+2");
    EXPECT_EQ(io.take(), toAll("CMD_justwatching+3+2", 3));
    start();
    io.take();
    feed(1, "CMD_justwatch+1+1");  // on its own turn: the turn passes at once
    passes({2, 3});
    EXPECT_EQ(io.take(), (toAll("CMD_justwatching+1+1", 3) + toAll("CMD_nextplayer+2+1+t+t+t+1+1+1+", 3) +
                             toAll("CMD_hepassed+2+", 3) + toAll("CMD_nextplayer+3+1+t+t+t+1+1+1+", 3) +
                             toAll("CMD_hepassed+3+", 3) + toAll("CMD_nextplayer+1+1+t+t+t+1+1+1+", 3) +
                             Transcript{"computer 1000"}));
    // Seat 1 takes its seat back before the computer moves: the computer leaves it alone.
    feed(1, "CMD_justwatch+1+2");
    engine.computertimerTimer();
    EXPECT_EQ(io.take(), (toAll("CMD_justwatching+1+2", 3) + Transcript{"computer stop"}));
}

TEST_F(HostTest, APlayerWhoComesBackGetsTheirOwnSeatWhateverTheNumbering)
{
    table(4);
    start();
    const auto hand2 = seat(2).hand;
    const auto hand3 = seat(3).hand;
    seat(3).total = 12;
    engine.connectionLost(2);
    engine.connectionLost(3);
    io.take();

    // P3 comes back first: the lowest free number is 2, but seat 3 is theirs.
    EXPECT_EQ(connect(), 2);
    feed(2, "CMD_logininfo+2+1.0.4+P3");
    EXPECT_EQ(io.take(), (Transcript{"2 CMD_sendlogininfo+2", "renumber 2 3", "3 CMD_sendlogininfo+3"}));
    EXPECT_TRUE(seat(3).open);
    EXPECT_FALSE(seat(2).open);
    // A line still signed with the old number is not theirs any more.
    feed(3, "CMD_chat+2+old number");
    EXPECT_EQ(io.take(), (Transcript{}));
    feed(3, "CMD_logininfo+3+1.0.4+P3");
    std::string hand = "3 CMD_dealmybones+3";
    for (int slot = 1; slot <= 11; ++slot)
        hand += "+" + std::to_string(slot) + "+" + std::to_string(hand3[slot - 1]);
    const Transcript back{"3 CMD_existingplayers+1+P1+0+4+P4+0", "3 CMD_gamestats+1+1+3+9+t+0+0+12+0+0+0+*", hand};
    EXPECT_EQ(io.take(), (Transcript{"1 CMD_newplayerinfo+3+P3+0", "3 CMD_newplayerinfo+3+P3+0",
                                     "4 CMD_newplayerinfo+3+P3+0"} + back));
    EXPECT_EQ(seat(3).name, "P3");

    // A newcomer still gets the lowest free number, and with it seat 2's hand; P2, coming back
    // later, finds no seat of theirs free and is numbered as anyone else.
    EXPECT_EQ(connect(), 2);
    feed(2, "CMD_logininfo+2+1.0.4+Newcomer");
    EXPECT_EQ(seat(2).hand, hand2);
    EXPECT_EQ(seat(2).holder, "Newcomer");
    io.take();
    EXPECT_EQ(connect(), 5);
    feed(5, "CMD_logininfo+5+1.0.4+P2");
    const auto log = io.take();
    EXPECT_EQ(log.front(), "5 CMD_sendlogininfo+5");
    EXPECT_EQ(std::count_if(log.begin(), log.end(), [](const std::string& l) { return l.rfind("renumber", 0) == 0; }), 0);
}

TEST_F(HostTest, AChatLineOfTheInputsFullLengthInEmojiIsRelayedWholeUnderTheLongestName)
{
    // 250 emoji are the chat input's 1,000 bytes; a name of 32 emoji is the longest in bytes.
    std::string emoji;
    for (int i = 0; i < 250; ++i)
        emoji += "\xF0\x9F\x98\x80";
    std::string name;
    for (int i = 0; i < 40; ++i)
        name += "\xE6\x9D\x8E\xF0\x9F\x91\x8D";  // a CJK letter and an emoji
    connect();
    feed(1, "CMD_logininfo+1+1.0.4+P1");
    connect();
    feed(2, "CMD_logininfo+2+1.0.4+Zo\xEB");
    connect();
    feed(3, "CMD_logininfo+3+1.0.4+" + name);
    const std::string kept = name.substr(0, 16 * 7);  // 32 characters, none of them cut
    EXPECT_EQ(state().records[3].name, kept);
    io.take();

    const std::string line = emoji + "|$00FFFFFF";
    // Split across reads inside a character, as a socket may deliver it.
    engine.Sock1Read(3, "CMD_chat+3+" + line.substr(0, 501));
    engine.Sock1Read(3, line.substr(501) + "\xFF");
    feed(2, "CMD_chat+2+" + line);
    EXPECT_EQ(io.take(), toAll("CMD_chat+3+" + kept + " chats: " + line, 3) + toAll("CMD_chat+2+Zo\xEB chats: " + line, 3));

    // Every table reads the relay back as one message, byte for byte.
    game::Framer tableReads;
    std::vector<std::string> read;
    const std::string relayed = "CMD_chat+3+" + kept + " chats: " + line;
    ASSERT_TRUE(tableReads.feed(relayed + "\xFF", read));
    EXPECT_EQ(read, std::vector<std::string>{relayed});
}
