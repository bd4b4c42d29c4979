// The course of a game on the table: rounds, turns, passes, scores, the winner and late arrivals.
#include "tablefixture.h"

#include "table/tablewidgets.h"

#include <QAction>

TEST_F(TableTest, ANewGameAndRoundResetTheRowsAndCountTheRounds)
{
    login(3);
    feed({"CMD_existingplayers+1+Hal+0+2+Klot+0", "CMD_newplayerinfo+3+Ann+0", "CMD_endround+0+3+-20+15",
          "CMD_startgame+Ann+10+"});
    EXPECT_EQ(lastLine(), QStringLiteral("You have started a game."));
    EXPECT_EQ(text("label_playername2"), QStringLiteral("Klot"));
    EXPECT_EQ(text("label_score3"), QStringLiteral("0"));
    EXPECT_EQ(text("label_bonus3"), QString());

    feed({"CMD_startround+3+50+7+1+t+2+t+3+f+4+f+5+f+6+f"});
    EXPECT_EQ(text("label_round"), QStringLiteral("Round: 3 of 10"));
    EXPECT_EQ(text("label_bones1"), QStringLiteral("7"));
    EXPECT_EQ(text("label_bones2"), QStringLiteral("7"));
    EXPECT_EQ(text("label_bones3"), QString());
    EXPECT_EQ(table->spinnerBone(), 50);

    feed({"CMD_startgame+Hal+3+"});
    EXPECT_EQ(lastLine(), QStringLiteral("Hal has started a game."));
    EXPECT_EQ(text("label_round"), QStringLiteral("Round: 3 of 10")) << "the counter changes at the next round";
    feed({"CMD_startround+1+55+9+1+t+2+t+3+t+4+f+5+f+6+f"});
    EXPECT_EQ(text("label_round"), QStringLiteral("Round: 1 of 3"));
}

TEST_F(TableTest, TurnsShowWhoMovesAndOfferTheOpenToes)
{
    login(3);
    feed({"CMD_existingplayers+1+Hal+0", "CMD_nextplayer+3+2+t+f+t+4+1+2+"});
    EXPECT_EQ(text("label_status"), QStringLiteral("Your Turn."));
    EXPECT_TRUE(shown("button_pass"));
    EXPECT_TRUE(shown("image_toe1"));
    EXPECT_FALSE(shown("image_toe2"));
    EXPECT_TRUE(shown("image_toe3"));
    for (int seat = 1; seat <= 6; ++seat)
        EXPECT_EQ(shown(QStringLiteral("image_turn%1").arg(seat)), seat == 3) << seat;
    EXPECT_EQ(sounds.played.last(), QStringLiteral("turn"));

    find<QAction>(QStringLiteral("New1"))->trigger();
    feed({"CMD_nextplayer+5+2+t+t+t+2+2+2+"});
    EXPECT_EQ(text("label_playername5"), QStringLiteral("Klick")) << "nobody holds seat 5";
    EXPECT_EQ(text("label_status"), QStringLiteral("Klick's turn."));
    EXPECT_FALSE(shown("button_pass"));
    EXPECT_TRUE(shown("image_turn5"));
    EXPECT_FALSE(shown("image_turn3"));
    feed({"CMD_nextplayer+3+2+t+t+t+2+2+2+"});
    EXPECT_EQ(sounds.played.last(), QStringLiteral("turnnew"));

    feed({"CMD_hepassed+1+"});
    EXPECT_EQ(text("label_status"), QStringLiteral("Hal passed."));
    QTest::mouseClick(find(QStringLiteral("button_pass")), Qt::LeftButton);
    ASSERT_TRUE(host.waitForMessage("CMD_hepasses+3+"));
    EXPECT_FALSE(shown("button_pass"));
    EXPECT_FALSE(shown("image_toe1"));
    feed({"CMD_hepassed+3+"});
    EXPECT_EQ(text("label_status"), QStringLiteral("You passed."));
    EXPECT_EQ(sounds.played.last(), QStringLiteral("pass"));
}

TEST_F(TableTest, RoundScoresCarryTheirSign)
{
    feed({"CMD_endround+2+1+12+40+2+-20+15+3+0+22"});
    EXPECT_EQ(sounds.played, QStringList{QStringLiteral("roundover")});
    EXPECT_EQ(text("label_status"), QStringLiteral("Posting Scores, Please Wait.."));
    EXPECT_EQ(text("label_bonus1"), QStringLiteral("+12"));
    EXPECT_EQ(text("label_score1"), QStringLiteral("40"));
    EXPECT_EQ(text("label_bonus2"), QStringLiteral("-20"));
    EXPECT_EQ(text("label_score2"), QStringLiteral("15"));
    EXPECT_EQ(text("label_bonus3"), QStringLiteral("0"));
    EXPECT_EQ(text("label_score3"), QStringLiteral("22"));

    feed({"CMD_endround+0+1+3+43", "CMD_endround+0+7+3+43+1+x+0", "CMD_tiegame+"});
    EXPECT_EQ(sounds.played.last(), QStringLiteral("blocked"));
    EXPECT_EQ(text("label_score1"), QStringLiteral("43"));
    EXPECT_FALSE(shown("panel_winner")) << "a tie shows no winner";
}

