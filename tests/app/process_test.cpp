// The real program, build/tilvaro, started as processes of its own, offscreen. Each copy runs
// from an empty folder of its own with its own session folder (where the single-instance check
// looks) and data home, and plays on ports the test chose, so a game the player has open on 7772
// does not get in the way. A copy started with TILVARO_TEST_PRINT_SEATS prints its six seat
// captions whenever they change; that is how the tests see its table.
#include "compress/container.h"
#include "rawtable.h"

#include <QFile>
#include <QProcess>
#include <QTcpServer>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <array>
#include <map>
#include <memory>
#include <span>
#include <utility>
#include <vector>

namespace {

std::span<const std::uint8_t> asBytes(const QByteArray& bytes)
{
    return {reinterpret_cast<const std::uint8_t*>(bytes.data()), static_cast<std::size_t>(bytes.size())};
}

QByteArray fromBytes(const std::vector<std::uint8_t>& bytes)
{
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
}

// Lines ended by CR LF, as the tally text keeps them.
QByteArray crlfLines(const QList<QByteArray>& lines)
{
    QByteArray text;
    for (const QByteArray& line : lines)
        text += line + "\r\n";
    return text;
}

// A port nobody listens on now.
quint16 freePort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

// The ports of one test's game and lobby.
struct Ports {
    quint16 game = freePort();
    quint16 lobby = freePort();
};

class Copy {
public:
    // `session` is the runtime folder of the user's session; a copy of its own when empty.
    // `settings`, when given, is the settings file the copy finds beside it.
    // `tally`, when given, is the tally file it finds there. `extraEnvironment` adds "NAME=value"
    // entries to the copy's environment.
    Copy(const Ports& ports, const QStringList& arguments, const QString& session = {}, const QByteArray& settings = {},
         const QByteArray& tally = {}, const QStringList& extraEnvironment = {})
        : session_(session.isEmpty() ? folder_.filePath("tmp") : session)
    {
        const QString program = folder_.filePath("tilvaro");
        QDir().mkpath(session_);
        QFile::copy(QStringLiteral(TILVARO_PROGRAM), program);
        for (const auto& [path, content] : {std::pair{settingsPath(), settings}, std::pair{tallyPath(), tally}}) {
            QFile file(path);
            if (!content.isEmpty() && file.open(QIODevice::WriteOnly))
                file.write(content);
        }
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        environment.insert("TMPDIR", session_);
        environment.insert("XDG_RUNTIME_DIR", session_);
        environment.insert("TILVARO_TEST_GAME_PORT", QString::number(ports.game));
        environment.insert("TILVARO_TEST_LOBBY_PORT", QString::number(ports.lobby));
        environment.insert("XDG_DATA_HOME", folder_.filePath("data"));
        environment.insert("TILVARO_TEST_PRINT_SEATS", "1");
        for (const QString& entry : extraEnvironment)
            environment.insert(entry.section('=', 0, 0), entry.section('=', 1));
        process.setProcessEnvironment(environment);
        process.setWorkingDirectory(folder_.path());
        process.setProcessChannelMode(QProcess::SeparateChannels);
        QObject::connect(&process, &QProcess::readyReadStandardOutput, &process,
                         [this] { printed += process.readAllStandardOutput(); });
        process.start(program, arguments);
    }
    ~Copy()
    {
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished(10000);
        }
    }
    // Waits until the copy has shown these six seat captions.
    bool showsSeats(const QStringList& captions)
    {
        const QByteArray line = "seats\t" + captions.join('\t').toUtf8() + '\n';
        return QTest::qWaitFor([&] { return printed.contains(line); }, 20000);
    }
    QString session() const { return session_; }
    QString settingsPath() const { return folder_.filePath("briskolobby.ini"); }
    QString tallyPath() const { return folder_.filePath("Chickenfoottally.tld"); }
    // The tally file's text, unpacked.
    QByteArray tally() const
    {
        QFile file(tallyPath());
        if (!file.open(QIODevice::ReadOnly))
            return "<no file>";
        try {
            const QByteArray bytes = file.readAll();
            return fromBytes(lzrw1::decompressBuffer(asBytes(bytes)));
        } catch (const lzrw1::ELzrw1Exception& error) {
            return error.what();
        }
    }
    QByteArray settings() const
    {
        QFile file(settingsPath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<no file>");
    }

    QProcess process;
    QByteArray printed;

private:
    QTemporaryDir folder_;
    QString session_;
};

QStringList seats(QStringList taken)
{
    while (taken.size() < 6)
        taken.append(QStringLiteral("<Waiting>"));
    return taken;
}

} // namespace

