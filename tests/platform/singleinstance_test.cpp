#include "platform/singleinstance.h"

#include <QDir>
#include <QFile>
#include <QLocalSocket>
#include <QFileInfo>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>

namespace {

// Copies made after this see TMPDIR as `folder` and no runtime folder; the caller restores both.
[[nodiscard]] auto startWithTmpdir(const QString& folder)
{
    auto restore = qScopeGuard([old = qgetenv("TMPDIR"), runtime = qgetenv("XDG_RUNTIME_DIR"),
                                hadRuntime = qEnvironmentVariableIsSet("XDG_RUNTIME_DIR")] {
        qputenv("TMPDIR", old);
        if (hadRuntime)
            qputenv("XDG_RUNTIME_DIR", runtime);
        else
            qunsetenv("XDG_RUNTIME_DIR");
    });
    qputenv("TMPDIR", folder.toLocal8Bit());
    qunsetenv("XDG_RUNTIME_DIR");
    return restore;
}

// What a crashed copy leaves behind: a socket file nobody listens on.
void leaveDeadSocket(const QString& path)
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, path.toLocal8Bit().constData(), sizeof address.sun_path - 1);
    const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_EQ(bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    close(fd);
}

} // namespace

TEST(SingleInstance, LaterStartBringsTheFirstCopyForwardAndEnds)
{
    QTemporaryDir place;
    auto restore = startWithTmpdir(place.path());
    int broughtForward = 0;
    {
        SingleInstance first;
        first.setBringForward([&] { ++broughtForward; });
        ASSERT_FALSE(first.anotherInstanceRuns());
        SingleInstance second;
        EXPECT_TRUE(second.anotherInstanceRuns());
        EXPECT_TRUE(QTest::qWaitFor([&] { return broughtForward == 1; }, 5000));
    }
    // The first copy has ended: the next start is a first copy again.
    SingleInstance next;
    EXPECT_FALSE(next.anotherInstanceRuns());
    EXPECT_TRUE(next.isListening());
}

TEST(SingleInstance, SocketLeftByACrashedCopyDoesNotBlockTheNextStart)
{
    QTemporaryDir place;
    auto restore = startWithTmpdir(place.path());
    SingleInstance first;
    leaveDeadSocket(first.socketPath());
    ASSERT_TRUE(QFileInfo::exists(first.socketPath()));

    EXPECT_FALSE(first.anotherInstanceRuns());
    EXPECT_TRUE(first.isListening());
    EXPECT_TRUE(SingleInstance().anotherInstanceRuns());
}

TEST(SingleInstance, CopiesStartedWithDifferentTmpdirAreIndependent)
{
    QTemporaryDir hostPlace;
    QTemporaryDir joinPlace;
    int hostForward = 0;
    auto restore = startWithTmpdir(hostPlace.path());
    SingleInstance hosting;
    hosting.setBringForward([&] { ++hostForward; });
    ASSERT_FALSE(hosting.anotherInstanceRuns());

    qputenv("TMPDIR", joinPlace.path().toLocal8Bit());
    EXPECT_FALSE(SingleInstance().anotherInstanceRuns());

    qputenv("TMPDIR", hostPlace.path().toLocal8Bit());
    EXPECT_TRUE(SingleInstance().anotherInstanceRuns());
    EXPECT_TRUE(QTest::qWaitFor([&] { return hostForward == 1; }, 5000));
}

TEST(SingleInstance, BringingForwardRestoresAMinimisedWindowKeepingItMaximised)
{
    QWidget table;
    table.show();
    table.setWindowState(Qt::WindowMaximized | Qt::WindowMinimized);
    bringWindowForward(&table);
    EXPECT_FALSE(table.isMinimized());
    EXPECT_TRUE(table.isMaximized());
}

