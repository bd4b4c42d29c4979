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
    EXPECT_EQ(texts({"label_playername2", "label_score3", "label_bonus3"}), (QStringList{"Klot", "0", ""}));

    feed({"CMD_startround+3+50+7+1+t+2+t+3+f+4+f+5+f+6+f"});
    EXPECT_EQ(texts({"label_round", "label_bones1", "label_bones2", "label_bones3"}),
              (QStringList{"Round: 3 of 10", "7", "7", ""}));
    EXPECT_EQ(table->mirror().state().spinnerBone, 50);

    feed({"CMD_startgame+Hal+3+"});
    EXPECT_EQ(lastLine(), QStringLiteral("Hal has started a game."));
    EXPECT_EQ(text("label_round"), QStringLiteral("Round: 3 of 10")) << "the counter changes at the next round";
    feed({"CMD_startround+1+55+9+1+t+2+t+3+t+4+f+5+f+6+f"});
    EXPECT_EQ(text("label_round"), QStringLiteral("Round: 1 of 3"));

    // The number of rounds and the computer names are kept, not shown as help on hovering.
    EXPECT_TRUE(find(QStringLiteral("label_round"))->toolTip().isEmpty());
    for (int seat = 1; seat <= 6; ++seat)
        EXPECT_TRUE(find(QStringLiteral("label_playername%1").arg(seat))->toolTip().isEmpty()) << seat;
}

TEST_F(TableTest, TurnsShowWhoMovesAndOfferTheOpenToes)
{
    login(3);
    feed({"CMD_existingplayers+1+Hal+0", "CMD_nextplayer+3+2+t+f+t+4+1+2+"});
    EXPECT_EQ(text("label_status"), QStringLiteral("Your Turn."));
    EXPECT_EQ(visibility({"button_pass", "image_toe1", "image_toe2", "image_toe3"}), QStringLiteral("++-+"));
    EXPECT_EQ(visibility({"image_turn1", "image_turn2", "image_turn3", "image_turn4", "image_turn5", "image_turn6"}),
              QStringLiteral("--+---"));
    EXPECT_EQ(sounds.played.last(), QStringLiteral("turn"));

    find<QAction>(QStringLiteral("New1"))->trigger();
    feed({"CMD_nextplayer+5+2+t+t+t+2+2+2+"});
    EXPECT_EQ(texts({"label_playername5", "label_status"}), (QStringList{"Klick", "Klick's turn."}))
        << "nobody holds seat 5";
    EXPECT_EQ(visibility({"button_pass", "image_turn3", "image_turn5"}), QStringLiteral("--+"));
    feed({"CMD_nextplayer+3+2+t+t+t+2+2+2+"});
    EXPECT_EQ(sounds.played.last(), QStringLiteral("turnnew"));

    feed({"CMD_hepassed+1+"});
    EXPECT_EQ(text("label_status"), QStringLiteral("Hal passed."));
    QTest::mouseClick(find(QStringLiteral("button_pass")), Qt::LeftButton);
    ASSERT_TRUE(host.waitForMessage("CMD_hepasses+3+"));
    EXPECT_EQ(visibility({"button_pass", "image_toe1"}), QStringLiteral("--"));
    feed({"CMD_hepassed+3+"});
    EXPECT_EQ(text("label_status"), QStringLiteral("You passed."));
    EXPECT_EQ(sounds.played.last(), QStringLiteral("pass"));
}

TEST_F(TableTest, ARefusedPlayGivesBackTheOfferedMarkersAndPassEvenAfterAQuickPass)
{
    login(3);
    feed({"CMD_existingplayers+1+Hal+0", "CMD_startround+1+55+3+1+t+2+t+3+t+4+f+5+f+6+f",
          "CMD_dealmybones+3+1+30+2+1+3+27", "CMD_nextplayer+3+2+t+f+t+4+1+2+"});
    QTest::mouseClick(table->findChild<QWidget*>(QStringLiteral("bone1")), Qt::LeftButton);
    QTest::mouseClick(find(QStringLiteral("image_toe1")), Qt::LeftButton);
    ASSERT_TRUE(host.waitForMessage("CMD_playbone+3+1+1+4+"));
    // Pass before the host answers: hides everything, sends nothing (the turn is on its way).
    QTest::mouseClick(find(QStringLiteral("button_pass")), Qt::LeftButton);
    EXPECT_EQ(visibility({"button_pass", "image_toe1", "image_toe2", "image_toe3"}), QStringLiteral("----"));
    feed({"CMD_noplay+3+"});
    EXPECT_EQ(text("label_status"), QStringLiteral("That is not a valid play"));
    EXPECT_EQ(visibility({"button_pass", "image_toe1", "image_toe2", "image_toe3"}), QStringLiteral("++-+"));
    EXPECT_EQ(table->mirror().state().turnSeat, 3);
    // The player can move again: a pass now goes out.
    host.received.clear();
    QTest::mouseClick(find(QStringLiteral("button_pass")), Qt::LeftButton);
    ASSERT_TRUE(host.waitForMessage("CMD_hepasses+3+"));

    // The computer passes for a seat that just watches: the turn ends, no marker stays up, and a
    // stray refusal later brings none back.
    feed({"CMD_nextplayer+3+2+t+t+t+4+1+2+", "CMD_hepassed+3+"});
    EXPECT_EQ(visibility({"button_pass", "image_toe1", "image_toe2", "image_toe3"}), QStringLiteral("----"));
    feed({"CMD_nextplayer+3+2+t+t+t+4+1+2+", "CMD_nextplayer+4+2+t+t+t+4+1+2+"});
    EXPECT_EQ(visibility({"button_pass", "image_toe1", "image_toe2", "image_toe3"}), QStringLiteral("----"));
    feed({"CMD_noplay+3+"});
    EXPECT_EQ(visibility({"button_pass", "image_toe1", "image_toe2", "image_toe3"}), QStringLiteral("----"));
}

