#pragma once
// A host engine wired to a recorder instead of sockets and timers. Every send is logged as
// "<connection> <message>" (the terminator checked and taken off), every close and game timer
// change as a word, so a test compares whole transcripts.

#include "host/engine.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <utility>
#include <vector>

namespace hosttest {

using Transcript = std::vector<std::string>;

class Recorder : public host::HostIo {
public:
    host::Engine* engine = nullptr;
    Transcript log;
    int speed = 1000;
    int skill = 0;  // the hosting table's "Computer Skill"
    int limit = 0;  // the hosting table's "Turn Time Limit", seconds
    bool timer1On = false, computerOn = false, turnOn = false;
    int socktimer = -1;  // interval while running, -1 while stopped
    std::array<std::size_t, 11> backlog{};  // what unsent() answers, per connection
    std::array<int, 11> login{-1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1};  // as socktimer, per connection

    void send(int n, const std::string& wire) override
    {
        EXPECT_EQ(wire.find('\xFF'), wire.size() - 1) << "one terminator, at the end: " << wire;
        log.push_back(std::to_string(n) + " " + wire.substr(0, wire.size() - 1));
    }
    void close(int n) override
    {
        log.push_back("close " + std::to_string(n));
        engine->connectionLost(n);  // like the socket, from inside close
    }
    void renumber(int from, int to) override { log.push_back("renumber " + std::to_string(from) + " " + std::to_string(to)); }
    std::size_t unsent(int n) override { return n >= 0 && n <= 10 ? backlog[n] : 0; }
    void startLoginTimer(int n, int ms) override { login.at(n) = ms; }
    void stopLoginTimer(int n) override { login.at(n) = -1; }
    void startSocktimer(int ms) override { socktimer = ms; }
    void stopSocktimer() override { socktimer = -1; }
    void startTimer1(int ms) override { timer1On = true; log.push_back("timer1 " + std::to_string(ms)); }
    void stopTimer1() override { timer1On = false; log.push_back("timer1 stop"); }
    void startComputertimer(int ms) override { computerOn = true; log.push_back("computer " + std::to_string(ms)); }
    void stopComputertimer() override { computerOn = false; log.push_back("computer stop"); }
    void startTurntimer(int ms) override { turnOn = true; log.push_back("turn " + std::to_string(ms)); }
    void stopTurntimer() override { turnOn = false; log.push_back("turn stop"); }
    std::string version() override { return "1.0.4"; }
    int botSpeed() override { return speed; }
    int computerSkill() override { return skill; }
    int turnLimit() override { return limit; }

    Transcript take() { return std::exchange(log, {}); }
};

// The same message to connections 1..count, as a message to all reaches them.
inline Transcript toAll(const std::string& text, int count)
{
    Transcript lines;
    for (int n = 1; n <= count; ++n)
        lines.push_back(std::to_string(n) + " " + text);
    return lines;
}

inline Transcript operator+(Transcript a, const Transcript& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

class HostTest : public testing::Test {
protected:
    Recorder io;
    host::Engine engine{io, 1};

    HostTest() { io.engine = &engine; }

    host::HostState& state() { return engine.stateForTest(); }
    host::ConnectionRecord& seat(int n) { return state().seat(n); }

    int connect()
    {
        const int n = engine.numberForNewConnection();
        engine.connectionAccepted(n);
        return n;
    }
    // One message from connection n, handled at once.
    void feed(int n, const std::string& line)
    {
        engine.Sock1Read(n, line + '\xFF');
        drain();
    }
    void drain()
    {
        while (engine.queuedLines() > 0)
            engine.socktimerTimer();
    }
    // Connections 1..count, logged in as P1, P2, ...; the log is cleared.
    void table(int count)
    {
        for (int n = 1; n <= count; ++n) {
            connect();
            feed(n, "CMD_logininfo+" + std::to_string(n) + "+1.0.4+P" + std::to_string(n));
        }
        io.take();
    }
    void start(const std::string& rounds = "3", const std::string& option = "1")
    {
        feed(1, "CMD_startgame+P1+" + rounds + "+" + option + "+");
    }
    // Empties every hand and the board, keeping the turn open for `turn`.
    void arrange(int turn, int phase, int spinnerPip)
    {
        for (int s = 1; s <= host::kSeats; ++s)
            seat(s).hand.fill(0);
        state().board.clear();
        state().turnSeat = turn;
        state().phase = phase;
        state().spinner = spinnerPip;
        io.take();
    }
    void passes(std::initializer_list<int> seats)
    {
        for (int s : seats)
            feed(s, "CMD_hepasses+" + std::to_string(s) + "+");
    }
    void tick1(int ticks)
    {
        for (int i = 0; i < ticks; ++i)
            engine.timer1Timer();
    }
};

} // namespace hosttest
