// The hosting table counts down the last ten seconds of its own turn under a turn time limit.
#include "tablefixture.h"

#include "table/turncountdown.h"

TEST_F(TableTest, TheHostingTableCountsDownTheLastTenSecondsOfItsOwnTurnOnly)
{
    auto* countdown = table->findChild<TurnCountdown*>(QStringLiteral("turnCountdown"));
    ASSERT_NE(countdown, nullptr);
    login(3);
    table->setHosting(true);
    table->menus().setTurnLimit(30);
    const auto ownTurn = [&] { feed({"CMD_nextplayer+3+2+t+t+t+2+2+2+"}); };

    // Twenty quiet seconds with no tick, then one tick a second.
    ownTurn();
    EXPECT_TRUE(countdown->waiting());
    EXPECT_FALSE(countdown->counting());
    EXPECT_EQ(text(QStringLiteral("label_status")), QStringLiteral("Your Turn."));
    countdown->waitTimer();
    EXPECT_TRUE(countdown->counting());
    EXPECT_EQ(text(QStringLiteral("label_status")), QStringLiteral("Your Turn. 10 seconds left"));
    for (int i = 0; i < 8; ++i)
        countdown->secondTimer();
    EXPECT_EQ(text(QStringLiteral("label_status")), QStringLiteral("Your Turn. 2 seconds left"));
    countdown->secondTimer();
    EXPECT_EQ(text(QStringLiteral("label_status")), QStringLiteral("Your Turn. 1 second left"));
    countdown->secondTimer();
    EXPECT_FALSE(countdown->counting());
    EXPECT_FALSE(countdown->waiting());

    // A move, the next seat's turn or Just Watch ends it; a refused play does not.
    ownTurn();
    countdown->waitTimer();
    feed({"CMD_noplay+3+"});
    EXPECT_TRUE(countdown->counting());
    feed({"CMD_hepassed+3+"});
    EXPECT_FALSE(countdown->counting());
    ownTurn();
    feed({"CMD_nextplayer+4+2+t+t+t+2+2+2+"});
    EXPECT_FALSE(countdown->waiting());
    ownTurn();
    feed({"CMD_justwatching+3+1"});
    EXPECT_FALSE(countdown->waiting());

    // Without a limit, or on a table that does not host, nothing runs at all.
    table->menus().setTurnLimit(0);
    ownTurn();
    EXPECT_FALSE(countdown->waiting() || countdown->counting());
    table->menus().setTurnLimit(60);
    table->setHosting(false);
    ownTurn();
    EXPECT_FALSE(countdown->waiting() || countdown->counting());
}
