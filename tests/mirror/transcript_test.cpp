// Games written out line by line as the host sends them: what each message changes at the table and
// which events it gives, and that a message with a bad number changes nothing at all.

#include "mirror_transcript.h"

#include "game/bones.h"
#include "host/strong.h"

#include <gtest/gtest.h>

using namespace mirrortest;
using mirror::TableMirror;

namespace {

const int k0_9 = game::boneNumber(0, 9), k3_9 = game::boneNumber(3, 9), k4_9 = game::boneNumber(4, 9),
          k1_2 = game::boneNumber(1, 2), k4_4 = game::boneNumber(4, 4), k9_9 = game::boneNumber(9, 9);

// Seat 1 (Ann, this table) and Bob in seat 2, Cy's seat 3 taken by the computer: the first round
// dealt, Ann's hand 0|9, 3|9, 1|2, and her turn with every toe open.
void openRound(TableMirror& table)
{
    feed(table, {"CMD_sendlogininfo+1", "CMD_newplayerinfo+1+Ann+0", "CMD_existingplayers+2+Bob+0",
                 "CMD_startgame+Ann+3+", "CMD_startround+1+55+14+1+t+2+t+3+t+4+f+5+f+6+f",
                 "CMD_dealmybones+1+1+" + std::to_string(k0_9) + "+2+" + std::to_string(k3_9) + "+3+" + std::to_string(k1_2),
                 "CMD_nextplayer+1+1+t+t+t+1+1+1+"});
}

} // namespace

TEST(MirrorSeats, LoginArrivalsJustWatchingAndLeaving)
{
    TableMirror table;
    EXPECT_EQ(names(table.handle("CMD_sendlogininfo+3")), "LoggedIn");
    EXPECT_TRUE(table.state().loggedIn);
    EXPECT_EQ(table.state().ownSeat, 3);
    EXPECT_EQ(names(table.handle("CMD_existingplayers+1+Ann+0+2+Bob+1")), "Connected Connected ArrivalsDone");
    EXPECT_EQ(table.seat(1).name, "Ann");
    EXPECT_TRUE(table.seat(2).watching);
    const auto own = table.handle("CMD_newplayerinfo+3+Cy+0");
    ASSERT_EQ(names(own), "Connected ArrivalsDone");
    EXPECT_TRUE(std::get<mirror::Connected>(own[0]).own);
    EXPECT_EQ(names(table.handle("CMD_newplayerinfo+")), ""); // an empty list announces nobody

    EXPECT_EQ(names(table.handle("CMD_justwatching+2+2")), "WatchChanged");
    EXPECT_FALSE(table.seat(2).watching);
    table.handle("CMD_justwatching+3+1");
    EXPECT_TRUE(table.seat(3).watching);

    const auto left = table.handle("CMD_playerdisconnected+3+Cy");
    ASSERT_EQ(names(left), "SeatLeft");
    EXPECT_EQ(std::get<mirror::SeatLeft>(left[0]).shownBefore, "Cy");
    EXPECT_EQ(table.seat(3).name, "Klock");
    EXPECT_FALSE(table.seat(3).watching);

    // Words of the host that change nothing but are shown.
    EXPECT_EQ(names(feed(table, {"CMD_chat+1+Ann chats: hi", "CMD_action+2+Bob waves", "CMD_playasound+2+wave4",
                                 "CMD_havewrongversion+Dee", "CMD_wrongversion+", "CMD_full+", "CMD_tiegame+"})),
              "ChatLine ChatLine ChatterSound OtherVersion WrongVersion GameFull");
    const auto sound = table.handle("CMD_playasound+2+wave4+");
    EXPECT_EQ(std::get<mirror::ChatterSound>(sound[0]).sound, "wave4");
}

