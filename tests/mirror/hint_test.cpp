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
            say(n, "CMD_logininfo+" + std::to_string(n) + "+1.0.4+P" + std::to_string(n));
        }
        say(1, "CMD_startgame+P1+3+1+");
        for (int n = 2; n <= seats; ++n)
            say(n, "CMD_justwatch+" + std::to_string(n) + "+1");
    }

    void say(int n, const std::string& line)
    {
        host::say(engine, n, line);
        deliver();
    }
    void propose(int n, const std::optional<game::Message>& message)
    {
        ASSERT_TRUE(message);
        say(n, message->wire().substr(0, message->wire().size() - 1));
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
        heard.insert(heard.end(), log.begin(), log.end());
        return log;
    }
    // The seat whose move it is, 0 during a pause or after the game.
    int turn() const { return engine.state().gameRunning && engine.state().turnOpen ? engine.state().turnSeat : 0; }
    // Pauses and computer moves until a seat may move or the game is over.
    void untilTurn()
    {
        for (int steps = 0; steps < 100 && engine.state().gameRunning && turn() == 0; ++steps) {
            engine.timer1Timer();
            deliver();
        }
    }
    // Seat 1 plays its hint as Enter would after it: raise the bone, play on the marker, or pass.
    void playHint(const Hint& hint)
    {
        TableMirror& own = *tables[1];
        if (hint.pass) {
            propose(1, own.pass());
            return;
        }
        ASSERT_TRUE(own.raiseOnly(hint.slot));
        propose(1, own.playOn(hint.toe));
    }
    // The computer's move for a watching seat, as every table hears it.
    hosttest::Transcript computerMove()
    {
        engine.computertimerTimer();
        return deliver();
    }

    hosttest::Recorder io;
    host::Engine engine;
    std::array<std::unique_ptr<TableMirror>, host::kSeats + 1> tables;
    hosttest::Transcript heard;
};

// What the host's log shows for that hint's move by the seat.
std::string moveText(int seat, const Hint& hint, bool isDouble)
{
    if (hint.pass)
        return "CMD_hepassed+" + std::to_string(seat) + "+";
    return std::string(isDouble ? "CMD_double+" : "CMD_heplayed+") + std::to_string(seat) + "+" +
           std::to_string(hint.slot) + "+" + std::to_string(hint.bone) + "+" + std::to_string(hint.toe) + "+" +
           std::to_string(hint.position) + "+";
}

bool heardMove(const hosttest::Transcript& log, int seat, const Hint& hint)
{
    return contains(log, moveText(seat, hint, false)) || contains(log, moveText(seat, hint, true));
}

