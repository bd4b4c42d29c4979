// The host over real loopback sockets, in one process: clients are TSocks on the same event loop.

#include "host/serverform.h"

#include "game/bones.h"
#include "game/message.h"

#include <QCoreApplication>
#include <QList>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

using Lines = std::vector<std::string>;

// Runs the event loop until done() holds, or fails after a generous time-out.
bool waitFor(const std::function<bool()>& done, int milliseconds = 20000)
{
    return QTest::qWaitFor(done, milliseconds);
}

class Client {
public:
    Lines lines;
    bool closed = false;

    explicit Client(int port)
    {
        sock.setHostName("127.0.0.1");
        sock.setPortName(std::to_string(port));
        sock.OnRead = [this](TSock* s, int) {
            Lines fresh;
            framer.feed(s->Receive(), fresh);
            for (auto& line : fresh) {
                lines.push_back(line);
                handle(line);
            }
        };
        sock.OnInfo = [this](TSock*, TSocketInfo, const std::string& message) { closed |= message == "Socket Closed"; };
        sock.Open();
    }
    virtual ~Client() = default;

    void write(const std::string& bytes) { sock.Send(bytes); }
    void send(const std::string& line) { write(line + '\xFF'); }
    // Logs in and waits until the host has announced it.
    void login(int n, const std::string& name)
    {
        send("CMD_logininfo+" + std::to_string(n) + "+1.0.4+" + name);
        const std::string announced = "CMD_newplayerinfo+" + std::to_string(n) + "+" + name + "+0";
        EXPECT_TRUE(waitFor([&] { return std::find(lines.begin(), lines.end(), announced) != lines.end(); }));
    }

protected:
    virtual void handle(const std::string&) {}

private:
    TSock sock;
    game::Framer framer{1 << 20};
};

struct Host {
    TServer server;
    Host()
    {
        server.Sock1.setPortName("0");
        server.startListening();
    }
    std::unique_ptr<Client> join(int expectedNumber)
    {
        auto client = std::make_unique<Client>(server.port());
        EXPECT_TRUE(waitFor([&] { return !client->lines.empty(); }));
        EXPECT_EQ(client->lines, Lines{"CMD_sendlogininfo+" + std::to_string(expectedNumber)});
        return client;
    }
};

} // namespace

TEST(HostSockets, NineConnectionsGetNumbersAndATenthIsTurnedAway)
{
    Host host;
    std::vector<std::unique_ptr<Client>> clients;
    for (int n = 1; n <= 9; ++n)
        clients.push_back(host.join(n));
    Client tenth(host.server.port());
    ASSERT_TRUE(waitFor([&] { return tenth.closed; }));
    EXPECT_EQ(tenth.lines, Lines{"CMD_full+"});

    clients[3].reset();
    ASSERT_TRUE(waitFor([&] { return clients[0]->lines.size() == 2; }));
    EXPECT_EQ(clients[0]->lines.back(), "CMD_playerdisconnected+4+");
    clients[3] = host.join(4);
}

TEST(HostSockets, LoginsArriveWholeWhateverTheTcpPieces)
{
    Host host;
    auto ann = host.join(1);
    auto bob = host.join(2);
    // One message in two pieces: nothing is handled until the rest arrives.
    ann->write("CMD_logininfo+1+1.0.4+A");
    ASSERT_TRUE(waitFor([&] { return host.server.engine().pendingBytes(1) == 23; }));
    ann->write("nn\xFF");
    ASSERT_TRUE(waitFor([&] { return ann->lines.size() == 3; }));
    // Two messages (and the table's extra terminator) in one piece.
    bob->write("CMD_logininfo+2+1.0.3+Bob\xFF\xFF" "CMD_chat+2+hi\xFF");
    ASSERT_TRUE(waitFor([&] { return bob->lines.size() == 6 && ann->lines.size() == 6; }));
    // Bob had not logged in when Ann did: his seat is listed without a name.
    EXPECT_EQ(ann->lines, (Lines{"CMD_sendlogininfo+1", "CMD_newplayerinfo+1+Ann+0", "CMD_existingplayers+2++0",
                                 "CMD_newplayerinfo+2+Bob+0", "CMD_havewrongversion+Bob", "CMD_chat+2+Bob chats: hi"}));
    EXPECT_EQ(bob->lines, (Lines{"CMD_sendlogininfo+2", "CMD_newplayerinfo+1+Ann+0", "CMD_newplayerinfo+2+Bob+0",
                                 "CMD_existingplayers+1+Ann+0", "CMD_wrongversion+", "CMD_chat+2+Bob chats: hi"}));
}