TEST(MirrorSeats, SpectatorsAreMatchedWithoutRegardToCaseWhenTheyLeave)
{
    TableMirror table;
    feed(table, {"CMD_sendlogininfo+7", "CMD_existingplayers+1+Ann+0+2+Bob+0+3+C+0+4+D+0+5+E+0+6+F+0",
                 "CMD_newplayerinfo+7+Zo\xEB+0", "CMD_newplayerinfo+8+Spy+0"});
    ASSERT_EQ(table.state().spectators.size(), 2u);
    EXPECT_EQ(table.state().spectators[0].name, "Zo\xEB");
    // Another number with the same name, and a name that is not there, remove nobody.
    EXPECT_EQ(names(feed(table, {"CMD_playerdisconnected+9+spy", "CMD_playerdisconnected+8+Spies"})), "");
    EXPECT_EQ(names(table.handle("CMD_playerdisconnected+8+SPY")), "SpectatorLeft");
    EXPECT_EQ(names(table.handle("CMD_playerdisconnected+7+ZO\xCB")), "SpectatorLeft");
    EXPECT_TRUE(table.state().spectators.empty());
    // A spectator never sits out: it was never going to be dealt in.
    table.handle("CMD_gamestats+2+1+3+9+f+0+0+0+0+0+0+*");
    EXPECT_FALSE(table.state().sittingOut);
}

TEST(MirrorGame, ARoundPlaysPassesDoublesAndScores)
{
    TableMirror table;
    openRound(table);
    const auto& state = table.state();
    EXPECT_EQ(state.rounds, "3");
    EXPECT_EQ(table.seat(3).bonesLeft, 14);
    EXPECT_FALSE(table.seat(4).bonesLeft);
    EXPECT_TRUE(table.seat(3).inGame);
    EXPECT_EQ(state.hand.count(), 3);
    EXPECT_TRUE(table.ownTurn());
    EXPECT_TRUE(state.markers[2].shown && state.passShown);

    // Ann plays 3|9 on toe 1: the row closes up and the marker goes beside the bone.
    ASSERT_EQ(table.clickBone(2), mirror::BoneClick::Raised);
    ASSERT_EQ(table.playOn(1)->text(), "CMD_playbone+1+2+1+1+");
    EXPECT_EQ(names(table.handle("CMD_heplayed+1+2+" + std::to_string(k3_9) + "+1+1+t+13+")), "Played");
    EXPECT_EQ(state.board.cell(1, 1).bone, k3_9);
    EXPECT_TRUE(state.board.cell(1, 1).flip);
    EXPECT_EQ(state.hand.place(2).slot, 3);
    EXPECT_EQ(state.hand.count(), 2);
    EXPECT_EQ(table.seat(1).bonesLeft, 13);
    EXPECT_FALSE(state.markers[1].shown || state.passShown);
    EXPECT_EQ(state.markers[1].position, 2);

    // Bob passes on the 9 of the foot phase; the computer takes seat 3 and its turn clears no one
    // else's pass mark, its play clears them all.
    feed(table, {"CMD_nextplayer+2+1+f+t+t+1+1+1+", "CMD_hepassed+2+", "CMD_nextplayer+3+1+f+t+t+1+1+1+"});
    EXPECT_EQ(table.seat(2).lacks, 1u << 9);
    EXPECT_TRUE(table.seat(2).passed);
    EXPECT_EQ(table.seat(3).name, "Klock");
    EXPECT_TRUE(table.seat(3).turn && !table.seat(2).turn);
    table.handle("CMD_heplayed+3+1+" + std::to_string(k4_9) + "+2+1+t+13+");
    EXPECT_FALSE(table.seat(2).passed);
    feed(table, {"CMD_nextplayer+1+1+f+f+t+1+1+1+", "CMD_heplayed+1+1+" + std::to_string(k0_9) + "+3+1+t+12+",
                 "CMD_nextplayer+3+2+t+t+t+2+2+2+", "CMD_hepassed+3+"});
    // In the toe phase a pass shows every open end: 3, 4 and 0.
    EXPECT_EQ(table.seat(3).lacks, 1u << 3 | 1u << 4 | 1u << 0);

    // Bob's 4|4 on toe 2 loads a new spinner: the board starts again, the bones played stay gone
    // and the pass marks stay until each seat's turn comes.
    feed(table, {"CMD_nextplayer+2+2+t+t+t+2+2+2+"});
    EXPECT_EQ(names(table.handle("CMD_double+2+5+" + std::to_string(k4_4) + "+2+2+f+12+")), "Played");
    EXPECT_EQ(state.board.cell(2, 2).bone, k4_4);
    EXPECT_TRUE(table.seat(3).passed);
    EXPECT_EQ(names(table.handle("CMD_beginagain+" + std::to_string(k4_4) + "+")), "SpinnerReloaded");
    EXPECT_TRUE(state.board.isEmpty());
    EXPECT_EQ(state.spinnerBone, k4_4);
    EXPECT_EQ(state.markers[1].position, 1);
    for (int bone : {k9_9, k3_9, k4_9, k0_9, k4_4})
        EXPECT_TRUE(state.gone[bone]) << bone;
    EXPECT_EQ(std::count(state.gone.begin(), state.gone.end(), true), 5);
    EXPECT_EQ(table.scoreSheet().current()->rows.back().newSpinners, std::vector<int>{k4_4});

    const auto ended = table.handle("CMD_endround+2+1+3+3+2+-20+-20+3+30+30");
    ASSERT_EQ(names(ended), "RoundEnded");
    EXPECT_EQ(std::get<mirror::RoundEnded>(ended[0]).scores.size(), 3u);
    EXPECT_EQ(table.seat(2).roundScore, -20);
    EXPECT_EQ(table.seat(3).total, 30);
    EXPECT_EQ(table.scoreSheet().current()->latestTotal(3), 30);
}

