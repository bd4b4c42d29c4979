// The table as the program's shell: the command line, hosting, joining, the lobby link, and the
// window's size and place.
#include "tablefixture.h"

#include "host/serverform.h"
#include "platform/workarea.h"

#include <QAction>

namespace {

// Stands in for the lobby program: notes every link in arrival order. The test's own probe,
// connected last, shows that every link opened before it has arrived.
class Lobby {
public:
    Lobby()
    {
        server.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&server, &QTcpServer::newConnection, [this] {
            while (QTcpSocket* link = server.nextPendingConnection())
                ports.append(link->peerPort());
        });
    }
    std::string port() const { return std::to_string(server.serverPort()); }
    qsizetype linksSoFar()
    {
        QTcpSocket probe;
        probe.connectToHost(QHostAddress::LocalHost, server.serverPort());
        if (!probe.waitForConnected(10000))
            return -1;
        const quint16 mark = probe.localPort();
        return QTest::qWaitFor([&] { return ports.contains(mark); }, 10000) ? ports.indexOf(mark) : -1;
    }
    QTcpServer server;
    QList<quint16> ports;
};

} // namespace

class ShellTest : public TableTest {
protected:
    void SetUp() override
    {
        TableTest::SetUp();
        table->shell().Sock11.setPortName(lobby.port());
        table->shell().setGamePort(host.port());
        server.Sock1.setPortName("0");
        table->shell().setServer(&server);
    }
    QString startControls() const
    {
        return visibility({"button_start"}) + (find<QAction>(QStringLiteral("StartGame1"))->isEnabled() ? "+" : "-");
    }
    Lobby lobby;
    TServer server;
};

TEST_F(ShellTest, NoParametersHostASoloGameForYouWithoutTheLobby)
{
    int downloads = 0;
    table->hooks.onShowDownload = [&] { ++downloads; };
    // The command line is acted on when the window shows, once.
    table->hide();
    table->shell().setCommandLine({});
    table->show();
    table->hide();
    table->show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return table->seatCaption(1) == QStringLiteral("You"); }, 10000));
    EXPECT_EQ(table->mirror().state().ownSeat, 1);
    EXPECT_EQ(downloads, 1);
    EXPECT_EQ(startControls(), QStringLiteral("++"));
    EXPECT_EQ(chatLines().first(), QStringLiteral("Loading Solo Game..Please wait."));
    EXPECT_EQ(lobby.linksSoFar(), 0);
}

TEST_F(ShellTest, ThreeParametersJoinUnlessTheThirdIsExactlyTrueAndThenOpenTheLobbyLink)
{
    table->shell().processparams({"Cy", "127.0.0.1", "True", "ignored"});
    ASSERT_TRUE(QTest::qWaitFor([&] { return host.connection != nullptr; }, 10000));
    EXPECT_FALSE(table->mirror().state().hosting);
    EXPECT_EQ(startControls(), QStringLiteral("--"));
    EXPECT_EQ(lobby.linksSoFar(), 1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return table->link().sock.Connected(); }, 10000));
    feed({"CMD_sendlogininfo+2"});
    EXPECT_TRUE(host.waitForMessage("CMD_logininfo+2+1.0.4+Cy"));
    EXPECT_EQ(chatLines(), QStringList{QStringLiteral("Loading Multi-player Game.. Please Wait.")});
}

TEST_F(ShellTest, TwoParametersOnlyShowTheLoadingNotice)
{
    table->shell().processparams({"Cy", "127.0.0.1"});
    EXPECT_EQ(chatLines(), QStringList{QStringLiteral("Loading Multi-player Game.. Please Wait.")});
    EXPECT_EQ(lobby.linksSoFar(), 0);
    EXPECT_EQ(host.connection, nullptr);
    EXPECT_EQ(startControls(), QStringLiteral("--"));
}

TEST_F(ShellTest, HostingOnATakenPortShowsTheErrorAndStartsNothing)
{
    QTcpServer squatter;
    ASSERT_TRUE(squatter.listen(QHostAddress::Any, 0));
    server.Sock1.setPortName(std::to_string(squatter.serverPort()));
    table->shell().processparams({"Ann", "-", "true"});
    EXPECT_EQ(boxes.shown, QStringList{QStringLiteral("Listen - Error Binding Socket")});
    EXPECT_FALSE(table->mirror().state().hosting);
    EXPECT_EQ(startControls(), QStringLiteral("--"));
    EXPECT_EQ(lobby.linksSoFar(), 0);
    EXPECT_FALSE(squatter.hasPendingConnections());
    EXPECT_TRUE(table->isVisible());
}

TEST_F(TableTest, WindowKeepsItsMinimumAndClosingStoresBoundsThatFitTheDesktop)
{
    int saved = 0;
    table->hooks.onSaveSettings = [&](SettingsOption) { ++saved; };
    table->resize(100, 100);
    EXPECT_GE(table->centralWidget()->width(), 784);
    EXPECT_GE(table->centralWidget()->height(), 535);
    find<QAction>(QStringLiteral("ResetScreenLocation1"))->trigger();
    EXPECT_EQ(table->frameGeometry(), QRect(3, 3, 790, 578));

    // Bounds never read from the settings, or not changed since, are not written.
    table->close();
    table->shell().setLastWindowBounds(table->frameGeometry());
    table->show();
    table->close();
    EXPECT_EQ(saved, 0);

    // Larger than the desktop: stored 15 pixels smaller each way, once.
    const QRect work = desktopWorkArea(table.get());
    table->show();
    table->resize(work.size() + QSize(100, 100));
    const QRect outer = table->frameGeometry();
    table->close();
    EXPECT_EQ(saved, 1);
    EXPECT_EQ(table->shell().lastWindowBounds(), outer.adjusted(0, 0, -15, -15));
}

TEST_F(TableTest, StartGameSendsTheNameTheHostStoredSoTheTableKnowsItStartedTheGame)
{
    table->shell().startGame({"Ann", "7", "3", ""}); // not connected yet: nothing, and no error
    login(1);
    // The host cut the long name and replaced its "+"; the dialog still has the name as typed.
    const std::string stored = "Annabel_Lee of the Kingdom by th";
    feed({"CMD_newplayerinfo+1+" + stored + "+0"});
    table->shell().startGame({"Annabel+Lee of the Kingdom by the Sea", "7", "3", ""});
    ASSERT_TRUE(host.waitForMessage("CMD_startgame+" + stored + "+7+3+"));
    EXPECT_EQ(host.received, QByteArray::fromStdString("CMD_startgame+" + stored + "+7+3+\xFF"));
    feed({"CMD_startgame+" + stored + "+7+"});
    EXPECT_EQ(lastLine(), QStringLiteral("You have started a game."));
}

TEST_F(ShellTest, TheWindowOpensAtThreeThreeAndTheHostDrawsFromTheTablesGenerator)
{
    Tchat fresh(sounds, boxes);
    EXPECT_EQ(fresh.frameGeometry().topLeft(), QPoint(3, 3));
    fresh.show();
    EXPECT_EQ(fresh.frameGeometry().topLeft(), QPoint(3, 3));

    // One generator in a run: what the host draws moves the table's generator on.
    EXPECT_EQ(&server.engine().random(), &table->shell().random());
    table->shell().random().seed(12345);
    server.engine().random().random(55);
    EXPECT_EQ(table->shell().random().state(), 12345u * 134775813u + 1u);
}