TEST(RealProgram, WithoutArgumentsItHostsForYouAndASecondStartEndsAtOnce)
{
    const Ports ports;
    Copy solo(ports, {});
    ASSERT_TRUE(solo.showsSeats(seats({"You"})));

    RawTable tester(ports.game, "Tester");
    ASSERT_EQ(tester.login(), 2);
    EXPECT_TRUE(tester.waitFor("CMD_existingplayers+1+You+0\xFF"));
    EXPECT_TRUE(solo.showsSeats(seats({"You", "Tester"})));
    tester.send("CMD_chat+2+hello from the test");
    EXPECT_TRUE(tester.waitFor("CMD_chat+2+Tester chats: hello from the test\xFF"));

    // A second start in the same session finds the first copy and ends without doing anything.
    Copy second(ports, {}, solo.session());
    ASSERT_TRUE(second.process.waitForFinished(20000));
    EXPECT_EQ(second.process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.process.exitCode(), 0);
    EXPECT_TRUE(second.printed.isEmpty());
    EXPECT_EQ(solo.process.state(), QProcess::Running);
    EXPECT_EQ(tester.socket.state(), QAbstractSocket::ConnectedState);
}

TEST(RealProgram, AHostingAndAJoiningCopyMeetAndBothLinkToTheLobby)
{
    const Ports ports;
    QTcpServer lobby;
    ASSERT_TRUE(lobby.listen(QHostAddress::LocalHost, ports.lobby));
    int links = 0;
    QObject::connect(&lobby, &QTcpServer::newConnection, [&] {
        while (lobby.nextPendingConnection())
            ++links;
    });

    // The names look like Qt's own options; they belong to the players all the same.
    Copy ann(ports, {"-reverse", "-", "true"});
    ASSERT_TRUE(ann.showsSeats(seats({"-reverse"})));
    Copy bob(ports, {"-platform", "127.0.0.1", "false"});
    EXPECT_TRUE(bob.showsSeats(seats({"-reverse", "-platform"})));
    EXPECT_TRUE(ann.showsSeats(seats({"-reverse", "-platform"})));
    EXPECT_TRUE(QTest::qWaitFor([&] { return links == 2; }, 20000));
    EXPECT_EQ(bob.process.state(), QProcess::Running);
}

TEST(RealProgram, TablesJoiningOverIpv6AndIpv4MeetAtOneHost)
{
    QTcpServer probe;
    if (!probe.listen(QHostAddress::LocalHostIPv6, 0))
        GTEST_SKIP() << "this machine has no IPv6 loopback (::1)";
    probe.close();
    const Ports ports;
    Copy ann(ports, {"Ann", "-", "true"});
    ASSERT_TRUE(ann.showsSeats(seats({"Ann"})));
    Copy bob(ports, {"Bob", "::1", "false"});
    ASSERT_TRUE(bob.showsSeats(seats({"Ann", "Bob"})));
    Copy cy(ports, {"Cy", "127.0.0.1", "false"});
    EXPECT_TRUE(cy.showsSeats(seats({"Ann", "Bob", "Cy"})));
    EXPECT_TRUE(bob.showsSeats(seats({"Ann", "Bob", "Cy"})));
    EXPECT_TRUE(ann.showsSeats(seats({"Ann", "Bob", "Cy"})));
}

