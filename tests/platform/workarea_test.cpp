// Where stored window bounds put the window on the screens there are now.
#include "platform/workarea.h"

#include <gtest/gtest.h>

TEST(PlaceOnScreens, OnAScreenAsStoredPartlyOffMovedIntoTheScreenHoldingMostElseTheDefault)
{
    const QRect fallback(3, 3, 790, 578);
    // A laptop on the left and a larger monitor to its right, whose work area starts lower.
    const QList<QRect> screens{QRect(0, 0, 1366, 768), QRect(1366, 30, 1920, 1050)};

    EXPECT_EQ(placeOnScreens(QRect(100, 50, 790, 578), screens, fallback), QRect(100, 50, 790, 578));
    EXPECT_EQ(placeOnScreens(QRect(2000, 200, 790, 578), screens, fallback), QRect(2000, 200, 790, 578));
    // Mostly on the monitor (1000 of 1366 + 790 - 1 columns): pulled left onto it, size kept.
    EXPECT_EQ(placeOnScreens(QRect(1000, 100, 790, 578), screens, fallback), QRect(1366, 100, 790, 578));
    // Hanging off the bottom right of the monitor: moved up and left just enough.
    EXPECT_EQ(placeOnScreens(QRect(3000, 900, 790, 578), screens, fallback), QRect(2496, 502, 790, 578));
    // Larger than the laptop it is mostly on: its top left corner goes on the screen.
    EXPECT_EQ(placeOnScreens(QRect(-50, -20, 1300, 900), screens, fallback), QRect(0, 0, 1300, 900));

    // Off every screen (a monitor that was unplugged), or an impossible size: the default place.
    EXPECT_EQ(placeOnScreens(QRect(5000, 100, 790, 578), screens, fallback), fallback);
    EXPECT_EQ(placeOnScreens(QRect(-900, 100, 790, 578), screens, fallback), fallback);
    EXPECT_EQ(placeOnScreens(QRect(100, 100, -790, 578), screens, fallback), fallback);
    EXPECT_EQ(placeOnScreens(QRect(100, 100, 790, 0), screens, fallback), fallback);
    EXPECT_EQ(placeOnScreens(QRect(100, 100, 790, 578), {}, fallback), fallback);
}
