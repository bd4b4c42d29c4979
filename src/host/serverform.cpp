#include "host/serverform.h"

#include "game/version.h"

#include <cstdio>
#include <utility>

TServer::TServer(QObject* parent) : QObject(parent), engine_(*this, game::Random::timeOfDaySeed())
{
    Sock1.setPortName("7772");
    Sock1.OnAccept = [this](TSock* listener) { Sock1Accept(listener); };
    socktimer.setInterval(host::Engine::kDispatchInterval);
    timer1.setInterval(host::Engine::kTimer1Interval);
    connect(&socktimer, &QTimer::timeout, this, [this] { engine_.socktimerTimer(); });
    connect(&timer1, &QTimer::timeout, this, [this] { engine_.timer1Timer(); });
    connect(&computertimer, &QTimer::timeout, this, [this] { engine_.computertimerTimer(); });
    turntimer.setSingleShot(true);
    connect(&turntimer, &QTimer::timeout, this, [this] { engine_.turntimerTimer(); });
    for (int n = 1; n <= host::kConnections; ++n) {
        loginTimers_[n].setSingleShot(true);
        connect(&loginTimers_[n], &QTimer::timeout, this, [this, n] { engine_.loginTimerTimer(n); });
    }
}

TServer::~TServer()
{
    socktimer.stop();
    timer1.stop();
    computertimer.stop();
    turntimer.stop();
    for (QTimer& timer : loginTimers_)
        timer.stop();
    // The sockets would report their closing to an engine that is going away: silence them first.
    for (TSock*& sock : sockets_)
        if (sock) {
            sock->OnRead = nullptr;
            sock->OnInfo = nullptr;
            sock->OnDisconnect = nullptr;
            delete sock;
            sock = nullptr;
        }
}

void TServer::startListening() { Sock1.setListen(true); }

void TServer::Sock1Accept(TSock* /*listener*/)
{
    const int n = engine_.numberForNewConnection();
    TSock* sock = nullptr;
    try {
        if (!Sock1.Accept(sock) || !sock)
            return;
    } catch (const ESockException& error) {
        std::fprintf(stderr, "host: %s\n", error.what());
        return;
    }
    if (n == host::kRefused) {
        sock->OnRead = nullptr;
        sock->OnInfo = nullptr;
        sock->OnDisconnect = nullptr;
    } else {
        sock->Tag = n;
        sock->OnRead = [this](TSock* sender, int count) { Sock1Read(sender, count); };
        sock->OnInfo = [this](TSock* sender, TSocketInfo info, const std::string& message) {
            tempsockInfo(sender, info, message);
        };
        sock->OnDisconnect = [this](TSock* sender) { tempsockDisconnect(sender); };
    }
    if (sockets_[n])
        release(n);  // a socket the engine already gave up on
    sockets_[n] = sock;
    engine_.connectionAccepted(n);
}

void TServer::Sock1Read(TSock* sender, int /*count*/)
{
    const int n = sender->Tag;
    if (n < 1 || n > host::kConnections || sockets_[n] != sender)
        return;
    std::string bytes;
    try {
        bytes = sender->Receive();
    } catch (const ESockException&) {
        return;
    }
    engine_.Sock1Read(n, bytes);
}

void TServer::tempsockInfo(TSock* sender, TSocketInfo /*info*/, const std::string& message)
{
    if (message != "Socket Closed")
        return;
    const int n = sender->Tag;
    // Only the socket currently under that number speaks for it; a report from an old one (the
    // second report of a lost connection, say) must not end its successor.
    if (n < 1 || n > host::kConnections || sockets_[n] != sender)
        return;
    // Bytes that came with the close (a goodbye, a last play) are heard before the loss.
    feedRest(sender, n);
    if (sockets_[n] == sender)
        release(n);
    engine_.connectionLost(n);
}

void TServer::feedRest(TSock* sock, int n)
{
    std::string rest;
    try {
        rest = sock->Receive();
    } catch (const ESockException&) {
        return;  // closed with nothing buffered
    }
    if (!rest.empty())
        engine_.Sock1Read(n, rest);
}

void TServer::tempsockDisconnect(TSock* sender)
{
    const int n = sender->Tag;
    if (n >= 1 && n <= host::kConnections && sockets_[n] == sender)
        sender->Close();  // reports "Socket Closed", which ends the connection
}

void TServer::send(int n, const std::string& wire)
{
    if (n < 1 || n > host::kRefused || !sockets_[n])
        return;  // already gone: the others still get their copy
    try {
        sockets_[n]->Send(wire);
    } catch (const ESockException& error) {
        std::fprintf(stderr, "host: connection %d: %s\n", n, error.what());
    }
}

void TServer::close(int n)
{
    if (n < 1 || n > host::kRefused || !sockets_[n])
        return;
    TSock* sock = sockets_[n];
    release(n);
    sock->Close();
}

void TServer::renumber(int from, int to)
{
    if (from < 1 || from > host::kConnections || to < 1 || to > host::kConnections || !sockets_[from])
        return;
    if (sockets_[to])
        release(to);  // a socket the engine already gave up on
    sockets_[to] = std::exchange(sockets_[from], nullptr);
    sockets_[to]->Tag = to;
}

void TServer::release(int n)
{
    TSock* sock = sockets_[n];
    sockets_[n] = nullptr;
    sock->OnRead = nullptr;
    sock->OnInfo = nullptr;
    sock->OnDisconnect = nullptr;
    sock->deleteLater();
}

std::size_t TServer::unsent(int n)
{
    return n >= 1 && n <= host::kRefused && sockets_[n] ? sockets_[n]->PendingOutput() : 0;
}

void TServer::startLoginTimer(int n, int milliseconds)
{
    if (n >= 1 && n <= host::kConnections)
        loginTimers_[n].start(milliseconds);
}

void TServer::stopLoginTimer(int n)
{
    if (n >= 1 && n <= host::kConnections)
        loginTimers_[n].stop();
}

std::string TServer::version() { return versionProvider ? versionProvider() : std::string(game::version()); }

int TServer::botSpeed() { return botSpeedProvider ? botSpeedProvider() : 1000; }