TEST(MirrorGame, ATieReplaysTheLastRoundAndTheWinnerEndsTheGame)
{
    TableMirror table;
    openRound(table);
    feed(table, {"CMD_endround+1+1+-20+-20+2+5+5+3+9+9", "CMD_startround+3+53+14+1+t+2+t+3+t+4+f+5+f+6+f",
                 "CMD_endround+2+1+10+-10+2+-20+-15+3+5+14", "CMD_tiegame+"});
    EXPECT_EQ(table.seat(1).total, -10);
    EXPECT_EQ(table.seat(2).total, -15);
    // The host deals the last round again under the same number; the sheet marks the replay.
    EXPECT_EQ(names(table.handle("CMD_startround+3+53+14+1+t+2+t+3+t+4+f+5+f+6+f")), "RoundStarted");
    EXPECT_FALSE(table.seat(1).roundScore);
    EXPECT_EQ(table.seat(1).total, -10);
    EXPECT_EQ(table.state().hand.count(), 0);
    const auto& rows = table.scoreSheet().current()->rows;
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_FALSE(rows[1].replay);
    EXPECT_TRUE(rows[2].replay);

    feed(table, {"CMD_nextplayer+3+1+t+t+t+1+1+1+", "CMD_endround+2+1+4+-6+2+-20+-35+3+0+14"});
    EXPECT_EQ(table.seat(3).name, "Klock");
    const auto won = table.handle("CMD_winner+Bob+");
    ASSERT_EQ(names(won), "GameWon");
    EXPECT_FALSE(std::get<mirror::GameWon>(won[0]).ownWin);
    EXPECT_FALSE(table.seat(3).turn);
    EXPECT_EQ(table.scoreSheet().current()->winner, "Bob");
    // The next game starts from nothing; the computer's seat waits for a player again.
    EXPECT_EQ(names(table.handle("CMD_startgame+Ann+5+")), "GameStarted");
    EXPECT_EQ(table.seat(2).total, 0);
    EXPECT_EQ(table.seat(3).name, "<Waiting>");
    EXPECT_EQ(table.state().rounds, "5");
}

