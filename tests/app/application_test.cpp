#include "app/application.h"
#include "net/tsock.h"

#include <QScopeGuard>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

TEST(Application, AnErrorEscapingAnEventIsShownInItsBoxAndTheProgramGoesOn)
{
    auto* app = static_cast<TilvaroApplication*>(QCoreApplication::instance());
    RecordingMessageBoxes boxes;
    app->setErrorBoxes(&boxes);
    const auto restore = qScopeGuard([app] { app->setErrorBoxes(nullptr); });

    QObject context;
    int handled = 0;
    // Socket events and timer ticks reach the windows the same way.
    QTimer::singleShot(0, &context, [] { throw ESockException("Send - Socket Not Connected"); });
    QTimer::singleShot(0, &context, [&] { ++handled; });
    QTimer::singleShot(0, &context, [] { throw 42; });
    ASSERT_TRUE(QTest::qWaitFor([&] { return boxes.shown.size() == 2; }, 10000));
    EXPECT_EQ(handled, 1);
    EXPECT_EQ(boxes.shown, QStringList({"Send - Socket Not Connected", "An unknown error occurred."}));
    EXPECT_EQ(QCoreApplication::applicationName(), QStringLiteral("Tilvaro"));
}
