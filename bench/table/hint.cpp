// The time a hint takes: whole seeded games of 10 rounds for 2 to 6 seats on the host engine with
// no delays, seat 1 played by its table's mirror following every hint, the standard computer in
// the other seats. Each hint is timed on one thread from the question to the answer read against
// the mirror (the table thinks on a thread of its own, so this is how long the player waits for
// it, less the event that hands it back).
//
//   nice -n 10 build/bench/table/table_hint [games per seat count] [first seed]   (default 10, 1)
//
// One line per seat count and one for all:
//   seats N: H hints, C with a choice; choice median M ms, 90th P ms, worst W ms; forced worst F ms
// A hint with a choice is one where the strong player had more than one play to weigh; the others
// (one play, or a pass) are forced. Goal: median at most 100 ms, worst at most 250 ms. Exits with
// 1 if the host refused a hinted play, a hint passed with a play in hand, or a game did not end.

#include "host/engine.h"
#include "host/simulatedio.h"
#include "mirror/hint.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

// Seat 1's lines go to its mirror; the other seats' are dropped.
class TableIo : public host::SimulatedIo {
public:
    mirror::TableMirror table;
    bool refused = false;

    void send(int n, const std::string& wire) override
    {
        if (n != 1)
            return;
        const std::string line = wire.substr(0, wire.size() - 1);
        refused = refused || line.starts_with("CMD_noplay");
        table.handle(line);
    }
};

struct Times {
    std::vector<double> choice, forced;
    int errors = 0;
};

double percentile(std::vector<double> values, double p)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const auto index = static_cast<std::size_t>(p * static_cast<double>(values.size() - 1) + 0.5);
    return values[std::min(index, values.size() - 1)];
}

void propose(host::Engine& engine, const std::optional<game::Message>& message)
{
    if (message)
        host::say(engine, 1, message->wire().substr(0, message->wire().size() - 1));
}

void playGame(int seats, std::uint32_t seed, Times& times)
{
    TableIo io;
    host::Engine engine(io, seed);
    for (int n = 1; n <= seats; ++n) {
        engine.connectionAccepted(engine.numberForNewConnection());
        host::say(engine, n, "CMD_logininfo+" + std::to_string(n) + "+" + game::version() + "+P" + std::to_string(n));
    }
    host::say(engine, 1, "CMD_startgame+P1+10+1+");
    for (int n = 2; n <= seats; ++n)
        host::say(engine, n, "CMD_justwatch+" + std::to_string(n) + "+1");

    for (long long steps = 0; engine.state().gameRunning && steps < 1000000; ++steps) {
        if (engine.state().turnOpen && engine.state().turnSeat == 1) {
            const bool choice = host::legalPlays(io.table.seatView()).size() > 1;
            const auto begin = std::chrono::steady_clock::now();
            const auto hint = mirror::hintNow(io.table);
            const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - begin).count();
            (choice ? times.choice : times.forced).push_back(ms);
            if (!hint) {
                std::fprintf(stderr, "table_hint: no hint on seat 1's turn (%d seats, seed %u)\n", seats, seed);
                ++times.errors;
                return;
            }
            if (hint->pass && !host::legalPlays(engine.seatView(1)).empty()) {
                std::fprintf(stderr, "table_hint: a pass with a play in hand (%d seats, seed %u)\n", seats, seed);
                ++times.errors;
            }
            if (hint->pass) {
                propose(engine, io.table.pass());
            } else {
                io.table.raiseOnly(hint->slot);
                propose(engine, io.table.playOn(hint->toe));
            }
            if (io.refused) {
                std::fprintf(stderr, "table_hint: the host refused %s (%d seats, seed %u)\n", hint->text.c_str(), seats, seed);
                ++times.errors;
                return;
            }
        } else if (!host::fireDueTimer(engine, io)) {
            break;
        }
    }
    if (engine.state().gameRunning) {
        std::fprintf(stderr, "table_hint: the game did not end (%d seats, seed %u)\n", seats, seed);
        ++times.errors;
    }
}

void report(const char* label, const Times& times)
{
    std::printf("%s: %zu hints, %zu with a choice; choice median %.1f ms, 90th %.1f ms, worst %.1f ms; forced worst %.1f ms\n",
                label, times.choice.size() + times.forced.size(), times.choice.size(), percentile(times.choice, 0.5),
                percentile(times.choice, 0.9), percentile(times.choice, 1.0), percentile(times.forced, 1.0));
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv)
{
    const int games = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;
    const auto first = static_cast<std::uint32_t>(argc > 2 ? std::strtoul(argv[2], nullptr, 10) : 1);
    Times all;
    for (int seats = 2; seats <= 6; ++seats) {
        Times times;
        for (int g = 0; g < games; ++g)
            playGame(seats, first + static_cast<std::uint32_t>(g), times);
        report(("seats " + std::to_string(seats)).c_str(), times);
        all.choice.insert(all.choice.end(), times.choice.begin(), times.choice.end());
        all.forced.insert(all.forced.end(), times.forced.begin(), times.forced.end());
        all.errors += times.errors;
    }
    report("all", all);
    if (all.errors != 0)
        std::printf("errors: %d\n", all.errors);
    return all.errors == 0 ? 0 : 1;
}