namespace {

// The host of one joining copy at a time, played by the test: it offers seat 2 to whoever
// connects and keeps what that table sends.
struct HandMadeHost {
    explicit HandMadeHost(quint16 port)
    {
        listening = server.listen(QHostAddress::LocalHost, port);
        QObject::connect(&server, &QTcpServer::newConnection, [this] {
            table = server.nextPendingConnection();
            QObject::connect(table, &QTcpSocket::readyRead, [this] { heard += table->readAll(); });
            table->write("CMD_sendlogininfo+2\xFF");
        });
    }
    // Waits until `name` has logged in on seat 2.
    bool heardLogin(const QByteArray& name)
    {
        return QTest::qWaitFor([&] { return heard.contains("CMD_logininfo+2+1.0.4+" + name + '\xFF'); }, 20000);
    }

    QTcpServer server;
    QTcpSocket* table = nullptr;
    QByteArray heard;
    bool listening = false;
};

} // namespace

TEST(RealProgram, TheWindowsPlaceIsLoadedWhenTheHostConfirmsTheTableAndStoredWhenTheHostGoesAway)
{
    const Ports ports;
    HandMadeHost host(ports.game);
    ASSERT_TRUE(host.listening);
    // Plays the host for one joining copy: confirms it on seat 2, then closes, which ends it.
    const auto run = [&](Copy& copy) {
        host.heard.clear();
        if (!host.heardLogin("Ann"))
            return false;
        host.table->write("CMD_newplayerinfo+2+Ann+0\xFF");
        if (!copy.showsSeats(seats({"<Waiting>", "Ann"})))
            return false;
        host.table->close();
        return copy.process.waitForFinished(20000) && copy.process.exitCode() == 0;
    };

    // The lobby's sections around ours, with Windows line ends; our window is on no screen.
    const QByteArray lobbyBefore = "[Lobby]\r\nNick=Ann\r\n\r\n";
    const QByteArray lobbyAfter = "[Servers]\r\nMain=example.org\r\n";
    QByteArray stored;
    {
        Copy first(ports, {"Ann", "127.0.0.1", "false"}, {},
                   lobbyBefore + "[Chickenfoot]\r\nLeft=-5000\r\nTop=-5000\r\nBotspeed=2000\r\n" + lobbyAfter);
        ASSERT_TRUE(run(first));
        stored = first.settings();
    }
    // Shown at the default place, which is what the close then stored.
    EXPECT_EQ(stored.toStdString(), (lobbyBefore +
                          "[Chickenfoot]\r\nLeft=3\r\nTop=3\r\nBotspeed=2000\r\nTextsize=8\r\nWidth=790\r\n"
                          "Height=578\r\nTextcolor=clBlack\r\nPlaytoscore=10\r\nNewcomers=1\r\nTurnsound=0\r\n"
                          "ChatterSounds=true\r\nPlaysounds=true\r\n" +
                          lobbyAfter).toStdString());

    // The next run comes back to that place: the window has not moved, so nothing is written.
    Copy second(ports, {"Ann", "127.0.0.1", "false"}, {}, stored);
    ASSERT_TRUE(run(second));
    EXPECT_EQ(second.settings().toStdString(), stored.toStdString());
}

TEST(RealProgram, AGameIsInTheTallyFileEvenWhenTheProgramIsKilledRightAfter)
{
    const Ports ports;
    HandMadeHost host(ports.game);
    ASSERT_TRUE(host.listening);

    // 12 games, 5 won; Hal (at the table) and Bob (not) are tallied; the last run's session
    // counts are still in the file. No temporary folder exists: the tally needs none.
    const QByteArray before = crlfLines({"9", "3", "0", "Hal", "Bob", "12", "7", "3", "5", "2", "1", "0", "3", "1", "0",
                                         "2", "1", "0", "4", "0", "0", "1", "0", "0", "1", "0", "0", "2", "0"});
    Copy ann(ports, {"Ann", "127.0.0.1", "false"}, {}, {}, fromBytes(lzrw1::compressBuffer(asBytes(before))),
             {"TMPDIR=/nonexistent"});
    ASSERT_TRUE(host.heardLogin("Ann"));
    host.table->write("CMD_existingplayers+1+Hal+0\xFF" "CMD_newplayerinfo+2+Ann+0\xFF" "CMD_startgame+Hal+3+\xFF"
                 "CMD_startround+1+55+9+1+t+2+t+3+f+4+f+5+f+6+f\xFF" "CMD_endround+1+1+-20+-20+2+31+31\xFF"
                 "CMD_winner+Hal+\xFF");

    // Hal won: one more game for the player and with Hal, one more win for Hal.
    const QByteArray after = crlfLines({"9", "3", "0", "Hal", "Bob", "13", "8", "3", "5", "3", "1", "0", "3", "1", "0",
                                        "2", "1", "0", "1", "0", "0", "1", "0", "0", "0", "0", "0", "0", "0"});
    EXPECT_TRUE(QTest::qWaitFor([&] { return ann.tally() == after; }, 20000)) << ann.tally().toStdString();
    ann.process.kill();
    ASSERT_TRUE(ann.process.waitForFinished(20000));
    EXPECT_EQ(ann.process.exitStatus(), QProcess::CrashExit);
    EXPECT_EQ(ann.tally().toStdString(), after.toStdString());
}

