// Playing from the keyboard: where the focus goes, the ring over the hand, and every key doing
// what the matching click does.
#include "tablefixture.h"

#include "table/tablewidgets.h"

#include <QLineEdit>
#include <QMenuBar>

namespace {

class KeyboardTest : public TableTest {
protected:
    QWidget* hand() { return find(QStringLiteral("panel_bones")); }
    QLineEdit* input() { return table->chatPanel().input(); }
    QWidget* ring() { return find(QStringLiteral("focusring")); }
    BoneImage* bone(int slot) { return table->findChild<BoneImage*>(QStringLiteral("bone%1").arg(slot)); }
    void keys(std::initializer_list<Qt::Key> sequence, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        for (Qt::Key k : sequence)
            QTest::keyClick(hand(), k, modifiers);
    }
    QList<int> handOrder()
    {
        QList<int> order;
        for (int place = 1; table->mirror().state().hand.place(place).slot != -1; ++place)
            order.append(table->mirror().state().hand.place(place).slot);
        return order;
    }
};

} // namespace

TEST_F(KeyboardTest, TheChatHasTheFocusUntilThePlayerMovesIt)
{
    EXPECT_EQ(table->focusWidget(), input()) << "the window opens with the chat input focused";
    login(3);
    feed({"CMD_startround+1+55+3+3+t", "CMD_dealmybones+3+1+30+2+1", "CMD_nextplayer+3+1+t+t+t+1+1+1+"});
    // Neither a turn beginning nor a click on a bone moves the focus; letters typed are chat.
    QTest::mouseClick(bone(1), Qt::LeftButton);
    QTest::keyClicks(input(), QStringLiteral("ps"));
    EXPECT_EQ(table->focusWidget(), input());
    EXPECT_EQ(input()->text(), QStringLiteral("ps"));
    EXPECT_TRUE(ring()->isHidden());

    QTest::keyClick(input(), Qt::Key_F6);
    EXPECT_EQ(table->focusWidget(), hand());
    EXPECT_FALSE(ring()->isHidden());
    keys({Qt::Key_F6});
    EXPECT_EQ(table->focusWidget(), input());
    EXPECT_TRUE(ring()->isHidden());
    QTest::keyClick(input(), Qt::Key_Escape);
    EXPECT_EQ(table->focusWidget(), hand());
    EXPECT_EQ(input()->text(), QStringLiteral("ps"));

    // The menus keep their Alt letters: the hand lets Alt combinations through untouched.
    QStringList titles;
    for (QAction* menu : table->menuBar()->actions())
        titles.append(menu->text());
    EXPECT_EQ(titles, (QStringList{"&File", "&Options", "&View", "&Help"}));
    keys({Qt::Key_P, Qt::Key_S}, Qt::AltModifier);
    EXPECT_TRUE(find(QStringLiteral("button_pass"))->isVisible());
    EXPECT_EQ(handOrder(), (QList<int>{1, 2})) << "not sorted";
    EXPECT_TRUE(host.received.isEmpty());
}