TEST(HostSockets, SpoofsChangeNothingAndAnEndlessLineClosesOnlyItsSender)
{
    Host host;
    auto a = host.join(1);
    auto b = host.join(2);
    auto c = host.join(3);
    a->login(1, "A");
    b->login(2, "B");
    c->login(3, "C");
    ASSERT_TRUE(waitFor([&] { return a->lines.size() == 5 && b->lines.size() == 5; }));
    for (auto* client : {a.get(), b.get(), c.get()})
        client->lines.clear();

    b->write("CMD_kickhim+1+3+\xFF" "CMD_kickhim+2+3+\xFF" "CMD_chat+1+I am A\xFF" "CMD_justwatch+3+2\xFF"
             "CMD_startgame+B+3+1+\xFF" "CMD_playasound+9+wave1+\xFF" "CMD_chat+x+?\xFF" "CMD_chat+2+real\xFF");
    ASSERT_TRUE(waitFor([&] { return !a->lines.empty(); }));
    for (auto* client : {a.get(), b.get(), c.get()})
        EXPECT_EQ(client->lines, Lines{"CMD_chat+2+B chats: real"});

    c->write(std::string(5000, 'x'));
    ASSERT_TRUE(waitFor([&] { return c->closed && a->lines.size() == 2 && b->lines.size() == 2; }));
    EXPECT_EQ(a->lines.back(), "CMD_playerdisconnected+3+C");

    // A record still open whose socket is gone is skipped; everyone else gets the message.
    host.server.engine().stateForTest().records[5].open = true;
    a->send("CMD_chat+1+still");
    ASSERT_TRUE(waitFor([&] { return a->lines.size() == 3 && b->lines.size() == 3; }));
    EXPECT_EQ(b->lines.back(), "CMD_chat+1+A chats: still");
}

TEST(HostSockets, BytesThatCameWithACloseAreHeardBeforeTheLoss)
{
    Host host;
    auto a = host.join(1);
    auto b = host.join(2);
    a->login(1, "A");
    b->login(2, "B");
    ASSERT_TRUE(waitFor([&] { return a->lines.size() == 4; }));
    // Leave what B sends unread on the host's side, as when it arrives together with the close.
    for (TSock* accepted : host.server.Sock1.findChildren<TSock*>())
        if (accepted->Tag == 2)
            accepted->OnRead = nullptr;
    b->send("CMD_chat+2+bye");
    ASSERT_TRUE(waitFor([&] {
        const auto held = host.server.Sock1.findChildren<TSock*>();
        return std::any_of(held.begin(), held.end(), [](TSock* s) { return s->Tag == 2 && s->PendingInput() > 0; });
    }));
    b.reset();
    ASSERT_TRUE(waitFor([&] { return a->lines.size() == 6; }));
    EXPECT_EQ(Lines(a->lines.begin() + 4, a->lines.end()),
              (Lines{"CMD_chat+2+B chats: bye", "CMD_playerdisconnected+2+B"}));
}

