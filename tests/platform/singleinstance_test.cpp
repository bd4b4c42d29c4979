#include "platform/singleinstance.h"

#include <QFileInfo>
#include <QLocalSocket>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <functional>
#include <memory>

namespace {

// Runs a block as if the program had been started with TMPDIR pointing at `folder`.
class StartedWithTmpdir {
public:
    explicit StartedWithTmpdir(const QString& folder)
        : hadOld_(qEnvironmentVariableIsSet("TMPDIR")), old_(qgetenv("TMPDIR"))
    {
        qputenv("TMPDIR", folder.toLocal8Bit());
    }
    ~StartedWithTmpdir()
    {
        if (hadOld_)
            qputenv("TMPDIR", old_);
        else
            qunsetenv("TMPDIR");
    }

private:
    bool hadOld_;
    QByteArray old_;
};

// What a copy that crashed leaves behind: a socket file nobody listens on.
void leaveDeadSocket(const QString& path)
{
    const QByteArray name = path.toLocal8Bit();
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    ASSERT_LT(static_cast<size_t>(name.size()), sizeof address.sun_path);
    std::memcpy(address.sun_path, name.constData(), static_cast<size_t>(name.size()));
    const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    close(fd);
}

bool waitFor(const std::function<bool()>& condition) { return QTest::qWaitFor(condition, 5000); }

} // namespace

TEST(SingleInstance, LaterStartsBringTheFirstCopyForwardAndEnd)
{
    QTemporaryDir place;
    StartedWithTmpdir started(place.path());
    int broughtForward = 0;
    {
        SingleInstance first;
        first.setBringForward([&] { ++broughtForward; });
        ASSERT_FALSE(first.anotherInstanceRuns());
        EXPECT_TRUE(first.isListening());

        SingleInstance second;
        EXPECT_TRUE(second.anotherInstanceRuns());
        EXPECT_FALSE(second.isListening());
        EXPECT_TRUE(waitFor([&] { return broughtForward == 1; }));

        SingleInstance third;
        EXPECT_TRUE(third.anotherInstanceRuns());
        EXPECT_TRUE(waitFor([&] { return broughtForward == 2; }));

        // Another program talking to the socket does not move the table window.
        QLocalSocket stranger;
        stranger.connectToServer(first.socketPath());
        ASSERT_TRUE(stranger.waitForConnected(5000));
        stranger.write("hello\n");
        stranger.waitForBytesWritten(5000);
        EXPECT_TRUE(waitFor([&] { return stranger.state() == QLocalSocket::UnconnectedState; }));
        EXPECT_EQ(broughtForward, 2);
    }
    // The first copy has ended, so the next start is a first copy again.
    SingleInstance next;
    EXPECT_FALSE(next.anotherInstanceRuns());
    EXPECT_TRUE(next.isListening());
}

TEST(SingleInstance, SocketLeftByACrashedCopyDoesNotBlockTheNextStart)
{
    QTemporaryDir place;
    StartedWithTmpdir started(place.path());
    SingleInstance first;
    leaveDeadSocket(first.socketPath());
    ASSERT_TRUE(QFileInfo::exists(first.socketPath()));

    EXPECT_FALSE(first.anotherInstanceRuns());
    EXPECT_TRUE(first.isListening());
    SingleInstance second;
    EXPECT_TRUE(second.anotherInstanceRuns());
}

TEST(SingleInstance, CopiesStartedWithDifferentTmpdirAreIndependent)
{
    QTemporaryDir hostPlace;
    QTemporaryDir joinPlace;
    int hostForward = 0;
    int joinForward = 0;

    auto hosting = [&] {
        StartedWithTmpdir started(hostPlace.path());
        return std::make_unique<SingleInstance>();
    }();
    auto joining = [&] {
        StartedWithTmpdir started(joinPlace.path());
        return std::make_unique<SingleInstance>();
    }();
    hosting->setBringForward([&] { ++hostForward; });
    joining->setBringForward([&] { ++joinForward; });
    EXPECT_FALSE(hosting->anotherInstanceRuns());
    EXPECT_FALSE(joining->anotherInstanceRuns());
    EXPECT_NE(hosting->socketPath(), joining->socketPath());

    // A further start beside the hosting copy finds that one only.
    StartedWithTmpdir started(hostPlace.path());
    SingleInstance again;
    EXPECT_TRUE(again.anotherInstanceRuns());
    EXPECT_TRUE(waitFor([&] { return hostForward == 1; }));
    EXPECT_EQ(joinForward, 0);
}

TEST(SingleInstance, BringingForwardRestoresAMinimisedWindowKeepingItsSize)
{
    QWidget table;
    table.show();
    table.setWindowState(Qt::WindowMaximized | Qt::WindowMinimized);
    ASSERT_TRUE(table.isMinimized());

    bringWindowForward(&table);
    EXPECT_FALSE(table.isMinimized());
    EXPECT_TRUE(table.isMaximized());
    EXPECT_TRUE(table.isVisible());
}