TEST_F(KeyboardTest, TheRingWalksTheHandAndKeysRaiseSwapAndSortAsClicksDo)
{
    login(3);
    // 3|5, 0|0, 2|9, 9|9 in slots 1 to 4.
    feed({"CMD_startround+1+55+4+3+t", "CMD_dealmybones+3+1+30+2+1+3+27+4+55"});
    QTest::keyClick(input(), Qt::Key_F6);
    EXPECT_EQ(ring()->geometry(), QRect(1, 1, 40, 82)) << "around place 1, which starts at 4";
    keys({Qt::Key_Right, Qt::Key_Right});
    EXPECT_EQ(ring()->x(), 81);
    keys({Qt::Key_End, Qt::Key_Right});
    EXPECT_EQ(table->hand().focusRingPlace(), 4) << "the ring stops at the last bone";
    keys({Qt::Key_Home, Qt::Key_Left, Qt::Key_Space});
    EXPECT_EQ(table->hand().focusRingPlace(), 1);
    EXPECT_EQ(bone(1)->y(), 12) << "not this player's turn: nothing rises";

    feed({"CMD_nextplayer+3+1+t+t+t+1+1+1+"});
    sounds.played.clear();
    keys({Qt::Key_Space});
    EXPECT_EQ(QList<int>({bone(1)->y(), table->mirror().state().hand.selectedSlot()}), (QList<int>{4, 1}));
    keys({Qt::Key_Space});
    EXPECT_EQ(QList<int>({bone(1)->y(), table->mirror().state().hand.selectedSlot()}), (QList<int>{12, -1}));
    // Raise place 1, then Space on place 3: the two change places.
    keys({Qt::Key_Space, Qt::Key_Right, Qt::Key_Right, Qt::Key_Space});
    EXPECT_EQ(handOrder(), (QList<int>{3, 2, 1, 4}));
    EXPECT_EQ(bone(1)->pos(), QPoint(84, 12));
    EXPECT_EQ(sounds.played, (QStringList{"selectbone", "clearbone", "selectbone", "sort"}));

    // S sorts by bone number (0|0, 2|9, 3|5, 9|9); the ring keeps its place.
    keys({Qt::Key_S});
    EXPECT_EQ(handOrder(), (QList<int>{2, 3, 1, 4}));
    EXPECT_EQ(table->hand().focusRingPlace(), 3);
    // A played bone closes up the row; the ring falls back to the last place there is.
    keys({Qt::Key_End});
    feed({"CMD_heplayed+3+4+55+1+1+f+3+"});
    keys({Qt::Key_Space});
    EXPECT_EQ(ring()->x(), 81);
}

TEST_F(KeyboardTest, TheToeKeysEnterAndPSendWhatTheMarkersAndPassSend)
{
    login(3);
    // Spinner 9|9; the hand 3|5, 9|9, 5|9; markers on toes 1 and 2.
    feed({"CMD_startround+1+55+3+3+t", "CMD_dealmybones+3+1+30+2+55+3+45", "CMD_nextplayer+3+1+t+t+f+1+1+0+"});
    QTest::keyClick(input(), Qt::Key_F6);
    sounds.played.clear();
    // No marker on toe 3; nothing raised for Enter; 9|9 fits two markers, so Enter cannot choose.
    keys({Qt::Key_3, Qt::Key_Enter, Qt::Key_Right, Qt::Key_Space, Qt::Key_Return});
    EXPECT_EQ(sounds.played, (QStringList{"invalid", "invalid", "selectbone", "invalid"}));

    keys({Qt::Key_2});
    ASSERT_TRUE(host.waitForMessage("CMD_playbone+3+2+2+1+"));
    // While the play is on its way a shown marker takes the key as it takes a click: silently.
    keys({Qt::Key_1});
    EXPECT_EQ(sounds.played.size(), 4);

    // Toe 1 now ends in 5, toe 2 is open on the spinner's 9: 3|5 fits toe 1 alone.
    feed({"CMD_noplay+3+", "CMD_heplayed+1+5+45+1+1+t+6+", "CMD_nextplayer+3+2+t+t+f+2+1+0+"});
    keys({Qt::Key_Home, Qt::Key_Space, Qt::Key_Enter});
    ASSERT_TRUE(host.waitForMessage("CMD_playbone+3+1+1+2+"));

    // P passes while Pass is shown, and only then.
    feed({"CMD_noplay+3+"});
    keys({Qt::Key_P});
    ASSERT_TRUE(host.waitForMessage("CMD_hepasses+3+"));
    keys({Qt::Key_P});
    EXPECT_EQ(sounds.played.last(), QStringLiteral("invalid"));
    EXPECT_EQ(host.received, QByteArray("CMD_playbone+3+2+2+1+\xFF"
                                        "CMD_playbone+3+1+1+2+\xFF"
                                        "CMD_hepasses+3+\xFF"));
}
