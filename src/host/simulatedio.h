#pragma once
// The host engine with nobody waiting: its timers only note whether they run and the caller fires
// them, so whole games play out as fast as the engine goes. The simulator, the duel of computer
// players, the host's fuzz target and the table fuzzer's seed recorder all run on it; each says
// what becomes of the messages.

#include "game/version.h"
#include "host/engine.h"
#include "host/hostio.h"

#include <string>

namespace host {

class SimulatedIo : public HostIo {
public:
    bool timer1 = false;
    bool computer = false;
    int skill = 0; // the computer players' skill, as the hosting table's menu would give it

    std::size_t unsent(int) override { return 0; }
    void close(int) override {}
    void startSocktimer(int) override {}
    void stopSocktimer() override {}
    void startTimer1(int) override { timer1 = true; }
    void stopTimer1() override { timer1 = false; }
    void startComputertimer(int) override { computer = true; }
    void stopComputertimer() override { computer = false; }
    void startLoginTimer(int, int) override {}
    void stopLoginTimer(int) override {}
    std::string version() override { return game::version(); }
    int botSpeed() override { return 0; }
    int computerSkill() override { return skill; }
};

// One message from connection n, handled at once.
inline void say(Engine& engine, int n, const std::string& message)
{
    engine.Sock1Read(n, message + '\xFF');
    while (engine.queuedLines() > 0)
        engine.socktimerTimer();
}

// Fires the timer that is due: the computer's move before the host's pause. False when neither
// runs, that is when the game waits for a player.
inline bool fireDueTimer(Engine& engine, const SimulatedIo& io)
{
    if (io.computer)
        engine.computertimerTimer();
    else if (io.timer1)
        engine.timer1Timer();
    else
        return false;
    return true;
}

} // namespace host
