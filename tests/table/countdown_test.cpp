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
    const auto running = [&] { return countdown->waiting() || countdown->counting(); };

    ownTurn();  // twenty quiet seconds, no tick; then one a second
    EXPECT_FALSE(countdown->counting());
    countdown->waitTimer();
    EXPECT_EQ(text(QStringLiteral("label_status")), QStringLiteral("Your Turn. 10 seconds left"));
    for (int i = 0; i < 9; ++i)
        countdown->secondTimer();
    EXPECT_EQ(text(QStringLiteral("label_status")), QStringLiteral("Your Turn. 1 second left"));
    countdown->secondTimer();
    EXPECT_FALSE(running());

    // A move, another seat's turn or Just Watch ends it.
    for (const char* ending : {"CMD_hepassed+3+", "CMD_nextplayer+4+2+t+t+t+2+2+2+", "CMD_justwatching+3+1"}) {
        ownTurn();
        feed({ending});
        EXPECT_FALSE(running()) << ending;
    }
    table->setHosting(false);  // a joined table does not know its host's limit
    ownTurn();
    EXPECT_FALSE(running());
}