TEST_F(TableTest, RoundScoresCarryTheirSign)
{
    feed({"CMD_endround+2+1+12+40+2+-20+15+3+0+22"});
    EXPECT_EQ(sounds.played, QStringList{QStringLiteral("roundover")});
    EXPECT_EQ(text("label_status"), QStringLiteral("Posting Scores, Please Wait.."));
    EXPECT_EQ(texts({"label_bonus1", "label_score1", "label_bonus2", "label_score2", "label_bonus3", "label_score3"}),
              (QStringList{"+12", "40", "-20", "15", "0", "22"}));

    feed({"CMD_endround+0+1+3+43", "CMD_endround+0+7+3+43+1+x+0", "CMD_tiegame+"});
    EXPECT_EQ(sounds.played.last(), QStringLiteral("blocked"));
    EXPECT_EQ(text("label_score1"), QStringLiteral("43"));
    EXPECT_FALSE(shown("panel_winner")) << "a tie shows no winner";
}

TEST_F(TableTest, TheWinnerBannerOnTheWinnersTableAndOnOthers)
{
    QStringList tally;
    table->hooks.onAddGame = [&](const QString& winner, bool won) { tally.append(winner + (won ? "+won" : "")); };
    login(1);
    feed({"CMD_newplayerinfo+1+Ann+0", "CMD_nextplayer+1+2+t+t+t+1+1+1+", "CMD_winner+Ann+"});
    EXPECT_EQ(texts({"label_winner1", "label_winner2", "label_status"}),
              (QStringList{"You have Won the Game!", "You have Won the Game!", "Game Over!"}));
    EXPECT_EQ(visibility({"panel_winner", "image_turn1", "image_toe1", "button_start"}), QStringLiteral("+---"));
    EXPECT_EQ(lastLine(), QStringLiteral("You have Won the Game!"));
    EXPECT_EQ(sounds.played.last(), QStringLiteral("winner"));

    // On the hosting table the start button comes back for the next game.
    table->setHosting(true);
    feed({"CMD_startgame+Ann+3+"});
    EXPECT_EQ(visibility({"panel_winner", "button_start"}), QStringLiteral("--"));
    feed({"CMD_winner+Klot+"});
    EXPECT_EQ(text("label_winner1"), QStringLiteral("Klot has Won the Game!"));
    EXPECT_TRUE(shown("button_start"));
    // A player who calls himself "addtomine" wins as himself.
    feed({"CMD_newplayerinfo+2+addtomine+0", "CMD_winner+addtomine+"});
    EXPECT_EQ(tally, (QStringList{"Ann+won", "Klot", "addtomine"}));
}

TEST_F(TableTest, ASpectatorSeesTheWinnersNameAndKeepsNoTally)
{
    table->hooks.onAddGame = [](const QString&, bool) { ADD_FAILURE() << "a spectator keeps no tally"; };
    login(7);
    feed({"CMD_newplayerinfo+7+Ann+0", "CMD_winner+Ann+"});
    EXPECT_EQ(text("label_winner1"), QStringLiteral("Ann has Won the Game!"));
}

TEST_F(TableTest, ALateArrivalSeesTheRunningGame)
{
    login(4);
    feed({"CMD_youplay+2+4", "CMD_gamestats+4+2+5+8+f+10+20+30+40+50+60+*"});
    EXPECT_EQ(texts({"label_round", "label_score6", "label_status", "label_notplaying"}),
              (QStringList{"Round: 2 of 5", "60", "Your Turn", "Round already in progress.."}));
    EXPECT_EQ(visibility({"image_toe1", "image_toe2", "image_toe3", "button_pass", "image_turn4", "label_notplaying"}),
              QStringLiteral("+++-++"));
    EXPECT_EQ(table->mirror().state().spinnerBone, 53);
    EXPECT_EQ(table->mirror().state().board.cell(1, 1).bone, 0);

    feed({"CMD_gamestats+2+3+5+46+t+1+2+3+4+5+6+1+1+46+f+1+2+48+t+3+1+12+t"});
    EXPECT_EQ(table->mirror().state().spinnerBone, -1) << "46 is a bone number, not a pip count";
    EXPECT_FALSE(shown("label_notplaying"));
    const game::Board& board = table->mirror().state().board;
    EXPECT_TRUE(board.cell(1, 2).bone == 48 && board.cell(1, 2).flip && board.cell(3, 1).bone == 12);
    EXPECT_EQ(find<ClickImage>(QStringLiteral("image_toe1"))->tag, 3);
}

TEST_F(TableTest, StartGameNeedsALogin)
{
    int dialogs = 0;
    table->hooks.onShowGameStart = [&] { ++dialogs; };
    find<QAction>(QStringLiteral("StartGame1"))->setEnabled(true);
    find<QAction>(QStringLiteral("StartGame1"))->trigger();
    EXPECT_EQ(boxes.shown, QStringList{QStringLiteral("You are not connected")});
    login(1);
    table->setHosting(true);
    QTest::mouseClick(find(QStringLiteral("button_start")), Qt::LeftButton);
    EXPECT_EQ(dialogs, 1);
}
