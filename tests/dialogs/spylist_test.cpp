#include "dialogs/spylistform.h"

#include <QAction>
#include <QListView>
#include <QMenu>
#include <QPushButton>
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
    QAction* removeFromGame() { return list.findChild<QAction*>("popup_kickhim"); }
    QPoint lineCentre(int line) { return view()->visualRect(spys.index(line)).center(); }
    void pointAt(const QPoint& where) { QTest::mouseMove(view()->viewport(), where); }

    QStringListModel spys{{"7: Guest", "8: Ann", "x: Bob", "9"}};
    Tspylist list{&spys, QPixmap()};
    QList<int> kicked;
};

} // namespace

TEST_F(SpyList, RemovesTheSpectatorUnderThePointerNotTheSelectedOne)
{
    list.setHosting(true);
    view()->setCurrentIndex(spys.index(1));

    pointAt(lineCentre(0));
    EXPECT_EQ(list.lineUnderPointer(), 0);
    EXPECT_EQ(view()->property("tag").toInt(), 0);
    removeFromGame()->trigger();
    EXPECT_EQ(kicked, QList<int>({7}));

    // Opened over a line without a move first, the menu acts on that line.
    emit view()->customContextMenuRequested(lineCentre(1));
    auto* menu = list.findChild<QMenu*>("popup_kick");
    EXPECT_TRUE(menu->isVisible());
    removeFromGame()->trigger();
    menu->close();
    EXPECT_EQ(kicked, QList<int>({7, 8}));
}

TEST_F(SpyList, NothingIsRemovedOverEmptySpaceOrALineWithoutASeatNumber)
{
    list.setHosting(true);
    pointAt(lineCentre(2)); // "x: Bob"
    removeFromGame()->trigger();
    pointAt(lineCentre(3)); // "9": no ":" at all
    removeFromGame()->trigger();

    pointAt(QPoint(lineCentre(0).x(), view()->viewport()->height() - 2));
    EXPECT_EQ(list.lineUnderPointer(), -1);
    removeFromGame()->trigger();

    // A line that went away while the menu was open is not read.
    pointAt(lineCentre(3));
    spys.removeRows(2, 2);
    removeFromGame()->trigger();
    EXPECT_TRUE(kicked.isEmpty());
}

TEST_F(SpyList, OnlyTheHostingTableCanRemove)
{
    EXPECT_EQ(removeFromGame()->text(), "Remove From Game");
    EXPECT_FALSE(removeFromGame()->isEnabled());
    pointAt(lineCentre(0));
    removeFromGame()->trigger();
    EXPECT_TRUE(kicked.isEmpty());

    list.setHosting(true);
    EXPECT_TRUE(removeFromGame()->isEnabled());
}

TEST_F(SpyList, StaysOnTopAndDoneOrEscapeHidesIt)
{
    EXPECT_EQ(list.windowTitle(), "Tilvaro - Spys");
    EXPECT_TRUE(list.windowFlags() & Qt::WindowStaysOnTopHint);
    QPushButton* done = nullptr;
    for (QPushButton* button : list.findChildren<QPushButton*>())
        if (button->text() == "Done")
            done = button;
    ASSERT_TRUE(done);
    QTest::mouseClick(done, Qt::LeftButton);
    EXPECT_FALSE(list.isVisible());

    list.show();
    QTest::keyClick(&list, Qt::Key_Escape);
    EXPECT_FALSE(list.isVisible());
}