// A legal play by the host's own rules, or a pass with nothing that fits.
std::string illegal(const host::Engine& engine, int seat, const Hint& hint)
{
    const auto& state = engine.state();
    const auto plays = host::legalPlays(engine.seatView(seat));
    if (hint.pass)
        return plays.empty() ? "" : "passes with a play";
    if (hint.slot < 1 || hint.slot > host::kHandSlots || state.seat(seat).hand[hint.slot - 1] != hint.bone)
        return "a bone the seat does not hold";
    const bool shows = [&] {
        const int pip = state.board.isToeEmpty(hint.toe) ? state.spinner
                                                         : game::outwardPip(state.board.cell(hint.toe, hint.position - 1));
        return game::gettopnum(hint.bone) == pip || game::getbotnum(hint.bone) == pip;
    }();
    if (state.board.firstEmpty(hint.toe) != hint.position || !shows)
        return "a bone that does not fit there";
    if (state.phase == 1 && !state.board.isToeEmpty(hint.toe))
        return "a toe that is not empty in the foot phase";
    return "";
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
            for (int steps = 0; steps < 5000 && game.engine.state().gameRunning && !testing::Test::HasFatalFailure(); ++steps) {
                game.untilTurn();
                const int seat = game.turn();
                if (seat == 0)
                    break;
                const TableMirror& table = *game.tables[seat];
                const auto hint = mirror::hintNow(table);
                ASSERT_TRUE(hint) << "seat " << seat << " may move but gets no hint";
                ASSERT_EQ(illegal(game.engine, seat, *hint), "") << hint->text;
                EXPECT_EQ(hint->text, hint->pass ? "Hint: pass"
                                                 : "Hint: " + std::to_string(std::max(game::gettopnum(hint->bone), game::getbotnum(hint->bone))) +
                                                       "|" + std::to_string(std::min(game::gettopnum(hint->bone), game::getbotnum(hint->bone))) +
                                                       " on toe " + std::to_string(hint->toe));
                passes += hint->pass;
                if (seat == 1) {
                    host::StrongPlayer strong;
                    const auto move = strong.choose(game.engine.seatView(1), ownTurns++);
                    EXPECT_TRUE(sameMove(*hint, move)) << hint->text << " at seat 1's move " << ownTurns;
                    choices += strong.lastScores().size() > 1;
                    game.playHint(*hint);
                    const auto answer = game.heard;
                    EXPECT_TRUE(heardMove(answer, 1, *hint)) << hint->text;
                    EXPECT_FALSE(contains(answer, "CMD_noplay")) << hint->text;
                } else {
                    const auto answer = game.computerMove();
                    EXPECT_TRUE(heardMove(answer, seat, *hint)) << "the host's computer did not play " << hint->text;
                    ++watchedMoves;
                }
                game.heard.clear();
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
            bool found = false;
            for (int steps = 0; steps < 3000 && !found && a.engine.state().gameRunning; ++steps) {
                a.untilTurn();
                b.untilTurn();
                const int seat = a.turn();
                ASSERT_EQ(b.turn(), seat);
                if (seat == 0)
                    break;
                if (seat == watcher && host::legalPlays(a.engine.seatView(seat)).size() > 1 && skip-- <= 0) {
                    found = true;
                    break;
                }
                if (seat == 1) {
                    const auto hint = mirror::hintNow(*a.tables[1]);
                    ASSERT_TRUE(hint);
                    a.playHint(*hint);
                    b.playHint(*hint);
                } else {
                    a.computerMove();
                    b.computerMove();
                }
                ASSERT_EQ(a.heard, b.heard);
                a.heard.clear();
                b.heard.clear();
            }
            if (!found)
                continue;

            auto& hidden = b.engine.stateForTest();
            std::vector<int*> places;
            for (int s = 1; s <= host::kSeats; ++s)
                if (s != watcher && hidden.seat(s).inGame)
                    for (int& bone : hidden.seat(s).hand)
                        if (bone != 0)
                            places.push_back(&bone);
            for (int p = hidden.dealPosition; p < game::kBoneCount - 1; ++p)
                places.push_back(&hidden.deck[p]);
            std::vector<int> bones;
            for (int* place : places)
                bones.push_back(*place);
            const auto before = bones;
            std::shuffle(bones.begin(), bones.end(), shuffler);
            ASSERT_NE(bones, before);
            for (std::size_t k = 0; k < places.size(); ++k)
                *places[k] = bones[k];

            const auto hintA = mirror::hintNow(*a.tables[watcher]);
            const auto hintB = mirror::hintNow(*b.tables[watcher]);
            ASSERT_TRUE(hintA && hintB);
            EXPECT_EQ(hintA->text, hintB->text);
            EXPECT_TRUE(sameMove(*hintB, {hintA->pass, hintA->slot, hintA->toe, hintA->position}));
            EXPECT_TRUE(heardMove(a.computerMove(), watcher, *hintA)) << hintA->text;
            EXPECT_TRUE(heardMove(b.computerMove(), watcher, *hintB)) << hintB->text;
            ++positions;
        }
    EXPECT_GE(positions, 15);
}

// The question is taken at one position and answered after the game moved on: the answer is dropped.
TEST(Hint, AnAnswerForAnEarlierPositionIsDropped)
{
    HintedGame game(3, 5);
    game.untilTurn();
    ASSERT_EQ(game.turn(), 1);
    TableMirror& own = *game.tables[1];
    const auto question = mirror::askHint(own);
    ASSERT_TRUE(question);
    const auto thought = mirror::thinkHint(*question);
    ASSERT_TRUE(mirror::readHint(own, *question, thought)) << "still current";
    EXPECT_FALSE(mirror::askHint(*game.tables[2])) << "not seat 2's turn";

    // A play on its way ends the player's turn at once; a refusal gives it back, same position.
    ASSERT_TRUE(own.raiseOnly(own.state().hand.place(1).slot));
    ASSERT_TRUE(own.playOn(1));
    EXPECT_FALSE(mirror::readHint(own, *question, thought));
    own.handle("CMD_noplay+1+");
    EXPECT_TRUE(mirror::readHint(own, *question, thought));
    // Any other move of the game makes it stale, though the turn comes back to the seat.
    own.handle("CMD_nextplayer+1+1+t+t+t+1+1+1+");
    EXPECT_FALSE(mirror::readHint(own, *question, thought));
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
        const int held = game::boneNumber(4, 8);
        table.handle("CMD_dealmybones+1+1+" + std::to_string(held));
        // Toe 1: 21 bones, the last showing 4 outward; toe 2 ends in 4 or 5, toe 3 in 6.
        std::vector<int> toe1;
        for (int bone = 1; static_cast<int>(toe1.size()) < 20; ++bone)
            if (bone != held && bone != 55 && game::getbotnum(bone) != 4 && game::getbotnum(bone) != 5)
                toe1.push_back(bone);
        toe1.push_back(game::boneNumber(0, 4));
        const auto play = [&](int bone, int toe, int position) {
            table.handle("CMD_heplayed+2+1+" + std::to_string(bone) + "+" + std::to_string(toe) + "+" +
                         std::to_string(position) + "+f+9+");
        };
        for (int position = 1; position <= 21; ++position)
            play(toe1[position - 1], 1, position);
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
