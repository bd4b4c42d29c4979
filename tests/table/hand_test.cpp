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
        for (int place = 1; place <= Tchat::kHandPlaces && table->handSlotAt(place) != -1; ++place)
            order.append(table->handSlotAt(place));
        return order;
    }
    void click(int slot, Qt::MouseButton button = Qt::LeftButton) { QTest::mouseClick(bone(slot), button); }
    void myTurn() { feed({"CMD_nextplayer+3+2+t+t+t+2+2+2+"}); }
};

} // namespace

TEST_F(HandTest, DealtBonesLieInSlotOrderAndARightClickSortsThem)
{
    login(3);
    feed({"CMD_dealmybones+3+1+30+2+1+3+27"});
    EXPECT_EQ(handOrder(), (QList<int>{1, 2, 3}));
    EXPECT_EQ(bone(1)->geometry(), QRect(4, 12, 34, 66));
    EXPECT_EQ(bone(2)->geometry(), QRect(44, 12, 34, 66));
    EXPECT_EQ(bone(3)->geometry(), QRect(84, 12, 34, 66));

    // Not this player's turn: a right click still sorts, 0|0, 2|9, 3|5.
    click(1, Qt::RightButton);
    EXPECT_EQ(handOrder(), (QList<int>{2, 3, 1}));
    EXPECT_EQ(bone(2)->x(), 4);
    EXPECT_EQ(bone(3)->x(), 44);
    EXPECT_EQ(bone(1)->x(), 84);
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
    EXPECT_TRUE(sounds.played.isEmpty());

    myTurn();
    sounds.played.clear();
    click(2);
    EXPECT_EQ(bone(2)->y(), 4);
    EXPECT_EQ(table->selectedSlot(), 2);
    click(2);
    EXPECT_EQ(bone(2)->y(), 12);
    EXPECT_EQ(table->selectedSlot(), -1);
    EXPECT_EQ(sounds.played, (QStringList{QStringLiteral("selectbone"), QStringLiteral("clearbone")}));

    // Raise place 1, click place 4: the two change places and nothing stays raised.
    click(1);
    click(4);
    EXPECT_EQ(handOrder(), (QList<int>{4, 2, 3, 1, 5}));
    EXPECT_EQ(bone(4)->pos(), QPoint(4, 12));
    EXPECT_EQ(bone(1)->pos(), QPoint(124, 12));
    EXPECT_EQ(table->selectedSlot(), -1);
    EXPECT_EQ(sounds.played.last(), QStringLiteral("sort"));
}

TEST_F(HandTest, APlayedBoneLeavesAndTheOthersCloseUp)
{
    login(3);
    feed({"CMD_dealmybones+3+1+30+2+1+3+27+4+55+5+12"});
    myTurn();
    click(5);
    feed({"CMD_heplayed+3+3+27+1+1+f+4+"});
    EXPECT_EQ(bone(3), nullptr);
    EXPECT_EQ(handOrder(), (QList<int>{1, 2, 4, 5}));
    EXPECT_EQ(bone(4)->pos(), QPoint(84, 12));
    EXPECT_EQ(bone(5)->pos(), QPoint(124, 12)) << "a raised bone is lowered";
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
    EXPECT_EQ(bone(20)->geometry().right() + 1, 798);

    auto* area = find<QScrollArea>(QStringLiteral("panel_bones"));
    EXPECT_EQ(area->horizontalScrollBar()->singleStep(), 40);
    area->horizontalScrollBar()->setValue(40);
    EXPECT_EQ(area->horizontalScrollBar()->value(), 798 - 774) << "scrolled as far as the last bone";
    EXPECT_EQ(visibleLeft(bone(2), QStringLiteral("panel_bones")), 44 - 24);
    EXPECT_EQ(visibleLeft(bone(20), QStringLiteral("panel_bones")), 764 - 24);
}

TEST_F(HandTest, NonsenseDealsStopAtTheBadPair)
{
    login(3);
    feed({"CMD_dealmybones+3+1+30+0+5+2+7", "CMD_dealmybones+3+21+5", "CMD_dealmybones+3+2+x+3+3",
          "CMD_dealmybones+3+1+44", "CMD_dealmybones+x+2+5", "CMD_dealmybones+3+-1+5"});
    EXPECT_EQ(handOrder(), QList<int>{1}) << "slots outside 1 to 20 and repeated slots are refused";
    EXPECT_EQ(bone(1)->hint, 30);
}
