// Work put off until a window is on screen: it waits for the first exposure and runs once, and
// not at all for a window that goes before it was drawn.
#include "table/firstdrawn.h"

#include <QCoreApplication>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

TEST(FirstDrawn, WaitsForTheWindowToBeExposedAndRunsOnce)
{
    QWidget window;
    int calls = 0;
    whenFirstDrawn(window, [&] { ++calls; });
    QCoreApplication::processEvents();
    EXPECT_EQ(calls, 0);

    window.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return calls == 1; }, 5000));
    window.hide();
    window.show();
    QTest::qWait(50);
    EXPECT_EQ(calls, 1);

    // On screen already: from the event loop, without waiting for another exposure.
    int later = 0;
    whenFirstDrawn(window, [&] { ++later; });
    EXPECT_EQ(later, 0);
    QCoreApplication::processEvents();
    EXPECT_EQ(later, 1);
}

TEST(FirstDrawn, AWindowClosedBeforeItWasDrawnCallsNothing)
{
    int calls = 0;
    {
        QWidget window;
        whenFirstDrawn(window, [&] { ++calls; });
        window.show();
    }
    QTest::qWait(50);
    EXPECT_EQ(calls, 0);
}