TEST(SingleInstance, TheSocketLivesInTheSessionsRuntimeFolderWhenThereIsOne)
{
    QTemporaryDir temporary, runtime;
    auto restore = startWithTmpdir(temporary.path());
    const QString name = QStringLiteral("oksirb-%1").arg(getuid());

    qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    SingleInstance first;
    ASSERT_FALSE(first.anotherInstanceRuns());
    EXPECT_EQ(first.socketPath(), QDir(runtime.path()).filePath(name));
    EXPECT_TRUE(QFileInfo::exists(first.socketPath()));
    // A copy of the same session finds it there, whatever its temporary folder.
    QTemporaryDir otherTemporary;
    qputenv("TMPDIR", otherTemporary.path().toLocal8Bit());
    EXPECT_TRUE(SingleInstance().anotherInstanceRuns());

    // Unset, empty or not a folder: the temporary folder.
    qputenv("XDG_RUNTIME_DIR", "");
    EXPECT_EQ(SingleInstance().socketPath(), QDir(otherTemporary.path()).filePath(name));
    qputenv("XDG_RUNTIME_DIR", QDir(runtime.path()).filePath("missing").toLocal8Bit());
    EXPECT_EQ(SingleInstance().socketPath(), QDir(otherTemporary.path()).filePath(name));
}

namespace {

// A client of our own, as another program on the machine could be: connects, sends, keeps the
// connection open until the returned descriptor is closed.
int connectAndSend(const QString& path, const QByteArray& bytes)
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, path.toLocal8Bit().constData(), sizeof address.sun_path - 1);
    const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    if (connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        close(fd);
        return -1;
    }
    if (!bytes.isEmpty())
        EXPECT_EQ(write(fd, bytes.constData(), std::size_t(bytes.size())), bytes.size());
    return fd;
}

// The first copy, in a temporary folder of its own, counting the requests to come forward.
class ARunningCopy : public ::testing::Test {
protected:
    void SetUp() override
    {
        first.setBringForward([this] { ++broughtForward; });
        ASSERT_FALSE(first.anotherInstanceRuns());
    }

    QTemporaryDir place;
    decltype(startWithTmpdir(QString())) restore = startWithTmpdir(place.path());
    SingleInstance first; // after `restore`: it finds its place from TMPDIR when made
    int broughtForward = 0;
};

} // namespace

TEST_F(ARunningCopy, AQtLocalSocketAsOlderCopiesUseBringsItForwardAndOnlyThisUserMayConnect)
{
    EXPECT_EQ(QFileInfo(first.socketPath()).permissions() & (QFile::ReadOther | QFile::WriteOther | QFile::ReadGroup | QFile::WriteGroup),
              QFile::Permissions());

    QLocalSocket older;
    older.connectToServer(first.socketPath());
    ASSERT_TRUE(older.waitForConnected(2000));
    older.write("forward\n");
    older.waitForBytesWritten(2000);
    EXPECT_TRUE(QTest::qWaitFor([&] { return broughtForward == 1; }, 5000));
}

TEST_F(ARunningCopy, OnlyTheExactRequestBringsItForwardAndASilentPeerBlocksNobody)
{

    const int silent = connectAndSend(first.socketPath(), {});
    const int wrong = connectAndSend(first.socketPath(), "forwards\n");
    const int endless = connectAndSend(first.socketPath(), QByteArray(200, 'f'));
    const int unfinished = connectAndSend(first.socketPath(), "forw");
    ASSERT_GE(silent, 0);
    ASSERT_GE(unfinished, 0);
    close(unfinished); // ends before its line does
    QTest::qWait(100);
    EXPECT_EQ(broughtForward, 0);

    // Arriving in two pieces, after the others, it still counts once.
    const int split = connectAndSend(first.socketPath(), "forw");
    QTest::qWait(20);
    ASSERT_EQ(write(split, "ard\n", 4), 4);
    EXPECT_TRUE(QTest::qWaitFor([&] { return broughtForward == 1; }, 5000));
    EXPECT_TRUE(SingleInstance().anotherInstanceRuns());
    EXPECT_TRUE(QTest::qWaitFor([&] { return broughtForward == 2; }, 5000));
    for (int fd : {silent, wrong, endless, split})
        close(fd);
}