TEST(MirrorGame, ALateArrivalGetsTheBoardTotalsAndTurnThenItsHand)
{
    TableMirror table;
    feed(table, {"CMD_sendlogininfo+4", "CMD_newplayerinfo+4+Dee+0", "CMD_youplay+3+4"});
    EXPECT_TRUE(table.state().waitingForRound);
    const auto stats = table.handle("CMD_gamestats+4+2+5+9+f+10+-3+7+0+0+0+1+1+" + std::to_string(k3_9) + "+t+1+2+" +
                                    std::to_string(k1_2) + "+f+3+1+" + std::to_string(k0_9) + "+t");
    ASSERT_EQ(names(stats), "GameInProgress");
    EXPECT_TRUE(std::get<mirror::GameInProgress>(stats[0]).ownTurn);
    const auto& state = table.state();
    EXPECT_TRUE(state.sittingOut);
    EXPECT_EQ(state.round, 2);
    EXPECT_EQ(state.rounds, "5");
    EXPECT_EQ(table.seat(2).total, -3);
    EXPECT_EQ(state.spinnerBone, k9_9);
    EXPECT_EQ(state.board.cell(1, 2).bone, k1_2);
    EXPECT_EQ(state.board.cell(3, 1).bone, k0_9);
    EXPECT_EQ(state.markers[1].position, 3);
    EXPECT_EQ(state.markers[2].position, 1);
    EXPECT_TRUE(state.markers[2].shown && !state.passOffered);
    EXPECT_TRUE(state.gone[k1_2]);
    EXPECT_EQ(table.scoreSheet().current()->rows.size(), 2u);

    EXPECT_EQ(names(table.handle("CMD_dealmybones+4+2+11+7+30")), "BonesDealt");
    EXPECT_FALSE(state.sittingOut);
    EXPECT_EQ(state.hand.place(2).bone, 30);
}

// A prepared table mid-round, then lines with a number out of range or no number at all: each
// must leave every part of the state as it was and report nothing.
TEST(MirrorGame, BadNumbersChangeNothing)
{
    TableMirror table;
    openRound(table);
    table.handle("CMD_heplayed+2+1+" + std::to_string(k4_9) + "+2+1+t+13+");
    table.handle("CMD_newplayerinfo+7+Spy+0");
    const std::string before = snapshot(table);
    for (const std::string line : {
             "CMD_sendlogininfo+0", "CMD_sendlogininfo+10", "CMD_sendlogininfo+x", "CMD_sendlogininfo+ 2",
             "CMD_newplayerinfo+0+Eve+0", "CMD_newplayerinfo+10+Eve+0", "CMD_existingplayers+x+Eve+0",
             "CMD_playerdisconnected+0+Ann", "CMD_playerdisconnected+10+Spy", "CMD_playerdisconnected+-7+Spy",
             "CMD_justwatching+7+1", "CMD_justwatching+0+1", "CMD_justwatching+x+1",
             "CMD_startround+2+46+14+1+t+7+t", "CMD_startround+2+46+14+1", "CMD_startround+x+46+14+1+t",
             "CMD_startround+2+46+", "CMD_beginagain+x", "CMD_beginagain+",
             "CMD_dealmybones+2+4+7", "CMD_dealmybones+7+4+7", "CMD_dealmybones+x+4+7",
             "CMD_nextplayer+7+1+t+t+t+1+1+1+", "CMD_nextplayer+0+1+t+t+t+1+1+1+", "CMD_nextplayer+2+x+t+t+t+1+1+1+",
             "CMD_nextplayer+2+1+t+t+t+0+1+1+", "CMD_nextplayer+2+1+t+t+t+1+41+1+", "CMD_nextplayer+2+1+f+f+f+1+1+",
             "CMD_heplayed+7+1+5+1+2+f+3+", "CMD_heplayed+1+0+5+1+2+f+3+", "CMD_heplayed+1+21+5+1+2+f+3+",
             "CMD_heplayed+1+1+5+4+2+f+3+", "CMD_heplayed+1+1+5+0+2+f+3+", "CMD_heplayed+1+1+5+1+41+f+3+",
             "CMD_heplayed+1+1+5+1+-1+f+3+", "CMD_heplayed+1+1+5+1+2+f+x+", "CMD_heplayed+1+1+x+1+2+f+3+",
             "CMD_double+0+1+5+1+2+f+3+", "CMD_double+1+1+5+1+41+f+3+", "CMD_double+1+1+5+1+2+f+",
             "CMD_hepassed+0+", "CMD_hepassed+7+", "CMD_hepassed+x+",
             "CMD_noplay+2+", "CMD_noplay+x+", "CMD_endround+x+1+3+3",
             "CMD_gamestats+1+2+5+9+f+0+0+0+0+0+*", "CMD_gamestats+x+2+5+9+f+0+0+0+0+0+0+*",
             "CMD_youplay+x+1", "CMD_youplay+3+", "CMD_playasound+x+wave1", "CMD_nosuchverb+1", "nothing",
         }) {
        EXPECT_EQ(names(table.handle(line)), "") << line;
        EXPECT_EQ(snapshot(table), before) << line;
    }
}

