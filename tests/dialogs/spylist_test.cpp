#include "dialogs/spylistform.h"

#include <QAction>
#include <QListView>
#include <QMenu>
#include <QStringListModel>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct SpyList : testing::Test {
    SpyList()
    {
        list.setKicking([this](int seat) { kicked.append(seat); });
        list.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&list));
    }

    QListView* view() { return list.findChild<QListView*>("listbox_spys"); }
    // From elsewhere first: a move to where the pointer already is would not be reported.
    void pointAt(const QPoint& where)
    {
        QTest::mouseMove(&list, QPoint(1, 1));
        QTest::mouseMove(view()->viewport(), where);
    }
    void pointAtLine(int line) { pointAt(view()->visualRect(spys.index(line)).center()); }
    void removeFromGame() { list.findChild<QAction*>("popup_kickhim")->trigger(); }

    QStringListModel spys{{"7: Guest", "8: Ann", "x: Bob", "9"}};
    Tspylist list{&spys, QPixmap()};
    QList<int> kicked;
};

} // namespace

TEST_F(SpyList, RemovesTheSpectatorUnderThePointerNotTheSelectedOne)
{
    list.setHosting(true);
    view()->setCurrentIndex(spys.index(1));
    pointAtLine(0);
    removeFromGame();
    EXPECT_EQ(kicked, QList<int>({7}));

    // Opened over a line without a move first, the menu acts on that line.
    emit view()->customContextMenuRequested(view()->visualRect(spys.index(1)).center());
    removeFromGame();
    list.findChild<QMenu*>("popup_kick")->close();
    EXPECT_EQ(kicked, QList<int>({7, 8}));
}

TEST_F(SpyList, NothingIsRemovedOverEmptySpaceOrALineWithoutASeatNumber)
{
    list.setHosting(true);
    pointAtLine(2);
    removeFromGame();
    pointAtLine(3);
    removeFromGame();
    pointAt(QPoint(5, view()->viewport()->height() - 2));
    EXPECT_EQ(view()->property("tag").toInt(), -1);
    removeFromGame();
    EXPECT_TRUE(kicked.isEmpty());
}

TEST_F(SpyList, RemoveFromGameIsGreyedUntilTheTableHosts)
{
    pointAtLine(0);
    removeFromGame();
    EXPECT_TRUE(kicked.isEmpty());
    list.setHosting(true);
    removeFromGame();
    EXPECT_EQ(kicked, QList<int>({7}));
}
