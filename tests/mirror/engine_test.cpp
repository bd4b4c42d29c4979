// Whole seeded games between the real host engine and one mirror per connection, each fed exactly
// the lines its connection was sent. Some seats play through their mirror's proposals, the
// computer plays the rest. Whenever a seat may move, the view its mirror builds must be the view
// the engine would give the strong computer for that seat; after every exchange each mirror's
// board is the engine's, and at the end of every round the scores are.

#include "host/host_fixture.h"
#include "host/seat_view_difference.h"
#include "host/simulatedio.h"
#include "mirror/tablemirror.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>

using hosttest::difference;
using mirror::TableMirror;

namespace {

template <class E>
int count(const mirror::Events& events)
{
    int found = 0;
    for (const auto& event : events)
        found += std::holds_alternative<E>(event);
    return found;
}

class Evening {
public:
    explicit Evening(std::uint32_t seed) : engine_(io_, seed) { io_.engine = &engine_; }

    // A new table connects and logs in; a player coming back is moved to their seat and logs in
    // again under its number. Returns the table's number.
    int join(const std::string& name)
    {
        int n = engine_.numberForNewConnection();
        tables_[n] = std::make_unique<TableMirror>();
        dealtIn_[n] = false;
        doubleShown_[n].reset();
        heard_[n].clear();
        engine_.connectionAccepted(n);
        say(n, "CMD_logininfo+" + std::to_string(n) + "+1.0.4+" + name);
        if (!tables_[n]) {
            n = movedTo_;
            say(n, "CMD_logininfo+" + std::to_string(n) + "+1.0.4+" + name);
        }
        return n;
    }
    void leave(int n)
    {
        engine_.connectionLost(n);
        say(n, "");
        tables_[n].reset();
    }
    void say(int n, const std::string& line)
    {
        host::say(engine_, n, line);
        deliver();
    }
    // What a mirror proposed goes to the host exactly as built, terminator included.
    void propose(int n, const std::optional<game::Message>& message)
    {
        ASSERT_TRUE(message) << "seat " << n << " proposed nothing";
        engine_.Sock1Read(n, message->wire());
        while (engine_.queuedLines() > 0)
            engine_.socktimerTimer();
        deliver();
    }
    const TableMirror& table(int n) const { return *tables_.at(n); }
    const host::Engine& engine() const { return engine_; }
    int refusals() const { return refusals_; }
    int comparedTurns() const { return compared_; }
    int comparedTurnsOf(int seat) const { return comparedBy_.at(seat); }
    const mirror::Events& heard(int n) const { return heard_.at(n); }

    // Plays until the game ends; `players` move through their mirrors, the computer for the rest.
    void playOut(const std::set<int>& players, int steps = 20000)
    {
        for (; steps > 0 && engine_.state().gameRunning && !testing::Test::HasFatalFailure(); --steps) {
            const auto& host = engine_.state();
            if (host.turnOpen) {
                compareViews(host.turnSeat);
                if (players.count(host.turnSeat) && !host.seat(host.turnSeat).watching) {
                    moveFor(host.turnSeat);
                    continue;
                }
            }
            engine_.computertimerTimer();
            engine_.timer1Timer();
            deliver();
        }
    }

private:
    void deliver()
    {
        bool roundEnded = false;
        for (const std::string& entry : io_.take()) {
            const auto space = entry.find(' ');
            if (entry.starts_with("renumber ")) {
                const int from = std::stoi(entry.substr(space + 1)), to = std::stoi(entry.substr(entry.rfind(' ')));
                tables_[to] = std::move(tables_[from]);
                std::swap(dealtIn_[from], dealtIn_[to]);
                movedTo_ = to;
                continue;
            }
            const auto n = game::parseInt(std::string_view(entry).substr(0, space));
            if (!n || *n > host::kConnections || !tables_[*n])
                continue; // the recorder's notes of timers and closes
            const auto events = tables_[*n]->handle(entry.substr(space + 1));
            roundEnded = roundEnded || count<mirror::RoundEnded>(events) > 0;
            dealtIn_[*n] = dealtIn_[*n] || count<mirror::RoundStarted>(events) > 0;
            for (const auto& event : events) {
                if (const auto* play = std::get_if<mirror::Played>(&event); play && play->isDouble)
                    doubleShown_[*n] = *play;
                if (std::holds_alternative<mirror::RoundStarted>(event) || std::holds_alternative<mirror::SpinnerReloaded>(event))
                    doubleShown_[*n].reset();
            }
            auto& heard = heard_[*n];
            heard.insert(heard.end(), events.begin(), events.end());
        }
        for (int n = 1; n <= host::kConnections; ++n)
            if (tables_[n] && dealtIn_[n]) {
                // A double stays on its toe until the new spinner or the next round; the engine
                // takes it off the board at once.
                game::Board expected = engine_.state().board;
                if (const auto& play = doubleShown_[n])
                    expected.place(play->toe, play->position, play->bone, false);
                EXPECT_EQ(boardDifference(table(n).state().board, expected), "") << "table " << n;
            }
        if (roundEnded)
            compareScores();
    }

