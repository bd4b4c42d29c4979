#pragma once
// A table as another program would be: a plain socket that speaks the wire protocol.

#include <QTcpSocket>
#include <QTest>

class RawTable {
public:
    RawTable(quint16 port, const QByteArray& name) : name_(name)
    {
        QObject::connect(&socket, &QTcpSocket::readyRead, &socket, [this] { received += socket.readAll(); });
        socket.connectToHost(QHostAddress::LocalHost, port);
    }
    RawTable(const RawTable&) = delete;
    RawTable& operator=(const RawTable&) = delete;

    // Waits (generously) until the host has sent a message that contains this text.
    bool waitFor(const QByteArray& text) { return QTest::qWaitFor([&] { return received.contains(text); }, 20000); }
    void send(const QByteArray& message)
    {
        socket.write(message + '\xFF');
        socket.flush();
    }
    // Answers the host's "CMD_sendlogininfo"; the connection number it gave, or 0.
    int login()
    {
        const QByteArray ask("CMD_sendlogininfo+");
        const auto end = [&] { return received.indexOf('\xFF', received.indexOf(ask)); };
        if (!QTest::qWaitFor([&] { return received.contains(ask) && end() >= 0; }, 20000))
            return 0;
        const qsizetype from = received.indexOf(ask) + ask.size();
        const QByteArray number = received.mid(from, end() - from);
        send("CMD_logininfo+" + number + "+1.0.4+" + name_);
        return number.toInt();
    }
    bool disconnected()
    {
        return QTest::qWaitFor([&] { return socket.state() == QAbstractSocket::UnconnectedState; }, 20000);
    }

    QTcpSocket socket;
    QByteArray received;

private:
    QByteArray name_;
};