TEST(MirrorGame, RepeatedPlaysKeepAMarkerBesideTheBoard)
{
    TableMirror table;
    openRound(table);
    for (int again = 0; again < 60; ++again)
        table.handle("CMD_heplayed+2+1+" + std::to_string(k4_9) + "+2+40+t+13+");
    EXPECT_EQ(table.state().markers[2].position, game::kToePositions + 1);
    table.handle("CMD_noplay+1+");
    ASSERT_EQ(table.clickBone(1), mirror::BoneClick::Raised);
    EXPECT_EQ(table.playOn(2)->text(), "CMD_playbone+1+1+2+41+");
}

TEST(MirrorGame, AViewWithoutAKnownSpinnerOffersNoPlay)
{
    // A spinner that is no bone leaves the seat nothing to match: the hint must offer nothing,
    // not read a pip that is not there.
    TableMirror table;
    feed(table, {"CMD_sendlogininfo+1", "CMD_startround+1+99+14+1+t+2+t",
                 "CMD_dealmybones+1+1+" + std::to_string(k0_9) + "+2+" + std::to_string(k9_9)});
    const host::SeatView view = table.seatView();
    EXPECT_EQ(view.spinnerPip, -1);
    EXPECT_EQ(view.hand[1], k9_9);
    EXPECT_TRUE(host::legalPlays(view).empty());
}

TEST(MirrorGame, TheScoreSheetNamesTheSeatsInUtf8)
{
    TableMirror table;
    feed(table, {"CMD_sendlogininfo+1", "CMD_newplayerinfo+1+Zo\xEB+0", "CMD_startgame+Zo\xEB+3+",
                 "CMD_startround+1+55+16+1+t+2+t+3+f+4+f+5+f+6+f"});
    const auto& sheet = *table.scoreSheet().current();
    EXPECT_EQ(sheet.names[1], "Zo\xC3\xAB");
    EXPECT_EQ(sheet.names[2], "Klot");
    feed(table, {"CMD_endround+1+1+-20+-20+2+5+5", "CMD_winner+Zo\xEB+"});
    EXPECT_EQ(sheet.winner, "Zo\xC3\xAB");
    EXPECT_EQ(sheet.winnerSeat, 1);
}

TEST(MirrorGame, MarkersAskForThePipTheyTouchAndARaisedBoneMayFitJustOne)
{
    TableMirror table;
    openRound(table);
    EXPECT_EQ(table.markerPip(1), 9);
    EXPECT_EQ(table.markerPip(0), -1);
    table.clickBone(2); // 3|9 fits every empty toe alike
    EXPECT_EQ(table.onlyFit(), 0);
    feed(table, {"CMD_heplayed+1+2+" + std::to_string(k3_9) + "+1+1+t+13+",
                 "CMD_heplayed+2+1+" + std::to_string(k4_9) + "+2+1+t+13+", "CMD_nextplayer+1+1+f+f+t+1+1+1+"});
    EXPECT_EQ(table.markerPip(1), 3);
    EXPECT_EQ(table.markerPip(3), 9);
    table.clickBone(1); // 0|9, and only toe 3 is offered
    EXPECT_EQ(table.onlyFit(), 3);
}
