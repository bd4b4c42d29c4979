#include "table/link.h"

#include <QCoreApplication>
#include <QTimer>
#include <QtGlobal>

#include <cstdio>
#include <cstring>
#include <vector>

TableLink::TableLink(QObject* parent) : QObject(parent)
{
    sock.setSocketType(stStream);
    sock.setPortName("7772");
    sock.setBlocking(false);
    sock.OnRead = [this](TSock* sender, int count) { sockRead(sender, count); };
    sock.OnInfo = [this](TSock* sender, TSocketInfo info, const std::string& message) {
        sockInfo(sender, info, message);
    };

    // The dispatcher ticks every millisecond, but only while messages wait: an idle table sleeps.
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setTimerType(Qt::PreciseTimer);
    Timer1->setInterval(1);
    connect(Timer1, &QTimer::timeout, this, &TableLink::Timer1Timer);

    connectTimer_ = new QTimer(this);
    connectTimer_->setObjectName(QStringLiteral("connecttimer"));
    connectTimer_->setSingleShot(true);
    connectTimer_->setInterval(kConnectTimeoutMs);
    connect(connectTimer_, &QTimer::timeout, this, &TableLink::connectTimerTimer);
}

TableLink::~TableLink()
{
    // Closing the socket reports "Socket Closed"; nobody must hear it while the table goes.
    sock.OnInfo = nullptr;
    sock.OnRead = nullptr;
}

void TableLink::connectToHost(const QString& address, int port)
{
    sock.setHostName(address.toStdString());
    sock.setPortName(std::to_string(port));
    connectingTo_ = address;
    connectTimer_->start();
    try {
        sock.Open();
    } catch (...) {
        connectTimer_->stop();
        connectingTo_.clear();
        throw;
    }
}

void TableLink::sockRead(TSock*, int) { queueReceived(sock.Receive()); }

namespace {

// "Error #111 (ECONNREFUSED)" as a player reads it: "connection refused".
QString reasonOf(const std::string& report)
{
    int code = 0;
    if (std::sscanf(report.c_str(), "Error #%d", &code) != 1 || code <= 0)
        return QString::fromStdString(report);
    QString reason = QString::fromLocal8Bit(std::strerror(code));
    if (!reason.isEmpty())
        reason[0] = reason[0].toLower();
    return reason;
}

} // namespace

void TableLink::sockInfo(TSock*, TSocketInfo info, const std::string& message)
{
    if (info == siConnect) {
        connectTimer_->stop();
        connectingTo_.clear();
        return;
    }
    if (info == siError && !connectingTo_.isEmpty() && !sock.Connected()) {
        connectionFailed(reasonOf(message));
        return;
    }
    if (message != "Socket Closed" || quietClose_)
        return;
    // The host went away (or threw us out): whatever it said last (a full game, the winner, a
    // goodbye) is shown first, then the table has nothing left to show.
    handleEverythingReceived();
    if (!closed_ && onHostGone)
        onHostGone();
}

void TableLink::connectTimerTimer()
{
    if (!connectingTo_.isEmpty() && !sock.Connected())
        connectionFailed(QCoreApplication::translate("TableShell", "no answer within %1 seconds").arg(kConnectTimeoutMs / 1000));
}

void TableLink::connectionFailed(const QString& reason)
{
    const QString host = connectingTo_;
    connectTimer_->stop();
    connectingTo_.clear();
    // The attempt is over; closing the handle is not the host leaving.
    quietClose_ = true;
    sock.Close();
    quietClose_ = false;
    if (onConnectFailed)
        onConnectFailed(QCoreApplication::translate("TableShell", "Could not connect to %1: %2").arg(host, reason));
}

void TableLink::handleEverythingReceived()
{
    try {
        queueReceived(sock.Receive());
    } catch (const ESockException&) {
    }
    while (!receivedlist.empty() && !closed_) {
        try {
            processsocktimer();
        } catch (const std::exception& error) {
            // The connection is gone: a reply the handler wanted to send cannot go anywhere.
            std::fprintf(stderr, "Tilvaro: %s\n", error.what());
        }
        if (onMessageHandled)
            onMessageHandled();
    }
    Timer1->stop();
}

void TableLink::queueReceived(std::string_view bytes)
{
    std::vector<std::string> lines;
    if (!framer_.feed(bytes, lines))
        qWarning("Tilvaro: dropped an overlong message from the host");
    for (std::string& line : lines)
        receivedlist.push_back(std::move(line));
    // A line arriving at an idle dispatcher is handled on the next pass of the event loop.
    if (!receivedlist.empty() && !Timer1->isActive())
        Timer1->start(0);
}

bool TableLink::dispatcherRunning() const { return Timer1->isActive(); }

void TableLink::Timer1Timer()
{
    if (receivedlist.empty()) {
        Timer1->stop();
        return;
    }
    if (Timer1->interval() != 1)
        Timer1->setInterval(1);
    processsocktimer();
    if (onTicked)
        onTicked();
    if (receivedlist.empty())
        Timer1->stop();
    if (onMessageHandled)
        onMessageHandled();
}

void TableLink::processsocktimer()
{
    if (receivedlist.empty())
        return;
    const std::string line = std::move(receivedlist.front());
    receivedlist.pop_front();
    if (onLine)
        onLine(line);
}