    static std::string boardDifference(const game::Board& a, const game::Board& b)
    {
        host::SeatView x, y;
        x.board = a;
        y.board = b;
        return difference(x, y);
    }

    void compareViews(int seat)
    {
        if (!tables_[seat] || !dealtIn_[seat])
            return;
        const TableMirror& own = table(seat);
        EXPECT_TRUE(own.ownTurn()) << "seat " << seat;
        EXPECT_TRUE(own.seat(seat).turn);
        ASSERT_EQ(difference(own.seatView(), engine_.seatView(seat)), "") << "seat " << seat << " at turn " << compared_;
        ++compared_;
        ++comparedBy_[seat];
    }

    void compareScores()
    {
        const auto& host = engine_.state();
        for (int n = 1; n <= host::kConnections; ++n)
            for (int s = 1; tables_[n] && dealtIn_[n] && s <= host::kSeats; ++s) {
                const auto& seat = table(n).seat(s);
                EXPECT_EQ(seat.total, host.seat(s).total) << "table " << n << ", seat " << s;
                if (host.seat(s).inGame) {
                    EXPECT_EQ(seat.roundScore, host.seat(s).roundScore) << "table " << n << ", seat " << s;
                }
                EXPECT_EQ(table(n).scoreSheet().current()->latestTotal(s).value_or(0), host.seat(s).total);
            }
    }

    // The player sorts the hand, raises a bone and clicks a marker. Once a game each player first
    // tries a bone that fits nowhere, which the host must refuse.
    void moveFor(int seat)
    {
        TableMirror& own = *tables_[seat];
        const auto& state = own.state();
        std::vector<host::ComputerMove> offered;
        for (const auto& play : host::legalPlays(own.seatView()))
            if (state.offeredToes[play.toe] && state.markers[play.toe].shown &&
                state.markers[play.toe].position == play.position)
                offered.push_back(play);
        own.sortHand();
        if (!triedRefusal_.count(seat) && !offered.empty()) {
            std::set<int> fitting;
            for (const auto& play : offered)
                fitting.insert(play.slot);
            for (int place = 1; place <= own.state().hand.count(); ++place)
                if (const int slot = own.state().hand.place(place).slot; !fitting.count(slot)) {
                    triedRefusal_.insert(seat);
                    ASSERT_EQ(own.clickBone(slot), mirror::BoneClick::Raised);
                    propose(seat, own.playOn(offered.front().toe));
                    EXPECT_EQ(count<mirror::Refused>(heard_[seat]), ++refusalsBy_[seat]);
                    EXPECT_TRUE(own.ownTurn());
                    EXPECT_TRUE(state.markers[offered.front().toe].shown);
                    EXPECT_EQ(state.hand.selectedSlot(), -1);
                    ++refusals_;
                    return;
                }
        }
        if (offered.empty()) {
            propose(seat, own.pass());
            return;
        }
        const auto& play = offered[(offered.size() - 1) * (compared_ % 2)];
        ASSERT_EQ(own.clickBone(play.slot), mirror::BoneClick::Raised);
        const int held = state.hand.count();
        propose(seat, own.playOn(play.toe));
        EXPECT_EQ(state.hand.count(), held - 1);
        EXPECT_EQ(state.hand.placeOf(play.slot), 0);
    }

    hosttest::Recorder io_;
    host::Engine engine_;
    std::array<std::unique_ptr<TableMirror>, host::kConnections + 1> tables_;
    std::array<mirror::Events, host::kConnections + 1> heard_;
    std::array<bool, host::kConnections + 1> dealtIn_{};
    std::array<std::optional<mirror::Played>, host::kConnections + 1> doubleShown_{};
    std::set<int> triedRefusal_;
    std::array<int, host::kConnections + 1> refusalsBy_{};
    int movedTo_ = 0;
    int refusals_ = 0;
    int compared_ = 0;
    std::array<int, host::kSeats + 1> comparedBy_{};
};

} // namespace

