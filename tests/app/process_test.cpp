// The real program, build/tilvaro, started as processes of its own, offscreen. Each copy runs
// from an empty folder of its own with its own session folder (where the single-instance check
// looks) and data home, and plays on ports the test chose, so a game the player has open on 7772
// does not get in the way. A copy started with TILVARO_TEST_PRINT_SEATS prints its six seat
// captions whenever they change; that is how the tests see its table.
#include "compress/container.h"
#include "rawtable.h"

#include <QFile>
#include <QProcess>
#include <QTcpServer>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <span>
#include <utility>
#include <vector>

namespace {

std::span<const std::uint8_t> asBytes(const QByteArray& bytes)
{
    return {reinterpret_cast<const std::uint8_t*>(bytes.data()), static_cast<std::size_t>(bytes.size())};
}

QByteArray fromBytes(const std::vector<std::uint8_t>& bytes)
{
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
}

// Lines ended by CR LF, as the tally text keeps them.
QByteArray crlfLines(const QList<QByteArray>& lines)
{
    QByteArray text;
    for (const QByteArray& line : lines)
        text += line + "\r\n";
    return text;
}

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
    // `settings`, when given, is the settings file the copy finds beside it.
    // `tally`, when given, is the tally file it finds there.
    Copy(const Ports& ports, const QStringList& arguments, const QString& session = {}, const QByteArray& settings = {},
         const QByteArray& tally = {})
        : session_(session.isEmpty() ? folder_.filePath("tmp") : session)
    {
        const QString program = folder_.filePath("tilvaro");
        QDir().mkpath(session_);
        QFile::copy(QStringLiteral(TILVARO_PROGRAM), program);
        for (const auto& [path, content] : {std::pair{settingsPath(), settings}, std::pair{tallyPath(), tally}}) {
            QFile file(path);
            if (!content.isEmpty() && file.open(QIODevice::WriteOnly))
                file.write(content);
        }
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
    QString settingsPath() const { return folder_.filePath("briskolobby.ini"); }
    QString tallyPath() const { return folder_.filePath("Chickenfoottally.tld"); }
    // The tally file's text, unpacked.
    QByteArray tally() const
    {
        QFile file(tallyPath());
        if (!file.open(QIODevice::ReadOnly))
            return "<no file>";
        try {
            const QByteArray bytes = file.readAll();
            return fromBytes(lzrw1::decompressBuffer(asBytes(bytes)));
        } catch (const lzrw1::ELzrw1Exception& error) {
            return error.what();
        }
    }
    QByteArray settings() const
    {
        QFile file(settingsPath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<no file>");
    }

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

TEST(RealProgram, TablesJoiningOverIpv6AndIpv4MeetAtOneHost)
{
    QTcpServer probe;
    if (!probe.listen(QHostAddress::LocalHostIPv6, 0))
        GTEST_SKIP() << "this machine has no IPv6 loopback (::1)";
    probe.close();
    const Ports ports;
    Copy ann(ports, {"Ann", "-", "true"});
    ASSERT_TRUE(ann.showsSeats(seats({"Ann"})));
    Copy bob(ports, {"Bob", "::1", "false"});
    ASSERT_TRUE(bob.showsSeats(seats({"Ann", "Bob"})));
    Copy cy(ports, {"Cy", "127.0.0.1", "false"});
    EXPECT_TRUE(cy.showsSeats(seats({"Ann", "Bob", "Cy"})));
    EXPECT_TRUE(bob.showsSeats(seats({"Ann", "Bob", "Cy"})));
    EXPECT_TRUE(ann.showsSeats(seats({"Ann", "Bob", "Cy"})));
}

TEST(RealProgram, TheWindowsPlaceIsLoadedWhenTheHostConfirmsTheTableAndStoredWhenTheHostGoesAway)
{
    const Ports ports;
    QTcpServer host;
    ASSERT_TRUE(host.listen(QHostAddress::LocalHost, ports.game));
    QTcpSocket* table = nullptr;
    QByteArray heard;
    QObject::connect(&host, &QTcpServer::newConnection, [&] {
        table = host.nextPendingConnection();
        QObject::connect(table, &QTcpSocket::readyRead, [&] { heard += table->readAll(); });
        table->write("CMD_sendlogininfo+2\xFF");
    });
    // Plays the host for one joining copy: confirms it on seat 2, then closes, which ends it.
    const auto run = [&](Copy& copy) {
        heard.clear();
        if (!QTest::qWaitFor([&] { return heard.contains("CMD_logininfo+2+1.0.4+Ann\xFF"); }, 20000))
            return false;
        table->write("CMD_newplayerinfo+2+Ann+0\xFF");
        if (!copy.showsSeats(seats({"<Waiting>", "Ann"})))
            return false;
        table->close();
        return copy.process.waitForFinished(20000) && copy.process.exitCode() == 0;
    };

    // The lobby's sections around ours, with Windows line ends; our window is on no screen.
    const QByteArray lobbyBefore = "[Lobby]\r\nNick=Ann\r\n\r\n";
    const QByteArray lobbyAfter = "[Servers]\r\nMain=example.org\r\n";
    QByteArray stored;
    {
        Copy first(ports, {"Ann", "127.0.0.1", "false"}, {},
                   lobbyBefore + "[Chickenfoot]\r\nLeft=-5000\r\nTop=-5000\r\nBotspeed=2000\r\n" + lobbyAfter);
        ASSERT_TRUE(run(first));
        stored = first.settings();
    }
    // Shown at the default place, which is what the close then stored.
    EXPECT_EQ(stored.toStdString(), (lobbyBefore +
                          "[Chickenfoot]\r\nLeft=3\r\nTop=3\r\nBotspeed=2000\r\nTextsize=8\r\nWidth=790\r\n"
                          "Height=578\r\nTextcolor=clBlack\r\nPlaytoscore=10\r\nNewcomers=1\r\nTurnsound=0\r\n"
                          "ChatterSounds=true\r\nPlaysounds=true\r\n" +
                          lobbyAfter).toStdString());

    // The next run comes back to that place: the window has not moved, so nothing is written.
    Copy second(ports, {"Ann", "127.0.0.1", "false"}, {}, stored);
    ASSERT_TRUE(run(second));
    EXPECT_EQ(second.settings().toStdString(), stored.toStdString());
}

TEST(RealProgram, AGameIsInTheTallyFileEvenWhenTheProgramIsKilledRightAfter)
{
    const Ports ports;
    QTcpServer host;
    ASSERT_TRUE(host.listen(QHostAddress::LocalHost, ports.game));
    QTcpSocket* table = nullptr;
    QByteArray heard;
    QObject::connect(&host, &QTcpServer::newConnection, [&] {
        table = host.nextPendingConnection();
        QObject::connect(table, &QTcpSocket::readyRead, [&] { heard += table->readAll(); });
        table->write("CMD_sendlogininfo+2\xFF");
    });

    // 12 games, 5 won; Hal (at the table) and Bob (not) are tallied; the last run's session
    // counts are still in the file.
    const QByteArray before = crlfLines({"9", "3", "0", "Hal", "Bob", "12", "7", "3", "5", "2", "1", "0", "3", "1", "0",
                                         "2", "1", "0", "4", "0", "0", "1", "0", "0", "1", "0", "0", "2", "0"});
    Copy ann(ports, {"Ann", "127.0.0.1", "false"}, {}, {}, fromBytes(lzrw1::compressBuffer(asBytes(before))));
    ASSERT_TRUE(QTest::qWaitFor([&] { return heard.contains("CMD_logininfo+2+1.0.4+Ann\xFF"); }, 20000));
    table->write("CMD_existingplayers+1+Hal+0\xFF" "CMD_newplayerinfo+2+Ann+0\xFF" "CMD_startgame+Hal+3+\xFF"
                 "CMD_startround+1+55+9+1+t+2+t+3+f+4+f+5+f+6+f\xFF" "CMD_endround+1+1+-20+-20+2+31+31\xFF"
                 "CMD_winner+Hal+\xFF");

    // Hal won: one more game for the player and with Hal, one more win for Hal.
    const QByteArray after = crlfLines({"9", "3", "0", "Hal", "Bob", "13", "8", "3", "5", "3", "1", "0", "3", "1", "0",
                                        "2", "1", "0", "1", "0", "0", "1", "0", "0", "0", "0", "0", "0", "0"});
    EXPECT_TRUE(QTest::qWaitFor([&] { return ann.tally() == after; }, 20000)) << ann.tally().toStdString();
    ann.process.kill();
    ASSERT_TRUE(ann.process.waitForFinished(20000));
    EXPECT_EQ(ann.process.exitStatus(), QProcess::CrashExit);
    EXPECT_EQ(ann.tally().toStdString(), after.toStdString());
}
