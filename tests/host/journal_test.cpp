// The journal: the state of whole seeded games round-trips at every step, a game taken up from it
// ends exactly as the uninterrupted one, damaged and hostile journals are refused, and the file
// comes and goes with the game.

#include "host_fixture.h"

#include "game/bones.h"
#include "host/journal.h"
#include "host/simulatedio.h"

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>

using namespace hosttest;

namespace {

// A simulated host world that keeps every message, as "<n> <wire>".
class KeepingIo : public host::SimulatedIo {
public:
    std::vector<std::string> sent;
    void send(int n, const std::string& wire) override { sent.push_back(std::to_string(n) + " " + wire); }
};

struct Snapshot {
    std::string text;
    std::size_t sentBefore = 0;  // messages sent when it was written
    std::array<host::ConnectionRecord, host::kConnections + 1> records;
};

class KeepingSink : public host::JournalSink {
public:
    const host::Engine* engine = nullptr;
    const KeepingIo* io = nullptr;
    std::vector<Snapshot> saved;
    int finishedCount = 0;
    void save(const std::string& text) override
    {
        Snapshot snapshot{text, io->sent.size(), {}};
        for (int n = 1; n <= host::kConnections; ++n)
            snapshot.records[n] = engine->state().records[n];
        saved.push_back(std::move(snapshot));
    }
    void finished() override { ++finishedCount; }
};

// Seats 1..seats log in and P1 starts a game; every seat then just watches.
void startWatchedGame(host::Engine& engine, int seats, int rounds)
{
    for (int n = 1; n <= seats; ++n) {
        engine.connectionAccepted(engine.numberForNewConnection());
        host::say(engine, n, "CMD_logininfo+" + std::to_string(n) + "+1.0.4+P" + std::to_string(n));
    }
    host::say(engine, 1, "CMD_startgame+P1+" + std::to_string(rounds) + "+3+");
    for (int s = seats; s >= 1; --s)
        host::say(engine, 1, "CMD_justwatch+" + std::to_string(s) + "+1");
}

void playOut(host::Engine& engine, const KeepingIo& io)
{
    for (int steps = 0; steps < 1000000 && engine.state().gameRunning; ++steps)
        if (!host::fireDueTimer(engine, io))
            break;
}

// A journal from the middle of a seeded game, and the state it holds.
host::JournalState midGame(int seats, std::uint32_t seed, std::size_t which = 40)
{
    KeepingIo io;
    host::Engine engine(io, seed);
    KeepingSink sink;
    sink.engine = &engine;
    sink.io = &io;
    startWatchedGame(engine, seats, 3);
    engine.setJournal(&sink);
    playOut(engine, io);
    // One where a seat is to move on a board that holds bones.
    for (std::size_t k = which; k < sink.saved.size(); ++k) {
        const auto journal = host::readJournal(sink.saved[k].text);
        EXPECT_TRUE(journal.has_value());
        if (journal && journal->state.turnOpen && !journal->state.board.isEmpty())
            return *journal;
    }
    ADD_FAILURE() << "no journal mid-round";
    return {};
}

bool refused(const host::JournalState& journal, const char* what)
{
    std::string why;
    const bool refusedIt = !host::readJournal(host::writeJournal(journal), &why).has_value();
    EXPECT_TRUE(refusedIt) << what;
    EXPECT_TRUE(!refusedIt || !why.empty()) << what;
    return refusedIt;
}

std::filesystem::path freshFolder(const std::string& name)
{
    const auto folder = std::filesystem::temp_directory_path() / ("tilvaro-" + name + "-" + std::to_string(::getpid()));
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return folder;
}

} // namespace

TEST(Journal, RoundTripsAtEveryStepAndAResumedGameEndsExactlyAsTheUninterruptedOne)
{
    for (int seats = 2; seats <= 6; ++seats) {
        const std::uint32_t seed = 1000u + static_cast<std::uint32_t>(seats) * 7919u;
        KeepingIo io;
        host::Engine engine(io, seed);
        KeepingSink sink;
        sink.engine = &engine;
        sink.io = &io;
        startWatchedGame(engine, seats, 4);
        engine.setJournal(&sink);
        // The strong computer's choices come from the generator too; it is slow, so one seat count.
        io.skill = seats == 3 ? 1 : 0;
        const std::size_t playOutEvery = io.skill == 1 ? 15 : 1;
        playOut(engine, io);
        ASSERT_FALSE(engine.state().gameRunning) << seats;
        EXPECT_EQ(sink.finishedCount, 1) << seats;
        ASSERT_GT(sink.saved.size(), 30u) << seats;

        for (std::size_t k = 0; k < sink.saved.size(); ++k) {
            const Snapshot& snapshot = sink.saved[k];
            std::string why;
            const auto journal = host::readJournal(snapshot.text, &why);
            ASSERT_TRUE(journal.has_value()) << seats << " seats, step " << k << ": " << why << "\n" << snapshot.text;
            ASSERT_EQ(host::writeJournal(*journal), snapshot.text) << seats << " seats, step " << k;

            KeepingIo again;
            again.skill = io.skill;
            host::Engine resumed(again, 99);
            ASSERT_TRUE(resumed.resume(*journal));
            ASSERT_EQ(host::writeJournal(resumed.journalState()), snapshot.text);
            if (k % playOutEvery != 0 && k + 1 != sink.saved.size())
                continue;
            // The same tables, back as they were, and the same computer moves from here on.
            for (int n = 1; n <= host::kConnections; ++n) {
                auto& record = resumed.stateForTest().records[n];
                record.open = snapshot.records[n].open;
                record.name = snapshot.records[n].name;
                record.watching = snapshot.records[n].watching;
            }
            playOut(resumed, again);
            const std::vector<std::string> rest(io.sent.begin() + static_cast<std::ptrdiff_t>(snapshot.sentBefore),
                                                io.sent.end());
            ASSERT_EQ(again.sent, rest) << seats << " seats, resumed at step " << k;
        }
    }
}

