// The hint at the table: H in the hand (or Options, Hint) on the player's turn raises the strong
// player's bone, lights its marker, says it on the status line and to the screen reader, sends
// nothing; Enter then sends exactly what a click on the lit marker sends.
#include "tablefixture.h"

#include "game/bones.h"
#include "table/boardview.h"
#include "table/hintview.h"
#include "table/tablewidgets.h"

#include <QAction>
#include <QDir>
#include <QLineEdit>

namespace {

std::string bone(int a, int b) { return std::to_string(game::boneNumber(a, b)); }

class HintTest : public TableTest {
protected:
    QWidget* hand() { return find(QStringLiteral("panel_bones")); }
    QWidget* light() { return find(QStringLiteral("hintlight")); }
    QAction* entry() { return find<QAction>(QStringLiteral("Hint1")); }
    bool waitForHint() { return QTest::qWaitFor([&] { return table->hint().current() != nullptr; }, 20000); }

    // Round 1 of three seats: toes ending in 4, 2 and 5; Ann (seat 3) holds 4|2 and 5|4, each
    // fitting two of them, and 1|1, 0|3 and 7|8.
    void toePhase()
    {
        login(3);
        feed({"CMD_existingplayers+1+Hal+0+2+Bob+0", "CMD_newplayerinfo+3+Ann+0", "CMD_startgame+Hal+3+",
              "CMD_startround+1+55+6+1+t+2+t+3+t",
              "CMD_dealmybones+3+1+" + bone(2, 4) + "+2+" + bone(4, 5) + "+3+" + bone(1, 1) + "+4+" + bone(0, 3) +
                  "+5+" + bone(7, 8),
              "CMD_nextplayer+1+1+t+t+t+1+1+1+", "CMD_heplayed+1+1+" + bone(4, 9) + "+1+1+t+5+",
              "CMD_nextplayer+2+1+f+t+t+0+1+1+", "CMD_heplayed+2+1+" + bone(2, 9) + "+2+1+t+5+",
              "CMD_nextplayer+1+1+f+f+t+0+0+1+", "CMD_heplayed+1+2+" + bone(5, 9) + "+3+1+t+4+"});
    }
};

} // namespace

TEST_F(HintTest, HOnTheTurnRaisesTheBoneLightsTheMarkerSendsNothingAndEnterPlaysAsTheMarker)
{
    toePhase();
    QTest::keyClick(table->chatPanel().input(), Qt::Key_F6);
    sounds.played.clear();
    // Not Ann's turn yet: no hint.
    EXPECT_FALSE(entry()->isEnabled());
    QTest::keyClick(hand(), Qt::Key_H);
    EXPECT_EQ(sounds.played, QStringList{"invalid"});
    EXPECT_FALSE(table->hint().thinking());

    feed({"CMD_nextplayer+3+2+t+t+t+2+2+2+"});
    EXPECT_TRUE(entry()->isEnabled());
    QTest::keyClick(hand(), Qt::Key_H);
    ASSERT_TRUE(waitForHint());
    const mirror::Hint hint = *table->hint().current();
    ASSERT_FALSE(hint.pass) << "4|2 and 5|4 fit";
    const QString said = QString::fromStdString(hint.text);
    EXPECT_TRUE(said == "Hint: 4|2 on toe 1" || said == "Hint: 4|2 on toe 2" || said == "Hint: 5|4 on toe 1" ||
                said == "Hint: 5|4 on toe 3")
        << said.toStdString();
    EXPECT_EQ(table->mirror().onlyFit(), 0) << "the raised bone fits two markers: Enter alone could not choose";
    EXPECT_EQ(text(QStringLiteral("label_status")), said);
    EXPECT_EQ(text(QStringLiteral("announcer")), said);
    EXPECT_EQ(table->findChild<BoneImage*>(QStringLiteral("bone%1").arg(hint.slot))->y(), BoneImage::kRaisedTop);
    QWidget* marker = find(QStringLiteral("image_toe%1").arg(hint.toe));
    EXPECT_TRUE(light()->isVisible());
    EXPECT_TRUE(light()->geometry().contains(marker->geometry()));

    QDir().mkpath(QStringLiteral(TILVARO_SCREENSHOT_DIR));
    const QString path = QStringLiteral(TILVARO_SCREENSHOT_DIR "/table-hint.png");
    ASSERT_TRUE(table->grab().save(path)) << path.toStdString();

    QTest::keyClick(hand(), Qt::Key_Return);
    const std::string play = "CMD_playbone+3+" + std::to_string(hint.slot) + "+" + std::to_string(hint.toe) + "+" +
                             std::to_string(hint.position) + "+";
    ASSERT_TRUE(host.waitForMessage(play));
    const QByteArray byEnter = host.received;
    EXPECT_EQ(byEnter, QByteArray::fromStdString(play + '\xFF')) << "the play alone: the hint sent nothing";
    host.received.clear();
    EXPECT_FALSE(entry()->isEnabled()) << "the play is on its way";
    EXPECT_FALSE(light()->isVisible());

    // Refused: the turn comes back, the light stays out; the menu entry asks again, and a click on
    // the lit marker sends the very bytes Enter sent.
    feed({"CMD_noplay+3+"});
    EXPECT_FALSE(light()->isVisible());
    entry()->trigger();
    ASSERT_TRUE(waitForHint());
    EXPECT_EQ(table->hint().current()->text, hint.text);
    QTest::mouseClick(marker, Qt::LeftButton);
    ASSERT_TRUE(host.waitForMessage(play));
    EXPECT_EQ(host.received, byEnter);
}

TEST_F(HintTest, APassHintPassesOnEnterAndAnAnswerForAnEarlierTurnIsDropped)
{
    login(3);
    // Spinner 9|9 and no 9 in the hand: a forced pass.
    feed({"CMD_startround+1+55+3+1+t+2+t+3+t", "CMD_dealmybones+3+1+" + bone(0, 1) + "+2+" + bone(2, 3),
          "CMD_nextplayer+3+1+t+t+t+1+1+1+"});
    QTest::keyClick(table->chatPanel().input(), Qt::Key_F6);
    QTest::keyClick(hand(), Qt::Key_H);
    // The turn moves on before the answer is read: it is dropped.
    feed({"CMD_hepassed+3+", "CMD_nextplayer+1+1+t+t+t+1+1+1+"});
    const QString status = text(QStringLiteral("label_status"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !table->hint().thinking(); }, 20000));
    EXPECT_EQ(text(QStringLiteral("label_status")), status);

    feed({"CMD_hepassed+1+", "CMD_nextplayer+3+1+t+t+t+1+1+1+"});
    QTest::keyClick(hand(), Qt::Key_H);
    ASSERT_TRUE(waitForHint());
    EXPECT_EQ(text(QStringLiteral("label_status")), QStringLiteral("Hint: pass"));
    EXPECT_FALSE(light()->isVisible());
    QTest::keyClick(hand(), Qt::Key_Enter);
    ASSERT_TRUE(host.waitForMessage("CMD_hepasses+3+"));
    EXPECT_EQ(host.received, QByteArray("CMD_hepasses+3+\xFF"));
}
