#pragma once
// An independent judge of a computer-played game: it keeps its own board and hands from the host's
// messages alone and confirms that every play was legal, every pass forced, every score and total
// right, and that every game ended with a winner. Shared by the simulator and the duel.

#include "game/message.h"
#include "host/simulatedio.h"

#include <array>
#include <cstdio>
#include <string>

namespace benchcheck {

using game::FieldReader;

// The bone numbering, derived here from its definition rather than taken from the game code.
struct Pips {
    int top = 0;
    int bottom = 0;
};
const std::array<Pips, 56> kPips = [] {
    std::array<Pips, 56> pips{};
    int number = 1;
    for (int top = 0; top <= 9; ++top)
        for (int bottom = top; bottom <= 9; ++bottom)
            pips[number++] = {top, bottom};
    return pips;
}();
inline int doubleNumber(int pip)
{
    for (int bone = 1; bone <= 55; ++bone)
        if (kPips[bone].top == pip && kPips[bone].bottom == pip)
            return bone;
    return 0;
}
inline bool shows(int bone, int pip) { return kPips[bone].top == pip || kPips[bone].bottom == pip; }

struct Cell {
    int bone = 0;
    bool flip = false;
};

class Checker {
public:
    long long plays = 0, passes = 0, rounds = 0, errors = 0;
    bool finished = false;
    int winner = 0;  // the seat announced, once finished

    int total(int seat) const { return totals[seat]; }

    // What the seat's own table has been told of the round: its hand and everything announced
    // to all. The strong player in that seat must decide from exactly this.
    host::SeatView viewOf(int seat) const
    {
        host::SeatView view;
        view.seat = seat;
        for (int slot = 1; slot <= 20; ++slot)
            view.hand[slot - 1] = hands[seat][slot];
        for (int s = 1; s <= 6; ++s) {
            view.inGame[s] = inGame[s];
            view.bonesLeft[s] = left(s);
            view.passed[s] = passed[s];
            view.lacks[s] = lacks[s];
        }
        for (int bone = 1; bone <= 55; ++bone)
            view.gone[bone] = gone[bone];
        view.phase = phase;
        view.spinnerPip = spinnerPip;
        for (int toe = 1; toe <= 3; ++toe)
            for (int p = 1; p <= 40 && board[toe][p].bone != 0; ++p)
                view.board.place(toe, p, board[toe][p].bone, board[toe][p].flip);
        return view;
    }

    void fail(const char* what, const std::string& line)
    {
        ++errors;
        if (errors <= 20)
            std::fprintf(stderr, "checker: %s: %s\n", what, line.c_str());
    }

    void seen(int n, const std::string& wire)
    {
        const std::string line = wire.substr(0, wire.size() - 1);
        // Everything but the hands goes to every table alike: follow table 1.
        if (line.starts_with("CMD_dealmybones+"))
            deal(n, line);
        else if (n == 1)
            message(line);
    }

private:
    int roundsToPlay = 0, round = 0, spinnerPip = 0, pendingDouble = 0, turn = 0, lastTurn = 0, lastMover = 0;
    int count = 0;
    bool turnOpen = false, tie = false, endExpected = false;
    std::array<bool, 7> inGame{}, passed{};
    std::array<int, 7> totals{};
    std::array<std::array<int, 21>, 7> hands{};
    std::array<std::array<Cell, 41>, 4> board{};
    std::array<bool, 56> dealt{};
    std::array<bool, 56> gone{};  // played this round, and the round's double
    std::array<std::uint16_t, 7> lacks{};  // pips each seat has passed on this round
    int phase = 1;

    bool footPhase() const { return board[1][1].bone == 0 || board[2][1].bone == 0 || board[3][1].bone == 0; }
    int firstEmpty(int toe, int limit) const
    {
        for (int p = 1; p <= limit; ++p)
            if (board[toe][p].bone == 0)
                return p;
        return 0;
    }
    int openEnd(int toe, int position) const
    {
        const Cell& c = board[toe][position - 1];
        return c.flip ? kPips[c.bone].top : kPips[c.bone].bottom;
    }
    int left(int seat) const
    {
        int k = 0;
        for (int slot = 1; slot <= 20; ++slot)
            k += hands[seat][slot] != 0;
        return k;
    }
    int nextSeat(int seat) const
    {
        for (int i = 0; i < 6; ++i) {
            seat = seat % 6 + 1;
            if (inGame[seat])
                return seat;
        }
        return 0;
    }
    bool canPlay(int seat) const
    {
        for (int slot = 1; slot <= 20; ++slot) {
            const int bone = hands[seat][slot];
            if (bone == 0)
                continue;
            if (footPhase()) {
                if (shows(bone, spinnerPip))
                    return true;
                continue;
            }
            for (int toe = 1; toe <= 3; ++toe) {
                const int p = firstEmpty(toe, 40);
                if (p >= 2 && shows(bone, openEnd(toe, p)))
                    return true;
            }
        }
        return false;
    }