namespace {

// The pips of a bone, by counting through the set in its order (0|0, 0|1, ... 0|9, 1|1, ...).
std::pair<int, int> pipsOf(int bone)
{
    int number = 0;
    for (int top = 0; top <= 9; ++top)
        for (int bottom = top; bottom <= 9; ++bottom)
            if (++number == bone)
                return {top, bottom};
    return {-1, -1};
}

// A table run by a script: on its turn it plays the first bone of its hand (slots ascending) that
// fits the first toe offered, and passes when none fits. It follows the board from the host's
// messages, and keeps everything it received.
class ScriptedPlayer {
public:
    ScriptedPlayer(quint16 port, const QByteArray& name) : table(port, name) {}

    // Handles what arrived since the last call; true once the game has a winner.
    bool step()
    {
        for (qsizetype end; (end = table.received.indexOf('\xFF', read_)) >= 0; read_ = end + 1)
            handle(QString::fromLatin1(table.received.mid(read_, end - read_)).split('+'));
        return over;
    }

    RawTable table;
    int seat = 0;
    bool over = false;

private:
    void handle(const QStringList& f)
    {
        const QString& verb = f[0];
        const auto number = [&](int i) { return f.value(i).toInt(); };
        if (verb == "CMD_startround" || verb == "CMD_beginagain") {
            spinnerPip_ = pipsOf(number(verb == "CMD_startround" ? 2 : 1)).first;
            toes_ = {};
        } else if (verb == "CMD_dealmybones" && number(1) == seat) {
            hand_.clear();
            for (int i = 2; i + 1 < f.size(); i += 2)
                hand_[number(i)] = number(i + 1);
        } else if (verb == "CMD_heplayed" || verb == "CMD_double") {
            if (number(1) == seat)
                hand_.erase(number(2));
            const int toe = number(4), position = number(5);
            if (verb == "CMD_heplayed" && toe >= 1 && toe <= 3 && position >= 1 && position <= 40)
                toes_[toe][position] = {number(3), f.value(6) == "t"};
        } else if (verb == "CMD_nextplayer" && number(1) == seat) {
            play(f);
        } else if (verb == "CMD_winner") {
            over = true;
        }
    }

    void play(const QStringList& f)
    {
        for (const auto& [slot, bone] : hand_) {
            const auto [top, bottom] = pipsOf(bone);
            for (int toe = 1; toe <= 3; ++toe) {
                const int position = f.value(5 + toe).toInt();
                if (f.value(2 + toe) != "t" || position < 1 || position > 40)
                    continue;
                int end = spinnerPip_;
                if (position > 1) {
                    const auto [inner, flip] = toes_[toe][position - 1];
                    end = flip ? pipsOf(inner).first : pipsOf(inner).second;
                }
                if (top == end || bottom == end) {
                    table.send(QStringLiteral("CMD_playbone+%1+%2+%3+%4+").arg(seat).arg(slot).arg(toe).arg(position).toLatin1());
                    return;
                }
            }
        }
        table.send(QStringLiteral("CMD_hepasses+%1+").arg(seat).toLatin1());
    }

