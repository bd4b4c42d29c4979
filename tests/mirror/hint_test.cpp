// The hint over whole seeded games against the real host engine: always a play the host accepts or
// a forced pass, the strong player's own choice for the seat's view and decision number, the very
// move the host's strong computer makes for a seat that just watches, and blind to the bones the
// seat cannot see.

#include "host/host_fixture.h"
#include "host/simulatedio.h"
#include "mirror/hint.h"

#include "game/bones.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <random>

using mirror::Hint;
using mirror::TableMirror;

namespace {

bool contains(const hosttest::Transcript& log, const std::string& part)
{
    return std::any_of(log.begin(), log.end(), [&](const std::string& line) { return line.find(part) != std::string::npos; });
}

struct Move {
    int seat;
    Hint hint;
    host::SeatView view; // the engine's view of the seat when it was hinted
    hosttest::Transcript answer;
};

// A table of `seats` connections, each with its mirror fed exactly the lines sent to it. Seat 1's
// player plays every hint; the host's strong computer plays the others, which just watch.
class HintedGame {
public:
    HintedGame(int seats, std::uint32_t seed) : engine(io, seed)
    {
        io.engine = &engine;
        io.skill = 1;
        for (int n = 1; n <= seats; ++n) {
            tables[n] = std::make_unique<TableMirror>();
            engine.connectionAccepted(engine.numberForNewConnection());
            host::say(engine, n, "CMD_logininfo+" + std::to_string(n) + "+1.0.4+P" + std::to_string(n));
        }
        host::say(engine, 1, "CMD_startgame+P1+3+1+");
        for (int n = 2; n <= seats; ++n)
            host::say(engine, n, "CMD_justwatch+" + std::to_string(n) + "+1");
        deliver();
    }
    // The lines since the last call, after handing each to its table.
    hosttest::Transcript deliver()
    {
        const auto log = io.take();
        for (const auto& entry : log) {
            const auto space = entry.find(' ');
            const auto n = game::parseInt(std::string_view(entry).substr(0, space));
            if (n && *n >= 1 && *n <= host::kSeats && tables[*n])
                tables[*n]->handle(entry.substr(space + 1));
        }
        return log;
    }
    // The seat to move after any pause; 0 once the game is over.
    int nextSeat()
    {
        for (int steps = 0; steps < 100 && engine.state().gameRunning && !engine.state().turnOpen; ++steps) {
            engine.timer1Timer();
            deliver();
        }
        return engine.state().gameRunning && engine.state().turnOpen ? engine.state().turnSeat : 0;
    }
    // The hint of the seat to move; then seat 1 plays it as Enter would, or the computer moves.
    std::optional<Move> step()
    {
        const int seat = nextSeat();
        const auto hint = seat != 0 ? mirror::hintNow(*tables[seat]) : std::nullopt;
        if (!hint) {
            EXPECT_EQ(seat, 0) << "seat " << seat << " may move but gets no hint";
            return std::nullopt;
        }
        Move move{seat, *hint, engine.seatView(seat), {}};
        TableMirror& own = *tables[seat];
        if (seat != 1)
            engine.computertimerTimer();
        else if (const auto message = hint->pass || !own.raiseOnly(hint->slot) ? own.pass() : own.playOn(hint->toe))
            host::say(engine, 1, message->wire().substr(0, message->wire().size() - 1));
        move.answer = deliver();
        return move;
    }

    hosttest::Recorder io;
    host::Engine engine;
    std::array<std::unique_ptr<TableMirror>, host::kSeats + 1> tables;
};

// Whether the host announced that hint's move by the seat.
bool heardMove(const hosttest::Transcript& log, int seat, const Hint& hint)
{
    const std::string s = std::to_string(seat) + "+";
    if (hint.pass)
        return contains(log, "CMD_hepassed+" + s);
    const std::string fields = s + std::to_string(hint.slot) + "+" + std::to_string(hint.bone) + "+" +
                               std::to_string(hint.toe) + "+" + std::to_string(hint.position) + "+";
    return contains(log, "CMD_heplayed+" + fields) || contains(log, "CMD_double+" + fields);
}

bool sameMove(const Hint& hint, const host::ComputerMove& move)
{
    return hint.pass ? move.pass : !move.pass && move.slot == hint.slot && move.toe == hint.toe && move.position == hint.position;
}

} // namespace

TEST(Hint, OverWholeGamesIsTheStrongPlayersLegalChoiceAndTheHostsOwnMoveForAWatchingSeat)
{
    for (int seats = 2; seats <= 6; ++seats)
        for (std::uint32_t seed : {3u, 4u}) {
            SCOPED_TRACE(std::to_string(seats) + " seats, seed " + std::to_string(seed));
            HintedGame game(seats, seed);
            std::uint64_t ownTurns = 0;
            int choices = 0, watchedMoves = 0, passes = 0;
            for (int moves = 0; moves < 5000; ++moves) {
                const auto move = game.step();
                if (!move)
                    break;
                const Hint& hint = move->hint;
                // The host takes the play (a watching seat's computer makes that very move); a
                // pass only when nothing fits.
                EXPECT_TRUE(heardMove(move->answer, move->seat, hint)) << hint.text << " by seat " << move->seat;
                EXPECT_FALSE(contains(move->answer, "CMD_noplay")) << hint.text;
                EXPECT_EQ(hint.pass, host::legalPlays(move->view).empty()) << hint.text;
                passes += hint.pass;
                if (move->seat == 1) {
                    host::StrongPlayer strong;
                    EXPECT_TRUE(sameMove(hint, strong.choose(move->view, ownTurns++))) << hint.text << ", move " << ownTurns;
                    choices += strong.lastScores().size() > 1;
                } else {
                    ++watchedMoves;
                }
            }
            EXPECT_FALSE(game.engine.state().gameRunning);
            EXPECT_GE(choices, 5);
            EXPECT_GE(watchedMoves, 10);
            EXPECT_GE(passes, 1);
        }
}

