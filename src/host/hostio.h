#pragma once
// Everything the host engine asks of the world. The host form adapts it to sockets and QTimers;
// tests adapt it to a recorder and call the engine's timer handlers themselves.

#include <cstddef>
#include <string>

namespace host {

class HostIo {
public:
    virtual ~HostIo() = default;

    // One whole message, terminator included, to connection n (1..9, or 10 while it is refused).
    // Must not throw: a connection whose socket is already gone is simply skipped.
    virtual void send(int n, const std::string& wire) = 0;
    // Bytes given to send(n) that the network has not taken yet; 0 once the socket is gone.
    virtual std::size_t unsent(int n) = 0;
    // Closes connection n. The socket may report the loss back (Engine::connectionLost) before this
    // returns; the engine copes with either order.
    virtual void close(int n) = 0;
    // The connection under number `from` is known as `to` from now on (`to` is free). A player who
    // comes back is moved to their own seat this way; an IO with real sockets must move its socket.
    virtual void renumber(int /*from*/, int /*to*/) {}

    // Each timer keeps ticking at its interval until stopped; starting a running timer restarts it.
    virtual void startSocktimer(int milliseconds) = 0;
    virtual void stopSocktimer() = 0;
    virtual void startTimer1(int milliseconds) = 0;
    virtual void stopTimer1() = 0;
    virtual void startComputertimer(int milliseconds) = 0;
    virtual void stopComputertimer() = 0;
    // One per connection: the time a new connection has to send its login.
    virtual void startLoginTimer(int n, int milliseconds) = 0;
    virtual void stopLoginTimer(int n) = 0;
    // The clock of a seated player's turn. Fires once; armed only while a turn time limit is set.
    virtual void startTurntimer(int /*milliseconds*/) {}
    virtual void stopTurntimer() {}

    // Read from the hosting table each time they are needed: its version text and its bot speed.
    virtual std::string version() = 0;
    virtual int botSpeed() = 0;
    // The hosting table's "Computer Skill": 0 Standard, 1 Strong. Read at every computer move.
    virtual int computerSkill() { return 0; }
    // The hosting table's "Turn Time Limit" in seconds, 0 for none. Read as each turn begins.
    virtual int turnLimit() { return 0; }
};

} // namespace host