    qsizetype read_ = 0;
    int spinnerPip_ = -1;
    std::map<int, int> hand_;
    std::array<std::array<std::pair<int, bool>, 41>, 4> toes_{};
};

// A hosting copy with the seed given, Bob and Cy on seats 2 and 3, and the host's own seat
// played by the computer ("Just Watch"), quickly.
struct SeededGame {
    // `language` is the desktop's LANG; the other language settings are cleared.
    explicit SeededGame(const QString& seed, const QString& language = QStringLiteral("C.UTF-8"))
        : copy(ports, {"Ann", "-", "true"}, {}, "[Chickenfoot]\r\nBotspeed=500\r\n",
               {}, {"TILVARO_SEED=" + seed, "TILVARO_TEST_COMMANDS=1", "LANG=" + language, "LANGUAGE=", "LC_ALL=",
                    "LC_MESSAGES="})
    {
    }
    // Both players log in; then the host's player says `said`, if anything, and once the others
    // have it starts a three-round game and just watches.
    bool start(const QByteArray& said = {})
    {
        if (!copy.showsSeats(seats({"Ann"})))
            return false;
        for (const char* name : {"Bob", "Cy"}) {
            players.push_back(std::make_unique<ScriptedPlayer>(ports.game, name));
            players.back()->seat = players.back()->table.login();
            // The next one connects only now: the host lists connections that have not logged in
            // yet, nameless, to whoever logs in meanwhile.
            if (!players.back()->table.waitFor("CMD_existingplayers+"))
                return false;
        }
        if (players[0]->seat != 2 || players[1]->seat != 3 || !copy.showsSeats(seats({"Ann", "Bob", "Cy"})))
            return false;
        if (!said.isEmpty()) {
            copy.process.write("say " + said + '\n');
            for (auto& player : players)
                if (!player->table.waitFor(said))
                    return false;
        }
        copy.process.write("start 3\nwatch\n");
        return true;
    }
    bool step()
    {
        bool over = true;
        for (auto& player : players)
            over &= player->step();
        return over;
    }
    // The first hand the host dealt to this seat.
    QByteArray firstDeal(int seat) const
    {
        const QByteArray& received = players[seat - 2]->table.received;
        const qsizetype from = received.indexOf("CMD_dealmybones+" + QByteArray::number(seat) + '+');
        return from < 0 ? QByteArray() : received.mid(from, received.indexOf('\xFF', from) - from);
    }

    Ports ports;
    Copy copy;
    std::vector<std::unique_ptr<ScriptedPlayer>> players;
};

} // namespace

TEST(RealProgram, AHostWithTheSameSeedDealsAndPlaysTheSameGameAgain)
{
    // The two games with one seed run side by side; a third seed only has to deal differently.
    SeededGame first(QStringLiteral("4294967295")), again(QStringLiteral("4294967295")), other(QStringLiteral("77"));
    ASSERT_TRUE(first.start());
    ASSERT_TRUE(again.start());
    ASSERT_TRUE(other.start());
    ASSERT_TRUE(QTest::qWaitFor([&] { return first.step() & again.step(); }, 240000));
    for (int player = 0; player < 2; ++player) {
        const QByteArray& played = first.players[player]->table.received;
        EXPECT_TRUE(played.contains("CMD_endround+")) << player;
        EXPECT_EQ(played.count("CMD_startround+"), again.players[player]->table.received.count("CMD_startround+"));
        EXPECT_TRUE(played == again.players[player]->table.received)
            << "seat " << player + 2 << ":\n" << played.toStdString() << "\n---\n"
            << again.players[player]->table.received.toStdString();
    }
    ASSERT_TRUE(QTest::qWaitFor([&] { return !other.firstDeal(2).isEmpty(); }, 20000));
    EXPECT_FALSE(first.firstDeal(2).isEmpty());
    EXPECT_NE(first.firstDeal(2), other.firstDeal(2));
}