TEST_F(TableTest, TheWinnerBannerOnTheWinnersTableAndOnOthers)
{
    QStringList tally;
    table->onAddGame = [&](const QString& entry) { tally.append(entry); };
    login(1);
    table->setHosting(false);
    feed({"CMD_newplayerinfo+1+Ann+0", "CMD_nextplayer+1+2+t+t+t+1+1+1+", "CMD_winner+Ann+"});
    EXPECT_EQ(text("label_winner1"), QStringLiteral("You have Won the Game!"));
    EXPECT_EQ(text("label_winner2"), QStringLiteral("You have Won the Game!"));
    EXPECT_TRUE(shown("panel_winner"));
    EXPECT_FALSE(shown("image_turn1"));
    EXPECT_FALSE(shown("image_toe1"));
    EXPECT_FALSE(shown("button_start"));
    EXPECT_EQ(text("label_status"), QStringLiteral("Game Over!"));
    EXPECT_EQ(lastLine(), QStringLiteral("You have Won the Game!"));
    EXPECT_EQ(sounds.played.last(), QStringLiteral("winner"));

    table->setHosting(true);
    feed({"CMD_startgame+Ann+3+"});
    EXPECT_FALSE(shown("panel_winner"));
    EXPECT_FALSE(shown("button_start"));
    feed({"CMD_winner+Klot+"});
    EXPECT_EQ(text("label_winner1"), QStringLiteral("Klot has Won the Game!"));
    EXPECT_TRUE(shown("button_start"));
    EXPECT_EQ(tally, (QStringList{QStringLiteral("addtomine"), QStringLiteral("Klot")}));
}

TEST_F(TableTest, ASpectatorSeesTheWinnersNameAndKeepsNoTally)
{
    int tallied = 0;
    table->onAddGame = [&](const QString&) { ++tallied; };
    login(7);
    feed({"CMD_newplayerinfo+7+Ann+0", "CMD_winner+Ann+"});
    EXPECT_EQ(text("label_winner1"), QStringLiteral("Ann has Won the Game!"));
    EXPECT_EQ(tallied, 0);
}

TEST_F(TableTest, ALateArrivalSeesTheRunningGame)
{
    login(4);
    feed({"CMD_youplay+2+4", "CMD_gamestats+4+2+5+8+f+10+20+30+40+50+60+*"});
    EXPECT_EQ(text("label_round"), QStringLiteral("Round: 2 of 5"));
    EXPECT_EQ(text("label_score6"), QStringLiteral("60"));
    EXPECT_EQ(text("label_status"), QStringLiteral("Your Turn"));
    EXPECT_TRUE(shown("image_toe1") && shown("image_toe2") && shown("image_toe3"));
    EXPECT_FALSE(shown("button_pass"));
    EXPECT_TRUE(shown("image_turn4"));
    EXPECT_TRUE(shown("label_notplaying"));
    EXPECT_EQ(text("label_notplaying"), QStringLiteral("Round already in progress.."));
    EXPECT_EQ(table->spinnerBone(), 53);
    EXPECT_EQ(table->boardTable().cell(1, 1).bone, 0);

    feed({"CMD_gamestats+2+3+5+46+t+1+2+3+4+5+6+1+1+46+f+1+2+48+t+3+1+12+t"});
    EXPECT_EQ(table->spinnerBone(), -1) << "46 is a bone number, not a pip count";
    EXPECT_FALSE(shown("label_notplaying"));
    EXPECT_EQ(table->boardTable().cell(1, 2).bone, 48);
    EXPECT_TRUE(table->boardTable().cell(1, 2).flip);
    EXPECT_EQ(table->boardTable().cell(3, 1).bone, 12);
    EXPECT_EQ(find<ClickImage>(QStringLiteral("image_toe1"))->tag, 3);
}

TEST_F(TableTest, StartGameNeedsALogin)
{
    int dialogs = 0;
    table->onShowGameStart = [&] { ++dialogs; };
    find<QAction>(QStringLiteral("StartGame1"))->setEnabled(true);
    find<QAction>(QStringLiteral("StartGame1"))->trigger();
    EXPECT_EQ(boxes.shown, QStringList{QStringLiteral("You are not connected")});
    login(1);
    table->setHosting(true);
    QTest::mouseClick(find(QStringLiteral("button_start")), Qt::LeftButton);
    EXPECT_EQ(dialogs, 1);
}
