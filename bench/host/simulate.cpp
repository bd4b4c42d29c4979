// The host engine as a simulator: complete games with every seat played by the computer and no
// delays, for 2 to 6 seats. Every table is connected and "just watches", so each receives what a
// real table would; an independent checker keeps its own board and hands from those messages
// alone and confirms that every play was legal, every pass forced, every score and total right,
// and that every game ended with a winner.
//
//   build/bench/host/host_simulate [games per seat count] [seed]      (default 10000, 1)
//
// Prints games/s and plays/s per seat count; exits with 1 if the checker found anything wrong.

#include "checker.h"
#include "host/engine.h"

#include "game/message.h"

#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    const long long games = argc > 1 ? std::atoll(argv[1]) : 10000;
    const unsigned seed = argc > 2 ? static_cast<unsigned>(std::atoll(argv[2])) : 1;
    long long allErrors = 0;
    for (int seats = 2; seats <= 6; ++seats) {
        long long plays = 0, passes = 0, rounds = 0, errors = 0, unfinished = 0;
        const auto begin = std::chrono::steady_clock::now();
        for (long long g = 0; g < games; ++g) {
            benchcheck::CheckingIo io;
            host::Engine engine(io, seed * 7919u + static_cast<unsigned>(g) * 104729u + static_cast<unsigned>(seats));
            benchcheck::startComputerGame(engine, seats, static_cast<int>(3 + g % 8));
            for (long long steps = 0; !io.checker.finished && steps < 1000000; ++steps)
                if (!host::fireDueTimer(engine, io))
                    break;
            unfinished += !io.checker.finished || engine.state().gameRunning;
            plays += io.checker.plays;
            passes += io.checker.passes;
            rounds += io.checker.rounds;
            errors += io.checker.errors;
        }
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
        std::printf("%d seats: %lld games, %lld rounds, %lld plays, %lld passes in %.3f s: %.0f games/s, %.0f plays/s; "
                    "%lld errors, %lld without a winner\n",
                    seats, games, rounds, plays, passes, seconds, games / seconds, plays / seconds, errors, unfinished);
        allErrors += errors + unfinished;
    }
    return allErrors == 0 ? 0 : 1;
}
