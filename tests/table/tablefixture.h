#pragma once
// A table window with recorders for its sounds and message boxes, and a loopback listener that
// plays the host's end of the socket: it accepts the table's connection and keeps what it sends.
// Messages are fed to the dispatcher as the socket would queue them, and handled by calling the
// dispatcher's timer handler.

#include "platform/messagebox.h"
#include "platform/sound.h"
#include "table/chatform.h"
#include "table/chatpanel.h"
#include "table/handview.h"
#include "table/link.h"
#include "table/menus.h"
#include "table/shell.h"
#include "table/sounds.h"

#include <QLabel>
#include <QScrollArea>
#include <QStringListModel>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>
#include <string>

class HostPeer {
public:
    HostPeer()
    {
        server.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&server, &QTcpServer::newConnection, [this] {
            connection = server.nextPendingConnection();
            QObject::connect(connection, &QTcpSocket::readyRead, [this] { received += connection->readAll(); });
        });
    }
    int port() const { return server.serverPort(); }
    // Waits (generously) until the table has sent a message ending with this text.
    bool waitForMessage(const std::string& text)
    {
        const QByteArray wanted = QByteArray::fromStdString(text + '\xFF');
        return QTest::qWaitFor([&] { return received.contains(wanted); }, 10000);
    }
    QTcpServer server;
    QTcpSocket* connection = nullptr;
    QByteArray received;
};

class TableTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        table = std::make_unique<Tchat>(sounds, boxes);
        table->shell().setPlayerName(QStringLiteral("Ann"));
        table->show();
    }

    // Queues each message as one read of the socket would, then lets the dispatcher handle them.
    void feed(std::initializer_list<std::string> messages)
    {
        for (const std::string& message : messages)
            table->link().queueReceived(message + '\xFF');
        while (table->link().queuedMessages() > 0)
            table->link().Timer1Timer();
    }

    // Connects the table to the listener and logs it in on the given connection number.
    void login(int seat)
    {
        table->link().connectToHost(QStringLiteral("127.0.0.1"), host.port());
        ASSERT_TRUE(QTest::qWaitFor([&] { return host.connection != nullptr && table->link().sock.Connected(); }, 10000));
        feed({"CMD_sendlogininfo+" + std::to_string(seat)});
        ASSERT_TRUE(host.waitForMessage("CMD_logininfo+" + std::to_string(seat) + "+1.0.4+Ann"));
        host.received.clear();
    }

    template <typename T = QWidget>
    T* find(const QString& name) const
    {
        T* widget = table->findChild<T*>(name);
        EXPECT_NE(widget, nullptr) << name.toStdString();
        return widget;
    }
    QString text(const QString& label) const { return find<QLabel>(label)->text(); }
    bool shown(const QString& name) const { return find(name)->isVisible(); }
    // Several captions, or which of several widgets are visible ("+" shown, "-" not), at once.
    QStringList texts(std::initializer_list<const char*> labels) const
    {
        QStringList captions;
        for (const char* label : labels)
            captions.append(text(QString::fromLatin1(label)));
        return captions;
    }
    QString visibility(std::initializer_list<const char*> widgets) const
    {
        QString marks;
        for (const char* widget : widgets)
            marks += shown(QString::fromLatin1(widget)) ? QLatin1Char('+') : QLatin1Char('-');
        return marks;
    }
    QString chat() const { return table->chatPanel().view()->toPlainText(); }
    // The chat's paragraphs without the blanks the view puts around names and texts.
    QStringList chatLines() const
    {
        QStringList lines;
        if (!chat().isEmpty())
            for (const QString& line : chat().split(QLatin1Char('\n')))
                lines.append(line.simplified());
        return lines;
    }
    QString lastLine() const { return chatLines().value(chatLines().size() - 1); }
    // Left edge as the player sees it in the scrolling area that holds the widget.
    int visibleLeft(QWidget* widget, const QString& area) const
    {
        return widget->mapTo(find<QScrollArea>(area)->viewport(), QPoint(0, 0)).x();
    }

    RecordingSoundPlayer sounds;
    RecordingMessageBoxes boxes;
    HostPeer host;
    std::unique_ptr<Tchat> table;
};
