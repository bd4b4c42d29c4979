// TSock over real loopback connections: the reports host and table see, bytes in and out, and
// the refusals the component raises.
#include "net/tsock.h"

#include <QPointer>
#include <QTest>
#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <cerrno>
#include <cstddef>
#include <linux/filter.h>
#include <linux/seccomp.h>
#include <memory>
#include <netinet/in.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using namespace std::string_literals;
using Log = std::vector<std::string>;

// Every report and event goes into one log as "<code> <text>", so their order can be compared.
void logReports(TSock& sock, Log& log)
{
    sock.OnInfo = [&log](TSock*, TSocketInfo info, const std::string& text) {
        log.push_back(std::to_string(info) + " " + text);
    };
}

bool waitFor(const std::function<bool()>& done)
{
    return QTest::qWaitFor(done, 20000);
}

// A host listening on a port of the system's choosing that accepts every connection; the
// accepted sockets take its OnRead, which collects what they receive.
// The sockets come last, so they close (and report) before what their handlers write to goes.
struct Host {
    std::vector<QPointer<TSock>> served;
    Log log;
    std::string received;
    int reads = 0, largestRead = 0;
    std::function<void(TSock*)> onServed = [](TSock*) {};
    TSock listener;

    Host()
    {
        listener.setPortName("0");
        logReports(listener, log);
        listener.OnRead = [this](TSock* s, int count) {
            ++reads;
            largestRead = std::max(largestRead, count);
            received += s->Receive();
        };
        listener.OnAccept = [this](TSock* sender) {
            TSock* sock = nullptr;
            if (sender->Accept(sock)) {
                served.push_back(sock);
                onServed(sock);
            }
        };
        listener.setListen(true);
    }
    std::string port() const { return std::to_string(listener.LocalPort()); }
};

// A table socket aimed at the host, collecting what it receives.
struct Table {
    Log log;
    std::string received;
    std::unique_ptr<TSock> sock = std::make_unique<TSock>();

    explicit Table(const std::string& port)
    {
        sock->setPortName(port);
        sock->setHostName("127.0.0.1");
        logReports(*sock, log);
        sock->OnRead = [this](TSock* s, int) { received += s->Receive(); };
        sock->OnDisconnect = [this](TSock*) { log.push_back("disconnect"); };
    }
    bool open()
    {
        sock->Open();
        return waitFor([this] { return sock->Connected(); });
    }
};

// The text of the ESockException an action raises.
template <typename F>
std::string raised(F&& action)
{
    try { action(); } catch (const ESockException& e) { return e.what(); }
    return "nothing raised";
}

TEST(TSockConnection, WholeConnectionAsHostAndTableSeeIt)
{
    Log served;
    Host host;
    host.onServed = [&](TSock* sock) {
        logReports(*sock, served);
        sock->Tag = 1;
        sock->OnDisconnect = [&](TSock* s) {
            served.push_back("disconnect " + std::to_string(s->Tag));
            s->Close();
        };
        sock->Send("CMD_sendlogininfo+1\xFF");
    };
    Table table(host.port());
    int writes = 0;
    table.sock->OnWrite = [&](TSock*) { ++writes; };
    EXPECT_FALSE(table.sock->Open());
    ASSERT_TRUE(waitFor([&] { return table.received == "CMD_sendlogininfo+1\xFF"; }));
    table.sock->Send("CMD_logininfo+1+1.0.4+Ann\xFF");
    ASSERT_TRUE(waitFor([&] { return host.received == "CMD_logininfo+1+1.0.4+Ann\xFF"; }));
    EXPECT_TRUE(table.sock->Close());
    ASSERT_TRUE(waitFor([&] { return served.size() == 5; }));

    // The accepted socket took the listener's OnInfo until the host gave it its own.
    EXPECT_EQ(host.log, (Log{"0 Lookup Of Port 0", "3 Listening Started",
                             "0 Setting PortName While Connected Has No Effect",
                             "0 Setting HostName While Connected Has No Effect", "6 Created New TSock Structure"}));
    EXPECT_EQ(served, (Log{"5 Non-Blocking Outgoing Data", "4 Non-Blocking Incoming Data", "disconnect 1",
                           "2 Socket Closed", "2 Socket Closed"}));
    EXPECT_EQ(table.log, (Log{"0 Lookup Of Port " + host.port(), "0 Lookup Of Host 127.0.0.1",
                              "1 Non-Blocking Socket Connected", "5 Non-Blocking Outgoing Data",
                              "4 Non-Blocking Incoming Data", "5 Non-Blocking Outgoing Data", "2 Socket Closed"}));
    // Only the write event that follows the connection: an idle socket is not woken for writing.
    EXPECT_EQ(writes, 1);
}

