// The real host under load. A child process runs TServer on a port of its choosing; this process
// drives it over loopback with nine connections:
//   - two honest tables (seats 1 and 2) that chat and play whole games, one after another;
//   - three quiet tables that log in and read everything;
//   - one that sends 10 MB without a terminator;
//   - one that floods a million short messages;
//   - one that logs in and then never reads;
//   - one that connects and leaves 2,000 times.
// The abusers come back whenever the host closes them, until their work is done. Prints the
// host's resident memory before and after (and its peak) and the time each honest chat line took
// to come back (median and worst). Exits with 1 if an honest table was ever cut off.
//
//   build/bench/host/host_load [seconds]        (default 30: the least time the load runs)

#include "host/serverform.h"

#include "game/bones.h"
#include "game/message.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

// --- The host, in a child process of its own so that its memory is measured alone ---

[[noreturn]] void runHost(int portPipe)
{
    int argc = 1;
    char name[] = "host_load_host";
    char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    TServer server;
    server.Sock1.setPortName("0");
    // Quick computer moves and pauses, so the honest tables play many rounds.
    server.botSpeedProvider = [] { return 20; };
    server.setTimer1Interval(20);
    server.startListening();
    const int port = server.port();
    if (::write(portPipe, &port, sizeof port) != sizeof port)
        std::_Exit(2);
    ::close(portPipe);
    app.exec();
    std::_Exit(0);
}

long statusKb(pid_t pid, const char* field)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    const std::string key = std::string(field) + ":";
    while (std::getline(status, line))
        if (line.rfind(key, 0) == 0)
            return std::atol(line.c_str() + key.size());
    return -1;
}

// --- Connections ---

enum class Role { Honest, Quiet, LongLine, Flood, NonReader, Churn };

const char* roleName(Role role)
{
    switch (role) {
    case Role::Honest: return "honest";
    case Role::Quiet: return "quiet";
    case Role::LongLine: return "10 MB line";
    case Role::Flood: return "flood";
    case Role::NonReader: return "never reads";
    case Role::Churn: return "connect and leave";
    }
    return "";
}

struct Conn {
    explicit Conn(Role r) : role(r) {}
    Role role;
    int fd = -1;
    bool connecting = false;
    int number = 0;  // from "CMD_sendlogininfo"
    std::string name;
    std::string out;  // bytes still to write
    game::Framer framer{1 << 20};
    int cutOff = 0;   // times the host closed it
    long long work = 0;  // bytes or messages or visits done, by role

    // Honest tables: their game, as the host announces it.
    int spinnerPip = 0;
    std::array<std::array<game::BoardCell, 41>, 4> board{};
    std::array<int, 21> hand{};
    long long chatSeq = 0;
    bool chatOut = false;
    Clock::time_point chatSent{}, nextChat{};
    int games = 0, plays = 0, refused = 0;
};

int port = 0;