TEST(HostSockets, ATableThatNeverReadsIsClosedAndTheOthersKeepBeingServed)
{
    Host host;
    auto a = host.join(1);
    a->login(1, "A");
    // A raw socket with a small receive buffer that logs in and then reads nothing at all.
    const int reader = ::socket(AF_INET, SOCK_STREAM, 0);
    ASSERT_GE(reader, 0);
    const int small = 4096;
    setsockopt(reader, SOL_SOCKET, SO_RCVBUF, &small, sizeof small);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<std::uint16_t>(host.server.port()));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ASSERT_EQ(::connect(reader, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    const std::string login = "CMD_logininfo+2+1.0.4+R\xFF";
    ASSERT_EQ(::send(reader, login.data(), login.size(), 0), static_cast<ssize_t>(login.size()));
    ASSERT_TRUE(waitFor([&] { return std::find(a->lines.begin(), a->lines.end(), "CMD_newplayerinfo+2+R+0") != a->lines.end(); }));
    // The system would otherwise grow the host's own send buffer to megabytes before the host
    // holds anything itself; a small one keeps the test short.
    for (TSock* accepted : host.server.Sock1.findChildren<TSock*>())
        if (accepted->Tag == 2)
            setsockopt(accepted->Handle(), SOL_SOCKET, SO_SNDBUF, &small, sizeof small);

    // A chats long lines, reading its own relays; the host's copies for R pile up.
    const std::string text(4000, 'z');
    const std::string gone = "CMD_playerdisconnected+2+R";
    std::size_t relayed = 0;
    const auto seen = [&](const std::string& line) { return std::find(a->lines.begin(), a->lines.end(), line) != a->lines.end(); };
    while (!seen(gone) && relayed < 2u << 20) {
        for (int i = 0; i < 50; ++i)
            a->send("CMD_chat+1+" + text);
        const std::size_t before = a->lines.size();
        ASSERT_TRUE(waitFor([&] { return a->lines.size() >= before + 50; }));
        relayed += 50 * text.size();
        for (TSock* accepted : host.server.Sock1.findChildren<TSock*>())
            if (accepted->Tag == 2) {
                EXPECT_LE(accepted->PendingOutput(), (1u << 20) + 4096u);
            }
    }
    EXPECT_TRUE(seen(gone));
    EXPECT_LT(relayed, 2u << 20);
    a->send("CMD_chat+1+still here");
    EXPECT_TRUE(waitFor([&] { return seen("CMD_chat+1+A chats: still here"); }));
    ::close(reader);
}

namespace {

// A table that keeps its own copy of the game from the host's messages and plays its bones by
// the rules it sees: the first bone of its hand that fits an offered toe, else a pass.
class Player : public Client {
public:
    int seat;
    bool plays;
    int spinnerPip = 0, refused = 0;
    std::array<std::array<game::BoardCell, 41>, 4> board{};
    std::array<int, 21> hand{};
    std::array<int, 7> totals{};
    // Each seat's announced round scores, summed here: the totals as they should be.
    std::array<int, 7> summed{};
    int rounds = 0, ties = 0, wrongTotals = 0, wrongOwnScores = 0;
    std::string winner;

    Player(int port, int seat, bool plays) : Client(port), seat(seat), plays(plays) {}

protected:
    void handle(const std::string& line) override
    {
        const auto [verb, payload] = game::splitLine(line);
        game::FieldReader f(payload);
        const auto num = [&f] { return f.nextInt().value_or(0); };
        if (verb == "CMD_startround" || verb == "CMD_beginagain") {
            if (verb == "CMD_startround")
                num();  // the round number
            spinnerPip = game::gettopnum(num());
            board = {};
        } else if (verb == "CMD_dealmybones" && num() == seat) {
            hand = {};
            while (!f.empty()) {
                const int slot = num();
                hand[slot] = num();
            }
        } else if (verb == "CMD_heplayed" || verb == "CMD_double") {
            const int who = num(), slot = num(), bone = num(), toe = num(), position = num();
            if (verb == "CMD_heplayed")
                board[toe][position] = {bone, f.next() == "t"};
            if (who == seat)
                hand[slot] = 0;
        } else if (verb == "CMD_endround") {
            const int out = num();
            ++rounds;
            while (!f.empty()) {
                const int who = num(), score = num();
                totals[who] = num();
                summed[who] += score;
                wrongTotals += totals[who] != summed[who];
                if (who == seat) {
                    // Its own score, from the bones it still holds.
                    int pips = who == out ? -20 : 0;
                    for (int bone : hand)
                        pips += game::pipTotal(bone);
                    wrongOwnScores += score != pips;
                }
            }
        } else if (verb == "CMD_tiegame") {
            ++ties;
        } else if (verb == "CMD_winner") {
            winner = f.next();
        } else if (verb == "CMD_noplay") {
            ++refused;
        } else if (verb == "CMD_nextplayer" && plays && num() == seat) {
            const int phase = num();
            std::string offered;
            for (int toe = 1; toe <= 3; ++toe)
                offered += f.next();
            for (int toe = 1; toe <= 3; ++toe) {
                const int position = num();
                const int pip = phase == 1 ? spinnerPip : game::outwardPip(board[toe][position - 1]);
                for (int slot = 1; slot <= 20 && offered[toe - 1] == 't'; ++slot)
                    if (hand[slot] && (game::gettopnum(hand[slot]) == pip || game::getbotnum(hand[slot]) == pip))
                        return send("CMD_playbone+" + std::to_string(seat) + "+" + std::to_string(slot) + "+" +
                                    std::to_string(toe) + "+" + std::to_string(position) + "+");
            }
            send("CMD_hepasses+" + std::to_string(seat) + "+");
        }
    }
};

} // namespace

TEST(HostSockets, AWholeGameLeavesEveryTableAgreeingWithTheHost)
{
    Host host;
    host.server.setTimer1Interval(5);
    host.server.botSpeedProvider = [] { return 1; };
    std::vector<std::unique_ptr<Player>> players;
    for (int n = 1; n <= 3; ++n) {
        players.push_back(std::make_unique<Player>(host.server.port(), n, n != 3));
        players.back()->login(n, "P" + std::to_string(n));
    }
    players[0]->send("CMD_startgame+P1+3+1+");
    ASSERT_TRUE(waitFor([&] { return players[2]->lines.size() > 4; }));
    players[2]->send("CMD_justwatch+3+1");  // the computer plays seat 3 from now on
    ASSERT_TRUE(waitFor([&] {
        return std::all_of(players.begin(), players.end(), [](const auto& p) { return !p->winner.empty(); });
    }, 120000));

    const auto& state = host.server.engine().state();
    EXPECT_FALSE(state.gameRunning);
    // The winner: the one lowest sum of announced round scores (a shared lowest would have been
    // played again).
    const auto& sums = players[0]->summed;
    const int lowest = *std::min_element(sums.begin() + 1, sums.begin() + 4);
    ASSERT_EQ(std::count(sums.begin() + 1, sums.begin() + 4, lowest), 1);
    const int best = static_cast<int>(std::find(sums.begin() + 1, sums.begin() + 4, lowest) - sums.begin());
    for (const auto& player : players) {
        EXPECT_GE(std::count_if(player->lines.begin(), player->lines.end(),
                                [](const std::string& line) { return line.starts_with("CMD_startround+"); }),
                  3);
        EXPECT_EQ(player->refused, 0);
        EXPECT_EQ(player->winner, "P" + std::to_string(best));
        EXPECT_EQ(player->rounds, 3 + player->ties);
        EXPECT_EQ(player->wrongTotals, 0);
        EXPECT_EQ(player->wrongOwnScores, 0) << player->seat;
        EXPECT_EQ(player->summed, sums);
        for (int toe = 1; toe <= 3; ++toe)
            for (int position = 1; position <= 40; ++position) {
                EXPECT_EQ(player->board[toe][position].bone, state.board.cell(toe, position).bone);
                EXPECT_EQ(player->board[toe][position].flip, state.board.cell(toe, position).flip);
            }
        for (int slot = 1; slot <= 20; ++slot)
            EXPECT_EQ(player->hand[slot], state.seat(player->seat).hand[slot - 1]) << player->seat;
        for (int s = 1; s <= 3; ++s)
            EXPECT_EQ(player->totals[s], state.seat(s).total);
    }
}