TEST(MirrorAgainstHost, EverySeatSeesAtItsTurnWhatTheEngineWouldShowIt)
{
    for (int seats = 2; seats <= 6; ++seats)
        for (std::uint32_t seed : {1u, 2u}) {
            SCOPED_TRACE(std::to_string(seats) + " seats, seed " + std::to_string(seed));
            Evening evening(seed);
            for (int n = 1; n <= seats; ++n)
                evening.join("P" + std::to_string(n));
            if (seats == 6)
                evening.join("Spy");
            evening.say(1, "CMD_startgame+P1+3+1+");
            // Seat 1 and the last seat play through their mirrors; the computer plays the others.
            for (int n = 2; n < seats; ++n)
                evening.say(n, "CMD_justwatch+" + std::to_string(n) + "+1");
            evening.playOut({1, seats});
            ASSERT_FALSE(evening.engine().state().gameRunning);
            EXPECT_GE(evening.comparedTurns(), 30);
            EXPECT_GE(evening.refusals(), 1);
            const auto& won = evening.heard(1).back();
            ASSERT_TRUE(std::holds_alternative<mirror::GameWon>(won));
            if (seats == 6) {
                EXPECT_EQ(evening.heard(7).back().index(), won.index());
            }
        }
}

TEST(MirrorAgainstHost, ALateArrivalSeesTheBoardAndFromItsFirstDealTheWholeView)
{
    for (std::uint32_t seed : {3u, 4u, 5u}) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        Evening evening(seed);
        evening.join("Ann");
        evening.join("Bob");
        evening.say(1, "CMD_startgame+Ann+3+3+");
        evening.say(1, "CMD_justwatch+1+1");
        evening.say(2, "CMD_justwatch+2+1");
        evening.playOut({}, 12);
        const int late = evening.join("Cy");
        const auto& told = evening.table(late).state();
        EXPECT_TRUE(told.sittingOut);
        EXPECT_TRUE(told.waitingForRound);
        EXPECT_EQ(told.round, evening.engine().state().round);
        for (int toe = 1; toe <= game::kToes; ++toe)
            for (int position = 1; position <= game::kToePositions; ++position)
                EXPECT_EQ(told.board.cell(toe, position).bone, evening.engine().state().board.cell(toe, position).bone);
        evening.playOut({late});
        EXPECT_FALSE(told.sittingOut);
        EXPECT_GE(evening.comparedTurns(), 10);
    }
}

TEST(MirrorAgainstHost, ASecondGameStartsWithEverySeatPlayingAgain)
{
    Evening evening(8);
    for (int n = 1; n <= 3; ++n)
        evening.join("P" + std::to_string(n));
    evening.say(1, "CMD_startgame+P1+3+1+");
    for (int n = 1; n <= 3; ++n)
        evening.say(n, "CMD_justwatch+" + std::to_string(n) + "+1");
    evening.playOut({});
    ASSERT_FALSE(evening.engine().state().gameRunning);
    // The host sets every seat playing for the new game without a word about Just Watch.
    evening.say(1, "CMD_startgame+P1+3+1+");
    const int before = evening.comparedTurns();
    evening.playOut({1, 2, 3});
    EXPECT_FALSE(evening.engine().state().gameRunning);
    EXPECT_GE(evening.comparedTurns() - before, 30);
}

TEST(MirrorAgainstHost, APlayerWhoComesBackHasTheirHandAndBoardAndFromTheNextDealTheirView)
{
    Evening evening(9);
    for (const char* name : {"Ann", "Bob", "Cy", "Dee"})
        evening.join(name);
    evening.say(1, "CMD_startgame+Ann+3+1+");
    for (int n = 1; n <= 4; ++n)
        evening.say(n, "CMD_justwatch+" + std::to_string(n) + "+1");
    evening.playOut({}, 10);
    evening.leave(2);
    evening.leave(3);
    // Cy gets number 2 and is moved to seat 3, which kept her hand.
    ASSERT_EQ(evening.join("Cy"), 3);
    const auto& told = evening.table(3).state();
    const auto& host = evening.engine().state();
    EXPECT_EQ(told.ownSeat, 3);
    EXPECT_EQ(evening.table(3).seatView().hand, host.seat(3).hand);
    for (int toe = 1; toe <= game::kToes; ++toe)
        for (int position = 1; position <= game::kToePositions; ++position)
            EXPECT_EQ(told.board.cell(toe, position).bone, host.board.cell(toe, position).bone);
    for (int seat = 1; seat <= host::kSeats; ++seat)
        EXPECT_EQ(evening.table(3).seat(seat).total, host.seat(seat).total);
    const int before = evening.comparedTurnsOf(3);
    evening.playOut({3});
    EXPECT_FALSE(host.gameRunning);
    EXPECT_GE(evening.comparedTurnsOf(3) - before, 8);
}