TEST(TSockConnection, RefusedConnectionReportsOnlyTheError)
{
    std::string port = Host().port();
    Table table(port);
    EXPECT_FALSE(table.sock->Open());
    ASSERT_TRUE(waitFor([&] { return table.log.size() == 3; }));
    for (int pass = 0; pass < 20; ++pass)
        QCoreApplication::processEvents();
    EXPECT_FALSE(table.sock->Open()) << "the handle stays until Close";
    EXPECT_EQ(table.sock->Receive(), "");
    EXPECT_TRUE(table.sock->Close());
    EXPECT_FALSE(table.sock->Close());
    EXPECT_EQ(table.log, (Log{"0 Lookup Of Port " + port, "0 Lookup Of Host 127.0.0.1", "7 Error #111 (ECONNREFUSED)",
                              "2 Socket Closed", "2 Socket Closed"}));
    EXPECT_EQ(raised([&] { table.sock->Receive(); }), "Receive - Socket Not Connected");
}

TEST(TSockConnection, PeerCloseAndResetEndTheConnection)
{
    Host host;
    Table table(host.port());
    ASSERT_TRUE(table.open());
    ASSERT_TRUE(waitFor([&] { return host.served.size() == 1; }));
    host.served[0]->Send("last words\xFF");
    host.served[0]->Close();
    ASSERT_TRUE(waitFor([&] { return !table.sock->Connected(); }));
    EXPECT_EQ(table.received, "last words\xFF") << "bytes sent before the close are not lost";
    EXPECT_EQ(Log(table.log.end() - 3, table.log.end()),
              (Log{"4 Non-Blocking Incoming Data", "disconnect", "2 Socket Closed"}));

    // A peer that vanishes with a reset: the error, then the same end as a close; the host frees
    // the socket from within its own event.
    Log reset;
    host.onServed = [&](TSock* sock) {
        logReports(*sock, reset);
        sock->OnDisconnect = [&](TSock* s) {
            reset.push_back("disconnect");
            s->deleteLater();
        };
    };
    const int raw = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{AF_INET, htons(static_cast<uint16_t>(host.listener.LocalPort())), {htonl(INADDR_LOOPBACK)}, {}};
    ASSERT_EQ(::connect(raw, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ASSERT_TRUE(waitFor([&] { return host.served.size() == 2; }));
    const linger abort{1, 0};
    setsockopt(raw, SOL_SOCKET, SO_LINGER, &abort, sizeof abort);
    ::close(raw);
    ASSERT_TRUE(waitFor([&] { return host.served[1].isNull(); }));
    EXPECT_EQ(reset, (Log{"7 Error #104 (ECONNRESET)", "disconnect", "2 Socket Closed"}));
}

TEST(TSockTransfer, BytesPassUnchangedBothWaysAlsoWhenSentWhileConnecting)
{
    std::string big(1 << 20, '\0');
    for (std::size_t i = 0; i < big.size(); ++i)
        big[i] = static_cast<char>(i * 7 % 256);
    const std::string message = "CMD_chat+2+\xFF\xFE\x00 end\xFF"s + big;

    Host host;
    host.onServed = [&](TSock* sock) { sock->Send(big); };
    Table table(host.port());
    table.sock->Open();
    table.sock->Send(message);
    EXPECT_FALSE(table.sock->Connected()) << "the bytes were queued while connecting";
    ASSERT_TRUE(waitFor([&] { return host.received.size() >= message.size() && table.received.size() >= big.size(); }));
    EXPECT_TRUE(host.received == message);
    EXPECT_TRUE(table.received == big);
    EXPECT_GT(host.reads, 1);
    EXPECT_LE(host.largestRead, 32768);
}

TEST(TSockRefusals, ListeningRefusalsAndMisuse)
{
    Host host;
    host.listener.setListen(true);
    EXPECT_EQ(host.log.back(), "3 Listening Already Running");

    TSock taken;
    taken.setPortName(host.port());
    TSock* none = nullptr;
    EXPECT_EQ(raised([&] { taken.Accept(none); }), "Accept - Socket Not In Listening Mode");
    EXPECT_EQ(raised([&] { taken.setListen(true); }), "Listen - Error Binding Socket");
    EXPECT_EQ(raised([&] { taken.setListen(true); }), "Listen - Socket Already In Use");
    taken.Close();
    EXPECT_EQ(raised([&] { taken.setListen(true); }), "Listen - Error Binding Socket");
    taken.Close();

    // Stopping reports the close, as the socket no longer counts as listening, then the stop.
    host.listener.setListen(false);
    EXPECT_EQ(Log(host.log.end() - 2, host.log.end()), (Log{"2 Socket Closed", "3 Listening Stopped"}));
}

TEST(TSockRefusals, BadNamesAndModesNotBuilt)
{
    TSock sock;
    sock.setHostName("127.0.0.1");
    for (const char* port : {"no-such-service", "77x2", "99999", ""}) {
        sock.setPortName(port);
        EXPECT_EQ(raised([&] { sock.Open(); }), "Port Lookup - Could Not Find Service Entry") << port;
    }
    sock.setPortName("7772");
    sock.setHostName("127.0.0.1.5");
    EXPECT_EQ(raised([&] { sock.Open(); }), "Host Lookup - Could Not Find Host Entry");
    EXPECT_EQ(raised([&] { sock.Receive(); }), "Receive - Socket Not Connected") << "a bad name opens nothing";

    sock.setSocketType(stDatagram);
    EXPECT_EQ(raised([&] { sock.Open(); }), "Open - Datagram Sockets Not Supported");
    sock.setSocketType(stStream);
    sock.setBlocking(true);
    EXPECT_EQ(raised([&] { sock.setListen(true); }), "Listen - Blocking Sockets Not Supported");

    // A throwing report handler is replaced by the component's own error, except inside Close.
    sock.setBlocking(false);
    sock.OnInfo = [](TSock*, TSocketInfo, const std::string&) { throw std::runtime_error("handler"); };
    EXPECT_EQ(raised([&] { sock.Open(); }), "Error here");
    EXPECT_NO_THROW(sock.Close());
}

TEST(TSockEvents, HandlersMayCloseAndFreeSocketsFromWithinEvents)
{
    Host host;
    Table table(host.port());
    table.sock->setHostName("localhost");
    QPointer<TSock> watched(table.sock.release());
    watched->OnRead = [&](TSock* s, int count) {
        EXPECT_EQ(s->Receive(3), "abc");
        EXPECT_EQ(count, 5);
        // Closes the host's end from here, then this one, then frees it.
        host.served.at(0)->Close();
        s->Close();
        s->deleteLater();
        table.log.push_back("left " + s->Receive());
    };
    watched->Open();
    ASSERT_TRUE(waitFor([&] { return host.served.size() == 1 && host.served[0]->Connected(); }));
    host.served[0]->Send("abcde");
    ASSERT_TRUE(waitFor([&] { return watched.isNull(); }));
    EXPECT_EQ(Log(table.log.end() - 3, table.log.end()),
              (Log{"4 Non-Blocking Incoming Data", "2 Socket Closed", "left de"}));

    // A connected socket that is destroyed closes first, with the report of Close.
    Table second(host.port());
    ASSERT_TRUE(second.open());
    second.log.clear();
    second.sock.reset();
    EXPECT_EQ(second.log, (Log{"2 Socket Closed"}));
}

// ---- IPv6 ------------------------------------------------------------------------------------

bool loopbackIpv6()
{
    const int fd = ::socket(AF_INET6, SOCK_STREAM, 0);
    sockaddr_in6 address{};
    address.sin6_family = AF_INET6;
    address.sin6_addr = in6addr_loopback;
    const bool usable = fd >= 0 && ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    if (fd >= 0)
        ::close(fd);
    return usable;
}

sockaddr_storage socketAddress(const char* text, const std::string& port)
{
    sockaddr_storage address{};
    auto& six = reinterpret_cast<sockaddr_in6&>(address);
    auto& four = reinterpret_cast<sockaddr_in&>(address);
    if (inet_pton(AF_INET6, text, &six.sin6_addr) == 1) {
        six.sin6_family = AF_INET6;
        six.sin6_port = htons(static_cast<uint16_t>(std::stoi(port)));
    } else if (inet_pton(AF_INET, text, &four.sin_addr) == 1) {
        four.sin_family = AF_INET;
        four.sin_port = htons(static_cast<uint16_t>(std::stoi(port)));
    }
    return address;
}

// The name "two.example" stands for [::1 on a port nobody listens on, 127.0.0.1 on livePort].
std::string deadPort, livePort;
std::vector<sockaddr_storage> twoAddresses(const std::string& name, std::uint16_t)
{
    if (name != "two.example")
        return {};
    return {socketAddress("::1", deadPort), socketAddress("127.0.0.1", livePort)};
}

struct ResolverGuard {
    ~ResolverGuard() { TSock::Resolver = nullptr; }
};

TEST(TSockIpv6, TablesOfBothFamiliesJoinTheSameHost)
{
    if (!loopbackIpv6())
        GTEST_SKIP() << "this machine has no IPv6 loopback (::1)";
    Host host;
    Log peers;
    host.onServed = [&](TSock*) { peers.push_back(host.listener.LastRemoteAddress()); };
    std::vector<std::unique_ptr<Table>> tables;
    for (const char* name : {"::1", "127.0.0.1", "[::1]", "0:0:0:0:0:0:0:1"}) {
        tables.push_back(std::make_unique<Table>(host.port()));
        tables.back()->sock->setHostName(name);
        ASSERT_TRUE(tables.back()->open()) << name;
        ASSERT_TRUE(waitFor([&] { return host.served.size() == tables.size(); })) << name;
        tables.back()->sock->Send(std::string("from ") + name + "\xFF");
        ASSERT_TRUE(waitFor([&] { return host.received.find(name) != std::string::npos; })) << name;
    }
    EXPECT_EQ(peers, (Log{"::1", "127.0.0.1", "::1", "::1"}));
    EXPECT_EQ(host.served[1]->HostName(), "127.0.0.1");
    host.served[0]->Send("to six\xFF");
    host.served[1]->Send("to four\xFF");
    ASSERT_TRUE(waitFor([&] { return tables[0]->received == "to six\xFF" && tables[1]->received == "to four\xFF"; }));
    EXPECT_EQ(tables[2]->log.at(1), "0 Lookup Of Host [::1]");
}

TEST(TSockIpv6, NameTriesEachAddressAndReportsOnlyTheLastFailure)
{
    if (!loopbackIpv6())
        GTEST_SKIP() << "this machine has no IPv6 loopback (::1)";
    ResolverGuard guard;
    TSock::Resolver = twoAddresses;
    deadPort = Host().port();
    Host host;
    livePort = host.port();
    Table table("7772");
    table.sock->setHostName("two.example");
    ASSERT_TRUE(table.open());
    ASSERT_TRUE(waitFor([&] { return host.served.size() == 1; }));
    EXPECT_EQ(host.listener.LastRemoteAddress(), "127.0.0.1");
    EXPECT_EQ(table.log, (Log{"0 Lookup Of Port 7772", "0 Lookup Of Host two.example", "1 Non-Blocking Socket Connected",
                              "5 Non-Blocking Outgoing Data"}));

    // Both dead: one report, of the last address.
    livePort = Host().port();
    Table dead("7772");
    dead.sock->setHostName("two.example");
    EXPECT_FALSE(dead.sock->Open());
    ASSERT_TRUE(waitFor([&] { return dead.log.size() == 3; }));
    for (int pass = 0; pass < 20; ++pass)
        QCoreApplication::processEvents();
    EXPECT_EQ(dead.log, (Log{"0 Lookup Of Port 7772", "0 Lookup Of Host two.example", "7 Error #111 (ECONNREFUSED)"}));

    dead.sock->Close();
    dead.sock->setHostName("nothing.example");
    EXPECT_EQ(raised([&] { dead.sock->Open(); }), "Host Lookup - Could Not Find Host Entry");
}

TEST(TSockIpv6, MalformedLiteralsConnectNowhere)
{
    TSock sock;
    sock.setPortName("7772");
    for (const char* name : {"1:2:3:4:5:6:7:8:9", "::g", "[::1", "::1]", "[]", "[::1]:7772", "2001:db8::1.5"}) {
        sock.setHostName(name);
        EXPECT_EQ(raised([&] { sock.Open(); }), "Host Lookup - Could Not Find Host Entry") << name;
        EXPECT_EQ(sock.Handle(), -1) << name;
    }
}

// A child process whose kernel calls refuse IPv6 sockets as a kernel without IPv6 does.
// Exit codes: 0 hosted on IPv4, 77 the refusal could not be arranged, others a failure.
int hostWithoutIpv6()
{
    sock_filter filter[] = {
        BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, nr)),
        BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, __NR_socket, 0, 3),
        BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, args[0])),
        BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, AF_INET6, 0, 1),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ERRNO | EAFNOSUPPORT),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW),
    };
    sock_fprog program{static_cast<unsigned short>(std::size(filter)), filter};
    if (prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) != 0 || prctl(PR_SET_SECCOMP, SECCOMP_MODE_FILTER, &program) != 0)
        return 77;
    if (::socket(AF_INET6, SOCK_STREAM, 0) >= 0 || errno != EAFNOSUPPORT)
        return 77;
    try {
        TSock listener;
        listener.setPortName("0");
        listener.setListen(true);
        const int raw = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{AF_INET, htons(static_cast<uint16_t>(listener.LocalPort())), {htonl(INADDR_LOOPBACK)}, {}};
        if (::connect(raw, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0)
            return 2;
        TSock* served = nullptr;
        if (!listener.Accept(served) || !served)
            return 3;
        return listener.LastRemoteAddress() == "127.0.0.1" ? 0 : 4;
    } catch (const ESockException&) {
        return 1;
    }
}

TEST(TSockIpv6, HostWithoutIpv6ListensOnIpv4)
{
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0)
        _exit(hostWithoutIpv6());
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    if (WEXITSTATUS(status) == 77)
        GTEST_SKIP() << "IPv6 sockets could not be refused here (seccomp unavailable)";
    EXPECT_EQ(WEXITSTATUS(status), 0) << "1 listen refused, 2 connect failed, 3 accept failed, 4 wrong peer address";
}

} // namespace
