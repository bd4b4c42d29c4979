#pragma once
// The table's line to the host: the socket, the framer that cuts what arrives into messages, the
// receive queue and its dispatcher `Timer1`, which hands one message per tick to the table, and
// the time-out of a connection attempt.

#include "game/message.h"
#include "net/tsock.h"

#include <QObject>
#include <QString>

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

class QTimer;

class TableLink : public QObject {
public:
    static constexpr int kConnectTimeoutMs = 15000;

    explicit TableLink(QObject* parent);
    ~TableLink() override;

    // Points `sock` at the host and starts connecting without waiting; the host answers with the
    // login. May throw ESockException (for example when the address cannot be looked up). A
    // connection that is refused, cannot reach the host or gets no answer within
    // kConnectTimeoutMs is given up with onConnectFailed.
    void connectToHost(const QString& address, int port = 7772);

    // Each message from the host, one per tick; the tick's end; after each message.
    std::function<void(std::string_view line)> onLine;
    std::function<void()> onTicked;
    std::function<void()> onMessageHandled;
    // "Could not connect to ..." for the chat; the host went away (or threw this table out).
    std::function<void(const QString& notice)> onConnectFailed;
    std::function<void()> onHostGone;

    TSock sock;
    void send(const game::Message& message) { sock.Send(message.wire()); }
    void send(const std::optional<game::Message>& message)
    {
        if (message)
            send(*message);
    }

    // What sockRead does with the bytes it took: cut them into messages and queue them.
    void queueReceived(std::string_view bytes);
    // One tick of the dispatcher: one queued message handled. The timer runs only while
    // messages wait.
    void Timer1Timer();
    bool dispatcherRunning() const;
    std::size_t queuedMessages() const { return receivedlist.size(); }
    // The window closed: whatever still waits is not handled.
    void windowClosed() { closed_ = true; }
    bool closed() const { return closed_; }

    // The connection attempt ran out of time (the handler of the connect timer).
    void connectTimerTimer();

private:
    void sockRead(TSock* sender, int count);
    void sockInfo(TSock* sender, TSocketInfo info, const std::string& message);
    void connectionFailed(const QString& reason);
    void processsocktimer();
    void handleEverythingReceived();

    game::Framer framer_;
    std::deque<std::string> receivedlist;
    QTimer* Timer1 = nullptr;
    QTimer* connectTimer_ = nullptr;
    QString connectingTo_; // the host being connected to, while the connection is not yet made
    bool quietClose_ = false; // the table closes its own socket: not the host going away
    bool closed_ = false;
};