bool openConn(Conn& c, int receiveBuffer = 0)
{
    c.fd = ::socket(AF_INET, SOCK_STREAM, 0);
    if (c.fd < 0)
        return false;
    if (receiveBuffer)
        setsockopt(c.fd, SOL_SOCKET, SO_RCVBUF, &receiveBuffer, sizeof receiveBuffer);
    const int on = 1;
    setsockopt(c.fd, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
    // Without waiting: a full accept queue would hold a blocking connect for a second or more.
    fcntl(c.fd, F_SETFL, fcntl(c.fd, F_GETFL) | O_NONBLOCK);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<std::uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    c.connecting = ::connect(c.fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0;
    if (c.connecting && errno != EINPROGRESS) {
        ::close(c.fd);
        c.fd = -1;
        return false;
    }
    c.number = 0;
    c.out.clear();
    c.framer.clear();
    return true;
}

void closeConn(Conn& c)
{
    if (c.fd >= 0)
        ::close(c.fd);
    c.fd = -1;
}

void send(Conn& c, const std::string& line) { c.out += line + '\xFF'; }

// Writes what the socket takes; false when the host has closed the connection.
bool flushOut(Conn& c)
{
    while (!c.out.empty()) {
        const ssize_t n = ::send(c.fd, c.out.data(), c.out.size(), MSG_NOSIGNAL);
        if (n > 0) {
            c.out.erase(0, static_cast<std::size_t>(n));
            continue;
        }
        return n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR);
    }
    return true;
}

// --- The honest tables' play: the first bone of the hand that fits an offered toe ---

void honestLine(Conn& c, const std::string& line, Clock::time_point now, std::vector<double>& roundTrips,
                bool& startAgain)
{
    const auto [verb, payload] = game::splitLine(line);
    game::FieldReader f(payload);
    const auto num = [&f] { return f.nextInt().value_or(0); };
    if (verb == "CMD_chat") {
        const std::string mine = std::to_string(c.number) + "+" + c.name + " chats: ping " + std::to_string(c.chatSeq) + " ";
        if (c.chatOut && payload.substr(0, mine.size()) == mine) {
            roundTrips.push_back(std::chrono::duration<double, std::milli>(now - c.chatSent).count());
            c.chatOut = false;
            c.nextChat = now + std::chrono::milliseconds(20);
        }
    } else if (verb == "CMD_startround" || verb == "CMD_beginagain") {
        if (verb == "CMD_startround")
            num();
        c.spinnerPip = game::gettopnum(num());
        c.board = {};
    } else if (verb == "CMD_dealmybones" && num() == c.number) {
        c.hand = {};
        while (!f.empty()) {
            const int slot = num();
            const int bone = num();
            if (slot >= 1 && slot <= 20)
                c.hand[slot] = bone;
        }
    } else if (verb == "CMD_heplayed" || verb == "CMD_double") {
        const int who = num(), slot = num(), bone = num(), toe = num(), position = num();
        if (verb == "CMD_heplayed" && toe >= 1 && toe <= 3 && position >= 1 && position <= 40)
            c.board[toe][position] = {bone, f.next() == "t"};
        if (who == c.number && slot >= 1 && slot <= 20)
            c.hand[slot] = 0;
    } else if (verb == "CMD_noplay") {
        ++c.refused;
    } else if (verb == "CMD_winner") {
        ++c.games;
        startAgain = true;
    } else if (verb == "CMD_nextplayer" && num() == c.number) {
        const int phase = num();
        std::string offered;
        for (int toe = 1; toe <= 3; ++toe)
            offered += f.next();
        for (int toe = 1; toe <= 3; ++toe) {
            const int position = num();
            if (offered[toe - 1] != 't' || position < 1 || position > 40)
                continue;
            const int pip = phase == 1 ? c.spinnerPip : game::outwardPip(c.board[toe][position - 1]);
            for (int slot = 1; slot <= 20; ++slot)
                if (c.hand[slot] && (game::gettopnum(c.hand[slot]) == pip || game::getbotnum(c.hand[slot]) == pip)) {
                    ++c.plays;
                    return send(c, "CMD_playbone+" + std::to_string(c.number) + "+" + std::to_string(slot) + "+" +
                                       std::to_string(toe) + "+" + std::to_string(position) + "+");
                }
        }
        send(c, "CMD_hepasses+" + std::to_string(c.number) + "+");
    }
}

double percentile(std::vector<double> values, double p)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    return values[static_cast<std::size_t>(p * static_cast<double>(values.size() - 1))];
}

} // namespace

