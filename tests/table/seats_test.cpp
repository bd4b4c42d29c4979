// Who sits where: players arriving and leaving, spectators and watching seats.
#include "tablefixture.h"

#include <QAction>

TEST_F(TableTest, ExistingPlayersFillSeatsAndTheSpyList)
{
    int settingsLoaded = 0;
    table->hooks.onLoadSettings = [&] { ++settingsLoaded; };
    login(3);
    feed({"CMD_existingplayers+2+Bob+0+7+Cy+0+4+Di+1"});
    EXPECT_EQ(chatLines(), (QStringList{"Bob is Connected.", "Cy is Connected.", "Cy is spying.", "Di is Connected."}));
    EXPECT_EQ(texts({"label_playername2", "label_playername3", "label_playername4"}),
              (QStringList{"Bob", "<Waiting>", "Di"}));
    EXPECT_EQ(visibility({"image_eyes2", "image_eyes4"}), QStringLiteral("-+"));
    EXPECT_EQ(table->spectators()->stringList(), QStringList{QStringLiteral("7: Cy")});
    EXPECT_EQ(sounds.played, QStringList{QStringLiteral("entered")});
    EXPECT_EQ(settingsLoaded, 0);

    feed({"CMD_newplayerinfo+3+Ann+0"});
    EXPECT_EQ(lastLine(), QStringLiteral("You are Connected."));
    EXPECT_EQ(settingsLoaded, 1);
}

TEST_F(TableTest, OwnEntryAsASpectator)
{
    int settingsLoaded = 0;
    table->hooks.onLoadSettings = [&] { ++settingsLoaded; };
    login(8);
    feed({"CMD_newplayerinfo+8+Ann+0"});
    EXPECT_EQ(chatLines(), (QStringList{"You are Connected.", "You are spying."}));
    EXPECT_EQ(settingsLoaded, 1);
    EXPECT_EQ(table->spectators()->stringList(), QStringList{QStringLiteral("8: Ann")});
}

TEST_F(TableTest, LeavingSeatsAndSpectators)
{
    feed({"CMD_existingplayers+1+Hal+0+2+Bob+1+3+Cy+0+7+Eve+0", "CMD_startgame+Hal+5+", "CMD_playerdisconnected+2+Bob"});
    EXPECT_EQ(lastLine(), QStringLiteral("Bob disconnected."));
    EXPECT_EQ(text("label_playername2"), QStringLiteral("Klot"));
    EXPECT_FALSE(shown("image_eyes2"));

    // Seats that already show "<Waiting>" or the computer, and unknown spectators, say nothing.
    const int lines = chatLines().size();
    feed({"CMD_playerdisconnected+2+Bob", "CMD_playerdisconnected+4+Di", "CMD_playerdisconnected+9+Zed"});
    EXPECT_EQ(chatLines().size(), lines);
    EXPECT_EQ(text("label_playername4"), QStringLiteral("Kling"));

    feed({"CMD_playerdisconnected+1+Hal", "CMD_playerdisconnected+7+EVE"});
    EXPECT_EQ(text("label_playername1"), QString());
    EXPECT_EQ(chatLines().mid(lines), (QStringList{"Hal disconnected.", "EVE has left."}));
    EXPECT_TRUE(table->spectators()->stringList().isEmpty());
}

TEST_F(TableTest, JustWatchingMarksTheSeatAndTheMenu)
{
    login(4);
    feed({"CMD_existingplayers+4+Ann+0+5+Bob+0", "CMD_justwatching+4+1", "CMD_justwatching+7+1"});
    QAction* justWatch = find<QAction>(QStringLiteral("JustWatch1"));
    EXPECT_TRUE(justWatch->isChecked());
    EXPECT_TRUE(shown("image_eyes4"));
    EXPECT_EQ(lastLine(), QStringLiteral("Ann is just watching"));

    feed({"CMD_justwatching+5+1", "CMD_justwatching+4+2"});
    EXPECT_FALSE(justWatch->isChecked());
    EXPECT_EQ(visibility({"image_eyes4", "image_eyes5"}), QStringLiteral("-+"));
    EXPECT_EQ(chatLines().mid(chatLines().size() - 2), (QStringList{"Bob is just watching", "Ann is now playing again"}));
}
