// The strong computer against the standard one, or against the greedy player: whole games of 10
// rounds with every seat played by a program, the strong player in one seat (seat g mod N + 1 in
// game g, so it leads as often as the others) and its opponents in the rest, for 2, 3 and 4 seats.
// Every game is followed by the simulator's independent checker, so a strong move that broke a rule
// fails the run, and so does a strong move made from anything but what the seat's table had been
// told.
//
//   nice -n 10 build/bench/host/bot_duel [games per seat count] [standard|greedy] [seats]   (default 2000)
//
// Without a mode the opponents are the standard computer. "standard" puts the standard player in
// the measured seat too (the lines then say "standard wins"): the control, which should win its
// 1/N share. "greedy" makes the opponents greedy players (their heaviest fitting bone, see
// greedy.h), who play as tables do, through the host's messages. A seat count of 2, 3 or 4 plays
// that one only. One line per seat count:
//   seats N: strong wins W of G (P %, 95 % CI L-U %), average total A vs B, decision median M ms, worst X ms
// and against the greedy player "strong wins W of G against greedy (P %, ...". W counts the games
// the measured seat won: the game itself replays a tied last round, so every game has one winner.
// A is its average final total, B the average final total of the other seats (lower is better).
// The 95 % interval is Wilson's. A decision is a strong move that had more than one play to choose
// from (forced plays and passes take no time); its time is measured around the host's whole
// computer move, while the two threads of the run share the machine.
// Exits with 1 if the checker found anything wrong, a strong move saw more than its table, or a
// game did not end.

#include "checker.h"
#include "greedy.h"
#include "host/engine.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

namespace {

struct GameResult {
    bool measuredWon = false;
    int measuredTotal = 0;
    double othersTotal = 0;  // mean of the other seats
    long long errors = 0;
    bool unfinished = false;
    std::vector<double> decisionMs;
};

enum class Mode { Standard, Control, Greedy };

GameResult playGame(int seats, int measured, std::uint32_t seed, Mode mode)
{
    benchcheck::CheckingIo io;
    host::Engine engine(io, seed);
    benchcheck::startComputerGame(engine, seats, 10);
    const bool strong = mode != Mode::Control;
    const bool greedy = mode == Mode::Greedy;
    // Every seat was set to just watch, as in the other modes, so the game opens alike; the greedy
    // seats then take their own play back.
    if (greedy)
        for (int s = 1; s <= seats; ++s)
            if (s != measured)
                host::say(engine, 1, "CMD_justwatch+" + std::to_string(s) + "+2");

    GameResult result;
    for (long long steps = 0; !io.checker.finished && steps < 1000000; ++steps) {
        if (io.computer) {
            const int seat = engine.state().turnSeat;
            io.skill = strong && seat == measured ? 1 : 0;
            const bool choice = seat == measured && host::legalPlays(engine.seatView(seat)).size() > 1;
            const bool strongMove = io.skill == 1 && engine.state().turnOpen;
            const host::SeatView told = strongMove ? io.checker.viewOf(seat) : host::SeatView{};
            const auto begin = std::chrono::steady_clock::now();
            engine.computertimerTimer();
            if (choice)
                result.decisionMs.push_back(
                    std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - begin).count());
            if (strongMove && !benchcheck::sameView(engine.strongPlayer().lastView(), told)) {
                ++result.errors;
                std::fprintf(stderr, "bot_duel: seat %d decided from more than its table was told\n", seat);
            }
        } else if (io.timer1) {
            engine.timer1Timer();
        } else if (greedy && engine.state().gameRunning && engine.state().turnOpen &&
                   engine.state().turnSeat != measured) {
            const int seat = engine.state().turnSeat;
            benchgreedy::sendMove(engine, seat, benchgreedy::greedyMove(io.checker.viewOf(seat)));
        } else {
            break;
        }
    }
    result.errors = io.checker.errors;
    result.unfinished = !io.checker.finished || engine.state().gameRunning;
    result.measuredWon = io.checker.winner == measured;
    result.measuredTotal = io.checker.total(measured);
    for (int s = 1; s <= seats; ++s)
        if (s != measured)
            result.othersTotal += io.checker.total(s);
    result.othersTotal /= seats - 1;
    return result;
}

