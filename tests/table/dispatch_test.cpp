// The table's end of the connection: cutting reads into messages, one message per tick, the idle
// dispatcher, the login, and the messages that end the table.
#include "tablefixture.h"

#include <QCoreApplication>
#include <QTimer>

TEST_F(TableTest, MessagesOfOneReadAreHandledOnConsecutiveTicksInOrder)
{
    table->link().queueReceived("CMD_havewrongversion+Bob\xFF" "CMD_wrongversion+\xFF" "CMD_havewrong");
    EXPECT_EQ(table->link().queuedMessages(), 2u);
    table->link().Timer1Timer();
    EXPECT_EQ(chatLines(), QStringList{QStringLiteral("Bob has a different version of the game then you.")});
    table->link().Timer1Timer();
    EXPECT_EQ(lastLine(), QStringLiteral("You have a differnt version of the game then the host."));

    // The rest of the read waits for the rest of its message.
    table->link().queueReceived("version+Cy\xFF");
    table->link().Timer1Timer();
    EXPECT_EQ(lastLine(), QStringLiteral("Cy has a different version of the game then you."));
}

TEST_F(TableTest, DispatcherSleepsWhileIdleAndWakesForANewLine)
{
    EXPECT_FALSE(table->link().dispatcherRunning());
    table->link().Timer1Timer(); // an idle tick does nothing
    EXPECT_FALSE(table->link().dispatcherRunning());
    table->link().queueReceived("CMD_wrongversion+\xFF\xFF" "CMD_wrongversion+\xFF");
    EXPECT_TRUE(table->link().dispatcherRunning());
    ASSERT_TRUE(QTest::qWaitFor([&] { return table->link().queuedMessages() == 0; }, 5000));
    QCoreApplication::processEvents();
    EXPECT_FALSE(table->link().dispatcherRunning());
    EXPECT_EQ(chatLines().size(), 2);

    // The phrase pause runs on its own, without waking the dispatcher.
    table->chatPanel().startPhrasePause();
    EXPECT_FALSE(table->chatPanel().phraseReady());
    EXPECT_FALSE(table->link().dispatcherRunning());
    find<QTimer>(QStringLiteral("phrasepause"))->start(1); // the same pause, shortened
    EXPECT_TRUE(QTest::qWaitFor([&] { return table->chatPanel().phraseReady(); }, 5000));
}

TEST_F(TableTest, OnlyAFullGameWithItsSeparatorClosesTheTable)
{
    feed({"", "CMD_full", "CMD_tiegame+", "cmd_winner+Bob+", "CMD_winnerx+Bob+", "+CMD_full+", "no verb at all"});
    EXPECT_TRUE(boxes.shown.isEmpty() && chat().isEmpty() && sounds.played.isEmpty());
    EXPECT_EQ(text("label_status"), QStringLiteral("Welcome to Tilvaro"));
    EXPECT_TRUE(table->isVisible());

    // The host turns a tenth table away as a real host does: the message and the close in one go.
    table->link().connectToHost(QStringLiteral("127.0.0.1"), host.port());
    ASSERT_TRUE(QTest::qWaitFor([&] { return host.connection != nullptr && table->link().sock.Connected(); }, 10000));
    host.connection->write("CMD_full+\xFF");
    host.connection->flush();
    host.connection->disconnectFromHost();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !table->isVisible(); }, 10000));
    EXPECT_EQ(boxes.shown, QStringList{QStringLiteral("Game is full")});
}

TEST_F(TableTest, WhatTheHostSaidLastIsShownBeforeTheTableCloses)
{
    login(2);
    feed({"CMD_existingplayers+1+Hal+0", "CMD_newplayerinfo+2+Ann+0"});
    int saved = 0;
    table->hooks.onAddGame = [&](const QString& name, bool won) { saved += name == QStringLiteral("Hal") && !won; };
    host.connection->write("CMD_chat+1+Hal chats: bye all|clRed\xFF" "CMD_winner+Hal+\xFF" "CMD_chat+1+Hal chats: gone\xFF");
    host.connection->flush();
    host.connection->disconnectFromHost();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !table->isVisible(); }, 10000));
    const QStringList lines = chatLines();
    ASSERT_GE(lines.size(), 3);
    EXPECT_EQ(lines.mid(lines.size() - 3),
              (QStringList{"Hal chats: bye all", "Hal has Won the Game!", "Hal chats: gone"}));
    EXPECT_EQ(saved, 1);
    EXPECT_EQ(text("label_winner1"), QStringLiteral("Hal has Won the Game!"));
    EXPECT_EQ(table->link().queuedMessages(), 0u);
}

TEST_F(TableTest, AHostThatCannotBeReachedIsReportedAndTheWindowStaysOpen)
{
    // Nobody listens on a port just given up.
    quint16 deadPort = 0;
    {
        QTcpServer probe;
        ASSERT_TRUE(probe.listen(QHostAddress::LocalHost, 0));
        deadPort = probe.serverPort();
    }
    table->link().connectToHost(QStringLiteral("127.0.0.1"), deadPort);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !chat().isEmpty(); }, 10000));
    EXPECT_EQ(lastLine(), QStringLiteral("Could not connect to 127.0.0.1: connection refused"));
    EXPECT_TRUE(table->isVisible());
    EXPECT_TRUE(boxes.shown.isEmpty());

    // No answer in time: the time-out's handler, called while the attempt is still on its way,
    // gives it up; nothing of it is left behind.
    QTcpServer silent;
    ASSERT_TRUE(silent.listen(QHostAddress::LocalHost, 0));
    table->link().connectToHost(QStringLiteral("localhost"), silent.serverPort());
    EXPECT_TRUE(find<QTimer>(QStringLiteral("connecttimer"))->isActive());
    table->link().connectTimerTimer();
    EXPECT_EQ(lastLine(), QStringLiteral("Could not connect to localhost: no answer within 15 seconds"));
    EXPECT_FALSE(find<QTimer>(QStringLiteral("connecttimer"))->isActive());
    QCoreApplication::processEvents(); // a late connection event must find nothing to report
    EXPECT_FALSE(table->link().sock.Connected());
    EXPECT_TRUE(table->isVisible());
    EXPECT_TRUE(boxes.shown.isEmpty());

    // After a failure the table can still connect and log in.
    login(4);
    EXPECT_EQ(table->mirror().state().ownSeat, 4);
}

TEST_F(TableTest, LoginSendsVersionAndNameWithAnEmptyMessageAfterIt)
{
    table->link().connectToHost(QStringLiteral("127.0.0.1"), host.port());
    ASSERT_TRUE(QTest::qWaitFor([&] { return host.connection != nullptr && table->link().sock.Connected(); }, 10000));
    feed({"CMD_sendlogininfo+x", "CMD_sendlogininfo+10", "CMD_sendlogininfo+0"});
    EXPECT_FALSE(table->mirror().state().loggedIn);

    // A name may hold "+", but never the byte that ends a message: "ÿ", which is that byte in
    // Latin-1, goes as UTF-8.
    table->shell().setPlayerName(QStringLiteral("Ann+B\u00FF"));
    feed({"CMD_sendlogininfo+5"});
    EXPECT_TRUE(table->mirror().state().loggedIn);
    EXPECT_EQ(table->mirror().state().ownSeat, 5);
    ASSERT_TRUE(host.waitForMessage(""));
    EXPECT_EQ(host.received, QByteArray("CMD_logininfo+5+1.0.4+Ann+B\xC3\xBF\xFF\xFF"));

    // The host going away ends the table.
    host.connection->close();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !table->isVisible(); }, 10000));
}