TEST(Journal, DamagedTruncatedOrHostileJournalsAreRefused)
{
    const host::JournalState good = midGame(4, 77);
    const std::string text = host::writeJournal(good);
    ASSERT_TRUE(host::readJournal(text).has_value());

    for (std::size_t length = 0; length < text.size(); ++length)
        EXPECT_FALSE(host::readJournal(text.substr(0, length)).has_value()) << "cut at " << length;
    for (std::size_t at = 0; at < text.size(); ++at) {
        std::string damaged = text;
        damaged[at] = static_cast<char>(damaged[at] ^ 0x04);
        EXPECT_FALSE(host::readJournal(damaged).has_value()) << "byte " << at;
    }
    EXPECT_FALSE(host::readJournal(text + "x").has_value());
    EXPECT_FALSE(host::readJournal("tilvaro-journal 2" + text.substr(text.find('\n'))).has_value());

    // Correctly summed, but no game could be in that state.
    int holder = 0, other = 0;
    for (int s = 1; s <= host::kSeats; ++s)
        if (good.state.seat(s).bonesLeft() > 1)
            (holder == 0 ? holder : other) = s;
    ASSERT_NE(other, 0);
    const auto slotOf = [&](int seat) {
        for (int slot = 0; slot < host::kHandSlots; ++slot)
            if (good.state.seat(seat).hand[slot] != 0)
                return slot;
        return -1;
    };
    auto bad = good;
    bad.state.seat(other).hand[slotOf(other)] = good.state.seat(holder).hand[slotOf(holder)];
    refused(bad, "a bone in two hands");
    bad = good;
    std::swap(bad.state.seat(holder).hand[slotOf(holder)], bad.state.seat(holder).hand[19]);
    refused(bad, "a bone moved to another slot");
    bad = good;
    bad.state.board.place(1, bad.state.board.firstEmpty(1), good.state.seat(holder).hand[slotOf(holder)], false);
    refused(bad, "a bone both in a hand and on the board");
    bad = good;
    bad.state.turnSeat = 6;  // four seats play
    refused(bad, "turn seat not in the game");
    bad = good;
    bad.state.seat(3).total = 2000000;
    refused(bad, "a total out of range");
    bad = good;
    bad.state.round = 4;
    refused(bad, "a round after the last");
    bad = good;
    bad.state.seat(2).holder = "Eve+1+x";
    refused(bad, "a name no login gives");
    bad = good;
    bad.state.spinner = (good.state.spinner + 1) % 10;
    refused(bad, "a spinner the toes do not start from");
    bad = good;
    std::swap(bad.state.deck[0], bad.state.deck[54]);
    refused(bad, "a deck without the round's double at its end");
    bad = good;
    bad.state.deck[3] = bad.state.deck[4];
    refused(bad, "a deck with a bone twice");
    bad = good;
    bad.state.pending = host::Timer1Action::StartRound;
    refused(bad, "a pause while the turn is open");
    bad = good;
    bad.state.seat(1).inGame = false;
    refused(bad, "the host's seat out of the game");

    // The engine takes up only a plausible game, and only before anyone has connected.
    KeepingIo io;
    host::Engine engine(io, 5);
    bad = good;
    bad.state.turnOpen = false;
    EXPECT_FALSE(engine.resume(bad));
    engine.connectionAccepted(engine.numberForNewConnection());
    EXPECT_FALSE(engine.resume(good));
    EXPECT_FALSE(engine.state().gameRunning);
}

