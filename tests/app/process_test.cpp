// The real program, build/tilvaro, started as processes of its own, offscreen. Each copy runs
// from an empty folder of its own with its own session folder (where the single-instance check
// looks) and data home, and plays on ports the test chose, so a game the player has open on 7772
// does not get in the way. A copy started with TILVARO_TEST_PRINT_SEATS prints its six seat
// captions whenever they change; that is how the tests see its table.
#include "rawtable.h"

#include <QFile>
#include <QProcess>
#include <QTcpServer>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// A port nobody listens on now.
quint16 freePort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

// The ports of one test's game and lobby.
struct Ports {
    quint16 game = freePort();
    quint16 lobby = freePort();
};

class Copy {
public:
    // `session` is the runtime folder of the user's session; a copy of its own when empty.
    Copy(const Ports& ports, const QStringList& arguments, const QString& session = {})
        : session_(session.isEmpty() ? folder_.filePath("tmp") : session)
    {
        const QString program = folder_.filePath("tilvaro");
        QDir().mkpath(session_);
        QFile::copy(QStringLiteral(TILVARO_PROGRAM), program);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        environment.insert("TMPDIR", session_);
        environment.insert("XDG_RUNTIME_DIR", session_);
        environment.insert("TILVARO_TEST_GAME_PORT", QString::number(ports.game));
        environment.insert("TILVARO_TEST_LOBBY_PORT", QString::number(ports.lobby));
        environment.insert("XDG_DATA_HOME", folder_.filePath("data"));
        environment.insert("TILVARO_TEST_PRINT_SEATS", "1");
        process.setProcessEnvironment(environment);
        process.setWorkingDirectory(folder_.path());
        process.setProcessChannelMode(QProcess::SeparateChannels);
        QObject::connect(&process, &QProcess::readyReadStandardOutput, &process,
                         [this] { printed += process.readAllStandardOutput(); });
        process.start(program, arguments);
    }
    ~Copy()
    {
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished(10000);
        }
    }
    // Waits until the copy has shown these six seat captions.
    bool showsSeats(const QStringList& captions)
    {
        const QByteArray line = "seats\t" + captions.join('\t').toUtf8() + '\n';
        return QTest::qWaitFor([&] { return printed.contains(line); }, 20000);
    }
    QString session() const { return session_; }

    QProcess process;
    QByteArray printed;

private:
    QTemporaryDir folder_;
    QString session_;
};

QStringList seats(QStringList taken)
{
    while (taken.size() < 6)
        taken.append(QStringLiteral("<Waiting>"));
    return taken;
}

} // namespace

TEST(RealProgram, WithoutArgumentsItHostsForYouAndASecondStartEndsAtOnce)
{
    const Ports ports;
    Copy solo(ports, {});
    ASSERT_TRUE(solo.showsSeats(seats({"You"})));

    RawTable tester(ports.game, "Tester");
    ASSERT_EQ(tester.login(), 2);
    EXPECT_TRUE(tester.waitFor("CMD_existingplayers+1+You+0\xFF"));
    EXPECT_TRUE(solo.showsSeats(seats({"You", "Tester"})));
    tester.send("CMD_chat+2+hello from the test");
    EXPECT_TRUE(tester.waitFor("CMD_chat+2+Tester chats: hello from the test\xFF"));

    // A second start in the same session finds the first copy and ends without doing anything.
    Copy second(ports, {}, solo.session());
    ASSERT_TRUE(second.process.waitForFinished(20000));
    EXPECT_EQ(second.process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.process.exitCode(), 0);
    EXPECT_TRUE(second.printed.isEmpty());
    EXPECT_EQ(solo.process.state(), QProcess::Running);
    EXPECT_EQ(tester.socket.state(), QAbstractSocket::ConnectedState);
}

TEST(RealProgram, AHostingAndAJoiningCopyMeetAndBothLinkToTheLobby)
{
    const Ports ports;
    QTcpServer lobby;
    ASSERT_TRUE(lobby.listen(QHostAddress::LocalHost, ports.lobby));
    int links = 0;
    QObject::connect(&lobby, &QTcpServer::newConnection, [&] {
        while (lobby.nextPendingConnection())
            ++links;
    });

    // The names look like Qt's own options; they belong to the players all the same.
    Copy ann(ports, {"-reverse", "-", "true"});
    ASSERT_TRUE(ann.showsSeats(seats({"-reverse"})));
    Copy bob(ports, {"-platform", "127.0.0.1", "false"});
    EXPECT_TRUE(bob.showsSeats(seats({"-reverse", "-platform"})));
    EXPECT_TRUE(ann.showsSeats(seats({"-reverse", "-platform"})));
    EXPECT_TRUE(QTest::qWaitFor([&] { return links == 2; }, 20000));
    EXPECT_EQ(bob.process.state(), QProcess::Running);
}
