// The player's hand: where dealt bones lie, sorting, raising, swapping, and closing the gap of a
// played bone.
#include "tablefixture.h"

#include "table/tablewidgets.h"

#include <QScrollBar>

namespace {

class HandTest : public TableTest {
protected:
    BoneImage* bone(int slot) { return table->findChild<BoneImage*>(QStringLiteral("bone%1").arg(slot)); }
    QList<int> handOrder()
    {
        QList<int> order;
        for (int place = 1; table->mirror().state().hand.place(place).slot != -1; ++place)
            order.append(table->mirror().state().hand.place(place).slot);
        return order;
    }
    void click(int slot, Qt::MouseButton button = Qt::LeftButton) { QTest::mouseClick(bone(slot), button); }
};

} // namespace

TEST_F(HandTest, DealtBonesLieInSlotOrderAndARightClickSortsThem)
{
    login(3);
    feed({"CMD_dealmybones+3+1+30+2+1+3+27"});
    EXPECT_EQ(bone(1)->geometry(), QRect(4, 12, 34, 66));
    EXPECT_EQ(bone(2)->geometry(), QRect(44, 12, 34, 66));
    EXPECT_EQ(bone(3)->geometry(), QRect(84, 12, 34, 66));

    // Not this player's turn: a right click still sorts, 0|0, 2|9, 3|5.
    click(1, Qt::RightButton);
    EXPECT_EQ(handOrder(), (QList<int>{2, 3, 1}));
    EXPECT_EQ(QList<int>({bone(2)->x(), bone(3)->x(), bone(1)->x()}), (QList<int>{4, 44, 84}));
    EXPECT_EQ(sounds.played, QStringList{QStringLiteral("sort")});

    // Another seat's deal is not ours; a second deal adds to the hand.
    feed({"CMD_dealmybones+4+4+10", "CMD_dealmybones+3+4+10"});
    EXPECT_EQ(handOrder(), (QList<int>{2, 3, 1, 4}));
    EXPECT_EQ(bone(4)->x(), 124);
}

TEST_F(HandTest, OnOwnTurnAClickRaisesLowersAndSwapsBones)
{
    login(3);
    feed({"CMD_dealmybones+3+1+30+2+1+3+27+4+55+5+12"});
    click(2);
    EXPECT_EQ(bone(2)->y(), 12) << "not this player's turn";

    feed({"CMD_nextplayer+3+2+t+t+t+2+2+2+"});
    sounds.played.clear();
    click(2);
    EXPECT_EQ(bone(2)->y(), 4);
    EXPECT_EQ(table->mirror().state().hand.selectedSlot(), 2);
    click(2);
    EXPECT_EQ(bone(2)->y(), 12);
    EXPECT_EQ(table->mirror().state().hand.selectedSlot(), -1);
    EXPECT_EQ(sounds.played, (QStringList{"selectbone", "clearbone"}));

    // Raise place 1, click place 4: the two change places and nothing stays raised.
    click(1);
    click(4);
    EXPECT_EQ(handOrder(), (QList<int>{4, 2, 3, 1, 5}));
    EXPECT_EQ(bone(4)->pos(), QPoint(4, 12));
    EXPECT_EQ(bone(1)->pos(), QPoint(124, 12));
    EXPECT_EQ(table->mirror().state().hand.selectedSlot(), -1);
    EXPECT_EQ(sounds.played.last(), QStringLiteral("sort"));

    // Playing the bone at place 3 of five: the others close up and the raised one comes down.
    click(5);
    feed({"CMD_heplayed+3+3+27+1+1+f+4+"});
    EXPECT_EQ(bone(3), nullptr);
    EXPECT_EQ(handOrder(), (QList<int>{4, 2, 1, 5}));
    EXPECT_EQ(bone(1)->pos(), QPoint(84, 12));
    EXPECT_EQ(bone(5)->pos(), QPoint(124, 12));
    EXPECT_EQ(text("label_bones3"), QStringLiteral("4"));
}

TEST_F(HandTest, ATwentyBoneHandScrollsByPlaces)
{
    login(1);
    std::string deal = "CMD_dealmybones+1";
    for (int slot = 1; slot <= 21; ++slot)
        deal += "+" + std::to_string(slot) + "+" + std::to_string(slot);
    feed({deal});
    EXPECT_EQ(handOrder().size(), 20) << "a 21st bone finds no place";
    EXPECT_EQ(bone(21), nullptr);

    auto* bar = find<QScrollArea>(QStringLiteral("panel_bones"))->horizontalScrollBar();
    EXPECT_EQ(bar->singleStep(), 40);
    bar->setValue(40);
    EXPECT_EQ(bar->value(), 798 - 774) << "place 20 ends at 798";
    EXPECT_EQ(visibleLeft(bone(2), QStringLiteral("panel_bones")), 44 - 24);
    EXPECT_EQ(visibleLeft(bone(20), QStringLiteral("panel_bones")), 764 - 24);
}