TEST(RealProgram, AHostInGermanSendsTheOtherTablesTheSameBytesAsInEnglish)
{
    // Whatever the host's table shows in its own language, everything that travels stays as it is:
    // the two seeded games side by side reach the other players byte for byte alike.
    SeededGame english(QStringLiteral("12345")), german(QStringLiteral("12345"), QStringLiteral("de_DE.UTF-8"));
    ASSERT_TRUE(english.start("Hallo"));
    ASSERT_TRUE(german.start("Hallo"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return english.step() & german.step(); }, 240000));
    // Each table showed its own language (the notices it makes itself).
    EXPECT_TRUE(english.copy.printed.contains("You are Connected.")) << english.copy.printed.toStdString();
    EXPECT_TRUE(german.copy.printed.contains("Du bist verbunden.")) << german.copy.printed.toStdString();
    for (int player = 0; player < 2; ++player) {
        const QByteArray& heard = english.players[player]->table.received;
        EXPECT_TRUE(heard.contains("CMD_winner+")) << player;
        EXPECT_TRUE(heard.contains("Hallo")) << player;
        EXPECT_TRUE(heard == german.players[player]->table.received)
            << "seat " << player + 2 << ":\n" << heard.toStdString() << "\n---\n"
            << german.players[player]->table.received.toStdString();
    }
}

TEST(RealProgram, ASeedThatIsNotANumberFromZeroTo4294967295StopsTheProgramBeforeAnyWindow)
{
    for (const char* bad : {"4294967296", "-1", "12x", " 5", "0x10"}) {
        const Ports ports;
        Copy copy(ports, {"Ann", "-", "true"}, {}, {}, {}, {QStringLiteral("TILVARO_SEED=") + bad});
        ASSERT_TRUE(copy.process.waitForFinished(20000)) << bad;
        EXPECT_EQ(copy.process.exitCode(), 2) << bad;
        EXPECT_TRUE(copy.printed.isEmpty()) << bad;
        const QByteArray error = copy.process.readAllStandardError();
        EXPECT_TRUE(error.contains("TILVARO_SEED must be a whole number from 0 to 4294967295")) << error.toStdString();
        EXPECT_TRUE(error.contains(bad)) << error.toStdString();
    }
}

namespace {

// Whether a copy has shown a chat line that holds all these texts, waiting (generously).
bool showsChat(Copy& copy, const QStringList& parts)
{
    return QTest::qWaitFor(
        [&] {
            for (const QByteArray& printed : copy.printed.split('\n')) {
                if (!printed.startsWith("chat\t"))
                    continue;
                const QString line = QString::fromUtf8(printed.mid(5));
                if (std::all_of(parts.begin(), parts.end(), [&](const QString& part) { return line.contains(part); }))
                    return true;
            }
            return false;
        },
        20000);
}

QByteArray utf8(const char* text) { return QByteArray(text); }

} // namespace

TEST(RealProgram, PlayersNamedInCyrillicAndChineseChatWithEmojiAndTheWireCarriesUtf8)
{
    const Ports ports;
    Copy host(ports, {"Михаил", "-", "true"}, {}, {}, {}, {"TILVARO_TEST_COMMANDS=1"});
    ASSERT_TRUE(host.showsSeats(seats({"Михаил"})));
    Copy guest(ports, {"李小龙", "127.0.0.1", "false"}, {}, {}, {}, {"TILVARO_TEST_COMMANDS=1"});
    EXPECT_TRUE(guest.showsSeats(seats({"Михаил", "李小龙"})));
    EXPECT_TRUE(host.showsSeats(seats({"Михаил", "李小龙"})));
    RawTable listener(ports.game, "Lis");
    ASSERT_EQ(listener.login(), 3);
    EXPECT_TRUE(listener.waitFor("CMD_existingplayers+1+" + utf8("Михаил") + "+0+2+" + utf8("李小龙") + "+0"));

    host.process.write("say Привет 😀\n");
    guest.process.write("say 你好 🎉👍\n");
    EXPECT_TRUE(showsChat(guest, {"Михаил chats:", "Привет 😀"}));
    EXPECT_TRUE(showsChat(host, {"李小龙 chats:", "你好 🎉👍"}));
    EXPECT_TRUE(showsChat(host, {"Михаил chats:", "Привет 😀"}));
    EXPECT_TRUE(listener.waitFor("CMD_chat+1+" + utf8("Михаил chats: Привет 😀")));
    EXPECT_TRUE(listener.waitFor("CMD_chat+2+" + utf8("李小龙 chats: 你好 🎉👍")));
    EXPECT_FALSE(listener.received.contains('?')) << listener.received.toStdString();
}