    void deal(int n, const std::string& line)
    {
        FieldReader f(game::splitLine(line).payload);
        const int seat = f.nextInt().value_or(0);
        if (seat != n || seat < 1 || seat > 6 || !inGame[seat])
            return fail("hand to the wrong table", line);
        hands[seat] = {};
        int slots = 0;
        while (!f.empty()) {
            const int slot = f.nextInt().value_or(0), bone = f.nextInt().value_or(0);
            if (slot != ++slots || bone < 1 || bone > 55 || dealt[bone] || bone == doubleNumber(spinnerPip))
                return fail("bad deal", line);
            dealt[bone] = true;
            hands[seat][slot] = bone;
        }
        if (slots != count)
            fail("wrong number of bones dealt", line);
    }

    void message(const std::string& line)
    {
        const auto [verb, payload] = game::splitLine(line);
        FieldReader f(payload);
        const auto num = [&f] { return f.nextInt().value_or(-999); };
        if (endExpected && verb != "CMD_endround")
            fail("a round should have ended", line);

        if (verb == "CMD_startgame") {
            f.next();
            const int r = game::parseInt(f.next()).value_or(3);
            roundsToPlay = r > 10 ? 10 : r < 3 ? 3 : r;
            totals = {};
            round = 0;
            lastTurn = 0;
            finished = false;
        } else if (verb == "CMD_startround") {
            const int r = num(), spinner = num();
            count = num();
            if (r != (tie ? roundsToPlay : round + 1) || spinner != doubleNumber(10 - r))
                fail("wrong round or spinner", line);
            tie = false;
            round = r;
            spinnerPip = kPips[spinner].top;
            int seats = 0;
            for (int s = 1; s <= 6; ++s) {
                if (num() != s)
                    fail("seat list", line);
                inGame[s] = f.next() == "t";
                seats += inGame[s];
            }
            static constexpr int kCounts[] = {0, 0, 16, 14, 11, 9, 7};
            if (count != kCounts[seats])
                fail("wrong bones per seat", line);
            board = {};
            passed = {};
            dealt = {};
            hands = {};
            gone = {};
            gone[spinner >= 1 && spinner <= 55 ? spinner : 0] = true;
            lacks = {};
            phase = 1;
        } else if (verb == "CMD_nextplayer") {
            const int seat = num(), phase = num();
            if (seat != nextSeat(lastTurn) || phase != (footPhase() ? 1 : 2))
                fail("wrong turn or phase", line);
            std::string markers;
            for (int toe = 1; toe <= 3; ++toe)
                markers += footPhase() ? (board[toe][1].bone == 0 ? "t" : "f") : (firstEmpty(toe, 20) ? "t" : "f");
            for (int toe = 1; toe <= 3; ++toe)
                markers += "+" + std::to_string(footPhase() || !firstEmpty(toe, 20) ? 1 : firstEmpty(toe, 20));
            std::string sent;
            for (int field = 0; field < 6; ++field) {
                if (field >= 3)
                    sent += "+";
                sent += f.next();
            }
            if (sent != markers || f.rest() != "")
                fail("wrong toe markers", line);
            turn = lastTurn = seat;
            passed[seat] = false;
            turnOpen = true;
            this->phase = phase;
        } else if (verb == "CMD_heplayed" || verb == "CMD_double") {
            const int seat = num(), slot = num(), bone = num(), toe = num(), position = num();
            const bool flip = f.next() == "t";
            const int remaining = num();
            if (!turnOpen || seat != turn || slot < 1 || slot > 20 || toe < 1 || toe > 3 || bone < 1 || bone > 55 ||
                hands[seat][slot] != bone)
                return fail("play out of turn or of a bone not held", line);
            const bool foot = footPhase();
            const int pip = foot ? spinnerPip : (position >= 2 && position <= 40 ? openEnd(toe, position) : -1);
            const bool isDouble = kPips[bone].top == kPips[bone].bottom;
            if ((foot && (board[toe][1].bone != 0 || position != 1)) ||
                (!foot && position != firstEmpty(toe, 40)) || !shows(bone, pip) ||
                (verb == "CMD_double") != (!foot && isDouble) || flip != (kPips[bone].top != pip))
                fail("illegal play", line);
            hands[seat][slot] = 0;
            gone[bone] = true;
            if (remaining != left(seat))
                fail("wrong bones left", line);
            if (verb == "CMD_double") {
                pendingDouble = bone;
            } else {
                board[toe][position] = {bone, flip};
                passed = {};
            }
            ++plays;
            turnOpen = false;
            lastMover = seat;
            endExpected = remaining == 0;
        } else if (verb == "CMD_beginagain") {
            if (num() != pendingDouble)
                fail("wrong new spinner", line);
            board = {};
            spinnerPip = kPips[pendingDouble].top;
        } else if (verb == "CMD_hepassed") {
            const int seat = num();
            if (!turnOpen || seat != turn || canPlay(seat))
                fail("pass out of turn or with a bone that fits", line);
            passed[seat] = true;
            if (footPhase()) {
                lacks[seat] |= static_cast<std::uint16_t>(1u << spinnerPip);
            } else {
                for (int toe = 1; toe <= 3; ++toe)
                    if (const int p = firstEmpty(toe, 40); p >= 2)
                        lacks[seat] |= static_cast<std::uint16_t>(1u << openEnd(toe, p));
            }
            turnOpen = false;
            ++passes;
            lastMover = seat;
            bool all = true;
            for (int s = 1; s <= 6; ++s)
                all &= !inGame[s] || passed[s];
            endExpected = all;
        } else if (verb == "CMD_endround") {
            const int out = num();
            if (!endExpected || out != (left(lastMover) == 0 ? lastMover : 0))
                fail("wrong end of round", line);
            endExpected = false;
            for (int s = 1; s <= 6; ++s) {
                if (!inGame[s])
                    continue;
                int score = s == out ? -20 : 0;
                for (int slot = 1; slot <= 20; ++slot)
                    score += kPips[hands[s][slot]].top + kPips[hands[s][slot]].bottom;
                totals[s] += score;
                if (num() != s || num() != score || num() != totals[s])
                    fail("wrong score or total", line);
            }
            if (!f.empty())
                fail("extra score entries", line);
            ++rounds;
            turnOpen = false;
        } else if (verb == "CMD_tiegame" || verb == "CMD_winner") {
            int best = 1;
            bool shared = false;
            for (int s = 2; s <= 6; ++s)
                if (inGame[s] && totals[s] < totals[best])
                    best = s;
            for (int s = 1; s <= 6; ++s)
                shared |= s != best && inGame[s] && totals[s] == totals[best];
            if (round != roundsToPlay || shared != (verb == "CMD_tiegame"))
                fail("wrong end of game", line);
            if (verb == "CMD_winner") {
                if (f.next() != "P" + std::to_string(best))
                    fail("wrong winner", line);
                finished = true;
                winner = best;
            }
            tie = true;
        }
    }
};

inline bool sameView(const host::SeatView& a, const host::SeatView& b)
{
    for (int toe = 1; toe <= 3; ++toe)
        for (int p = 1; p <= 40; ++p)
            if (a.board.cell(toe, p).bone != b.board.cell(toe, p).bone ||
                a.board.cell(toe, p).flip != b.board.cell(toe, p).flip)
                return false;
    return a.seat == b.seat && a.hand == b.hand && a.inGame == b.inGame && a.bonesLeft == b.bonesLeft &&
           a.passed == b.passed && a.lacks == b.lacks && a.gone == b.gone && a.phase == b.phase &&
           a.spinnerPip == b.spinnerPip;
}

// The host's world in a simulation, every message going to the checker.
class CheckingIo : public host::SimulatedIo {
public:
    Checker checker;
    void send(int n, const std::string& wire) override { checker.seen(n, wire); }
};

// Seats 1 to `seats` log in as P1, P2, ..., P1 starts a game of `rounds` rounds (newcomers cannot
// play), and every seat just watches, so the computer plays the whole game.
inline void startComputerGame(host::Engine& engine, int seats, int rounds)
{
    for (int n = 1; n <= seats; ++n) {
        engine.connectionAccepted(engine.numberForNewConnection());
        host::say(engine, n, "CMD_logininfo+" + std::to_string(n) + "+1.0.4+P" + std::to_string(n));
    }
    host::say(engine, 1, "CMD_startgame+P1+" + std::to_string(rounds) + "+1+");
    for (int s = seats; s >= 1; --s)
        host::say(engine, 1, "CMD_justwatch+" + std::to_string(s) + "+1");
}

} // namespace benchcheck
