#pragma once
// TServer: the hidden game host. It owns the listening socket Sock1, one TSock per connected
// table (Tag = connection number), the dispatcher timer and the host's game timers, and wires
// them to the host engine, which holds every rule and all of the host's state.
//
// The hosting table sets the providers (its version caption, bot speed, computer skill and turn
// time limit), then calls startListening() and connects its own socket to 127.0.0.1, so it is
// always connection 1.

#include "host/engine.h"
#include "net/tsock.h"

#include <QObject>
#include <QTimer>

#include <array>
#include <functional>
#include <string>

class TServer : public QObject, private host::HostIo {
public:
    explicit TServer(QObject* parent = nullptr);
    ~TServer() override;

    // Read each time the engine needs them. Defaults: the game's version and Normal, 1000 ms.
    std::function<std::string()> versionProvider;
    std::function<int()> botSpeedProvider;
    std::function<int()> computerSkillProvider;  // Standard (0) when unset
    std::function<int()> turnLimitProvider;      // seconds; no limit (0) when unset

    // Starts listening on Sock1's PortName ("7772"; tests set "0" first and read port()).
    // Throws ESockException when the port cannot be had.
    void startListening();
    int port() const { return Sock1.LocalPort(); }

    host::Engine& engine() { return engine_; }
    // Shortens timer1's tick for real-socket tests; the game keeps the exact 1000 ms.
    void setTimer1Interval(int milliseconds) { engine_.setTimer1Interval(milliseconds); }
    // Shortens each second of the turn time limit for real-program tests.
    void setTurnLimitSecond(int milliseconds) { engine_.setTurnLimitSecond(milliseconds); }

    TSock Sock1;
    QTimer socktimer;
    QTimer timer1;
    QTimer computertimer;
    QTimer turntimer;  // single shot, one per turn of a seated player

    // Socket handlers.
    void Sock1Accept(TSock* listener);
    void Sock1Read(TSock* sender, int count);
    void tempsockInfo(TSock* sender, TSocketInfo info, const std::string& message);
    void tempsockDisconnect(TSock* sender);

private:
    void send(int n, const std::string& wire) override;
    void close(int n) override;
    void renumber(int from, int to) override;
    void startSocktimer(int milliseconds) override { socktimer.start(milliseconds); }
    void stopSocktimer() override { socktimer.stop(); }
    void startTimer1(int milliseconds) override { timer1.start(milliseconds); }
    void stopTimer1() override { timer1.stop(); }
    void startComputertimer(int milliseconds) override { computertimer.start(milliseconds); }
    void stopComputertimer() override { computertimer.stop(); }
    void startTurntimer(int milliseconds) override { turntimer.start(milliseconds); }
    void stopTurntimer() override { turntimer.stop(); }
    std::size_t unsent(int n) override;
    void startLoginTimer(int n, int milliseconds) override;
    void stopLoginTimer(int n) override;
    std::string version() override;
    int botSpeed() override;
    int computerSkill() override { return computerSkillProvider ? computerSkillProvider() : 0; }
    int turnLimit() override { return turnLimitProvider ? turnLimitProvider() : 0; }

    // Forgets a connection's socket and lets it go once its own event is over.
    void release(int n);
    // Hands the engine what a closing socket received but nobody read yet.
    void feedRest(TSock* sock, int n);

    host::Engine engine_;
    // The socket under each connection number; 10 only while it is turned away.
    std::array<TSock*, host::kRefused + 1> sockets_{};
    std::array<QTimer, host::kConnections + 1> loginTimers_;
};