TEST(RealProgram, ALatin1PeerIsShownRightAndGetsLatin1TextByteForByte)
{
    const Ports ports;
    Copy host(ports, {"Михаил", "-", "true"}, {}, {}, {}, {"TILVARO_TEST_COMMANDS=1"});
    ASSERT_TRUE(host.showsSeats(seats({"Михаил"})));
    RawTable zoe(ports.game, "Zo\xEB");
    ASSERT_EQ(zoe.login(), 2);
    EXPECT_TRUE(host.showsSeats(seats({"Михаил", "Zoë"})));

    zoe.send("CMD_chat+2+Gr\xFC\xDF" "e aus K\xF6ln");
    EXPECT_TRUE(showsChat(host, {"Zoë chats:", "Grüße aus Köln"}));
    EXPECT_TRUE(zoe.waitFor("CMD_chat+2+Zo\xEB chats: Gr\xFC\xDF" "e aus K\xF6ln"));

    // What fits Latin-1 goes out one byte a letter, as it always did; only the rest is UTF-8.
    host.process.write("say Café für alle\n");
    EXPECT_TRUE(zoe.waitFor("CMD_chat+1+" + utf8("Михаил") + " chats: Caf\xE9 f\xFCr alle"));
    host.process.write("say ½ 😀\n");
    EXPECT_TRUE(zoe.waitFor("CMD_chat+1+" + utf8("Михаил chats: ½ 😀")));
    EXPECT_FALSE(zoe.received.contains(utf8("Café"))) << zoe.received.toStdString();
}

namespace {

// Moves of seat 2 announced in what a table received, from `from` on.
int movesOfSeat2(const QByteArray& received, qsizetype from = 0, qsizetype to = -1)
{
    const QByteArray part = received.mid(from, to < 0 ? -1 : to - from);
    return static_cast<int>(part.count("CMD_heplayed+2+") + part.count("CMD_hepassed+2+") + part.count("CMD_double+2+"));
}

} // namespace

TEST(RealProgram, AHostWithATurnLimitMovesForATableThatNeverDoesAndSetsItsSeatToJustWatch)
{
    // The 30-second limit from the settings, with each of its seconds lasting 20 ms.
    const Ports ports;
    Copy host(ports, {"Ann", "-", "true"}, {}, "[Chickenfoot]\r\nBotspeed=500\r\nTurnlimit=30\r\n", {},
              {"TILVARO_TEST_COMMANDS=1", "TILVARO_TEST_TURN_SECOND=20"});
    ASSERT_TRUE(host.showsSeats(seats({"Ann"})));
    RawTable bob(ports.game, "Bob");
    ASSERT_EQ(bob.login(), 2);
    ASSERT_TRUE(host.showsSeats(seats({"Ann", "Bob"})));
    host.process.write("start 3\nwatch\n");

    // Bob never moves: the host moves for him twice, then every table sees him just watch.
    ASSERT_TRUE(bob.waitFor("CMD_justwatching+2+1"));
    const qsizetype watching = bob.received.indexOf("CMD_justwatching+2+1");
    EXPECT_EQ(movesOfSeat2(bob.received, 0, watching), 2) << bob.received.toStdString();
    EXPECT_TRUE(showsChat(host, {"Bob is just watching"}));
    // The game goes on with the computer in his seat.
    EXPECT_TRUE(QTest::qWaitFor([&] { return movesOfSeat2(bob.received, watching) >= 2; }, 30000));

    // He takes the seat back and walks away again: two more turns, and he watches again.
    bob.send("CMD_justwatch+2+2");
    ASSERT_TRUE(bob.waitFor("CMD_justwatching+2+2"));
    EXPECT_TRUE(showsChat(host, {"Bob is now playing again"}));
    EXPECT_TRUE(QTest::qWaitFor([&] { return bob.received.count("CMD_justwatching+2+1") == 2; }, 30000));
}