int main(int argc, char** argv)
{
    const double minimumSeconds = argc > 1 ? std::atof(argv[1]) : 30;
    constexpr long long kLongLineBytes = 10LL << 20;
    constexpr long long kFloodMessages = 1000000;
    constexpr long long kChurnVisits = 2000;

    int portPipe[2];
    if (::pipe(portPipe) != 0)
        return 2;
    const pid_t host = ::fork();
    if (host < 0)
        return 2;
    if (host == 0) {
        ::close(portPipe[0]);
        runHost(portPipe[1]);
    }
    ::close(portPipe[1]);
    if (::read(portPipe[0], &port, sizeof port) != sizeof port) {
        std::fprintf(stderr, "host_load: the host did not start\n");
        return 2;
    }
    ::close(portPipe[0]);
    std::signal(SIGPIPE, SIG_IGN);

    std::vector<Conn> conns;
    for (Role role : {Role::Honest, Role::Honest, Role::Quiet, Role::Quiet, Role::Quiet, Role::LongLine, Role::Flood,
                      Role::NonReader, Role::Churn})
        conns.emplace_back(role);
    conns[0].name = "Alma";
    conns[1].name = "Bruno";

    // The honest tables first, so that they are seats 1 (the hosting table) and 2.
    for (int i = 0; i < 2; ++i)
        if (!openConn(conns[i])) {
            std::fprintf(stderr, "host_load: cannot connect\n");
            return 2;
        }
    long rssBefore = -1;

    std::vector<double> roundTrips;
    bool honestCut = false;
    bool gameStarted = false;
    const auto begin = Clock::now();
    const auto elapsed = [&begin] { return std::chrono::duration<double>(Clock::now() - begin).count(); };
    std::string floodMessage;
    const std::string longLineBlock(65536, 'x');
    const std::string padding(900, '.');

    const auto abusersDone = [&] {
        return conns[5].work >= kLongLineBytes && conns[6].work >= kFloodMessages && conns[8].work >= kChurnVisits;
    };

    while (!honestCut && (elapsed() < minimumSeconds || !abusersDone())) {
        const auto now = Clock::now();
        // Everyone else comes (back) once the honest tables sit and play.
        const bool seated = conns[0].number == 1 && conns[1].number == 2;
        if (seated && rssBefore < 0)
            rssBefore = statusKb(host, "VmRSS");
        for (std::size_t i = 2; i < conns.size() && conns[0].spinnerPip != 0; ++i) {
            Conn& c = conns[i];
            if (c.fd >= 0)
                continue;
            if ((c.role == Role::LongLine && c.work >= kLongLineBytes) ||
                (c.role == Role::Flood && c.work >= kFloodMessages))
                continue;
            openConn(c, c.role == Role::NonReader ? 4096 : 0);
        }

        // Honest tables: a game once both sit, a chat line 20 ms after the last came back.
        if (seated && !gameStarted) {
            send(conns[0], "CMD_startgame+Alma+10+1+");
            gameStarted = true;
        }
        for (int i = 0; i < 2; ++i) {
            Conn& c = conns[i];
            if (c.number && !c.chatOut && now >= c.nextChat && gameStarted) {
                ++c.chatSeq;
                send(c, "CMD_chat+" + std::to_string(c.number) + "+ping " + std::to_string(c.chatSeq) + " " + padding);
                c.chatOut = true;
                c.chatSent = now;
            }
        }
        // The abusers' work.
        Conn& longLine = conns[5];
        if (longLine.fd >= 0 && longLine.out.empty() && longLine.work < kLongLineBytes)
            longLine.out = longLineBlock;
        Conn& flood = conns[6];
        if (flood.fd >= 0 && flood.number && flood.out.empty() && flood.work < kFloodMessages) {
            floodMessage = "CMD_chat+" + std::to_string(flood.number) + "+flood\xFF";
            for (int i = 0; i < 2000; ++i)
                flood.out += floodMessage;
        }
        // Long chat lines at a pace the host accepts, relayed to everyone and so to itself too.
        Conn& nonReader = conns[7];
        if (nonReader.fd >= 0 && nonReader.number && nonReader.out.empty() && now >= nonReader.nextChat) {
            send(nonReader, "CMD_chat+" + std::to_string(nonReader.number) + "+" + std::string(3900, 'n'));
            nonReader.nextChat = now + std::chrono::milliseconds(25);
        }
        Conn& churn = conns[8];
        if (churn.fd >= 0 && !churn.connecting && churn.work < kChurnVisits) {
            closeConn(churn);
            ++churn.work;
        }

        std::vector<pollfd> polls;
        std::vector<Conn*> polled;
        for (Conn& c : conns)
            if (c.fd >= 0) {
                short events = 0;
                if (!c.connecting && (c.role != Role::NonReader || c.number == 0))
                    events |= POLLIN;
                if (!c.out.empty() || c.connecting)
                    events |= POLLOUT;
                polls.push_back({c.fd, events, 0});
                polled.push_back(&c);
            }
        ::poll(polls.data(), polls.size(), 5);

        for (std::size_t k = 0; k < polls.size(); ++k) {
            Conn& c = *polled[k];
            bool lost = (polls[k].revents & (POLLERR | POLLHUP)) != 0 && c.role != Role::NonReader;
            if (c.connecting && !lost && (polls[k].revents & POLLOUT)) {
                int error = 0;
                socklen_t length = sizeof error;
                getsockopt(c.fd, SOL_SOCKET, SO_ERROR, &error, &length);
                c.connecting = false;
                lost = error != 0;
            } else if (!lost && (polls[k].revents & POLLOUT)) {
                const std::size_t before = c.out.size();
                lost = !flushOut(c);
                const auto written = static_cast<long long>(before - c.out.size());
                if (c.role == Role::LongLine)
                    c.work += written;
                else if (c.role == Role::Flood && !floodMessage.empty())
                    c.work += written / static_cast<long long>(floodMessage.size());
            }
            if (!lost && (polls[k].revents & POLLIN)) {
                char buffer[65536];
                const ssize_t got = ::recv(c.fd, buffer, c.role == Role::NonReader ? 1 : sizeof buffer, 0);
                if (got == 0 || (got < 0 && errno != EAGAIN && errno != EINTR))
                    lost = true;
                else if (got > 0) {
                    std::vector<std::string> lines;
                    c.framer.feed(std::string_view(buffer, static_cast<std::size_t>(got)), lines);
                    for (const auto& line : lines) {
                        if (line.rfind("CMD_sendlogininfo+", 0) == 0) {
                            c.number = std::atoi(line.c_str() + 18);
                            if (c.role != Role::LongLine)
                                send(c, "CMD_logininfo+" + std::to_string(c.number) + "+1.0.4+" +
                                            (c.name.empty() ? roleName(c.role) : c.name));
                            // Coming back into a seat of the running game, the table that never
                            // reads would hold up every turn of it: it leaves the seat to the computer.
                            if (c.role == Role::NonReader && c.number <= 6)
                                send(c, "CMD_justwatch+" + std::to_string(c.number) + "+1");
                        } else if (c.role == Role::Quiet && line.rfind("CMD_startround+", 0) == 0) {
                            // Quiet tables leave their seats to the computer.
                            send(c, "CMD_justwatch+" + std::to_string(c.number) + "+1");
                        } else if (c.role == Role::Honest) {
                            bool startAgain = false;
                            honestLine(c, line, Clock::now(), roundTrips, startAgain);
                            if (startAgain && c.number == 1)
                                send(c, "CMD_startgame+Alma+10+1+");
                            // The table that never reads cannot see a game start: it is told
                            // to just watch from here, or its seat would wait for it.
                            if (c.number == 1 && line.rfind("CMD_startround+", 0) == 0 && conns[7].fd >= 0 &&
                                conns[7].number >= 1 && conns[7].number <= 6)
                                send(conns[7], "CMD_justwatch+" + std::to_string(conns[7].number) + "+1");
                            if (line == "CMD_playerdisconnected+1+Alma" || line == "CMD_playerdisconnected+2+Bruno")
                                honestCut = true;
                        }
                    }
                }
            }
            if (lost) {
                if (c.role == Role::Honest) {
                    honestCut = true;
                    std::fprintf(stderr, "host_load: honest table %s was cut off\n", c.name.c_str());
                }
                ++c.cutOff;
                closeConn(c);
            }
        }
        // The table that never reads still has to find out when it was dropped.
        if (nonReader.fd >= 0 && nonReader.number) {
            pollfd check{nonReader.fd, POLLOUT, 0};
            ::poll(&check, 1, 0);
            if (check.revents & (POLLERR | POLLHUP)) {
                ++nonReader.cutOff;
                closeConn(nonReader);
            }
        }
    }
    const double seconds = elapsed();

    for (Conn& c : conns)
        closeConn(c);
    // Let the host take in the last losses before it is measured again.
    ::usleep(500 * 1000);
    const long rssAfter = statusKb(host, "VmRSS");
    const long rssPeak = statusKb(host, "VmHWM");
    ::kill(host, SIGTERM);
    ::waitpid(host, nullptr, 0);

    std::printf("host under load for %.1f s over loopback, nine connections\n", seconds);
    std::printf("  host resident memory: before %ld kB, after %ld kB, peak %ld kB\n", rssBefore, rssAfter, rssPeak);
    std::printf("  honest chat round trips: %zu, median %.2f ms, 90th percentile %.2f ms, worst %.2f ms\n",
                roundTrips.size(), percentile(roundTrips, 0.5), percentile(roundTrips, 0.9),
                roundTrips.empty() ? 0.0 : *std::max_element(roundTrips.begin(), roundTrips.end()));
    std::printf("  honest play: %d games finished, %d + %d plays, %d + %d refused\n", conns[0].games,
                conns[0].plays, conns[1].plays, conns[0].refused, conns[1].refused);
    std::printf("  10 MB line: %lld bytes sent, cut off %d times\n", conns[5].work, conns[5].cutOff);
    std::printf("  flood: %lld messages sent, cut off %d times\n", conns[6].work, conns[6].cutOff);
    std::printf("  never reads: cut off %d times\n", conns[7].cutOff);
    std::printf("  connect and leave: %lld visits\n", conns[8].work);
    std::printf("  honest tables cut off: %s\n", honestCut ? "YES" : "no");
    return honestCut ? 1 : 0;
}