TEST_F(HostTest, PlayersBackFromAJournalGetTheirSeatsHandsAndTurn)
{
    table(3);
    start("5");
    // Seat 1 just watches, so the turn moves on; then the host goes down with seat 2 to move.
    const auto& s = state();
    ASSERT_EQ(s.turnSeat, 1);
    feed(1, "CMD_justwatch+1+1");
    ASSERT_EQ(s.turnSeat, 2);
    const host::JournalState journal = engine.journalState();
    const auto hands = std::array{journal.state.seat(1).hand, journal.state.seat(2).hand, journal.state.seat(3).hand};
    ASSERT_EQ(host::journalPlayers(journal.state), (std::vector<std::string>{"P1", "P2", "P3"}));

    Recorder again;
    host::Engine resumed(again, 3);
    again.engine = &resumed;
    ASSERT_TRUE(resumed.resume(*host::readJournal(host::writeJournal(journal))));
    EXPECT_EQ(again.take(), (Transcript{"computer 15000"}));  // a while for seat 2 to come back

    // P3 arrives first and is moved to seat 3; P2 gets seat 2 with the turn.
    resumed.connectionAccepted(resumed.numberForNewConnection());
    resumed.Sock1Read(1, "CMD_logininfo+1+1.0.4+P1\xFF");
    resumed.socktimerTimer();
    resumed.connectionAccepted(resumed.numberForNewConnection());
    resumed.Sock1Read(2, "CMD_logininfo+2+1.0.4+P3\xFF");
    resumed.socktimerTimer();
    resumed.Sock1Read(3, "CMD_logininfo+3+1.0.4+P3\xFF");
    resumed.socktimerTimer();
    resumed.connectionAccepted(resumed.numberForNewConnection());
    resumed.Sock1Read(2, "CMD_logininfo+2+1.0.4+P2\xFF");
    resumed.socktimerTimer();
    const auto log = again.take();
    const auto handOf = [&](int seat) {
        std::string line = std::to_string(seat) + " CMD_dealmybones+" + std::to_string(seat);
        for (int slot = 1; slot <= host::kHandSlots; ++slot)
            if (const int bone = hands[seat - 1][slot - 1])
                line += "+" + std::to_string(slot) + "+" + std::to_string(bone);
        return line;
    };
    for (int seat = 1; seat <= 3; ++seat)
        EXPECT_EQ(std::count(log.begin(), log.end(), handOf(seat)), 1) << seat;
    EXPECT_EQ(std::count(log.begin(), log.end(), "renumber 2 3"), 1);
    // Seat 2 is to move: its player hears so, and the computer's pending move leaves it to them.
    const std::string offer = "2 CMD_nextplayer+2+" + std::to_string(s.phase);
    EXPECT_EQ(std::count_if(log.begin(), log.end(), [&](const std::string& l) { return l.rfind(offer, 0) == 0; }), 1);
    resumed.computertimerTimer();
    EXPECT_EQ(resumed.state().turnSeat, 2);
    EXPECT_EQ(resumed.state().seat(2).bonesLeft(), journal.state.seat(2).bonesLeft());
    resumed.Sock1Read(2, "CMD_hepasses+2+\xFF");
    resumed.socktimerTimer();
    EXPECT_EQ(resumed.state().turnSeat, 3);
}

TEST(JournalFile, IsWrittenWholeFollowsTheGameAndGoesWhenItEnds)
{
    const auto folder = freshFolder("journal");
    host::JournalFile file(folder / "game.journal");
    KeepingIo io;
    host::Engine engine(io, 4242);
    engine.setJournal(&file);
    startWatchedGame(engine, 3, 3);
    ASSERT_TRUE(file.load().has_value());
    EXPECT_EQ(file.load(), host::writeJournal(engine.journalState()));
    EXPECT_FALSE(std::filesystem::exists(folder / "game.journal.new"));
    EXPECT_LT(file.age().value_or(std::chrono::hours(1)), std::chrono::seconds(60));
    for (int moves = 0; moves < 20; ++moves)
        host::fireDueTimer(engine, io);
    EXPECT_EQ(file.load(), host::writeJournal(engine.journalState()));

    // Set aside, never overwritten: a second one gets a number.
    const auto aside = file.setAside("declined");
    EXPECT_EQ(aside, folder / "game.journal.declined");
    for (int ticks = 0; ticks < 100 && !file.load(); ++ticks)
        host::fireDueTimer(engine, io);
    ASSERT_TRUE(file.load().has_value());
    EXPECT_EQ(file.setAside("declined"), folder / "game.journal.declined.1");
    EXPECT_TRUE(std::filesystem::exists(aside));

    playOut(engine, io);
    EXPECT_FALSE(engine.state().gameRunning);
    EXPECT_FALSE(std::filesystem::exists(file.path()));
    EXPECT_FALSE(file.age().has_value());

    // A folder that is gone: the game goes on without a journal.
    host::JournalFile nowhere(folder / "missing" / "game.journal");
    nowhere.save("x");
    EXPECT_FALSE(nowhere.healthy());
    std::filesystem::remove_all(folder);
}