// Wilson's score interval for w successes in n trials, in per cent.
void wilson(long long w, long long n, double& low, double& high)
{
    const double z = 1.959964, p = double(w) / double(n), z2n = z * z / double(n);
    const double centre = (p + z2n / 2) / (1 + z2n);
    const double half = z * std::sqrt(p * (1 - p) / double(n) + z2n / (4 * double(n))) / (1 + z2n);
    low = 100 * std::max(0.0, centre - half);
    high = 100 * std::min(1.0, centre + half);
}

} // namespace

int main(int argc, char** argv)
{
    const long long games = argc > 1 ? std::max(1LL, std::atoll(argv[1])) : 2000;
    const std::string modeName = argc > 2 ? argv[2] : "";
    if (modeName != "" && modeName != "standard" && modeName != "greedy") {
        std::fprintf(stderr, "bot_duel: unknown mode \"%s\" (standard or greedy)\n", modeName.c_str());
        return 2;
    }
    const Mode mode = modeName == "standard" ? Mode::Control : modeName == "greedy" ? Mode::Greedy : Mode::Standard;
    const int onlySeats = argc > 3 ? std::atoi(argv[3]) : 0;
    if (argc > 3 && (onlySeats < 2 || onlySeats > 4)) {
        std::fprintf(stderr, "bot_duel: seat count %s is not 2, 3 or 4\n", argv[3]);
        return 2;
    }
    const unsigned threads = std::max(1u, std::min(2u, std::thread::hardware_concurrency()));
    long long badGames = 0;
    for (int seats = 2; seats <= 4; ++seats) {
        if (onlySeats != 0 && seats != onlySeats)
            continue;
        std::vector<GameResult> results(static_cast<std::size_t>(games));
        std::atomic<long long> next{0};
        std::vector<std::thread> workers;
        for (unsigned t = 0; t < threads; ++t)
            workers.emplace_back([&] {
                for (long long g; (g = next++) < games;)
                    results[static_cast<std::size_t>(g)] =
                        playGame(seats, static_cast<int>(g % seats) + 1,
                                 static_cast<std::uint32_t>(g) * 2654435761u + static_cast<std::uint32_t>(seats), mode);
            });
        for (auto& worker : workers)
            worker.join();

        long long wins = 0;
        double measuredSum = 0, othersSum = 0;
        std::vector<double> times;
        for (const auto& r : results) {
            wins += r.measuredWon;
            measuredSum += r.measuredTotal;
            othersSum += r.othersTotal;
            badGames += r.errors > 0 || r.unfinished;
            times.insert(times.end(), r.decisionMs.begin(), r.decisionMs.end());
        }
        std::sort(times.begin(), times.end());
        const double median = times.empty() ? 0 : times[times.size() / 2];
        const double worst = times.empty() ? 0 : times.back();
        double low = 0, high = 0;
        wilson(wins, games, low, high);
        std::printf("seats %d: %s wins %lld of %lld%s (%.1f %%, 95 %% CI %.1f-%.1f %%), average total %.1f vs %.1f, "
                    "decision median %.1f ms, worst %.1f ms\n",
                    seats, mode == Mode::Control ? "standard" : "strong", wins, games,
                    mode == Mode::Greedy ? " against greedy" : "", 100.0 * double(wins) / double(games), low, high, measuredSum / double(games),
                    othersSum / double(games), median, worst);
        std::fflush(stdout);
    }
    if (badGames > 0)
        std::fprintf(stderr, "bot_duel: %lld games broke a rule or did not end\n", badGames);
    return badGames == 0 ? 0 : 1;
}