// Two hosts dealt alike reach the same position at the last seat's turn; in the second the bones
// that seat cannot see (the other hands and the undealt rest) are shuffled among themselves. Its
// table's hint must be the same on both, and both hosts' strong computers must make that move.
TEST(Hint, IsTheSameWhateverTheBonesTheSeatCannotSee)
{
    int positions = 0;
    std::mt19937 shuffler(7);
    for (int seats = 2; seats <= 4; ++seats)
        for (std::uint32_t seed = 20; seed < 28; ++seed) {
            SCOPED_TRACE(std::to_string(seats) + " seats, seed " + std::to_string(seed));
            HintedGame a(seats, seed), b(seats, seed);
            const int watcher = seats;
            // A different point in each game, and a real choice there.
            int skip = static_cast<int>(seed * 5 % 9);
            while (a.nextSeat() != 0 && b.nextSeat() == a.nextSeat() &&
                   (a.nextSeat() != watcher || host::legalPlays(a.engine.seatView(watcher)).size() < 2 || skip-- > 0)) {
                const auto moveA = a.step(), moveB = b.step();
                ASSERT_TRUE(moveA && moveB);
                ASSERT_EQ(moveA->answer, moveB->answer);
            }
            if (a.nextSeat() != watcher)
                continue;

            auto& hidden = b.engine.stateForTest();
            std::vector<int*> places;
            for (int s = 1; s <= host::kSeats; ++s)
                for (int& bone : hidden.seat(s).hand)
                    if (s != watcher && bone != 0)
                        places.push_back(&bone);
            for (int p = hidden.dealPosition; p < game::kBoneCount - 1; ++p)
                places.push_back(&hidden.deck[p]);
            auto shuffled = places;
            std::shuffle(shuffled.begin(), shuffled.end(), shuffler);
            std::vector<int> bones;
            for (int* place : shuffled)
                bones.push_back(*place);
            for (std::size_t k = 0; k < places.size(); ++k)
                *places[k] = bones[k];
            ASSERT_NE(shuffled, places);

            const auto moveA = a.step(), moveB = b.step();
            ASSERT_TRUE(moveA && moveB);
            EXPECT_EQ(moveA->hint.text, moveB->hint.text);
            EXPECT_TRUE(sameMove(moveB->hint, {moveA->hint.pass, moveA->hint.slot, moveA->hint.toe, moveA->hint.position}));
            EXPECT_TRUE(heardMove(moveA->answer, watcher, moveA->hint)) << moveA->hint.text;
            EXPECT_TRUE(heardMove(moveB->answer, watcher, moveB->hint)) << moveB->hint.text;
            ++positions;
        }
    EXPECT_GE(positions, 15);
}

// A toe longer than the markers reach (the host offers none past place 20): the strong player may
// choose it, as the host's computer may play there; the table cannot, so the hint moves the same
// play to an offered toe with the same open end, or says pass when there is none.
TEST(Hint, APlayBeyondTheMarkersGoesOnAnOfferedToeThatEndsAlikeOrBecomesAPass)
{
    for (const int secondEnd : {4, 5}) {
        SCOPED_TRACE("toe 2 ends in " + std::to_string(secondEnd));
        TableMirror table;
        table.handle("CMD_sendlogininfo+1");
        table.handle("CMD_startround+1+55+5+1+t+2+t");
        table.handle("CMD_dealmybones+1+1+" + std::to_string(game::boneNumber(4, 8)));
        const auto play = [&](int bone, int toe, int position) {
            table.handle("CMD_heplayed+2+1+" + std::to_string(bone) + "+" + std::to_string(toe) + "+" +
                         std::to_string(position) + "+f+9+");
        };
        // Toe 1: 21 bones, the last showing 4 outward; toe 2 ends in 4 or 5, toe 3 in 6.
        const auto lacks45 = [](int bone) { return game::gettopnum(bone) % 6 < 4 && game::getbotnum(bone) % 6 < 4; };
        int position = 0;
        for (int bone = 1; bone <= game::kBoneCount && position < 20; ++bone)
            if (!game::isDouble(bone) && lacks45(bone) && bone != game::boneNumber(2, 6))
                play(bone, 1, ++position);
        ASSERT_EQ(position, 20);
        play(game::boneNumber(0, 4), 1, 21);
        play(game::boneNumber(1, secondEnd), 2, 1);
        play(game::boneNumber(2, 6), 3, 1);
        table.handle("CMD_nextplayer+1+2+f+t+t+0+2+2+");
        ASSERT_EQ(table.markerPip(2), secondEnd);

        const auto choice = host::StrongPlayer().choose(table.seatView(), 0);
        ASSERT_EQ(choice, (host::ComputerMove{false, 1, 1, 22})) << "the only play the rules allow";
        const auto hint = mirror::hintNow(table);
        ASSERT_TRUE(hint);
        if (secondEnd == 4) {
            EXPECT_EQ(hint->text, "Hint: 8|4 on toe 2");
            EXPECT_EQ(std::make_tuple(hint->slot, hint->toe, hint->position), std::make_tuple(1, 2, 2));
        } else {
            EXPECT_EQ(hint->text, "Hint: pass");
            EXPECT_TRUE(hint->pass);
        }
    }
}
